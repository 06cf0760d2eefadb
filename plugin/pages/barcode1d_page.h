#pragma once
// The "1D Code" page of the document settings sheet: the eight linear barcode fonts.
// Registered on its sheet and following the shared page protocol; its controls are not
// served yet.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class Barcode1DPage final : public DocumentPage {
 public:
  using DocumentPage::DocumentPage;

 protected:
  INT_PTR OnInit() override;
};

}  // namespace varnel::plugin
