#pragma once
// The class factory of the plug-in's class, and the class identifier it serves.

#include <windows.h>
#include <objbase.h>

namespace varnel::plugin {

// {ABCE80D7-9F46-11D1-882A-00C04FB961EC}
inline constexpr CLSID kPluginClass = {0xABCE80D7, 0x9F46, 0x11D1, {0x88, 0x2A, 0x00, 0xC0, 0x4F, 0xB9, 0x61, 0xEC}};

class ClassFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  LONG references_ = 1;
};

}  // namespace varnel::plugin
