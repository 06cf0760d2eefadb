#pragma once
// The "Main" page of the document settings sheet: paper size and text as graphics.
// Registered on its sheet and following the shared page protocol; its controls are not
// served yet.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class MainPage final : public DocumentPage {
 public:
  using DocumentPage::DocumentPage;

 protected:
  INT_PTR OnInit() override;
};

}  // namespace varnel::plugin
