#include "common/os/win32/win32_system.h"

#include <windows.h>

#include <memory>

#include "common/os/win32/owned.h"
#include "common/os/win32/wide.h"

namespace varnel::win32 {

namespace {

// The one place where this adapter turns the platform's error into a Status.
Status LastError(const std::string& what) {
  const DWORD code = GetLastError();
  return Status::Fail(code ? code : ERROR_GEN_FAILURE, what);
}

// kernel32 by its full path in the system folder, else by its bare name.
HMODULE SystemKernel32() {
  wchar_t folder[MAX_PATH];
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length > 0 && length < MAX_PATH - 16) {
    std::wstring path(folder, length);
    path += L"\\kernel32.dll";
    if (HMODULE module = GetModuleHandleW(path.c_str())) return module;
  }
  return GetModuleHandleW(L"kernel32.dll");
}

}  // namespace

Status Win32SystemInfo::Version(os::VersionRecord& record) {
  OSVERSIONINFOEXW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  // The record as the system reports it to this program, compatibility declaration and all.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&info))) return LastError("GetVersionEx");
#pragma GCC diagnostic pop
  record = os::VersionRecord{info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
                             info.wProductType};
  return Status::Ok();
}

uint16_t Win32SystemInfo::NativeProcessor() {
  using NativeInfo = void(WINAPI*)(SYSTEM_INFO*);
  SYSTEM_INFO info{};
  auto native = reinterpret_cast<NativeInfo>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetNativeSystemInfo")));
  if (native) {
    native(&info);
  } else {
    GetSystemInfo(&info);
  }
  return info.wProcessorArchitecture;
}

Status Win32SystemInfo::Is64BitSystem(bool& is64) {
  if constexpr (sizeof(void*) == 8) {
    is64 = true;  // a 64-bit program runs on a 64-bit system only
    return Status::Ok();
  }
  using IsWow64 = BOOL(WINAPI*)(HANDLE, BOOL*);
  HMODULE kernel = SystemKernel32();
  auto isWow64 = kernel ? reinterpret_cast<IsWow64>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")))
                        : nullptr;
  if (!isWow64) return Status::Fail(ERROR_PROC_NOT_FOUND, "IsWow64Process");
  BOOL answer = FALSE;
  if (!isWow64(GetCurrentProcess(), &answer)) return LastError("IsWow64Process");
  is64 = answer != FALSE;
  return Status::Ok();
}

Status Win32SystemInfo::UserGroups(std::vector<os::Sid>& groups) {
  OwnedHandle token;
  if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, token.out())) {
    if (GetLastError() != ERROR_NO_TOKEN) return LastError("OpenThreadToken");
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.out())) return LastError("OpenProcessToken");
  }
  DWORD bytes = 0;
  GetTokenInformation(token.get(), ::TokenGroups, nullptr, 0, &bytes);
  if (bytes == 0) return LastError("GetTokenInformation");
  std::unique_ptr<uint8_t[]> buffer(new uint8_t[bytes]);
  if (!GetTokenInformation(token.get(), ::TokenGroups, buffer.get(), bytes, &bytes)) {
    return LastError("GetTokenInformation");
  }
  const auto* list = reinterpret_cast<const TOKEN_GROUPS*>(buffer.get());
  groups.clear();
  for (DWORD i = 0; i < list->GroupCount; ++i) {
    PSID sid = list->Groups[i].Sid;
    if (!IsValidSid(sid)) continue;
    const SID_IDENTIFIER_AUTHORITY* authority = GetSidIdentifierAuthority(sid);
    os::Sid out;
    for (BYTE part : authority->Value) out.authority = (out.authority << 8) | part;
    const UCHAR count = *GetSidSubAuthorityCount(sid);
    for (UCHAR n = 0; n < count; ++n) out.subAuthorities.push_back(*GetSidSubAuthority(sid, n));
    groups.push_back(std::move(out));
  }
  return Status::Ok();
}

Status Win32SystemInfo::WindowsFolder(std::string& folder) {
  wchar_t path[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return LastError("GetWindowsDirectory");
  folder = Narrow(std::wstring_view(path, length));
  while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return Status::Ok();
}

}  // namespace varnel::win32
