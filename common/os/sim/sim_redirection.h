#pragma once
// Redirection switches that record whether they are off, so a test can see that an
// operation ran with redirection off and that it was restored after.

#include "common/os/redirection.h"
#include "common/os/sim/faults.h"

namespace varnel::os::sim {

class SimFsRedirection : public FsRedirection {
 public:
  // Method names for fault injection: "Disable", "Revert".
  Faults faults;

  Availability availability = Availability::Ready;
  bool off = false;  // redirection is switched off now

  Availability Check() override { return availability; }
  Status Disable(uintptr_t& saved) override {
    if (Status st = faults.Enter("Disable"); !st) return st;
    saved = off ? 1 : 0;
    off = true;
    return Status::Ok();
  }
  Status Revert(uintptr_t saved) override {
    if (Status st = faults.Enter("Revert"); !st) return st;
    off = saved != 0;
    return Status::Ok();
  }
};

}  // namespace varnel::os::sim
