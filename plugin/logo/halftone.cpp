#include "plugin/logo/halftone.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "plugin/logo/bits.h"

namespace varnel::logo {

namespace {

// Ordered dither matrices: the order in which the cells of a flat area turn white as it
// gets lighter. The 1 x 1 matrix makes the plain threshold at the middle gray.
constexpr uint8_t kThresholdMatrix[1] = {0};
constexpr uint8_t kDither3[9] = {
    0, 7, 3,  //
    6, 5, 2,  //
    4, 1, 8,  //
};
constexpr uint8_t kDither4[16] = {
    0,  8,  2,  10,  //
    12, 4,  14, 6,   //
    3,  11, 1,  9,   //
    15, 7,  13, 5,   //
};

struct Matrix {
  const uint8_t* cells;
  int side;
};

Matrix MatrixOf(HalftoneMethod method) {
  switch (method) {
    case HalftoneMethod::kDitherM3: return {kDither3, 3};
    case HalftoneMethod::kDitherM4: return {kDither4, 4};
    default: return {kThresholdMatrix, 1};
  }
}

// A cell's level: a toned intensity at or above it is white. Levels are spread evenly,
// (m + 1/2) / n of the way from black to white, so a flat gray g turns about g / 256
// of the cells white.
int LevelOf(int cell, int cells) { return (2 * cell + 1) * 256 / (2 * cells) + ((2 * cell + 1) * 256 % (2 * cells) != 0); }

bool IsIdentity(const ToneCurve& tone) {
  for (int v = 0; v < 256; ++v)
    if (tone[v] != v) return false;
  return true;
}

// Sets one stored 1-bit row from the intensities and the thresholds of that row:
// white (1) where the intensity reaches the threshold. ones has room for width + 8.
void ThresholdRow(const uint8_t* in, const uint8_t* thresholds, int32_t width, uint8_t* ones, uint8_t* out,
                  uint32_t rowBytes) {
  for (int32_t x = 0; x < width; ++x) ones[x] = in[x] >= thresholds[x];
  std::memset(ones + width, 0, 8);
  const int32_t bytes = (width + 7) / 8;
  for (int32_t b = 0; b < bytes; ++b) out[b] = PackEight(ones + 8 * b);
  std::memset(out + bytes, 0, rowBytes - uint32_t(bytes));
}

// The 1-bit file's headers and palette (0 black, 1 white); returns the first pixel byte.
uint8_t* StartMonoFile(std::vector<uint8_t>& file, int32_t width, int32_t height) {
  const size_t size = kMonoPixelOffset + size_t(RowBytes(width, 1)) * size_t(height);
  if (file.size() != size) file.resize(size);
  WriteHeaders(file, width, height, 1, 2);
  const uint8_t palette[8] = {0, 0, 0, 0, 255, 255, 255, 0};
  std::memcpy(file.data() + 54, palette, 8);
  return file.data() + kMonoPixelOffset;
}

void OrderedDither(const GrayImage& image, const ToneCurve& tone, Matrix matrix, uint8_t* pixels,
                   HalftoneWork& work) {
  const int32_t width = image.width;
  const uint32_t rowBytes = RowBytes(width, 1);
  const int cells = matrix.side * matrix.side;

  // Contrast and brightness fold into the thresholds: with a rising curve, tone(v) >= level
  // exactly when v >= the first v whose tone reaches the level. A level that no intensity
  // reaches cannot be folded into a byte; then the rows go through the curve first.
  std::array<int, 16> folded{};
  bool foldable = true;
  for (int m = 0; m < cells; ++m) {
    const int level = LevelOf(m, cells);
    int v = 0;
    while (v < 256 && tone[v] < level) ++v;
    folded[m] = v;
    foldable = foldable && v < 256;
  }

  // One row of thresholds per matrix row, as long as the image row.
  work.thresholds.resize(size_t(matrix.side) * size_t(width));
  for (int my = 0; my < matrix.side; ++my) {
    uint8_t* row = work.thresholds.data() + size_t(my) * size_t(width);
    for (int32_t x = 0; x < width; ++x) {
      const int m = matrix.cells[my * matrix.side + x % matrix.side];
      row[x] = uint8_t(foldable ? folded[m] : LevelOf(m, cells));
    }
  }
  work.row.resize(2 * size_t(width) + 8);
  uint8_t* ones = work.row.data();
  uint8_t* toned = ones + width + 8;
  for (int32_t r = 0; r < image.height; ++r) {
    const uint8_t* in = image.Row(r);
    if (!foldable) {
      for (int32_t x = 0; x < width; ++x) toned[x] = tone[in[x]];
      in = toned;
    }
    ThresholdRow(in, work.thresholds.data() + size_t(r % matrix.side) * size_t(width), width, ones,
                 pixels + size_t(image.height - 1 - r) * rowBytes, rowBytes);
  }
}

// Floyd-Steinberg: each pixel's error goes 7/16 right, 3/16 below left, 5/16 below and
// 1/16 below right. Errors are kept in sixteenths; the row below is written once per
// pixel, its cell x - 1 being complete when pixel x has given its share.
void ErrorDiffuse(const GrayImage& image, const ToneCurve& tone, uint8_t* pixels, HalftoneWork& work) {
  const int32_t width = image.width;
  const uint32_t rowBytes = RowBytes(width, 1);
  work.errors.assign(2 * (size_t(width) + 1), 0);
  int32_t* current = work.errors.data() + 1;
  int32_t* below = current + width + 1;
  work.row.resize(size_t(width) + 8);
  uint8_t* ones = work.row.data();
  const bool identity = IsIdentity(tone);
  for (int32_t r = 0; r < image.height; ++r) {
    // What each pixel brings before its left neighbour's share, in sixteenths (+8 rounds):
    // a pass the compiler can vectorise, leaving the serial loop as short as it can be.
    const uint8_t* in = image.Row(r);
    if (identity) {
      for (int32_t x = 0; x < width; ++x) current[x] += 16 * in[x] + 8;
    } else {
      for (int32_t x = 0; x < width; ++x) current[x] += 16 * tone[in[x]] + 8;
    }
    int32_t right = 0;      // the 7/16 for the next pixel of this row
    int32_t belowLeft = 0;  // what cell x - 1 of the row below has gathered so far
    int32_t belowHere = 0;  // the same for cell x
    for (int32_t x = 0; x < width; ++x) {
      const int32_t value = (current[x] + right) >> 4;
      const int32_t white = value >= 128;
      ones[x] = uint8_t(white);
      const int32_t error = value - (white ? 255 : 0);
      right = 7 * error;
      below[x - 1] = belowLeft + 3 * error;
      belowLeft = belowHere + 5 * error;
      belowHere = error;
    }
    below[width - 1] = belowLeft;
    std::memset(ones + width, 0, 8);
    uint8_t* out = pixels + size_t(image.height - 1 - r) * rowBytes;
    const int32_t bytes = (width + 7) / 8;
    for (int32_t b = 0; b < bytes; ++b) out[b] = PackEight(ones + 8 * b);
    std::memset(out + bytes, 0, rowBytes - uint32_t(bytes));
    std::swap(current, below);
  }
}

bool ArgumentsInRange(uint32_t method, int32_t contrast, int32_t brightness) {
  return method <= kLastHalftoneMethod && contrast >= -kToneLimit && contrast <= kToneLimit &&
         brightness >= -kToneLimit && brightness <= kToneLimit;
}

}  // namespace

ToneCurve MakeToneCurve(int32_t contrast, int32_t brightness) {
  contrast = std::clamp(contrast, -kToneLimit, kToneLimit);
  brightness = std::clamp(brightness, -kToneLimit, kToneLimit);
  // The usual contrast factor: 1 at 0, 0 at -255, steep (about 130) at 255.
  const double factor = (259.0 * (contrast + 255)) / (255.0 * (259 - contrast));
  ToneCurve tone{};
  for (int v = 0; v < 256; ++v) {
    const double toned = factor * (v - 128) + 128 + brightness;
    tone[v] = uint8_t(std::clamp(std::lround(toned), 0l, 255l));
  }
  return tone;
}

void HalftoneImage(const GrayImage& image, HalftoneMethod method, int32_t contrast, int32_t brightness,
                   std::vector<uint8_t>& file, HalftoneWork& work) {
  const ToneCurve tone = MakeToneCurve(contrast, brightness);
  uint8_t* pixels = StartMonoFile(file, image.width, image.height);
  if (method == HalftoneMethod::kErrorDiffuse) {
    ErrorDiffuse(image, tone, pixels, work);
  } else {
    OrderedDither(image, tone, MatrixOf(method), pixels, work);
  }
}

void GrayImageFile(const GrayImage& image, int32_t contrast, int32_t brightness, std::vector<uint8_t>& file) {
  const ToneCurve tone = MakeToneCurve(contrast, brightness);
  const uint32_t rowBytes = RowBytes(image.width, 8);
  const size_t size = kGrayPixelOffset + size_t(rowBytes) * size_t(image.height);
  if (file.size() != size) file.resize(size);
  WriteHeaders(file, image.width, image.height, 8, 256);
  for (int i = 0; i < 256; ++i) {
    uint8_t* entry = file.data() + 54 + 4 * i;
    entry[0] = entry[1] = entry[2] = uint8_t(i);
    entry[3] = 0;
  }
  const bool identity = IsIdentity(tone);
  for (int32_t r = 0; r < image.height; ++r) {
    const uint8_t* in = image.Row(r);
    uint8_t* out = file.data() + kGrayPixelOffset + size_t(image.height - 1 - r) * rowBytes;
    if (identity) {
      std::memcpy(out, in, size_t(image.width));
    } else {
      for (int32_t x = 0; x < image.width; ++x) out[x] = tone[in[x]];
    }
    std::memset(out + image.width, 0, rowBytes - uint32_t(image.width));
  }
}

Status HalftoneBitmap(std::span<const uint8_t> source, uint32_t method, int32_t contrast, int32_t brightness,
                      std::vector<uint8_t>& file, HalftoneWork& work) {
  if (!ArgumentsInRange(method, contrast, brightness)) {
    return Status::Fail(err::kInvalidParameter, "halftone: argument out of range");
  }
  // Error diffusion takes the curve while decoding; the other methods fold it into their thresholds.
  if (method == uint32_t(HalftoneMethod::kErrorDiffuse) && (contrast != 0 || brightness != 0)) {
    const ToneCurve tone = MakeToneCurve(contrast, brightness);
    if (Status st = DecodeGray(source, work.image, &tone); !st) return st;
    HalftoneImage(work.image, HalftoneMethod::kErrorDiffuse, 0, 0, file, work);
    return Status::Ok();
  }
  if (Status st = DecodeGray(source, work.image); !st) return st;
  HalftoneImage(work.image, HalftoneMethod(method), contrast, brightness, file, work);
  return Status::Ok();
}

Status GrayBitmap(std::span<const uint8_t> source, int32_t contrast, int32_t brightness,
                  std::vector<uint8_t>& file, HalftoneWork& work) {
  if (!ArgumentsInRange(0, contrast, brightness)) return Status::Fail(err::kInvalidParameter, "gray: argument out of range");
  // The curve is applied while decoding, so the file is written from toned intensities.
  const ToneCurve tone = MakeToneCurve(contrast, brightness);
  const bool neutral = contrast == 0 && brightness == 0;
  if (Status st = DecodeGray(source, work.image, neutral ? nullptr : &tone); !st) return st;
  GrayImageFile(work.image, 0, 0, file);
  return Status::Ok();
}

}  // namespace varnel::logo
