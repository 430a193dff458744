#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vintrel {

enum class BinkFormat { none, bink1, bink2 };
enum class AudioCodec { rdft, dct };

inline constexpr uint32_t kBinkGrayFlag = 0x00020000;
inline constexpr uint32_t kBinkAlphaFlag = 0x00100000;
inline constexpr uint16_t kBinkDctFlag = 0x1000;
inline constexpr uint16_t kBinkStereoFlag = 0x2000;
inline constexpr uint16_t kBinkSixteenBitFlag = 0x4000;

// More tracks than this cannot be audio: the count itself is damaged.
inline constexpr uint32_t kMaxBinkTracks = 256;
// The fixed part (with the newer revisions' extra field) and three 32-bit
// values per track: one read of this many bytes covers every valid header.
inline constexpr size_t kBinkHeaderReadBytes = 48 + 12 * kMaxBinkTracks;

struct BinkTrack {
  uint32_t largestPacket = 0;
  uint32_t rate = 0;
  uint16_t flags = 0;
  uint32_t channels = 1;
  uint32_t bits = 8;
  AudioCodec codec = AudioCodec::rdft;
  uint32_t id = 0;

  bool operator==(const BinkTrack&) const = default;
};

// What the header of a Bink file says, field by field, and what follows
// from it. Only the header is needed; the frame index is checked elsewhere.
struct BinkFacts {
  BinkFormat format = BinkFormat::none;
  char revision = 0;
  uint32_t declaredSize = 0;  // the file's size minus 8, as the header says
  uint32_t frames = 0;
  uint32_t largestFrame = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t rateNumerator = 0;
  uint32_t rateDenominator = 0;
  uint32_t videoFlags = 0;
  uint32_t trackCount = 0;
  bool extraField = false;  // a 32-bit field after the track count
  std::vector<BinkTrack> tracks{};
  uint64_t indexOffset = 0;   // where the frame index starts
  uint64_t indexEntries = 0;  // frames + 1: each frame's start, then the end

  bool Gray() const { return (videoFlags & kBinkGrayFlag) != 0; }
  bool Alpha() const { return (videoFlags & kBinkAlphaFlag) != 0; }
  uint64_t IndexEnd() const { return indexOffset + 4 * indexEntries; }
  uint64_t DeclaredFileSize() const { return uint64_t{declaredSize} + 8; }
  // Frames per second; 0 when the denominator is 0.
  double FrameRate() const;
  // frames x denominator / numerator, rounded to the millisecond; 0 when the
  // numerator is 0, the largest 64-bit value when it would not fit.
  uint64_t DurationMs() const;
  // Bits per second over the whole file; 0 when the duration is 0.
  uint64_t Bitrate(uint64_t fileSize) const;

  bool operator==(const BinkFacts&) const = default;
};

enum class HeaderStatus { ok, notBink, shortHeader, tooManyTracks };

struct BinkHeaderDecode {
  HeaderStatus status = HeaderStatus::notBink;
  // Format and revision whenever the signature is Bink; the rest only when ok.
  BinkFacts facts;
  // Bytes the whole header takes (known once the track count is read).
  size_t headerBytes = 0;
};

// "BIK" plus a letter is Bink 1, "KB2" plus a letter Bink 2.
BinkFormat BinkFormatOf(std::span<const uint8_t> head);
bool HasExtraField(BinkFormat format, char revision);

// Never reads past `head`; a short span gives shortHeader with headerBytes
// set to what a complete header needs, when that is known.
BinkHeaderDecode DecodeBinkFacts(std::span<const uint8_t> head);

}  // namespace vintrel
