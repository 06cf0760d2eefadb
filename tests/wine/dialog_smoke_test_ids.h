#pragma once
#define IDD_SMOKE 100
#define IDC_SMOKE_STATE 1000
#define IDC_SMOKE_PRESS 1001
