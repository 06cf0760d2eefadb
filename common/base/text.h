#pragma once
// Small text helpers shared by the core. Names in configuration files, registry keys and
// file paths compare without regard to ASCII case, as the platform does.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace varnel {

std::string AsciiLower(std::string_view text);
std::string AsciiUpper(std::string_view text);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool ContainsNoCase(std::string_view text, std::string_view part);

// A path with '/' turned into '\', runs of '\' folded and no trailing '\' (but for a root
// such as "C:\").
std::string NormalizePath(std::string_view path);
// The folder part of a normalized path ("" when there is none).
std::string ParentPath(std::string_view path);
// The last component of a path.
std::string FileNamePart(std::string_view path);

// Bytes as upper-case hexadecimal pairs separated by blanks: "1B 73 42".
std::string HexBytes(std::span<const uint8_t> bytes);

}  // namespace varnel
