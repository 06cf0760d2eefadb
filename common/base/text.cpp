#include "common/base/text.h"

namespace varnel {

namespace {
char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerChar(c);
  return out;
}

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperChar(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerChar(a[i]) != LowerChar(b[i])) return false;
  }
  return true;
}

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return AsciiLower(text).find(AsciiLower(part)) != std::string::npos;
}

std::string NormalizePath(std::string_view path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    if (c == '/') c = '\\';
    if (c == '\\' && !out.empty() && out.back() == '\\') continue;
    out.push_back(c);
  }
  // Keep "C:\" and "\" as they are: they name a root.
  const bool isRoot = out == "\\" || (out.size() == 3 && out[1] == ':' && out[2] == '\\');
  if (!isRoot && out.size() > 1 && out.back() == '\\') out.pop_back();
  return out;
}

std::string ParentPath(std::string_view path) {
  const std::string normal = NormalizePath(path);
  const size_t cut = normal.find_last_of('\\');
  if (cut == std::string::npos || cut + 1 == normal.size()) return "";  // no folder, or a root
  if (cut == 2 && normal[1] == ':') return normal.substr(0, 3);  // "C:\x" -> "C:\"
  if (cut == 0) return "\\";
  return normal.substr(0, cut);
}

std::string FileNamePart(std::string_view path) {
  const std::string normal = NormalizePath(path);
  const size_t cut = normal.find_last_of('\\');
  return cut == std::string::npos ? normal : normal.substr(cut + 1);
}

std::string HexBytes(std::span<const uint8_t> bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (uint8_t b : bytes) {
    if (!text.empty()) text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

}  // namespace varnel
