#include "plugin/codec/command_edit_filter.h"

#include <commctrl.h>

#include "plugin/codec/command_text.h"

namespace varnel::plugin {
namespace {

constexpr UINT_PTR kFilterId = 0x5643;  // any number unique among the box's subclasses

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT CALLBACK CommandEditFilter(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE:
      // The box keeps Tab, Enter and Escape from the dialog; the filter decides on them.
      return DLGC_WANTALLKEYS;
    case WM_CHAR: {
      const CommandKey key{static_cast<char16_t>(wParam), KeyDown(VK_TAB), KeyDown(VK_CONTROL)};
      switch (FilterCommandKey(key)) {
        case CommandKeyAction::kPassOn:
          break;
        case CommandKeyAction::kDrop:
          return 0;
        case CommandKeyAction::kNextControl:
          PostMessageW(GetParent(edit), WM_NEXTDLGCTL, 0, 0);
          return 0;
      }
      break;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, CommandEditFilter, id);
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void InstallCommandEditFilter(HWND edit) { SetWindowSubclass(edit, CommandEditFilter, kFilterId, 0); }

}  // namespace varnel::plugin
