// The module's entry point and its two exports.

#include <windows.h>
#include <objbase.h>

#include <new>

#include "plugin/frame/class_factory.h"
#include "plugin/frame/module.h"

using varnel::plugin::ClassFactory;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      varnel::plugin::SetModuleInstance(instance);
      DisableThreadLibraryCalls(instance);
      break;
    case DLL_PROCESS_DETACH: varnel::plugin::ReleaseModuleActivationContext(); break;
    default: break;
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!IsEqualCLSID(clsid, varnel::plugin::kPluginClass)) return CLASS_E_CLASSNOTAVAILABLE;
  ClassFactory* factory = new (std::nothrow) ClassFactory();
  if (factory == nullptr) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return varnel::plugin::ModuleInUse() ? S_FALSE : S_OK;
}
