#pragma once
// The contracts of the OS interfaces as checks that run against any implementation: the
// simulation in the host tests and the Win32 adapters under Wine. What passes here on
// both sides lets a sequence tested against the simulation behave the same for real.

#include <string>

#include "common/os/files.h"
#include "common/os/registry.h"
#include "common/os/spooler.h"

namespace varnel::os::testing {

// `folder` is an existing empty folder the checks may fill.
void CheckFilesContract(Files& files, const std::string& folder);
// `key` is a key below HKEY_CURRENT_USER that does not exist yet; it is removed again.
void CheckRegistryContract(Registry& registry, const std::string& key);
// `printer` names a printer that accepts raw jobs; the check sends none.
void CheckSpoolerHandleContract(Spooler& spooler, const std::string& printer);

}  // namespace varnel::os::testing
