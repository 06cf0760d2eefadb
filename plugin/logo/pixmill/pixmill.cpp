// Pixmill.dll: the bitmap library that the plug-in loads for each logo conversion.
// Both entries read a bitmap file (1, 4, 8, 24 or 32 bits, uncompressed) and write the
// converted file; the paths are in the system code page. They return 0 on success and
// otherwise one of the results below; nothing is written when they fail.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/os/win32/win32_files.h"
#include "common/os/win32/wide.h"
#include "plugin/logo/halftone.h"

namespace {

enum Result : int32_t {
  kDone = 0,
  kBadArgument = 1,      // a missing path, a method above 3, a tone value outside -255 ... 255
  kSourceUnreadable = 2,
  kNotABitmap = 3,       // a file the reader refuses
  kDestinationFailed = 4,
  kNoMemory = 5,         // the file or its conversion does not fit in memory
};

// The core speaks UTF-8; the callers give paths in the system code page.
bool FromSystemCodePage(const char* path, std::string& utf8) {
  if (!path || !*path) return false;
  const int length = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (length <= 1) return false;
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path, -1, wide.data(), length);
  wide.resize(size_t(length) - 1);
  utf8 = varnel::win32::Narrow(wide);
  return true;
}

// A source of up to 2 GB is read whole; in a 32-bit caller that allocation can fail, and
// nothing thrown may cross the export into the caller.
template <typename Convert>
int32_t ConvertFile(const char* source, const char* destination, Convert convert) try {
  std::string from, to;
  if (!FromSystemCodePage(source, from) || !FromSystemCodePage(destination, to)) return kBadArgument;
  varnel::win32::Win32Files files;
  std::vector<uint8_t> bytes, converted;
  if (!files.ReadFile(from, bytes)) return kSourceUnreadable;
  if (!convert(bytes, converted)) return kNotABitmap;
  if (!files.WriteFile(to, converted)) return kDestinationFailed;
  return kDone;
} catch (...) {
  return kNoMemory;
}

bool ToneInRange(int32_t value) { return value >= -varnel::logo::kToneLimit && value <= varnel::logo::kToneLimit; }

}  // namespace

extern "C" int32_t __stdcall BmpHalftoneProc(const char* source, uint32_t method, int32_t contrast,
                                             int32_t brightness, const char* destination) {
  if (method > varnel::logo::kLastHalftoneMethod || !ToneInRange(contrast) || !ToneInRange(brightness)) {
    return kBadArgument;
  }
  return ConvertFile(source, destination, [&](const std::vector<uint8_t>& bytes, std::vector<uint8_t>& out) {
    varnel::logo::HalftoneWork work;
    return varnel::logo::HalftoneBitmap(bytes, method, contrast, brightness, out, work).ok();
  });
}

extern "C" int32_t __stdcall BmpGrayProc(const char* source, int32_t contrast, int32_t brightness,
                                         const char* destination) {
  if (!ToneInRange(contrast) || !ToneInRange(brightness)) return kBadArgument;
  return ConvertFile(source, destination, [&](const std::vector<uint8_t>& bytes, std::vector<uint8_t>& out) {
    varnel::logo::HalftoneWork work;
    return varnel::logo::GrayBitmap(bytes, contrast, brightness, out, work).ok();
  });
}
