#include "bink/bink_index.h"

#include <algorithm>

namespace vintrel {

FrameIndexChecker::FrameIndexChecker(const BinkFacts& facts, uint64_t fileSize, DataRate* rate)
    : entries_(facts.indexEntries), fileSize_(fileSize), rate_(rate) {
  // The first entry must not point inside the header or the index.
  progress_.previous = facts.IndexEnd() - 1;
}

namespace {

uint32_t Load(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

void FrameIndexChecker::Feed(std::span<const uint8_t> bytes) {
  if (Done()) {
    return;
  }
  size_t at = 0;
  // An entry split between two chunks is finished from the carried bytes.
  if (carried_ > 0) {
    at = std::min(bytes.size(), 4 - carried_);
    std::copy_n(bytes.data(), at, carry_ + carried_);
    carried_ += at;
    if (carried_ < 4) {
      return;
    }
    carried_ = 0;
    if (!Check(progress_, Load(carry_), progress_.seen + 1 == entries_)) {
      return;
    }
  }
  // A local copy: the compiler keeps it in registers, which it could not do
  // with members that a byte pointer may alias. The last entry has a rule
  // of its own, so the loop stops before it.
  Progress progress = progress_;
  const uint64_t beforeLast = entries_ - 1;
  const uint64_t count =
      std::min<uint64_t>((bytes.size() - at) / 4, beforeLast - std::min(progress.seen, beforeLast));
  for (uint64_t k = 0; k < count && Check(progress, Load(bytes.data() + at), false); ++k) {
    at += 4;
  }
  if (at + 4 <= bytes.size() && !progress.broken && progress.seen == beforeLast) {
    Check(progress, Load(bytes.data() + at), true);
    at += 4;
  }
  progress_ = progress;
  // What is left is frame data, or the start of an entry the next chunk ends.
  if (!Done()) {
    carried_ = bytes.size() - at;
    std::copy_n(bytes.data() + at, carried_, carry_);
  }
}

// Every entry passes here, in file order: entry i (from 0) opens frame i + 1,
// a keyframe when bit 0 is set, and closes frame i, which takes the bytes
// from the previous offset to this one. The last entry opens no frame and
// must end the file. False for a broken entry, which is not counted.
bool FrameIndexChecker::Check(Progress& at, uint32_t value, bool last) const {
  const uint32_t offset = value & ~uint32_t{1};
  if (offset <= at.previous || offset > fileSize_ || (last && offset != fileSize_)) [[unlikely]] {
    at.broken = true;
    return false;
  }
  // Both offsets are 32-bit, so the size is too.
  if (rate_ != nullptr && at.seen > 0) {
    rate_->Feed(static_cast<uint32_t>(offset - at.previous), at.opensKeyframe);
  }
  ++at.seen;
  at.keyframes += value & 1 & !last;
  at.opensKeyframe = (value & 1) != 0;
  at.previous = offset;
  return true;
}

std::optional<uint64_t> FrameIndexChecker::BrokenFrame() const {
  if (!Done() || progress_.broken) {
    // The entry at fault, the broken one or the first the file does not
    // hold, closes the frame of its own number (the first entry opens 1).
    return std::max<uint64_t>(progress_.seen, 1);
  }
  return std::nullopt;
}

std::string GroupDigits(uint64_t value) {
  std::string digits = std::to_string(value);
  for (size_t at = digits.size(); at > 3; at -= 3) {
    digits.insert(at - 3, 1, ' ');
  }
  return digits;
}

}  // namespace vintrel
