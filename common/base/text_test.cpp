#include "common/base/text.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

TEST(Paths, NormalizeFoldsSeparatorsAndKeepsRoots) {
  struct Case { const char* in; const char* normal; const char* parent; const char* name; };
  const Case cases[] = {
      {"C:/Windows//System32/", "C:\\Windows\\System32", "C:\\Windows", "System32"},
      {"C:\\x.dll", "C:\\x.dll", "C:\\", "x.dll"},
      {"C:\\", "C:\\", "", ""},
      {"DRVCONFIG\\setup.ini", "DRVCONFIG\\setup.ini", "DRVCONFIG", "setup.ini"},
      {"setup.ini", "setup.ini", "", "setup.ini"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(NormalizePath(cases[i].in), cases[i].normal) << "case " << i;
    EXPECT_EQ(ParentPath(cases[i].in), cases[i].parent) << "case " << i;
    if (std::string(cases[i].normal) == "C:\\") continue;
    EXPECT_EQ(FileNamePart(cases[i].in), cases[i].name) << "case " << i;
  }
}

TEST(Text, CaseFoldingIsAsciiOnly) {
  EXPECT_TRUE(EqualsNoCase("DeviceName", "DEVICENAME"));
  EXPECT_FALSE(EqualsNoCase("DeviceName", "DEVICENAM"));
  EXPECT_TRUE(ContainsNoCase("Varnel USB_001", "usb_"));
  EXPECT_EQ(AsciiUpper("usb\\vid_1fc9&pid_2016"), "USB\\VID_1FC9&PID_2016");
  EXPECT_EQ(AsciiLower("\xC3\x84X"), "\xC3\x84x") << "bytes above 127 pass unchanged";
}

}  // namespace
}  // namespace varnel
