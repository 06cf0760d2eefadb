#pragma once
// The "Utility" page of the printer properties sheet: self-test and user paper sizes.
// Registered on its sheet and following the shared page protocol; its controls are not
// served yet.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class UtilityPage final : public DevicePage {
 public:
  using DevicePage::DevicePage;

 protected:
  INT_PTR OnInit() override;
};

}  // namespace varnel::plugin
