#include "tests/wine/support/wine_printer.h"

#include <winspool.h>

#include <cstdio>

namespace varnel::winetest {

namespace {

using UnixNameFn = char*(CDECL*)(LPCWSTR);

bool SetRegString(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return result == ERROR_SUCCESS;
}

std::string Failed(const char* step) { return std::string(step) + " failed, error " + std::to_string(GetLastError()); }

bool TouchFile(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  WriteFile(file, "MZ", 2, &written, nullptr);
  CloseHandle(file);
  return true;
}

}  // namespace

bool FilePrinter::Install(const std::wstring& printerName, const std::wstring& port, std::string& error) {
  name_ = printerName;
  if (!SetRegString(HKEY_LOCAL_MACHINE,
                    L"System\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Print Processors\\winprint",
                    L"Driver", L"winprint.dll")) {
    error = Failed("print processor key");
    return false;
  }

  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  outputPath_ = std::wstring(temp) + L"varnel-port-" + std::to_wstring(GetCurrentProcessId()) + L".bin";
  auto unixName = reinterpret_cast<UnixNameFn>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name"));
  if (!unixName) {
    error = "not running under Wine";
    return false;
  }
  const char* unixPath = unixName(outputPath_.c_str());
  if (!unixPath || !SetRegString(HKEY_CURRENT_USER, L"Software\\Wine\\Printing\\Spooler", port.c_str(),
                                 std::wstring(unixPath, unixPath + strlen(unixPath)))) {
    error = Failed("port mapping");
    return false;
  }

  wchar_t driverDir[MAX_PATH];
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(driverDir), sizeof driverDir, &needed)) {
    error = Failed("GetPrinterDriverDirectory");
    return false;
  }
  for (const wchar_t* file : {L"vtest.dll", L"vtest.gpd", L"vtestui.dll"}) {
    if (!TouchFile(std::wstring(driverDir) + L"\\" + file)) {
      error = Failed("driver file");
      return false;
    }
  }
  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<LPWSTR>(L"Varnel Test Driver");
  driver.pDriverPath = const_cast<LPWSTR>(L"vtest.dll");
  driver.pDataFile = const_cast<LPWSTR>(L"vtest.gpd");
  driver.pConfigFile = const_cast<LPWSTR>(L"vtestui.dll");
  if (!AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver)) &&
      GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
    error = Failed("AddPrinterDriver");
    return false;
  }

  PRINTER_INFO_2W info{};
  info.pPrinterName = name_.data();
  info.pPortName = const_cast<LPWSTR>(port.c_str());
  info.pDriverName = driver.pName;
  info.pPrintProcessor = const_cast<LPWSTR>(L"winprint");
  info.pDatatype = const_cast<LPWSTR>(L"RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer && GetLastError() != ERROR_PRINTER_ALREADY_EXISTS) {
    error = Failed("AddPrinter");
    return false;
  }
  if (printer) ClosePrinter(printer);
  ClearOutput();
  return true;
}

void FilePrinter::ClearOutput() { DeleteFileW(outputPath_.c_str()); }

std::vector<uint8_t> FilePrinter::Output(DWORD timeoutMs) const {
  std::vector<uint8_t> bytes;
  LONGLONG lastSize = -1;
  for (DWORD waited = 0; waited <= timeoutMs; waited += 50) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(outputPath_.c_str(), GetFileExInfoStandard, &data)) {
      const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
      if (size == lastSize) break;  // stopped growing
      lastSize = size;
    }
    Sleep(50);
  }
  HANDLE file = CreateFileW(outputPath_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  DWORD size = GetFileSize(file, nullptr);
  bytes.resize(size);
  DWORD got = 0;
  if (size) ReadFile(file, bytes.data(), size, &got, nullptr);
  bytes.resize(got);
  CloseHandle(file);
  return bytes;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char part[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(part, sizeof part, i ? " %02X" : "%02X", bytes[i]);
    text += part;
  }
  return text;
}

}  // namespace varnel::winetest
