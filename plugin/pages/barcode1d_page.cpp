#include "plugin/pages/barcode1d_page.h"

namespace varnel::plugin {

INT_PTR Barcode1DPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
