#pragma once
// The mode switcher's logic: binding the access library, finding printers in both USB
// personalities, and sending a printer the command for the other one.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "modeswitch/api_mode_devices.h"
#include "modeswitch/printer_library.h"
#include "modeswitch/switcher_view.h"

namespace varnel::modeswitch {

// The file name under which the access library is loaded (the system's search order
// decides the folder).
inline constexpr char kLibraryFileName[] = "Tolva.DLL";
inline constexpr int kApiModeDeviceCount = 32;
// Device control code of the kernel driver's write: device type unknown (0x22),
// function 0x814, direct input transfer, any access.
inline constexpr uint32_t kApiModeWriteCode = (0x22u << 16) | (0x814u << 2) | 1u;
static_assert(kApiModeWriteCode == 0x222051);
inline constexpr size_t kApiModeMaxSend = 65536;
inline constexpr uint32_t kSwitchPauseMs = 500;

std::array<uint8_t, 9> ModeSwitchCommand(Personality target);
// "\\.\QZUSB-n" for the switch; probes use the list text instead (names ignore case).
std::string ApiModeDevicePath(const std::string& name);
// The device number of an API-mode list entry: the decimal number after its sixth character.
int ApiModeDeviceNumber(const std::string& entry);
// Sends bytes through the driver's output buffer; the number it reports sent, 0 on failure.
uint32_t SendToApiModeDevice(ApiModeDevice& device, std::span<const uint8_t> bytes, SwitcherView& view);

class ModeSwitcher {
 public:
  ModeSwitcher(SwitcherView& view, ApiModeDevices& devices) : view_(view), devices_(devices) {}

  // Writes the box's heading and binds the library (null when it could not be loaded);
  // when every entry is there, refreshes both lists.
  void Initialise(std::unique_ptr<PrinterLibrary> library);
  // "&Get Online Device".
  void Refresh();
  // "AP&I Mode": the selected printer-mode printer.
  void SwitchToApiMode();
  // "&Printer Mode": the selected API-mode device.
  void SwitchToPrinterMode();

 private:
  bool ScanApiMode();
  void WriteSwitched();

  SwitcherView& view_;
  ApiModeDevices& devices_;
  std::unique_ptr<PrinterLibrary> library_;
  bool bound_ = false;  // every entry was resolved, so the library may be called
  std::vector<std::string> apiModeEntries_;
};

}  // namespace varnel::modeswitch
