#include "plugin/frame/page_registration.h"

#include <span>
#include <type_traits>

#include "plugin/frame/module.h"
#include "plugin/frame/page_table.h"
#include "plugin/frame/plugin_rules.h"

namespace varnel::plugin {
namespace {

constexpr WORD kSheetRequestVersion = 0x100;

enum Reason : WORD {
  kReasonInit = 0,         // PROPSHEETUI_REASON_INIT
  kReasonGetInfoHeader = 1,
  kReasonDestroy = 2,
  kReasonSetResult = 3,
  kReasonBeforeInit = 4,
};

// The description of one page; the caption of its dialog is the tab text.
PROPSHEETPAGEW_V3 DescribePage(uint16_t dialog, void* context) {
  PROPSHEETPAGEW_V3 page = {};
  page.dwSize = sizeof page;
  page.hInstance = ModuleInstance();
  page.pszTemplate = MAKEINTRESOURCEW(dialog);
  page.pfnDlgProc = PageProcedureFor(dialog);
  page.lParam = reinterpret_cast<LPARAM>(context);
  const HANDLE activation_context = ModuleActivationContext();
  if (activation_context != INVALID_HANDLE_VALUE) {
    page.dwFlags |= PSP_USEFUSIONCONTEXT;
    page.hActCtx = activation_context;
  }
  return page;
}

template <typename Context>
HRESULT Register(PROPSHEETUI_INFO* info, LPARAM extra, Context& context, std::span<const uint16_t> pages) {
  if (info == nullptr || info->Version != kSheetRequestVersion) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return E_FAIL;
  }
  switch (info->Reason) {
    case kReasonInit:
      context.common_sheet = info->hComPropSheet;
      context.callback = info->pfnComPropSheet;
      if constexpr (std::is_same_v<Context, DocumentSheetContext>) {
        context.document_params = reinterpret_cast<OEMUIPSPARAM*>(info->lParamInit);
      }
      if (context.callback == nullptr) break;
      for (const uint16_t dialog : pages) {
        PROPSHEETPAGEW_V3 page = DescribePage(dialog, &context);
        const LONG_PTR handle = context.callback(context.common_sheet, CPSFUNC_ADD_PROPSHEETPAGEW,
                                                 reinterpret_cast<LPARAM>(&page), 0);
        context.page = reinterpret_cast<HANDLE>(handle);
        info->Result = static_cast<ULONG_PTR>(handle);
      }
      break;
    case kReasonGetInfoHeader: {
      auto* header = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(extra);
      if (header != nullptr) header->pTitle = const_cast<LPWSTR>(reinterpret_cast<LPCWSTR>(kSheetTitle));
      info->Result = 1;
      break;
    }
    case kReasonDestroy: info->Result = 1; break;
    case kReasonSetResult: {
      const auto* result = reinterpret_cast<const SETRESULT_INFO*>(extra);
      if (result != nullptr) info->Result = static_cast<ULONG_PTR>(result->Result);
      break;
    }
    case kReasonBeforeInit: info->Result = 0; break;
    default: break;
  }
  return S_OK;
}

}  // namespace

HRESULT RegisterDocumentPages(PROPSHEETUI_INFO* info, LPARAM extra, DocumentSheetContext& context) {
  return Register(info, extra, context, kDocumentPages);
}

HRESULT RegisterDevicePages(PROPSHEETUI_INFO* info, LPARAM extra, DeviceSheetContext& context) {
  return Register(info, extra, context, kDevicePages);
}

}  // namespace varnel::plugin
