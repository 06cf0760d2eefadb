#include "plugin/pages/barcode2d_page.h"

namespace varnel::plugin {

INT_PTR Barcode2DPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
