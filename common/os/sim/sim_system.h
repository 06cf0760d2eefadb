#pragma once
// A system whose version, processor, bitness, user groups and Windows folder a test sets.

#include "common/os/sim/faults.h"
#include "common/os/system.h"

namespace varnel::os::sim {

class SimSystemInfo : public SystemInfo {
 public:
  // Method names for fault injection: "Version", "Is64BitSystem", "UserGroups", "WindowsFolder".
  Faults faults;

  VersionRecord version{2, 6, 1, 7601, 1};
  uint16_t processor = kProcessorX86;
  bool is64 = false;
  std::vector<Sid> groups{Sid{5, {32, 545}}};
  std::string windowsFolder = "C:\\Windows";

  Status Version(VersionRecord& record) override {
    if (Status st = faults.Enter("Version"); !st) return st;
    record = version;
    return Status::Ok();
  }
  uint16_t NativeProcessor() override { return processor; }
  Status Is64BitSystem(bool& answer) override {
    if (Status st = faults.Enter("Is64BitSystem"); !st) return st;
    answer = is64;
    return Status::Ok();
  }
  Status UserGroups(std::vector<Sid>& out) override {
    if (Status st = faults.Enter("UserGroups"); !st) return st;
    out = groups;
    return Status::Ok();
  }
  Status WindowsFolder(std::string& folder) override {
    if (Status st = faults.Enter("WindowsFolder"); !st) return st;
    folder = windowsFolder;
    return Status::Ok();
  }
};

}  // namespace varnel::os::sim
