// Tolva.dll: the five exported functions over the access rules and the platform's USB
// printer class. Nothing is shown or logged; every outcome is the return value.
#include <windows.h>

#include <span>

#include "usbaccess/tolva_api.h"
#include "usbaccess/usb_printer_access.h"
#include "usbaccess/win32/win32_usb_printer_class.h"

namespace {

using varnel::usb::UsbPrinterAccess;

// One table and one device for the process, made on first use and never destroyed: the
// library does no work when it is unloaded.
UsbPrinterAccess& Access() {
  static UsbPrinterAccess* access = new UsbPrinterAccess(*new varnel::win32::Win32UsbPrinterClass());
  return *access;
}

// No exception crosses into the caller: a failure inside is a result of 0.
template <typename Result, typename Body>
Result Guarded(Body body) {
  try {
    return body();
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

int32_t TOLVA_CALL EnumQzUSBPrinter() {
  return Guarded<int32_t>([] { return Access().Enumerate(); });
}

int32_t TOLVA_CALL OpenQzUSBPrinter(int32_t position) {
  return Guarded<int32_t>([=] { return Access().Open(position); });
}

uint32_t TOLVA_CALL WriteQzUSBPrinter(const void* bytes, uint32_t length) {
  if (!bytes && length) return 0;
  return Guarded<uint32_t>(
      [=] { return Access().Write(std::span(static_cast<const uint8_t*>(bytes), length)); });
}

uint32_t TOLVA_CALL ReadQzUSBPrinter(void* buffer, uint32_t capacity) {
  if (!buffer && capacity) return 0;
  return Guarded<uint32_t>([=] { return Access().Read(std::span(static_cast<uint8_t*>(buffer), capacity)); });
}

int32_t TOLVA_CALL CloseQzUSBPrinter() {
  return Guarded<int32_t>([] { return Access().Close(); });
}

}  // extern "C"
