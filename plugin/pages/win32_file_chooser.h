#pragma once
// The platform's open-file dialog behind the pages' chooser interface.

#include <windows.h>

#include "plugin/pages/download_model.h"

namespace varnel::plugin {

class Win32FileChooser : public FileChooser {
 public:
  explicit Win32FileChooser(HWND owner) : owner_(owner) {}
  // GetOpenFileNameW from Comdlg32.dll, loaded under the module's activation context.
  bool Choose(const ChooseRequest& request, std::string& path, std::string& name) override;

 private:
  HWND owner_;
};

}  // namespace varnel::plugin
