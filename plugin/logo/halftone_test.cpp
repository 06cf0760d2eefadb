#include "plugin/logo/halftone.h"

#include <gtest/gtest.h>

#include "plugin/logo/test_bitmaps.h"

namespace varnel::logo {
namespace {

GrayImage Flat(int32_t w, int32_t h, uint8_t level) { return GrayImage{w, h, std::vector<uint8_t>(size_t(w) * h, level)}; }

// The white pixels of a 1-bit file as written by HalftoneImage (entry 1 is white).
struct Dots {
  std::vector<uint8_t> file;
  BitmapInfo info;
  bool White(int32_t x, int32_t y) const {
    return (info.Row(file, y)[size_t(x) / 8] >> (7 - x % 8)) & 1;
  }
  double WhiteShare() const {
    int white = 0;
    for (int32_t y = 0; y < info.height; ++y)
      for (int32_t x = 0; x < info.width; ++x) white += White(x, y);
    return double(white) / (double(info.width) * info.height);
  }
};

Dots Halftoned(const GrayImage& image, HalftoneMethod method, int32_t contrast = 0, int32_t brightness = 0) {
  Dots dots;
  HalftoneWork work;
  HalftoneImage(image, method, contrast, brightness, dots.file, work);
  EXPECT_TRUE(ReadBitmap(dots.file, dots.info));
  return dots;
}

TEST(ToneCurve, NeutralBrightensAndSpreadsAsExpected) {
  const ToneCurve neutral = MakeToneCurve(0, 0);
  for (int v = 0; v < 256; ++v) EXPECT_EQ(neutral[v], v);
  const ToneCurve brighter = MakeToneCurve(0, 40);
  EXPECT_EQ(brighter[100], 140);
  EXPECT_EQ(brighter[250], 255);
  const ToneCurve stronger = MakeToneCurve(100, 0);
  EXPECT_EQ(stronger[128], 128);
  EXPECT_LT(stronger[64], 64);
  EXPECT_GT(stronger[192], 192);
  const ToneCurve flat = MakeToneCurve(-255, 0);
  EXPECT_EQ(flat[0], 128);
  EXPECT_EQ(flat[255], 128);
  const ToneCurve steep = MakeToneCurve(255, 0);
  EXPECT_EQ(steep[126], 0);
  EXPECT_EQ(steep[130], 255);
}

TEST(Halftone, WritesTheOneBitFileThePluginExpects) {
  Dots dots = Halftoned(Flat(33, 5, 200), HalftoneMethod::kNone);
  EXPECT_EQ(dots.info.pixelOffset, 62u);
  EXPECT_EQ(dots.info.bitsPerPixel, 1);
  ASSERT_EQ(dots.info.palette.size(), 2u);
  EXPECT_EQ(dots.info.palette[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(dots.info.palette[1], (Rgb{255, 255, 255}));
  EXPECT_EQ(dots.file.size(), 62u + 8 * 5);
  // Bits beyond the width and the row padding stay 0.
  EXPECT_EQ(dots.info.Row(dots.file, 0)[4], 0x80);
  EXPECT_EQ(dots.info.Row(dots.file, 0)[7], 0);
}

TEST(Halftone, ThresholdSplitsAtTheMiddle) {
  GrayImage image{4, 1, {0, 127, 128, 255}};
  Dots dots = Halftoned(image, HalftoneMethod::kNone);
  EXPECT_FALSE(dots.White(0, 0));
  EXPECT_FALSE(dots.White(1, 0));
  EXPECT_TRUE(dots.White(2, 0));
  EXPECT_TRUE(dots.White(3, 0));
  // Brightness moves the split; contrast around the middle leaves it.
  EXPECT_TRUE(Halftoned(image, HalftoneMethod::kNone, 0, 1).White(1, 0));
  EXPECT_TRUE(Halftoned(image, HalftoneMethod::kNone, 200, 0).White(2, 0));
  EXPECT_FALSE(Halftoned(image, HalftoneMethod::kNone, 0, -255).White(3, 0));
}

TEST(Halftone, OrderedDithersGiveHalfOfAFlatGrayWithTheMatrixPeriod) {
  struct Case {
    HalftoneMethod method;
    int period;
    double share;
  } cases[] = {{HalftoneMethod::kDitherM3, 3, 5.0 / 9}, {HalftoneMethod::kDitherM4, 4, 0.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.method));
    Dots dots = Halftoned(Flat(36, 36, 128), c.method);
    EXPECT_NEAR(dots.WhiteShare(), c.share, 1e-9);
    bool periodic = true, varies = false;
    for (int32_t y = 0; y + c.period < 36; ++y)
      for (int32_t x = 0; x + c.period < 36; ++x) {
        periodic = periodic && dots.White(x, y) == dots.White(x + c.period, y) &&
                   dots.White(x, y) == dots.White(x, y + c.period);
        varies = varies || dots.White(x, y) != dots.White(x + 1, y);
      }
    EXPECT_TRUE(periodic);
    EXPECT_TRUE(varies);
  }
}

TEST(Halftone, ErrorDiffusionKeepsTheMeanOfAGradient) {
  GrayImage ramp{256, 64, {}};
  for (int32_t y = 0; y < 64; ++y)
    for (int32_t x = 0; x < 256; ++x) ramp.pixels.push_back(uint8_t(x));
  Dots dots = Halftoned(ramp, HalftoneMethod::kErrorDiffuse);
  EXPECT_NEAR(dots.WhiteShare(), 127.5 / 255, 0.02);
  // Each quarter of the ramp on its own, too.
  for (int q = 0; q < 4; ++q) {
    int white = 0;
    for (int32_t y = 0; y < 64; ++y)
      for (int32_t x = 64 * q; x < 64 * q + 64; ++x) white += dots.White(x, y);
    EXPECT_NEAR(white / (64.0 * 64), (64 * q + 31.5) / 255, 0.03) << "quarter " << q;
  }
  EXPECT_EQ(Halftoned(Flat(50, 10, 0), HalftoneMethod::kErrorDiffuse).WhiteShare(), 0.0);
  EXPECT_EQ(Halftoned(Flat(50, 10, 255), HalftoneMethod::kErrorDiffuse).WhiteShare(), 1.0);
}

// Contrast and brightness folded into the thresholds act exactly like toning each
// pixel first, also where some levels cannot be reached.
TEST(Halftone, FoldedThresholdsMatchTheToneCurve) {
  GrayImage ramp{256, 8, {}};
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 256; ++x) ramp.pixels.push_back(uint8_t(x));
  const std::pair<int32_t, int32_t> tones[] = {{0, 0}, {120, -30}, {-200, 90}, {0, -255}, {0, 255}, {255, -100}};
  for (HalftoneMethod method : {HalftoneMethod::kNone, HalftoneMethod::kDitherM3, HalftoneMethod::kDitherM4}) {
    for (auto [contrast, brightness] : tones) {
      SCOPED_TRACE(::testing::Message() << int(method) << " " << contrast << " " << brightness);
      const ToneCurve tone = MakeToneCurve(contrast, brightness);
      GrayImage toned = ramp;
      for (uint8_t& v : toned.pixels) v = tone[v];
      EXPECT_EQ(Halftoned(ramp, method, contrast, brightness).file, Halftoned(toned, method).file);
    }
  }
}

TEST(Gray, WritesTheEightBitFileWithIndexZeroBlack) {
  GrayImage image{5, 2, {0, 50, 100, 150, 255, 10, 20, 30, 40, 50}};
  std::vector<uint8_t> file;
  GrayImageFile(image, 0, 20, file);
  BitmapInfo info;
  ASSERT_TRUE(ReadBitmap(file, info));
  EXPECT_EQ(info.pixelOffset, 1078u);
  EXPECT_EQ(info.bitsPerPixel, 8);
  ASSERT_EQ(info.palette.size(), 256u);
  EXPECT_EQ(info.palette[0], (Rgb{0, 0, 0}));
  EXPECT_EQ(info.palette[255], (Rgb{255, 255, 255}));
  EXPECT_EQ(file.size(), 1078u + 8 * 2);
  EXPECT_EQ(std::vector<uint8_t>(info.Row(file, 0).begin(), info.Row(file, 0).end()),
            (std::vector<uint8_t>{20, 70, 120, 170, 255, 0, 0, 0}));
}

// Conversions of a file that tone while decoding give the same file as toning afterwards.
TEST(GrayBitmap, TonesLikeTheImageFile) {
  for (uint16_t bits : {uint16_t(8), uint16_t(24)}) {
    const std::vector<uint8_t> source = fixtures::MakeBitmap(
        7, 5, bits, bits == 8 ? fixtures::GrayPalette() : std::vector<Rgb>{},
        [&](int32_t x, int32_t y) { return uint32_t(x * 30 + y * 9) * (bits == 8 ? 1u : 0x010101u); });
    GrayImage plain;
    ASSERT_TRUE(DecodeGray(source, plain));
    HalftoneWork work;
    for (auto [contrast, brightness] : {std::pair{0, 0}, std::pair{90, -40}, std::pair{-255, 255}}) {
      std::vector<uint8_t> viaFile, viaImage;
      ASSERT_TRUE(GrayBitmap(source, contrast, brightness, viaFile, work));
      GrayImageFile(plain, contrast, brightness, viaImage);
      EXPECT_EQ(viaFile, viaImage) << bits << " " << contrast << " " << brightness;
      // Error diffusion likewise takes the curve while decoding.
      ASSERT_TRUE(HalftoneBitmap(source, 3, contrast, brightness, viaFile, work));
      HalftoneImage(plain, HalftoneMethod::kErrorDiffuse, contrast, brightness, viaImage, work);
      EXPECT_EQ(viaFile, viaImage) << bits << " " << contrast << " " << brightness;
    }
  }
}

TEST(HalftoneBitmap, RefusesArgumentsOutOfRange) {
  const std::vector<uint8_t> source =
      fixtures::MakeBitmap(4, 4, 24, {}, [](int32_t x, int32_t) { return uint32_t(x) * 0x404040; });
  std::vector<uint8_t> out;
  HalftoneWork work;
  EXPECT_TRUE(HalftoneBitmap(source, 3, 255, -255, out, work));
  EXPECT_FALSE(HalftoneBitmap(source, 4, 0, 0, out, work));
  EXPECT_FALSE(HalftoneBitmap(source, 0, 256, 0, out, work));
  EXPECT_FALSE(HalftoneBitmap(source, 0, 0, -256, out, work));
  EXPECT_TRUE(GrayBitmap(source, -255, 255, out, work));
  EXPECT_FALSE(GrayBitmap(source, -256, 0, out, work));
  EXPECT_FALSE(GrayBitmap(source, 0, 256, out, work));
}

}  // namespace
}  // namespace varnel::logo
