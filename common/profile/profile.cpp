#include "common/profile/profile.h"

#include "common/base/text.h"

namespace varnel::profile {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

void AppendUtf8(std::string& out, uint32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

// UTF-16 text (after its byte-order mark) as UTF-8; a broken surrogate becomes U+FFFD and
// an odd last byte is dropped.
std::string FromUtf16(std::span<const uint8_t> bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](size_t i) -> uint32_t {
    return bigEndian ? (bytes[i] << 8 | bytes[i + 1]) : (bytes[i + 1] << 8 | bytes[i]);
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t code = unit(i);
    if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      } else {
        code = 0xFFFD;
      }
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;
    }
    AppendUtf8(out, code);
  }
  return out;
}

std::string Decode(std::span<const uint8_t> bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
    return std::string(bytes.begin() + 3, bytes.end());
  }
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return FromUtf16(bytes.subspan(2), false);
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return FromUtf16(bytes.subspan(2), true);
  return std::string(bytes.begin(), bytes.end());
}

std::string Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

}  // namespace

Profile Profile::Parse(std::span<const uint8_t> bytes) {
  const std::string text = Decode(bytes);
  Profile profile;
  // Keys before the first header belong to a section without a name.
  profile.sections_.push_back(Section{});
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;

    if (line.empty()) continue;
    if (line.front() == '[') {
      const size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        profile.sections_.push_back(Section{std::string(Trim(line.substr(1, close - 1))), {}});
        continue;
      }
      // Without a ']' the line is no header: it reads as any other line.
    }
    Entry entry;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      entry.key = std::string(line);
    } else {
      entry.key = std::string(Trim(line.substr(0, equals)));
      entry.value = Unquoted(Trim(line.substr(equals + 1)));
    }
    profile.sections_.back().entries.push_back(std::move(entry));
  }
  return profile;
}

std::optional<std::string> Profile::Find(std::string_view section, std::string_view key) const {
  section = Trim(section);
  key = Trim(key);
  for (const Section& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    for (const Entry& e : s.entries) {
      if (EqualsNoCase(e.key, key)) return e.value;
    }
    return std::nullopt;  // only the first section of that name counts
  }
  return std::nullopt;
}

std::vector<std::string> Profile::Sections() const {
  std::vector<std::string> names;
  for (size_t i = 1; i < sections_.size(); ++i) {
    bool seen = false;
    for (const std::string& name : names) seen = seen || EqualsNoCase(name, sections_[i].name);
    if (!seen) names.push_back(sections_[i].name);
  }
  return names;
}

std::vector<std::string> Profile::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  section = Trim(section);
  for (const Section& s : sections_) {
    if (!EqualsNoCase(s.name, section)) continue;
    for (const Entry& e : s.entries) {
      if (e.value) keys.push_back(e.key);
    }
    break;
  }
  return keys;
}

std::string Profile::GetString(std::string_view section, std::string_view key, std::string_view fallback,
                               size_t size) const {
  const std::optional<std::string> value = Find(section, key);
  return FitBuffer(value ? std::string_view(*value) : fallback, size);
}

std::string FitBuffer(std::string_view text, size_t size) {
  if (size == 0) return "";
  return std::string(text.substr(0, size - 1));
}

uint32_t ToNumber(std::string_view text) {
  uint32_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    number = number * 10 + static_cast<uint32_t>(c - '0');
  }
  return number;
}

std::string ProfileReader::ReadString(const std::string& path, std::string_view section, std::string_view key,
                                      std::string_view fallback, size_t size) const {
  std::vector<uint8_t> bytes;
  if (!files_.ReadFile(path, bytes)) bytes.clear();
  return Profile::Parse(bytes).GetString(section, key, fallback, size);
}

uint32_t ProfileReader::ReadNumber(const std::string& path, std::string_view section, std::string_view key) const {
  return ToNumber(ReadString(path, section, key, "0", 10));
}

std::vector<std::string> ProfileReader::ReadKeys(const std::string& path, std::string_view section) const {
  std::vector<uint8_t> bytes;
  if (!files_.ReadFile(path, bytes)) bytes.clear();
  return Profile::Parse(bytes).Keys(section);
}

}  // namespace varnel::profile
