#include "plugin/logo/logo_pack.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "plugin/logo/bitmap.h"
#include "plugin/logo/bits.h"

namespace varnel::logo {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

Status NotA(const char* what) { return Status::Fail(err::kInvalidParameter, std::string("logo: not ") + what); }

void DecidePolarity(const BitmapInfo& info, bool& invert) {
  if (info.palette.size() < 2) return;
  if (info.palette[0] == kWhite && info.palette[1] == kBlack) invert = false;
  if (info.palette[0] == kBlack && info.palette[1] == kWhite) invert = true;
}

}  // namespace

Status PackMonoLogo(std::span<const uint8_t> file, bool& invert, LogoData& logo) {
  BitmapInfo info;
  if (Status st = ReadBitmap(file, info); !st) return st;
  if (info.bitsPerPixel != 1) return NotA("a 1-bit bitmap");
  DecidePolarity(info, invert);

  const uint32_t x = info.rowBytes;
  const uint32_t y = (uint32_t(info.height) + 7) / 8;
  logo.x = uint16_t(x);
  logo.y = uint16_t(y);
  logo.bytes.resize(size_t(x) * y * 8);

  // What each stored byte of a row becomes: inverted rows lose their padding, and the
  // last pixel byte keeps only the bits of real pixels.
  const uint32_t pixelBytes = (uint32_t(info.width) + 7) / 8;
  std::vector<uint8_t> flip(x, 0), keep(x, 0xFF);
  if (invert) {
    std::fill(flip.begin(), flip.end(), 0xFF);
    std::fill(keep.begin() + pixelBytes, keep.end(), 0);
    if (const int rest = info.width % 8) keep[pixelBytes - 1] = uint8_t(0xFF00 >> rest);
  }

  // Stored row s (0 = bottom) of the padded picture of 8y rows; rows from the height up are blank.
  const auto storedRow = [&](uint32_t s) -> const uint8_t* {
    return s < uint32_t(info.height) ? info.Row(file, info.height - 1 - int32_t(s)).data() : nullptr;
  };
  uint8_t* out = logo.bytes.data();
  for (uint32_t band = 0; band < y; ++band) {
    const uint8_t* rows[8];
    for (uint32_t k = 0; k < 8; ++k) rows[k] = storedRow(8 * y - 1 - (8 * band + k));
    for (uint32_t b = 0; b < x; ++b) {
      uint64_t block = 0;
      for (uint32_t k = 0; k < 8; ++k) {
        const uint8_t dots = rows[k] ? uint8_t((rows[k][b] ^ flip[b]) & keep[b]) : 0;
        block = block << 8 | dots;
      }
      block = Transpose8x8(block);
      for (uint32_t i = 0; i < 8; ++i) out[(8 * b + i) * y + band] = uint8_t(block >> (56 - 8 * i));
    }
  }
  return Status::Ok();
}

Status PackGrayLogo(std::span<const uint8_t> file, LogoData& logo) {
  BitmapInfo info;
  if (Status st = ReadBitmap(file, info); !st) return st;
  if (info.bitsPerPixel != 8) return NotA("an 8-bit bitmap");

  const uint32_t stored = info.rowBytes;
  const uint32_t planeBytes = (stored + 7) / 8;
  const uint32_t planeRows = 4 * uint32_t(info.height);
  logo.x = uint16_t(planeBytes);
  logo.y = uint16_t((planeRows + 7) / 8);
  logo.bytes.resize(size_t(logo.x) * logo.y * 8);

  // A row of pixels padded with white to whole bytes of the plane rows, and its bits.
  std::vector<uint8_t> padded(8 * size_t(planeBytes), 255), ones(8 * size_t(planeBytes));
  uint8_t* out = logo.bytes.data();
  for (int32_t r = 0; r < info.height; ++r) {
    std::memcpy(padded.data(), info.Row(file, r).data(), size_t(info.width));
    for (int bit = 7; bit >= 4; --bit) {
      for (size_t i = 0; i < padded.size(); ++i) ones[i] = ((padded[i] >> bit) & 1) ^ 1;
      for (uint32_t b = 0; b < planeBytes; ++b) *out++ = PackEight(ones.data() + 8 * b);
    }
  }
  std::fill(out, logo.bytes.data() + logo.bytes.size(), uint8_t{0});
  return Status::Ok();
}

}  // namespace varnel::logo
