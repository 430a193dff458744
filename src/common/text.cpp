#include "common/text.h"

#include <algorithm>

namespace vintrel {

wchar_t UpperCaseLetter(wchar_t c) {
  if (c >= L'a' && c <= L'z')
    return static_cast<wchar_t>(c - 0x20);
  // à..þ without the division sign ÷; ÿ has its capital outside Latin-1.
  if (c >= 0x00E0 && c <= 0x00FE && c != 0x00F7)
    return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x0430 && c <= 0x044F)
    return static_cast<wchar_t>(c - 0x20);  // а..я
  if (c >= 0x0450 && c <= 0x045F)
    return static_cast<wchar_t>(c - 0x50);  // ѐ..џ, ё among them
  return c;
}

std::wstring UpperCase(std::wstring_view text) {
  std::wstring upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), UpperCaseLetter);
  return upper;
}

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](wchar_t x, wchar_t y) { return UpperCaseLetter(x) == UpperCaseLetter(y); });
}

std::wstring_view TrimBlanks(std::wstring_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::wstring_view::npos)
    return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace vintrel
