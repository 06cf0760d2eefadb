#include "modeswitch/mode_switcher.h"

#include <algorithm>
#include <charconv>

namespace varnel::modeswitch {

namespace {

// The texts the program shows.
constexpr char kHeadingRule[] = "************************";
constexpr char kHeading[] = "Information output box:";
constexpr char kSeparator[] = "\n";
constexpr char kNoLibrary[] = "can't find dll file";
constexpr char kMissingEntry[] = "ERROR";
constexpr char kPrinterModeFound[] = "Find Printer-Mode device: ";
constexpr char kApiModeFound[] = "Find API-Mode device: ";
constexpr char kCannotOpen[] = "Can not open device";
constexpr char kSendFailed[] = "Sending command failed!";
constexpr char kChangeFailed[] = "Changing mode failed";
constexpr char kNoApiModeDevice[] = "No QZUSB- device was found";
constexpr char kTranslating[] = "translate the API-MODE device mode:";
constexpr char kSwitchedRule[] = "***********************************************";
constexpr char kSwitched[] = "Changing mode command send successful";
constexpr char kPowerCycle[] = "Please power off the device and power on it again!";
constexpr char kTooLarge[] = "Buffer size must less than 64K\n";
constexpr char kWriteFailed[] = "Failed to write\n";

constexpr LibraryEntry kRequiredEntries[] = {LibraryEntry::kEnumerate, LibraryEntry::kOpen, LibraryEntry::kWrite,
                                             LibraryEntry::kRead};

}  // namespace

std::array<uint8_t, 9> ModeSwitchCommand(Personality target) {
  return {0x1B, 0x73, 0x42, 0x45, 0x92, 0x9A, static_cast<uint8_t>(target), 0x00, 0x70};
}

std::string ApiModeDevicePath(const std::string& name) { return "\\\\.\\" + name; }

int ApiModeDeviceNumber(const std::string& entry) {
  int number = 0;
  if (entry.size() > 6) std::from_chars(entry.data() + 6, entry.data() + entry.size(), number);
  return number;
}

uint32_t SendToApiModeDevice(ApiModeDevice& device, std::span<const uint8_t> bytes, SwitcherView& view) {
  if (bytes.size() > kApiModeMaxSend) {
    view.ShowMessage(kTooLarge);
    return 0;
  }
  // The driver takes the bytes from the output buffer of this transfer method.
  std::vector<uint8_t> output(bytes.begin(), bytes.end());
  const uint8_t input[4] = {0, 0, 0, 0};
  uint32_t sent = 0;
  if (!device.Control(kApiModeWriteCode, input, output, sent).ok()) {
    view.ShowMessage(kWriteFailed);
    return 0;
  }
  return sent;
}

void ModeSwitcher::Initialise(std::unique_ptr<PrinterLibrary> library) {
  // Until a refresh has found printers there is nothing to switch.
  view_.EnableSwitch(Personality::kApiMode, false);
  view_.EnableSwitch(Personality::kPrinterMode, false);
  view_.WriteLine(kHeadingRule);
  view_.WriteLine(kHeading);
  view_.WriteLine(kHeadingRule);
  library_ = std::move(library);  // never unloaded while the program runs
  if (!library_) {
    view_.ShowMessage(kNoLibrary);
    return;
  }
  for (LibraryEntry entry : kRequiredEntries) {
    if (!library_->Has(entry)) {
      view_.ShowMessage(kMissingEntry);
      return;
    }
  }
  if (!library_->Has(LibraryEntry::kClose)) return;
  bound_ = true;
  Refresh();
}

void ModeSwitcher::Refresh() {
  // Without the library no printer-mode printer can be found.
  const int32_t count = bound_ ? library_->Enumerate() : 0;
  std::vector<std::string> entries;
  for (int32_t i = 0; i < count; ++i) entries.push_back("Printer_" + std::to_string(i));
  view_.ShowList(Personality::kPrinterMode, entries);
  view_.EnableSwitch(Personality::kApiMode, count > 0);
  view_.WriteLine(kPrinterModeFound + std::to_string(count));

  view_.EnableSwitch(Personality::kPrinterMode, ScanApiMode());
  view_.WriteLine(kSeparator);
}

bool ModeSwitcher::ScanApiMode() {
  std::vector<std::string> entries;
  for (int n = 0; n < kApiModeDeviceCount; ++n) {
    const std::string name = "Qzusb-" + std::to_string(n);
    std::unique_ptr<ApiModeDevice> probe;
    if (devices_.Open(ApiModeDevicePath(name), probe).ok()) entries.push_back(name);
  }
  // The list keeps its entries sorted as text: Qzusb-10 before Qzusb-2.
  std::sort(entries.begin(), entries.end());
  apiModeEntries_ = entries;
  view_.ShowList(Personality::kApiMode, entries);
  view_.WriteLine(kApiModeFound + std::to_string(entries.size()));
  return !entries.empty();
}

void ModeSwitcher::SwitchToApiMode() {
  if (!bound_) return;
  const int32_t position = view_.SelectedEntry(Personality::kPrinterMode) + 1;
  if (!library_->Open(position)) {
    view_.WriteLine(kCannotOpen);
    view_.WriteLine(kSeparator);
    return;
  }
  const auto command = ModeSwitchCommand(Personality::kApiMode);
  if (library_->Write(command) != command.size()) {
    // The printer stays open; the library's next open releases it.
    view_.WriteLine(kSendFailed);
    view_.WriteLine(kSeparator);
    return;
  }
  view_.Pause(kSwitchPauseMs);
  WriteSwitched();
  view_.WriteLine(kSeparator);
  library_->Close();
}

void ModeSwitcher::SwitchToPrinterMode() {
  view_.EnableSwitch(Personality::kPrinterMode, false);
  const int selected = view_.SelectedEntry(Personality::kApiMode);
  if (selected < 0 || static_cast<size_t>(selected) >= apiModeEntries_.size()) {
    view_.WriteLine(kNoApiModeDevice);
    view_.WriteLine(kSeparator);
    return;
  }
  const std::string& entry = apiModeEntries_[selected];
  view_.WriteLine(kTranslating);
  view_.WriteLine(entry);
  std::unique_ptr<ApiModeDevice> device;
  if (!devices_.Open(ApiModeDevicePath("QZUSB-" + std::to_string(ApiModeDeviceNumber(entry))), device).ok()) {
    view_.WriteLine(kCannotOpen);
    view_.WriteLine(kSeparator);
    return;
  }
  const auto command = ModeSwitchCommand(Personality::kPrinterMode);
  if (SendToApiModeDevice(*device, command, view_) != command.size()) {
    view_.WriteLine(kChangeFailed);
  } else {
    view_.Pause(kSwitchPauseMs);
    WriteSwitched();
  }
  view_.WriteLine(kSeparator);
}

void ModeSwitcher::WriteSwitched() {
  view_.WriteLine(kSwitchedRule);
  view_.WriteLine(kSwitched);
  view_.WriteLine(kPowerCycle);
  view_.WriteLine(kSwitchedRule);
  view_.ShowMessage(kPowerCycle);
}

}  // namespace varnel::modeswitch
