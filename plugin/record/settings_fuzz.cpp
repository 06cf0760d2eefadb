// Fuzz target: the settings operation with any mode and any two records, as the driver
// might hand them over (garbage sizes, signatures, versions). Every record the plug-in
// writes carries its own header, and nothing outside the 1464 bytes is touched
// (AddressSanitizer watches the exact-size records).
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "plugin/record/private_settings.h"

using varnel::plugin::PrivateSettings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnel::plugin;
  // Input: one mode byte, then the input record, then the output record; missing bytes are 0.
  auto input = std::make_unique<PrivateSettings>();
  auto output = std::make_unique<PrivateSettings>();
  std::memset(input.get(), 0, kSettingsSize);
  std::memset(output.get(), 0, kSettingsSize);
  const uint8_t mode = size > 0 ? data[0] : 0;
  const size_t rest = size > 0 ? size - 1 : 0;
  const size_t for_input = std::min<size_t>(rest, kSettingsSize);
  const size_t for_output = std::min<size_t>(rest - for_input, kSettingsSize);
  if (for_input > 0) std::memcpy(input.get(), data + 1, for_input);
  if (for_output > 0) std::memcpy(output.get(), data + 1 + for_input, for_output);

  const bool same_record = (mode & 0x80) != 0;  // the driver may pass one record as both
  PrivateSettings* source = same_record ? output.get() : input.get();
  uint32_t buffer_size = kSettingsSize;
  const bool served = ServeSettings(mode & 0x7F, source, output.get(), buffer_size);
  if (!served) return 0;
  if ((mode & 0x7F) == kSettingsSizeQuery) {
    if (buffer_size != kSettingsSize) std::abort();
    return 0;
  }
  const SettingsHeader& header = output->Header;
  if (header.dwSize != kSettingsSize || header.dwSignature != kSettingsSignature || header.dwVersion != kSettingsVersion) {
    std::abort();
  }
  return 0;
}
