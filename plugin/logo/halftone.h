#pragma once
// The picture work behind logo conversion: contrast and brightness, the four halftone
// methods that make a 1-bit logo, and the 8-bit gray image of a gray logo. Pixmill.dll
// wraps these; they live here so they can be tested and measured in process.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "common/base/status.h"
#include "plugin/logo/bitmap.h"

namespace varnel::logo {

enum class HalftoneMethod : uint32_t { kNone = 0, kDitherM3 = 1, kDitherM4 = 2, kErrorDiffuse = 3 };
inline constexpr uint32_t kLastHalftoneMethod = 3;
inline constexpr int32_t kToneLimit = 255;  // contrast and brightness lie in -255 ... 255

// Contrast and brightness as one curve over the 256 intensities. 0, 0 is the identity;
// brightness adds to every intensity; contrast spreads the intensities away from the
// middle gray (positive) or draws them towards it (negative, -255 makes all gray).
using ToneCurve = std::array<uint8_t, 256>;
ToneCurve MakeToneCurve(int32_t contrast, int32_t brightness);

// Buffers that a caller keeps between conversions, so a repeated conversion reuses
// memory instead of touching fresh pages.
struct HalftoneWork {
  GrayImage image;
  std::vector<uint8_t> row;
  std::vector<uint8_t> thresholds;
  std::vector<int32_t> errors;
};

// A 1-bit bitmap file of the image: palette entry 0 black, 1 white, pixels at byte 62,
// rows bottom-up and padded with 0. "None" thresholds at the middle gray, the two
// dithers use 3 x 3 and 4 x 4 ordered matrices, "Error Diffuse" Floyd-Steinberg.
void HalftoneImage(const GrayImage& image, HalftoneMethod method, int32_t contrast, int32_t brightness,
                   std::vector<uint8_t>& file, HalftoneWork& work);

// An 8-bit gray bitmap file of the image: 256 palette entries, entry i = (i, i, i), so
// index 0 is black; pixels at byte 1078, rows bottom-up and padded with 0.
void GrayImageFile(const GrayImage& image, int32_t contrast, int32_t brightness, std::vector<uint8_t>& file);

// From the bytes of any readable bitmap to the bytes of the halftone or gray file.
// 87 for a method above 3, a contrast or brightness outside -255 ... 255, or a bitmap
// that ReadBitmap refuses.
Status HalftoneBitmap(std::span<const uint8_t> source, uint32_t method, int32_t contrast, int32_t brightness,
                      std::vector<uint8_t>& file, HalftoneWork& work);
Status GrayBitmap(std::span<const uint8_t> source, int32_t contrast, int32_t brightness,
                  std::vector<uint8_t>& file, HalftoneWork& work);

}  // namespace varnel::logo
