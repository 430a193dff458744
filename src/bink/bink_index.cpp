#include "bink/bink_index.h"

namespace vintrel {

FrameIndexChecker::FrameIndexChecker(const BinkFacts& facts, uint64_t fileSize)
    : entries_(facts.indexEntries), indexEnd_(facts.IndexEnd()), fileSize_(fileSize) {}

void FrameIndexChecker::Feed(std::span<const uint8_t> bytes) {
  size_t at = 0;
  // An entry split between two chunks is finished from the carried bytes.
  while (carried_ > 0 && carried_ < 4 && at < bytes.size()) {
    carry_[carried_++] = bytes[at++];
  }
  if (carried_ == 4) {
    Entry(uint32_t{carry_[0]} | uint32_t{carry_[1]} << 8 | uint32_t{carry_[2]} << 16 |
          uint32_t{carry_[3]} << 24);
    carried_ = 0;
  }
  for (; at + 4 <= bytes.size(); at += 4) {
    Entry(uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
          uint32_t{bytes[at + 3]} << 24);
  }
  while (at < bytes.size()) {
    carry_[carried_++] = bytes[at++];
  }
}

void FrameIndexChecker::Entry(uint32_t value) {
  if (seen_ >= entries_) {
    return;  // frame data, not index
  }
  const uint64_t index = seen_++;
  const uint32_t offset = value & ~uint32_t{1};
  const bool last = seen_ == entries_;
  if (!last && (value & 1) != 0) {
    ++keyframes_;
  }
  const bool sound = (index == 0 ? offset >= indexEnd_ : offset > previous_) &&
                     offset <= fileSize_ && (!last || offset == fileSize_);
  if (!sound && !broken_) {
    // Entry i closes frame i and opens frame i + 1 (counted from 1).
    broken_ = index == 0 ? 1 : index;
  }
  previous_ = offset;
}

std::optional<uint64_t> FrameIndexChecker::BrokenFrame() const {
  if (broken_) {
    return broken_;
  }
  if (seen_ < entries_) {
    return seen_ == 0 ? 1 : seen_;
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
