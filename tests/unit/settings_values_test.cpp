#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <string>

#include "common/app_error.h"
#include "probes.h"

namespace vintrel {
namespace {

using namespace std::string_literals;

// Plain decimals, halves to the even neighbour; nothing else is a number, and
// past 16 bits a number overflows. A read that filled its buffer may have cut
// off what made it junk: it is never a number.
TEST(StoredNumber, PlainDecimalsRoundHalvesToEvenWithinSixteenBits) {
  const std::wstring cutRead = L"1" + std::wstring(kLongestStoredText - 1, L' ');
  const std::pair<std::wstring, int> numbers[] = {{L"+2", 2},
                                                  {L"\t -7 ", -7},
                                                  {L"007", 7},
                                                  {L"0.5", 0},
                                                  {L"1.5", 2},
                                                  {L"-3.5", -4},
                                                  {L".6", 1},
                                                  {L"2.", 2},
                                                  {L"2.5", 2},
                                                  {L"2.5000000001", 3},
                                                  {L"32767.4", 32767},
                                                  {L"-32768.5", -32768},
                                                  {cutRead.substr(0, kLongestStoredText - 1), 1}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ToInteger16(text), value) << text.size();
  for (const std::wstring& text :
       {L"   "s, L"1a"s, L"-."s, L"1.2.3"s, L"- 1"s, L"1e3"s, L"1,5"s, L"\x0661"s, L"1\0002"s,
        cutRead, std::wstring(kLongestStoredText, L'1')})
    EXPECT_EQ(ErrorOf([&] { ToInteger16(text); }), errors::kTypeMismatch) << text.substr(0, 9);
  for (const std::wstring& text : {L"32767.5"s, L"-32769"s, std::wstring(253, L'9')})
    EXPECT_EQ(ErrorOf([&] { ToInteger16(text); }), errors::kOverflow) << text.substr(0, 9);
}

// A list's text is stored only when it is an entry's exactly (case and
// blanks count); the display mode's stored text is read as a number.
TEST(SettingsValues, ListTextsMatchExactlyAndTheDisplayModeAsANumber) {
  for (const wchar_t* text : {L"1024x768 ", L"800X600", L"авто", L"MAX", L" 5.0", L""}) {
    EXPECT_FALSE(DisplayStoredForText(text) || FrameRateStoredForText(text) ||
                 FrameRateTextForStored(text))
        << text;
  }
  const std::pair<std::wstring, std::optional<std::wstring>> display[] = {
      {L"011", L"1024x768"},   {L" +11.0 ", L"1024x768"},
      {L"13", L"1280x1024"},   {L"-0", L"В окне"},
      {L"14", std::nullopt},   {L"-1", std::nullopt},
      {L"11.5", std::nullopt}, {std::wstring(200, L'9'), std::nullopt}};
  for (const auto& [stored, shown] : display)
    EXPECT_EQ(DisplayTextForStored(stored), shown) << stored;
  EXPECT_EQ(ErrorOf([] { DisplayTextForStored(L"1024x768"); }), errors::kTypeMismatch);
}

// Every box in the rows' order, then the two lists that have a usual value.
TEST(SettingsValues, RecoveryWritesTheBoxesThenTheListsButNotTheFrameRate) {
  std::wstring written;
  for (const auto& [key, value] : kRecoveryFile) written += std::wstring(key) + L"=" + value + L";";
  EXPECT_EQ(written,
            L"re=1;pe=0;ce=1;ne=0;je=0;ze=0;ke=0;le=0;se=0;qe=0;ie=0;we=0;ge=0;ee=0;de=11;");
}

}  // namespace
}  // namespace vintrel
