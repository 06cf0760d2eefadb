#pragma once
// The "Water Mark" page of the document settings sheet.
// Registered on its sheet and following the shared page protocol; its controls are not
// served yet.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class WatermarkPage final : public DocumentPage {
 public:
  using DocumentPage::DocumentPage;

 protected:
  INT_PTR OnInit() override;
};

}  // namespace varnel::plugin
