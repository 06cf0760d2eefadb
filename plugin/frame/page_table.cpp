#include "plugin/frame/page_table.h"

#include "plugin/frame/sheet_page.h"
#include "plugin/pages/barcode1d_page.h"
#include "plugin/pages/barcode2d_page.h"
#include "plugin/pages/download_page.h"
#include "plugin/pages/font_page.h"
#include "plugin/pages/main_page.h"
#include "plugin/pages/operation_page.h"
#include "plugin/pages/utility_page.h"
#include "plugin/pages/version_page.h"
#include "plugin/pages/watermark_page.h"
#include "resources/varnelui/resource.h"

namespace varnel::plugin {

DLGPROC PageProcedureFor(uint16_t dialog) {
  switch (dialog) {
    case IDD_MAIN_PAGE: return PageProcedure<MainPage>;
    case IDD_WATERMARK_PAGE: return PageProcedure<WatermarkPage>;
    case IDD_OPERATION_PAGE: return PageProcedure<OperationPage>;
    case IDD_BARCODE1D_PAGE: return PageProcedure<Barcode1DPage>;
    case IDD_BARCODE2D_PAGE: return PageProcedure<Barcode2DPage>;
    case IDD_VERSION_PAGE: return PageProcedure<VersionPage>;
    case IDD_UTILITY_PAGE: return PageProcedure<UtilityPage>;
    case IDD_DOWNLOAD_PAGE: return PageProcedure<DownloadPage>;
    case IDD_FONT_PAGE: return PageProcedure<FontPage>;
    default: return nullptr;
  }
}

}  // namespace varnel::plugin
