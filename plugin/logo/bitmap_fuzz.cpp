// Every reader of bitmap files the user picks, on arbitrary bytes: each either refuses the
// input or reads it, never outside its bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "plugin/logo/bitmap.h"
#include "plugin/logo/bitmap24.h"
#include "plugin/logo/halftone.h"
#include "plugin/logo/logo_pack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnel::logo;
  const std::span<const uint8_t> file(data, size);
  // Keep each run small: the readers' limits allow pictures far larger than a fuzz input.
  BitmapInfo info;
  if (ReadBitmap(file, info).ok() && int64_t(info.width) * info.height > (int64_t{1} << 20)) return 0;
  static HalftoneWork work;
  std::vector<uint8_t> out;
  ConvertTo24(file, out);
  HalftoneBitmap(file, uint32_t(size % 4), int32_t(size % 511) - 255, 0, out, work);
  GrayBitmap(file, 0, int32_t(size % 511) - 255, out, work);
  LogoData logo;
  bool invert = size % 2 == 0;
  PackMonoLogo(file, invert, logo);
  PackGrayLogo(file, logo);
  return 0;
}
