#pragma once
// Top-level windows of other programs, found by their caption.

#include <cstdint>
#include <string>

#include "common/base/status.h"

namespace varnel::os {

using WindowRef = uintptr_t;

class Desktop {
 public:
  virtual ~Desktop() = default;

  // A top-level window with exactly this caption (UTF-8), or 0.
  virtual WindowRef FindByCaption(const std::string& caption) = 0;
  // Brings the window to the foreground and restores it when minimized.
  virtual Status BringForward(WindowRef window) = 0;
};

}  // namespace varnel::os
