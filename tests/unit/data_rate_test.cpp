#include "bink/data_rate.h"

#include <gtest/gtest.h>

namespace vintrel {
namespace {

// `fed` frames of 1000 bytes, one of them (at `spikeAt`) of 31000; the result
// as "window: average, peak at frame / ms".
TEST(DataRate, PeakOverAnyOneSecond) {
  struct Case {
    uint32_t frames, num, den, fed, spikeAt;
    std::string result;
  } cases[] = {
      {90, 30, 1, 90, 90, "30: 240000, 240000 at 0/0"},
      {90, 30, 1, 90, 45, "30: 320000, 480000 at 16/533"},
      {90, 30, 1, 90, 89, "30: 320000, 480000 at 60/2000"},  // at the very end
      {10, 30, 1, 10, 4, "30: 960000, 960000 at 0/0"},       // shorter than the window
      {48, 24000, 1001, 48, 47, "24: 311688, 431568 at 24/1001"},
      {90, 30, 1, 40, 35, "30: 420000, 480000 at 6/200"},  // the index broke at frame 41
      {4, 1, 2, 4, 2, "1: 34000, 124000 at 2/4000"},       // a frame every two seconds
      {2000, 4000000000, 1, 2000, 2000, "1000: 32000000000000, 32000000000000 at 0/0"},
      {90, 0, 1, 90, 45, "1: 0, 0 at 45/0"},
  };
  for (const Case& c : cases) {
    DataRate rate(c.frames, c.num, c.den, 0);
    for (uint32_t i = 0; i < c.fed; ++i) rate.Feed(i == c.spikeAt ? 31000 : 1000, false);
    EXPECT_EQ(std::to_string(rate.WindowFrames()) + ": " + std::to_string(rate.AverageBitrate()) +
                  ", " + std::to_string(rate.PeakBitrate()) + " at " +
                  std::to_string(rate.PeakStartFrame()) + "/" + std::to_string(rate.PeakAtMs()),
              c.result);
  }
}

// Each column's largest frame (its last digit; '.' when empty) and keyframes.
TEST(DataRate, FramesIntoColumns) {
  const auto picture = [](uint32_t frames, uint32_t fed, size_t columns, auto frame) {
    DataRate rate(frames, 30, 1, columns);
    for (uint32_t i = 0; i < fed; ++i) rate.Feed(frame(i), frame(i) % 2 == 0);  // even: keyframes
    std::string largest, keys;
    for (size_t c = 0; c < rate.Columns().size(); ++c) {
      largest += c < rate.ColumnsFilled() ? std::to_string(rate.Columns()[c].largest % 10) : ".";
      keys += rate.Columns()[c].keyframe ? "k" : " ";
    }
    return largest + "|" + keys;
  };
  const auto small = [](uint32_t i) { return "5839"[i] - '0'; };
  EXPECT_EQ(picture(3, 3, 10, small), "5558883333|   k      ");
  EXPECT_EQ(picture(3, 2, 10, small), "555888....|   k      ");  // broken at the third
  EXPECT_EQ(picture(3, 4, 4, small), "5833| k  ");  // a fourth frame past the header's count
  EXPECT_EQ(picture(0, 4, 4, small), "|");
  const auto large = [](uint32_t i) { return i == 500000 ? 9 : i % 400000 == 0 ? 2 : 1; };
  EXPECT_EQ(picture(1000000, 1000000, 10, large), "2111291121|k   k   k ");
}

// Where the rounding carries into the next unit, and the largest values.
TEST(DataRate, TextsForPeople) {
  EXPECT_EQ(BitrateText(99950) + ", " + BitrateText(999500) + ", " + BitrateText(UINT64_MAX) +
                ", " + SizeText(1023949) + ", " + SizeText(UINT64_MAX) + ", " + SecondsText(12450),
            "100 кбит/с, 1,0 Мбит/с, 18446744 Тбит/с, 1,0 МБ, 16777216,0 ТБ, 12,5 с");
}

}  // namespace
}  // namespace vintrel
