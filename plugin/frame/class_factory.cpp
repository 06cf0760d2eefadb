#include "plugin/frame/class_factory.h"

#include <new>

#include "plugin/frame/module.h"
#include "plugin/frame/oem_ui_plugin.h"

namespace varnel::plugin {

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
