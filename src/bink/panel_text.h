#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "bink/bink_header.h"

namespace vintrel {

std::wstring FrameTypeText(FrameType type);

// Decimal digits, no sign, no grouping.
std::wstring WholeNumberText(uint64_t value);

// A whole value prints whole; any other value with up to 15 significant
// digits, a leading zero and the given separator.
std::wstring RealNumberText(double value, wchar_t decimalSeparator);

// Printable ASCII as it is, a zero byte left out, anything else as '?'.
std::wstring SignatureText(std::string_view bytes);

// Every value label of the information panel, in the order they are filled.
struct PanelTexts {
  std::wstring frameType;
  std::wstring maxFrameSize;
  std::wstring height;
  std::wstring width;
  std::wstring frameCount;
  std::wstring frameRate;
  std::wstring channels;
  std::wstring sampleBits;
  std::wstring sampleRate;
};

PanelTexts PanelTextsFor(const BinkHeader& header, wchar_t decimalSeparator);

}  // namespace vintrel
