#include "modeswitch/window/flat_button.h"

#include <commctrl.h>

#include <iterator>

namespace varnel::gantry {

namespace {
constexpr COLORREF kTextColour = RGB(0, 0, 255);
constexpr COLORREF kHotTextColour = RGB(45, 180, 180);
constexpr int kIconSize = 32;
constexpr int kMargin = 4;
}  // namespace

FlatButton::~FlatButton() {
  if (button_) RemoveWindowSubclass(button_, &FlatButton::Subclass, 0);
  if (icon_) DestroyIcon(icon_);
}

void FlatButton::Attach(HWND dialog, int id, int iconId, int cursorId) {
  button_ = GetDlgItem(dialog, id);
  if (!button_) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, kIconSize, kIconSize, 0));
  cursor_ = LoadCursorW(instance, MAKEINTRESOURCEW(cursorId));
  const LONG_PTR style = GetWindowLongPtrW(button_, GWL_STYLE);
  SetWindowLongPtrW(button_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
  SetWindowSubclass(button_, &FlatButton::Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
  InvalidateRect(button_, nullptr, TRUE);
}

void FlatButton::Draw(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  RECT frame = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool disabled = item.itemState & ODS_DISABLED;
  FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
  // Flat: an edge shows only while the mouse is over the button or it is pressed.
  if ((hot_ || pressed) && !disabled) DrawEdge(dc, &frame, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);

  const int shift = pressed ? 1 : 0;
  const int iconTop = (frame.top + frame.bottom - kIconSize) / 2 + shift;
  DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon_), 0, frame.left + kMargin + shift, iconTop, kIconSize,
            kIconSize, DST_ICON | (disabled ? DSS_DISABLED : 0));

  wchar_t text[64] = {};
  GetWindowTextW(item.hwndItem, text, static_cast<int>(std::size(text)));
  RECT label = frame;
  label.left += kMargin + kIconSize + shift;
  label.top += shift;
  label.bottom += shift;
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : (hot_ || pressed) ? kHotTextColour : kTextColour);
  DrawTextW(dc, text, -1, &label,
            DT_SINGLELINE | DT_VCENTER | DT_CENTER | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0));
  SelectObject(dc, oldFont);

  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = frame;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

void FlatButton::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  InvalidateRect(button_, nullptr, FALSE);
}

LRESULT CALLBACK FlatButton::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self) {
  auto* button = reinterpret_cast<FlatButton*>(self);
  switch (message) {
    case WM_MOUSEMOVE:
      if (!button->hot_) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        button->SetHot(true);
      }
      break;
    case WM_MOUSELEAVE:
      button->SetHot(false);
      break;
    case WM_SETCURSOR:
      if (button->cursor_) {
        SetCursor(button->cursor_);
        return TRUE;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &FlatButton::Subclass, 0);
      button->button_ = nullptr;
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace varnel::gantry
