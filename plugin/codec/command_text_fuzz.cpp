// Fuzz target: any edit box text (pasted text is not filtered) through the parser, the
// 128-byte check of the dialogs and the formatter. Formatting a parsed command and parsing
// it again gives the same bytes, and a command the dialogs accept fits its buffer.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "plugin/codec/command_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace varnel::plugin;
  // Two input bytes per UTF-16 unit, little-endian.
  std::u16string text(size / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);

  const std::vector<uint8_t> bytes = ParseCommandText(text);
  // Every byte takes at least one character, and only the last one can take fewer than two.
  if (bytes.size() > (text.size() + 1) / 2) std::abort();
  if (ParseCommandText(FormatCommandText(bytes)) != bytes) std::abort();

  const auto accepted = CommandFromEditText(text);
  if (accepted) {
    if (accepted->size() > kCommandLimit) std::abort();
    uint8_t buffer[kCommandLimit];
    if (StoreCommand(*accepted, buffer) != accepted->size()) std::abort();
  } else if (text.size() <= kCommandTextMaxChars && bytes.size() <= kCommandLimit) {
    std::abort();  // refused although it fits
  }
  return 0;
}
