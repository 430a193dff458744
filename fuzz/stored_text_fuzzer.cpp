// Whatever text a settings file holds, through the conversions the settings
// dialog's load applies to it. A numbered AppError is the program's way of
// refusing text; any other exception or crash is a fault. The conversions
// are also checked against each other and against the C library's strtod.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/app_error.h"
#include "fuzz_input.h"
#include "settings/settings_values.h"
#include "settings/stored_number.h"

namespace {

using vintrel::AppError;

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

template <typename T>
struct Outcome {
  std::optional<T> value;
  int error = 0;
};

template <typename F>
auto Try(F&& f) -> Outcome<decltype(f())> {
  try {
    return {f(), 0};
  } catch (const AppError& e) {
    Require(e.number() != 0 && !e.description().empty(), "an error has a number and words");
    return {std::nullopt, e.number()};
  }
}

// strtod, given only the plain decimal forms the stored numbers accept, must
// agree with ToNumber to the last bit.
void CompareWithStrtod(const std::wstring& text, double value) {
  std::string ascii;
  for (const wchar_t ch : text) {
    Require(ch < 0x80, "an accepted number is ASCII");
    ascii += static_cast<char>(ch);
  }
  char* end = nullptr;
  const double expected = std::strtod(ascii.c_str(), &end);
  while (*end == ' ' || *end == '\t') {
    ++end;
  }
  Require(*end == '\0', "strtod reads an accepted number to its end");
  Require(value == expected || (std::isinf(expected) && std::isinf(value)),
          "ToNumber gives strtod's value");
}

void CheckNumber(const std::wstring& text) {
  const auto number = Try([&] { return vintrel::ToNumber(text); });
  const auto integer = Try([&] { return vintrel::ToInteger16(text); });
  Require(number.value || number.error == vintrel::errors::kTypeMismatch,
          "ToNumber refuses only with a type mismatch");

  if (!number.value) {
    Require(integer.error == vintrel::errors::kTypeMismatch,
            "ToInteger16 refuses what ToNumber refuses, the same way");
    const auto display = Try([&] { return vintrel::DisplayTextForStored(text); });
    Require(display.error == vintrel::errors::kTypeMismatch, "the display mode too");
    return;
  }
  const double x = *number.value;
  CompareWithStrtod(text, x);

  if (integer.value) {
    Require(std::fabs(x - *integer.value) <= 0.5, "ToInteger16 rounds to the nearest");
  } else {
    Require(integer.error == vintrel::errors::kOverflow, "ToInteger16 refuses numbers by overflow");
    Require(x >= 32767.5 || x <= -32768.5, "an overflow lies outside the 16-bit range");
  }

  const auto display = Try([&] { return vintrel::DisplayTextForStored(text); });
  Require(display.error == 0, "a number never makes the display mode fail");
  const std::optional<std::wstring>& shown = *display.value;
  const bool isIndex = x >= 0 && x <= 13 && std::trunc(x) == x;
  Require(shown.has_value() == isIndex, "a display text exactly for 0..13");
  if (shown) {
    Require(vintrel::DisplayIndexForText(*shown) == static_cast<int>(x), "text and index agree");
    Require(vintrel::DisplayStoredForText(*shown) == std::to_wstring(static_cast<int>(x)),
            "the shown text stores its index back");
  }

  if (integer.value) {
    const auto state = Try([&] { return vintrel::CheckBoxState(*integer.value); });
    const int16_t n = *integer.value;
    Require(state.value ? (n >= 0 && n <= 2 && *state.value == n)
                        : state.error == vintrel::errors::kInvalidPropertyValue,
            "a check box takes 0, 1 and 2 only");
  }
}

void CheckFrameRate(const std::wstring& text) {
  const std::optional<std::wstring> shown = vintrel::FrameRateTextForStored(text);
  if (shown) {
    Require(vintrel::FrameRateStoredForText(*shown) == text, "the shown rate stores back");
  }
  const std::optional<std::wstring> stored = vintrel::FrameRateStoredForText(text);
  if (stored) {
    Require(vintrel::FrameRateTextForStored(*stored) == text, "the stored rate shows back");
  }
}

void CheckState(int16_t stored) {
  const auto state = Try([&] { return vintrel::CheckBoxState(stored); });
  if (!state.value) {
    Require(state.error == vintrel::errors::kInvalidPropertyValue, "a bad state is error 380");
    return;
  }
  const std::optional<std::wstring> text = vintrel::StoredTextForState(*state.value);
  Require(text.has_value() == (*state.value != 2), "a greyed box writes nothing");
  if (text) {
    Require(vintrel::ToInteger16(*text) == *state.value, "a written state reads back");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vintrel::fuzz::FuzzInput in(data, size);
  const std::wstring text = in.Text();
  const int16_t state = static_cast<int16_t>(in.U16());
  CheckNumber(text);
  CheckFrameRate(text);
  CheckState(state);
  return 0;
}
