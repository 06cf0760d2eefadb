#pragma once
// The network port that the standard TCP/IP port monitor creates for a printer: its name
// and the record sent with "AddPort".

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace varnel::setup {

inline constexpr size_t kNetworkRecordSize = 964;

// "QZIP_" and the address text; nothing when all four numbers of the address are 0 (the
// address field is empty).
std::optional<std::string> NetworkPortName(const std::array<uint8_t, 4>& address, const std::string& addressText);

// The monitor's PORT_DATA_1 record for a raw port on 9100 at that address.
std::array<uint8_t, kNetworkRecordSize> NetworkPortRecord(const std::string& portName, const std::string& addressText);

}  // namespace varnel::setup
