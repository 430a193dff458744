#pragma once
#include <string>
#include <string_view>

namespace vintrel::win {

// UTF-8 to UTF-16 and back; bytes that are not UTF-8 become U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view text);

}  // namespace vintrel::win
