#pragma once
// The real redirection switches, top-level windows, instance lock, serial port settings
// and version resources.

#include "common/os/desktop.h"
#include "common/os/file_versions.h"
#include "common/os/instance_lock.h"
#include "common/os/redirection.h"
#include "common/os/serial_ports.h"

namespace varnel::win32 {

class Win32FsRedirection : public os::FsRedirection {
 public:
  Availability Check() override;
  Status Disable(uintptr_t& saved) override;
  Status Revert(uintptr_t saved) override;
};

class Win32Desktop : public os::Desktop {
 public:
  os::WindowRef FindByCaption(const std::string& caption) override;
  Status BringForward(os::WindowRef window) override;
};

// The mutex handle stays open until the process ends.
class Win32InstanceLock : public os::InstanceLock {
 public:
  Status Acquire(const std::string& name, bool& existed) override;
};

class Win32SerialPortStore : public os::SerialPortStore {
 public:
  Status SetPortsValue(const std::string& port, const std::string& settings, os::RegView view) override;
  Status ReadPortSubClass(int classKey, std::vector<uint8_t>& value) override;
  Status WriteDcb(int classKey, std::span<const uint8_t> block) override;
  Status WriteProfilePorts(const std::string& port, const std::string& settings) override;
};

class Win32FileVersions : public os::FileVersions {
 public:
  Status ReadVersionBlock(const std::string& path, std::vector<uint8_t>& block) override;
};

}  // namespace varnel::win32
