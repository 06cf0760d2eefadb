#include "plugin/pages/font_page.h"

namespace varnel::plugin {

INT_PTR FontPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
