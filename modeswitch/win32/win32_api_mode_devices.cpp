#include "modeswitch/win32/win32_api_mode_devices.h"

#include <windows.h>

namespace varnel::win32 {

namespace {

// The one place where this adapter turns the platform's error into a Status.
Status LastError(const std::string& what) {
  const DWORD code = GetLastError();
  return Status::Fail(code ? code : err::kWriteFault, what);
}

class Win32ApiModeDevice : public modeswitch::ApiModeDevice {
 public:
  explicit Win32ApiModeDevice(HANDLE handle) : handle_(handle) {}
  ~Win32ApiModeDevice() override { CloseHandle(handle_); }
  Win32ApiModeDevice(const Win32ApiModeDevice&) = delete;
  Win32ApiModeDevice& operator=(const Win32ApiModeDevice&) = delete;

  Status Control(uint32_t code, std::span<const uint8_t> input, std::span<uint8_t> output,
                 uint32_t& bytesReturned) override {
    DWORD returned = 0;
    if (!DeviceIoControl(handle_, code, const_cast<uint8_t*>(input.data()), static_cast<DWORD>(input.size()),
                         output.data(), static_cast<DWORD>(output.size()), &returned, nullptr)) {
      return LastError("DeviceIoControl");
    }
    bytesReturned = returned;
    return Status::Ok();
  }

 private:
  HANDLE handle_;
};

}  // namespace

Status Win32ApiModeDevices::Open(const std::string& path, std::unique_ptr<modeswitch::ApiModeDevice>& device) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastError("CreateFile " + path);
  device = std::make_unique<Win32ApiModeDevice>(handle);
  return Status::Ok();
}

}  // namespace varnel::win32
