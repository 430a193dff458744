#include "bink/bink_index.h"

#include <algorithm>

namespace vintrel {

FrameIndexChecker::FrameIndexChecker(const BinkFacts& facts, uint64_t fileSize)
    : entries_(facts.indexEntries), indexEnd_(facts.IndexEnd()), fileSize_(fileSize) {}

namespace {

uint32_t Load(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

}  // namespace

void FrameIndexChecker::Feed(std::span<const uint8_t> bytes) {
  const uint8_t* p = bytes.data();
  size_t left = bytes.size();
  // An entry split between two chunks is finished from the carried bytes.
  if (carried_ > 0) {
    while (carried_ < 4 && left > 0) {
      carry_[carried_++] = *p++;
      --left;
    }
    if (carried_ < 4) {
      return;
    }
    Entry(Load(carry_));
    carried_ = 0;
  }
  uint64_t count = std::min<uint64_t>(left / 4, entries_ - seen_);
  if (count > 0 && seen_ == 0) {
    Entry(Load(p));
    p += 4, left -= 4, --count;
  }
  // Entries between the first and the last, in a loop kept free of members
  // (a byte pointer may alias them) and of all but one rare branch.
  const uint64_t middle = std::min<uint64_t>(count, entries_ - 1 - std::min(seen_, entries_ - 1));
  uint32_t previous = previous_;
  uint64_t keyframes = 0;
  for (uint64_t k = 0; k < middle; ++k) {
    const uint32_t value = Load(p + 4 * k);
    const uint32_t offset = value & ~uint32_t{1};
    keyframes += value & 1;
    if (offset <= previous || offset > fileSize_) [[unlikely]] {
      if (!broken_) {
        broken_ = seen_ + k;
      }
    }
    previous = offset;
  }
  keyframes_ += keyframes;
  previous_ = previous;
  seen_ += middle;
  p += 4 * middle, left -= 4 * middle, count -= middle;
  for (; count > 0; --count, p += 4, left -= 4) {
    Entry(Load(p));
  }
  // What is left is frame data, or the start of an entry the next chunk ends.
  if (seen_ < entries_) {
    while (left > 0 && carried_ < 4) {
      carry_[carried_++] = *p++;
      --left;
    }
  }
}

void FrameIndexChecker::Entry(uint32_t value) {
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
