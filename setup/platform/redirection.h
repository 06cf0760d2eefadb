#pragma once
// Running single operations with file-system redirection switched off, on a 64-bit
// system only.

#include <functional>
#include <string>

#include "common/base/status.h"
#include "common/os/redirection.h"
#include "common/os/registry.h"

namespace varnel::setup {

// The messages shown when the switches cannot be found.
inline constexpr const char* kNoKernel32 = "Can't Load Kernel32.dll";
inline constexpr const char* kNoDisable = "Can't Get Function Wow64DisableWow64FsRedirection Address";
inline constexpr const char* kNoRevert = "Can't Get Function Wow64RevertWow64FsRedirection Address";

// The registry view of the wizard's keys: the 64-bit one on a 64-bit system.
inline os::RegView WizardRegistryView(bool is64) { return is64 ? os::RegView::Force64 : os::RegView::Native; }

using Notice = std::function<void(const std::string&)>;

// For the registry and version routines: on a 64-bit system runs `operation` with
// redirection off and restores it after. When a switch is missing, `notice` gets its
// message and the operation runs without switching.
void RunWithoutRedirection(bool is64, os::FsRedirection& redirection, const Notice& notice,
                           const std::function<void()>& operation);

// For copies: runs without switching when only the restore switch is missing, and fails
// without running when switching off is impossible or fails.
Status CopyWithoutRedirection(bool is64, os::FsRedirection& redirection, const std::function<Status()>& copy);

}  // namespace varnel::setup
