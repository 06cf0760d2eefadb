#include "plugin/logo/convert.h"

#include <gtest/gtest.h>

namespace varnel::logo {
namespace {

class FakeLibrary : public BitmapLibrary {
 public:
  int loads = 0, unloads = 0, calls = 0;
  bool loadable = true;
  int32_t result = 0;
  std::string source, destination;

  Status Load() override {
    ++loads;
    return loadable ? Status::Ok() : Status::Fail(err::kFileNotFound, "LoadLibrary");
  }
  int32_t Halftone(const std::string& s, uint32_t, int32_t, int32_t, const std::string& d) override {
    return Record(s, d);
  }
  int32_t Gray(const std::string& s, int32_t, int32_t, const std::string& d) override { return Record(s, d); }
  void Unload() override { ++unloads; }

 private:
  int32_t Record(const std::string& s, const std::string& d) {
    ++calls;
    source = s;
    destination = d;
    return result;
  }
};

TEST(ConvertedFileName, CutsAtTheFirstDotBmp) {
  EXPECT_EQ(ConvertedFileName("C:\\Temp\\sun.bmp"), "C:\\Temp\\sunTemp.bmp");
  EXPECT_EQ(ConvertedFileName("C:\\logos.bmp\\sun.bmp"), "C:\\logosTemp.bmp");
  EXPECT_EQ(ConvertedFileName("C:\\Temp\\SUN.BMP"), "C:\\Temp\\SUN.BMPTemp.bmp");
}

TEST(HalftoneToFile, RefusesBadArgumentsWithoutLoadingTheLibrary) {
  struct Case {
    const char* source;
    uint32_t method;
    int32_t contrast, brightness;
  } cases[] = {{"", 0, 0, 0}, {"a.bmp", 4, 0, 0}, {"a.bmp", 0, 256, 0}, {"a.bmp", 0, -256, 0},
               {"a.bmp", 0, 0, 256}, {"a.bmp", 0, 0, -256}};
  for (const Case& c : cases) {
    FakeLibrary library;
    std::string destination;
    EXPECT_FALSE(HalftoneToFile(library, c.source, c.method, c.contrast, c.brightness, destination));
    if (c.method == 0) {
      EXPECT_FALSE(GrayToFile(library, c.source, c.contrast, c.brightness, destination));
    }
    EXPECT_EQ(library.loads, 0) << c.method << " " << c.contrast << " " << c.brightness;
  }
}

TEST(HalftoneToFile, LoadsCallsAndReleasesOnEveryPath) {
  FakeLibrary library;
  std::string destination;
  EXPECT_TRUE(HalftoneToFile(library, "C:\\T\\sun.bmp", 3, 255, -255, destination));
  EXPECT_EQ(destination, "C:\\T\\sunTemp.bmp");
  EXPECT_EQ(library.destination, destination);
  EXPECT_EQ(library.source, "C:\\T\\sun.bmp");

  library.result = 5;
  EXPECT_FALSE(GrayToFile(library, "C:\\T\\sun.bmp", 0, 0, destination));
  library.loadable = false;
  EXPECT_FALSE(HalftoneToFile(library, "C:\\T\\sun.bmp", 0, 0, 0, destination));
  EXPECT_EQ(library.loads, 3);
  EXPECT_EQ(library.calls, 2);
  EXPECT_EQ(library.unloads, 3);
}

}  // namespace
}  // namespace varnel::logo
