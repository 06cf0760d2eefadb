#pragma once
// Raw printer command bytes are shown and edited as hexadecimal text ("1D 56 42 00 ").
// The job operation dialog and the control-font translator share these pieces: the
// parser, the formatter, the rule of the command edit box's key filter, and the store of
// a parsed command into a fixed 128-byte buffer.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnel::plugin {

// The most command bytes a dialog accepts.
inline constexpr size_t kCommandLimit = 128;
// The edit box text is fetched into a buffer of this many UTF-16 units, so the parser
// sees at most one unit less.
inline constexpr size_t kCommandTextBufferUnits = 400;
inline constexpr size_t kCommandTextMaxChars = kCommandTextBufferUnits - 1;

// 0-9 for the digits, 10-15 for a-f and A-F, 0 for every other character.
uint8_t HexDigitValue(char16_t c);

// Digits taken in pairs from the left; spaces separate but are not needed between pairs;
// a single digit before a space or at the end is a byte of its own. No length limit.
std::vector<uint8_t> ParseCommandText(std::u16string_view text);

// Each byte as two upper-case digits and a space: {1D, 56} gives "1D 56 ".
std::u16string FormatCommandText(std::span<const uint8_t> bytes);

// What a dialog does with the edit box text on OK: parses at most the first
// kCommandTextMaxChars characters; no value when the command is longer than kCommandLimit.
std::optional<std::vector<uint8_t>> CommandFromEditText(std::u16string_view text);

// Clears the whole buffer and copies the command to its start; returns the stored length.
// A command longer than the buffer is cut to it (CommandFromEditText never gives one).
uint8_t StoreCommand(std::span<const uint8_t> command, std::span<uint8_t, kCommandLimit> buffer);

// The command edit box's decision on one typed character (WM_CHAR).
enum class CommandKeyAction {
  kPassOn,       // the edit box gets the character
  kDrop,         // the character is swallowed
  kNextControl,  // swallowed, and the focus moves to the next control of the dialog
};
struct CommandKey {
  char16_t ch = 0;
  bool tabDown = false;
  bool ctrlDown = false;
};
CommandKeyAction FilterCommandKey(const CommandKey& key);

}  // namespace varnel::plugin
