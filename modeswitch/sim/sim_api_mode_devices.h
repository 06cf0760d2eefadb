#pragma once
// In-memory API-mode devices: which device numbers are present, and what each was sent.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/os/sim/faults.h"
#include "modeswitch/api_mode_devices.h"

namespace varnel::modeswitch::sim {

struct SimControlCall {
  uint32_t code = 0;
  std::vector<uint8_t> input;
  std::vector<uint8_t> output;
};

struct SimApiModeDevice {
  std::optional<uint32_t> sentCount;  // what the driver reports sent; the output length when unset
  std::vector<SimControlCall> calls;
  int opens = 0;
  int openNow = 0;
};

class SimApiModeDevices : public ApiModeDevices {
 public:
  // Method names for fault injection: "Open", "Control".
  os::sim::Faults faults;

  // Device QZUSB-n becomes present.
  SimApiModeDevice& Add(int number);
  SimApiModeDevice& Device(int number) { return devices_[number]; }
  // Every path that was asked for, in order.
  const std::vector<std::string>& OpenedPaths() const { return openedPaths_; }

  Status Open(const std::string& path, std::unique_ptr<ApiModeDevice>& device) override;

 private:
  std::map<int, SimApiModeDevice> devices_;
  std::vector<std::string> openedPaths_;
};

}  // namespace varnel::modeswitch::sim
