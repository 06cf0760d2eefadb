#include "setup/platform/startup.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_desktop.h"
#include "common/os/sim/sim_files.h"
#include "common/os/sim/sim_system.h"
#include "setup/config/sample_medium.h"

namespace varnel::setup {
namespace {

class Startup : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_GT(testing::LoadSampleMedium(files), 10); }

  StartupResult Run() { return RunStartup({lock, desktop, system, config}, "Kiln"); }
  static std::string Refusal(const StartupResult& r) {
    return r.refusal.empty() ? "" : std::string(r.refusal.section) + "/" + r.refusal.key;
  }
  void SetCommon(const std::string& extra) {
    files.Put(std::string(testing::kMediumFolder) + kSetupIni, "[DEVICENAME]\r\n" + extra);
  }

  os::sim::SimFiles files;
  os::sim::SimInstanceLock lock;
  os::sim::SimDesktop desktop;
  os::sim::SimSystemInfo system;
  Configuration config{files, testing::kMediumFolder};
};

TEST_F(Startup, PassesOnTheSampleMediumAndTakesTheFlagFromTheSystem) {
  system.is64 = true;
  const StartupResult result = Run();
  EXPECT_TRUE(result.proceed) << Refusal(result);
  EXPECT_TRUE(result.is64);
  EXPECT_EQ(lock.held.count("Kiln"), 1u);
}

TEST_F(Startup, TheWizardsCaptionIsOneTheUninstallerLooksFor) {
  // The window title comes from the language file; the uninstaller finds the wizard by it.
  EXPECT_EQ(config.Text("Setup", "Caption"), kWizardCaptions[0]);
  os::sim::SimFiles chinese;
  ASSERT_GT(testing::LoadSampleMedium(chinese, testing::kMediumFolder, /*chinese=*/true), 10);
  EXPECT_EQ(Configuration(chinese, testing::kMediumFolder).Text("Setup", "Caption"), kWizardCaptions[1]);
}

TEST_F(Startup, ASecondInstanceBringsTheFirstForwardAndEndsSilently) {
  lock.held.insert("Kiln");
  const os::WindowRef first = desktop.Open("\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA\xE9\xA9\xB1\xE5\x8A\xA8\xE5\xAE\x89"
                                           "\xE8\xA3\x85\xE7\xA8\x8B\xE5\xBA\x8F");
  const StartupResult result = Run();
  EXPECT_FALSE(result.proceed);
  EXPECT_TRUE(result.refusal.empty());
  EXPECT_EQ(desktop.broughtForward, std::vector<os::WindowRef>{first});
}

TEST_F(Startup, RefusesWhileTheUninstallerRuns) {
  desktop.Open("Uninstall");
  EXPECT_EQ(Refusal(Run()), "Setup/Close");
}

TEST_F(Startup, RefusesWindows98MeAndNt4ButLetsWindows95Pass) {
  const struct {
    os::VersionRecord version;
    const char* refusal;
  } rows[] = {{{1, 4, 0, 950, 0}, ""},
              {{1, 4, 10, 1998, 0}, "Setup/Nonsupport"},
              {{1, 4, 90, 3000, 0}, "Setup/Nonsupport"},
              {{2, 4, 0, 1381, 1}, "Setup/Nonsupport"},
              {{2, 5, 0, 2195, 1}, ""}};
  for (const auto& row : rows) {
    lock.held.clear();
    system.version = row.version;
    EXPECT_EQ(Refusal(Run()), row.refusal) << row.version.major << "." << row.version.minor;
  }
}

TEST_F(Startup, Supported32Or64RefusesTheOtherBitnessOnly) {
  const struct {
    const char* value;
    bool is64;
    const char* refusal;
  } rows[] = {{"0", false, ""}, {"0", true, ""}, {"1", false, ""}, {"1", true, "Message/IDS_X64"},
              {"2", true, ""},  {"2", false, "Message/IDS_X32"}, {"3", true, ""}};
  for (const auto& row : rows) {
    StartupResult asResult;
    asResult.refusal = BitnessRefusal(std::stoul(row.value), row.is64);
    EXPECT_EQ(Refusal(asResult), row.refusal)
        << row.value << (row.is64 ? " on 64-bit" : " on 32-bit");
  }
  system.is64 = true;
  system.faults.FailOnce("Is64BitSystem", 127);
  SetCommon("Supported32OR64=2\r\n");
  const StartupResult result = Run();
  EXPECT_FALSE(result.is64) << "no answer counts as a 32-bit system";
  EXPECT_EQ(Refusal(result), "Message/IDS_X32");
}

TEST_F(Startup, LooksForAPortOfTheLastModelOnly) {
  const std::string folder = testing::kMediumFolder;
  // The last entry names a model without port keys, though the first is supported.
  SetCommon("DEVICENUMBER=2\r\nDEVICENAME1=VR-80-ReceiptPrinter\r\nDEVICENAME2=VX-1-LabelPrinter\r\n");
  EXPECT_EQ(Refusal(Run()), "Setup/PortNull");

  // An entry without a suffix is passed over; the model before it counts.
  lock.held.clear();
  SetCommon("DEVICENUMBER=2\r\nDEVICENAME1=VE-20-EmbeddedPrinter\r\nDEVICENAME2=VX-1\r\n");
  EXPECT_TRUE(Run().proceed);

  // A model found only in the 64-bit type files.
  lock.held.clear();
  files.Put(folder + "DRVCONFIG\\setup_label_64.ini", "[VX-1.PORT]\r\nNETSUPPORTED=1\r\nCOMSUPPORTED=1\r\n");
  SetCommon("DEVICENUMBER=1\r\nDEVICENAME1=VX-1-LabelPrinter\r\n");
  EXPECT_EQ(Refusal(Run()), "Setup/PortNull");
  lock.held.clear();
  system.is64 = true;
  EXPECT_TRUE(Run().proceed);

  // No entry with a suffix, or no entries at all.
  for (const char* list : {"DEVICENUMBER=1\r\nDEVICENAME1=VX-1\r\n", ""}) {
    lock.held.clear();
    SetCommon(list);
    EXPECT_EQ(Refusal(Run()), "Setup/PortNull") << list;
  }
}

TEST_F(Startup, AHugeDeviceCountIsWalkedOverTheEntriesThatExist) {
  // A damaged count must not mean a read of the file per number: only the numbered
  // entries present are visited, and they keep their order and rules.
  SetCommon("DEVICENUMBER=100000\r\nDEVICENAME7=VX-1-LabelPrinter\r\ndevicename002=VX-1-LabelPrinter\r\n"
            "DEVICENAME2=VE-20-EmbeddedPrinter\r\nDEVICENAME100001=VX-1-LabelPrinter\r\n");
  const int readsBefore = files.faults.Calls("ReadFile");
  const StartupResult result = Run();
  ASSERT_LT(files.faults.Calls("ReadFile") - readsBefore, 100);
  EXPECT_EQ(Refusal(result), "Setup/PortNull") << "entry 7 is the last one read";

  lock.held.clear();
  SetCommon("DEVICENUMBER=999999999\r\nDEVICENAME3=VE-20-EmbeddedPrinter\r\nDEVICENAME1000000000=VX-1-LabelPrinter\r\n");
  EXPECT_TRUE(Run().proceed) << "an entry above the count is not read";
}

}  // namespace
}  // namespace varnel::setup
