#pragma once
// What the system says about itself: its version, its processor, whether it is a 64-bit
// system, the groups of the current user and the Windows folder.

#include <cstdint>
#include <string>
#include <vector>

#include "common/base/status.h"

namespace varnel::os {

// The extended version record (OSVERSIONINFOEX).
struct VersionRecord {
  uint32_t platformId = 0;  // 1 the Windows 9x line, 2 the NT line
  uint32_t major = 0;
  uint32_t minor = 0;
  uint32_t build = 0;
  uint8_t productType = 0;  // 1 workstation, 2 domain controller, 3 server; 0 unknown
};

// Processor architectures as the native system information names them.
inline constexpr uint16_t kProcessorX86 = 0;
inline constexpr uint16_t kProcessorIa64 = 6;
inline constexpr uint16_t kProcessorAmd64 = 9;

// A security identifier: authority and sub-authorities (S-1-5-32-544 is {5, {32, 544}}).
struct Sid {
  uint64_t authority = 0;
  std::vector<uint32_t> subAuthorities;
  bool operator==(const Sid&) const = default;
};

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;

  // The version as the system reports it to this program.
  virtual Status Version(VersionRecord& record) = 0;
  // The processor architecture of the native system (kProcessor...).
  virtual uint16_t NativeProcessor() = 0;
  // True when the program runs on a 64-bit system: a 64-bit program always, a 32-bit one
  // when the system runs it under WOW64. 127 (procedure not found) when the system cannot
  // tell.
  virtual Status Is64BitSystem(bool& is64) = 0;
  // The groups of the thread's token, or of the process token when the thread has none.
  virtual Status UserGroups(std::vector<Sid>& groups) = 0;
  // The Windows folder ("C:\Windows"), without a trailing '\'.
  virtual Status WindowsFolder(std::string& folder) = 0;
};

}  // namespace varnel::os
