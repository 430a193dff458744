#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "bink/bink_facts.h"

namespace vintrel {

// Checks a frame index fed in chunks of any size, in file order, so memory
// stays the same whatever the frame count. Each 32-bit entry is the start of
// a frame (bit 0 marks a keyframe); the last one is where the frames end.
// The entries must start at or after the index's end, strictly increase,
// stay inside the file and end exactly at its size.
class FrameIndexChecker {
 public:
  FrameIndexChecker(const BinkFacts& facts, uint64_t fileSize);

  void Feed(std::span<const uint8_t> bytes);
  // Keyframes among the frames whose entries were fed.
  uint64_t Keyframes() const { return keyframes_; }
  uint64_t EntriesFed() const { return seen_; }
  // The first frame (counted from 1) whose entry breaks a rule; call once
  // every entry was fed. Empty when the index is sound.
  std::optional<uint64_t> BrokenFrame() const;

 private:
  void Entry(uint32_t value);

  uint64_t entries_;
  uint64_t indexEnd_;
  uint64_t fileSize_;
  uint64_t seen_ = 0;
  uint64_t keyframes_ = 0;
  uint32_t previous_ = 0;
  std::optional<uint64_t> broken_;
  uint8_t carry_[4] = {};
  size_t carried_ = 0;
};

// 1234567 as "1 234 567".
std::string GroupDigits(uint64_t value);

}  // namespace vintrel
