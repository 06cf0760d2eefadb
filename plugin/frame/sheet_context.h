#pragma once
// The sheet contexts: what every page of a sheet receives as its page parameter and keeps
// in its dialog's user data. The plug-in object owns both; they live as long as it does.

#include "plugin/frame/oem_ui.h"

namespace varnel::plugin {

// The printer properties sheet.
struct DeviceSheetContext {
  HANDLE common_sheet = INVALID_HANDLE_VALUE;  // the common property sheet's handle
  HANDLE page = INVALID_HANDLE_VALUE;          // the handle of the last page added
  PFNCOMPROPSHEET callback = nullptr;          // the common property sheet service
  OEMCUIPPARAM* common_params = nullptr;       // last given to CommonUIProp
  IPrintOemDriverUI* helper = nullptr;         // the driver's helper, not owned
};

// The document settings sheet. The private settings record under edit is
// document_params->pOEMDM.
struct DocumentSheetContext {
  HANDLE common_sheet = INVALID_HANDLE_VALUE;
  HANDLE page = INVALID_HANDLE_VALUE;
  OEMUIPSPARAM* document_params = nullptr;  // lParamInit of the sheet request
  OEMCUIPPARAM* common_params = nullptr;
  PFNCOMPROPSHEET callback = nullptr;
  IPrintOemDriverUI* helper = nullptr;
};

}  // namespace varnel::plugin
