#pragma once
// What the VarnelUI tests share: the real module, loaded from the working directory, and
// plug-in objects made through its exports. Nothing of the module is linked in.

#include "plugin/frame/oem_ui.h"

#include <string>
#include <vector>

namespace varnel::test {

// {ABCE80D7-9F46-11D1-882A-00C04FB961EC}
inline constexpr CLSID kPluginClass = {0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};
inline constexpr DWORD kUntouchedError = 0xDEADBEEF;

class VarnelUi {
 public:
  // The module, loaded once for the whole run.
  static HMODULE Module();
  static HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out);
  static HRESULT CanUnloadNow();
  // The names of the module's export table.
  static std::vector<std::string> ExportNames();
};

// A plug-in object from the class factory (null on failure).
IPrintOemUI* CreatePlugin();

// An object that plays the driver for PublishDriverInterface, counting its references.
class FakeDriver final : public IPrintOemDriverUI {
 public:
  explicit FakeDriver(bool offers_helper) : offers_helper_(offers_helper) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
  ULONG STDMETHODCALLTYPE Release() override { return --references; }
  HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID, PCSTR, PVOID, DWORD, PDWORD, PDWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE, PCSTR, PCSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID, PVOID, DWORD, DWORD) override { return S_OK; }

  ULONG references = 1;
  int helper_requests = 0;

 private:
  bool offers_helper_;
};

}  // namespace varnel::test
