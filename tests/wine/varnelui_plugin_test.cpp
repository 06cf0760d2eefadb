// VarnelUI as the driver meets it: the exports, the class factory, the plug-in object and
// every method the plug-in answers, with results and last errors.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "tests/wine/varnelui_test_support.h"

namespace varnel::test {
namespace {

constexpr DWORD kRecordSize = 1464;

class VarnelUiPlugin : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(VarnelUi::Module(), nullptr) << "LoadLibrary(VarnelUI.dll) failed: " << GetLastError();
    ASSERT_EQ(VarnelUi::CanUnloadNow(), S_OK) << "an earlier test left an object or a lock behind";
  }
  void TearDown() override { EXPECT_EQ(VarnelUi::CanUnloadNow(), S_OK) << "this test left an object or a lock"; }
};

// The 32-bit signature the plug-in reports.
DWORD ReportedSignature(IPrintOemUI* plugin) {
  DWORD signature = 0, needed = 0;
  EXPECT_EQ(plugin->GetInfo(OEMGI_GETSIGNATURE, &signature, sizeof signature, &needed), S_OK);
  return signature;
}

TEST_F(VarnelUiPlugin, ExportTableHoldsExactlyTheTwoNames) {
  std::vector<std::string> names = VarnelUi::ExportNames();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"DllCanUnloadNow", "DllGetClassObject"}));
}

TEST_F(VarnelUiPlugin, ClassObjectOnlyForThePluginClass) {
  IUnknown* object = reinterpret_cast<IUnknown*>(0x1);
  EXPECT_EQ(VarnelUi::GetClassObject(IID_IPrintOemUI, IID_IClassFactory, reinterpret_cast<void**>(&object)),
            CLASS_E_CLASSNOTAVAILABLE);

  for (const IID* iid : {&IID_IClassFactory, &IID_IUnknown}) {
    object = nullptr;
    ASSERT_EQ(VarnelUi::GetClassObject(kPluginClass, *iid, reinterpret_cast<void**>(&object)), S_OK);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->Release(), 0u) << "the factory keeps no reference of its own";
  }

  // The factory is asked for the interface; one it lacks clears the out pointer.
  object = reinterpret_cast<IUnknown*>(0x1);
  EXPECT_EQ(VarnelUi::GetClassObject(kPluginClass, IID_IPrintOemUI, reinterpret_cast<void**>(&object)),
            E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
}

TEST_F(VarnelUiPlugin, FactoryAndObjectLifecycleDecideUnloading) {
  IClassFactory* factory = nullptr;
  ASSERT_EQ(VarnelUi::GetClassObject(kPluginClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_OK) << "a factory alone does not hold the module";

  EXPECT_EQ(factory->AddRef(), 2u);
  EXPECT_EQ(factory->Release(), 1u);

  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_FALSE);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_FALSE);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_OK);

  FakeDriver outer(false);
  IPrintOemUI* plugin = nullptr;
  EXPECT_EQ(factory->CreateInstance(&outer, IID_IPrintOemUI, reinterpret_cast<void**>(&plugin)),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(outer.references, 1u);

  // An interface the object lacks: the object does not survive its creation.
  IClassFactory* wrong = reinterpret_cast<IClassFactory*>(0x1);
  EXPECT_EQ(factory->CreateInstance(nullptr, IID_IClassFactory, reinterpret_cast<void**>(&wrong)), E_NOINTERFACE);
  EXPECT_EQ(wrong, nullptr);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_OK);

  plugin = nullptr;
  ASSERT_EQ(factory->CreateInstance(nullptr, IID_IPrintOemUI, reinterpret_cast<void**>(&plugin)), S_OK);
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(factory->Release(), 0u);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_FALSE) << "a live object holds the module, also without a lock";

  EXPECT_EQ(plugin->AddRef(), 2u);
  IUnknown* unknown = nullptr;
  ASSERT_EQ(plugin->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(unknown, static_cast<IUnknown*>(plugin));
  EXPECT_EQ(unknown->Release(), 2u);
  IClassFactory* none = reinterpret_cast<IClassFactory*>(0x1);
  EXPECT_EQ(plugin->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&none)), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  EXPECT_EQ(plugin->Release(), 1u);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_FALSE);
  EXPECT_EQ(plugin->Release(), 0u);
  EXPECT_EQ(VarnelUi::CanUnloadNow(), S_OK);
}

