#pragma once
// The small base of every dialog, page and program window of the package: messages become
// virtual handlers, and nothing thrown ever leaves a dialog procedure.

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace varnel::shell {

class Dialog {
 public:
  explicit Dialog(HWND window = nullptr) : window_(window) {}
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  HWND window() const { return window_; }
  // Routes one message to the handlers below; the dialog procedure's result.
  INT_PTR Dispatch(UINT message, WPARAM wparam, LPARAM lparam);

 protected:
  // WM_INITDIALOG; the result is the dialog procedure's (TRUE: default focus).
  virtual INT_PTR OnInit() { return TRUE; }
  // WM_COMMAND by control id and notification code; true when handled.
  virtual bool OnCommand(int id, int code) { return false; }
  // WM_NOTIFY; true when handled, with `result` set as the notification's answer.
  virtual bool OnNotify(NMHDR& header, LRESULT& result) { return false; }
  // Every other message; true when handled, with the dialog procedure's result.
  virtual bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) { return false; }

  HWND Item(int id) const { return GetDlgItem(window_, id); }
  std::wstring ItemText(int id) const;
  void SetItemText(int id, const wchar_t* text) const { SetDlgItemTextW(window_, id, text); }
  void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
  bool IsChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
  void Check(int id, bool checked) const { CheckDlgButton(window_, id, checked ? BST_CHECKED : BST_UNCHECKED); }
  // A message box owned by this dialog.
  int Message(const wchar_t* text, const wchar_t* caption, UINT style) const {
    return MessageBoxW(window_, text, caption, style);
  }

  void Attach(HWND window) { window_ = window; }

 private:
  HWND window_;
};

// A modal dialog from a template of a module. The object travels through the dialog's
// creation parameter into its user data.
class ModalDialog : public Dialog {
 public:
  // The dialog's end code, or -1 when it could not be created.
  INT_PTR Run(HWND owner, HINSTANCE module, int template_id);

 protected:
  void End(INT_PTR code) const { EndDialog(window(), code); }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
};

}  // namespace varnel::shell
