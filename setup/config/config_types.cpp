#include "setup/config/config_types.h"

namespace varnel::setup {

std::string_view SystemSuffix(int system) {
  static constexpr std::string_view kSuffixes[kSystems] = {".98",   ".NT",    ".2K",   ".XP",
                                                           ".2003", ".Vista", ".2008", ".Win7"};
  return (system >= 0 && system < kSystems) ? kSuffixes[system] : std::string_view();
}

char PortLetter(PortKind kind) {
  switch (kind) {
    case PortKind::Serial: return 'S';
    case PortKind::Parallel: return 'P';
    case PortKind::Usb: return 'U';
    case PortKind::Network: return 'N';
  }
  return '?';
}

std::string_view FamilyPrefix(KeyFamily family) { return family == KeyFamily::Gdi ? "GDI" : "STD"; }

}  // namespace varnel::setup
