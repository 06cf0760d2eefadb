#include "setup/ports/network_port.h"

namespace varnel::setup {

namespace {

using Record = std::array<uint8_t, kNetworkRecordSize>;

void Put32(Record& record, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) record[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

// A text of `units` UTF-16 units, the last always 0. The address text is ASCII; any
// other byte is carried over as its own unit.
void PutText(Record& record, size_t at, size_t units, const std::string& text) {
  for (size_t i = 0; i < text.size() && i + 1 < units; ++i) {
    record[at + 2 * i] = static_cast<uint8_t>(text[i]);
    record[at + 2 * i + 1] = 0;
  }
}

}  // namespace

std::optional<std::string> NetworkPortName(const std::array<uint8_t, 4>& address, const std::string& addressText) {
  if (address == std::array<uint8_t, 4>{0, 0, 0, 0}) return std::nullopt;
  return "QZIP_" + addressText;
}

Record NetworkPortRecord(const std::string& portName, const std::string& addressText) {
  Record record{};
  PutText(record, 0, 64, portName);
  Put32(record, 128, 1);                    // version
  Put32(record, 132, 1);                    // raw
  Put32(record, 136, kNetworkRecordSize);   // size of the record
  PutText(record, 144, 49, addressText);    // host address
  PutText(record, 242, 33, "public");       // SNMP community
  Put32(record, 308, 1);                    // double spool
  Put32(record, 952, 9100);                 // port number
  Put32(record, 956, 0);                    // SNMP off
  Put32(record, 960, 1);                    // SNMP device index
  return record;
}

}  // namespace varnel::setup
