// The Wine test machinery itself: a dialog made from a compiled resource, a button
// pressed by message, and the dialog procedure's reaction seen in the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/wine/dialog_smoke_test_ids.h"

namespace {

int g_presses = 0;

INT_PTR CALLBACK SmokeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDC_SMOKE_PRESS && HIWORD(wParam) == BN_CLICKED) {
    ++g_presses;
    SetDlgItemTextW(dialog, IDC_SMOKE_STATE, (L"Pressed " + std::to_wstring(g_presses)).c_str());
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

std::wstring TextOf(HWND dialog, int id) {
  wchar_t text[64] = {};
  GetDlgItemTextW(dialog, id, text, 64);
  return text;
}

TEST(DialogMachinery, AButtonPressedByMessageReachesTheDialogProcedure) {
  HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SMOKE), nullptr, SmokeProc, 0);
  ASSERT_NE(dialog, nullptr) << "error " << GetLastError();
  wchar_t caption[32] = {};
  GetWindowTextW(dialog, caption, 32);
  EXPECT_STREQ(caption, L"Smoke");
  EXPECT_EQ(TextOf(dialog, IDC_SMOKE_STATE), L"Not pressed");

  SendMessageW(GetDlgItem(dialog, IDC_SMOKE_PRESS), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(dialog, IDC_SMOKE_PRESS), BM_CLICK, 0, 0);
  EXPECT_EQ(g_presses, 2);
  EXPECT_EQ(TextOf(dialog, IDC_SMOKE_STATE), L"Pressed 2");
  DestroyWindow(dialog);
}

}  // namespace
