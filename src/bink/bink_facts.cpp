#include "bink/bink_facts.h"

#include <cmath>
#include <limits>

namespace vintrel {
namespace {

constexpr size_t kFixedHeaderBytes = 44;

uint16_t U16(std::span<const uint8_t> b, size_t at) {
  return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t U32(std::span<const uint8_t> b, size_t at) {
  return uint32_t{U16(b, at)} | (uint32_t{U16(b, at + 2)} << 16);
}

}  // namespace

double BinkFacts::FrameRate() const {
  return rateDenominator == 0 ? 0.0 : double(rateNumerator) / double(rateDenominator);
}

uint64_t BinkFacts::DurationMs() const {
  if (rateNumerator == 0) {
    return 0;
  }
  // Both factors are below 2^32, so the product fits in 64 bits.
  const uint64_t ticks = uint64_t{frames} * rateDenominator;
  const uint64_t seconds = ticks / rateNumerator;
  const uint64_t rest = ticks % rateNumerator;  // below 2^32: x1000 fits
  constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
  if (seconds > (kMax - 1000) / 1000) {
    return kMax;
  }
  return seconds * 1000 + (rest * 1000 + rateNumerator / 2) / rateNumerator;
}

uint64_t BinkFacts::Bitrate(uint64_t fileSize) const {
  const uint64_t ticks = uint64_t{frames} * rateDenominator;
  if (ticks == 0 || rateNumerator == 0) {
    return 0;
  }
  // file bits x numerator / ticks can pass 2^64; a double keeps 53 bits,
  // far more than a bitrate needs.
  const double bits = std::round(double(fileSize) * 8.0 * rateNumerator / double(ticks));
  return bits >= 18446744073709551615.0 ? std::numeric_limits<uint64_t>::max()
                                        : static_cast<uint64_t>(bits);
}

BinkFormat BinkFormatOf(std::span<const uint8_t> head) {
  if (head.size() < 3) {
    return BinkFormat::none;
  }
  if (head[0] == 'B' && head[1] == 'I' && head[2] == 'K') {
    return BinkFormat::bink1;
  }
  if (head[0] == 'K' && head[1] == 'B' && head[2] == '2') {
    return BinkFormat::bink2;
  }
  return BinkFormat::none;
}

bool HasExtraField(BinkFormat format, char revision) {
  switch (format) {
    case BinkFormat::bink1:
      return revision == 'k';
    case BinkFormat::bink2:
      return revision == 'i' || revision == 'j' || revision == 'k';
    case BinkFormat::none:
      break;
  }
  return false;
}

BinkHeaderDecode DecodeBinkFacts(std::span<const uint8_t> head) {
  BinkHeaderDecode out;
  BinkFacts& f = out.facts;
  f.format = BinkFormatOf(head);
  if (f.format == BinkFormat::none) {
    return out;
  }
  out.status = HeaderStatus::shortHeader;
  if (head.size() < 4) {
    return out;
  }
  f.revision = static_cast<char>(head[3]);
  f.extraField = HasExtraField(f.format, f.revision);
  const size_t fixed = kFixedHeaderBytes + (f.extraField ? 4 : 0);
  if (head.size() < kFixedHeaderBytes) {
    out.headerBytes = fixed;
    return out;
  }
  f.declaredSize = U32(head, 4);
  f.frames = U32(head, 8);
  f.largestFrame = U32(head, 12);
  f.width = U32(head, 20);
  f.height = U32(head, 24);
  f.rateNumerator = U32(head, 28);
  f.rateDenominator = U32(head, 32);
  f.videoFlags = U32(head, 36);
  f.trackCount = U32(head, 40);
  if (f.trackCount > kMaxBinkTracks) {
    out.status = HeaderStatus::tooManyTracks;
    return out;
  }
  const size_t n = f.trackCount;
  out.headerBytes = fixed + 12 * n;
  f.indexOffset = out.headerBytes;
  f.indexEntries = uint64_t{f.frames} + 1;
  if (head.size() < out.headerBytes) {
    return out;
  }
  // Per track, in three runs: largest packets, rates with flags, ids.
  f.tracks.resize(n);
  for (size_t i = 0; i < n; ++i) {
    BinkTrack& t = f.tracks[i];
    t.largestPacket = U32(head, fixed + 4 * i);
    t.rate = U16(head, fixed + 4 * n + 4 * i);
    t.flags = U16(head, fixed + 4 * n + 4 * i + 2);
    t.id = U32(head, fixed + 8 * n + 4 * i);
    t.channels = (t.flags & kBinkStereoFlag) != 0 ? 2 : 1;
    t.bits = (t.flags & kBinkSixteenBitFlag) != 0 ? 16 : 8;
    t.codec = (t.flags & kBinkDctFlag) != 0 ? AudioCodec::dct : AudioCodec::rdft;
  }
  out.status = HeaderStatus::ok;
  return out;
}

}  // namespace vintrel