TEST_F(VarnelUiPlugin, GetInfoAnswersEachMode) {
  struct Case {
    DWORD mode;
    DWORD buffer_size;
    bool with_buffer;
    bool with_needed;
    HRESULT result;
    DWORD last_error;
    DWORD needed;  // after the call; 0x55 = untouched
    DWORD value;   // the buffer after the call; 0xAAAAAAAA = untouched
  } cases[] = {
      {OEMGI_GETSIGNATURE, 4, true, true, S_OK, kUntouchedError, 4, 0x4B4F5256},  // "VROK"
      {OEMGI_GETVERSION, 4, true, true, S_OK, kUntouchedError, 4, 1},
      {OEMGI_GETVERSION, 8, true, true, S_OK, kUntouchedError, 4, 1},
      {OEMGI_GETINTERFACEVERSION, 4, true, true, E_FAIL, 87, 0x55, 0xAAAAAAAA},
      {0, 4, true, true, E_FAIL, 87, 0x55, 0xAAAAAAAA},
      {5, 4, true, true, E_FAIL, 87, 0x55, 0xAAAAAAAA},
      {OEMGI_GETPUBLISHERINFO, 4, true, true, E_FAIL, 50, 0, 0xAAAAAAAA},
      {OEMGI_GETVERSION, 2, true, true, E_FAIL, 122, 4, 0xAAAAAAAA},
      {OEMGI_GETSIGNATURE, 4, false, true, E_FAIL, 122, 4, 0xAAAAAAAA},
      {OEMGI_GETPUBLISHERINFO, 3, true, true, E_FAIL, 122, 4, 0xAAAAAAAA},
      {OEMGI_GETSIGNATURE, 4, true, false, E_FAIL, 87, 0x55, 0xAAAAAAAA},
  };
  IPrintOemUI* plugin = CreatePlugin();
  ASSERT_NE(plugin, nullptr);
  int row = 0;
  for (const Case& c : cases) {
    DWORD buffer[2] = {0xAAAAAAAA, 0xAAAAAAAA};
    DWORD needed = 0x55;
    SetLastError(kUntouchedError);
    const HRESULT result = plugin->GetInfo(c.mode, c.with_buffer ? buffer : nullptr, c.buffer_size,
                                           c.with_needed ? &needed : nullptr);
    const DWORD error = GetLastError();
    EXPECT_EQ(result, c.result) << "row " << row;
    EXPECT_EQ(error, c.last_error) << "row " << row;
    EXPECT_EQ(needed, c.needed) << "row " << row;
    EXPECT_EQ(buffer[0], c.value) << "row " << row;
    EXPECT_EQ(buffer[1], 0xAAAAAAAAu) << "row " << row;
    ++row;
  }
  DWORD signature = 0, needed = 0;
  ASSERT_EQ(plugin->GetInfo(OEMGI_GETSIGNATURE, &signature, 4, &needed), S_OK);
  EXPECT_EQ(std::memcmp(&signature, "VROK", 4), 0);
  EXPECT_EQ(plugin->Release(), 0u);
}

