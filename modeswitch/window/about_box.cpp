#include "modeswitch/window/about_box.h"

#include "resources/gantry/gantry_ids.h"

namespace varnel::gantry {

void AboutBox::Show(HWND owner) { Run(owner, IDD_GANTRY_ABOUT); }

INT_PTR AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ok_.Attach(hwnd(), IDOK, IDI_EXIT, IDC_FLAT_BUTTON_CURSOR);
      return TRUE;
    case WM_DRAWITEM:
      ok_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        EndDialog(hwnd(), LOWORD(wParam));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace varnel::gantry
