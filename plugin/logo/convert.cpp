#include "plugin/logo/convert.h"

#include "plugin/logo/halftone.h"

namespace varnel::logo {

namespace {

bool ToneInRange(int32_t value) { return value >= -kToneLimit && value <= kToneLimit; }

// Loads the library, runs one call and releases the library whatever happened.
template <typename Call>
bool WithLibrary(BitmapLibrary& library, Call call) {
  if (!library.Load()) {
    library.Unload();
    return false;
  }
  const int32_t result = call();
  library.Unload();
  return result == 0;
}

}  // namespace

std::string ConvertedFileName(const std::string& source) {
  return source.substr(0, source.find(".bmp")) + "Temp.bmp";
}

bool HalftoneToFile(BitmapLibrary& library, const std::string& source, uint32_t method, int32_t contrast,
                    int32_t brightness, std::string& destination) {
  if (source.empty() || method > kLastHalftoneMethod || !ToneInRange(contrast) || !ToneInRange(brightness)) {
    return false;
  }
  return WithLibrary(library, [&] {
    destination = ConvertedFileName(source);
    return library.Halftone(source, method, contrast, brightness, destination);
  });
}

bool GrayToFile(BitmapLibrary& library, const std::string& source, int32_t contrast, int32_t brightness,
                std::string& destination) {
  if (source.empty() || !ToneInRange(contrast) || !ToneInRange(brightness)) return false;
  return WithLibrary(library, [&] {
    destination = ConvertedFileName(source);
    return library.Gray(source, contrast, brightness, destination);
  });
}

}  // namespace varnel::logo
