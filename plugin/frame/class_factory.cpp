#include "plugin/frame/class_factory.h"

#include <new>

#include "plugin/frame/module.h"
#include "plugin/frame/oem_ui_plugin.h"

namespace varnel::plugin {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG ClassFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ClassFactory::Release() {
  const LONG count = InterlockedDecrement(&references_);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  OemUiPlugin* plugin = new (std::nothrow) OemUiPlugin();
  if (plugin == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = plugin->QueryInterface(iid, out);
  plugin->Release();  // the creation reference
  return result;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    LockModule();
  } else {
    UnlockModule();
  }
  return S_OK;
}

}  // namespace varnel::plugin
