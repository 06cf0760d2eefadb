#pragma once
// Page registration: answers the common property sheet's requests for one sheet and, at
// initialisation, hands it one page description per page of that sheet.

#include "plugin/frame/oem_ui.h"
#include "plugin/frame/sheet_context.h"

namespace varnel::plugin {

HRESULT RegisterDocumentPages(PROPSHEETUI_INFO* info, LPARAM extra, DocumentSheetContext& context);
HRESULT RegisterDevicePages(PROPSHEETUI_INFO* info, LPARAM extra, DeviceSheetContext& context);

}  // namespace varnel::plugin
