#pragma once
// A platform handle that closes itself: the registry key or kernel object is released
// when its owner goes out of scope.

#include <windows.h>

namespace varnel::win32 {

template <typename Handle, auto Close>
class Owned {
 public:
  Owned() = default;
  ~Owned() { if (h_) Close(h_); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle* out() { return &h_; }
  Handle get() const { return h_; }

 private:
  Handle h_ = nullptr;
};

using OwnedKey = Owned<HKEY, RegCloseKey>;
using OwnedHandle = Owned<HANDLE, CloseHandle>;

}  // namespace varnel::win32
