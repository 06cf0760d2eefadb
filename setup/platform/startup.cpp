#include "setup/platform/startup.h"

namespace varnel::setup {

namespace {

bool AnyWindow(os::Desktop& desktop, std::initializer_list<const char*> captions, os::WindowRef* found = nullptr) {
  for (const char* caption : captions) {
    if (os::WindowRef window = desktop.FindByCaption(caption)) {
      if (found) *found = window;
      return true;
    }
  }
  return false;
}

bool Refused(const os::VersionRecord& v) {
  if (v.platformId == 1) return v.minor != 0;              // 98 and Me; 95 passes
  if (v.platformId == 2) return v.major == 4 && v.minor == 0;  // NT 4.0
  return false;
}

}  // namespace

TextRef BitnessRefusal(uint32_t supported32or64, bool is64) {
  if (supported32or64 == 1 && is64) return {"Message", "IDS_X64"};
  if (supported32or64 == 2 && !is64) return {"Message", "IDS_X32"};
  return {};
}

bool LastModelHasPort(const Configuration& config, bool is64) {
  std::string model;
  bool found = false;
  for (const uint32_t n : config.DeviceNumbers()) {
    DeviceEntry entry = config.Device(n);
    if (entry.type < 0) continue;
    model = std::move(entry.model);
    found = true;
  }
  if (!found) return false;
  for (int type = 0; type < kPrinterTypes; ++type) {
    for (const char* key : {"USBSUPPORTED", "LPTSUPPORTED", "COMSUPPORTED"}) {
      if (config.PortNumber(static_cast<PrinterType>(type), is64, model, key) != 0) return true;
    }
  }
  return false;
}

StartupResult RunStartup(const StartupServices& services, const std::string& appName) {
  StartupResult result;
  bool existed = false;
  if (services.lock.Acquire(appName, existed).ok() && existed) {
    os::WindowRef first = 0;
    if (AnyWindow(services.desktop, {kWizardCaptions[0], kWizardCaptions[1]}, &first)) {
      services.desktop.BringForward(first);
    }
    return result;
  }
  if (AnyWindow(services.desktop, {kUninstallerCaptions[0], kUninstallerCaptions[1]})) {
    result.refusal = {"Setup", "Close"};
    return result;
  }
  os::VersionRecord version;
  if (services.system.Version(version).ok() && Refused(version)) {
    result.refusal = {"Setup", "Nonsupport"};
    return result;
  }
  bool is64 = false;
  result.is64 = services.system.Is64BitSystem(is64).ok() && is64;
  result.refusal = BitnessRefusal(services.config.CommonNumber("Supported32OR64"), result.is64);
  if (!result.refusal.empty()) return result;
  if (!LastModelHasPort(services.config, result.is64)) {
    result.refusal = {"Setup", "PortNull"};
    return result;
  }
  result.proceed = true;
  return result;
}

}  // namespace varnel::setup
