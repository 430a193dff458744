#include "settings/settings_values.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/app_error.h"

namespace vintrel {
namespace {

template <typename Convert>
int ErrorNumberOf(Convert convert) {
  try {
    convert();
  } catch (const AppError& error) {
    return error.number();
  }
  return 0;
}

TEST(StoredInteger, ConvertsDecimalTextRoundingHalvesToEven) {
  const struct {
    const wchar_t* text;
    int16_t expected;
  } cases[] = {{L"0", 0},           {L"1", 1},           {L"+2", 2},           {L"-1", -1},
               {L"  1\t", 1},       {L"\t -7 ", -7},     {L"007", 7},          {L"-0", 0},
               {L"0.5", 0},         {L"1.5", 2},         {L"2.5", 2},          {L"-2.5", -2},
               {L"-3.5", -4},       {L"2.51", 3},        {L"2.4999", 2},       {L".5", 0},
               {L".6", 1},          {L"2.", 2},          {L"-.5", 0},          {L"32767", 32767},
               {L"32767.4", 32767}, {L"-32768", -32768}, {L"-32768.5", -32768}};
  for (const auto& c : cases) {
    EXPECT_EQ(ToInteger16(c.text), c.expected) << c.text;
  }
  EXPECT_EQ(ToInteger16(L"2.5000000001"), 3);
  EXPECT_EQ(ToInteger16(L"0000000000000000000000000000001"), 1);
}

TEST(StoredInteger, RejectsWhatIsNotANumberOrOutOfRange) {
  const std::wstring huge(100000, L'9');
  const std::wstring withNul(L"1\0002", 3);
  // "\x0661" is a digit of another script.
  const std::wstring notNumbers[] = {L"",     L"   ",   L"abc",    L"1a",   L"+",       L"-.",
                                     L".",    L"1.2.3", L"--1",    L"- 1",  L"1 2",     L"1e3",
                                     L"0x10", L"1,5",   L"\x0661", withNul, huge + L"x"};
  for (const std::wstring& text : notNumbers) {
    EXPECT_EQ(ErrorNumberOf([&] { ToInteger16(text); }), errors::kTypeMismatch)
        << text.substr(0, 20);
  }
  const std::wstring tooLarge[] = {
      L"32768", L"32767.5", L"-32769", L"-32769.5", L"100000", huge, L"-" + huge + L"." + huge};
  for (const std::wstring& text : tooLarge) {
    EXPECT_EQ(ErrorNumberOf([&] { ToInteger16(text); }), errors::kOverflow) << text.substr(0, 20);
  }
}

TEST(StoredNumber, KeepsTheFractionAndStaysFiniteOrInfinite) {
  EXPECT_EQ(ToNumber(L" 11.0 "), 11.0);
  EXPECT_EQ(ToNumber(L"-2.5"), -2.5);
  EXPECT_EQ(ToNumber(L"2."), 2.0);
  EXPECT_EQ(ToNumber(L".25"), 0.25);
  EXPECT_EQ(ToNumber(std::wstring(400, L'9')), INFINITY);
  EXPECT_EQ(ToNumber(L"-" + std::wstring(400, L'9')), -INFINITY);
  EXPECT_EQ(ToNumber(L"0." + std::wstring(400, L'0') + L"1"), 0.0);
  EXPECT_EQ(ErrorNumberOf([] { ToNumber(L""); }), errors::kTypeMismatch);
  EXPECT_EQ(ErrorNumberOf([] { ToNumber(L"1e400"); }), errors::kTypeMismatch);
}

TEST(SettingsCheckBox, AcceptsOnlyClearedCheckedAndGreyed) {
  for (int16_t state : {0, 1, 2}) {
    EXPECT_EQ(CheckBoxState(state), state);
  }
  for (int16_t stored : {-1, 3, 32767, -32768}) {
    EXPECT_EQ(ErrorNumberOf([&] { CheckBoxState(stored); }), errors::kInvalidPropertyValue)
        << stored;
  }
  EXPECT_EQ(StoredTextForState(1), L"1");
  EXPECT_EQ(StoredTextForState(0), L"0");
  EXPECT_EQ(StoredTextForState(2), std::nullopt);
}

TEST(SettingsDisplayMode, EveryEntryRoundTrips) {
  for (const DisplayEntry& entry : kDisplayEntries) {
    EXPECT_EQ(DisplayIndexForText(entry.text), entry.index);
    EXPECT_STREQ(DisplayTextForIndex(entry.index), entry.text);
    const std::wstring stored = std::to_wstring(entry.index);
    EXPECT_EQ(DisplayStoredForText(entry.text), stored);
    EXPECT_EQ(DisplayTextForStored(stored), entry.text);
  }
  EXPECT_EQ(DisplayIndexForText(L"800x6"), std::nullopt);
  EXPECT_EQ(DisplayIndexForText(L"в окне"), std::nullopt);
  EXPECT_EQ(DisplayIndexForText(L"1024x768 "), std::nullopt);
  EXPECT_EQ(DisplayTextForIndex(14), nullptr);
  EXPECT_EQ(DisplayTextForIndex(-1), nullptr);
}

TEST(SettingsDisplayMode, StoredTextMatchesByNumber) {
  const struct {
    const wchar_t* stored;
    std::optional<std::wstring> expected;
  } cases[] = {
      {L"011", L"1024x768"}, {L"11.0", L"1024x768"},  {L" +11 ", L"1024x768"},
      {L"-0", L"В окне"},    {L"0.000", L"В окне"},   {L"14", std::nullopt},
      {L"-1", std::nullopt}, {L"11.5", std::nullopt}, {L"99999999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DisplayTextForStored(c.stored), c.expected) << c.stored;
  }
  for (const wchar_t* junk : {L"", L"eleven", L"11x", L"1024x768"}) {
    EXPECT_EQ(ErrorNumberOf([&] { DisplayTextForStored(junk); }), errors::kTypeMismatch) << junk;
  }
}

TEST(SettingsFrameRate, StoredFormsMatchExactly) {
  for (const FrameRateEntry& entry : kFrameRateEntries) {
    EXPECT_EQ(FrameRateTextForStored(entry.stored), entry.text);
    EXPECT_EQ(FrameRateStoredForText(entry.text), entry.stored);
  }
  for (const wchar_t* other : {L"MAX", L"5", L"5.00", L" 5.0", L"Авто", L"", L"Auto"}) {
    EXPECT_EQ(FrameRateTextForStored(other), std::nullopt) << other;
  }
  for (const wchar_t* other : {L"max", L"auto", L"авто", L"60", L""}) {
    EXPECT_EQ(FrameRateStoredForText(other), std::nullopt) << other;
  }
}

TEST(SettingsRecovery, RewritesEveryOptionThenMemoryThenDisplayButNotTheFrameRate) {
  std::wstring written;
  for (const StoredValue& value : kRecoveryValues) {
    written += std::wstring(value.key) + L"=" + value.value + L";";
  }
  EXPECT_EQ(written,
            L"re=1;pe=0;ce=1;ne=0;je=0;ze=0;ke=0;le=0;se=0;qe=0;ie=0;we=0;ge=0;ee=0;de=11;");
  // What the recovery writes must load without an error.
  for (size_t i = 0; i < kOptionKeys.size(); ++i) {
    EXPECT_NO_THROW(CheckBoxState(ToInteger16(kRecoveryValues[i].value))) << kOptionKeys[i];
  }
  EXPECT_EQ(DisplayTextForStored(kRecoveryValues.back().value), kDisplayInitialText);
}

}  // namespace
}  // namespace vintrel
