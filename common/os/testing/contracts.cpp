#include "common/os/testing/contracts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnel::os::testing {

namespace {
std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
}  // namespace

void CheckFilesContract(Files& files, const std::string& folder) {
  const std::string a = folder + "\\a.ini";
  const std::string b = folder + "\\Sub\\b.ini";
  std::vector<uint8_t> got;

  EXPECT_EQ(files.ReadFile(a, got).code(), err::kFileNotFound);
  EXPECT_EQ(files.ReadFile(folder + "\\none\\x.ini", got).code(), err::kPathNotFound);
  EXPECT_EQ(files.WriteFile(b, Bytes("x")).code(), err::kPathNotFound) << "a file needs its folder";

  ASSERT_TRUE(files.WriteFile(a, Bytes("[DEVICENAME]\r\n")).ok());
  ASSERT_TRUE(files.ReadFile(folder + "\\A.INI", got).ok()) << "names ignore case";
  EXPECT_EQ(got, Bytes("[DEVICENAME]\r\n"));
  ASSERT_TRUE(files.WriteFile(a, Bytes("new")).ok()) << "writing replaces";
  uint64_t size = 0;
  ASSERT_TRUE(files.FileSize(a, size).ok());
  EXPECT_EQ(size, 3u);

  ASSERT_TRUE(files.MakeDirectory(folder + "\\Sub").ok());
  EXPECT_EQ(files.MakeDirectory(folder + "\\Sub").code(), err::kAlreadyExists);
  ASSERT_TRUE(files.Copy(a, b, true).ok());
  EXPECT_EQ(files.Copy(a, b, true).code(), err::kFileExists);
  EXPECT_TRUE(files.Copy(a, b, false).ok());
  EXPECT_EQ(files.Copy(folder + "\\missing", b, false).code(), err::kFileNotFound);

  std::vector<std::string> names;
  ASSERT_TRUE(files.ListDirectory(folder, names).ok());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Sub", "a.ini"}));

  ASSERT_TRUE(files.Remove(b).ok());
  EXPECT_FALSE(files.Exists(b));
  EXPECT_TRUE(files.Exists(folder + "\\Sub"));
  EXPECT_EQ(files.Remove(b).code(), err::kFileNotFound);
  ASSERT_TRUE(files.Remove(a).ok());
}

void CheckRegistryContract(Registry& registry, const std::string& key) {
  const RegRoot user = RegRoot::CurrentUser;
  std::string text;
  uint32_t number = 0;

  EXPECT_EQ(registry.GetString(user, key, "Name", text).code(), err::kFileNotFound);
  ASSERT_TRUE(registry.SetString(user, key + "\\Printers\\R80", "Name", "Varnel R80").ok())
      << "missing parents are created";
  ASSERT_TRUE(registry.GetString(user, key + "\\PRINTERS\\r80", "NAME", text).ok()) << "names ignore case";
  EXPECT_EQ(text, "Varnel R80");
  EXPECT_EQ(registry.GetString(user, key + "\\Printers\\R80", "Other", text).code(), err::kFileNotFound);

  ASSERT_TRUE(registry.SetDword(user, key, "DriverVersion", 0x80000001u).ok());
  ASSERT_TRUE(registry.GetDword(user, key, "DriverVersion", number).ok());
  EXPECT_EQ(number, 0x80000001u);
  EXPECT_EQ(registry.GetDword(user, key + "\\Printers\\R80", "Name", number).code(), 13u) << "a string is no number";

  ASSERT_TRUE(registry.CreateKey(user, key + "\\Empty").ok());
  ASSERT_TRUE(registry.CreateKey(user, key + "\\Empty").ok()) << "an existing key is fine";
  std::vector<std::string> names;
  ASSERT_TRUE(registry.ListSubkeys(user, key, names).ok());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Empty", "Printers"}));

  ASSERT_TRUE(registry.DeleteValue(user, key, "DriverVersion").ok());
  EXPECT_EQ(registry.DeleteValue(user, key, "DriverVersion").code(), err::kFileNotFound);
  ASSERT_TRUE(registry.DeleteTree(user, key).ok());
  EXPECT_EQ(registry.ListSubkeys(user, key, names).code(), err::kFileNotFound);
  EXPECT_EQ(registry.DeleteTree(user, key).code(), err::kFileNotFound);
}

void CheckSpoolerHandleContract(Spooler& spooler, const std::string& printer) {
  PrinterHandle handle = nullptr;
  EXPECT_EQ(spooler.Open(printer + " (no such printer)", handle).code(), err::kInvalidPrinterName);
  ASSERT_TRUE(spooler.Open(printer, handle).ok());
  EXPECT_NE(handle, nullptr);
  EXPECT_TRUE(spooler.Close(handle).ok());
}

}  // namespace varnel::os::testing
