#pragma once
// IUnknown written once: the interlocked reference count and the interface query of an
// object that offers one interface besides IUnknown. `Derived` names that interface's
// identifier with `static const IID& InterfaceId()`.

#include <windows.h>
#include <objbase.h>

namespace varnel::plugin {

template <typename Derived, typename Interface>
class ComObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, Derived::InterfaceId())) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

  // At zero the object frees itself.
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG count = InterlockedDecrement(&references_);
    if (count == 0) delete static_cast<Derived*>(this);
    return static_cast<ULONG>(count);
  }

 protected:
  ComObject() = default;
  ~ComObject() = default;

 private:
  LONG references_ = 1;  // the creator's reference
};

}  // namespace varnel::plugin
