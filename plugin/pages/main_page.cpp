#include "plugin/pages/main_page.h"

namespace varnel::plugin {

INT_PTR MainPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
