#pragma once
// What the port page's controls show for the chosen port entry: which settings are
// enabled, the raster box, the note line under the settings and the IP field.

#include <cstdint>
#include <string>

namespace varnel::setup {

struct PortControls {
  bool serialEnabled = false;   // the five serial lists
  bool rasterEnabled = false;
  bool rasterTicked = false;
  bool ipEnabled = false;
  bool noteShown = false;
  bool noteIsUpdateUsb = false;  // the note line holds Message/IDS_ERR_UPDATEUSB
};

// The controls for a chosen entry. For a USB entry on system 2 and above the note tells
// that the USB kernel driver will be installed when none is installed
// (`installedDriverVersion` "0.0.0.0"); it is shown in advanced mode only.
PortControls ControlsFor(const std::string& entry, int system, bool advanced,
                         const std::string& installedDriverVersion);

// Whether the "Raster Graphic Printing" box is visible: never in typical mode; in advanced
// mode when RASTERVISIABLE is 0.
bool RasterBoxVisible(bool advanced, uint32_t rasterHidden);

}  // namespace varnel::setup
