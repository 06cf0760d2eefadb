#include "setup/config/config.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/os/sim/sim_files.h"
#include "setup/config/sample_medium.h"

namespace varnel::setup {
namespace {

using testing::kMediumFolder;

class SampleMedium : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_GT(testing::LoadSampleMedium(files, kMediumFolder), 10); }
  os::sim::SimFiles files;
  Configuration config{files, kMediumFolder};
};

TEST_F(SampleMedium, ListsItsDevicesWithTheirTypes) {
  ASSERT_EQ(config.DeviceCount(), 9u);
  const std::pair<const char*, int> expected[] = {{"VR-58", 0},  {"VR-80", 0}, {"VR-80K(Series)", 0},
                                                  {"VT-300", 1}, {"VT-310", 1}, {"VL-42", 2},
                                                  {"VL-108", 2}, {"VE-20", 3}, {"VE-58K", 3}};
  for (uint32_t n = 1; n <= 9; ++n) {
    const DeviceEntry entry = config.Device(n);
    EXPECT_EQ(entry.model, expected[n - 1].first) << n;
    EXPECT_EQ(entry.type, expected[n - 1].second) << n;
  }
  EXPECT_EQ(config.DefaultDevice().model, "VR-80");
  EXPECT_EQ(config.CommonText("Inffilename", "err"), "VarnelPOS");
  EXPECT_EQ(config.ProcessorVersion(), 3u);
}

TEST_F(SampleMedium, NamesEveryTypeFileAsItLiesOnTheMedium) {
  // On a case-sensitive file system the one spelling must be the file's own.
  for (int type = 0; type < kPrinterTypes; ++type) {
    for (bool is64 : {false, true}) {
      std::string name = TypeFileName(static_cast<PrinterType>(type), is64);
      for (char& c : name) c = c == '\\' ? '/' : c;
      EXPECT_TRUE(std::filesystem::exists(testing::SourceMediumFolder() + "/" + name)) << name;
    }
  }
  EXPECT_EQ(config.TypeFilePath(PrinterType::Ticket, true), "C:\\Medium\\DRVCONFIG\\setup_ticket_64.ini");
}

TEST_F(SampleMedium, BuildsTheDriverRecordWithTheForcedFamilyOnNewerSystems) {
  // GDISTDSign is set: a USB port uses the STD files on systems 2..7 whatever the tick.
  const DriverRecord xp = config.Driver(PrinterType::Receipt, false, "VR-80", 3, PortKind::Usb, true);
  EXPECT_EQ(xp.version, 3u);
  EXPECT_EQ(xp.name, "Varnel VR-80 USB");
  EXPECT_EQ(xp.environment, "");
  EXPECT_EQ(xp.dataFile, "VR80S.GPD");
  EXPECT_EQ(xp.configFile, "UNIDRVUI.DLL");
  EXPECT_EQ(xp.dependentFiles, (std::vector<std::string>{"VR80S.GPD", "TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD",
                                                          "VRRES.DLL", "VarnelUI.dll"}))
      << "the STD rendering plug-in and its configuration are \"0\" and left out";
  EXPECT_EQ(DependentFilesBlock(xp.dependentFiles),
            std::string("VR80S.GPD\0TTFSUB.GPD\0UNIRES.DLL\0STDNAMES.GPD\0VRRES.DLL\0VarnelUI.dll\0\0", 69));

  // Systems 0 and 1 use the tick box's family and GDIDriverName.
  const DriverRecord nt = config.Driver(PrinterType::Receipt, false, "VR-80", 1, PortKind::Serial, false);
  EXPECT_EQ(nt.version, 2u);
  EXPECT_EQ(nt.name, "Varnel VR-80");
  EXPECT_EQ(nt.dataFile, "VR80.GPD");
  EXPECT_TRUE(nt.dependentFiles.empty());
  const DriverRecord w98 = config.Driver(PrinterType::Receipt, false, "VR-80", 0, PortKind::Parallel, true);
  EXPECT_EQ(w98.version, 0u);
  EXPECT_EQ(w98.environment, "Windows 4.0");

  const PrinterRecordParts parts = config.PrinterParts(PrinterType::Label, true, "VL-42", 7, PortKind::Serial, false);
  EXPECT_EQ(parts.printerName, "VL-42");
  EXPECT_EQ(parts.driverName, "Varnel VL-42 Serial");
  EXPECT_EQ(parts.printProcessor, "Varnel Print Processor") << "serial ports are forced to GDI";
  EXPECT_EQ(parts.attributes, 0x840u);
}

