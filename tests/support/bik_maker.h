#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

// The container's flag bits, written out here so that a wrong value in the
// program shows up against them.
inline constexpr uint32_t kBikGrayVideo = 0x00020000;
inline constexpr uint16_t kBikStereo = 0x2000, kBikSixteenBit = 0x4000;

struct AudioTrackSpec {
  uint16_t sampleRate = 0, flags = 0;
  uint32_t maxPacketSize = 0;
  std::optional<uint32_t> id{};  // default: the track's place, from 0
};

// A Bink header, field by field, little-endian as the container stores it;
// the size field at offset 4 is the bytes written less 8.
struct BikSpec {
  std::string signature = "BIK";  // first three bytes, zero-padded
  char version = 'i';
  uint32_t frameCount = 0, maxFrameSize = 0, width = 0, height = 0;
  uint32_t fpsNumerator = 0, fpsDenominator = 0, videoFlags = 0;
  // Written as packet sizes, then rate and flags, then ids, one per track.
  std::vector<AudioTrackSpec> tracks{};
  bool extraField = false;  // the 32-bit field after the track count (zero)
  // Above 0: a frame index follows, then frameBytes of zeros per frame, so
  // that the index ends at the file's end; every keyframeEvery-th frame from
  // the first is a keyframe (0: none).
  uint32_t frameBytes = 0, keyframeEvery = 0;
  // When given, frame i takes frameSizes[i % size] bytes (even, so that bit
  // 0 of each entry stays the keyframe mark) in place of frameBytes.
  std::vector<uint32_t> frameSizes{};
};

std::string BikBytes(const BikSpec& spec);
std::vector<uint8_t> MakeBikHeader(const BikSpec& spec);

// Replaces the file; false when it cannot be written.
bool WriteFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace vintrel
