// The mode switcher's logic against a window, library and API-mode devices in memory:
// what the user sees in the lists, buttons, information box and message boxes, and what
// reaches the printers.
#include "modeswitch/mode_switcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <utility>

#include "modeswitch/sim/sim_api_mode_devices.h"
#include "modeswitch/sim/sim_printer_library.h"

namespace varnel::modeswitch {
namespace {

using sim::SimApiModeDevices;
using sim::SimLibraryState;
using sim::SimPrinterLibrary;
using Lines = std::vector<std::string>;

const Lines kHeading = {"************************", "Information output box:", "************************"};
const Lines kSwitched = {"***********************************************", "Changing mode command send successful",
                         "Please power off the device and power on it again!",
                         "***********************************************"};
constexpr char kPowerCycle[] = "Please power off the device and power on it again!";

class FakeView : public SwitcherView {
 public:
  void WriteLine(const std::string& text) override { lines.push_back(text); }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowList(Personality listed, const std::vector<std::string>& entries) override {
    lists[listed] = entries;
    selected[listed] = entries.empty() ? -1 : 0;
  }
  int SelectedEntry(Personality listed) override { return selected[listed]; }
  void EnableSwitch(Personality target, bool enabled) override { switchEnabled[target] = enabled; }
  void Pause(uint32_t ms) override { pauses.push_back(ms); }

  // The lines written since the last call.
  Lines TakeLines() { return std::exchange(lines, {}); }

