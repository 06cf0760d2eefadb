#pragma once
// Which of the supported systems this is, from the version record and the native
// processor: index 0 Windows 98 family, 1 NT 4.0, 2 2000, 3 XP, 4 Server 2003, 5 Vista,
// 6 Server 2008, 7 Windows 7 and later.

#include <optional>

#include "common/os/system.h"

namespace varnel::sys {

inline constexpr uint8_t kWorkstation = 1;

struct Classification {
  int index = 0;
  bool unknownPlatform = false;  // neither the 9x nor the NT line: the caller says so
};

// The general classification (administrator check, USB kernel driver decision).
Classification ClassifyGeneral(const os::VersionRecord& version, uint16_t processor);

// The classification of the operating-system page: the button checked (0..8, 8 being
// "Windows 8" for 6.2 and later) or none, and the index it gives (8 counts as 7).
// Windows 95 checks no button and gives index 0.
struct PageClassification {
  std::optional<int> button;
  int index = 0;
  bool unknownPlatform = false;
};
PageClassification ClassifyPage(const os::VersionRecord& version, uint16_t processor);

// True when any of the groups is the built-in Administrators group (S-1-5-32-544).
bool HasAdministrators(const std::vector<os::Sid>& groups);
// The administrator test: any failure on the way counts as not an administrator.
bool IsAdministrator(os::SystemInfo& system);

}  // namespace varnel::sys
