#pragma once
// The start-up checks of the wizard, run before any window exists: one instance, no
// uninstaller running, a supported system, the 64-bit flag, the configuration's bitness
// and a device list whose last model offers a port.

#include <string>

#include "common/os/desktop.h"
#include "common/os/instance_lock.h"
#include "common/os/system.h"
#include "setup/config/config.h"

namespace varnel::setup {

// A text of the language file, by section and key.
struct TextRef {
  const char* section = nullptr;
  const char* key = nullptr;
  bool empty() const { return section == nullptr; }
};

// Captions by which the wizard and the uninstaller find each other.
inline constexpr const char* kWizardCaptions[] = {"Kiln", "\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA\xE9\xA9\xB1\xE5\x8A\xA8"
                                                          "\xE5\xAE\x89\xE8\xA3\x85\xE7\xA8\x8B\xE5\xBA\x8F"};
inline constexpr const char* kUninstallerCaptions[] = {"Uninstall", "\xE6\x89\x93\xE5\x8D\xB0\xE6\x9C\xBA\xE5\x8D\xB8"
                                                                    "\xE8\xBD\xBD\xE7\xA8\x8B\xE5\xBA\x8F"};

struct StartupServices {
  os::InstanceLock& lock;
  os::Desktop& desktop;
  os::SystemInfo& system;
  const Configuration& config;
};

struct StartupResult {
  bool proceed = false;
  TextRef refusal;      // the message to show before ending; empty when none
  bool is64 = false;    // the 64-bit flag, once it is known
};

// Runs the checks in their order. `appName` names the instance lock. A second instance
// brings the first one's window forward and ends without a message.
StartupResult RunStartup(const StartupServices& services, const std::string& appName);

// Supported32OR64: 1 refuses a 64-bit system (IDS_X64), 2 a 32-bit one (IDS_X32).
TextRef BitnessRefusal(uint32_t supported32or64, bool is64);

// Whether the model of the last device-list entry that carries a type suffix offers a
// USB, parallel or serial port in any type file. False when no entry carries a suffix.
bool LastModelHasPort(const Configuration& config, bool is64);

}  // namespace varnel::setup
