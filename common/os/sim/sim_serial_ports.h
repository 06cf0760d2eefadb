#pragma once
// The places where serial line settings are kept, in memory.

#include <array>
#include <map>
#include <optional>

#include "common/base/text.h"
#include "common/os/serial_ports.h"
#include "common/os/sim/faults.h"

namespace varnel::os::sim {

class SimSerialPortStore : public SerialPortStore {
 public:
  // Method names for fault injection: "SetPortsValue", "ReadPortSubClass", "WriteDcb", "WriteProfilePorts".
  Faults faults;

  bool portsKeyExists = true;
  std::map<std::string, std::string> portsValues;   // by lower-cased port name
  RegView lastView = RegView::Native;
  struct ClassKey {
    bool exists = false;
    std::optional<std::vector<uint8_t>> portSubClass;
    std::optional<std::vector<uint8_t>> dcb;
  };
  std::array<ClassKey, 4> classKeys;
  std::map<std::string, std::string> profilePorts;  // by lower-cased port name
  int profileBroadcasts = 0;

  Status SetPortsValue(const std::string& port, const std::string& settings, RegView view) override {
    if (Status st = faults.Enter("SetPortsValue"); !st) return st;
    if (!portsKeyExists) return Status::Fail(err::kFileNotFound, "Ports");
    portsValues[AsciiLower(port)] = settings;
    lastView = view;
    return Status::Ok();
  }
  Status ReadPortSubClass(int classKey, std::vector<uint8_t>& value) override {
    if (Status st = faults.Enter("ReadPortSubClass"); !st) return st;
    if (classKey < 0 || classKey > 3 || !classKeys[classKey].portSubClass) {
      return Status::Fail(err::kFileNotFound, "PortSubClass");
    }
    value = *classKeys[classKey].portSubClass;
    return Status::Ok();
  }
  Status WriteDcb(int classKey, std::span<const uint8_t> block) override {
    if (Status st = faults.Enter("WriteDcb"); !st) return st;
    if (classKey < 0 || classKey > 3 || !classKeys[classKey].exists) return Status::Fail(err::kFileNotFound, "DCB");
    classKeys[classKey].dcb.emplace(block.begin(), block.end());
    return Status::Ok();
  }
  Status WriteProfilePorts(const std::string& port, const std::string& settings) override {
    if (Status st = faults.Enter("WriteProfilePorts"); !st) return st;
    profilePorts[AsciiLower(port)] = settings;
    ++profileBroadcasts;
    return Status::Ok();
  }
};

}  // namespace varnel::os::sim
