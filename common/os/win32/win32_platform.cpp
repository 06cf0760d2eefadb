#include "common/os/win32/win32_platform.h"

#include <windows.h>

#include "common/os/win32/owned.h"
#include "common/os/win32/wide.h"

namespace varnel::win32 {

namespace {

// The one place where these adapters turn the platform's error into a Status.
Status Failure(DWORD code, const std::string& what) { return Status::Fail(code ? code : ERROR_GEN_FAILURE, what); }
Status LastError(const std::string& what) { return Failure(GetLastError(), what); }

using Disabler = BOOL(WINAPI*)(PVOID*);
using Reverter = BOOL(WINAPI*)(PVOID);

template <typename Function>
Function Kernel32Entry(const char* name) {
  HMODULE kernel = GetModuleHandleW(L"Kernel32.dll");
  return kernel ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, name))) : nullptr;
}

constexpr const wchar_t* kNtPortsKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

std::wstring PortsClassKey(int classKey) {
  return L"System\\CurrentControlSet\\Services\\Class\\Ports\\000" + std::to_wstring(classKey);
}

}  // namespace

os::FsRedirection::Availability Win32FsRedirection::Check() {
  if (!GetModuleHandleW(L"Kernel32.dll")) return Availability::NoKernel32;
  if (!Kernel32Entry<Disabler>("Wow64DisableWow64FsRedirection")) return Availability::NoDisable;
  if (!Kernel32Entry<Reverter>("Wow64RevertWow64FsRedirection")) return Availability::NoRevert;
  return Availability::Ready;
}

Status Win32FsRedirection::Disable(uintptr_t& saved) {
  if constexpr (sizeof(void*) == 8) {
    saved = 0;  // a 64-bit program sees the system folder as it is: nothing to switch
    return Status::Ok();
  }
  auto disable = Kernel32Entry<Disabler>("Wow64DisableWow64FsRedirection");
  if (!disable) return Failure(ERROR_PROC_NOT_FOUND, "Wow64DisableWow64FsRedirection");
  PVOID old = nullptr;
  if (!disable(&old)) return LastError("Wow64DisableWow64FsRedirection");
  saved = reinterpret_cast<uintptr_t>(old);
  return Status::Ok();
}

Status Win32FsRedirection::Revert(uintptr_t saved) {
  if constexpr (sizeof(void*) == 8) return Status::Ok();
  auto revert = Kernel32Entry<Reverter>("Wow64RevertWow64FsRedirection");
  if (!revert) return Failure(ERROR_PROC_NOT_FOUND, "Wow64RevertWow64FsRedirection");
  if (!revert(reinterpret_cast<PVOID>(saved))) return LastError("Wow64RevertWow64FsRedirection");
  return Status::Ok();
}

os::WindowRef Win32Desktop::FindByCaption(const std::string& caption) {
  return reinterpret_cast<os::WindowRef>(FindWindowW(nullptr, Widen(caption).c_str()));
}

Status Win32Desktop::BringForward(os::WindowRef window) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (!IsWindow(hwnd)) return Failure(ERROR_INVALID_WINDOW_HANDLE, "BringForward");
  SetForegroundWindow(hwnd);
  if (IsIconic(hwnd)) OpenIcon(hwnd);
  return Status::Ok();
}

Status Win32InstanceLock::Acquire(const std::string& name, bool& existed) {
  HANDLE mutex = CreateMutexW(nullptr, TRUE, Widen(name).c_str());
  const DWORD error = GetLastError();
  if (!mutex) return Failure(error, "CreateMutex " + name);
  existed = error == ERROR_ALREADY_EXISTS;
  // Held, never closed: the lock lasts as long as the process.
  return Status::Ok();
}

Status Win32SerialPortStore::SetPortsValue(const std::string& port, const std::string& settings, os::RegView view) {
  OwnedKey key;
  const REGSAM access = KEY_READ | KEY_WRITE | (view == os::RegView::Force64 ? KEY_WOW64_64KEY : 0);
  LONG result = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kNtPortsKey, 0, access, key.out());
  if (result != ERROR_SUCCESS) return Failure(result, "RegOpenKeyEx Ports");
  const std::wstring text = Widen(settings);
  result = RegSetValueExW(key.get(), Widen(port).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  return result == ERROR_SUCCESS ? Status::Ok() : Failure(result, "RegSetValueEx " + port);
}

Status Win32SerialPortStore::ReadPortSubClass(int classKey, std::vector<uint8_t>& value) {
  OwnedKey key;
  LONG result = RegOpenKeyExW(HKEY_LOCAL_MACHINE, PortsClassKey(classKey).c_str(), 0, KEY_READ, key.out());
  if (result != ERROR_SUCCESS) return Failure(result, "RegOpenKeyEx Ports class");
  DWORD type = 0, bytes = 0;
  result = RegQueryValueExW(key.get(), L"PortSubClass", nullptr, &type, nullptr, &bytes);
  if (result != ERROR_SUCCESS) return Failure(result, "RegQueryValueEx PortSubClass");
  value.assign(bytes, 0);
  result = RegQueryValueExW(key.get(), L"PortSubClass", nullptr, &type, value.data(), &bytes);
  if (result != ERROR_SUCCESS) return Failure(result, "RegQueryValueEx PortSubClass");
  value.resize(bytes);
  return Status::Ok();
}

Status Win32SerialPortStore::WriteDcb(int classKey, std::span<const uint8_t> block) {
  OwnedKey key;
  LONG result = RegOpenKeyExW(HKEY_LOCAL_MACHINE, PortsClassKey(classKey).c_str(), 0, KEY_WRITE, key.out());
  if (result != ERROR_SUCCESS) return Failure(result, "RegOpenKeyEx Ports class");
  result = RegSetValueExW(key.get(), L"DCB", 0, REG_NONE, block.data(), static_cast<DWORD>(block.size()));
  return result == ERROR_SUCCESS ? Status::Ok() : Failure(result, "RegSetValueEx DCB");
}

Status Win32SerialPortStore::WriteProfilePorts(const std::string& port, const std::string& settings) {
  if (!WriteProfileStringW(L"Ports", Widen(port).c_str(), Widen(settings).c_str())) {
    return LastError("WriteProfileString Ports");
  }
  SendNotifyMessageW(HWND_BROADCAST, WM_WININICHANGE, 0, reinterpret_cast<LPARAM>(L"Ports"));
  WriteProfileStringW(nullptr, nullptr, nullptr);  // flush
  return Status::Ok();
}

Status Win32FileVersions::ReadVersionBlock(const std::string& path, std::vector<uint8_t>& block) {
  const std::wstring wide = Widen(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
  if (size == 0) return LastError("GetFileVersionInfoSize " + path);
  block.assign(size, 0);
  if (!GetFileVersionInfoW(wide.c_str(), 0, size, block.data())) return LastError("GetFileVersionInfo " + path);
  return Status::Ok();
}

}  // namespace varnel::win32
