#pragma once
// Top-level windows and named locks of other programs, as a test places them.

#include <map>
#include <set>
#include <string>

#include "common/os/desktop.h"
#include "common/os/instance_lock.h"
#include "common/os/sim/faults.h"

namespace varnel::os::sim {

class SimDesktop : public Desktop {
 public:
  // Method names for fault injection: "BringForward".
  Faults faults;

  // Test set-up: a window with this caption; returns its reference.
  WindowRef Open(const std::string& caption) {
    windows_[caption] = ++last_;
    return last_;
  }
  // The windows brought forward so far, in order.
  std::vector<WindowRef> broughtForward;

  WindowRef FindByCaption(const std::string& caption) override {
    auto found = windows_.find(caption);
    return found == windows_.end() ? 0 : found->second;
  }
  Status BringForward(WindowRef window) override {
    if (Status st = faults.Enter("BringForward"); !st) return st;
    if (window == 0 || window > last_) return Status::Fail(1400, "BringForward");  // no such window
    broughtForward.push_back(window);
    return Status::Ok();
  }

 private:
  std::map<std::string, WindowRef> windows_;
  WindowRef last_ = 0;
};

class SimInstanceLock : public InstanceLock {
 public:
  // Method names for fault injection: "Acquire".
  Faults faults;
  std::set<std::string> held;  // locks that exist now (another process's or ours)

  Status Acquire(const std::string& name, bool& existed) override {
    if (Status st = faults.Enter("Acquire"); !st) return st;
    existed = !held.insert(name).second;
    return Status::Ok();
  }
};

}  // namespace varnel::os::sim
