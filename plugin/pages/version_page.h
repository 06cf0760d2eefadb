#pragma once
// The "Version" page, on both sheets: the fixed texts of its dialog resource and nothing
// that acts. It accepts every sheet notification and never reports through the callback.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class VersionPage final : public SheetPage {
 public:
  using SheetPage::SheetPage;

 protected:
  bool OnApply() override { return true; }
};

}  // namespace varnel::plugin
