#pragma once
// The USB printer class through the platform's device installation services and
// overlapped file transfers.

#include "usbaccess/usb_printer_class.h"

namespace varnel::win32 {

class Win32UsbPrinterClass : public usb::UsbPrinterClass {
 public:
  Status ListInterfaces(std::unique_ptr<usb::InterfaceList>& list) override;
  Status OpenDevice(const std::string& path, std::unique_ptr<usb::Device>& device) override;
};

}  // namespace varnel::win32
