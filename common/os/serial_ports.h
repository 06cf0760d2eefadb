#pragma once
// Where a system keeps the line settings of its serial ports.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/base/status.h"
#include "common/os/registry.h"

namespace varnel::os {

class SerialPortStore {
 public:
  virtual ~SerialPortStore() = default;

  // Systems of the NT line: the string value named by the port ("COM3:") in the existing
  // key HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports. 2 when the key does not
  // exist (it is not created).
  virtual Status SetPortsValue(const std::string& port, const std::string& settings, RegView view) = 0;

  // The Windows 9x line: the ports class keys under HKLM, System\CurrentControlSet\Services\Class
  // \Ports\0000 to 0003. 2 when the key or the value is absent.
  virtual Status ReadPortSubClass(int classKey, std::vector<uint8_t>& value) = 0;
  // Writes the device control block as the binary value "DCB" without a registry type.
  virtual Status WriteDcb(int classKey, std::span<const uint8_t> block) = 0;
  // The system profile's [Ports] section: writes port=settings, tells every window that
  // "Ports" changed and flushes the profile.
  virtual Status WriteProfilePorts(const std::string& port, const std::string& settings) = 0;
};

}  // namespace varnel::os
