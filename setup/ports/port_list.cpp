#include "setup/ports/port_list.h"

namespace varnel::setup {

namespace {
bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A numbered port name: stem, number, tail ("LPT", 1, ":" gives "LPT1:").
std::string Numbered(std::string stem, int number, std::string_view tail = "") {
  stem += std::to_string(number);
  stem += tail;
  return stem;
}
}  // namespace

PortFlags ReadPortFlags(const Configuration& config, PrinterType type, bool is64, const std::string& model,
                        bool advanced) {
  auto number = [&](const char* key) { return config.PortNumber(type, is64, model, key); };
  PortFlags flags;
  flags.usb = number("USBSUPPORTED") != 0;
  flags.lpt = number("LPTSUPPORTED") != 0;
  flags.com = number("COMSUPPORTED") != 0;
  flags.net = number("NETSUPPORTED") != 0;
  number("CLASSSUPPORTED");  // read with the others; nothing depends on it
  flags.lptDefault = number("LPTDEFAULT");
  if (advanced) flags.rasterHidden = number("RASTERVISIABLE");
  return flags;
}

PortList BuildPortList(const PortFlags& flags, const std::string& model, int system, bool is64, bool advanced,
                       int usbClass) {
  PortList list;
  auto add = [&](const std::string& name) { list.entries.push_back(name); };
  if (system >= 1) {
    if (flags.lpt) {
      for (int n = 1; n <= 3; ++n) add(Numbered("LPT", n, ":"));
    }
    if (flags.com) {
      for (int n = 1; n <= 8; ++n) add(Numbered(is64 ? "COM" : "QZCOM", n, ":"));
    } else {
      list.comUnsupportedNote = true;
    }
  } else {
    if (flags.com) {
      add("COM1:");
      add("COM2:");
    }
    if (flags.lpt) add("LPT1:");
  }
  if (flags.net) {
    add("NET:");
    list.ipEnabled = true;
  }
  if (flags.usb && system != 1) {
    list.usbOffered = true;
    const std::string usbStem = "USB_" + model + "_";
    add(Numbered(usbStem, 1));
    if (advanced && usbClass != kPrinterMode) {
      for (int n = 2; n <= 4; ++n) add(Numbered(usbStem, n));
    }
    if (usbClass != kPrinterMode) list.serialAndIpDisabled = true;
  }
  return list;
}

size_t Preselect(const PortList& list, const PortFlags& flags, bool advanced, int usbPort, bool vendorUsbConnected) {
  auto first = [&](auto&& matches) -> std::optional<size_t> {
    for (size_t i = 0; i < list.entries.size(); ++i) {
      if (matches(list.entries[i])) return i;
    }
    return std::nullopt;
  };
  auto firstUsb = [&] { return first([](const std::string& e) { return Contains(e, "USB_"); }); };

  size_t chosen = 0;
  if (list.usbOffered && usbPort > 0) {
    if (!advanced) {
      chosen = firstUsb().value_or(0);
    } else if (usbPort <= 4) {
      const std::string suffix = Numbered("_", usbPort);
      chosen = first([&](const std::string& e) { return Contains(e, "USB_") && Contains(e, suffix); }).value_or(0);
    }
  } else if (flags.lptDefault == 1) {
    chosen = first([](const std::string& e) { return Contains(e, "LPT"); }).value_or(0);
  } else if (flags.lptDefault == 2 && list.usbOffered) {
    chosen = firstUsb().value_or(0);
  }
  if (vendorUsbConnected && list.usbOffered) chosen = firstUsb().value_or(chosen);
  return chosen;
}

std::optional<PortKind> PortKindOf(const std::string& name) {
  if (Contains(name, "USB_")) return PortKind::Usb;
  if (Contains(name, "COM")) return PortKind::Serial;
  if (Contains(name, "LPT")) return PortKind::Parallel;
  if (Contains(name, "NET")) return PortKind::Network;
  return std::nullopt;
}

int UsbPortNumberOf(const std::string& name) {
  for (int n = 4; n >= 1; --n) {
    if (Contains(name, Numbered("_", n))) return n;
  }
  return 0;
}

}  // namespace varnel::setup
