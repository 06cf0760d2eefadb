#pragma once
// Conversion of a logo's working copy through the bitmap library Pixmill.dll, which the
// plug-in loads for each conversion and releases after it.

#include <cstdint>
#include <string>

#include "common/base/status.h"

namespace varnel::logo {

// Pixmill.dll as the plug-in uses it. Paths are the core's UTF-8; the adapter passes
// them in the system code page.
class BitmapLibrary {
 public:
  virtual ~BitmapLibrary() = default;
  // Loads the library and resolves both entries (releasing a previous load first).
  virtual Status Load() = 0;
  // The library's results: 0 is success.
  virtual int32_t Halftone(const std::string& source, uint32_t method, int32_t contrast, int32_t brightness,
                           const std::string& destination) = 0;
  virtual int32_t Gray(const std::string& source, int32_t contrast, int32_t brightness,
                       const std::string& destination) = 0;
  // Releases the library and forgets its entries.
  virtual void Unload() = 0;
};

// The converted file of a source: the path cut at the first ".bmp" (exact case), then
// "Temp.bmp". "C:\Temp\sun.bmp" gives "C:\Temp\sunTemp.bmp".
std::string ConvertedFileName(const std::string& source);

// Writes the 1-bit halftone of source to its converted file and names it in destination.
// Refuses, without loading the library, an empty source, a method above 3, or a
// contrast or brightness outside -255 ... 255. The library is released on every path.
bool HalftoneToFile(BitmapLibrary& library, const std::string& source, uint32_t method, int32_t contrast,
                    int32_t brightness, std::string& destination);
// The same for the 8-bit gray image.
bool GrayToFile(BitmapLibrary& library, const std::string& source, int32_t contrast, int32_t brightness,
                std::string& destination);

}  // namespace varnel::logo
