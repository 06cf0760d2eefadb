#pragma once
// A flat push button: a 32 x 32 icon beside its text, the text blue and turning teal
// while the mouse is over it or it is pressed, and its own cursor while the mouse is over it.

#include <windows.h>

namespace varnel::gantry {

class FlatButton {
 public:
  FlatButton() = default;
  FlatButton(const FlatButton&) = delete;
  FlatButton& operator=(const FlatButton&) = delete;
  ~FlatButton();

  // Makes the dialog's button control `id` a flat button with icon resource `iconId`.
  void Attach(HWND dialog, int id, int iconId, int cursorId);
  // The owner's WM_DRAWITEM for this button.
  void Draw(const DRAWITEMSTRUCT& item) const;
  HWND handle() const { return button_; }

 private:
  static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  void SetHot(bool hot);

  HWND button_ = nullptr;
  HICON icon_ = nullptr;
  HCURSOR cursor_ = nullptr;
  bool hot_ = false;
};

}  // namespace varnel::gantry
