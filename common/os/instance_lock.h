#pragma once
// One running instance per program: a named lock held for the program's whole life.

#include <string>

#include "common/base/status.h"

namespace varnel::os {

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;

  // Creates the named lock, owned, and keeps it until the program ends. `existed` is
  // true when another process holds a lock of that name already.
  virtual Status Acquire(const std::string& name, bool& existed) = 0;
};

}  // namespace varnel::os
