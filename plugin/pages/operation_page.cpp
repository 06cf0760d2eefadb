#include "plugin/pages/operation_page.h"

namespace varnel::plugin {

INT_PTR OperationPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
