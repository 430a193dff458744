#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace vintrel {

// Stored numbers are written in plain decimal: an optional sign, digits with
// an optional '.' fraction (".5" and "2." included), blanks (spaces, tabs)
// around. Exponents, hexadecimal and grouping are not numbers here.

// The most a read of the settings file returns. A text of that length may be
// the head of a longer value ("1" and then 300 blanks and an "x"), so it is
// never a number, whatever it starts with.
inline constexpr std::size_t kLongestStoredText = 254;

// Rounds a fraction to the nearest whole number, halves to the even one.
// Throws errors::TypeMismatch() for text that is not a number (the empty text
// and a text of kLongestStoredText characters or more included) and
// errors::Overflow() outside -32768..32767.
int16_t ToInteger16(std::wstring_view text);

// The nearest double; the same texts as ToInteger16 are numbers.
// Throws errors::TypeMismatch() for text that is not a number.
double ToNumber(std::wstring_view text);

}  // namespace vintrel
