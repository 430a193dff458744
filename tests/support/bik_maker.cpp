#include "bik_maker.h"

#include <fstream>

namespace vintrel {

std::string BikBytes(const BikSpec& spec) {
  std::string out = (spec.signature + std::string(3, '\0')).substr(0, 3) + spec.version;
  const auto put = [&out](uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(value >> shift);
  };
  const uint32_t n = spec.frameCount, tracks = static_cast<uint32_t>(spec.tracks.size());
  for (const uint32_t field : {0u, n, spec.maxFrameSize, n, spec.width, spec.height,
                               spec.fpsNumerator, spec.fpsDenominator, spec.videoFlags, tracks})
    put(field);
  if (spec.extraField)
    put(0);
  for (const AudioTrackSpec& track : spec.tracks) put(track.maxPacketSize);
  for (const AudioTrackSpec& track : spec.tracks)
    put(track.sampleRate | uint32_t{track.flags} << 16);
  for (uint32_t i = 0; i < tracks; ++i) put(spec.tracks[i].id.value_or(i));
  if (spec.frameBytes > 0 || !spec.frameSizes.empty()) {
    size_t at = out.size() + 4 * (size_t{n} + 1);
    for (uint32_t i = 0; i <= n; ++i) {
      put(static_cast<uint32_t>(at) |
          (i < n && spec.keyframeEvery > 0 && i % spec.keyframeEvery == 0));
      const auto& sizes = spec.frameSizes;
      at += i == n ? 0 : sizes.empty() ? spec.frameBytes : sizes[i % sizes.size()];
    }
    out.resize(at);
  }
  for (size_t i = 0; i < 4; ++i) out[4 + i] = static_cast<char>((out.size() - 8) >> (8 * i));
  return out;
}

std::vector<uint8_t> MakeBikHeader(const BikSpec& spec) {
  const std::string bytes = BikBytes(spec);
  return {bytes.begin(), bytes.end()};
}

bool WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace vintrel
