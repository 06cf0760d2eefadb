#pragma once
// The class factory of the plug-in's class, and the class identifier it serves.

#include <windows.h>
#include <objbase.h>

#include "plugin/frame/com_object.h"

namespace varnel::plugin {

// {ABCE80D7-9F46-11D1-882A-00C04FB961EC}
inline constexpr CLSID kPluginClass = {0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

class ClassFactory final : public ComObject<ClassFactory, IClassFactory> {
 public:
  static const IID& InterfaceId() { return IID_IClassFactory; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

}  // namespace varnel::plugin
