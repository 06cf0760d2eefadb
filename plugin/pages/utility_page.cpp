#include "plugin/pages/utility_page.h"

namespace varnel::plugin {

INT_PTR UtilityPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
