#include "modeswitch/window/about_box.h"

#include "resources/gantry/gantry_ids.h"

namespace varnel::gantry {

void AboutBox::Show(HWND owner) { Run(owner, GetModuleHandleW(nullptr), IDD_GANTRY_ABOUT); }

INT_PTR AboutBox::OnInit() {
  ok_.Attach(window(), IDOK, IDI_EXIT, IDC_FLAT_BUTTON_CURSOR);
  return TRUE;
}

bool AboutBox::OnCommand(int id, int code) {
  if (id != IDOK && id != IDCANCEL) return false;
  End(id);
  return true;
}

bool AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message != WM_DRAWITEM) return false;
  ok_.Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  result = TRUE;
  return true;
}

}  // namespace varnel::gantry
