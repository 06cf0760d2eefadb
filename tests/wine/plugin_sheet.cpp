#include "tests/wine/plugin_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include "tests/wine/varnelui_test_support.h"

namespace varnel::test {
namespace {

constexpr int kApplyButton = 0x3021;

}  // namespace

PluginSheet::~PluginSheet() {
  if (sheet_ != nullptr) {
    DestroyWindow(sheet_);
  } else {
    for (const HPROPSHEETPAGE page : pages_) DestroyPropertySheetPage(page);  // never handed to a sheet
  }
  if (plugin_ != nullptr) plugin_->Release();
}

bool PluginSheet::Fail(std::string why) {
  failure_ = std::move(why);
  return false;
}

LONG_PTR CALLBACK PluginSheet::CommonSheet(HANDLE sheet, UINT function, LPARAM first, LPARAM second) {
  auto* self = static_cast<PluginSheet*>(sheet);
  switch (function) {
    case CPSFUNC_ADD_PROPSHEETPAGEW: {
      const HPROPSHEETPAGE page = CreatePropertySheetPageW(reinterpret_cast<const PROPSHEETPAGEW*>(first));
      if (page == nullptr) return 0;
      self->pages_.push_back(page);
      return reinterpret_cast<LONG_PTR>(page);
    }
    case CPSFUNC_SET_RESULT:
      ++self->set_result_calls_;
      return 1;
  }
  return 0;
}

bool PluginSheet::Open(Page start) {
  const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  plugin_ = CreatePlugin();
  if (plugin_ == nullptr) return Fail("no plug-in object from VarnelUI.dll, error " + std::to_string(GetLastError()));

  OEMDMPARAM settings{};
  settings.cbSize = sizeof(settings);
  settings.pOEMDMOut = record_.data();
  settings.cbBufSize = static_cast<DWORD>(record_.size());
  if (plugin_->DevMode(OEMDM_DEFAULT, &settings) != S_OK) return Fail("no default record");

  common_params_.cbSize = sizeof(common_params_);
  common_params_.pOEMDM = record_.data();
  if (plugin_->CommonUIProp(OEMCUIP_DOCPROP, &common_params_) != S_OK) return Fail("CommonUIProp failed");

  document_params_.cbSize = sizeof(document_params_);
  document_params_.pOEMDM = record_.data();
  PROPSHEETUI_INFO request{};
  request.cbSize = sizeof(request);
  request.Version = PROPSHEETUI_INFO_VERSION;
  request.Reason = PROPSHEETUI_REASON_INIT;
  request.hComPropSheet = this;
  request.pfnComPropSheet = CommonSheet;
  request.lParamInit = reinterpret_cast<LPARAM>(&document_params_);
  if (plugin_->DocumentPropertySheets(&request, 0) != S_OK) return Fail("page registration failed");
  if (pages_.size() != 6) return Fail("expected 6 pages, got " + std::to_string(pages_.size()));

  PROPSHEETHEADERW header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_MODELESS;
  header.pszCaption = L"Document Properties";
  header.nPages = static_cast<UINT>(pages_.size());
  header.nStartPage = start;
  header.phpage = pages_.data();
  sheet_ = reinterpret_cast<HWND>(PropertySheetW(&header));
  if (sheet_ == nullptr || !IsWindow(sheet_)) return Fail("no property sheet");
  ShowWindow(sheet_, SW_SHOW);
  return true;
}

HWND PluginSheet::ShowPage(Page page) {
  SendMessageW(sheet_, PSM_SETCURSEL, page, 0);
  return reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool PluginSheet::ApplyEnabled() const { return IsWindowEnabled(GetDlgItem(sheet_, kApplyButton)) != FALSE; }

}  // namespace varnel::test
