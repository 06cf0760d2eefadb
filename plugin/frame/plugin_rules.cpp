#include "plugin/frame/plugin_rules.h"

#include <cstring>

#include "common/base/status.h"
#include "plugin/record/private_settings.h"

namespace varnel::plugin {
namespace {
constexpr uint32_t kInfoBytes = 4;
constexpr char16_t kProfileName[] = u"OEMPROFILE.icm";
static_assert(sizeof kProfileName <= kColorProfileBytes);
}  // namespace

Answer AnswerGetInfo(uint32_t mode, void* buffer, uint32_t buffer_size, uint32_t* needed) {
  if (needed == nullptr || (mode != kInfoSignature && mode != kInfoVersion && mode != kInfoPublisher)) {
    return Answer::Failure(err::kInvalidParameter);
  }
  *needed = kInfoBytes;
  if (buffer == nullptr || buffer_size < kInfoBytes) return Answer::Failure(err::kInsufficientBuffer);
  uint32_t value = 0;
  switch (mode) {
    case kInfoSignature: value = kSettingsSignature; break;
    case kInfoVersion: value = kPluginVersion; break;
    default:
      *needed = 0;
      return Answer::Failure(err::kNotSupported);
  }
  std::memcpy(buffer, &value, sizeof value);
  return Answer::Success();
}

Answer AnswerCommonUIProp(uint32_t mode, bool has_item_buffer, uint32_t& item_count) {
  switch (mode) {
    case kCommonUIDocument: return Answer::Success();
    case kCommonUIPrinter:
      if (!has_item_buffer) item_count = 0;
      return Answer::Success();
    default: return Answer::Failure(err::kInvalidParameter);
  }
}

Answer AnswerColorProfile(uint32_t query_mode, void* buffer, uint32_t* size, uint32_t* flags) {
  constexpr uint32_t kDeviceProfileQuery = 0;
  if (query_mode != kDeviceProfileQuery) return Answer::Failure();
  if (size == nullptr || flags == nullptr) return Answer::Failure(err::kInvalidParameter);
  const bool fits = buffer != nullptr && *size >= kColorProfileBytes;
  *size = kColorProfileBytes;
  if (!fits) return Answer::Failure(err::kInsufficientBuffer);
  std::memset(buffer, 0, kColorProfileBytes);
  std::memcpy(buffer, kProfileName, sizeof kProfileName);
  *flags = kProfileOnDisk;
  return Answer::Success();
}

}  // namespace varnel::plugin
