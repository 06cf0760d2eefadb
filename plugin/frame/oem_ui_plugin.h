#pragma once
// The plug-in object: one per driver request. It serves the private settings record,
// answers the driver's queries and adds the plug-in's pages to the two sheets; everything
// else the interface offers is declined.

#include "plugin/frame/com_object.h"
#include "plugin/frame/oem_ui.h"
#include "plugin/frame/sheet_context.h"

namespace varnel::plugin {

class OemUiPlugin final : public ComObject<OemUiPlugin, IPrintOemUI> {
 public:
  OemUiPlugin();
  ~OemUiPlugin();  // releases the helper
  OemUiPlugin(const OemUiPlugin&) = delete;
  OemUiPlugin& operator=(const OemUiPlugin&) = delete;
  static const IID& InterfaceId() { return IID_IPrintOemUI; }

  // IPrintOemUI
  HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) override;
  HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) override;
  HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driver) override;
  HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD mode, POEMCUIPPARAM param) override;
  HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM extra) override;
  HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM extra) override;
  HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ, PDEVQUERYPRINT_INFO, PDEVMODEW, PVOID) override;
  HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ, HANDLE, PWSTR, WORD, PVOID, PDEVMODEW, PVOID, DWORD,
                                               DWORD*) override;
  HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD, PBYTE) override;
  HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR, INT, DWORD, LPARAM) override;
  HRESULT STDMETHODCALLTYPE DriverEvent(DWORD, DWORD, LPBYTE, LPARAM) override;
  HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE, POEMUIOBJ, PDEVMODEW, PVOID, ULONG query_mode, VOID* profile,
                                              ULONG* profile_size, FLONG* profile_flags) override;
  HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND, UINT, WPARAM, LPARAM) override;
  HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE, HANDLE, PWSTR) override;

 private:
  IPrintOemDriverUI* helper_ = nullptr;
  DeviceSheetContext device_sheet_;
  DocumentSheetContext document_sheet_;
};

}  // namespace varnel::plugin
