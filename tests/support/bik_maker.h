#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vintrel {

struct AudioTrackSpec {
  uint16_t sampleRate = 0;
  uint16_t flags = 0;  // 0x2000 stereo, 0x4000 16-bit
  uint32_t maxPacketSize = 0;
  std::optional<uint32_t> id{};  // default: the track's place, from 0
};

inline constexpr uint32_t kBikGrayVideo = 0x00020000;
inline constexpr uint16_t kBikStereo = 0x2000;
inline constexpr uint16_t kBikSixteenBit = 0x4000;

// A Bink header, field by field, little-endian as the container stores it.
struct BikSpec {
  std::string signature = "BIK";  // first three bytes, zero-padded
  char version = 'i';
  std::optional<uint32_t> sizeField{};  // offset 4; default: bytes written - 8
  uint32_t frameCount = 0;
  uint32_t maxFrameSize = 0;
  uint32_t width = 0;
  uint32_t height = 0;
  uint32_t fpsNumerator = 0;
  uint32_t fpsDenominator = 0;
  uint32_t videoFlags = 0;
  std::optional<uint32_t> audioTracks{};  // offset 40; default: tracks.size()
  // Written as packet sizes, then rate and flags, then ids, one per track.
  std::vector<AudioTrackSpec> tracks{};
  bool extraField = false;  // the 32-bit field after the track count (zero)
  // Above 0: a frame index follows, then frameBytes of zeros per frame, so
  // that the index ends at the file's end; every keyframeEvery-th frame from
  // the first is a keyframe (0: none).
  uint32_t frameBytes = 0;
  uint32_t keyframeEvery = 0;
  size_t truncateTo = 0;  // 0 keeps every byte
};

std::vector<uint8_t> MakeBikHeader(const BikSpec& spec);
// The same bytes as a string, for the helpers that write files from text.
std::string BikBytes(const BikSpec& spec);

// Replaces the file; false when it cannot be written.
bool WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);
bool WriteFile(const std::filesystem::path& path, std::string_view text);

}  // namespace vintrel
