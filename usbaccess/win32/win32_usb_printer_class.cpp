#include "usbaccess/win32/win32_usb_printer_class.h"

#include <windows.h>
#include <setupapi.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace varnel::win32 {

namespace {

// GUID_DEVINTERFACE_USBPRINT: the device interface class of USB printers.
constexpr GUID kUsbPrintInterface = {0x28d78fad, 0x5a12, 0x11d1, {0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2}};

// The one place where this adapter turns the platform's error into a Status.
Status LastError(const char* what) {
  const DWORD code = GetLastError();
  return Status::Fail(code ? code : err::kWriteFault, what);
}

class Win32InterfaceList : public usb::InterfaceList {
 public:
  explicit Win32InterfaceList(HDEVINFO set) : set_(set) {}
  ~Win32InterfaceList() override { SetupDiDestroyDeviceInfoList(set_); }
  Win32InterfaceList(const Win32InterfaceList&) = delete;
  Win32InterfaceList& operator=(const Win32InterfaceList&) = delete;

  bool Next(uint32_t memberIndex) override {
    interface_ = {};
    interface_.cbSize = sizeof(interface_);
    haveDevice_ = false;
    return SetupDiEnumDeviceInterfaces(set_, nullptr, &kUsbPrintInterface, memberIndex, &interface_);
  }

  // Also learns the interface's device, whose hardware ids HardwareIds reads.
  Status DevicePath(std::string& path) override {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailA(set_, &interface_, nullptr, 0, &size, nullptr);
    constexpr DWORD kPathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
    if (size <= kPathOffset) return LastError("SetupDiGetDeviceInterfaceDetail");
    std::unique_ptr<void, decltype(&std::free)> record(std::calloc(1, size), &std::free);
    if (!record) return Status::Fail(err::kNotEnoughMemory, "interface detail");
    auto* detail = static_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(record.get());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
    device_ = {};
    device_.cbSize = sizeof(device_);
    if (!SetupDiGetDeviceInterfaceDetailA(set_, &interface_, detail, size, nullptr, &device_)) {
      return LastError("SetupDiGetDeviceInterfaceDetail");
    }
    haveDevice_ = true;
    path.assign(detail->DevicePath, strnlen(detail->DevicePath, size - kPathOffset));
    return Status::Ok();
  }

  Status HardwareIds(std::string& property) override {
    if (!haveDevice_) return Status::Fail(err::kInvalidParameter, "hardware ids before the device path");
    BYTE buffer[usb::kHardwareIdCapacity] = {};
    DWORD type = 0;
    DWORD required = 0;
    if (!SetupDiGetDeviceRegistryPropertyA(set_, &device_, SPDRP_HARDWAREID, &type, buffer, sizeof(buffer),
                                           &required)) {
      return LastError("SetupDiGetDeviceRegistryProperty");
    }
    property.assign(reinterpret_cast<const char*>(buffer), std::min<DWORD>(required, sizeof(buffer)));
    return Status::Ok();
  }

 private:
  HDEVINFO set_;
  SP_DEVICE_INTERFACE_DATA interface_{};
  SP_DEVINFO_DATA device_{};
  bool haveDevice_ = false;
};

// The event and transfer record of one call. A transfer still under way when the call
// ends (a cancel does not finish it at once) is waited for here, so that the system never
// writes into a record, event or caller's buffer that is gone.
class Win32Transfer : public usb::Transfer {
 public:
  Win32Transfer(HANDLE device, HANDLE event) : device_(device), event_(event) {}
  ~Win32Transfer() override {
    if (inFlight_) {
      DWORD count = 0;
      GetOverlappedResult(device_, &record_, &count, TRUE);
    }
    CloseHandle(event_);
  }
  Win32Transfer(const Win32Transfer&) = delete;
  Win32Transfer& operator=(const Win32Transfer&) = delete;

  void Reset() override { ResetEvent(event_); }

  usb::Begun BeginWrite(std::span<const uint8_t> bytes, uint32_t& count) override {
    DWORD done = 0;
    const BOOL finished = ::WriteFile(device_, bytes.data(), static_cast<DWORD>(bytes.size()), &done, Fresh());
    return Started(finished, done, count);
  }

  usb::Begun BeginRead(std::span<uint8_t> buffer, uint32_t& count) override {
    DWORD done = 0;
    const BOOL finished = ::ReadFile(device_, buffer.data(), static_cast<DWORD>(buffer.size()), &done, Fresh());
    return Started(finished, done, count);
  }

  usb::Waited Wait(uint32_t limitMs) override {
    switch (WaitForSingleObject(event_, limitMs)) {
      case WAIT_OBJECT_0: return usb::Waited::kSignalled;
      case WAIT_TIMEOUT: return usb::Waited::kTimedOut;
      default: return usb::Waited::kFailed;
    }
  }

  uint32_t Result() override {
    DWORD count = 0;
    if (!GetOverlappedResult(device_, &record_, &count, FALSE) && GetLastError() == ERROR_IO_INCOMPLETE) return 0;
    inFlight_ = false;
    return count;
  }

  void Cancel() override { CancelIo(device_); }

 private:
  // The record for a new transfer: file offset 0, signalling the call's event.
  OVERLAPPED* Fresh() {
    record_ = {};
    record_.hEvent = event_;
    return &record_;
  }

  usb::Begun Started(BOOL finished, DWORD done, uint32_t& count) {
    if (finished) {
      count = done;
      return usb::Begun::kDone;
    }
    if (GetLastError() != ERROR_IO_PENDING) return usb::Begun::kFailed;
    inFlight_ = true;
    return usb::Begun::kPending;
  }

  HANDLE device_;
  HANDLE event_;
  OVERLAPPED record_{};
  bool inFlight_ = false;
};

class Win32Device : public usb::Device {
 public:
  explicit Win32Device(HANDLE handle) : handle_(handle) {}
  ~Win32Device() override { Close(); }
  Win32Device(const Win32Device&) = delete;
  Win32Device& operator=(const Win32Device&) = delete;

  Status NewTransfer(std::unique_ptr<usb::Transfer>& transfer) override {
    // Auto-reset, created signalled; each transfer resets it before it starts.
    HANDLE event = CreateEventA(nullptr, FALSE, TRUE, nullptr);
    if (!event) return LastError("CreateEvent");
    transfer = std::make_unique<Win32Transfer>(handle_, event);
    return Status::Ok();
  }

  bool Close() override {
    if (handle_ == INVALID_HANDLE_VALUE) return false;
    const bool closed = CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

}  // namespace

Status Win32UsbPrinterClass::ListInterfaces(std::unique_ptr<usb::InterfaceList>& list) {
  HDEVINFO set = SetupDiGetClassDevsA(&kUsbPrintInterface, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return LastError("SetupDiGetClassDevs");
  list = std::make_unique<Win32InterfaceList>(set);
  return Status::Ok();
}

Status Win32UsbPrinterClass::OpenDevice(const std::string& path, std::unique_ptr<usb::Device>& device) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastError("CreateFile");
  device = std::make_unique<Win32Device>(handle);
  return Status::Ok();
}

}  // namespace varnel::win32
