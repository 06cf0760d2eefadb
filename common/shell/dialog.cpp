#include "common/shell/dialog.h"

#include <vector>

namespace varnel::shell {

INT_PTR Dialog::Dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
  try {
    switch (message) {
      case WM_INITDIALOG: return OnInit();
      case WM_COMMAND: return OnCommand(LOWORD(wparam), HIWORD(wparam)) ? TRUE : FALSE;
      case WM_NOTIFY: {
        LRESULT result = 0;
        if (lparam == 0 || !OnNotify(*reinterpret_cast<NMHDR*>(lparam), result)) return FALSE;
        SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
        return TRUE;
      }
      default: {
        INT_PTR result = FALSE;
        return OnMessage(message, wparam, lparam, result) ? result : FALSE;
      }
    }
  } catch (...) {
    return FALSE;  // nothing crosses into the platform
  }
}

std::wstring Dialog::ItemText(int id) const {
  const HWND item = Item(id);
  const int length = item != nullptr ? GetWindowTextLengthW(item) : 0;
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
  const int copied = GetWindowTextW(item, buffer.data(), length + 1);
  return std::wstring(buffer.data(), copied > 0 ? copied : 0);
}

INT_PTR ModalDialog::Run(HWND owner, HINSTANCE module, int template_id) {
  return DialogBoxParamW(module, MAKEINTRESOURCEW(template_id), owner, Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lparam);
    auto* dialog = reinterpret_cast<ModalDialog*>(lparam);
    if (dialog == nullptr) return FALSE;
    dialog->Attach(window);
    return dialog->Dispatch(message, wparam, lparam);
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return dialog != nullptr ? dialog->Dispatch(message, wparam, lparam) : FALSE;
}

}  // namespace varnel::shell
