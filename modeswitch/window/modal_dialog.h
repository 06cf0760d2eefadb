#pragma once
// A modal dialog from a template: the object travels through the dialog's creation
// parameter into its user data, and messages reach the object's handler. No exception
// crosses into the platform.

#include <windows.h>

namespace varnel::gantry {

class ModalDialog {
 public:
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Shows the dialog and returns when it has ended.
  INT_PTR Run(HWND owner, int templateId);

 protected:
  ModalDialog() = default;
  virtual ~ModalDialog() = default;
  // The dialog procedure's answer; FALSE for messages it leaves to the dialog manager.
  virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace varnel::gantry
