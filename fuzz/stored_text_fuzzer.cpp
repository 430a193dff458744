// Whatever text a settings file holds, through the conversions the settings
// dialog's load applies to it. A numbered AppError is the program's way of
// refusing text; any other exception or crash is a fault. An accepted number
// must be the C library's strtod value to the last bit.
#include <algorithm>
#include <cmath>

#include "common/app_error.h"
#include "fuzz.h"
#include "settings/settings_values.h"
#include "settings/stored_number.h"

namespace {

using namespace vintrel;
using fuzz::Require;

// The conversion's value, or nothing and the number it refused with.
template <typename F>
auto Try(F&& f, int& error) -> std::optional<decltype(f())> {
  try {
    return f();
  } catch (const AppError& e) {
    error = e.number();
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text = fuzz::FuzzInput{data, size}.Text();
  int numberError = 0, integerError = 0, displayError = 0;
  const auto number = Try([&] { return ToNumber(text); }, numberError);
  const auto integer = Try([&] { return ToInteger16(text); }, integerError);
  const auto display = Try([&] { return DisplayTextForStored(text); }, displayError);
  if (!number) {
    Require(numberError == errors::kTypeMismatch && integerError == numberError &&
                displayError == numberError,
            "what is no number is a type mismatch to every conversion");
    return 0;
  }
  const double x = *number;
  const std::string ascii(text.begin(), text.end());
  char* end = nullptr;
  const double expected = std::strtod(ascii.c_str(), &end);
  Require(std::all_of(text.begin(), text.end(), [](wchar_t ch) { return ch < 0x80; }) &&
              std::string_view(end).find_first_not_of(" \t") == std::string_view::npos &&
              (x == expected || (std::isinf(expected) && std::isinf(x))),
          "an accepted number is ASCII, read to its end by strtod, and strtod's value");
  Require(integer ? std::fabs(x - *integer) <= 0.5
                  : integerError == errors::kOverflow && (x >= 32767.5 || x <= -32768.5),
          "ToInteger16 rounds to the nearest and refuses only out of range");
  const bool isIndex = x >= 0 && x <= 13 && std::trunc(x) == x;
  Require(display && display->has_value() == isIndex &&
              (!isIndex || DisplayIndexForText(**display) == static_cast<int>(x)),
          "the display mode never fails a number, shows a text for 0..13 only");
  return 0;
}
