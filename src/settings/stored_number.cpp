#include "settings/stored_number.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string>

#include "common/app_error.h"

namespace vintrel {
namespace {

struct DecimalText {
  bool negative = false;
  std::wstring_view whole;     // without leading zeros; empty for zero
  std::wstring_view fraction;  // the digits after the point, as written
};

bool IsBlank(wchar_t ch) {
  return ch == L' ' || ch == L'\t';
}
bool IsDigit(wchar_t ch) {
  return ch >= L'0' && ch <= L'9';
}

std::wstring_view Trimmed(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

size_t DigitRun(std::wstring_view text, size_t from) {
  size_t end = from;
  while (end < text.size() && IsDigit(text[end])) {
    ++end;
  }
  return end - from;
}

std::optional<DecimalText> ParseDecimal(std::wstring_view text) {
  text = Trimmed(text);
  DecimalText out;
  size_t pos = 0;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
    out.negative = text[pos] == L'-';
    ++pos;
  }
  const size_t wholeLength = DigitRun(text, pos);
  std::wstring_view whole = text.substr(pos, wholeLength);
  pos += wholeLength;
  size_t fractionLength = 0;
  if (pos < text.size() && text[pos] == L'.') {
    fractionLength = DigitRun(text, pos + 1);
    out.fraction = text.substr(pos + 1, fractionLength);
    pos += 1 + fractionLength;
  }
  if (pos != text.size() || wholeLength + fractionLength == 0) {
    return std::nullopt;
  }
  while (!whole.empty() && whole.front() == L'0') {
    whole.remove_prefix(1);
  }
  out.whole = whole;
  return out;
}

DecimalText ParseOrThrow(std::wstring_view text) {
  const std::optional<DecimalText> parsed =
      text.size() < kLongestStoredText ? ParseDecimal(text) : std::nullopt;
  if (!parsed) {
    throw errors::TypeMismatch();
  }
  return *parsed;
}

// Whether the fraction rounds the whole part away from zero, halves to even.
bool RoundsUp(std::wstring_view fraction, bool wholeIsOdd) {
  if (fraction.empty() || fraction.front() < L'5') {
    return false;
  }
  if (fraction.front() > L'5') {
    return true;
  }
  for (const wchar_t digit : fraction.substr(1)) {
    if (digit != L'0') {
      return true;
    }
  }
  return wholeIsOdd;
}

}  // namespace

int16_t ToInteger16(std::wstring_view text) {
  const DecimalText number = ParseOrThrow(text);
  // Six digits are past the range whatever the fraction; the limit also keeps
  // the arithmetic below small.
  if (number.whole.size() > 5) {
    throw errors::Overflow();
  }
  int32_t magnitude = 0;
  for (const wchar_t digit : number.whole) {
    magnitude = magnitude * 10 + (digit - L'0');
  }
  if (RoundsUp(number.fraction, magnitude % 2 != 0)) {
    ++magnitude;
  }
  const int32_t value = number.negative ? -magnitude : magnitude;
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    throw errors::Overflow();
  }
  return static_cast<int16_t>(value);
}

double ToNumber(std::wstring_view text) {
  const DecimalText number = ParseOrThrow(text);
  std::string ascii = "0";
  for (const wchar_t digit : number.whole) {
    ascii += static_cast<char>(digit);
  }
  ascii += '.';
  for (const wchar_t digit : number.fraction) {
    ascii += static_cast<char>(digit);
  }
  ascii += '0';  // "2." alone is not valid for from_chars

  double magnitude = 0;
  const std::from_chars_result result =
      std::from_chars(ascii.data(), ascii.data() + ascii.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range) {
    // Without an exponent, a value out of range is either huge or tiny.
    magnitude = number.whole.empty() ? 0.0 : std::numeric_limits<double>::infinity();
  }
  return number.negative ? -magnitude : magnitude;
}

}  // namespace vintrel
