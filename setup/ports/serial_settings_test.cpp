#include "setup/ports/serial_settings.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_serial_ports.h"

namespace varnel::setup {
namespace {

TEST(SerialSettings, BaudPresetShows38400ForUnlistedRatesButKeepsTheNumber) {
  EXPECT_EQ(BaudShown(12345), 38400u);
  EXPECT_EQ(BaudShown(0), 38400u);
  EXPECT_EQ(BaudShown(57600), 57600u);
  SerialSettings settings;
  settings.baud = 12345;
  EXPECT_EQ(SettingsString(settings), "12345,n,8,1,p");
  settings.baud = 0;
  EXPECT_EQ(SettingsString(settings), "0,n,8,1,p") << "a missing BaudRate";
}

TEST(SerialSettings, StringsForEachStopBitAndProtocol) {
  const struct {
    SerialSettings settings;
    const char* text;
  } rows[] = {
      {{9600, 8, 1.0, 'n', 'p'}, "9600,n,8,1,p"},
      {{19200, 7, 1.5, 'e', 'x'}, "19200,e,7,1.5,x"},
      {{115200, 5, 2.0, 'o', ' '}, "115200,o,5,2, "},
  };
  for (const auto& row : rows) EXPECT_EQ(SettingsString(row.settings), row.text);
}

TEST(SerialSettings, LettersComeFromTheDisplayedTexts) {
  const std::pair<const char*, char> parity[] = {{"Even", 'e'}, {"Mark", 'm'}, {"None", 'n'}, {"Odd", 'o'},
                                                 {"Space", 's'}, {"Gerade", 'g'}, {"keine", 'k'}, {"\xB4\xF2", '\xB4'}};
  for (const auto& [text, letter] : parity) EXPECT_EQ(ParityLetter(text, 'n'), letter) << text;
  EXPECT_EQ(ParityLetter("", 'e'), 'e') << "an empty text keeps the letter";

  EXPECT_EQ(ProtocolLetter("Xon/Xoff", 'p'), 'x');
  EXPECT_EQ(ProtocolLetter("Hardware", 'x'), 'p');
  EXPECT_EQ(ProtocolLetter("None", 'p'), ' ');
  for (const char* other : {"XON/XOFF", "Hardware ", "Keine", ""}) EXPECT_EQ(ProtocolLetter(other, 'p'), 'p') << other;
}

TEST(SerialSettings, DeviceControlBlockCarriesEveryField) {
  const auto block = DeviceControlBlock({19200, 7, 1.5, 'e', 'x'});
  const std::array<uint8_t, 28> expected = {28, 0, 0, 0,  0x00, 0x4B, 0, 0,  0x03, 0x07, 0, 0, 0, 0,
                                            0,  0, 0, 0,  7,    2,    1, 17, 19,   0,    0, 0, 0, 0};
  EXPECT_EQ(block, expected);
  const auto hardware = DeviceControlBlock({9600, 8, 2.0, 'n', 'p'});
  EXPECT_EQ(hardware[8], 0x05) << "binary and CTS flow";
  EXPECT_EQ(hardware[9], 0x10) << "RTS enabled";
  EXPECT_EQ(hardware[19], 0);
  EXPECT_EQ(hardware[20], 2);
  EXPECT_EQ(hardware[21], 0);
  const char parities[] = {'o', 'm', 's'};
  const uint8_t codes[] = {1, 3, 4};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(DeviceControlBlock({9600, 8, 1.0, parities[i], ' '})[19], codes[i]);
}

TEST(SerialSettings, NtSystemsWriteThePortsValueUnderTheComName) {
  os::sim::SimSerialPortStore store;
  WriteSerialSettings(store, "QZCOM3:", {9600, 8, 1.0, 'n', 'p'}, 5, os::RegView::Force64);
  EXPECT_EQ(store.portsValues.at("com3:"), "9600,n,8,1,p");
  EXPECT_EQ(store.lastView, os::RegView::Force64);
  EXPECT_TRUE(store.profilePorts.empty());

  store.portsKeyExists = false;
  WriteSerialSettings(store, "COM4:", {9600, 8, 1.0, 'n', 'p'}, 7, os::RegView::Native);
  EXPECT_EQ(store.portsValues.count("com4:"), 0u) << "a key that cannot be opened is skipped";
}

TEST(SerialSettings, Windows9xWritesTheBlockIntoTheNthSerialClassKey) {
  os::sim::SimSerialPortStore store;
  // Key 0 is a parallel port; keys 1 and 3 are serial.
  store.classKeys[0] = {true, std::vector<uint8_t>{0}, std::nullopt};
  store.classKeys[1] = {true, std::vector<uint8_t>{1}, std::nullopt};
  store.classKeys[2] = {true, std::nullopt, std::nullopt};
  store.classKeys[3] = {true, std::vector<uint8_t>{1, 0}, std::nullopt};
  const SerialSettings settings{4800, 8, 1.0, 'n', 'x'};
  WriteSerialSettings(store, "COM2:", settings, 0, os::RegView::Native);
  ASSERT_TRUE(store.classKeys[3].dcb.has_value());
  const auto expected = DeviceControlBlock(settings);
  EXPECT_EQ(*store.classKeys[3].dcb, std::vector<uint8_t>(expected.begin(), expected.end()));
  EXPECT_FALSE(store.classKeys[1].dcb.has_value());
  EXPECT_EQ(store.profilePorts.at("com2:"), "4800,n,8,1,x");
  EXPECT_EQ(store.profileBroadcasts, 1);

  WriteSerialSettings(store, "COM1:", settings, 0, os::RegView::Native);
  EXPECT_TRUE(store.classKeys[1].dcb.has_value());
  store.classKeys[1].dcb.reset();
  store.classKeys[3].dcb.reset();
  WriteSerialSettings(store, "COM3:", settings, 0, os::RegView::Native);
  EXPECT_FALSE(store.classKeys[1].dcb || store.classKeys[3].dcb) << "ports 3 and above write no block";
  EXPECT_EQ(store.profilePorts.at("com3:"), "4800,n,8,1,x");

  store.faults.FailFrom("ReadPortSubClass", 5);
  WriteSerialSettings(store, "COM1:", settings, 0, os::RegView::Native);
  EXPECT_EQ(store.profileBroadcasts, 4) << "the profile line is written whatever the registry says";
}

}  // namespace
}  // namespace varnel::setup
