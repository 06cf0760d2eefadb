#include "plugin/frame/dialog.h"

#include "plugin/frame/module.h"

namespace varnel::plugin {

INT_PTR ModalDialog::Run(HWND owner, int template_id) {
  ActivationScope scope;
  return shell::ModalDialog::Run(owner, ModuleInstance(), template_id);
}

}  // namespace varnel::plugin
