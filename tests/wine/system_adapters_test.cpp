// The Win32 adapters of the system, redirection, window, lock, serial-port and version
// concerns against the real platform.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/base/text.h"
#include "common/os/win32/win32_platform.h"
#include "common/os/win32/win32_registry.h"
#include "common/os/win32/win32_system.h"
#include "common/os/testing/platform_contracts.h"
#include "common/system/classify.h"
#include "common/version/version_text.h"

namespace varnel::win32 {
namespace {

TEST(Win32System, ReportsA64BitNtSystemThatClassifiesAsWindows7OrLater) {
  Win32SystemInfo system;
  os::VersionRecord version;
  ASSERT_TRUE(system.Version(version).ok());
  EXPECT_EQ(version.platformId, 2u);
  EXPECT_EQ(version.productType, 1u) << "a workstation";
  bool is64 = false;
  ASSERT_TRUE(system.Is64BitSystem(is64).ok());
  EXPECT_TRUE(is64);
  EXPECT_EQ(system.NativeProcessor(), os::kProcessorAmd64);
  // Without a compatibility declaration every newer system reports 6.2.
  EXPECT_EQ(sys::ClassifyGeneral(version, system.NativeProcessor()).index, 7)
      << version.major << "." << version.minor;
  const sys::PageClassification page = sys::ClassifyPage(version, system.NativeProcessor());
  EXPECT_EQ(page.index, 7);
  EXPECT_TRUE(page.button == 7 || page.button == 8);

  std::string windows;
  ASSERT_TRUE(system.WindowsFolder(windows).ok());
  EXPECT_TRUE(EqualsNoCase(windows, "C:\\windows")) << windows;
  std::vector<os::Sid> groups;
  ASSERT_TRUE(system.UserGroups(groups).ok());
  EXPECT_FALSE(groups.empty());
  EXPECT_EQ(sys::IsAdministrator(system), sys::HasAdministrators(groups));
}

TEST(Win32Adapters, KeepTheLockWindowRedirectionAndVersionContracts) {
  Win32InstanceLock lock;
  os::testing::CheckInstanceLockContract(lock, "VarnelContract" + std::to_string(GetCurrentProcessId()));
  Win32Desktop desktop;
  os::testing::CheckDesktopContract(desktop, "Varnel no such window");
  Win32FsRedirection redirection;
  os::testing::CheckRedirectionContract(redirection);
  Win32FileVersions versions;
  os::testing::CheckFileVersionsContract(versions, "C:\\windows\\none.sys");
}

TEST(Win32Desktop, FindsWindowsByTheirCaptionInAnyScript) {
  Win32Desktop desktop;
  const char* chinese = "\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA\xE5\x8D\xB8\xE8\xBD\xBD\xE7\xA8\x8B\xE5\xBA\x8F";
  EXPECT_EQ(desktop.FindByCaption(chinese), 0u);
  HWND window = CreateWindowExW(0, L"STATIC", L"\x6253\x5370\x673A\x5378\x8F7D\x7A0B\x5E8F", WS_OVERLAPPEDWINDOW, 0, 0,
                                100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(desktop.FindByCaption(chinese), reinterpret_cast<os::WindowRef>(window));
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_TRUE(desktop.BringForward(reinterpret_cast<os::WindowRef>(window)).ok());
  EXPECT_FALSE(IsIconic(window)) << "restored from its icon";
  DestroyWindow(window);
  EXPECT_EQ(desktop.FindByCaption(chinese), 0u);
}

TEST(Win32SerialPortStore, WritesTheNtPortsValueAndTheProfileLine) {
  Win32SerialPortStore store;
  ASSERT_TRUE(store.SetPortsValue("COM7:", "19200,e,7,1.5,x", os::RegView::Force64).ok());
  Win32Registry registry;
  std::string value;
  ASSERT_TRUE(registry
                  .GetString(os::RegRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports",
                             "COM7:", value)
                  .ok());
  EXPECT_EQ(value, "19200,e,7,1.5,x");

  ASSERT_TRUE(store.WriteProfilePorts("COM7:", "9600,n,8,1,p").ok());
  char profile[64] = {};
  GetProfileStringA("Ports", "COM7:", "", profile, sizeof profile);
  EXPECT_STREQ(profile, "9600,n,8,1,p");

  std::vector<uint8_t> subClass;
  EXPECT_EQ(store.ReadPortSubClass(3, subClass).code(), 2u) << "no Windows 9x class keys here";
}

TEST(Win32FileVersions, GivesTheFileVersionOrNone) {
  Win32FileVersions versions;
  EXPECT_EQ(version::FileVersionText(versions, "version_probe.dll"), "2.0.1.3");
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_EQ(version::FileVersionText(versions, self), "0.0.0.0") << "a program without a version resource";
  EXPECT_EQ(version::FileVersionText(versions, "C:\\windows\\system32\\drivers\\KTXPUSB.sys"), "0.0.0.0");
}

}  // namespace
}  // namespace varnel::win32
