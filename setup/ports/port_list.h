#pragma once
// The port list of the port page: which port names a model offers on a system, which one
// is preselected, and the kind of a chosen name.

#include <optional>
#include <string>
#include <vector>

#include "setup/config/config.h"

namespace varnel::setup {

// The model's port section as the port page reads it.
struct PortFlags {
  bool usb = false, lpt = false, com = false, net = false;
  uint32_t lptDefault = 0;
  uint32_t rasterHidden = 0;  // RASTERVISIABLE, read in advanced mode only
};
PortFlags ReadPortFlags(const Configuration& config, PrinterType type, bool is64, const std::string& model,
                        bool advanced);

// The result of classifying the connected USB printers (0 none, 1 printer mode, 2 API
// mode, 3 mixed).
inline constexpr int kPrinterMode = 1;

struct PortList {
  std::vector<std::string> entries;
  bool comUnsupportedNote = false;  // show IDS_ERR_UNSUPPORTCOM in the note line
  bool ipEnabled = false;           // NET: offered
  bool usbOffered = false;
  bool serialAndIpDisabled = false; // USB offered and the connected printers are not in printer mode
};

// The entries in the order they are added.
PortList BuildPortList(const PortFlags& flags, const std::string& model, int system, bool is64, bool advanced,
                       int usbClass);

// The entry preselected: `usbPort` is the port number (1..8) of the USB identity read from
// the printer, 0 when none was read; `vendorUsbConnected` when USB printers of the model's
// vendor are connected. Returns an index into the entries (0 for an empty list).
size_t Preselect(const PortList& list, const PortFlags& flags, bool advanced, int usbPort, bool vendorUsbConnected);

// The kind of a chosen name, first match wins: USB_, COM, LPT, NET; nothing for any other.
std::optional<PortKind> PortKindOf(const std::string& name);

// The port number of a chosen USB name: 4, 3, 2 or 1 for the first of _4, _3, _2, _1
// found in that order, 0 for none.
int UsbPortNumberOf(const std::string& name);

}  // namespace varnel::setup
