// Fuzz target: any bytes as a profile file, asked for a few sections and keys through
// buffers of several sizes. Nothing may be read or written outside the input and the
// answer never exceeds the buffer.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "common/profile/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using varnel::profile::Profile;
  const Profile profile = Profile::Parse(std::span<const uint8_t>(data, size));
  for (const char* section : {"DEVICENAME", "A", "", "Message"}) {
    for (const char* key : {"DEVICENUMBER", "k", "", "IDS_X64"}) {
      for (size_t buffer : {size_t{0}, size_t{1}, size_t{10}, size_t{200}, varnel::profile::kUnlimited}) {
        const std::string value = profile.GetString(section, key, "0", buffer);
        if (buffer != varnel::profile::kUnlimited && value.size() >= std::max<size_t>(buffer, 1)) std::abort();
        (void)varnel::profile::ToNumber(value);
      }
    }
  }
  return 0;
}
