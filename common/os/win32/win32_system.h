#pragma once
// The real system's version, processor, bitness, user groups and Windows folder.

#include "common/os/system.h"

namespace varnel::win32 {

class Win32SystemInfo : public os::SystemInfo {
 public:
  Status Version(os::VersionRecord& record) override;
  uint16_t NativeProcessor() override;
  Status Is64BitSystem(bool& is64) override;
  Status UserGroups(std::vector<os::Sid>& groups) override;
  Status WindowsFolder(std::string& folder) override;
};

}  // namespace varnel::win32
