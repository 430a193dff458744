#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/app_error.h"
#include "probes.h"

namespace vintrel {
namespace {

// What a read returns for "1" followed by more blanks than it takes.
const std::wstring kCutRead = L"1" + std::wstring(kLongestStoredText - 1, L' ');

// The longest text a read returns whole is still a number.
TEST(StoredNumber, PlainDecimalsRoundHalvesToEvenOthersAreRefused) {
  const std::pair<const wchar_t*, int> cases[] = {
      {L"+2", 2},  {L"\t -7 ", -7},      {L"007", 7},         {L"0.5", 0},
      {L"1.5", 2}, {L"-3.5", -4},        {L".6", 1},          {L"2.", 2},
      {L"2.5", 2}, {L"2.5000000001", 3}, {L"32767.4", 32767}, {L"-32768.5", -32768},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ToInteger16(text), value) << text;
  EXPECT_EQ(ToInteger16(kCutRead.substr(0, kLongestStoredText - 1)), 1);
  // A read that filled its buffer may have cut off what made it junk.
  using namespace std::string_literals;
  for (const std::wstring& text :
       {L"   "s, L"1a"s, L"-."s, L"1.2.3"s, L"- 1"s, L"1e3"s, L"1,5"s, L"\x0661"s, L"1\0002"s,
        kCutRead, std::wstring(kLongestStoredText, L'1')})
    EXPECT_EQ(ErrorOf([&] { ToInteger16(text); }), errors::kTypeMismatch) << text.substr(0, 9);
  for (const std::wstring& text : {L"32767.5"s, L"-32769"s, std::wstring(253, L'9')})
    EXPECT_EQ(ErrorOf([&] { ToInteger16(text); }), errors::kOverflow) << text.substr(0, 9);
  for (int16_t stored : {-1, 3})
    EXPECT_EQ(ErrorOf([&] { CheckBoxState(stored); }), errors::kInvalidPropertyValue) << stored;
}

// A stored text shows as its entry; a text saves only when it is an entry's
// exactly (case and blanks count).
TEST(SettingsValues, ListEntriesCheckBoxStatesAndTheRecoveryInItsOrder) {
  for (const DisplayEntry& entry : kDisplayEntries) {
    EXPECT_EQ(DisplayStoredForText(entry.text), std::to_wstring(entry.index));
    EXPECT_EQ(DisplayTextForStored(std::to_wstring(entry.index)), entry.text);
  }
  for (const FrameRateEntry& entry : kFrameRateEntries) {
    EXPECT_EQ(FrameRateTextForStored(entry.stored), entry.text);
    EXPECT_EQ(FrameRateStoredForText(entry.text), entry.stored);
  }
  for (const wchar_t* text : {L"1024x768 ", L"800X600", L"авто"}) {
    EXPECT_EQ(DisplayStoredForText(text), std::nullopt) << text;
    EXPECT_EQ(FrameRateStoredForText(text), std::nullopt) << text;
  }
  for (const wchar_t* stored : {L"MAX", L" 5.0", L""})
    EXPECT_EQ(FrameRateTextForStored(stored), std::nullopt) << stored;
  // The display mode's stored text matches as a number.
  const std::pair<std::wstring, std::optional<std::wstring>> cases[] = {
      {L"011", L"1024x768"},   {L" +11.0 ", L"1024x768"},
      {L"13", L"1280x1024"},   {L"-0", L"В окне"},
      {L"14", std::nullopt},   {L"-1", std::nullopt},
      {L"11.5", std::nullopt}, {std::wstring(200, L'9'), std::nullopt},
  };
  for (const auto& [stored, shown] : cases)
    EXPECT_EQ(DisplayTextForStored(stored), shown) << stored;
  for (const wchar_t* junk : {L"", L"11x", L"1024x768"})
    EXPECT_EQ(ErrorOf([&] { DisplayTextForStored(junk); }), errors::kTypeMismatch) << junk;
  for (int state : {0, 1})
    EXPECT_EQ(StoredTextForState(CheckBoxState(state)), std::to_wstring(state));
  EXPECT_EQ(StoredTextForState(CheckBoxState(2)), std::nullopt);
  std::wstring written;
  for (const StoredValue& value : kRecoveryFile)
    written += std::wstring(value.key) + L"=" + value.value + L";";
  EXPECT_EQ(written,
            L"re=1;pe=0;ce=1;ne=0;je=0;ze=0;ke=0;le=0;se=0;qe=0;ie=0;we=0;ge=0;ee=0;de=11;");
}

}  // namespace
}  // namespace vintrel
