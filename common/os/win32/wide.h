#pragma once
// UTF-8 (the core's text) to and from UTF-16 (the platform's wide text).

#include <string>
#include <string_view>

namespace varnel::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

}  // namespace varnel::win32
