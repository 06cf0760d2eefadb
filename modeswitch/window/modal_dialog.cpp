#include "modeswitch/window/modal_dialog.h"

namespace varnel::gantry {

INT_PTR ModalDialog::Run(HWND owner, int templateId) {
  return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, &ModalDialog::Procedure,
                         reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    reinterpret_cast<ModalDialog*>(lParam)->hwnd_ = hwnd;
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!dialog) return FALSE;
  try {
    return dialog->OnMessage(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

}  // namespace varnel::gantry
