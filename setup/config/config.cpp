#include "setup/config/config.h"

#include <algorithm>

#include "common/base/text.h"
#include "common/profile/profile.h"

namespace varnel::setup {

namespace {

constexpr std::string_view kTypeSuffixes[kPrinterTypes] = {"-ReceiptPrinter", "-TicketPrinter", "-LabelPrinter",
                                                           "-EmbeddedPrinter"};
constexpr std::string_view kTypeFileStems[kPrinterTypes] = {"receipt", "ticket", "label", "embedded"};
constexpr const char* kDeviceSection = "DEVICENAME";
constexpr const char* kWindows40 = "Windows 4.0";

std::string Key(KeyFamily family, std::string_view rest) { return std::string(FamilyPrefix(family)) + std::string(rest); }

std::string PortSection(std::string_view model) { return std::string(model) + ".PORT"; }

std::string DriverSection(std::string_view model, int system) {
  return std::string(model) + std::string(SystemSuffix(system));
}

std::string EnvironmentOf(int system) { return system == 0 ? kWindows40 : ""; }

}  // namespace

DeviceEntry SplitDeviceEntry(std::string_view entry) {
  for (int type = 0; type < kPrinterTypes; ++type) {
    const size_t at = entry.find(kTypeSuffixes[type]);
    if (at != std::string_view::npos) return DeviceEntry{std::string(entry.substr(0, at)), type};
  }
  return DeviceEntry{};
}

std::string TypeFileName(PrinterType type, bool is64) {
  return "DRVCONFIG\\setup_" + std::string(kTypeFileStems[static_cast<int>(type)]) + (is64 ? "_64" : "") + ".ini";
}

KeyFamily FamilyOf(bool rasterTick, PortKind kind, bool gdiStdSign) {
  if (gdiStdSign && kind == PortKind::Serial) return KeyFamily::Gdi;
  if (gdiStdSign && kind == PortKind::Usb) return KeyFamily::Std;
  return rasterTick ? KeyFamily::Gdi : KeyFamily::Std;
}

std::string DependentFilesBlock(const std::vector<std::string>& files) {
  std::string block;
  for (const std::string& file : files) {
    block += file;
    block.push_back('\0');
  }
  block.push_back('\0');
  return block;
}

bool NamesNoFile(std::string_view value) { return value.empty() || value == "0"; }

std::string ExpandLineBreaks(std::string text) {
  for (const char* mark : {"\\1", "\\2", "\\3"}) {
    const size_t at = text.find(mark);
    if (at != std::string::npos) text.replace(at, 2, "\r\n");
  }
  return text;
}

Configuration::Configuration(os::Files& files, std::string programFolder)
    : reader_(files), folder_(std::move(programFolder)) {
  if (!folder_.empty() && folder_.back() != '\\' && folder_.back() != '/') folder_.push_back('\\');
}

std::string Configuration::PathOf(std::string_view relative) const { return folder_ + std::string(relative); }

uint32_t Configuration::ReadNumber(std::string_view file, std::string_view section, std::string_view key) const {
  return reader_.ReadNumber(PathOf(file), section, key);
}

std::string Configuration::ReadString(std::string_view file, std::string_view section, std::string_view key,
                                      std::string_view fallback, size_t size) const {
  return reader_.ReadString(PathOf(file), section, key, fallback, size);
}

uint32_t Configuration::CommonNumber(std::string_view key) const { return ReadNumber(kSetupIni, kDeviceSection, key); }

std::string Configuration::CommonText(std::string_view key, std::string_view fallback) const {
  return ReadString(kSetupIni, kDeviceSection, key, fallback, kModelSize);
}

uint32_t Configuration::DeviceCount() const { return CommonNumber("DEVICENUMBER"); }

DeviceEntry Configuration::Device(uint32_t n) const {
  return SplitDeviceEntry(ReadString(kSetupIni, kDeviceSection, "DEVICENAME" + std::to_string(n), "0", kModelSize));
}

std::vector<uint32_t> Configuration::DeviceNumbers() const {
  constexpr std::string_view kEntryKey = "DEVICENAME";
  const uint32_t count = DeviceCount();
  std::vector<uint32_t> numbers;
  for (const std::string& key : reader_.ReadKeys(PathOf(kSetupIni), kDeviceSection)) {
    if (key.size() <= kEntryKey.size() || !EqualsNoCase(std::string_view(key).substr(0, kEntryKey.size()), kEntryKey)) {
      continue;
    }
    // Only the digits the entry's own name is written with: no sign, no leading zero.
    const std::string_view digits = std::string_view(key).substr(kEntryKey.size());
    if (digits.size() > 9 || digits.front() == '0' ||
        digits.find_first_not_of("0123456789") != std::string_view::npos) {
      continue;
    }
    const uint32_t n = profile::ToNumber(digits);
    if (n <= count) numbers.push_back(n);
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

DeviceEntry Configuration::DefaultDevice() const { return Device(CommonNumber("DEFAULTNAME")); }

std::string Configuration::TypeFilePath(PrinterType type, bool is64) const {
  return PathOf(TypeFileName(type, is64));
}

uint32_t Configuration::PortNumber(PrinterType type, bool is64, std::string_view model, std::string_view key) const {
  return ReadNumber(TypeFileName(type, is64), PortSection(model), key);
}

KeyFamily Configuration::RecordFamily(int system, PortKind kind, bool rasterTick) const {
  const bool forced = system >= 2 && CommonNumber("GDISTDSign") != 0;
  return FamilyOf(rasterTick, kind, forced);
}

std::string Configuration::DriverValue(PrinterType type, bool is64, std::string_view model, int system,
                                       std::string_view key, size_t size) const {
  return ReadString(TypeFileName(type, is64), DriverSection(model, system), key, "0", size);
}

std::string Configuration::FamilyFile(PrinterType type, bool is64, std::string_view model, int system,
                                      KeyFamily family, std::string_view key) const {
  return DriverValue(type, is64, model, system, Key(family, key), kFileSize);
}

std::string Configuration::DriverName(PrinterType type, bool is64, std::string_view model, int system,
                                      PortKind kind) const {
  const std::string key = system <= 1 ? std::string("GDIDriverName") : std::string("DriverName") + PortLetter(kind);
  return DriverValue(type, is64, model, system, key, kNameSize);
}

DriverRecord Configuration::Driver(PrinterType type, bool is64, std::string_view model, int system, PortKind kind,
                                   bool rasterTick) const {
  const KeyFamily family = RecordFamily(system, kind, rasterTick);
  auto file = [&](std::string_view key) { return FamilyFile(type, is64, model, system, family, key); };
  DriverRecord record;
  record.version = system == 0 ? 0 : system == 1 ? 2 : 3;
  record.name = DriverName(type, is64, model, system, kind);
  record.environment = EnvironmentOf(system);
  record.driverPath = file("DriverPath");
  record.dataFile = file("DataFile");
  record.configFile = file("ConfigFile");
  record.helpFile = file("HelpFile");
  // The core-file key is always the GDI one here, whichever family the files come from.
  const bool core = profile::ToNumber(DriverValue(type, is64, model, system, "GDI2KDDKDEV", 10)) != 0;
  if (core && system >= 2) {
    // A name that is "0" or empty is left out: an empty one would end the list early.
    for (std::string name : {record.dataFile, std::string("TTFSUB.GPD"), std::string("UNIRES.DLL"),
                             std::string("STDNAMES.GPD"), file("DataFileDLLName"), file("DataOemuiDLL"),
                             file("DataOemuniDLL"), file("DataOemuniini")}) {
      if (!NamesNoFile(name)) record.dependentFiles.push_back(std::move(name));
    }
  }
  return record;
}

PrinterRecordParts Configuration::PrinterParts(PrinterType type, bool is64, std::string_view model, int system,
                                               PortKind kind, bool rasterTick) const {
  const KeyFamily family = RecordFamily(system, kind, rasterTick);
  PrinterRecordParts parts;
  parts.printerName = std::string(model);
  parts.driverName = DriverName(type, is64, model, system, kind);
  parts.printProcessor = DriverValue(type, is64, model, system, Key(family, "PrintProcessor"), kNameSize);
  parts.attributes = profile::ToNumber(DriverValue(type, is64, model, system, "ATTRIBUTES", 10));
  return parts;
}

FileList Configuration::FilesOf(PrinterType type, bool is64, std::string_view model, int system, PortKind kind,
                              bool rasterTick) const {
  const KeyFamily family = FamilyOf(rasterTick, kind, CommonNumber("GDISTDSign") != 0);
  auto file = [&](std::string_view key) { return FamilyFile(type, is64, model, system, family, key); };
  auto plain = [&](std::string_view key) { return DriverValue(type, is64, model, system, key, kFileSize); };
  FileList list;
  list.driverPath = file("DriverPath");
  list.dataFile = file("DataFile");
  list.configFile = file("ConfigFile");
  list.helpFile = file("HelpFile");
  list.processorFile = file("ProcessorDLLName");
  list.dataFileModule = file("DataFileDLLName");
  list.renderPlugin = file("DataOemuniDLL");
  list.pluginConfig = file("DataOemuniini");
  list.settingsPlugin = file("DataOemuiDLL");
  list.controlFontFile = plain("ControlFontFile");
  list.usbInternalId = plain("USBInternalID");
  for (size_t i = 0; i < list.languageFiles.size(); ++i) {
    list.languageFiles[i] = plain("LanguageResourceFile" + std::to_string(i + 1));
  }
  return list;
}

MonitorRecords Configuration::Monitors(int system, PortKind kind) const {
  const std::string section = "COMMON-MONITOR" + std::string(SystemSuffix(system));
  auto name = [&](std::string_view key) { return ReadString(kSetupIni, section, key, "0", kNameSize); };
  auto file = [&](std::string_view key) { return ReadString(kSetupIni, section, key, "0", kFileSize); };
  auto number = [&](std::string_view key) { return ReadNumber(kSetupIni, section, key); };
  auto monitor = [&](std::string_view stem) {
    const std::string s(stem);
    return MonitorRecord{name(s + "PName"), EnvironmentOf(system), file(s + "PDLLName"), file(s + "PUIDLLName"),
                         number(s + "Version")};
  };
  MonitorRecords records;
  records.serial = monitor("COMMONitor");
  records.usb = monitor("USBMONitor");
  if (kind == PortKind::Usb) {
    MonitorRecord second{name("USBLMONitorName"), EnvironmentOf(system), file("USBLMONitorDLLName"), "",
                         number("USBLMONitorVersion")};
    const bool allDefault = second.name == "0" && second.file == "0" &&
                            ReadString(kSetupIni, section, "USBLMONitorVersion", "0", 10) == "0";
    if (!allDefault) records.secondUsb = std::move(second);
  }
  return records;
}

uint32_t Configuration::ProcessorVersion() const { return ReadNumber(kSetupIni, "ProcessorVersion", "DriverVersion"); }

bool Configuration::NeedsCoreFiles(PrinterType type, bool is64, std::string_view model, int system,
                                   bool rasterTick) const {
  const KeyFamily family = rasterTick ? KeyFamily::Gdi : KeyFamily::Std;
  const std::string value = DriverValue(type, is64, model, system, Key(family, "2KDDKDEV"), 10);
  return !value.empty() && value.front() == '1';
}

std::string Configuration::Text(std::string_view section, std::string_view key) const {
  return ExpandLineBreaks(ReadString(kLanguageIni, section, key, "", kTextSize));
}

}  // namespace varnel::setup
