#pragma once
// The contracts of the instance lock, window, redirection and version-resource
// interfaces, checked against the simulation and the Win32 adapters alike.

#include <string>

#include "common/os/desktop.h"
#include "common/os/file_versions.h"
#include "common/os/instance_lock.h"
#include "common/os/redirection.h"

namespace varnel::os::testing {

// `name` is a lock name nobody holds yet.
void CheckInstanceLockContract(InstanceLock& lock, const std::string& name);
// `caption` is a caption no window has.
void CheckDesktopContract(Desktop& desktop, const std::string& caption);
// The switches are there; off and back succeed.
void CheckRedirectionContract(FsRedirection& redirection);
// `missing` names a file that does not exist.
void CheckFileVersionsContract(FileVersions& versions, const std::string& missing);

}  // namespace varnel::os::testing
