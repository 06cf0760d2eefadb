#include "plugin/logo/logo_pack.h"

#include <gtest/gtest.h>

#include <random>

#include "plugin/logo/bitmap.h"
#include "plugin/logo/test_bitmaps.h"

namespace varnel::logo {
namespace {

using fixtures::kBlackWhite;
using fixtures::kWhiteBlack;
using fixtures::MakeBitmap;

// The dot at column c and dot row d (0 = top) of a packed monochrome logo.
bool Dot(const LogoData& logo, int c, int d) { return (logo.bytes[size_t(c) * logo.y + d / 8] >> (7 - d % 8)) & 1; }

// A picture as a function of (x, y), stored so that "dot" means black.
std::vector<uint8_t> Picture(int32_t w, int32_t h, const std::vector<Rgb>& palette,
                             const std::function<bool(int32_t, int32_t)>& dot) {
  const bool blackIsZero = palette == kBlackWhite;
  return MakeBitmap(w, h, 1, palette, [&](int32_t x, int32_t y) { return uint32_t(dot(x, y) != blackIsZero); });
}

TEST(PackMonoLogo, WidthRoundsUpTo32DotsWithBlankColumns) {
  std::vector<uint8_t> file = Picture(33, 8, kWhiteBlack, [](int32_t, int32_t) { return true; });
  LogoData logo;
  bool invert = true;
  ASSERT_TRUE(PackMonoLogo(file, invert, logo));
  EXPECT_EQ(logo.x, 8);
  EXPECT_EQ(logo.y, 1);
  ASSERT_EQ(logo.bytes.size(), 64u);
  for (int c = 0; c < 64; ++c) EXPECT_EQ(logo.bytes[c], c < 33 ? 0xFF : 0x00) << "column " << c;
}

TEST(PackMonoLogo, BlankRowsFillTheTopBand) {
  std::vector<uint8_t> file = Picture(8, 20, kWhiteBlack, [](int32_t, int32_t) { return true; });
  LogoData logo;
  bool invert = false;
  ASSERT_TRUE(PackMonoLogo(file, invert, logo));
  EXPECT_EQ(logo.x, 4);
  EXPECT_EQ(logo.y, 3);
  for (int d = 0; d < 24; ++d) EXPECT_EQ(Dot(logo, 0, d), d >= 4) << "dot row " << d;
  EXPECT_EQ(logo.bytes[0], 0x0F);
}

// Packs by the definition, one dot at a time, for comparison with the fast packing.
TEST(PackMonoLogo, MatchesThePictureDotForDot) {
  std::mt19937 random(7);
  std::vector<std::vector<bool>> dots(37, std::vector<bool>(45));
  for (auto& row : dots)
    for (size_t x = 0; x < row.size(); ++x) row[x] = random() & 1;
  const auto dot = [&](int32_t x, int32_t y) { return bool(dots[y][x]); };
  for (const auto& palette : {kWhiteBlack, kBlackWhite}) {
    LogoData logo;
    bool invert = true;
    ASSERT_TRUE(PackMonoLogo(Picture(45, 37, palette, dot), invert, logo));
    ASSERT_EQ(logo.x, 8);
    ASSERT_EQ(logo.y, 5);
    const int blank = 8 * 5 - 37;
    for (int c = 0; c < 64; ++c)
      for (int d = 0; d < 40; ++d) {
        const bool expected = c < 45 && d >= blank && dots[d - blank][c];
        ASSERT_EQ(Dot(logo, c, d), expected) << "column " << c << " dot row " << d;
      }
  }
}

TEST(PackMonoLogo, PaletteDecidesPolarityOthersKeepTheLastDecision) {
  const auto dot = [](int32_t x, int32_t y) { return (x * 3 + y) % 5 == 0; };
  std::vector<uint8_t> whiteBlack = Picture(21, 9, kWhiteBlack, dot);
  std::vector<uint8_t> blackWhite = Picture(21, 9, kBlackWhite, dot);
  // The black, white file's padding is full of set bits: inversion must clear it.
  for (int r = 0; r < 9; ++r) {
    uint8_t* row = &blackWhite[62 + 4 * r];
    row[2] |= 0x07;
    row[3] = 0xFF;
  }
  LogoData a, b;
  bool invert = false;
  ASSERT_TRUE(PackMonoLogo(whiteBlack, invert, a));
  EXPECT_FALSE(invert);
  ASSERT_TRUE(PackMonoLogo(blackWhite, invert, b));
  EXPECT_TRUE(invert);
  EXPECT_EQ(a.bytes, b.bytes);

  // Two grays: whatever was decided last stays.
  std::vector<uint8_t> grays = Picture(21, 9, {{60, 60, 60}, {180, 180, 180}}, dot);
  LogoData asInverted, asStored;
  invert = true;
  ASSERT_TRUE(PackMonoLogo(grays, invert, asInverted));
  EXPECT_TRUE(invert);
  invert = false;
  ASSERT_TRUE(PackMonoLogo(grays, invert, asStored));
  EXPECT_FALSE(invert);
  EXPECT_NE(asInverted.bytes, asStored.bytes);
}

TEST(PackMonoLogo, LogoOf100x50Is896Bytes) {
  LogoData logo;
  bool invert = true;
  ASSERT_TRUE(PackMonoLogo(Picture(100, 50, kBlackWhite, [](int32_t x, int32_t) { return x < 50; }), invert, logo));
  EXPECT_EQ(logo.x, 16);
  EXPECT_EQ(logo.y, 7);
  EXPECT_EQ(logo.bytes.size(), 896u);
}

TEST(PackMonoLogo, RefusesOtherDepths) {
  LogoData logo;
  bool invert = true;
  EXPECT_FALSE(PackMonoLogo(MakeBitmap(8, 8, 8, fixtures::GrayPalette(), [](int32_t, int32_t) { return 0u; }), invert, logo));
}

TEST(PackGrayLogo, TenByThreeGivesFourPlanesPerRowAndZeroPadding) {
  // Pixel values chosen so each plane differs: value = 16 * x + y.
  std::vector<uint8_t> file =
      MakeBitmap(10, 3, 8, fixtures::GrayPalette(), [](int32_t x, int32_t y) { return uint32_t(16 * x + y); });
  LogoData logo;
  ASSERT_TRUE(PackGrayLogo(file, logo));
  EXPECT_EQ(logo.x, 2);
  EXPECT_EQ(logo.y, 2);
  ASSERT_EQ(logo.bytes.size(), 32u);
  for (int y = 0; y < 3; ++y)
    for (int plane = 0; plane < 4; ++plane) {
      const int bit = 7 - plane;
      const uint8_t* row = &logo.bytes[2 * (4 * y + plane)];
      for (int x = 0; x < 16; ++x) {
        const int value = x < 10 ? 16 * x + y : 255;  // pixels 10 and 11 are white
        const bool expected = x < 12 && !((value >> bit) & 1);
        EXPECT_EQ(bool((row[x / 8] >> (7 - x % 8)) & 1), expected) << "row " << y << " plane " << plane << " x " << x;
      }
      EXPECT_EQ(row[1] & 0x0F, 0);
    }
  for (int i = 24; i < 32; ++i) EXPECT_EQ(logo.bytes[i], 0);
}

TEST(PackGrayLogo, EvenHeightHasNoZeroRowsAndRefusesOtherDepths) {
  LogoData logo;
  ASSERT_TRUE(PackGrayLogo(MakeBitmap(8, 2, 8, fixtures::GrayPalette(), [](int32_t, int32_t) { return 0u; }), logo));
  EXPECT_EQ(logo.x, 1);
  EXPECT_EQ(logo.y, 1);
  EXPECT_EQ(logo.bytes, std::vector<uint8_t>(8, 0xFF));
  EXPECT_FALSE(PackGrayLogo(MakeBitmap(8, 2, 1, kBlackWhite, [](int32_t, int32_t) { return 0u; }), logo));
}

}  // namespace
}  // namespace varnel::logo
