// VarnelUI's pages as the common property sheet service sees them: the page descriptions
// handed to its callback, the answers to each request, and a real property sheet built
// from the registered pages.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/varnelui/resource.h"
#include "tests/wine/varnelui_test_support.h"

namespace varnel::test {
namespace {

const HANDLE kSheetHandle = reinterpret_cast<HANDLE>(0x5EE7);

// What the plug-in handed to the sheet callback.
struct SheetCallbackLog {
  std::vector<PROPSHEETPAGEW_V3> pages;
  std::vector<HANDLE> sheets;  // the common sheet handle of every call
  std::vector<std::pair<LPARAM, LPARAM>> results;  // CPSFUNC_SET_RESULT (page, result)
  bool create_real_pages = false;
  std::vector<HPROPSHEETPAGE> real_pages;
};
SheetCallbackLog g_log;

LONG_PTR CALLBACK LoggingCallback(HANDLE sheet, UINT function, LPARAM first, LPARAM second) {
  g_log.sheets.push_back(sheet);
  switch (function) {
    case CPSFUNC_ADD_PROPSHEETPAGEW: {
      PROPSHEETPAGEW_V3 page = {};
      std::memcpy(&page, reinterpret_cast<const void*>(first), sizeof page);
      g_log.pages.push_back(page);
      if (!g_log.create_real_pages) return static_cast<LONG_PTR>(0x1000 + g_log.pages.size());
      const HPROPSHEETPAGE real = CreatePropertySheetPageW(reinterpret_cast<LPCPROPSHEETPAGEW>(first));
      g_log.real_pages.push_back(real);
      return reinterpret_cast<LONG_PTR>(real);
    }
    case CPSFUNC_SET_RESULT: g_log.results.emplace_back(first, second); return 1;
    default: return 0;
  }
}

struct Sheet {
  const char* name;
  bool document;
  std::vector<WORD> dialogs;
  std::vector<std::wstring> captions;
};

const Sheet kDocumentSheet = {"document", true, {128, 131, 103, 117, 118, 105},
                              {L"Main", L"Water Mark", L"Operation", L"1D Code", L"2D Code", L"Version"}};
const Sheet kDeviceSheet = {"device", false, {114, 113, 119, 105}, {L"Utility", L"Download", L"Font", L"Version"}};

class VarnelUiSheet : public testing::Test {
 protected:
  void SetUp() override {
    g_log = {};
    ASSERT_NE(VarnelUi::Module(), nullptr);
    plugin_ = CreatePlugin();
    ASSERT_NE(plugin_, nullptr);
    std::memset(record_, 0, sizeof record_);
    OEMDMPARAM dm = {};
    dm.cbSize = sizeof dm;
    dm.pOEMDMOut = record_;
    dm.cbBufSize = sizeof record_;
    ASSERT_EQ(plugin_->DevMode(OEMDM_DEFAULT, &dm), S_OK);
    common_.cbSize = sizeof common_;
    common_.pPrinterName = printer_name_;
    common_.pOEMDM = record_;
    document_.cbSize = sizeof document_;
    document_.pPrinterName = printer_name_;
    document_.pOEMDM = record_;
  }
  void TearDown() override {
    if (plugin_ != nullptr) {
      EXPECT_EQ(plugin_->Release(), 0u);
    }
    EXPECT_EQ(VarnelUi::CanUnloadNow(), S_OK);
  }

  // Runs one request of the sheet service, as the driver does after CommonUIProp.
  HRESULT Request(const Sheet& sheet, PROPSHEETUI_INFO& info, LPARAM extra = 0) {
    EXPECT_EQ(plugin_->CommonUIProp(sheet.document ? OEMCUIP_DOCPROP : OEMCUIP_PRNPROP, &common_), S_OK);
    return sheet.document ? plugin_->DocumentPropertySheets(&info, extra)
                          : plugin_->DevicePropertySheets(&info, extra);
  }
  PROPSHEETUI_INFO Info(WORD reason) {
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof info;
    info.Version = 0x100;
    info.Reason = reason;
    info.hComPropSheet = kSheetHandle;
    info.pfnComPropSheet = LoggingCallback;
    info.lParamInit = reinterpret_cast<LPARAM>(&document_);
    info.Result = 0xBAD;
    return info;
  }

