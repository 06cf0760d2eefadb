#pragma once
// Windows bitmap files (BMP) as the logo and watermark code reads and writes them.
// One careful reader of the headers serves every user: it checks every size, offset
// and count against the bytes actually present before anyone allocates or indexes,
// so a file the user picks can be refused but never read outside its bytes.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "common/base/status.h"

namespace varnel::logo {

inline constexpr size_t kFileHeaderSize = 14;
inline constexpr size_t kInfoHeaderSize = 40;
// Offsets of the pixels in the files this package writes: 1-bit with two palette
// entries, 8-bit with 256, 24-bit without palette.
inline constexpr size_t kMonoPixelOffset = 62;
inline constexpr size_t kGrayPixelOffset = 1078;
inline constexpr size_t kTruePixelOffset = 54;

// Sides and pixel counts beyond these are refused before anything is allocated.
inline constexpr int32_t kMaxSide = 32767;
inline constexpr int64_t kMaxPixels = int64_t{1} << 25;

struct Rgb {
  uint8_t blue = 0, green = 0, red = 0;
  bool operator==(const Rgb&) const = default;
};

// What the headers say, checked for consistency with the file's bytes.
struct BitmapInfo {
  uint32_t pixelOffset = 0;   // where the pixels start, inside the file
  uint32_t headerSize = 0;    // of the information header (40 or more)
  int32_t width = 0;          // > 0
  int32_t height = 0;         // rows, > 0 (the header's sign is in topDown)
  bool topDown = false;       // a negative height in the header: the first stored row is the top
  uint16_t bitsPerPixel = 0;  // 1, 4, 8, 24 or 32
  uint32_t rowBytes = 0;      // bytes per stored row, padded to 4
  std::vector<Rgb> palette;   // the entries present (1, 4 and 8 bits), empty otherwise

  // The stored row that shows picture row r (0 = top).
  size_t StoredRow(int32_t r) const { return topDown ? size_t(r) : size_t(height - 1 - r); }
  std::span<const uint8_t> Row(std::span<const uint8_t> file, int32_t r) const {
    return file.subspan(pixelOffset + StoredRow(r) * rowBytes, rowBytes);
  }
};

// Bytes per stored row for a width and depth, padded to 4 (widths as checked above).
constexpr uint32_t RowBytes(int32_t width, uint32_t bitsPerPixel) {
  return uint32_t((uint64_t(uint32_t(width)) * bitsPerPixel + 31) / 32 * 4);
}

// Reads and checks the headers of an uncompressed bitmap: the signature "BM", an
// information header of 40 bytes or more, positive width, non-zero height (negative:
// top-down), one plane, 1/4/8/24/32 bits, no compression (bit fields allowed for 32),
// a palette that fits its depth and the file, and all pixel rows inside the file.
// Fails with 87 (invalid parameter) and a context that says what is wrong.
Status ReadBitmap(std::span<const uint8_t> file, BitmapInfo& info);

// An 8-bit intensity image, rows top first, no padding (0 black, 255 white).
struct GrayImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;
  uint8_t* Row(int32_t r) { return pixels.data() + size_t(r) * size_t(width); }
  const uint8_t* Row(int32_t r) const { return pixels.data() + size_t(r) * size_t(width); }
};

// Reads any bitmap ReadBitmap accepts into intensities (luma of the palette entry or
// the pixel). A palette index beyond the palette fails with 87. The image's buffer is
// reused when it is large enough. With a curve, each intensity goes through it on the way
// (one pass instead of two).
Status DecodeGray(std::span<const uint8_t> file, GrayImage& image, const std::array<uint8_t, 256>* curve = nullptr);

// The palette indices of picture row r of a 1-, 4- or 8-bit bitmap, one per byte:
// the stored row itself for 8 bits, else expanded into scratch (reused).
const uint8_t* PaletteIndexRow(std::span<const uint8_t> file, const BitmapInfo& info, int32_t r,
                               std::vector<uint8_t>& scratch);
// True when every index of the row names an entry of the palette.
bool IndicesInPalette(const uint8_t* indices, int32_t width, size_t paletteSize);

// Writes the two headers of an uncompressed bottom-up bitmap into out[0, 54): the
// file size and image size follow from the arguments.
void WriteHeaders(std::span<uint8_t> out, int32_t width, int32_t height, uint16_t bitsPerPixel,
                  uint32_t paletteEntries);

// Little-endian field access for fixed layouts.
inline uint16_t Get16(std::span<const uint8_t> b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
inline uint32_t Get32(std::span<const uint8_t> b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
inline void Put16(std::span<uint8_t> b, size_t at, uint16_t v) {
  b[at] = uint8_t(v);
  b[at + 1] = uint8_t(v >> 8);
}
inline void Put32(std::span<uint8_t> b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

}  // namespace varnel::logo
