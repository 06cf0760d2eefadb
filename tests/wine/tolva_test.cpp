// Tolva.dll loaded by name as a program would: exactly its five exports, undecorated,
// and the real device enumeration on a machine without USB printers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "usbaccess/tolva_api.h"

namespace {

// The names in a loaded module's export table.
std::vector<std::string> ExportNames(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (!entry.VirtualAddress) return {};
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  EXPECT_EQ(exports->NumberOfFunctions, exports->NumberOfNames) << "every export has a name";
  const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  std::vector<std::string> result;
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) result.emplace_back(reinterpret_cast<const char*>(base + names[i]));
  std::sort(result.begin(), result.end());
  return result;
}

class TolvaDll : public ::testing::Test {
 protected:
  void SetUp() override {
    module = LoadLibraryW(L"Tolva.dll");
    ASSERT_NE(module, nullptr) << "LoadLibrary failed with " << GetLastError();
  }
  void TearDown() override {
    if (module) FreeLibrary(module);
  }
  template <typename Fn>
  Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }
  HMODULE module = nullptr;
};

TEST_F(TolvaDll, ExportsExactlyTheFiveUndecoratedNames) {
  EXPECT_EQ(ExportNames(module), (std::vector<std::string>{"CloseQzUSBPrinter", "EnumQzUSBPrinter",
                                                           "OpenQzUSBPrinter", "ReadQzUSBPrinter",
                                                           "WriteQzUSBPrinter"}));
}

TEST_F(TolvaDll, FindsNoPrinterWhereThereIsNoneAndMovesNothing) {
  auto enumerate = Entry<EnumQzUSBPrinterFn>("EnumQzUSBPrinter");
  auto open = Entry<OpenQzUSBPrinterFn>("OpenQzUSBPrinter");
  auto write = Entry<WriteQzUSBPrinterFn>("WriteQzUSBPrinter");
  auto read = Entry<ReadQzUSBPrinterFn>("ReadQzUSBPrinter");
  auto close = Entry<CloseQzUSBPrinterFn>("CloseQzUSBPrinter");
  ASSERT_TRUE(enumerate && open && write && read && close);

  EXPECT_EQ(enumerate(), 0);
  for (int32_t position : {1, 0, -1}) EXPECT_EQ(open(position), 0) << position;
  const uint8_t command[9] = {0x1B, 0x73, 0x42, 0x45, 0x92, 0x9A, 0x01, 0x00, 0x70};
  uint8_t buffer[16] = {};
  EXPECT_EQ(write(command, sizeof(command)), 0u);
  EXPECT_EQ(read(buffer, sizeof(buffer)), 0u);
  EXPECT_EQ(write(nullptr, 9), 0u);
  EXPECT_EQ(close(), 0);
}

}  // namespace
