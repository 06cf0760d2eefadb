#pragma once
// The 24-bit copy of a bitmap that the watermark page leaves for the rendering side.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/base/status.h"
#include "common/os/files.h"

namespace varnel::logo {

// Converts a 1- or 8-bit bitmap into a bottom-up 24-bit file (headers of 54 bytes, rows
// of ((3 x width + 3) / 4) x 4 bytes, each pixel the blue, green, red of its palette
// entry); a 24-bit bitmap is returned as it is. 87 for anything else (other depths,
// compression, a malformed file, a pixel index beyond the palette).
Status ConvertTo24(std::span<const uint8_t> source, std::vector<uint8_t>& target);

// Results of ConvertBitmapTo24.
inline constexpr int kConvertUnsupported = 0;  // source missing, unreadable or of an unsupported kind
inline constexpr int kConvertWritten = 1;
inline constexpr int kConvertTargetFailed = 2;  // the target could not be written

int ConvertBitmapTo24(os::Files& files, const std::string& source, const std::string& target);

}  // namespace varnel::logo