TEST_F(VarnelUiPlugin, DevModeServesTheRecord) {
  IPrintOemUI* plugin = CreatePlugin();
  ASSERT_NE(plugin, nullptr);
  const DWORD signature = ReportedSignature(plugin);

  // The size query answers 1464 on every call, whatever the field held.
  for (DWORD start : {0u, 1u, 1464u, 4096u, 0xFFFFFFFFu}) {
    OEMDMPARAM param = {};
    param.cbSize = sizeof param;
    param.cbBufSize = start;
    EXPECT_EQ(plugin->DevMode(OEMDM_SIZE, &param), S_OK);
    EXPECT_EQ(param.cbBufSize, kRecordSize);
  }

  // Every record the plug-in writes carries the signature GetInfo reports.
  std::vector<BYTE> foreign(kRecordSize, 0x33), defaults(kRecordSize, 0xCC), merged(kRecordSize, 0xCC);
  OEMDMPARAM param = {};
    param.cbSize = sizeof param;
  param.pOEMDMOut = defaults.data();
  param.cbBufSize = kRecordSize;
  ASSERT_EQ(plugin->DevMode(OEMDM_DEFAULT, &param), S_OK);
  DWORD header[3];
  std::memcpy(header, defaults.data(), sizeof header);
  EXPECT_EQ(header[0], kRecordSize);
  EXPECT_EQ(header[1], signature);
  EXPECT_EQ(header[2], 1u);
  EXPECT_EQ(defaults[147], 12);
  EXPECT_EQ(defaults[1392], 4);

  for (DWORD mode : {OEMDM_CONVERT, OEMDM_MERGE}) {
    std::fill(merged.begin(), merged.end(), 0xCC);
    param.pOEMDMIn = foreign.data();
    param.pOEMDMOut = merged.data();
    ASSERT_EQ(plugin->DevMode(mode, &param), S_OK) << mode;
    EXPECT_EQ(merged, defaults) << "a record of another plug-in gives the defaults, mode " << mode;
  }

  // A missing record: nothing changes, still S_OK.
  std::vector<BYTE> before = merged;
  param.pOEMDMIn = nullptr;
  EXPECT_EQ(plugin->DevMode(OEMDM_CONVERT, &param), S_OK);
  EXPECT_EQ(merged, before);

  // An output buffer the driver says is smaller than a record: last error 87, nothing written.
  param.pOEMDMIn = foreign.data();
  param.cbBufSize = kRecordSize - 1;
  for (DWORD mode : {OEMDM_DEFAULT, OEMDM_CONVERT, OEMDM_MERGE}) {
    SetLastError(kUntouchedError);
    EXPECT_EQ(plugin->DevMode(mode, &param), E_FAIL) << mode;
    EXPECT_EQ(GetLastError(), 87u) << mode;
    EXPECT_EQ(merged, before) << mode;
  }
  param.cbBufSize = kRecordSize;

  // A missing parameter block or an unknown mode: last error 87, nothing written.
  for (DWORD mode : {0u, 5u}) {
    param.pOEMDMIn = foreign.data();
    SetLastError(kUntouchedError);
    EXPECT_EQ(plugin->DevMode(mode, &param), E_FAIL) << mode;
    EXPECT_EQ(GetLastError(), 87u) << mode;
    EXPECT_EQ(merged, before) << mode;
  }
  SetLastError(kUntouchedError);
  EXPECT_EQ(plugin->DevMode(OEMDM_SIZE, nullptr), E_FAIL);
  EXPECT_EQ(GetLastError(), 87u);
  EXPECT_EQ(plugin->Release(), 0u);
}

TEST_F(VarnelUiPlugin, CommonUIPropAddsNoItems) {
  IPrintOemUI* plugin = CreatePlugin();
  ASSERT_NE(plugin, nullptr);
  OPTITEM items[2] = {};
  struct Case { DWORD mode; bool with_items; HRESULT result; DWORD last_error; DWORD count; } cases[] = {
      {OEMCUIP_PRNPROP, false, S_OK, kUntouchedError, 0},
      {OEMCUIP_PRNPROP, true, S_OK, kUntouchedError, 7},
      {OEMCUIP_DOCPROP, false, S_OK, kUntouchedError, 7},
      {OEMCUIP_DOCPROP, true, S_OK, kUntouchedError, 7},
      {0, false, E_FAIL, 87, 7},
      {3, true, E_FAIL, 87, 7},
  };
  int row = 0;
  for (const Case& c : cases) {
    OEMCUIPPARAM param = {};
    param.cbSize = sizeof param;
    param.pOEMOptItems = c.with_items ? items : nullptr;
    param.cOEMOptItems = 7;
    SetLastError(kUntouchedError);
    EXPECT_EQ(plugin->CommonUIProp(c.mode, &param), c.result) << "row " << row;
    EXPECT_EQ(GetLastError(), c.last_error) << "row " << row;
    EXPECT_EQ(param.cOEMOptItems, c.count) << "row " << row;
    EXPECT_EQ(param.pOEMOptItems, c.with_items ? items : nullptr) << "row " << row;
    ++row;
  }
  EXPECT_EQ(plugin->Release(), 0u);
}

