#include "common/system/classify.h"

namespace varnel::sys {

namespace {

constexpr uint32_t kPlatform9x = 1;
constexpr uint32_t kPlatformNt = 2;

// The NT line by version; -1 for a version the table does not know.
int NtIndex(const os::VersionRecord& v, uint16_t processor) {
  const bool workstation = v.productType == kWorkstation;
  if (v.major == 4 && v.minor == 0) return 1;
  if (v.major == 5 && v.minor == 0) return 2;
  if (v.major == 5 && v.minor == 1) return 3;
  if (v.major == 5 && v.minor == 2) return (workstation && processor == os::kProcessorAmd64) ? 3 : 4;
  if (v.major == 6 && v.minor == 0) return workstation ? 5 : 6;
  if (v.major == 6 && v.minor == 1) return workstation ? 7 : 6;
  if (v.major == 6 && v.minor >= 2) return 8;  // "Windows 8": every newer system reports 6.2
  return -1;
}

}  // namespace

Classification ClassifyGeneral(const os::VersionRecord& version, uint16_t processor) {
  if (version.platformId == kPlatform9x) return {0, false};
  if (version.platformId != kPlatformNt) return {0, true};
  const int index = NtIndex(version, processor);
  if (index < 0) return {0, false};
  return {index == 8 ? 7 : index, false};
}

PageClassification ClassifyPage(const os::VersionRecord& version, uint16_t processor) {
  PageClassification page;
  if (version.platformId == kPlatform9x) {
    if (version.minor != 0) page.button = 0;  // Windows 95 checks no button
    return page;
  }
  if (version.platformId != kPlatformNt) {
    page.unknownPlatform = true;
    return page;
  }
  const int button = NtIndex(version, processor);
  if (button < 0) return page;
  page.button = button;
  page.index = button == 8 ? 7 : button;
  return page;
}

bool HasAdministrators(const std::vector<os::Sid>& groups) {
  const os::Sid administrators{5, {32, 544}};
  for (const os::Sid& group : groups) {
    if (group == administrators) return true;
  }
  return false;
}

bool IsAdministrator(os::SystemInfo& system) {
  std::vector<os::Sid> groups;
  return system.UserGroups(groups).ok() && HasAdministrators(groups);
}

}  // namespace varnel::sys