  Lines lines;
  Lines messages;
  std::map<Personality, Lines> lists;
  std::map<Personality, int> selected;
  std::map<Personality, bool> switchEnabled;
  std::vector<uint32_t> pauses;
};

Lines Concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class ModeSwitcherTest : public ::testing::Test {
 protected:
  void Start() { switcher.Initialise(std::make_unique<SimPrinterLibrary>(library)); }

  FakeView view;
  SimLibraryState library;
  SimApiModeDevices devices;
  ModeSwitcher switcher{view, devices};
};

TEST(ModeSwitchCommand, CarriesTheTargetPersonality) {
  EXPECT_EQ(ModeSwitchCommand(Personality::kApiMode),
            (std::array<uint8_t, 9>{0x1B, 0x73, 0x42, 0x45, 0x92, 0x9A, 0x01, 0x00, 0x70}));
  EXPECT_EQ(ModeSwitchCommand(Personality::kPrinterMode),
            (std::array<uint8_t, 9>{0x1B, 0x73, 0x42, 0x45, 0x92, 0x9A, 0x00, 0x00, 0x70}));
}

TEST_F(ModeSwitcherTest, WithNoPrinterAnywhereBothSwitchesAreDisabled) {
  Start();
  EXPECT_EQ(view.lines, Concat({kHeading, {"Find Printer-Mode device: 0", "Find API-Mode device: 0", "\n"}}));
  EXPECT_FALSE(view.switchEnabled[Personality::kApiMode]);
  EXPECT_FALSE(view.switchEnabled[Personality::kPrinterMode]);
  EXPECT_TRUE(view.lists[Personality::kPrinterMode].empty());
  EXPECT_TRUE(view.lists[Personality::kApiMode].empty());
  ASSERT_EQ(devices.OpenedPaths().size(), 32u) << "devices 0 to 31 are probed";
  EXPECT_EQ(devices.OpenedPaths().front(), "\\\\.\\Qzusb-0");
  EXPECT_EQ(devices.OpenedPaths().back(), "\\\\.\\Qzusb-31");
  EXPECT_TRUE(view.messages.empty());
}

TEST_F(ModeSwitcherTest, SwitchesTheChosenPrinterModePrinterToApiMode) {
  library.printers = 3;
  Start();
  EXPECT_EQ(view.lists[Personality::kPrinterMode], (Lines{"Printer_0", "Printer_1", "Printer_2"}));
  EXPECT_EQ(view.selected[Personality::kPrinterMode], 0);
  EXPECT_TRUE(view.switchEnabled[Personality::kApiMode]);
  EXPECT_EQ(view.TakeLines(), Concat({kHeading, {"Find Printer-Mode device: 3", "Find API-Mode device: 0", "\n"}}));

  view.selected[Personality::kPrinterMode] = 2;
  library.calls.clear();
  switcher.SwitchToApiMode();
  EXPECT_EQ(library.calls, (Lines{"Open 3", "Write 1B 73 42 45 92 9A 01 00 70", "Close"}));
  EXPECT_EQ(view.pauses, (std::vector<uint32_t>{500}));
  EXPECT_EQ(view.TakeLines(), Concat({kSwitched, {"\n"}}));
  EXPECT_EQ(view.messages, (Lines{kPowerCycle}));
  EXPECT_EQ(view.lists[Personality::kPrinterMode].size(), 3u) << "lists change only on a refresh";
}

TEST_F(ModeSwitcherTest, PrinterModeFailuresAreReportedInTheBox) {
  library.printers = 2;
  Start();
  view.TakeLines();

  view.selected[Personality::kPrinterMode] = -1;  // the user typed into the box
  switcher.SwitchToApiMode();
  EXPECT_EQ(view.TakeLines(), (Lines{"Can not open device", "\n"}));

  view.selected[Personality::kPrinterMode] = 1;
  library.accepted = 8;
  library.calls.clear();
  switcher.SwitchToApiMode();
  EXPECT_EQ(view.TakeLines(), (Lines{"Sending command failed!", "\n"}));
  EXPECT_EQ(library.calls, (Lines{"Open 2", "Write 1B 73 42 45 92 9A 01 00 70"})) << "the printer is left open";
  EXPECT_TRUE(view.messages.empty());
  EXPECT_TRUE(view.pauses.empty());
}

TEST_F(ModeSwitcherTest, ApiModeDevicesAreListedAsTextAndSwitchedByTheirNumber) {
  devices.Add(2);
  devices.Add(10);
  Start();
  EXPECT_EQ(view.lists[Personality::kApiMode], (Lines{"Qzusb-10", "Qzusb-2"}));
  EXPECT_EQ(view.selected[Personality::kApiMode], 0);
  EXPECT_TRUE(view.switchEnabled[Personality::kPrinterMode]);
  EXPECT_FALSE(view.switchEnabled[Personality::kApiMode]);
  EXPECT_EQ(devices.Device(10).openNow, 0) << "a probe closes the device at once";
  view.TakeLines();

  switcher.SwitchToPrinterMode();
  EXPECT_FALSE(view.switchEnabled[Personality::kPrinterMode]) << "disabled by its own use";
  EXPECT_EQ(devices.OpenedPaths().back(), "\\\\.\\QZUSB-10");
  ASSERT_EQ(devices.Device(10).calls.size(), 1u);
  const sim::SimControlCall& call = devices.Device(10).calls[0];
  EXPECT_EQ(call.code, 0x222051u);
  EXPECT_EQ(call.input, (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(call.output, (std::vector<uint8_t>{0x1B, 0x73, 0x42, 0x45, 0x92, 0x9A, 0x00, 0x00, 0x70}));
  EXPECT_EQ(devices.Device(10).openNow, 0) << "closed after the switch";
  EXPECT_TRUE(devices.Device(2).calls.empty());
  EXPECT_EQ(view.TakeLines(), Concat({{"translate the API-MODE device mode:", "Qzusb-10"}, kSwitched, {"\n"}}));
  EXPECT_EQ(view.messages, (Lines{kPowerCycle}));
  EXPECT_EQ(view.pauses, (std::vector<uint32_t>{500}));
}

TEST_F(ModeSwitcherTest, ApiModeFailuresAreReportedInTheBoxAndByMessage) {
  struct Case {
    const char* what;
    std::function<void(SimApiModeDevices&)> arrange;
    Lines lines;
    Lines messages;
  } cases[] = {
      {"device gone", [](SimApiModeDevices& d) { d.faults.FailOnce("Open", 2); },
       {"translate the API-MODE device mode:", "Qzusb-3", "Can not open device", "\n"}, {}},
      {"call fails", [](SimApiModeDevices& d) { d.faults.FailOnce("Control", 31); },
       {"translate the API-MODE device mode:", "Qzusb-3", "Changing mode failed", "\n"}, {"Failed to write\n"}},
      {"part sent", [](SimApiModeDevices& d) { d.Device(3).sentCount = 4; },
       {"translate the API-MODE device mode:", "Qzusb-3", "Changing mode failed", "\n"}, {}},
  };
  for (const Case& c : cases) {
    FakeView view;
    SimApiModeDevices devices;
    devices.Add(3);
    ModeSwitcher switcher(view, devices);
    switcher.Initialise(nullptr);
    switcher.Refresh();
    view.TakeLines();
    view.messages.clear();
    c.arrange(devices);
    switcher.SwitchToPrinterMode();
    EXPECT_EQ(view.lines, c.lines) << c.what;
    EXPECT_EQ(view.messages, c.messages) << c.what;
    EXPECT_TRUE(view.pauses.empty()) << c.what;
    EXPECT_EQ(view.lists[Personality::kApiMode], (Lines{"Qzusb-3"})) << c.what << ": a failure never changes the lists";
  }
}

TEST_F(ModeSwitcherTest, PrinterModeWithoutASelectedDeviceSaysSoAndStaysDisabled) {
  devices.Add(1);
  Start();
  view.TakeLines();
  view.selected[Personality::kApiMode] = -1;
  switcher.SwitchToPrinterMode();
  EXPECT_EQ(view.TakeLines(), (Lines{"No QZUSB- device was found", "\n"}));
  EXPECT_FALSE(view.switchEnabled[Personality::kPrinterMode]);
  EXPECT_EQ(devices.Device(1).calls.size(), 0u);
}

TEST(SendToApiModeDevice, RefusesMoreThan64KBeforeTheCall) {
  SimApiModeDevices devices;
  devices.Add(0);
  FakeView view;
  std::unique_ptr<ApiModeDevice> device;
  ASSERT_TRUE(devices.Open("\\\\.\\QZUSB-0", device).ok());
  EXPECT_EQ(SendToApiModeDevice(*device, std::vector<uint8_t>(65537), view), 0u);
  EXPECT_EQ(view.messages, (Lines{"Buffer size must less than 64K\n"}));
  EXPECT_TRUE(devices.Device(0).calls.empty());
  EXPECT_EQ(SendToApiModeDevice(*device, std::vector<uint8_t>(65536), view), 65536u);
}

TEST_F(ModeSwitcherTest, AMissingLibraryOrEntryIsNeverCalled) {
  struct Case {
    std::set<LibraryEntry> missing;
    Lines messages;
  } cases[] = {
      {{LibraryEntry::kEnumerate}, {"ERROR"}}, {{LibraryEntry::kOpen}, {"ERROR"}},
      {{LibraryEntry::kWrite}, {"ERROR"}},     {{LibraryEntry::kRead}, {"ERROR"}},
      {{LibraryEntry::kClose}, {}},
  };
  for (const Case& c : cases) {
    FakeView view;
    SimApiModeDevices devices;
    devices.Add(0);
    SimLibraryState library;
    library.printers = 2;
    library.missing = c.missing;
    ModeSwitcher switcher(view, devices);
    switcher.Initialise(std::make_unique<SimPrinterLibrary>(library));  // throws if an unresolved entry is called
    EXPECT_EQ(view.messages, c.messages);
    EXPECT_EQ(view.lines, kHeading) << "initialising stops before the refresh";
    EXPECT_TRUE(devices.OpenedPaths().empty());
    EXPECT_FALSE(view.switchEnabled[Personality::kApiMode]);
    EXPECT_FALSE(view.switchEnabled[Personality::kPrinterMode]);
    switcher.Refresh();
    switcher.SwitchToApiMode();
    EXPECT_TRUE(library.calls.empty());
    EXPECT_FALSE(view.switchEnabled[Personality::kApiMode]);
    EXPECT_EQ(view.lists[Personality::kApiMode], (Lines{"Qzusb-0"})) << "API-mode printers are still found";
  }

  switcher.Initialise(nullptr);
  EXPECT_EQ(view.messages, (Lines{"can't find dll file"}));
  EXPECT_EQ(view.lines, kHeading);
  switcher.Refresh();
  EXPECT_EQ(view.lines, Concat({kHeading, {"Find Printer-Mode device: 0", "Find API-Mode device: 0", "\n"}}));
}

TEST(ApiModeDeviceNumber, IsTheNumberAfterTheNamePrefix) {
  EXPECT_EQ(ApiModeDeviceNumber("Qzusb-10"), 10);
  EXPECT_EQ(ApiModeDeviceNumber("Qzusb-0"), 0);
  EXPECT_EQ(ApiModeDeviceNumber("Qzusb-31"), 31);
  EXPECT_EQ(ApiModeDeviceNumber("Qzusb"), 0);
}

}  // namespace
}  // namespace varnel::modeswitch
