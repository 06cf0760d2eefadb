// Logo conversion on a 1024 x 768 picture (the largest logo the download page takes),
// in process from the file's bytes in memory. Buffers live across iterations, as they
// do in Pixmill.dll between rows.
#include <benchmark/benchmark.h>

#include <cmath>

#include "plugin/logo/bitmap24.h"
#include "plugin/logo/halftone.h"
#include "plugin/logo/logo_pack.h"
#include "plugin/logo/test_bitmaps.h"

namespace varnel::logo {
namespace {

constexpr int32_t kWidth = 1024, kHeight = 768;

// A picture with smooth areas, edges and fine detail, as a photo-like logo has.
uint32_t Scene(int32_t x, int32_t y) {
  const double d = std::hypot(x - 512.0, y - 384.0);
  const int base = int(128 + 100 * std::sin(d / 40.0)) + ((x / 64 + y / 64) % 2 ? 20 : -20);
  const int v = std::clamp(base + (x * 7 + y * 13) % 17 - 8, 0, 255);
  return uint32_t(v << 16 | std::clamp(v + 10, 0, 255) << 8 | std::clamp(v - 10, 0, 255));
}

const std::vector<uint8_t>& TrueColour() {
  static const std::vector<uint8_t> file = fixtures::MakeBitmap(kWidth, kHeight, 24, {}, Scene);
  return file;
}
const std::vector<uint8_t>& GrayFile() {
  static const std::vector<uint8_t> file =
      fixtures::MakeBitmap(kWidth, kHeight, 8, fixtures::GrayPalette(), [](int32_t x, int32_t y) { return Scene(x, y) & 0xFF; });
  return file;
}
const std::vector<uint8_t>& MonoFile() {
  static const std::vector<uint8_t> file = [] {
    std::vector<uint8_t> out;
    HalftoneWork work;
    HalftoneBitmap(TrueColour(), 3, 0, 0, out, work);
    return out;
  }();
  return file;
}

void SetBytes(benchmark::State& state) { state.SetBytesProcessed(int64_t(state.iterations()) * kWidth * kHeight); }

// The whole of BmpHalftoneProc's work: decode the 24-bit file, tone, halftone, write the 1-bit file.
void BM_HalftoneBitmap(benchmark::State& state) {
  const uint32_t method = uint32_t(state.range(0));
  const int32_t tone = int32_t(state.range(1));
  std::vector<uint8_t> out;
  HalftoneWork work;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HalftoneBitmap(TrueColour(), method, tone, tone / 2, out, work).ok());
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_HalftoneBitmap)->ArgsProduct({{0, 1, 2, 3}, {0, 40}})->Unit(benchmark::kMicrosecond);

// The halftone alone, from the decoded intensities.
void BM_HalftoneImage(benchmark::State& state) {
  const auto method = HalftoneMethod(state.range(0));
  HalftoneWork work;
  if (!DecodeGray(TrueColour(), work.image)) state.SkipWithError("decode");
  std::vector<uint8_t> out;
  for (auto _ : state) {
    HalftoneImage(work.image, method, 0, 0, out, work);
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_HalftoneImage)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_DecodeGray24(benchmark::State& state) {
  GrayImage image;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecodeGray(TrueColour(), image).ok());
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_DecodeGray24)->Unit(benchmark::kMicrosecond);

// The whole of BmpGrayProc's work.
void BM_GrayBitmap(benchmark::State& state) {
  const int32_t tone = int32_t(state.range(0));
  std::vector<uint8_t> out;
  HalftoneWork work;
  for (auto _ : state) {
    benchmark::DoNotOptimize(GrayBitmap(TrueColour(), tone, tone, out, work).ok());
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_GrayBitmap)->Arg(0)->Arg(40)->Unit(benchmark::kMicrosecond);

void BM_ConvertTo24(benchmark::State& state) {
  const std::vector<uint8_t>& source = state.range(0) == 8 ? GrayFile() : MonoFile();
  std::vector<uint8_t> out;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ConvertTo24(source, out).ok());
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_ConvertTo24)->Arg(8)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_PackMonoLogo(benchmark::State& state) {
  LogoData logo;
  bool invert = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PackMonoLogo(MonoFile(), invert, logo).ok());
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_PackMonoLogo)->Unit(benchmark::kMicrosecond);

void BM_PackGrayLogo(benchmark::State& state) {
  LogoData logo;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PackGrayLogo(GrayFile(), logo).ok());
    benchmark::ClobberMemory();
  }
  SetBytes(state);
}
BENCHMARK(BM_PackGrayLogo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace varnel::logo
