// Pixmill.dll as the plug-in loads it: from the system folder, by its undecorated
// __stdcall entries, converting files in the temporary folder. Its files must equal what
// the logo core makes of the same bytes.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/os/win32/win32_files.h"
#include "plugin/logo/convert.h"
#include "plugin/logo/halftone.h"
#include "plugin/logo/test_bitmaps.h"
#include "plugin/logo/win32_bitmap_library.h"
#include "tests/wine/support/logo_support.h"

namespace varnel {
namespace {

using logo::fixtures::MakeBitmap;
using winetest::TempFolder;

class Pixmill : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // The plug-in loads the library from the system folder only; put the built one there.
    ASSERT_TRUE(winetest::InstallPixmill()) << GetLastError();
  }

  std::string Put(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = TempFolder() + name;
    EXPECT_TRUE(files.WriteFile(path, bytes));
    return path;
  }
  std::vector<uint8_t> Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    files.ReadFile(path, bytes);
    return bytes;
  }

  win32::Win32Files files;
  win32::Win32BitmapLibrary library;
  const std::vector<uint8_t> picture = MakeBitmap(45, 30, 24, {}, [](int32_t x, int32_t y) {
    return uint32_t((x * 5) % 256) << 16 | uint32_t((y * 8) % 256) << 8 | uint32_t((x + y) * 3 % 256);
  });
};

TEST_F(Pixmill, ExportsBothEntriesUndecorated) {
  HMODULE module = LoadLibraryA("Pixmill.dll");
  ASSERT_NE(module, nullptr) << GetLastError();
  EXPECT_NE(GetProcAddress(module, "BmpHalftoneProc"), nullptr);
  EXPECT_NE(GetProcAddress(module, "BmpGrayProc"), nullptr);
  FreeLibrary(module);
}

TEST_F(Pixmill, HalftoneFilesMatchTheCoreForEveryMethod) {
  const std::string source = Put("pixmill_picture.bmp", picture);
  logo::HalftoneWork work;
  for (uint32_t method = 0; method <= 3; ++method) {
    std::string destination;
    ASSERT_TRUE(logo::HalftoneToFile(library, source, method, 30, -20, destination)) << method;
    EXPECT_EQ(destination, TempFolder() + "pixmill_pictureTemp.bmp");
    std::vector<uint8_t> expected;
    ASSERT_TRUE(logo::HalftoneBitmap(picture, method, 30, -20, expected, work));
    EXPECT_EQ(Read(destination), expected) << method;
  }
}

TEST_F(Pixmill, GrayFileMatchesTheCore) {
  const std::string source = Put("pixmill_gray.bmp", picture);
  std::string destination;
  ASSERT_TRUE(logo::GrayToFile(library, source, -40, 25, destination));
  logo::HalftoneWork work;
  std::vector<uint8_t> expected;
  ASSERT_TRUE(logo::GrayBitmap(picture, -40, 25, expected, work));
  EXPECT_EQ(Read(destination), expected);
}

TEST_F(Pixmill, RefusesWhatItCannotConvertAndWritesNothing) {
  std::vector<uint8_t> cut = picture;
  cut.resize(cut.size() / 2);
  const std::string source = Put("pixmill_cut.bmp", cut);
  const std::string converted = TempFolder() + "pixmill_cutTemp.bmp";
  DeleteFileA(converted.c_str());
  ASSERT_TRUE(library.Load());
  EXPECT_NE(library.Halftone(source, 1, 0, 0, converted), 0);
  EXPECT_NE(library.Gray(source, 0, 0, converted), 0);
  EXPECT_NE(library.Halftone(Put("pixmill_ok.bmp", picture), 4, 0, 0, converted), 0);
  EXPECT_NE(library.Gray(TempFolder() + "absent.bmp", 0, 0, converted), 0);
  library.Unload();
  EXPECT_EQ(GetFileAttributesA(converted.c_str()), INVALID_FILE_ATTRIBUTES);
  std::string destination;
  EXPECT_FALSE(logo::HalftoneToFile(library, source, 1, 0, 0, destination));
}

}  // namespace
}  // namespace varnel
