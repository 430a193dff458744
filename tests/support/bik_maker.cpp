#include "bik_maker.h"

#include <cstdio>
#include <memory>

namespace vintrel {
namespace {

void PutU16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, static_cast<uint16_t>(value));
  PutU16(out, static_cast<uint16_t>(value >> 16));
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::vector<uint8_t> MakeBikHeader(const BikSpec& spec) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < 3; ++i)
    out.push_back(i < spec.signature.size() ? static_cast<uint8_t>(spec.signature[i]) : 0);
  out.push_back(static_cast<uint8_t>(spec.version));
  PutU32(out, 0);  // size, patched below
  PutU32(out, spec.frameCount);
  PutU32(out, spec.maxFrameSize);
  PutU32(out, spec.frameCount);
  PutU32(out, spec.width);
  PutU32(out, spec.height);
  PutU32(out, spec.fpsNumerator);
  PutU32(out, spec.fpsDenominator);
  PutU32(out, spec.videoFlags);
  PutU32(out, spec.audioTracks.value_or(static_cast<uint32_t>(spec.tracks.size())));
  if (spec.extraField)
    PutU32(out, 0);
  for (const AudioTrackSpec& track : spec.tracks) PutU32(out, track.maxPacketSize);
  for (const AudioTrackSpec& track : spec.tracks) {
    PutU16(out, track.sampleRate);
    PutU16(out, track.flags);
  }
  for (size_t id = 0; id < spec.tracks.size(); ++id)
    PutU32(out, spec.tracks[id].id.value_or(static_cast<uint32_t>(id)));
  if (spec.frameBytes > 0) {
    const size_t start = out.size() + 4 * (size_t{spec.frameCount} + 1);
    for (uint32_t i = 0; i <= spec.frameCount; ++i) {
      const bool key = i < spec.frameCount && spec.keyframeEvery > 0 && i % spec.keyframeEvery == 0;
      PutU32(out, static_cast<uint32_t>(start + size_t{i} * spec.frameBytes) | (key ? 1 : 0));
    }
    out.resize(start + size_t{spec.frameCount} * spec.frameBytes);
  }

  const uint32_t size = spec.sizeField.value_or(static_cast<uint32_t>(out.size() - 8));
  for (size_t i = 0; i < 4; ++i) out[4 + i] = static_cast<uint8_t>(size >> (8 * i));
  if (spec.truncateTo != 0 && spec.truncateTo < out.size())
    out.resize(spec.truncateTo);
  return out;
}

std::string BikBytes(const BikSpec& spec) {
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  return std::string(bytes.begin(), bytes.end());
}

bool WriteFile(const std::filesystem::path& path, std::span<const uint8_t> bytes) {
#ifdef _WIN32
  std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path.c_str(), L"wb"));
#else
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
#endif
  if (!file)
    return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written;
}

bool WriteFile(const std::filesystem::path& path, std::string_view text) {
  return WriteFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace vintrel
