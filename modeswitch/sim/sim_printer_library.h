#pragma once
// A bound access library in memory: how many printers it reports, which entries it
// lacks, how much of a write it accepts, and every call it received.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "modeswitch/printer_library.h"

namespace varnel::modeswitch::sim {

struct SimLibraryState {
  int32_t printers = 0;
  std::set<LibraryEntry> missing;
  std::optional<uint32_t> accepted;  // what a write reports; the whole length when unset
  // The calls in order: "Enumerate", "Open 3", "Write 1B 73 ...", "Close".
  std::vector<std::string> calls;
};

class SimPrinterLibrary : public PrinterLibrary {
 public:
  explicit SimPrinterLibrary(SimLibraryState& state) : state_(state) {}

  bool Has(LibraryEntry entry) const override { return !state_.missing.count(entry); }
  int32_t Enumerate() override;
  int32_t Open(int32_t position) override;
  uint32_t Write(std::span<const uint8_t> bytes) override;
  int32_t Close() override;

 private:
  void Called(LibraryEntry entry, const std::string& call);
  SimLibraryState& state_;
};

}  // namespace varnel::modeswitch::sim
