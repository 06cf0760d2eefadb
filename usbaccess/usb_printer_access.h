#pragma once
// The USB printer access library's rules: which printers are listed and in what order,
// how a position opens one, how writes are cut into transfers and reads retried, and
// what a time limit or a failure returns. The exported functions forward here.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "usbaccess/usb_printer_class.h"

namespace varnel::usb {

inline constexpr size_t kTableEntries = 10;
// A table entry holds 255 bytes including the terminating NUL.
inline constexpr size_t kMaxPathLength = 254;
inline constexpr uint32_t kBlockSize = 4096;
inline constexpr uint32_t kWriteLimitMs = 10000;
inline constexpr uint32_t kReadLimitMs = 5000;

// True when the first hardware id of a multi-string property names one of the vendors.
bool IsVendorPrinter(std::string_view hardwareIds);

class UsbPrinterAccess {
 public:
  explicit UsbPrinterAccess(UsbPrinterClass& system) : system_(system) {}

  // Refills the device path table; the number of printers listed (0 to 10).
  int Enumerate();
  // Opens the printer at a 1-based position of a fresh enumeration; 1 when it opened.
  int Open(int position);
  // The number of bytes the printer accepted.
  uint32_t Write(std::span<const uint8_t> bytes);
  // The number of bytes received into the buffer.
  uint32_t Read(std::span<uint8_t> buffer);
  // Nonzero when an open device was released.
  int Close();

  // The device paths of the last enumeration, in table order.
  const std::vector<std::string>& Paths() const { return paths_; }

 private:
  void ReleaseDevice();

  UsbPrinterClass& system_;
  std::vector<std::string> paths_;
  std::unique_ptr<Device> device_;
};

}  // namespace varnel::usb
