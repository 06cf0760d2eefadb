#include "setup/usb/kernel_driver.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_file_versions.h"
#include "common/os/sim/sim_redirection.h"
#include "common/os/sim/sim_system.h"

namespace varnel::setup {
namespace {

TEST(UsbKernelDriver, InstallsWhenMissingOrOlderOnly) {
  const struct {
    const char* shipped;
    const char* installed;
    bool install;
  } rows[] = {{"1.0.0.6", "1.0.0.5", true},  {"1.0.0.6", "1.0.0.6", false}, {"1.0.0.6", "0.0.0.0", true},
              {"1.0.0.6", "1.0.0.7", false}, {"2.0.1.3", "1.9.9.9", true},  {"1.0.0.6", "1.0.0.6 ", false},
              {"0.0.0.0", "0.0.0.0", false}};
  for (const auto& row : rows) {
    EXPECT_EQ(UsbDriverNeedsInstall(row.shipped, row.installed), row.install) << row.shipped << " over " << row.installed;
  }
  EXPECT_EQ(UsbDriverPackageFolder(true), "USBDRV\\USBDriver_x64\\");
  EXPECT_EQ(UsbDriverPackageFolder(false), "USBDRV\\USBDriver\\");
}

TEST(UsbKernelDriver, ReadsTheInstalledVersionWithoutRedirection) {
  os::sim::SimSystemInfo system;
  system.windowsFolder = "D:\\WINNT";
  os::sim::SimFsRedirection redirection;
  os::sim::SimFileVersions versions;
  versions.redirectionOff = &redirection.off;
  std::vector<std::string> notices;
  auto notice = [&](const std::string& text) { notices.push_back(text); };

  EXPECT_EQ(InstalledUsbDriverVersion(system, versions, redirection, true, notice), "0.0.0.0") << "not installed";
  EXPECT_EQ(versions.readsWithRedirectionOff, std::vector<bool>{true});
  EXPECT_FALSE(redirection.off);
  EXPECT_EQ(InstalledUsbDriverVersion(system, versions, redirection, false, notice), "0.0.0.0");
  EXPECT_EQ(versions.readsWithRedirectionOff, (std::vector<bool>{true, false}));
  EXPECT_EQ(versions.faults.Calls("ReadVersionBlock"), 2);
  EXPECT_EQ(InstalledUsbDriverPath("D:\\WINNT"), "D:\\WINNT\\system32\\drivers\\KTXPUSB.sys");

  system.faults.FailOnce("WindowsFolder", 5);
  EXPECT_EQ(InstalledUsbDriverVersion(system, versions, redirection, true, notice), "0.0.0.0");
  EXPECT_TRUE(notices.empty());
}

}  // namespace
}  // namespace varnel::setup
