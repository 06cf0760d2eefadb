#pragma once
// The About box: the program's icon, its name and version, and an Ok button.

#include "modeswitch/window/flat_button.h"
#include "common/shell/dialog.h"

namespace varnel::gantry {

class AboutBox : public shell::ModalDialog {
 public:
  void Show(HWND owner);

 private:
  INT_PTR OnInit() override;
  bool OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  FlatButton ok_;
};

}  // namespace varnel::gantry
