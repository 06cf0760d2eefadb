#pragma once
// Printers in API mode, as the maker's USB kernel driver exposes them: devices opened by
// name for writing and driven with device control calls. Win32 adapter:
// win32/win32_api_mode_devices.h; simulation: sim/sim_api_mode_devices.h.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "common/base/status.h"

namespace varnel::modeswitch {

// An open device; destroying it closes it.
class ApiModeDevice {
 public:
  virtual ~ApiModeDevice() = default;
  // One device control call without an overlapped record. bytesReturned is the driver's
  // answer when the call succeeds.
  virtual Status Control(uint32_t code, std::span<const uint8_t> input, std::span<uint8_t> output,
                         uint32_t& bytesReturned) = 0;
};

class ApiModeDevices {
 public:
  virtual ~ApiModeDevices() = default;
  // Opens an existing device for writing, sharing writes with others. Fails when there is
  // no such device.
  virtual Status Open(const std::string& path, std::unique_ptr<ApiModeDevice>& device) = 0;
};

}  // namespace varnel::modeswitch
