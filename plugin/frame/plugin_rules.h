#pragma once
// What the plug-in answers the driver, as plain decisions: the shell turns an Answer into
// the call's result and the thread's last error. Portable, so the rules stay apart from
// the COM plumbing.

#include <array>
#include <cstdint>

namespace varnel::plugin {

inline constexpr uint32_t kPluginVersion = 1;

struct Answer {
  bool ok = true;
  uint32_t last_error = 0;  // 0: the last error is left alone
  static Answer Success() { return {}; }
  static Answer Failure(uint32_t error = 0) { return {false, error}; }
};

// GetInfo modes.
enum InfoMode : uint32_t { kInfoSignature = 1, kInfoVersion = 3, kInfoPublisher = 4 };
// Writes the 32-bit answer into `buffer` (when it has room) and the needed size.
Answer AnswerGetInfo(uint32_t mode, void* buffer, uint32_t buffer_size, uint32_t* needed);

// CommonUIProp modes: 1 document properties, 2 printer properties. The plug-in adds no
// items of its own; in printer mode an absent item buffer gets the count 0.
enum CommonUIMode : uint32_t { kCommonUIDocument = 1, kCommonUIPrinter = 2 };
Answer AnswerCommonUIProp(uint32_t mode, bool has_item_buffer, uint32_t& item_count);

// QueryColorProfile: only the device-profile query is answered, with the file name of the
// profile (UTF-16, NUL-terminated) in a buffer of at least 32 bytes.
inline constexpr uint32_t kColorProfileBytes = 32;
inline constexpr uint32_t kProfileOnDisk = 2;
Answer AnswerColorProfile(uint32_t query_mode, void* buffer, uint32_t* size, uint32_t* flags);

// The pages, by dialog resource, in the order the sheets add them.
inline constexpr std::array<uint16_t, 6> kDocumentPages = {128, 131, 103, 117, 118, 105};
inline constexpr std::array<uint16_t, 4> kDevicePages = {114, 113, 119, 105};
inline constexpr char16_t kSheetTitle[] = u"OEM UI Page";

}  // namespace varnel::plugin
