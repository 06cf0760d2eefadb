#pragma once
// The installation medium's configuration: the device list, the type files, the driver,
// printer and monitor records, the file list and the language texts. Every value is read
// afresh from its file (nothing is cached); a missing file, section or key reads as "0".

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/os/files.h"
#include "common/profile/profile.h"
#include "setup/config/config_types.h"

namespace varnel::setup {

// Limits of the format, as buffer sizes (the text is one byte shorter).
inline constexpr size_t kModelSize = 200;    // model names, section names, device-list entries
inline constexpr size_t kNameSize = 50;      // driver, monitor and print-processor names
inline constexpr size_t kFileSize = 200;     // file names
inline constexpr size_t kTextSize = 2048;    // language texts

inline constexpr const char* kSetupIni = "DRVCONFIG\\setup.ini";
inline constexpr const char* kLanguageIni = "language\\setup.ini";

struct DeviceEntry {
  std::string model;
  int type = -1;  // 0..3, or -1 when the entry carries no type suffix
};

// The type suffix search of a device-list entry: the first of -ReceiptPrinter,
// -TicketPrinter, -LabelPrinter, -EmbeddedPrinter found gives the type, and the model is
// the text before it.
DeviceEntry SplitDeviceEntry(std::string_view entry);

// The type file of a printer type, relative to the program folder. The wizard names the
// type files with two spellings ("setup_Ticket.ini" and "setup_ticket.ini"); on the
// medium they are one file, so every caller goes through this one name.
std::string TypeFileName(PrinterType type, bool is64);

// The key family of an installation: GDI when the raster box is ticked, STD otherwise;
// with GDISTDSign set, serial ports always use GDI and USB ports STD.
KeyFamily FamilyOf(bool rasterTick, PortKind kind, bool gdiStdSign);

// The driver record given to the spooler (level 3).
struct DriverRecord {
  uint32_t version = 0;        // 0 on system 0, 2 on system 1, 3 on 2..7
  std::string name;
  std::string environment;     // "Windows 4.0" on system 0, empty (the platform's own) otherwise
  std::string driverPath, dataFile, configFile, helpFile;
  std::vector<std::string> dependentFiles;
  std::string monitorName;     // filled by the installation for USB ports
};
// The dependent files as the spooler takes them: NUL-terminated names, then an empty one.
std::string DependentFilesBlock(const std::vector<std::string>& files);

struct PrinterRecordParts {
  std::string printerName;  // the model; the installation appends the port suffix
  std::string driverName;
  std::string printProcessor;
  uint32_t attributes = 0;
};

// The files of one installation, in the order of the driver section.
struct FileList {
  std::string driverPath, dataFile, configFile, helpFile, processorFile, dataFileModule, renderPlugin, pluginConfig,
      settingsPlugin, controlFontFile, usbInternalId;
  std::array<std::string, 9> languageFiles;
};

struct MonitorRecord {
  std::string name, environment, file, uiFile;
  uint32_t version = 0;
  bool empty() const { return name.empty() && file.empty(); }
};
struct MonitorRecords {
  MonitorRecord serial, usb, secondUsb;  // secondUsb is read for USB ports only
};

// "0" and "" name no file.
bool NamesNoFile(std::string_view value);

// Replaces the first occurrence of each of \1, \2 and \3 by a line break.
std::string ExpandLineBreaks(std::string text);

class Configuration {
 public:
  // programFolder: the folder of the wizard's executable, ending in '\'.
  Configuration(os::Files& files, std::string programFolder);

  const std::string& programFolder() const { return folder_; }
  std::string PathOf(std::string_view relative) const;

  // Any value of any file below the program folder, as a number (0 when absent).
  uint32_t ReadNumber(std::string_view file, std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view fallback, size_t size) const;

  // DRVCONFIG\setup.ini, section DEVICENAME.
  uint32_t CommonNumber(std::string_view key) const;
  std::string CommonText(std::string_view key, std::string_view fallback = "0") const;

  uint32_t DeviceCount() const;
  // Entry n (1..count).
  DeviceEntry Device(uint32_t n) const;
  // The numbers from 1 to the count that the file has an entry key for, ascending. Every
  // other number reads as "0", an entry without a type, so a walk over the device list
  // visits these only: a damaged count then costs no read per number.
  std::vector<uint32_t> DeviceNumbers() const;
  // The entry numbered by DEFAULTNAME.
  DeviceEntry DefaultDevice() const;

  std::string TypeFilePath(PrinterType type, bool is64) const;
  // A number from the model's port section in its type file.
  uint32_t PortNumber(PrinterType type, bool is64, std::string_view model, std::string_view key) const;

  DriverRecord Driver(PrinterType type, bool is64, std::string_view model, int system, PortKind kind,
                      bool rasterTick) const;
  PrinterRecordParts PrinterParts(PrinterType type, bool is64, std::string_view model, int system, PortKind kind,
                                  bool rasterTick) const;
  FileList FilesOf(PrinterType type, bool is64, std::string_view model, int system, PortKind kind,
                 bool rasterTick) const;
  MonitorRecords Monitors(int system, PortKind kind) const;
  uint32_t ProcessorVersion() const;
  // True when GDI2KDDKDEV (tick set) or STD2KDDKDEV (not set) begins with the digit 1.
  bool NeedsCoreFiles(PrinterType type, bool is64, std::string_view model, int system, bool rasterTick) const;

  // A text of the language file after the line-break replacement; "" when absent.
  std::string Text(std::string_view section, std::string_view key) const;

 private:
  // The family that the driver and printer records use: forced by GDISTDSign on
  // systems 2..7 only.
  KeyFamily RecordFamily(int system, PortKind kind, bool rasterTick) const;
  std::string DriverValue(PrinterType type, bool is64, std::string_view model, int system, std::string_view key,
                          size_t size) const;
  std::string FamilyFile(PrinterType type, bool is64, std::string_view model, int system, KeyFamily family,
                         std::string_view key) const;
  std::string DriverName(PrinterType type, bool is64, std::string_view model, int system, PortKind kind) const;

  profile::ProfileReader reader_;
  std::string folder_;
};

}  // namespace varnel::setup
