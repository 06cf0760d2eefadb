#include "setup/ports/port_controls.h"

#include "common/version/version_text.h"

namespace varnel::setup {

PortControls ControlsFor(const std::string& entry, int system, bool advanced,
                         const std::string& installedDriverVersion) {
  PortControls controls;
  if (entry.find("COM") != std::string::npos) {
    controls.serialEnabled = true;
    return controls;
  }
  controls.rasterEnabled = true;
  controls.rasterTicked = true;
  if (entry.find("USB_") != std::string::npos && system >= 2) {
    // The same rule when the list is filled and when the user picks an entry: the note
    // announces the driver's installation while none is installed.
    if (installedDriverVersion == version::kNoVersion) {
      controls.noteIsUpdateUsb = true;
      controls.noteShown = advanced;
    }
  }
  if (entry.find("NET") != std::string::npos) controls.ipEnabled = true;
  return controls;
}

bool RasterBoxVisible(bool advanced, uint32_t rasterHidden) { return advanced && rasterHidden == 0; }

}  // namespace varnel::setup
