// The simulation must follow the platform's contracts closely enough that a sequence
// which passes against it behaves the same against the real system.
#include <gtest/gtest.h>

#include "common/os/sim/sim_files.h"
#include "common/os/sim/sim_registry.h"
#include "common/os/sim/sim_spooler.h"

namespace varnel::os::sim {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(Faults, OnceFailsOnlyTheNamedCallAndFromFailsEveryLaterOne) {
  Faults faults;
  faults.FailOnce("Write", 29, 2);
  EXPECT_TRUE(faults.Enter("Write").ok());
  EXPECT_EQ(faults.Enter("Write").code(), 29u);
  EXPECT_TRUE(faults.Enter("Write").ok());
  EXPECT_TRUE(faults.Enter("Open").ok());

  faults.FailFrom("Open", 5);
  EXPECT_EQ(faults.Enter("Open").code(), 5u);
  EXPECT_EQ(faults.Enter("Open").code(), 5u);
  EXPECT_EQ(faults.Calls("Open"), 3);
  faults.Clear();
  EXPECT_TRUE(faults.Enter("Open").ok());
}

TEST(SimFiles, FollowsThePlatformRules) {
  SimFiles files;
  files.Put("C:\\Medium\\DRVCONFIG\\setup.ini", "[DEVICENAME]");
  std::vector<uint8_t> got;
  ASSERT_TRUE(files.ReadFile("c:/medium/drvconfig/SETUP.INI", got).ok()) << "names ignore case, '/' separates";
  EXPECT_EQ(got, Bytes("[DEVICENAME]"));

  EXPECT_EQ(files.ReadFile("C:\\Medium\\missing.ini", got).code(), err::kFileNotFound);
  EXPECT_EQ(files.ReadFile("C:\\Nowhere\\x.ini", got).code(), err::kPathNotFound);
  EXPECT_EQ(files.WriteFile("C:\\Nowhere\\x.ini", Bytes("x")).code(), err::kPathNotFound);
  EXPECT_EQ(files.Copy("C:\\Medium\\DRVCONFIG\\setup.ini", "C:\\Medium\\DRVCONFIG\\Setup.ini", true).code(),
            err::kFileExists);
  EXPECT_EQ(files.MakeDirectory("C:\\Medium").code(), err::kAlreadyExists);

  ASSERT_TRUE(files.Copy("C:\\Medium\\DRVCONFIG\\setup.ini", "C:\\Medium\\copy.ini", true).ok());
  std::vector<std::string> names;
  ASSERT_TRUE(files.ListDirectory("C:\\Medium", names).ok());
  EXPECT_EQ(names, (std::vector<std::string>{"copy.ini", "DRVCONFIG"}));
  uint64_t size = 0;
  ASSERT_TRUE(files.FileSize("C:\\Medium\\copy.ini", size).ok());
  EXPECT_EQ(size, 12u);
  ASSERT_TRUE(files.Remove("C:\\Medium\\copy.ini").ok());
  EXPECT_FALSE(files.Exists("C:\\Medium\\copy.ini"));
  EXPECT_EQ(files.Remove("C:\\Medium\\copy.ini").code(), err::kFileNotFound);
}

TEST(SimRegistry, KeysAndValuesIgnoreCaseAndTreesDelete) {
  SimRegistry registry;
  ASSERT_TRUE(registry.SetString(RegRoot::LocalMachine, "SOFTWARE\\KTX\\A", "Name", "one").ok());
  ASSERT_TRUE(registry.SetDword(RegRoot::LocalMachine, "software\\ktx\\B", "n", 4).ok());
  std::string text;
  ASSERT_TRUE(registry.GetString(RegRoot::LocalMachine, "Software\\Ktx\\a", "NAME", text).ok());
  EXPECT_EQ(text, "one");
  uint32_t number = 0;
  EXPECT_EQ(registry.GetDword(RegRoot::LocalMachine, "Software\\Ktx\\a", "NAME", number).code(), 13u)
      << "a string is not a number";
  EXPECT_EQ(registry.GetString(RegRoot::CurrentUser, "Software\\Ktx\\a", "NAME", text).code(), err::kFileNotFound);

  std::vector<std::string> keys;
  ASSERT_TRUE(registry.ListSubkeys(RegRoot::LocalMachine, "SOFTWARE\\KTX", keys).ok());
  EXPECT_EQ(keys, (std::vector<std::string>{"A", "B"}));
  ASSERT_TRUE(registry.DeleteTree(RegRoot::LocalMachine, "SOFTWARE\\KTX").ok());
  EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, "SOFTWARE\\KTX\\A"));
  EXPECT_TRUE(registry.KeyExists(RegRoot::LocalMachine, "SOFTWARE"));
  EXPECT_EQ(registry.DeleteTree(RegRoot::LocalMachine, "SOFTWARE\\KTX").code(), err::kFileNotFound);
}

TEST(SimSpooler, RecordsEachJobWithItsWrites) {
  SimSpooler spooler;
  spooler.AddPrinter("Varnel R80");
  PrinterHandle handle = nullptr;
  EXPECT_EQ(spooler.Open("Nobody", handle).code(), err::kInvalidPrinterName);
  ASSERT_TRUE(spooler.Open("varnel r80", handle).ok());
  uint32_t job = 0, written = 0;
  const uint8_t data[] = {0x1B, 0x40};
  EXPECT_EQ(spooler.Write(handle, data, written).code(), err::kInvalidHandle) << "no job open";
  ASSERT_TRUE(spooler.BeginDocument(handle, {"LOGO", "RAW"}, job).ok());
  ASSERT_TRUE(spooler.BeginPage(handle).ok());
  ASSERT_TRUE(spooler.Write(handle, data, written).ok());
  EXPECT_EQ(written, 2u);
  ASSERT_TRUE(spooler.EndPage(handle).ok());
  ASSERT_TRUE(spooler.EndDocument(handle).ok());
  ASSERT_TRUE(spooler.Close(handle).ok());
  EXPECT_EQ(spooler.OpenHandles(), 0u);

  const auto& jobs = spooler.Jobs("VARNEL R80");
  ASSERT_EQ(jobs.size(), 1u);
  EXPECT_EQ(jobs[0].documentName, "LOGO");
  EXPECT_EQ(jobs[0].datatype, "RAW");
  EXPECT_EQ(jobs[0].bytes, std::vector<uint8_t>(std::begin(data), std::end(data)));
  EXPECT_TRUE(jobs[0].finished);
}

}  // namespace
}  // namespace varnel::os::sim

#include "common/os/testing/contracts.h"

namespace varnel::os::sim {
namespace {

TEST(SimContracts, FilesRegistryAndSpoolerKeepTheInterfaceContracts) {
  SimFiles files;
  ASSERT_TRUE(files.MakeDirectory("C:\\Temp").ok());
  testing::CheckFilesContract(files, "C:\\Temp");
  SimRegistry registry;
  testing::CheckRegistryContract(registry, "Software\\VarnelContract");
  SimSpooler spooler;
  spooler.AddPrinter("Varnel Test");
  testing::CheckSpoolerHandleContract(spooler, "Varnel Test");
}

}  // namespace
}  // namespace varnel::os::sim
