// Any bytes at the start of a file, through the header decoder and into the
// panel's texts. Besides crashes, it checks the promises the panel relies on.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bink/bink_header.h"
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

void CheckHeader(std::span<const uint8_t> bytes) {
  const vintrel::DecodedHeader decoded = vintrel::decodeBinkHeader(bytes);
  const bool letters = bytes.size() >= 3 && bytes[0] == 'B' && bytes[1] == 'I' && bytes[2] == 'K';
  Require(decoded.valid == letters, "valid exactly when the file starts with BIK");
  if (!decoded.valid) {
    Require(decoded.header == vintrel::BinkHeader{}, "the zero record for a file that is not Bink");
    return;
  }

  // A short read must decode as the same bytes padded with zeros.
  std::vector<uint8_t> padded(bytes.begin(), bytes.end());
  if (padded.size() < vintrel::kMaxHeaderBytes) {
    padded.resize(vintrel::kMaxHeaderBytes, 0);
    Require(vintrel::decodeBinkHeader(padded).header == decoded.header,
            "a short file decodes like the same file padded with zeros");
  }
  // Nothing past the largest header may matter.
  if (bytes.size() > vintrel::kMaxHeaderBytes) {
    Require(
        vintrel::decodeBinkHeader(bytes.first(vintrel::kMaxHeaderBytes)).header == decoded.header,
        "bytes past the largest header are never read");
  }

  const vintrel::BinkHeader& h = decoded.header;
  const double exact = static_cast<double>(h.frameRateNumerator) /
                       (h.frameRateDenominator == 0 ? 1.0 : h.frameRateDenominator);
  Require(std::fabs(exact - h.frameRate) <= 0.5, "the frame rate is the nearest whole number");
  Require(h.hasAudio == (h.audioTracks >= 1 && h.audioTracks <= vintrel::kMaxAudioTracks),
          "audio exactly for 1..256 tracks");
  if (h.hasAudio) {
    Require(h.channels == 1 || h.channels == 2, "one or two channels");
    Require(h.sampleBits == 8 || h.sampleBits == 16, "8 or 16 bits");
  } else {
    Require(h.channels == 0 && h.sampleBits == 0 && h.sampleRate == 0, "no audio, no audio facts");
  }

  for (const wchar_t separator : {L'.', L','}) {
    const vintrel::PanelTexts texts = vintrel::PanelTextsFor(h, separator);
    Require(!texts.frameType.empty(), "a Bink file has a frame type");
    for (const std::wstring* number :
         {&texts.maxFrameSize, &texts.height, &texts.width, &texts.frameCount, &texts.frameRate,
          &texts.sampleBits, &texts.sampleRate, &texts.channels}) {
      Require(AllDigits(*number), "whole numbers show as digits only");
    }
    Require(texts.width == std::to_wstring(h.width), "the width shows unchanged");
  }
}

// The real-number form for any double the bytes spell, not only 0, 1 and 2.
void CheckRealNumber(std::span<const uint8_t> bytes) {
  if (bytes.size() < sizeof(double) + 1) {
    return;
  }
  double value;
  std::memcpy(&value, bytes.data(), sizeof value);
  const wchar_t separator = bytes[sizeof value] % 2 == 0 ? L'.' : L',';
  const std::wstring text = vintrel::RealNumberText(value, separator);
  Require(!text.empty(), "a number always shows something");
  if (!std::isfinite(value)) {
    return;
  }
  std::string ascii;
  for (const wchar_t ch : text) {
    Require(ch < 0x80, "numbers show in ASCII");
    Require(ch != (separator == L'.' ? L',' : L'.'), "only the caller's separator");
    ascii += ch == separator ? '.' : static_cast<char>(ch);
  }
  char* end = nullptr;
  // Read back wider than double: 15 digits of the largest double exceed it.
  const long double back = std::strtold(ascii.c_str(), &end);
  Require(*end == '\0', "the text reads back as a number");
  Require(back == value || std::fabs(back - value) <= std::fabs(value) * 1e-14L,
          "the text holds the value to 15 digits");
}

void CheckSignature(std::span<const uint8_t> bytes) {
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const std::wstring text = vintrel::SignatureText(raw);
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
  CheckHeader(bytes);
  CheckRealNumber(bytes);
  CheckSignature(bytes.first(std::min<size_t>(size, 64)));
  return 0;
}
