#pragma once
// The version text of a file: the FileVersion string of the first language and code page
// its version resource lists, "0.0.0.0" when there is none.

#include <cstdint>
#include <span>
#include <string>

#include "common/os/file_versions.h"

namespace varnel::version {

inline constexpr const char* kNoVersion = "0.0.0.0";

// From a version information block (VS_VERSIONINFO): the value of
// \StringFileInfo\<language><code page>\FileVersion for the first entry of
// \VarFileInfo\Translation, or "0.0.0.0" when the block is malformed, lists no
// translation or holds an empty or no such string.
std::string FileVersionText(std::span<const uint8_t> block);

// The version text of a file; "0.0.0.0" when its resource cannot be read.
std::string FileVersionText(os::FileVersions& versions, const std::string& path);

// A version text reduced to the characters at its even positions (the first, third, ...)
// and read as a decimal number: "2.0.1.3" gives 2013. Leading digits only; nine at most.
uint32_t ReducedVersionNumber(std::string_view text);

}  // namespace varnel::version
