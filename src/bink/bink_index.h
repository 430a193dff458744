#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "bink/bink_facts.h"
#include "bink/data_rate.h"

namespace vintrel {

// Checks a frame index fed in chunks of any size, in file order, so memory
// stays the same whatever the frame count. Each 32-bit entry is the start of
// a frame (bit 0 marks a keyframe); the last one is where the frames end.
// The entries must start at or after the index's end, strictly increase,
// stay inside the file and end exactly at its size. Checking stops at the
// first entry that breaks a rule: the verdict is known, and what follows
// it may be anything at all.
//
// Each frame closed by a sound entry, its size and whether it is a keyframe,
// goes on to `rate` when there is one: frames up to the first broken entry.
class FrameIndexChecker {
 public:
  FrameIndexChecker(const BinkFacts& facts, uint64_t fileSize, DataRate* rate = nullptr);

  void Feed(std::span<const uint8_t> bytes);
  // Nothing more to feed: an entry broke a rule, or every entry was fed.
  bool Done() const { return progress_.broken || progress_.seen == entries_; }
  // Keyframes among the frames opened by sound entries.
  uint64_t Keyframes() const { return progress_.keyframes; }
  // Sound entries checked: all of them, or those before the broken one.
  uint64_t EntriesFed() const { return progress_.seen; }
  // The first frame (counted from 1) whose entry breaks a rule or is
  // missing; call once the index was fed as far as the file holds it.
  // Empty when the index is sound.
  std::optional<uint64_t> BrokenFrame() const;

 private:
  struct Progress {
    uint64_t seen = 0;  // sound entries
    uint64_t keyframes = 0;
    uint64_t previous = 0;       // the last offset; each must pass it
    bool opensKeyframe = false;  // the last entry's bit 0: its frame's kind
    bool broken = false;
  };
  bool Check(Progress& at, uint32_t value, bool last) const;

  uint64_t entries_;
  uint64_t fileSize_;
  DataRate* rate_;
  Progress progress_;
  uint8_t carry_[4] = {};
  size_t carried_ = 0;
};

// 1234567 as "1 234 567".
std::string GroupDigits(uint64_t value);

}  // namespace vintrel
