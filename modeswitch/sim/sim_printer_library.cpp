#include "modeswitch/sim/sim_printer_library.h"

#include <stdexcept>

#include "common/base/text.h"

namespace varnel::modeswitch::sim {

void SimPrinterLibrary::Called(LibraryEntry entry, const std::string& call) {
  // Calling an entry that was not resolved would crash a real program.
  if (!Has(entry)) throw std::logic_error("unresolved entry called: " + call);
  state_.calls.push_back(call);
}

int32_t SimPrinterLibrary::Enumerate() {
  Called(LibraryEntry::kEnumerate, "Enumerate");
  return state_.printers;
}

int32_t SimPrinterLibrary::Open(int32_t position) {
  Called(LibraryEntry::kOpen, "Open " + std::to_string(position));
  return position >= 1 && position <= state_.printers ? 1 : 0;
}

uint32_t SimPrinterLibrary::Write(std::span<const uint8_t> bytes) {
  Called(LibraryEntry::kWrite, "Write " + HexBytes(bytes));
  return state_.accepted.value_or(static_cast<uint32_t>(bytes.size()));
}

int32_t SimPrinterLibrary::Close() {
  Called(LibraryEntry::kClose, "Close");
  return 1;
}

}  // namespace varnel::modeswitch::sim
