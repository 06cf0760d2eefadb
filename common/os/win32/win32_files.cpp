#include "common/os/win32/win32_files.h"

#include <windows.h>

#include <limits>

#include "common/os/win32/wide.h"

namespace varnel::win32 {

namespace {

// The one place where this adapter turns the platform's error into a Status.
Status LastError(const std::string& what) {
  const DWORD code = GetLastError();
  return Status::Fail(code ? code : err::kWriteFault, what);
}

class FileHandle {
 public:
  explicit FileHandle(HANDLE h) : h_(h) {}
  ~FileHandle() { if (valid()) CloseHandle(h_); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return h_; }

 private:
  HANDLE h_;
};

}  // namespace

Status Win32Files::ReadFile(const std::string& path, std::vector<uint8_t>& contents) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastError("CreateFile " + path);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return LastError("GetFileSize " + path);
  if (size.QuadPart > std::numeric_limits<int32_t>::max()) return Status::Fail(err::kNotEnoughMemory, path);
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  DWORD got = 0;
  if (!bytes.empty() && !::ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) {
    return LastError("ReadFile " + path);
  }
  bytes.resize(got);
  contents = std::move(bytes);
  return Status::Ok();
}

Status Win32Files::WriteFile(const std::string& path, std::span<const uint8_t> contents) {
  FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastError("CreateFile " + path);
  DWORD put = 0;
  if (!contents.empty() &&
      !::WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &put, nullptr)) {
    return LastError("WriteFile " + path);
  }
  if (put != contents.size()) return Status::Fail(err::kWriteFault, "WriteFile " + path);
  return Status::Ok();
}

Status Win32Files::Remove(const std::string& path) {
  return DeleteFileW(Widen(path).c_str()) ? Status::Ok() : LastError("DeleteFile " + path);
}

Status Win32Files::Copy(const std::string& from, const std::string& to, bool failIfExists) {
  return CopyFileW(Widen(from).c_str(), Widen(to).c_str(), failIfExists) ? Status::Ok()
                                                                         : LastError("CopyFile " + from);
}

Status Win32Files::MakeDirectory(const std::string& path) {
  return CreateDirectoryW(Widen(path).c_str(), nullptr) ? Status::Ok() : LastError("CreateDirectory " + path);
}

bool Win32Files::Exists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

Status Win32Files::FileSize(const std::string& path, uint64_t& size) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return LastError("FileSize " + path);
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return Status::Fail(err::kFileNotFound, path);
  size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return Status::Ok();
}

Status Win32Files::ListDirectory(const std::string& path, std::vector<std::string>& names) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((Widen(path) + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return LastError("FindFirstFile " + path);
  names.clear();
  do {
    const std::wstring name = found.cFileName;
    if (name != L"." && name != L"..") names.push_back(Narrow(name));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return Status::Ok();
}

}  // namespace varnel::win32
