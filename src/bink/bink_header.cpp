#include "bink/bink_header.h"

namespace vintrel {
namespace {

constexpr uint32_t kGrayVideoFlag = 0x00020000;
constexpr uint16_t kStereoAudioFlag = 0x2000;
constexpr uint16_t kSixteenBitAudioFlag = 0x4000;

class HeaderBytes {
 public:
  explicit HeaderBytes(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint8_t Byte(size_t offset) const { return offset < bytes_.size() ? bytes_[offset] : 0; }

  uint16_t U16(size_t offset) const {
    return static_cast<uint16_t>(Byte(offset) | (Byte(offset + 1) << 8));
  }

  uint32_t U32(size_t offset) const {
    return static_cast<uint32_t>(U16(offset)) | (static_cast<uint32_t>(U16(offset + 2)) << 16);
  }

 private:
  std::span<const uint8_t> bytes_;
};

}  // namespace

uint32_t RoundedFrameRate(uint32_t numerator, uint32_t denominator) {
  const uint64_t divisor = denominator == 0 ? 1 : denominator;
  // floor(n / d + 1/2) in whole numbers; cannot exceed numerator, so it fits.
  return static_cast<uint32_t>((2 * static_cast<uint64_t>(numerator) + divisor) / (2 * divisor));
}

DecodedHeader decodeBinkHeader(std::span<const uint8_t> bytes) {
  const HeaderBytes in(bytes);
  if (in.Byte(0) != 'B' || in.Byte(1) != 'I' || in.Byte(2) != 'K') {
    return {};
  }

  DecodedHeader out;
  out.valid = true;
  BinkHeader& h = out.header;
  h.signature = "BIK";
  h.frameType = (in.U32(36) & kGrayVideoFlag) != 0 ? FrameType::gray : FrameType::colour;
  h.frameCount = in.U32(8);
  h.maxFrameSize = in.U32(12);
  h.width = in.U32(20);
  h.height = in.U32(24);
  h.frameRateNumerator = in.U32(28);
  h.frameRateDenominator = in.U32(32);
  h.frameRate = RoundedFrameRate(h.frameRateNumerator, h.frameRateDenominator);
  h.audioTracks = in.U32(40);
  h.hasAudio = h.audioTracks >= 1 && h.audioTracks <= kMaxAudioTracks;
  if (h.hasAudio) {
    // One packet size per track comes first, then each track's rate and flags.
    const size_t firstTrack = 44 + 4 * static_cast<size_t>(h.audioTracks);
    const uint16_t flags = in.U16(firstTrack + 2);
    h.sampleRate = in.U16(firstTrack);
    h.channels = (flags & kStereoAudioFlag) != 0 ? 2 : 1;
    h.sampleBits = (flags & kSixteenBitAudioFlag) != 0 ? 16 : 8;
  }
  return out;
}

}  // namespace vintrel
