#pragma once
// API-mode devices through the platform's file and device control calls.

#include "modeswitch/api_mode_devices.h"

namespace varnel::win32 {

class Win32ApiModeDevices : public modeswitch::ApiModeDevices {
 public:
  Status Open(const std::string& path, std::unique_ptr<modeswitch::ApiModeDevice>& device) override;
};

}  // namespace varnel::win32
