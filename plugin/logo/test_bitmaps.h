#pragma once
// Bitmap files built in memory for the tests of the logo code.

#include <cstdint>
#include <functional>
#include <vector>

#include "plugin/logo/bitmap.h"

namespace varnel::logo::fixtures {

// A bottom-up uncompressed bitmap with a 40-byte information header; pixel(x, y) gives
// the value (palette index, or 0xRRGGBB for 24 bits) of column x in picture row y (0 = top).
inline std::vector<uint8_t> MakeBitmap(int32_t width, int32_t height, uint16_t bits, std::vector<Rgb> palette,
                                       const std::function<uint32_t(int32_t, int32_t)>& pixel) {
  const uint32_t rowBytes = RowBytes(width, bits);
  const size_t offset = 54 + 4 * palette.size();
  std::vector<uint8_t> file(offset + size_t(rowBytes) * size_t(height), 0);
  WriteHeaders(file, width, height, bits, uint32_t(palette.size()));
  for (size_t i = 0; i < palette.size(); ++i) {
    file[54 + 4 * i] = palette[i].blue;
    file[55 + 4 * i] = palette[i].green;
    file[56 + 4 * i] = palette[i].red;
  }
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = file.data() + offset + size_t(height - 1 - y) * rowBytes;
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t v = pixel(x, y);
      switch (bits) {
        case 1: row[x / 8] |= uint8_t((v & 1) << (7 - x % 8)); break;
        case 4: row[x / 2] |= uint8_t((v & 15) << (x % 2 ? 0 : 4)); break;
        case 8: row[x] = uint8_t(v); break;
        case 24:
          row[3 * x] = uint8_t(v);
          row[3 * x + 1] = uint8_t(v >> 8);
          row[3 * x + 2] = uint8_t(v >> 16);
          break;
      }
    }
  }
  return file;
}

inline std::vector<Rgb> GrayPalette() {
  std::vector<Rgb> palette(256);
  for (int i = 0; i < 256; ++i) palette[i] = Rgb{uint8_t(i), uint8_t(i), uint8_t(i)};
  return palette;
}

inline const std::vector<Rgb> kBlackWhite{{0, 0, 0}, {255, 255, 255}};
inline const std::vector<Rgb> kWhiteBlack{{255, 255, 255}, {0, 0, 0}};

}  // namespace varnel::logo::fixtures
