#include "plugin/pages/download_page.h"

namespace varnel::plugin {

INT_PTR DownloadPage::OnInit() { return TRUE; }

}  // namespace varnel::plugin
