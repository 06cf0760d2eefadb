#include "setup/spooler/usb_port_record.h"

namespace varnel::setup {

Status RecordUsbPort(os::Registry& registry, const std::string& portName, uint32_t number, os::RegView view) {
  if (Status st = registry.SetDword(os::RegRoot::LocalMachine, kPortNameKey, portName, number, view); !st) return st;
  return registry.CreateKey(os::RegRoot::LocalMachine, kPrinterPortKey, view);
}

}  // namespace varnel::setup
