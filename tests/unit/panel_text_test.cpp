#include "bink/panel_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vintrel {
namespace {

// Which label shows which field of a header is checked end to end, on the
// running program's panel.

TEST(PanelText, FrameTypes) {
  EXPECT_EQ(FrameTypeText(FrameType::gray), L"Серый");
  EXPECT_EQ(FrameTypeText(FrameType::colour), L"Цвет");
  EXPECT_EQ(FrameTypeText(FrameType::other), L"");
}

TEST(PanelText, RealNumbers) {
  const struct {
    double value;
    wchar_t separator;
    const wchar_t* expected;
  } cases[] = {
      {2, L',', L"2"},
      {0, L',', L"0"},
      {-0.0, L',', L"0"},
      {1.5, L',', L"1,5"},
      {1.5, L'.', L"1.5"},
      {2.0 / 14, L',', L"0,142857142857143"},
      {0.25, L'\x066B',
       L"0\x066B"
       L"25"},
      {-2.5, L',', L"-2,5"},
      {123456789012345.0, L',', L"123456789012345"},
      {1e20, L',', L"1E+20"},
      {1.0 / 3 * 1e-6, L',', L"3,33333333333333E-07"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RealNumberText(c.value, c.separator), c.expected) << c.value;
  }
}

TEST(PanelText, SignatureShowsOnlyPrintableAscii) {
  EXPECT_EQ(SignatureText("BIK"), L"BIK");
  EXPECT_EQ(SignatureText(std::string("BI\0", 3)), L"BI");
  EXPECT_EQ(SignatureText(std::string(3, '\0')), L"");
  EXPECT_EQ(SignatureText("\xEF\xBB\xBF"), L"???");
  EXPECT_EQ(SignatureText("a\tb"), L"a?b");
  EXPECT_EQ(SignatureText(" ~\x7F"), L" ~?");
}

}  // namespace
}  // namespace vintrel
