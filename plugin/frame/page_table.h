#pragma once
// The dialog procedure of each page, by its dialog resource.

#include <windows.h>

#include <cstdint>

namespace varnel::plugin {

DLGPROC PageProcedureFor(uint16_t dialog);

}  // namespace varnel::plugin
