#pragma once
// An in-memory USB printer class: interfaces with their hardware ids, and printers whose
// transfers a test scripts step by step (done at once, refused, pending, stalled).

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "common/os/sim/faults.h"
#include "usbaccess/usb_printer_class.h"

namespace varnel::usb::sim {

// How one transfer goes. Without a scripted step a write is taken whole at once and a
// read returns at once what the printer has to send.
struct Step {
  enum Kind {
    kDone,        // finishes at once with `count` bytes
    kRefused,     // fails at once
    kPending,     // pends; the event is signalled and the result is `count`
    kStall,       // pends past any limit; after a cancel the result is `count`
    kWaitFails,   // pends, and the wait itself fails; after a cancel the result is `count`
  };
  Kind kind = kDone;
  uint32_t count = 0;
};

struct SimPrinter {
  std::deque<Step> writeSteps;
  std::deque<Step> readSteps;
  std::vector<uint8_t> reply;  // what the printer has to send; reads take from its front

  // What happened to it.
  std::vector<uint32_t> writeSizes;  // the size of every write transfer begun
  std::vector<uint8_t> received;     // the bytes it accepted, in order
  int readsBegun = 0;
  std::vector<uint32_t> waits;       // the limit of every wait
  int resets = 0;
  int cancels = 0;
  int opens = 0;
  bool open = false;
};

class SimUsbPrinterClass : public UsbPrinterClass {
 public:
  // Method names for fault injection: "ListInterfaces", "DevicePath", "HardwareIds",
  // "OpenDevice", "NewTransfer", "Close".
  os::sim::Faults faults;

  // Adds an interface in enumeration order; its device's hardware ids, most specific first.
  SimPrinter& AddInterface(const std::string& path, const std::vector<std::string>& hardwareIds);
  SimPrinter& Printer(const std::string& path) { return printers_[path]; }
  // Transfer records (events) that exist now.
  int LiveTransfers() const { return liveTransfers_; }

  Status ListInterfaces(std::unique_ptr<InterfaceList>& list) override;
  Status OpenDevice(const std::string& path, std::unique_ptr<Device>& device) override;

 private:
  friend class SimInterfaceList;
  friend class SimTransfer;
  struct Interface {
    std::string path;
    std::string hardwareIds;
  };
  std::vector<Interface> interfaces_;
  std::map<std::string, SimPrinter> printers_;
  int liveTransfers_ = 0;
};

}  // namespace varnel::usb::sim
