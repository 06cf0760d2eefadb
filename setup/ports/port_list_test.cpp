#include "setup/ports/port_list.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_files.h"
#include "setup/config/sample_medium.h"

namespace varnel::setup {
namespace {

std::vector<std::string> Names(std::initializer_list<const char*> names) { return {names.begin(), names.end()}; }

const PortFlags kAll{true, true, true, true, 0, 0};

TEST(PortList, OffersThePortsOfTheSystemBitnessAndMode) {
  const std::vector<std::string> lpt3 = Names({"LPT1:", "LPT2:", "LPT3:"});
  const struct {
    const char* what;
    int system;
    bool is64;
    bool advanced;
    int usbClass;
    std::vector<std::string> expected;
  } rows[] = {
      {"32-bit typical", 7, false, false, 2,
       Names({"LPT1:", "LPT2:", "LPT3:", "QZCOM1:", "QZCOM2:", "QZCOM3:", "QZCOM4:", "QZCOM5:", "QZCOM6:", "QZCOM7:",
              "QZCOM8:", "NET:", "USB_VR-80_1"})},
      {"64-bit advanced", 7, true, true, 2,
       Names({"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:", "COM5:", "COM6:", "COM7:", "COM8:",
              "NET:", "USB_VR-80_1", "USB_VR-80_2", "USB_VR-80_3", "USB_VR-80_4"})},
      {"advanced, printer-mode printer", 7, true, true, 1,
       Names({"LPT1:", "LPT2:", "LPT3:", "COM1:", "COM2:", "COM3:", "COM4:", "COM5:", "COM6:", "COM7:", "COM8:",
              "NET:", "USB_VR-80_1"})},
      {"system 0", 0, false, true, 0, Names({"COM1:", "COM2:", "LPT1:", "NET:", "USB_VR-80_1", "USB_VR-80_2",
                                             "USB_VR-80_3", "USB_VR-80_4"})},
      {"system 1 offers no USB", 1, false, true, 0,
       Names({"LPT1:", "LPT2:", "LPT3:", "QZCOM1:", "QZCOM2:", "QZCOM3:", "QZCOM4:", "QZCOM5:", "QZCOM6:", "QZCOM7:",
              "QZCOM8:", "NET:"})},
  };
  for (const auto& row : rows) {
    const PortList list = BuildPortList(kAll, "VR-80", row.system, row.is64, row.advanced, row.usbClass);
    EXPECT_EQ(list.entries, row.expected) << row.what;
    EXPECT_EQ(list.usbOffered, row.system != 1) << row.what;
    EXPECT_TRUE(list.ipEnabled) << row.what;
  }

  const PortList noCom = BuildPortList({true, false, false, false, 0, 0}, "VE-58K", 3, false, false, 0);
  EXPECT_EQ(noCom.entries, Names({"USB_VE-58K_1"}));
  EXPECT_TRUE(noCom.comUnsupportedNote);
  EXPECT_TRUE(noCom.serialAndIpDisabled);
  EXPECT_FALSE(BuildPortList({false, false, false, false, 0, 0}, "X", 0, false, false, 0).comUnsupportedNote)
      << "the note is for systems 1 to 7";
  EXPECT_FALSE(BuildPortList(kAll, "X", 7, false, false, 1).serialAndIpDisabled) << "printer mode";
  EXPECT_TRUE(BuildPortList({false, false, false, false, 0, 0}, "X", 7, false, true, 0).entries.empty());
}

TEST(PortList, PreselectsByIdentityThenLptDefaultThenConnectedPrinters) {
  const PortList advanced = BuildPortList(kAll, "VR-80", 7, true, true, 2);  // LPT1..3, COM1..8, NET, USB _1.._4
  const PortList typical = BuildPortList(kAll, "VR-80", 7, true, false, 2);
  auto name = [](const PortList& list, size_t index) { return list.entries.at(index); };
  const struct {
    const char* what;
    const PortList& list;
    bool advanced;
    uint32_t lptDefault;
    int usbPort;
    bool connected;
    const char* expected;
  } rows[] = {
      {"typical, identity read", typical, false, 1, 3, false, "USB_VR-80_1"},
      {"advanced, identity port 3", advanced, true, 1, 3, false, "USB_VR-80_3"},
      {"advanced, identity port 6", advanced, true, 2, 6, false, "LPT1:"},
      {"LPTDEFAULT 1", advanced, true, 1, 0, false, "LPT1:"},
      {"LPTDEFAULT 2", advanced, true, 2, 0, false, "USB_VR-80_1"},
      {"LPTDEFAULT 0", advanced, true, 0, 0, false, "LPT1:"},
      {"printers connected", advanced, true, 1, 0, true, "USB_VR-80_1"},
      {"printers connected, identity port 2", advanced, true, 0, 2, true, "USB_VR-80_1"},
  };
  for (const auto& row : rows) {
    const PortFlags flags{true, true, true, true, row.lptDefault, 0};
    EXPECT_EQ(name(row.list, Preselect(row.list, flags, row.advanced, row.usbPort, row.connected)), row.expected)
        << row.what;
  }
  const PortFlags comOnly{false, false, true, false, 1, 0};
  const PortList serial = BuildPortList(comOnly, "VE-20", 7, false, false, 0);
  EXPECT_EQ(Preselect(serial, comOnly, false, 0, false), 0u) << "LPTDEFAULT 1 without parallel ports";
  EXPECT_EQ(Preselect(PortList{}, comOnly, false, 0, true), 0u);
}

TEST(PortList, KindOfAChosenName) {
  EXPECT_EQ(PortKindOf("USB_VR-80_2"), PortKind::Usb);
  EXPECT_EQ(PortKindOf("QZCOM3:"), PortKind::Serial);
  EXPECT_EQ(PortKindOf("LPT1:"), PortKind::Parallel);
  EXPECT_EQ(PortKindOf("NET:"), PortKind::Network);
  EXPECT_EQ(PortKindOf("USB_COM_1"), PortKind::Usb) << "USB_ is tested first";
  EXPECT_EQ(PortKindOf("FILE:"), std::nullopt);
  EXPECT_EQ(UsbPortNumberOf("USB_VR-80_3"), 3);
  EXPECT_EQ(UsbPortNumberOf("USB_VR_1-80_4"), 4);
  EXPECT_EQ(UsbPortNumberOf("USB_VR-80"), 0);
}

TEST(PortList, ReadsTheFlagsOfTheSampleMedium) {
  os::sim::SimFiles files;
  ASSERT_GT(testing::LoadSampleMedium(files), 10);
  const Configuration config(files, testing::kMediumFolder);
  const PortFlags vr80 = ReadPortFlags(config, PrinterType::Receipt, true, "VR-80", true);
  EXPECT_TRUE(vr80.usb && vr80.lpt && vr80.com && vr80.net);
  EXPECT_EQ(vr80.lptDefault, 2u);
  const PortFlags ve20 = ReadPortFlags(config, PrinterType::Embedded, false, "VE-20", false);
  EXPECT_FALSE(ve20.usb || ve20.lpt || ve20.net);
  EXPECT_TRUE(ve20.com);
  EXPECT_EQ(ReadPortFlags(config, PrinterType::Receipt, false, "VR-80K(Series)", false).rasterHidden, 0u)
      << "RASTERVISIABLE is read in advanced mode only";
  EXPECT_EQ(ReadPortFlags(config, PrinterType::Receipt, false, "VR-80K(Series)", true).rasterHidden, 1u);
}

}  // namespace
}  // namespace varnel::setup
