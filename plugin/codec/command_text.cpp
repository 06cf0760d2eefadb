#include "plugin/codec/command_text.h"

#include <algorithm>

namespace varnel::plugin {

uint8_t HexDigitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return static_cast<uint8_t>(c - u'0');
  if (c >= u'a' && c <= u'f') return static_cast<uint8_t>(c - u'a' + 10);
  if (c >= u'A' && c <= u'F') return static_cast<uint8_t>(c - u'A' + 10);
  return 0;
}

std::vector<uint8_t> ParseCommandText(std::u16string_view text) {
  std::vector<uint8_t> bytes;
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == u' ') {
      ++i;
      continue;
    }
    const uint8_t high = HexDigitValue(text[i]);
    if (i + 1 == text.size()) {
      bytes.push_back(high);
      break;
    }
    const char16_t next = text[i + 1];
    // A digit followed by a space is a byte of its own; the space is consumed with it.
    bytes.push_back(next == u' ' ? high : static_cast<uint8_t>(high * 16 + HexDigitValue(next)));
    i += 2;
  }
  return bytes;
}

std::u16string FormatCommandText(std::span<const uint8_t> bytes) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string text;
  text.reserve(bytes.size() * 3);
  for (const uint8_t b : bytes) {
    text.push_back(kDigits[b >> 4]);
    text.push_back(kDigits[b & 0x0F]);
    text.push_back(u' ');
  }
  return text;
}

std::optional<std::vector<uint8_t>> CommandFromEditText(std::u16string_view text) {
  std::vector<uint8_t> bytes = ParseCommandText(text.substr(0, kCommandTextMaxChars));
  if (bytes.size() > kCommandLimit) return std::nullopt;
  return bytes;
}

uint8_t StoreCommand(std::span<const uint8_t> command, std::span<uint8_t, kCommandLimit> buffer) {
  const size_t length = std::min(command.size(), buffer.size());
  std::fill(buffer.begin(), buffer.end(), uint8_t{0});
  std::copy_n(command.begin(), length, buffer.begin());
  return static_cast<uint8_t>(length);
}

CommandKeyAction FilterCommandKey(const CommandKey& key) {
  if (key.tabDown) return CommandKeyAction::kNextControl;
  // Backspace, full stop and hyphen-minus always reach the box.
  if (key.ch == 8 || key.ch == u'.' || key.ch == u'-') return CommandKeyAction::kPassOn;
  // With Ctrl down the characters are the clipboard shortcuts.
  if (key.ctrlDown) return CommandKeyAction::kPassOn;
  static constexpr std::u16string_view kAccepted = u"0123456789abcdefABCDEF ";
  return kAccepted.find(key.ch) != std::u16string_view::npos ? CommandKeyAction::kPassOn
                                                             : CommandKeyAction::kDrop;
}

}  // namespace varnel::plugin
