#pragma once
// Tests read the sample installation medium of the source tree: this loads it into a
// simulated file tree under a chosen program folder.

#include <string>

#include "common/os/sim/sim_files.h"

namespace varnel::setup::testing {

inline constexpr const char* kMediumFolder = "C:\\Medium\\";

// The medium folder of the source tree, as the running program names it, and the folder
// of the Chinese texts laid over it for a Chinese medium.
std::string SourceMediumFolder();
std::string SourceChineseFolder();

// Copies every file of the sample medium into `files` below `programFolder`; with
// `chinese`, the Chinese texts of medium-zh-CN over it and LANGUAGE 0 in setup.ini.
// Returns the number of files copied (0 when the source tree cannot be found).
int LoadSampleMedium(os::sim::SimFiles& files, const std::string& programFolder = kMediumFolder,
                     bool chinese = false);

}  // namespace varnel::setup::testing
