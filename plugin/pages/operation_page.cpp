#include "plugin/pages/operation_page.h"

#include "plugin/pages/operation_dialog.h"
#include "resources/varnelui/resource.h"

namespace varnel::plugin {

bool OperationPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_OP_START_DOCUMENT: EditJobPoint(JobPoint::kStartDocument); return true;
    case IDC_OP_START_PAGE: EditJobPoint(JobPoint::kStartPage); return true;
    case IDC_OP_END_PAGE: EditJobPoint(JobPoint::kEndPage); return true;
    case IDC_OP_END_DOCUMENT: EditJobPoint(JobPoint::kEndDocument); return true;
  }
  return false;
}

void OperationPage::EditJobPoint(JobPoint point) {
  PrivateSettings* record = settings();
  if (record == nullptr) return;
  OperationDialog dialog(point, ReadJobOperation(*record, point));
  if (!dialog.Run(window())) return;
  WriteJobOperation(*record, point, dialog.copy());
  MarkChanged();
}

}  // namespace varnel::plugin
