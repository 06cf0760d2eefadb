#include "plugin/logo/bitmap.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "common/os/sim/sim_files.h"
#include "plugin/logo/bitmap24.h"
#include "plugin/logo/halftone.h"
#include "plugin/logo/logo_pack.h"
#include "plugin/logo/test_bitmaps.h"

namespace varnel::logo {
namespace {

using fixtures::GrayPalette;
using fixtures::kBlackWhite;
using fixtures::MakeBitmap;

std::vector<uint8_t> Gray8(int32_t w, int32_t h) {
  return MakeBitmap(w, h, 8, GrayPalette(), [](int32_t x, int32_t y) { return uint32_t(x * 16 + y); });
}

TEST(ReadBitmap, TopDownRowsDecodeLikeBottomUp) {
  std::vector<uint8_t> file = Gray8(5, 3);
  GrayImage bottomUp;
  ASSERT_TRUE(DecodeGray(file, bottomUp));
  // The same picture stored top row first with a negative height.
  std::vector<uint8_t> topDown = file;
  Put32(topDown, 22, uint32_t(-3));
  const size_t row = 8;
  for (int r = 0; r < 3; ++r) std::copy_n(&file[1078 + row * (2 - r)], row, &topDown[1078 + row * r]);
  GrayImage decoded;
  ASSERT_TRUE(DecodeGray(topDown, decoded));
  EXPECT_EQ(decoded.pixels, bottomUp.pixels);
  EXPECT_EQ(bottomUp.Row(0)[4], 64);  // top row, x = 4
  EXPECT_EQ(bottomUp.Row(2)[1], 18);
}

TEST(ReadBitmap, HonoursLargerHeadersAndPixelOffsets) {
  // A 108-byte information header with a two-entry palette after it and a gap before the pixels.
  std::vector<uint8_t> plain = MakeBitmap(9, 2, 1, kBlackWhite, [](int32_t x, int32_t) { return uint32_t(x % 2); });
  std::vector<uint8_t> file(plain.begin(), plain.begin() + 54);
  file.resize(14 + 108, 0);
  Put32(file, 14, 108);
  file.insert(file.end(), plain.begin() + 54, plain.begin() + 62);  // palette
  file.resize(file.size() + 6, 0xEE);                                // gap
  Put32(file, 10, uint32_t(file.size()));
  file.insert(file.end(), plain.begin() + 62, plain.end());
  GrayImage a, b;
  ASSERT_TRUE(DecodeGray(plain, a));
  ASSERT_TRUE(DecodeGray(file, b));
  EXPECT_EQ(a.pixels, b.pixels);
}

// Every reader of user files refuses each of these cleanly (and AddressSanitizer
// watches that none reads outside the bytes).
struct Malformed {
  const char* name;
  std::function<std::vector<uint8_t>()> make;
  bool packersRefuse = true;  // the packers do not look at the palette
};

std::vector<uint8_t> With32(std::vector<uint8_t> f, size_t at, uint32_t v) {
  Put32(f, at, v);
  return f;
}
std::vector<uint8_t> With16(std::vector<uint8_t> f, size_t at, uint16_t v) {
  Put16(f, at, v);
  return f;
}
std::vector<uint8_t> Cut(std::vector<uint8_t> f, size_t size) {
  f.resize(size);
  return f;
}
std::vector<uint8_t> Mono() { return MakeBitmap(20, 9, 1, kBlackWhite, [](int32_t x, int32_t y) { return uint32_t(x + y) % 3 == 0; }); }

const Malformed kMalformed[] = {
    {"empty", [] { return std::vector<uint8_t>{}; }},
    {"signature", [] { return With16(Gray8(4, 4), 0, 0x4142); }},
    {"cut in the file header", [] { return Cut(Gray8(4, 4), 10); }},
    {"cut in the information header", [] { return Cut(Gray8(4, 4), 40); }},
    {"cut in the palette", [] { return Cut(Gray8(4, 4), 54 + 500); }},
    {"cut in the pixels", [] { return Cut(Gray8(4, 4), 1078 + 15); }},
    {"mono cut in the pixels", [] { return Cut(Mono(), 62 + 4 * 9 - 1); }},
    {"width 0", [] { return With32(Gray8(4, 4), 18, 0); }},
    {"width negative", [] { return With32(Gray8(4, 4), 18, uint32_t(-4)); }},
    {"height 0", [] { return With32(Gray8(4, 4), 22, 0); }},
    {"height INT_MIN", [] { return With32(Gray8(4, 4), 22, uint32_t(INT_MIN)); }},
    {"width x height overflows", [] { return With32(With32(Gray8(4, 4), 18, 0x7FFFFFFF), 22, 0x7FFFFFFF); }},
    {"pixels overflow 32 bits", [] { return With32(With32(Gray8(4, 4), 18, 0x10000), 22, 0x10000); }},
    {"huge height, small file", [] { return With32(Gray8(4, 4), 22, 30000); }},
    {"huge top-down height", [] { return With32(Gray8(4, 4), 22, uint32_t(-30000)); }},
    {"colours used beyond 256", [] { return With32(Gray8(4, 4), 46, 257); }},
    {"colours used huge", [] { return With32(Gray8(4, 4), 46, 0xFFFFFFFF); }},
    {"mono colours used 3", [] { return With32(Mono(), 46, 3); }},
    {"index beyond the palette",
     [] { return With32(MakeBitmap(4, 2, 8, {{0, 0, 0}, {9, 9, 9}}, [](int32_t x, int32_t) { return uint32_t(x); }), 46, 2); },
     false},
    {"mono index 1 with one colour", [] { return With32(With32(Mono(), 46, 1), 10, 58); }, false},
    {"bits per pixel 16", [] { return With16(Gray8(4, 4), 28, 16); }},
    {"bits per pixel 2", [] { return With16(Gray8(4, 4), 28, 2); }},
    {"bits per pixel 0", [] { return With16(Gray8(4, 4), 28, 0); }},
    {"planes 2", [] { return With16(Gray8(4, 4), 26, 2); }},
    {"compressed", [] { return With32(Gray8(4, 4), 30, 1); }},
    {"pixel offset beyond the file", [] { return With32(Gray8(4, 4), 10, 5000); }},
    {"pixel offset huge", [] { return With32(Gray8(4, 4), 10, 0xFFFFFFF0); }},
    {"pixel offset inside the palette", [] { return With32(Gray8(4, 4), 10, 100); }},
    {"pixel offset 0", [] { return With32(Mono(), 10, 0); }},
    {"header size beyond the file", [] { return With32(Gray8(4, 4), 14, 0xFFFFFF00); }},
    {"header size 12", [] { return With32(Gray8(4, 4), 14, 12); }},
    {"header size pushes the palette out", [] { return With32(Gray8(4, 4), 14, 1000); }},
};

TEST(MalformedBitmaps, EveryReaderRefusesCleanly) {
  HalftoneWork work;
  for (const Malformed& c : kMalformed) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> file = c.make();
    BitmapInfo info;
    GrayImage image;
    std::vector<uint8_t> out;
    LogoData logo;
    bool invert = true;
    if (c.packersRefuse) {
      EXPECT_FALSE(ReadBitmap(file, info));
    }
    EXPECT_FALSE(DecodeGray(file, image));
    EXPECT_FALSE(ConvertTo24(file, out));
    for (uint32_t method = 0; method <= 3; ++method) EXPECT_FALSE(HalftoneBitmap(file, method, 0, 0, out, work));
    EXPECT_FALSE(GrayBitmap(file, 0, 0, out, work));
    if (c.packersRefuse) {
      EXPECT_FALSE(PackMonoLogo(file, invert, logo));
      EXPECT_FALSE(PackGrayLogo(file, logo));
    }
  }
}

TEST(ConvertTo24, MonoRowsArePaletteColoursPaddedToFourBytes) {
  const std::vector<Rgb> palette{{1, 2, 3}, {200, 150, 100}};
  std::vector<uint8_t> source = MakeBitmap(5, 3, 1, palette, [](int32_t x, int32_t y) { return uint32_t(x == y); });
  std::vector<uint8_t> target;
  ASSERT_TRUE(ConvertTo24(source, target));
  ASSERT_EQ(target.size(), 54u + 16 * 3);
  EXPECT_EQ(Get32(target, 2), 54u + 16 * 3);
  EXPECT_EQ(Get32(target, 10), 54u);
  EXPECT_EQ(Get16(target, 28), 24);
  BitmapInfo info;
  ASSERT_TRUE(ReadBitmap(target, info));
  EXPECT_EQ(info.rowBytes, 16u);
  // Top row (stored last): pixel 0 is colour 1, pixel 1 colour 0, then the padding byte.
  const uint8_t* top = &target[54 + 2 * 16];
  EXPECT_EQ(std::vector<uint8_t>(top, top + 6), (std::vector<uint8_t>{200, 150, 100, 1, 2, 3}));
  EXPECT_EQ(top[15], 0);
}

TEST(ConvertTo24, EightBitPaletteEntrySevenBlueGivesFF0000) {
  std::vector<Rgb> palette = GrayPalette();
  palette[7] = Rgb{255, 0, 0};  // blue, green, red
  std::vector<uint8_t> source = MakeBitmap(3, 2, 8, palette, [](int32_t, int32_t) { return 7u; });
  std::vector<uint8_t> target;
  ASSERT_TRUE(ConvertTo24(source, target));
  EXPECT_EQ(Get32(target, 34), 12u * 2);  // image size of the 24-bit rows
  for (int px = 0; px < 3; ++px) {
    EXPECT_EQ(target[54 + 3 * px], 0xFF);
    EXPECT_EQ(target[55 + 3 * px], 0x00);
    EXPECT_EQ(target[56 + 3 * px], 0x00);
  }
}

TEST(ConvertBitmapTo24, ResultsByKindAndFailure) {
  os::sim::SimFiles files;
  const std::vector<uint8_t> true24 = MakeBitmap(3, 3, 24, {}, [](int32_t x, int32_t y) { return uint32_t(x * 0x10203 + y); });
  files.Put("C:\\in\\true.bmp", true24);
  files.Put("C:\\in\\four.bmp", MakeBitmap(3, 3, 4, std::vector<Rgb>(16), [](int32_t, int32_t) { return 1u; }));
  files.Put("C:\\in\\mono.bmp", Mono());
  files.Put("C:\\tmp\\x", "");

  EXPECT_EQ(ConvertBitmapTo24(files, "C:\\in\\true.bmp", "C:\\tmp\\p1.bmp"), kConvertWritten);
  EXPECT_EQ(files.Contents("C:\\tmp\\p1.bmp"), true24);
  EXPECT_EQ(ConvertBitmapTo24(files, "C:\\in\\four.bmp", "C:\\tmp\\p1.bmp"), kConvertUnsupported);
  EXPECT_EQ(ConvertBitmapTo24(files, "C:\\in\\missing.bmp", "C:\\tmp\\p1.bmp"), kConvertUnsupported);
  EXPECT_EQ(ConvertBitmapTo24(files, "C:\\in\\mono.bmp", "C:\\nofolder\\p1.bmp"), kConvertTargetFailed);
  EXPECT_EQ(ConvertBitmapTo24(files, "C:\\in\\mono.bmp", "C:\\tmp\\p1.bmp"), kConvertWritten);
  EXPECT_EQ(files.Contents("C:\\tmp\\p1.bmp").size(), 54u + 60 * 9);
}

}  // namespace
}  // namespace varnel::logo
