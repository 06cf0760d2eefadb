#pragma once
// File-system redirection of a 32-bit program on a 64-bit system: switched off around
// single operations on the system folder and restored right after.

#include <cstdint>

#include "common/base/status.h"

namespace varnel::os {

class FsRedirection {
 public:
  enum class Availability { Ready, NoKernel32, NoDisable, NoRevert };

  virtual ~FsRedirection() = default;

  // Whether the system offers the two switches (looked up by name).
  virtual Availability Check() = 0;
  // Switches redirection off for this thread; `saved` keeps the state for Revert. A
  // 64-bit program has no redirection: both switches succeed and change nothing.
  virtual Status Disable(uintptr_t& saved) = 0;
  virtual Status Revert(uintptr_t saved) = 0;
};

}  // namespace varnel::os
