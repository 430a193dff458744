#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "bink/bink_examine.h"

namespace vintrel {

// Printable ASCII as it is, a zero byte left out, anything else as '?'.
std::wstring LeadingBytesText(std::string_view bytes);

// Numerator over denominator, rounded to the nearest whole number with halves
// up; a zero denominator counts as one.
uint32_t RoundedFrameRate(uint32_t numerator, uint32_t denominator);

// The value labels of the information panel past the format, in the order
// they are filled, and whether the "Звук" frame is enabled. The first track stands for the
// audio. A file that is not Bink video shows the zero record: no format or
// type, every number 0, no audio.
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
  bool hasAudio = false;

  bool operator==(const PanelTexts&) const = default;
};

PanelTexts PanelTextsFor(const BinkExamination& file);

}  // namespace vintrel
