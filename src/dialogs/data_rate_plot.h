#pragma once
// The data-rate graph of the details window: its arithmetic and its texts.
// Pure, so that both are unit-tested on the host.
#include <cstdint>
#include <string>

#include "bink/bink_examine.h"

namespace vintrel::data_rate_plot {

// Seconds between the time axis's ticks: the first of 1, 2, 5, 10, 15 and 30
// seconds, 1, 2, 5, 10, 15 and 30 minutes, then hours doubling, that leaves at
// least `minGap` pixels between neighbours on a `width`-pixel axis of
// `durationMs`, or that a tick at 0 alone covers. 0 for no axis: no duration
// or no width.
uint64_t TickSeconds(uint64_t durationMs, int width, int minGap);

// The pixel column of a moment on a `width`-pixel axis of `durationMs`,
// from 0 to `width`.
int ColumnAt(uint64_t ms, uint64_t durationMs, int width);

// A bar's pixels on a `height`-pixel plot whose top is `scale` bytes,
// rounded up: every frame shows, however small beside the largest.
int BarHeight(uint64_t bytes, uint64_t scale, int height);

// What the window says of the data rate, UTF-8: three figures under the
// graph, and a note on the graph itself when it does not show the whole file.
struct Texts {
  std::string average;
  std::string peak;
  std::string peakTime;  // "с 12,5 по 13,5 с"
  std::string note;
};

// `shown` is the file the window lists; `graph` the same file read again for
// the graph's columns, which shows nothing when the file has changed since.
Texts TextsFor(const BinkExamination& shown, const BinkExamination& graph);

// Whether `graph` reads as the file `shown` was read.
bool SameFile(const BinkExamination& shown, const BinkExamination& graph);

}  // namespace vintrel::data_rate_plot
