#include "bink/panel_text.h"

#include <gtest/gtest.h>

#include <string>

namespace vintrel {
namespace {

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

TEST(PanelText, PanelOfADecodedHeader) {
  BinkHeader h;
  h.signature = "BIK";
  h.frameType = FrameType::gray;
  h.maxFrameSize = 150000;
  h.width = 640;
  h.height = 480;
  h.frameCount = 5;
  h.frameRate = 30;
  h.channels = 2;
  h.sampleBits = 16;
  h.sampleRate = 48000;
  const PanelTexts texts = PanelTextsFor(h, L',');
  EXPECT_EQ(texts.signature, L"BIK");
  EXPECT_EQ(texts.frameType, L"Серый");
  EXPECT_EQ(texts.maxFrameSize, L"150000");
  EXPECT_EQ(texts.height, L"480");
  EXPECT_EQ(texts.width, L"640");
  EXPECT_EQ(texts.frameCount, L"5");
  EXPECT_EQ(texts.frameRate, L"30");
  EXPECT_EQ(texts.channels, L"2");
  EXPECT_EQ(texts.sampleBits, L"16");
  EXPECT_EQ(texts.sampleRate, L"48000");

  const PanelTexts zero = PanelTextsFor(BinkHeader{}, L',');
  for (const std::wstring* number :
       {&zero.maxFrameSize, &zero.height, &zero.width, &zero.frameCount, &zero.frameRate,
        &zero.channels, &zero.sampleBits, &zero.sampleRate}) {
    EXPECT_EQ(*number, L"0");
  }
  EXPECT_EQ(zero.signature, L"");
  EXPECT_EQ(zero.frameType, L"");
}

}  // namespace
}  // namespace vintrel
