#include "plugin/logo/bitmap24.h"

#include <cstring>

#include "plugin/logo/bitmap.h"

namespace varnel::logo {

Status ConvertTo24(std::span<const uint8_t> source, std::vector<uint8_t>& target) {
  BitmapInfo info;
  if (Status st = ReadBitmap(source, info); !st) return st;
  if (info.bitsPerPixel == 24) {
    target.assign(source.begin(), source.end());
    return Status::Ok();
  }
  if (info.bitsPerPixel != 1 && info.bitsPerPixel != 8) {
    return Status::Fail(err::kInvalidParameter, "bitmap: not 1, 8 or 24 bits per pixel");
  }

  const uint32_t rowBytes = RowBytes(info.width, 24);
  const size_t size = kTruePixelOffset + size_t(rowBytes) * size_t(info.height);
  if (target.size() != size) target.resize(size);
  WriteHeaders(target, info.width, info.height, 24, 0);
  std::memcpy(target.data() + 38, source.data() + 38, 8);  // keep the resolution

  // Each palette entry as the three bytes it becomes, so a pixel is one 4-byte copy.
  std::vector<uint8_t> colours(4 * 256 + 1, 0);
  for (size_t i = 0; i < info.palette.size(); ++i) {
    colours[4 * i] = info.palette[i].blue;
    colours[4 * i + 1] = info.palette[i].green;
    colours[4 * i + 2] = info.palette[i].red;
  }
  std::vector<uint8_t> scratch;
  for (int32_t r = 0; r < info.height; ++r) {
    const uint8_t* indices = PaletteIndexRow(source, info, r, scratch);
    if (!IndicesInPalette(indices, info.width, info.palette.size())) {
      return Status::Fail(err::kInvalidParameter, "bitmap: pixel index beyond the palette");
    }
    uint8_t* out = target.data() + kTruePixelOffset + size_t(info.height - 1 - r) * rowBytes;
    const int32_t last = info.width - 1;
    for (int32_t x = 0; x < last; ++x) std::memcpy(out + 3 * x, &colours[4 * indices[x]], 4);
    std::memcpy(out + 3 * last, &colours[4 * indices[last]], 3);
    std::memset(out + 3 * size_t(info.width), 0, rowBytes - 3 * uint32_t(info.width));
  }
  return Status::Ok();
}

int ConvertBitmapTo24(os::Files& files, const std::string& source, const std::string& target) {
  std::vector<uint8_t> bytes, converted;
  if (!files.ReadFile(source, bytes)) return kConvertUnsupported;
  if (!ConvertTo24(bytes, converted)) return kConvertUnsupported;
  if (!files.WriteFile(target, converted)) return kConvertTargetFailed;
  return kConvertWritten;
}

}  // namespace varnel::logo
