#pragma once
// The platform's USB printer class as the access library sees it: the list of printer
// interfaces that are present, and devices opened for overlapped transfers. Win32
// adapter: win32/win32_usb_printer_class.h; in-memory simulation: sim/sim_usb_printer_class.h.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "common/base/status.h"

namespace varnel::usb {

// Bytes of a device's hardware-id property that are read; a longer property fails.
inline constexpr uint32_t kHardwareIdCapacity = 256;

// The interfaces of the USB printer class that are present, in the system's order.
class InterfaceList {
 public:
  virtual ~InterfaceList() = default;
  // Moves to the interface with that member index (0-based). False when there is none:
  // the end of the list.
  virtual bool Next(uint32_t memberIndex) = 0;
  // The device path of the current interface.
  virtual Status DevicePath(std::string& path) = 0;
  // The raw hardware-id property (a multi-string: NUL-separated strings ending in an
  // empty one) of the current interface's device, at most kHardwareIdCapacity bytes.
  virtual Status HardwareIds(std::string& property) = 0;
};

enum class Begun { kDone, kPending, kFailed };
enum class Waited { kSignalled, kTimedOut, kFailed };

// One event and one transfer record (file offset 0) on an open device. It lives for one
// write or read call; whatever it started must have ended before it is destroyed.
class Transfer {
 public:
  virtual ~Transfer() = default;
  // Puts the event into the non-signalled state.
  virtual void Reset() = 0;
  // Starts a transfer. kDone: finished at once, count holds its byte count. kPending:
  // under way, the event signals its end. kFailed: refused at once, nothing moved.
  virtual Begun BeginWrite(std::span<const uint8_t> bytes, uint32_t& count) = 0;
  virtual Begun BeginRead(std::span<uint8_t> buffer, uint32_t& count) = 0;
  // Waits for the event at most limitMs milliseconds.
  virtual Waited Wait(uint32_t limitMs) = 0;
  // The byte count of the last transfer without waiting for it (0 while unknown).
  virtual uint32_t Result() = 0;
  // Cancels what is under way on the device.
  virtual void Cancel() = 0;
};

class Device {
 public:
  virtual ~Device() = default;
  // The event and record for one call. Fails when the event cannot be created.
  virtual Status NewTransfer(std::unique_ptr<Transfer>& transfer) = 0;
  // Releases the device; the platform's answer. Later calls of Close return false.
  virtual bool Close() = 0;
};

class UsbPrinterClass {
 public:
  virtual ~UsbPrinterClass() = default;
  // The present interfaces of the USB printer class. Fails when the system's device list
  // cannot be obtained.
  virtual Status ListInterfaces(std::unique_ptr<InterfaceList>& list) = 0;
  // Opens a device path exclusively for reading and writing with overlapped transfers.
  virtual Status OpenDevice(const std::string& path, std::unique_ptr<Device>& device) = 0;
};

}  // namespace varnel::usb
