#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vintrel {

enum class FrameType { other, gray, colour };

// The few facts of a Bink container header that the information panel shows.
// A default-constructed record is the zero record that stands in for a file
// that is not Bink video.
struct BinkHeader {
  std::string signature;
  FrameType frameType = FrameType::other;
  uint32_t frameCount = 0;
  uint32_t maxFrameSize = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t frameRateNumerator = 0;
  uint32_t frameRateDenominator = 0;
  uint32_t frameRate = 0;
  uint32_t audioTracks = 0;
  bool hasAudio = false;
  uint32_t sampleRate = 0;
  double channels = 0;
  uint32_t sampleBits = 0;

  bool operator==(const BinkHeader&) const = default;
};

// The largest track count that still describes audio.
inline constexpr uint32_t kMaxAudioTracks = 256;

// The fixed part, one packet size per track, and the first track's rate and
// flags: one read of this many bytes covers every valid track count.
inline constexpr size_t kMaxHeaderBytes = 44 + 4 * kMaxAudioTracks + 4;

struct DecodedHeader {
  bool valid = false;
  BinkHeader header;
};

// Bytes past the end of `bytes` count as zero, so a short file decodes like
// the same file padded with zeros.
DecodedHeader decodeBinkHeader(std::span<const uint8_t> bytes);

// Numerator over denominator, rounded to the nearest whole number with halves
// up; a zero denominator counts as one.
uint32_t RoundedFrameRate(uint32_t numerator, uint32_t denominator);

}  // namespace vintrel
