#include "plugin/logo/bitmap.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

namespace varnel::logo {

namespace {

Status Bad(const char* what) { return Status::Fail(err::kInvalidParameter, std::string("bitmap: ") + what); }

constexpr uint32_t kCompressionNone = 0;

// The luma of a colour: 0 black, 255 white (ITU-R 601 weights in eighths of 256).
inline uint8_t Luma(uint8_t red, uint8_t green, uint8_t blue) {
  return uint8_t((red * 77u + green * 150u + blue * 29u + 128u) >> 8);
}

// Eight palette indices per byte of a 1-bit row, most significant bit first.
struct MonoExpansion {
  std::array<std::array<uint8_t, 8>, 256> bytes{};
  constexpr MonoExpansion() {
    for (int v = 0; v < 256; ++v)
      for (int bit = 0; bit < 8; ++bit) bytes[v][bit] = uint8_t((v >> (7 - bit)) & 1);
  }
};
constexpr MonoExpansion kMono;

}  // namespace

Status ReadBitmap(std::span<const uint8_t> file, BitmapInfo& info) {
  info = BitmapInfo{};
  if (file.size() < kFileHeaderSize + kInfoHeaderSize) return Bad("shorter than its headers");
  if (file[0] != 'B' || file[1] != 'M') return Bad("no BM signature");
  const uint32_t headerSize = Get32(file, 14);
  if (headerSize < kInfoHeaderSize) return Bad("unsupported information header");
  if (headerSize > file.size() - kFileHeaderSize) return Bad("information header beyond the file");

  const int32_t width = int32_t(Get32(file, 18));
  const int32_t height = int32_t(Get32(file, 22));
  if (width <= 0) return Bad("width not positive");
  if (height == 0 || height == INT_MIN) return Bad("height zero or out of range");
  const int32_t rows = height < 0 ? -height : height;
  if (width > kMaxSide || rows > kMaxSide || int64_t(width) * rows > kMaxPixels) return Bad("too large");

  if (Get16(file, 26) != 1) return Bad("planes not 1");
  const uint16_t bits = Get16(file, 28);
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return Bad("unsupported bits per pixel");
  if (Get32(file, 30) != kCompressionNone) return Bad("compressed");

  // The palette follows the information header; only the depths below 16 use one.
  const uint64_t paletteStart = kFileHeaderSize + uint64_t(headerSize);
  uint64_t paletteEntries = 0;
  if (bits <= 8) {
    const uint32_t coloursUsed = Get32(file, 46);
    const uint32_t capacity = 1u << bits;
    if (coloursUsed > capacity) return Bad("colours used beyond the palette");
    paletteEntries = coloursUsed ? coloursUsed : capacity;
  }
  const uint64_t paletteEnd = paletteStart + 4 * paletteEntries;
  if (paletteEnd > file.size()) return Bad("palette beyond the file");

  const uint64_t pixelOffset = Get32(file, 10);
  const uint32_t rowBytes = RowBytes(width, bits);
  if (pixelOffset < paletteEnd) return Bad("pixels overlap the headers");
  if (pixelOffset > file.size() || uint64_t(rowBytes) * uint64_t(rows) > file.size() - pixelOffset) {
    return Bad("pixels beyond the file");
  }

  info.pixelOffset = uint32_t(pixelOffset);
  info.headerSize = headerSize;
  info.width = width;
  info.height = rows;
  info.topDown = height < 0;
  info.bitsPerPixel = bits;
  info.rowBytes = rowBytes;
  info.palette.resize(size_t(paletteEntries));
  for (size_t i = 0; i < info.palette.size(); ++i) {
    const size_t at = size_t(paletteStart) + 4 * i;
    info.palette[i] = Rgb{file[at], file[at + 1], file[at + 2]};
  }
  return Status::Ok();
}

const uint8_t* PaletteIndexRow(std::span<const uint8_t> file, const BitmapInfo& info, int32_t r,
                               std::vector<uint8_t>& scratch) {
  const std::span<const uint8_t> row = info.Row(file, r);
  if (info.bitsPerPixel == 8) return row.data();
  scratch.resize(size_t(info.width) + 8);
  uint8_t* out = scratch.data();
  if (info.bitsPerPixel == 1) {
    for (int32_t x = 0; x < info.width; x += 8) std::memcpy(out + x, kMono.bytes[row[size_t(x) / 8]].data(), 8);
  } else {  // 4 bits, high nibble first
    for (int32_t x = 0; x < info.width; x += 2) {
      out[x] = row[size_t(x) / 2] >> 4;
      out[x + 1] = row[size_t(x) / 2] & 15;
    }
  }
  return out;
}

bool IndicesInPalette(const uint8_t* indices, int32_t width, size_t paletteSize) {
  if (paletteSize >= 256) return true;
  uint8_t highest = 0;
  for (int32_t x = 0; x < width; ++x) highest = std::max(highest, indices[x]);
  return highest < paletteSize;
}

// A fixed step lets the compiler vectorise the luma of the colour pixels.
template <size_t kStep>
void DecodeTrueColour(std::span<const uint8_t> file, const BitmapInfo& info, GrayImage& image,
                      const std::array<uint8_t, 256>* curve) {
  for (int32_t r = 0; r < info.height; ++r) {
    const uint8_t* in = info.Row(file, r).data();
    uint8_t* out = image.Row(r);
    if (curve) {
      for (int32_t x = 0; x < info.width; ++x) out[x] = (*curve)[Luma(in[kStep * x + 2], in[kStep * x + 1], in[kStep * x])];
    } else {
      for (int32_t x = 0; x < info.width; ++x) out[x] = Luma(in[kStep * x + 2], in[kStep * x + 1], in[kStep * x]);
    }
  }
}

Status DecodeGray(std::span<const uint8_t> file, GrayImage& image, const std::array<uint8_t, 256>* curve) {
  BitmapInfo info;
  if (Status st = ReadBitmap(file, info); !st) return st;
  image.width = info.width;
  image.height = info.height;
  const size_t count = size_t(info.width) * size_t(info.height);
  if (image.pixels.size() != count) image.pixels.resize(count);

  if (info.bitsPerPixel == 24) {
    DecodeTrueColour<3>(file, info, image, curve);
    return Status::Ok();
  }
  if (info.bitsPerPixel == 32) {
    DecodeTrueColour<4>(file, info, image, curve);
    return Status::Ok();
  }

  std::array<uint8_t, 256> luma{};
  for (size_t i = 0; i < info.palette.size(); ++i) {
    luma[i] = Luma(info.palette[i].red, info.palette[i].green, info.palette[i].blue);
    if (curve) luma[i] = (*curve)[luma[i]];
  }
  std::vector<uint8_t> scratch;
  for (int32_t r = 0; r < info.height; ++r) {
    const uint8_t* indices = PaletteIndexRow(file, info, r, scratch);
    if (!IndicesInPalette(indices, info.width, info.palette.size())) return Bad("pixel index beyond the palette");
    uint8_t* out = image.Row(r);
    for (int32_t x = 0; x < info.width; ++x) out[x] = luma[indices[x]];
  }
  return Status::Ok();
}

void WriteHeaders(std::span<uint8_t> out, int32_t width, int32_t height, uint16_t bitsPerPixel,
                  uint32_t paletteEntries) {
  const uint32_t pixelOffset = uint32_t(kFileHeaderSize + kInfoHeaderSize + 4 * paletteEntries);
  const uint32_t imageSize = RowBytes(width, bitsPerPixel) * uint32_t(height);
  std::fill(out.begin(), out.begin() + kFileHeaderSize + kInfoHeaderSize, uint8_t{0});
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, pixelOffset + imageSize);
  Put32(out, 10, pixelOffset);
  Put32(out, 14, kInfoHeaderSize);
  Put32(out, 18, uint32_t(width));
  Put32(out, 22, uint32_t(height));
  Put16(out, 26, 1);
  Put16(out, 28, bitsPerPixel);
  Put32(out, 34, imageSize);
  Put32(out, 38, 2835);  // 72 dots per inch, in dots per metre
  Put32(out, 42, 2835);
  Put32(out, 46, paletteEntries);
}

}  // namespace varnel::logo
