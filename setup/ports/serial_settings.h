#pragma once
// The line settings of a serial port: the values the port page keeps, the baud preset,
// the settings string, the device control block and where they are written.

#include <array>
#include <cstdint>
#include <string>

#include "common/os/serial_ports.h"

namespace varnel::setup {

// The entries of the "Baud Rate:" list.
inline constexpr std::array<uint32_t, 10> kBaudRates = {110, 300, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
inline constexpr std::array<uint32_t, 4> kByteSizes = {5, 6, 7, 8};
inline constexpr std::array<double, 3> kStopBits = {1.0, 1.5, 2.0};

struct SerialSettings {
  uint32_t baud = 0;        // preset from the model's BaudRate
  uint32_t byteSize = 8;
  double stopBits = 1.0;
  char parity = 'n';
  char protocol = 'p';
};

// The list entry shown for a preset baud rate: the rate itself when listed, else 38400.
uint32_t BaudShown(uint32_t baud);

// The parity letter of a parity list text: its first character in lower case. An empty
// text keeps the current letter.
char ParityLetter(const std::string& text, char current);
// The protocol letter of a protocol list text: "Xon/Xoff" x, "Hardware" p, "None" a space;
// any other text keeps the current letter.
char ProtocolLetter(const std::string& text, char current);

// "9600,n,8,1,p"; 1.5 stop bits are written with one decimal.
std::string SettingsString(const SerialSettings& settings);

// The device control block (DCB) of the Windows 9x line: 28 bytes, little-endian.
std::array<uint8_t, 28> DeviceControlBlock(const SerialSettings& settings);

// The port name written: the chosen name from "COM" on ("QZCOM3:" gives "COM3:").
std::string RegistryPortName(const std::string& chosen);

// Records the settings of a serial port after the printer was added: in the NT line the
// Ports registry value, in the Windows 9x line (system 0) the DCB in the ports class key
// of COM1 or COM2 and the [Ports] line of the system profile. Failures are not reported.
void WriteSerialSettings(os::SerialPortStore& store, const std::string& chosenPort, const SerialSettings& settings,
                         int system, os::RegView view);

}  // namespace varnel::setup
