#pragma once
// Reading profile (INI) files the way the platform's GetPrivateProfileString does, so the
// wizard, the uninstaller and the plug-in give the same answers with or without it:
//
// - lines end at CR-LF, LF or a lone CR; blanks (space, tab, VT, FF and the Ctrl-Z that
//   some media carry at the end of a file) around names and values are dropped;
// - "[name]" opens a section; the name runs to the last ']' and is trimmed, text after
//   it is ignored; a line that starts with '[' without a later ']' is an ordinary line;
// - "key=value" splits at the first '='; "=value" is a key with an empty name; a line
//   without '=' names no value (it reads as the default); there is no comment syntax,
//   so ";x=1" is a key named ";x";
// - section and key names compare without regard to ASCII case; the first matching
//   section and, in it, the first matching key win (a later section of the same name is
//   never searched);
// - a value enclosed in a matching pair of " or ' loses the pair;
// - a value is cut to fit the caller's buffer: size - 1 bytes at most, none for size 0;
// - a file that starts with a UTF-8 or UTF-16 (either order) byte-order mark is decoded
//   and its values come back as UTF-8; any other file is taken as bytes, as the
//   medium's files are written in the system code page.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/os/files.h"

namespace varnel::profile {

// No limit on the value's length.
inline constexpr size_t kUnlimited = static_cast<size_t>(-1);

class Profile {
 public:
  // Never fails: whatever the bytes, the result is a (possibly empty) profile.
  static Profile Parse(std::span<const uint8_t> bytes);

  // The value of the first key `key` in the first section `section`, or nothing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;

  // The section names in file order (a repeated name once), and the names of the keys
  // with a value in the first section of a name.
  std::vector<std::string> Sections() const;
  std::vector<std::string> Keys(std::string_view section) const;

  // The value, or `fallback` when there is none, cut to what a buffer of `size` bytes
  // holds with its terminating NUL (size - 1 bytes).
  std::string GetString(std::string_view section, std::string_view key, std::string_view fallback,
                        size_t size = kUnlimited) const;

 private:
  struct Entry {
    std::string key;
    std::optional<std::string> value;  // none for a line without '='
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  std::vector<Section> sections_;
};

// A configuration number: the leading decimal digits of the text; anything else gives 0.
// The text is at most 9 digits when it comes through ReadNumber, so it never overflows.
uint32_t ToNumber(std::string_view text);

// Cuts a text to what a buffer of `size` bytes holds with its terminating NUL.
std::string FitBuffer(std::string_view text, size_t size);

// Reads profile files through the file system, afresh for every value as the platform
// does, so a file edited between two reads gives the new value. A missing or unreadable
// file reads as an empty one.
class ProfileReader {
 public:
  explicit ProfileReader(os::Files& files) : files_(files) {}

  std::string ReadString(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view fallback = "0", size_t size = kUnlimited) const;
  // A number read as a string with the default "0" through a buffer of 10 bytes (at most
  // nine digits, the format's limit for versions).
  uint32_t ReadNumber(const std::string& path, std::string_view section, std::string_view key) const;
  // The names of the keys with a value in the first section of that name.
  std::vector<std::string> ReadKeys(const std::string& path, std::string_view section) const;

 private:
  os::Files& files_;
};

}  // namespace varnel::profile
