#include "modeswitch/win32/win32_printer_library.h"

#include <windows.h>

#include "usbaccess/tolva_api.h"

namespace varnel::win32 {

namespace {

using modeswitch::LibraryEntry;

template <typename Fn>
Fn Resolve(HMODULE module, const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class Win32PrinterLibrary : public modeswitch::PrinterLibrary {
 public:
  explicit Win32PrinterLibrary(HMODULE module)
      : enumerate_(Resolve<EnumQzUSBPrinterFn>(module, "EnumQzUSBPrinter")),
        open_(Resolve<OpenQzUSBPrinterFn>(module, "OpenQzUSBPrinter")),
        write_(Resolve<WriteQzUSBPrinterFn>(module, "WriteQzUSBPrinter")),
        read_(Resolve<ReadQzUSBPrinterFn>(module, "ReadQzUSBPrinter")),
        close_(Resolve<CloseQzUSBPrinterFn>(module, "CloseQzUSBPrinter")) {}

  bool Has(LibraryEntry entry) const override {
    switch (entry) {
      case LibraryEntry::kEnumerate: return enumerate_ != nullptr;
      case LibraryEntry::kOpen: return open_ != nullptr;
      case LibraryEntry::kWrite: return write_ != nullptr;
      case LibraryEntry::kRead: return read_ != nullptr;
      case LibraryEntry::kClose: return close_ != nullptr;
    }
    return false;
  }
  int32_t Enumerate() override { return enumerate_(); }
  int32_t Open(int32_t position) override { return open_(position); }
  uint32_t Write(std::span<const uint8_t> bytes) override {
    return write_(bytes.data(), static_cast<uint32_t>(bytes.size()));
  }
  int32_t Close() override { return close_(); }

 private:
  // Initialised in the order in which the entries are resolved.
  EnumQzUSBPrinterFn enumerate_;
  OpenQzUSBPrinterFn open_;
  WriteQzUSBPrinterFn write_;
  ReadQzUSBPrinterFn read_;  // resolved, never called
  CloseQzUSBPrinterFn close_;
};

}  // namespace

std::unique_ptr<modeswitch::PrinterLibrary> LoadPrinterLibrary(const char* fileName) {
  HMODULE module = LoadLibraryA(fileName);
  if (!module) return nullptr;
  return std::make_unique<Win32PrinterLibrary>(module);
}

}  // namespace varnel::win32
