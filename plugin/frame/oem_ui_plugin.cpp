#include "plugin/frame/oem_ui_plugin.h"

#include "plugin/frame/module.h"
#include "plugin/frame/page_registration.h"
#include "plugin/frame/plugin_rules.h"
#include "plugin/record/private_settings.h"

namespace varnel::plugin {
namespace {

HRESULT Reply(const Answer& answer) {
  if (answer.last_error != 0) SetLastError(answer.last_error);
  return answer.ok ? S_OK : E_FAIL;
}

}  // namespace

OemUiPlugin::OemUiPlugin() { ObjectCreated(); }

OemUiPlugin::~OemUiPlugin() {
  if (helper_ != nullptr) helper_->Release();
  ObjectDestroyed();
}

HRESULT OemUiPlugin::GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) {
  uint32_t needed_size = needed != nullptr ? *needed : 0;
  const Answer answer = AnswerGetInfo(mode, buffer, size, needed != nullptr ? &needed_size : nullptr);
  if (needed != nullptr) *needed = needed_size;
  return Reply(answer);
}

HRESULT OemUiPlugin::DevMode(DWORD mode, POEMDMPARAM param) {
  if (param == nullptr) return Reply(Answer::Failure(ERROR_INVALID_PARAMETER));
  uint32_t size = param->cbBufSize;
  if (!ServeSettings(mode, static_cast<const PrivateSettings*>(param->pOEMDMIn),
                     static_cast<PrivateSettings*>(param->pOEMDMOut), size)) {
    return Reply(Answer::Failure(ERROR_INVALID_PARAMETER));
  }
  param->cbBufSize = size;
  return S_OK;
}

HRESULT OemUiPlugin::PublishDriverInterface(IUnknown* driver) {
  if (helper_ != nullptr) return S_OK;
  if (driver == nullptr) return E_FAIL;
  void* helper = nullptr;
  if (FAILED(driver->QueryInterface(IID_IPrintOemDriverUI, &helper)) || helper == nullptr) return E_FAIL;
  helper_ = static_cast<IPrintOemDriverUI*>(helper);
  return S_OK;
}

HRESULT OemUiPlugin::CommonUIProp(DWORD mode, POEMCUIPPARAM param) {
  device_sheet_.common_params = param;
  document_sheet_.common_params = param;
  uint32_t count = param != nullptr ? param->cOEMOptItems : 0;
  const bool has_items = param == nullptr || param->pOEMOptItems != nullptr;
  const Answer answer = AnswerCommonUIProp(mode, has_items, count);
  if (param != nullptr) param->cOEMOptItems = count;
  return Reply(answer);
}

HRESULT OemUiPlugin::DocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM extra) {
  document_sheet_.helper = helper_;
  return RegisterDocumentPages(info, extra, document_sheet_);
}

HRESULT OemUiPlugin::DevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM extra) {
  device_sheet_.helper = helper_;
  return RegisterDevicePages(info, extra, device_sheet_);
}

HRESULT OemUiPlugin::QueryColorProfile(HANDLE, POEMUIOBJ, PDEVMODEW, PVOID, ULONG query_mode, VOID* profile,
                                       ULONG* profile_size, FLONG* profile_flags) {
  static_assert(sizeof(ULONG) == sizeof(uint32_t) && sizeof(FLONG) == sizeof(uint32_t));
  return Reply(AnswerColorProfile(query_mode, profile, reinterpret_cast<uint32_t*>(profile_size),
                                  reinterpret_cast<uint32_t*>(profile_flags)));
}

// What the plug-in declines.
HRESULT OemUiPlugin::DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW, PVOID) { return E_NOTIMPL; }
HRESULT OemUiPlugin::DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID, DWORD, DWORD*) {
  return E_NOTIMPL;
}
HRESULT OemUiPlugin::UpgradePrinter(DWORD, PBYTE) { return E_NOTIMPL; }
HRESULT OemUiPlugin::PrinterEvent(PWSTR, INT, DWORD, LPARAM) { return E_NOTIMPL; }
HRESULT OemUiPlugin::DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) { return E_NOTIMPL; }
HRESULT OemUiPlugin::FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) { return E_NOTIMPL; }
HRESULT OemUiPlugin::UpdateExternalFonts(HANDLE, HANDLE, PWSTR) { return E_NOTIMPL; }

}  // namespace varnel::plugin