TEST_F(VarnelUiPlugin, QueryColorProfileNamesTheDeviceProfile) {
  IPrintOemUI* plugin = CreatePlugin();
  ASSERT_NE(plugin, nullptr);
  struct Case { ULONG mode; ULONG size; bool with_buffer; HRESULT result; DWORD last_error; ULONG size_after; } cases[] = {
      {QCP_DEVICEPROFILE, 30, true, E_FAIL, 122, 32},
      {QCP_DEVICEPROFILE, 64, false, E_FAIL, 122, 32},
      {QCP_DEVICEPROFILE, 0, true, E_FAIL, 122, 32},
      {QCP_DEVICEPROFILE, 32, true, S_OK, kUntouchedError, 32},
      {QCP_DEVICEPROFILE, 64, true, S_OK, kUntouchedError, 32},
      {1, 64, true, E_FAIL, kUntouchedError, 64},
  };
  int row = 0;
  for (const Case& c : cases) {
    wchar_t buffer[32];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    ULONG size = c.size;
    FLONG flags = 0x77;
    SetLastError(kUntouchedError);
    EXPECT_EQ(plugin->QueryColorProfile(nullptr, nullptr, nullptr, nullptr, c.mode, c.with_buffer ? buffer : nullptr,
                                        &size, &flags),
              c.result)
        << "row " << row;
    EXPECT_EQ(GetLastError(), c.last_error) << "row " << row;
    EXPECT_EQ(size, c.size_after) << "row " << row;
    if (c.result == S_OK) {
      EXPECT_STREQ(buffer, L"OEMPROFILE.icm") << "row " << row;
      EXPECT_EQ(flags, static_cast<FLONG>(QCP_PROFILEDISK)) << "row " << row;
      EXPECT_EQ(buffer[16], L'#') << "row " << row << ": wrote past 32 bytes";
    } else {
      EXPECT_EQ(buffer[0], L'#') << "row " << row;
      EXPECT_EQ(flags, 0x77u) << "row " << row;
    }
    ++row;
  }
  EXPECT_EQ(plugin->Release(), 0u);
}

TEST_F(VarnelUiPlugin, PublishDriverInterfaceKeepsOneHelperAndReleasesIt) {
  FakeDriver lacking(false);
  FakeDriver driver(true);
  IPrintOemUI* plugin = CreatePlugin();
  ASSERT_NE(plugin, nullptr);

  EXPECT_EQ(plugin->PublishDriverInterface(&lacking), E_FAIL);
  EXPECT_EQ(lacking.helper_requests, 1);
  EXPECT_EQ(lacking.references, 1u);

  EXPECT_EQ(plugin->PublishDriverInterface(&driver), S_OK);
  EXPECT_EQ(driver.helper_requests, 1);
  EXPECT_EQ(driver.references, 2u) << "the plug-in holds the helper";
  EXPECT_EQ(plugin->PublishDriverInterface(&driver), S_OK);
  EXPECT_EQ(driver.helper_requests, 1) << "a held helper is not asked for again";
  EXPECT_EQ(driver.references, 2u);

  EXPECT_EQ(plugin->Release(), 0u);
  EXPECT_EQ(driver.references, 1u) << "the helper is released with the object";
  EXPECT_EQ(lacking.references, 1u);
}

TEST_F(VarnelUiPlugin, DeclinesWhatItDoesNotServe) {
  IPrintOemUI* plugin = CreatePlugin();
  ASSERT_NE(plugin, nullptr);
  DWORD result = 0;
  EXPECT_EQ(plugin->DevQueryPrintEx(nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(plugin->DeviceCapabilities(nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, &result), E_NOTIMPL);
  EXPECT_EQ(plugin->UpgradePrinter(1, nullptr), E_NOTIMPL);
  EXPECT_EQ(plugin->PrinterEvent(nullptr, 0, 0, 0), E_NOTIMPL);
  EXPECT_EQ(plugin->DriverEvent(0, 0, nullptr, 0), E_NOTIMPL);
  EXPECT_EQ(plugin->FontInstallerDlgProc(nullptr, 0, 0, 0), E_NOTIMPL);
  EXPECT_EQ(plugin->UpdateExternalFonts(nullptr, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(plugin->Release(), 0u);
}

}  // namespace
}  // namespace varnel::test
