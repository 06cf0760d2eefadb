#include "setup/platform/redirection.h"

namespace varnel::setup {

void RunWithoutRedirection(bool is64, os::FsRedirection& redirection, const Notice& notice,
                           const std::function<void()>& operation) {
  if (!is64) {
    operation();
    return;
  }
  using Availability = os::FsRedirection::Availability;
  switch (redirection.Check()) {
    case Availability::NoKernel32: notice(kNoKernel32); operation(); return;
    case Availability::NoDisable: notice(kNoDisable); operation(); return;
    case Availability::NoRevert: notice(kNoRevert); operation(); return;
    case Availability::Ready: break;
  }
  uintptr_t saved = 0;
  const bool off = redirection.Disable(saved).ok();
  operation();
  if (off) redirection.Revert(saved);
}

Status CopyWithoutRedirection(bool is64, os::FsRedirection& redirection, const std::function<Status()>& copy) {
  if (!is64) return copy();
  using Availability = os::FsRedirection::Availability;
  switch (redirection.Check()) {
    case Availability::NoRevert: return copy();
    case Availability::NoKernel32: return Status::Fail(127, kNoKernel32);
    case Availability::NoDisable: return Status::Fail(127, kNoDisable);
    case Availability::Ready: break;
  }
  uintptr_t saved = 0;
  if (Status st = redirection.Disable(saved); !st) return st;
  Status result = copy();
  redirection.Revert(saved);
  return result;
}

}  // namespace varnel::setup
