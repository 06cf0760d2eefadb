#pragma once
// The About box: the program's icon, its name and version, and an Ok button.

#include "modeswitch/window/flat_button.h"
#include "modeswitch/window/modal_dialog.h"

namespace varnel::gantry {

class AboutBox : public ModalDialog {
 public:
  void Show(HWND owner);

 private:
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  FlatButton ok_;
};

}  // namespace varnel::gantry
