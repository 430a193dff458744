#include "bink/panel_text.h"

#include <cmath>
#include <cstdio>

namespace vintrel {
namespace {

// Above this a double no longer holds every whole number, so the digits of a
// whole form would claim a precision the value does not have.
constexpr double kLargestExactWhole = 1e15;

}  // namespace

std::wstring FrameTypeText(FrameType type) {
  switch (type) {
    case FrameType::gray:
      return L"Серый";
    case FrameType::colour:
      return L"Цвет";
    case FrameType::other:
      break;
  }
  return {};
}

std::wstring WholeNumberText(uint64_t value) {
  return std::to_wstring(value);
}

std::wstring RealNumberText(double value, wchar_t decimalSeparator) {
  if (value == 0) {
    return L"0";  // also for -0
  }
  char buffer[64];
  if (std::isfinite(value) && std::trunc(value) == value && std::fabs(value) < kLargestExactWhole) {
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
  }
  std::wstring text;
  for (const char* p = buffer; *p != '\0'; ++p) {
    // The C library's separator depends on its locale; the caller's wins.
    const bool isSeparator = *p == '.' || *p == ',';
    text += isSeparator ? decimalSeparator : static_cast<wchar_t>(*p);
  }
  return text;
}

std::wstring SignatureText(std::string_view bytes) {
  std::wstring text;
  for (const char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    if (byte == 0) {
      continue;
    }
    text += byte >= 0x20 && byte <= 0x7E ? static_cast<wchar_t>(byte) : L'?';
  }
  return text;
}

PanelTexts PanelTextsFor(const BinkHeader& header, wchar_t decimalSeparator) {
  return {
      .frameType = FrameTypeText(header.frameType),
      .maxFrameSize = WholeNumberText(header.maxFrameSize),
      .height = WholeNumberText(header.height),
      .width = WholeNumberText(header.width),
      .frameCount = WholeNumberText(header.frameCount),
      .frameRate = WholeNumberText(header.frameRate),
      .channels = RealNumberText(header.channels, decimalSeparator),
      .sampleBits = WholeNumberText(header.sampleBits),
      .sampleRate = WholeNumberText(header.sampleRate),
  };
}

}  // namespace vintrel
