#pragma once
// The "Operation" page of the document settings sheet: what the printer does at the four
// job points. Each of its buttons opens the operation dialog on a copy of that job point's
// block; OK writes the copy back into the record.

#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

class OperationPage final : public DocumentPage {
 public:
  using DocumentPage::DocumentPage;

 protected:
  bool OnCommand(int id, int code) override;

 private:
  void EditJobPoint(JobPoint point);
};

}  // namespace varnel::plugin
