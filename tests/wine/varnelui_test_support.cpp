#include "tests/wine/varnelui_test_support.h"

namespace varnel::test {
namespace {

template <typename Function>
Function Entry(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(VarnelUi::Module(), name)));
}

}  // namespace

HMODULE VarnelUi::Module() {
  static const HMODULE module = LoadLibraryW(L"VarnelUI.dll");
  return module;
}

HRESULT VarnelUi::GetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  using Export = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  const auto entry = Entry<Export>("DllGetClassObject");
  return entry != nullptr ? entry(clsid, iid, out) : E_UNEXPECTED;
}

HRESULT VarnelUi::CanUnloadNow() {
  using Export = HRESULT(STDAPICALLTYPE*)();
  const auto entry = Entry<Export>("DllCanUnloadNow");
  return entry != nullptr ? entry() : E_UNEXPECTED;
}

std::vector<std::string> VarnelUi::ExportNames() {
  const auto* base = reinterpret_cast<const BYTE*>(Module());
  if (base == nullptr) return {};
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (directory.VirtualAddress == 0) return {};
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::vector<std::string> result;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    result.emplace_back(reinterpret_cast<const char*>(base + names[i]));
  }
  return result;
}

IPrintOemUI* CreatePlugin() {
  IClassFactory* factory = nullptr;
  if (FAILED(VarnelUi::GetClassObject(kPluginClass, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
    return nullptr;
  }
  IPrintOemUI* plugin = nullptr;
  factory->CreateInstance(nullptr, IID_IPrintOemUI, reinterpret_cast<void**>(&plugin));
  factory->Release();
  return plugin;
}

HRESULT FakeDriver::QueryInterface(REFIID iid, void** out) {
  if (IsEqualIID(iid, IID_IPrintOemDriverUI)) {
    ++helper_requests;
    if (!offers_helper_) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
  } else if (!IsEqualIID(iid, IID_IUnknown)) {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  *out = static_cast<IPrintOemDriverUI*>(this);
  AddRef();
  return S_OK;
}

}  // namespace varnel::test