TEST_F(SampleMedium, FileListIsForcedOnEverySystemAndCoreFilesFollowTheTickOnly) {
  const FileList gdi = config.FilesOf(PrinterType::Receipt, false, "VR-80", 0, PortKind::Serial, false);
  EXPECT_EQ(gdi.dataFile, "VR80.DRV");
  EXPECT_EQ(gdi.driverPath, "UNIDRV.DLL");
  const FileList std = config.FilesOf(PrinterType::Receipt, false, "VR-80", 7, PortKind::Usb, true);
  EXPECT_EQ(std.dataFile, "VR80S.GPD");
  EXPECT_EQ(std.processorFile, "0");
  EXPECT_EQ(std.settingsPlugin, "VarnelUI.dll");
  EXPECT_EQ(std.controlFontFile, "VRCTLFNT.DAT");
  EXPECT_EQ(std.languageFiles[0], "VRRES_EN.DLL");
  EXPECT_EQ(std.languageFiles[8], "0");

  EXPECT_TRUE(config.NeedsCoreFiles(PrinterType::Receipt, false, "VR-80", 7, true));
  EXPECT_FALSE(config.NeedsCoreFiles(PrinterType::Receipt, false, "VR-80", 0, true));
}

TEST_F(SampleMedium, ReadsTheSecondUsbMonitorForUsbPortsOnly) {
  const MonitorRecords win7 = config.Monitors(7, PortKind::Usb);
  EXPECT_EQ(win7.usb.name, "Varnel USB Port");
  EXPECT_EQ(win7.usb.uiFile, "VRUSBMUI.DLL");
  EXPECT_EQ(win7.usb.version, 4u);
  EXPECT_EQ(win7.serial.file, "VRCOMMON.DLL");
  EXPECT_EQ(win7.secondUsb.name, "Varnel USB Link");
  EXPECT_EQ(win7.secondUsb.version, 1u);
  EXPECT_TRUE(config.Monitors(7, PortKind::Serial).secondUsb.empty());
  EXPECT_TRUE(config.Monitors(3, PortKind::Usb).secondUsb.empty()) << "absent on XP";
  EXPECT_EQ(config.Monitors(0, PortKind::Usb).usb.environment, "Windows 4.0");
}

TEST_F(SampleMedium, TextsCarryTheirLineBreaks) {
  EXPECT_EQ(config.Text("Setup", "Caption"), "Kiln");
  EXPECT_EQ(config.Text("Message", "IDS_INF_RESTART"),
            "The printer driver has been installed.\r\nWindows must be restarted before the printer can be used.\r\n"
            "Restart now?");
  EXPECT_EQ(config.Text("Message", "IDS_ERR_COPYFIEL"), "Failed to copy the file ");
  EXPECT_EQ(config.Text("Message", "IDS_NOTHING"), "");
  EXPECT_EQ(config.Text("Confirm", "Protocol.Xonoff"), "Xon/Xoff");
}

TEST(ChineseMedium, HasEveryTextOfTheEnglishOneAndAsksForTheChineseFont) {
  os::sim::SimFiles english, chinese;
  ASSERT_GT(testing::LoadSampleMedium(english, kMediumFolder), 10);
  ASSERT_GT(testing::LoadSampleMedium(chinese, kMediumFolder, /*chinese=*/true), 10);
  const std::string language = std::string(kMediumFolder) + kLanguageIni;
  const profile::Profile en = profile::Profile::Parse(english.Contents(language));
  const profile::Profile zh = profile::Profile::Parse(chinese.Contents(language));
  ASSERT_EQ(zh.Sections().size(), en.Sections().size());
  int keys = 0;
  for (const std::string& section : en.Sections()) {
    for (const std::string& key : en.Keys(section)) {
      EXPECT_TRUE(zh.Find(section, key).has_value()) << "[" << section << "] " << key;
      ++keys;
    }
  }
  EXPECT_GT(keys, 90);

  const Configuration config(chinese, kMediumFolder);
  EXPECT_EQ(config.CommonNumber("LANGUAGE"), 0u);
  EXPECT_EQ(config.Text("Legal", "Accept"),
            "\xE6\x88\x91\xE6\x8E\xA5\xE5\x8F\x97\xE6\x89\x80\xE6\x9C\x89\xE7\x9A\x84\xE8\xBD\xAF\xE4\xBB\xB6"
            "\xE8\xAE\xB8\xE5\x8F\xAF\xE6\x9D\xA1\xE6\xAC\xBE(&A)")
      << "UTF-16 texts come back as UTF-8";
  // The list entries whose letters the port page takes stay as the settings string needs them.
  EXPECT_EQ(config.Text("Confirm", "Protocol.Xonoff"), "Xon/Xoff");
  EXPECT_EQ(config.Text("Confirm", "Parity.Even"), "Even");
  EXPECT_EQ(Configuration(english, kMediumFolder).CommonNumber("LANGUAGE"), 1u);
}

