#include "plugin/frame/sheet_page.h"

namespace varnel::plugin {

bool SheetPage::OnNotify(NMHDR& header, LRESULT& result) {
  result = 0;  // PSNRET_NOERROR, and for the activation notifications: accept
  switch (header.code) {
    case PSN_APPLY: return OnApply();
    case PSN_SETACTIVE: return OnSetActive();
    case PSN_KILLACTIVE: return OnKillActive();
    case PSN_QUERYCANCEL: return OnQueryCancel();
    default: return OnControlNotify(header, result);
  }
}

}  // namespace varnel::plugin
