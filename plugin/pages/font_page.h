#pragma once
// The "Font" page of the printer properties sheet: the printer's device fonts.
// Registered on its sheet and following the shared page protocol; its controls are not
// served yet.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class FontPage final : public DevicePage {
 public:
  using DevicePage::DevicePage;

 protected:
  INT_PTR OnInit() override;
};

}  // namespace varnel::plugin
