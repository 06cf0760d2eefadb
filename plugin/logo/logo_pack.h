#pragma once
// Logo data for the printer's non-volatile bit image commands: a 1-bit bitmap packed
// into columns of eight vertical dots (1C 71), an 8-bit gray bitmap into four bit
// planes per dot row (1C 72).

#include <cstdint>
#include <span>
#include <vector>

#include "common/base/status.h"

namespace varnel::logo {

struct LogoData {
  uint16_t x = 0;  // 1C 71: bytes per row (8 dots each); 1C 72: bytes per plane row
  uint16_t y = 0;  // 1C 71: bands of 8 dots; 1C 72: groups of 8 plane rows
  std::vector<uint8_t> bytes;  // x * y * 8
};

// Packs a 1-bit bitmap. x = the stored row's bytes (width rounded up to 32 dots),
// y = (height + 7) / 8; rows that fill up the last band are blank and lie above the
// picture. A set bit is a printed dot. The palette decides the polarity: white, black
// is used as stored, black, white is inverted (its row padding cleared); any other
// palette keeps the decision of the previous logo, held in invert (a caller keeps it
// between logos, starting with true). Fails (87) for a file that is not a readable
// 1-bit bitmap; the pixels read are those of the rows the header declares, never more.
Status PackMonoLogo(std::span<const uint8_t> file, bool& invert, LogoData& logo);

// Packs an 8-bit bitmap whose pixel values are intensities (0 black). Every dot row,
// top first, gives the plane rows of bits 7, 6, 5, 4, eight pixels to a byte, a bit
// set where the pixel's bit is 0; pixels beyond the width count as white; four zero
// plane rows complete an odd height. Fails (87) for a file that is not a readable
// 8-bit bitmap.
Status PackGrayLogo(std::span<const uint8_t> file, LogoData& logo);

}  // namespace varnel::logo
