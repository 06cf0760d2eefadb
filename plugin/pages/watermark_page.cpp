#include "plugin/pages/watermark_page.h"

namespace varnel::plugin {

INT_PTR WatermarkPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