  IPrintOemUI* plugin_ = nullptr;
  BYTE record_[1464];
  wchar_t printer_name_[32] = L"Varnel Test Printer";
  OEMCUIPPARAM common_ = {};
  OEMUIPSPARAM document_ = {};
};

TEST_F(VarnelUiSheet, RegistersEachSheetsPagesInOrder) {
  for (const Sheet* sheet : {&kDocumentSheet, &kDeviceSheet}) {
    SCOPED_TRACE(sheet->name);
    g_log = {};
    PROPSHEETUI_INFO info = Info(0);
    ASSERT_EQ(Request(*sheet, info), S_OK);
    ASSERT_EQ(g_log.pages.size(), sheet->dialogs.size());
    for (size_t i = 0; i < g_log.pages.size(); ++i) {
      const PROPSHEETPAGEW_V3& page = g_log.pages[i];
      SCOPED_TRACE(testing::Message() << "page " << i);
      EXPECT_EQ(page.dwSize, sizeof(PROPSHEETPAGEW_V3));
#ifdef _WIN64
      EXPECT_EQ(page.dwSize, 96u);
#endif
      EXPECT_EQ(page.hInstance, VarnelUi::Module());
      ASSERT_TRUE(IS_INTRESOURCE(page.pszTemplate));
      EXPECT_EQ(LOWORD(reinterpret_cast<ULONG_PTR>(page.pszTemplate)), sheet->dialogs[i]);
      EXPECT_NE(page.pfnDlgProc, nullptr);
      EXPECT_NE(page.lParam, 0);
      EXPECT_EQ(page.lParam, g_log.pages[0].lParam) << "one sheet context for all pages of a sheet";
      EXPECT_EQ(page.pszTitle, nullptr);
      EXPECT_EQ(page.dwFlags & (PSP_USETITLE | PSP_USEICONID | PSP_USEHICON | PSP_DLGINDIRECT), 0u);
      EXPECT_NE(page.dwFlags & PSP_USEFUSIONCONTEXT, 0u) << "the module's activation context";
      EXPECT_NE(page.hActCtx, nullptr);
      EXPECT_NE(page.hActCtx, INVALID_HANDLE_VALUE);
    }
    for (HANDLE handle : g_log.sheets) EXPECT_EQ(handle, kSheetHandle);
    EXPECT_EQ(info.Result, 0x1000 + sheet->dialogs.size()) << "the handle of the Version page";
  }
}

TEST_F(VarnelUiSheet, AnswersEveryReason) {
  for (const Sheet* sheet : {&kDocumentSheet, &kDeviceSheet}) {
    SCOPED_TRACE(sheet->name);
    PROPSHEETUI_INFO_HEADER header = {};
    header.cbSize = sizeof header;
    PROPSHEETUI_INFO info = Info(1);
    ASSERT_EQ(Request(*sheet, info, reinterpret_cast<LPARAM>(&header)), S_OK);
    ASSERT_NE(header.pTitle, nullptr);
    EXPECT_STREQ(header.pTitle, L"OEM UI Page");
    EXPECT_EQ(info.Result, 1u);

    info = Info(2);
    EXPECT_EQ(Request(*sheet, info), S_OK);
    EXPECT_EQ(info.Result, 1u);

    SETRESULT_INFO result = {};
    result.cbSize = sizeof result;
    result.Result = 0x1234;
    info = Info(3);
    EXPECT_EQ(Request(*sheet, info, reinterpret_cast<LPARAM>(&result)), S_OK);
    EXPECT_EQ(info.Result, 0x1234u);

    info = Info(4);
    EXPECT_EQ(Request(*sheet, info), S_OK);
    EXPECT_EQ(info.Result, 0u);
    EXPECT_TRUE(g_log.pages.empty()) << "only the initialisation adds pages";

    SetLastError(kUntouchedError);
    EXPECT_EQ(sheet->document ? plugin_->DocumentPropertySheets(nullptr, 0) : plugin_->DevicePropertySheets(nullptr, 0),
              E_FAIL);
    EXPECT_EQ(GetLastError(), 87u);
    for (WORD version : {0x000, 0x101, 0x200}) {
      info = Info(0);
      info.Version = version;
      SetLastError(kUntouchedError);
      EXPECT_EQ(Request(*sheet, info), E_FAIL) << version;
      EXPECT_EQ(GetLastError(), 87u) << version;
      EXPECT_EQ(info.Result, 0xBADu) << version;
    }
    EXPECT_TRUE(g_log.pages.empty());
  }
}

std::wstring TabText(HWND tabs, int index) {
  wchar_t text[64] = {};
  TCITEMW item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[128] = {};
  GetDlgItemTextW(dialog, id, text, 128);
  return text;
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The pages open in a real property sheet: the tabs carry the dialogs' captions, the
// Version page shows its texts, and applying reports through the sheet callback only for
// the pages that take part in the protocol's apply.
TEST_F(VarnelUiSheet, RealPropertySheetShowsTheVersionPage) {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  for (const Sheet* sheet : {&kDocumentSheet, &kDeviceSheet}) {
    SCOPED_TRACE(sheet->name);
    g_log = {};
    g_log.create_real_pages = true;
    PROPSHEETUI_INFO info = Info(0);
    ASSERT_EQ(Request(*sheet, info), S_OK);
    ASSERT_EQ(g_log.real_pages.size(), sheet->dialogs.size());
    for (HPROPSHEETPAGE page : g_log.real_pages) ASSERT_NE(page, nullptr);
    EXPECT_EQ(info.Result, reinterpret_cast<ULONG_PTR>(g_log.real_pages.back()));

    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = L"Varnel Test Printer";
    header.nPages = static_cast<UINT>(g_log.real_pages.size());
    header.phpage = g_log.real_pages.data();
    const HWND window = reinterpret_cast<HWND>(PropertySheetW(&header));
    ASSERT_NE(window, nullptr);
    ASSERT_NE(reinterpret_cast<INT_PTR>(window), -1);
    PumpMessages();

    const HWND tabs = reinterpret_cast<HWND>(SendMessageW(window, PSM_GETTABCONTROL, 0, 0));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(sheet->captions.size()));
    for (size_t i = 0; i < sheet->captions.size(); ++i) EXPECT_EQ(TabText(tabs, static_cast<int>(i)), sheet->captions[i]);

    // The first page keeps the sheet context in its user data.
    const HWND first = reinterpret_cast<HWND>(SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(first, DWLP_USER), g_log.pages[0].lParam);

    const int version_index = static_cast<int>(sheet->dialogs.size()) - 1;
    ASSERT_TRUE(SendMessageW(window, PSM_SETCURSEL, version_index, 0));
    PumpMessages();
    const HWND version = reinterpret_cast<HWND>(SendMessageW(window, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(version, nullptr);
    EXPECT_NE(version, first);
    EXPECT_EQ(ItemText(version, IDC_VERSION_FRAME), L"Varnel Driver");
    EXPECT_EQ(ItemText(version, IDC_VERSION_TEXT), L"Install Version 2.0.0.0");
    EXPECT_TRUE(IsWindowVisible(version));

    // Apply: the first page reports CPSUI_OK with the context's page handle; the Version
    // page does not call the callback.
    SendMessageW(window, PSM_APPLY, 0, 0);
    PumpMessages();
    ASSERT_EQ(g_log.results.size(), 1u);
    EXPECT_EQ(g_log.results[0].first, reinterpret_cast<LPARAM>(g_log.real_pages.back()));
    EXPECT_EQ(g_log.results[0].second, CPSUI_OK);
    EXPECT_TRUE(IsWindow(window)) << "applying keeps the sheet open";

    DestroyWindow(window);
    PumpMessages();
  }
}

}  // namespace
}  // namespace varnel::test