TEST(DeviceEntry, SearchesTheSuffixesInTheirOrder) {
  const struct {
    const char* entry;
    const char* model;
    int type;
  } rows[] = {
      {"QV-1-ReceiptPrinter", "QV-1", 0},
      {"QV-1-TicketPrinter-ReceiptPrinter", "QV-1-TicketPrinter", 0},
      {"QV-1-EmbeddedPrinter-LabelPrinter", "QV-1-EmbeddedPrinter", 2},
      {"QV-1-EmbeddedPrinter", "QV-1", 3},
      {"QV-1-LabelPrinterX", "QV-1", 2},
      {"-TicketPrinter", "", 1},
      {"QV-1-receiptprinter", "", -1},
      {"QV-1", "", -1},
      {"0", "", -1},
      {"", "", -1},
  };
  for (const auto& row : rows) {
    const DeviceEntry entry = SplitDeviceEntry(row.entry);
    EXPECT_EQ(entry.model, row.model) << row.entry;
    EXPECT_EQ(entry.type, row.type) << row.entry;
  }
}

TEST(Configuration, ReadsBrokenAndMissingValuesAsTheirDefaults) {
  os::sim::SimFiles files;
  Configuration config(files, "C:\\M");
  EXPECT_EQ(config.DeviceCount(), 0u) << "no setup.ini";
  EXPECT_EQ(config.Device(1).type, -1);
  EXPECT_EQ(config.Text("Setup", "Caption"), "") << "no language file";
  EXPECT_EQ(config.CommonText("SHELLEXENAME"), "0");

  files.Put("C:\\M\\DRVCONFIG\\setup.ini",
            "[DEVICENAME]\nDEFAULTNAME=2\nDEVICENAME1=QV-1-ReceiptPrinter\nDEVICENAME2=QV-2\nDEVICENAME3=" +
                std::string(300, 'L') + "-LabelPrinter\n");
  EXPECT_EQ(config.DeviceCount(), 0u) << "DEVICENUMBER absent";
  EXPECT_EQ(config.DefaultDevice().type, -1) << "the default entry has no suffix";
  EXPECT_EQ(config.Device(3).type, -1) << "an over-long entry is cut before its suffix";
  EXPECT_EQ(config.Device(1).model, "QV-1");

  files.Put("C:\\M\\language\\setup.ini",
            std::string("[Message]\nTWO=a\\1b\\1c\\2d\\3e\\3f\nLONG=") + std::string(3000, 'x') + "\n");
  EXPECT_EQ(config.Text("Message", "TWO"), "a\r\nb\\1c\r\nd\r\ne\\3f");
  EXPECT_EQ(config.Text("Message", "LONG").size(), 2047u);
}

TEST(Configuration, LeavesFilesNamedZeroOrEmptyOutOfTheDependentFiles) {
  os::sim::SimFiles files;
  Configuration config(files, "C:\\M\\");
  files.Put("C:\\M\\DRVCONFIG\\setup_label.ini",
            "[QV-9.2K]\nDriverNameP=QV Label\nGDIDataFile=QV9.GPD\nGDI2KDDKDEV=1\nSTD2KDDKDEV=0\n"
            "GDIDataFileDLLName=\nGDIDataOemuiDLL=0\nGDIDataOemuniDLL=QVREND.DLL\nGDIDataOemuniini=\"\"\n");
  const DriverRecord record = config.Driver(PrinterType::Label, false, "QV-9", 2, PortKind::Parallel, true);
  EXPECT_EQ(record.dependentFiles,
            (std::vector<std::string>{"QV9.GPD", "TTFSUB.GPD", "UNIRES.DLL", "STDNAMES.GPD", "QVREND.DLL"}));
  EXPECT_EQ(record.name, "QV Label");
  EXPECT_EQ(record.helpFile, "0");
  EXPECT_TRUE(NamesNoFile(record.helpFile));
  EXPECT_TRUE(NamesNoFile(""));
  EXPECT_FALSE(NamesNoFile("00"));

  // STD2KDDKDEV decides with the box unticked even though GDI2KDDKDEV is set.
  EXPECT_FALSE(config.NeedsCoreFiles(PrinterType::Label, false, "QV-9", 2, false));
  EXPECT_TRUE(config.NeedsCoreFiles(PrinterType::Label, false, "QV-9", 2, true));
  const DriverRecord std = config.Driver(PrinterType::Label, false, "QV-9", 2, PortKind::Parallel, false);
  ASSERT_FALSE(std.dependentFiles.empty()) << "the list follows GDI2KDDKDEV whatever the family";
  EXPECT_EQ(std.dependentFiles.front(), "TTFSUB.GPD") << "STD's data file is \"0\"";
}

}  // namespace
}  // namespace varnel::setup
