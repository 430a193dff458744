// Any bytes as a whole file, through the examination and into the panel's
// texts. Besides crashes, it checks the promises the panel relies on.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bink/bink_examine.h"
#include "bink/panel_text.h"

namespace {

void Require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
  }
}

bool AllDigits(const std::wstring& text) {
  if (text.empty()) {
    return false;
  }
  for (const wchar_t ch : text) {
    if (ch < L'0' || ch > L'9') {
      return false;
    }
  }
  return true;
}

// A file's bytes held in memory; reads past the end would trip the sanitizers.
struct MemorySource : vintrel::ByteSource {
  std::span<const uint8_t> bytes;
  uint64_t Size() const override { return bytes.size(); }
  bool Read(uint64_t at, std::span<uint8_t> out, std::string&) override {
    std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(at), out.size(), out.begin());
    return true;
  }
};

void CheckPanel(std::span<const uint8_t> bytes) {
  MemorySource source;
  source.bytes = bytes;
  const vintrel::BinkExamination file = vintrel::ExamineBink(source);
  const vintrel::PanelTexts texts = vintrel::PanelTextsFor(file);
  Require(texts.frameType.empty() == !file.IsBink(), "a type exactly for a Bink file");
  for (const std::wstring* number :
       {&texts.maxFrameSize, &texts.height, &texts.width, &texts.frameCount, &texts.frameRate,
        &texts.sampleBits, &texts.sampleRate, &texts.channels}) {
    Require(AllDigits(*number), "whole numbers show as digits only");
  }
  const vintrel::BinkFacts& f = file.facts;
  const double exact =
      static_cast<double>(f.rateNumerator) / (f.rateDenominator == 0 ? 1.0 : f.rateDenominator);
  Require(!file.IsBink() || std::fabs(exact - std::stod(std::string(texts.frameRate.begin(),
                                                                    texts.frameRate.end()))) <= 0.5,
          "the frame rate is the nearest whole number");
  Require(texts.hasAudio == (file.IsBink() && !f.tracks.empty()), "audio exactly with a track");
  if (!texts.hasAudio) {
    Require(texts.channels == L"0" && texts.sampleBits == L"0" && texts.sampleRate == L"0",
            "no audio, no audio facts");
  }
}

void CheckSignature(std::span<const uint8_t> bytes) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::wstring text = vintrel::LeadingBytesText(raw);
  size_t nonZero = 0;
  for (const uint8_t byte : bytes) {
    nonZero += byte != 0;
  }
  Require(text.size() == nonZero, "one character per byte that is not zero");
  for (const wchar_t ch : text) {
    Require(ch >= 0x20 && ch <= 0x7E, "only printable characters");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  CheckPanel(bytes);
  CheckSignature(bytes.first(std::min<size_t>(size, 64)));
  return 0;
}
