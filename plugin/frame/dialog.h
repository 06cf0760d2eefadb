#pragma once
// The plug-in's dialogs and pages stand on the package's dialog base; its modal dialogs come
// from the module's templates and run under the module's activation context.

#include "common/shell/dialog.h"

namespace varnel::plugin {

using Dialog = shell::Dialog;

class ModalDialog : public shell::ModalDialog {
 public:
  // The dialog's end code, or -1 when it could not be created.
  INT_PTR Run(HWND owner, int template_id);
};

}  // namespace varnel::plugin
