#pragma once
// Tests read the sample installation medium of the source tree: this loads it into a
// simulated file tree under a chosen program folder.

#include <string>

#include "common/os/sim/sim_files.h"

namespace varnel::setup::testing {

inline constexpr const char* kMediumFolder = "C:\\Medium\\";

// The medium folder of the source tree, as the running program names it.
std::string SourceMediumFolder();

// Copies every file of the sample medium into `files` below `programFolder`.
// Returns the number of files copied (0 when the source tree cannot be found).
int LoadSampleMedium(os::sim::SimFiles& files, const std::string& programFolder = kMediumFolder);

}  // namespace varnel::setup::testing
