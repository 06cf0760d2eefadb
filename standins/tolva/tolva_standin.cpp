// A test build of the USB printer access library: the real access rules over three
// simulated printers. Every call and its result is appended as one line to the file named
// by the environment variable TOLVA_STANDIN_LOG (when it is set), e.g.
//   OpenQzUSBPrinter(3) 1
//   WriteQzUSBPrinter(1B 73 42 45 92 9A 01 00 70) 9
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "common/base/text.h"
#include "usbaccess/sim/sim_usb_printer_class.h"
#include "usbaccess/tolva_api.h"
#include "usbaccess/usb_printer_access.h"

namespace {

using varnel::usb::UsbPrinterAccess;
using varnel::usb::sim::SimUsbPrinterClass;

constexpr int kPrinters = 3;

UsbPrinterAccess& Access() {
  static SimUsbPrinterClass* system = [] {
    auto* printers = new SimUsbPrinterClass();
    for (int n = 0; n < kPrinters; ++n) {
      printers->AddInterface("\\\\?\\usb#vid_5e91&pid_0e15#standin" + std::to_string(n) +
                                 "#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}",
                             {"USB\\VID_5E91&PID_0E15&REV_0100", "USB\\VID_5E91&PID_0E15"});
    }
    return printers;
  }();
  static UsbPrinterAccess* access = new UsbPrinterAccess(*system);
  return *access;
}

template <typename Result>
Result Record(const std::string& call, Result result) {
  if (const char* path = std::getenv("TOLVA_STANDIN_LOG")) {
    if (std::FILE* log = std::fopen(path, "a")) {
      std::fprintf(log, "%s %lld\n", call.c_str(), static_cast<long long>(result));
      std::fclose(log);
    }
  }
  return result;
}

}  // namespace

extern "C" {

int32_t TOLVA_CALL EnumQzUSBPrinter() { return Record("EnumQzUSBPrinter", Access().Enumerate()); }

int32_t TOLVA_CALL OpenQzUSBPrinter(int32_t position) {
  return Record("OpenQzUSBPrinter(" + std::to_string(position) + ")", Access().Open(position));
}

uint32_t TOLVA_CALL WriteQzUSBPrinter(const void* bytes, uint32_t length) {
  const std::span data(static_cast<const uint8_t*>(bytes), bytes ? length : 0);
  return Record("WriteQzUSBPrinter(" + varnel::HexBytes(data) + ")", Access().Write(data));
}

uint32_t TOLVA_CALL ReadQzUSBPrinter(void* buffer, uint32_t capacity) {
  const std::span data(static_cast<uint8_t*>(buffer), buffer ? capacity : 0);
  return Record("ReadQzUSBPrinter(" + std::to_string(capacity) + ")", Access().Read(data));
}

int32_t TOLVA_CALL CloseQzUSBPrinter() { return Record("CloseQzUSBPrinter", Access().Close()); }

}  // extern "C"
