#include "setup/usb/kernel_driver.h"

#include "common/version/version_text.h"

namespace varnel::setup {

std::string UsbDriverPackageFolder(bool is64) { return is64 ? "USBDRV\\USBDriver_x64\\" : "USBDRV\\USBDriver\\"; }

std::string InstalledUsbDriverPath(const std::string& windowsFolder) {
  return windowsFolder + "\\system32\\drivers\\KTXPUSB.sys";
}

std::string InstalledUsbDriverVersion(os::SystemInfo& system, os::FileVersions& versions,
                                      os::FsRedirection& redirection, bool is64, const Notice& notice) {
  std::string folder;
  if (!system.WindowsFolder(folder)) return version::kNoVersion;
  std::string text = version::kNoVersion;
  RunWithoutRedirection(is64, redirection, notice,
                        [&] { text = version::FileVersionText(versions, InstalledUsbDriverPath(folder)); });
  return text;
}

bool UsbDriverNeedsInstall(const std::string& shippedVersion, const std::string& installedVersion) {
  if (shippedVersion == installedVersion) return false;
  const uint32_t installed = version::ReducedVersionNumber(installedVersion);
  return installed == 0 || installed < version::ReducedVersionNumber(shippedVersion);
}

}  // namespace varnel::setup
