#include "bink/panel_text.h"

namespace vintrel {
namespace {

std::wstring Whole(uint64_t value) {
  return std::to_wstring(value);
}

}  // namespace

std::wstring LeadingBytesText(std::string_view bytes) {
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

uint32_t RoundedFrameRate(uint32_t numerator, uint32_t denominator) {
  const uint64_t divisor = denominator == 0 ? 1 : denominator;
  // floor(n / d + 1/2) in whole numbers; cannot exceed numerator, so it fits.
  return static_cast<uint32_t>((2 * static_cast<uint64_t>(numerator) + divisor) / (2 * divisor));
}

PanelTexts PanelTextsFor(const BinkExamination& file) {
  if (!file.IsBink()) {
    const std::wstring zero = L"0";
    return {{}, zero, zero, zero, zero, zero, zero, zero, zero};
  }
  // A header cut short or with a damaged track count shows zeros past the
  // signature; the details window names the fault.
  const BinkFacts& f = file.facts;
  const BinkTrack none{.channels = 0, .bits = 0};
  const BinkTrack& audio = f.tracks.empty() ? none : f.tracks.front();
  return {
      .frameType = f.Gray() ? L"Серый" : L"Цвет",
      .maxFrameSize = Whole(f.largestFrame),
      .height = Whole(f.height),
      .width = Whole(f.width),
      .frameCount = Whole(f.frames),
      .frameRate = Whole(RoundedFrameRate(f.rateNumerator, f.rateDenominator)),
      .channels = Whole(audio.channels),
      .sampleBits = Whole(audio.bits),
      .sampleRate = Whole(audio.rate),
      .hasAudio = !f.tracks.empty(),
  };
}

}  // namespace vintrel
