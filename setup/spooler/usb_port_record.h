#pragma once
// The registry records the wizard leaves for a USB port before the installation
// worker starts; the uninstaller removes PORTNAME again when it removes a USB monitor.

#include <cstdint>
#include <string>

#include "common/base/status.h"
#include "common/os/registry.h"

namespace varnel::setup {

inline constexpr const char* kPortNameKey = "SOFTWARE\\KTX\\PORTNAME";
inline constexpr const char* kPrinterPortKey = "SOFTWARE\\KTX\\PRINTERPORT";

// Sets PORTNAME\<port> to the port's number from the configuration (creating the key
// when missing) and makes sure PRINTERPORT exists. On a 64-bit system the caller passes
// the 64-bit view.
Status RecordUsbPort(os::Registry& registry, const std::string& portName, uint32_t number, os::RegView view);

}  // namespace varnel::setup
