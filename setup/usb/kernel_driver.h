#pragma once
// The maker's USB kernel driver: where its package lies on the medium, where the
// installed driver file lies, and whether the shipped one is to be installed.

#include <string>

#include "common/os/file_versions.h"
#include "common/os/redirection.h"
#include "common/os/system.h"
#include "setup/platform/redirection.h"

namespace varnel::setup {

// "USBDRV\USBDriver\" or "USBDRV\USBDriver_x64\" (relative to the program folder).
std::string UsbDriverPackageFolder(bool is64);
// The installed driver: the Windows folder followed by \system32\drivers\KTXPUSB.sys.
std::string InstalledUsbDriverPath(const std::string& windowsFolder);

// The version text of the installed driver, read without file-system redirection on a
// 64-bit system; "0.0.0.0" when it is absent or has no version.
std::string InstalledUsbDriverVersion(os::SystemInfo& system, os::FileVersions& versions,
                                      os::FsRedirection& redirection, bool is64, const Notice& notice);

// Equal texts: nothing to do. Otherwise both are reduced to their even positions and
// compared as numbers: no installed driver (0) or an older one means install.
bool UsbDriverNeedsInstall(const std::string& shippedVersion, const std::string& installedVersion);

}  // namespace varnel::setup
