#pragma once
// The "2D Code" page of the document settings sheet: the two 2D barcode fonts.
// Registered on its sheet and following the shared page protocol; its controls are not
// served yet.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class Barcode2DPage final : public DocumentPage {
 public:
  using DocumentPage::DocumentPage;

 protected:
  INT_PTR OnInit() override;
};

}  // namespace varnel::plugin
