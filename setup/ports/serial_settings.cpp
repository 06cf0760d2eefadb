#include "setup/ports/serial_settings.h"

#include <algorithm>
#include <cstdio>

namespace varnel::setup {

namespace {

// DCB flag bits.
constexpr uint32_t kBinary = 1u << 0;
constexpr uint32_t kParityCheck = 1u << 1;
constexpr uint32_t kOutxCtsFlow = 1u << 2;
constexpr uint32_t kOutX = 1u << 8;
constexpr uint32_t kInX = 1u << 9;
constexpr uint32_t kErrorChar = 1u << 10;
constexpr uint32_t kRtsControlEnable = 1u << 12;

void Put32(std::array<uint8_t, 28>& block, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) block[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint8_t ParityCode(char letter) {
  switch (letter) {
    case 'e': return 2;
    case 'o': return 1;
    case 'm': return 3;
    case 's': return 4;
    default: return 0;
  }
}

}  // namespace

uint32_t BaudShown(uint32_t baud) {
  return std::find(kBaudRates.begin(), kBaudRates.end(), baud) != kBaudRates.end() ? baud : 38400;
}

char ParityLetter(const std::string& text, char current) {
  if (text.empty()) return current;
  const char first = text.front();
  return (first >= 'A' && first <= 'Z') ? static_cast<char>(first - 'A' + 'a') : first;
}

char ProtocolLetter(const std::string& text, char current) {
  if (text == "Xon/Xoff") return 'x';
  if (text == "Hardware") return 'p';
  if (text == "None") return ' ';
  return current;
}

std::string SettingsString(const SerialSettings& s) {
  char text[64];
  const char* format = s.stopBits == 1.5 ? "%u,%c,%u,%.1f,%c" : "%u,%c,%u,%.0f,%c";
  std::snprintf(text, sizeof text, format, s.baud, s.parity, s.byteSize, s.stopBits, s.protocol);
  return text;
}

std::array<uint8_t, 28> DeviceControlBlock(const SerialSettings& s) {
  std::array<uint8_t, 28> block{};
  uint32_t flags = kBinary;
  const uint8_t parity = ParityCode(s.parity);
  if (s.parity != 'n') flags |= kParityCheck | kErrorChar;
  if (s.protocol == 'p') flags |= kOutxCtsFlow | kRtsControlEnable;
  if (s.protocol == 'x') flags |= kOutX | kInX;
  Put32(block, 0, 28);
  Put32(block, 4, s.baud);
  Put32(block, 8, flags);
  block[18] = static_cast<uint8_t>(s.byteSize);
  block[19] = parity;
  block[20] = s.stopBits == 1.5 ? 1 : s.stopBits == 2.0 ? 2 : 0;
  if (s.protocol == 'x') {
    block[21] = 17;  // XON
    block[22] = 19;  // XOFF
  }
  return block;
}

std::string RegistryPortName(const std::string& chosen) {
  const size_t at = chosen.find("COM");
  return at == std::string::npos ? chosen : chosen.substr(at);
}

void WriteSerialSettings(os::SerialPortStore& store, const std::string& chosenPort, const SerialSettings& settings,
                         int system, os::RegView view) {
  const std::string port = RegistryPortName(chosenPort);
  const std::string text = SettingsString(settings);
  if (system != 0) {
    store.SetPortsValue(port, text, view);  // a key that cannot be opened is skipped
    return;
  }
  const int number = port.size() > 3 ? port[3] - '0' : 0;
  int serialKeysSeen = 0;
  for (int key = 0; key <= 3; ++key) {
    std::vector<uint8_t> subClass;
    if (!store.ReadPortSubClass(key, subClass).ok() || subClass.empty() || subClass[0] != 1) continue;
    if (++serialKeysSeen == number) {
      const auto block = DeviceControlBlock(settings);
      store.WriteDcb(key, block);
      break;
    }
  }
  store.WriteProfilePorts(port, text);
}

}  // namespace varnel::setup
