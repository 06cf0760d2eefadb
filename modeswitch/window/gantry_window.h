#pragma once
// Gantry's window: the two lists of printers, the switch buttons, the information box.
// It shows what the mode switcher decides and hands it the user's clicks.

#include <array>
#include <string>
#include <vector>

#include "modeswitch/mode_switcher.h"
#include "modeswitch/win32/win32_api_mode_devices.h"
#include "modeswitch/window/flat_button.h"
#include "common/shell/dialog.h"

namespace varnel::gantry {

class GantryWindow : public shell::ModalDialog, public modeswitch::SwitcherView {
 public:
  GantryWindow() = default;
  void Show();

  // What the mode switcher shows through the window.
  void WriteLine(const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  void ShowList(modeswitch::Personality listed, const std::vector<std::string>& entries) override;
  int SelectedEntry(modeswitch::Personality listed) override;
  void EnableSwitch(modeswitch::Personality target, bool enabled) override;
  void Pause(uint32_t ms) override;

 private:
  INT_PTR OnInit() override;
  bool OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void OnButton(int id);
  INT_PTR OnStaticColour(HDC dc, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnDestroy();
  void AddAboutItem();
  void SetLook();
  void ClearInformation();
  void ShowAbout();

  win32::Win32ApiModeDevices devices_;
  modeswitch::ModeSwitcher switcher_{*this, devices_};
  std::array<FlatButton, 6> buttons_;
  HFONT titleFont_ = nullptr;
  HFONT labelFont_ = nullptr;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
};

}  // namespace varnel::gantry
