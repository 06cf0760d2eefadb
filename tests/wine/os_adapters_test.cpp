// The Win32 adapters against the real platform (Wine's kernel, registry and spooler):
// the same contract checks the simulation passes, and a raw job through the real spooler.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/os/testing/contracts.h"
#include "common/os/win32/wide.h"
#include "common/os/win32/win32_files.h"
#include "common/os/win32/win32_registry.h"
#include "common/os/win32/win32_spooler.h"
#include "common/spool/raw_job.h"
#include "tests/wine/support/wine_printer.h"

namespace varnel {
namespace {

std::string FreshTempFolder(const char* name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::string folder = win32::Narrow(temp) + name + std::to_string(GetCurrentProcessId());
  CreateDirectoryW(win32::Widen(folder).c_str(), nullptr);
  return folder;
}

TEST(Win32Adapters, KeepTheFilesContract) {
  win32::Win32Files files;
  os::testing::CheckFilesContract(files, FreshTempFolder("varnel-files-"));
}

TEST(Win32Adapters, KeepTheRegistryContract) {
  win32::Win32Registry registry;
  os::testing::CheckRegistryContract(registry, "Software\\VarnelContract" + std::to_string(GetCurrentProcessId()));
}

TEST(Win32Adapters, ReadNoNumberFromADwordValueOfAnotherSize) {
  const std::wstring key = L"Software\\VarnelShortDword" + std::to_wstring(GetCurrentProcessId());
  HKEY handle = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
            ERROR_SUCCESS);
  const BYTE bytes[6] = {0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A};
  for (DWORD size : {0u, 2u, 6u}) {
    RegSetValueExW(handle, (L"Size" + std::to_wstring(size)).c_str(), 0, REG_DWORD, bytes, size);
  }
  RegCloseKey(handle);

  win32::Win32Registry registry;
  const std::string name = win32::Narrow(key);
  for (const char* value : {"Size0", "Size2", "Size6"}) {
    uint32_t number = 7;
    EXPECT_EQ(registry.GetDword(os::RegRoot::CurrentUser, name, value, number).code(), 13u) << value;
    EXPECT_EQ(number, 7u) << value;
  }
  registry.DeleteTree(os::RegRoot::CurrentUser, name);
}

class RealSpooler : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(printer.Install(L"Varnel Adapter Test", L"LPT2:", error)) << error;
  }
  winetest::FilePrinter printer;
  win32::Win32Spooler spooler;
};

TEST_F(RealSpooler, KeepsTheHandleContract) { os::testing::CheckSpoolerHandleContract(spooler, "Varnel Adapter Test"); }

TEST_F(RealSpooler, DeliversARawJobByteForByte) {
  os::PrinterHandle handle = nullptr;
  ASSERT_TRUE(spooler.Open("Varnel Adapter Test", handle).ok());
  RawJob job{"SELFTEST", {}};
  job.Write({0x1B, 0x63, 0x3B, 0x01});
  job.Write({0x1C, 0x71, 0x00, 0x00, 0x0A});
  job.Write({0x00, 0xFF, 0x1A, 0x0D, 0x0A});  // bytes a text path would mangle
  job.Write({0x1B, 0x63, 0x3B, 0x00});
  const Status st = SendRawJob(spooler, handle, job);
  EXPECT_TRUE(st.ok()) << st.context() << " error " << st.code();
  spooler.Close(handle);
  EXPECT_EQ(winetest::Hex(printer.Output()),
            "1B 63 3B 01 1C 71 00 00 0A 00 FF 1A 0D 0A 1B 63 3B 00");
}

TEST_F(RealSpooler, ReportsAJobOnAClosedHandle) {
  os::PrinterHandle handle = nullptr;
  ASSERT_TRUE(spooler.Open("Varnel Adapter Test", handle).ok());
  ASSERT_TRUE(spooler.Close(handle).ok());
  RawJob job{"LOGO", {{0x0A}}};
  EXPECT_FALSE(SendRawJob(spooler, handle, job).ok());
  EXPECT_TRUE(printer.Output(300).empty()) << "nothing reaches the port";
}

}  // namespace
}  // namespace varnel
