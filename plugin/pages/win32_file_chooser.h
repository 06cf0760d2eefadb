#pragma once
// The platform's open-file dialog behind the pages' chooser interface.

#include <windows.h>

#include "plugin/pages/download_model.h"

namespace varnel::plugin {

class Win32FileChooser : public FileChooser {
 public:
  explicit Win32FileChooser(HWND owner) : owner_(owner) {}
  ~Win32FileChooser() override;
  Win32FileChooser(const Win32FileChooser&) = delete;
  Win32FileChooser& operator=(const Win32FileChooser&) = delete;
  // GetOpenFileNameW from Comdlg32.dll, loaded under the module's activation context on
  // first use and kept while the page lives (loading it again costs time every Add).
  bool Choose(const ChooseRequest& request, std::string& path, std::string& name) override;

 private:
  HWND owner_;
  HMODULE dialogs_ = nullptr;
};

}  // namespace varnel::plugin
