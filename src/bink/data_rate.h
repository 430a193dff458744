#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vintrel {

// No screen is this many pixels wide; a wider request is cut to it, which also
// keeps frame x columns far inside 64 bits.
inline constexpr size_t kMaxDataRateColumns = size_t{1} << 16;
// The peak's window is the frame rate's frames, rounded, but never longer than
// this, so that a header claiming four billion frames per second cannot make
// the window's memory grow: past 1000 frames per second the window lasts less
// than a second, and its rate is still measured over its own length.
inline constexpr uint32_t kMaxPeakWindowFrames = 1000;

struct DataRateColumn {
  uint32_t largest = 0;   // bytes of the largest frame shown in the column
  bool keyframe = false;  // a keyframe starts in the column
};

// The data rate of a file, frame by frame, as its index is read: a bar graph
// of one column per pixel and the peak over any one second. Memory is bounded
// by the columns and kMaxPeakWindowFrames, whatever the frame count.
//
// Frame f of F belongs to column f x C / F and, when there are fewer frames
// than columns, also to those up to where the next frame starts, so that a
// frame is drawn as wide as it lasts. Columns past the last frame fed
// (ColumnsFilled() on) are empty: the index broke before them.
//
// The peak window holds N = the frame rate rounded to whole frames, halves up,
// at least 1 (29.97 and 30 give 30, 23.976 gives 24, 0.5 gives 1). A window's
// rate is its bits over its own duration, N x denominator / numerator
// seconds, so frames of the same size give a peak equal to the average. A file
// fed fewer than N frames has one window, the whole of it.
class DataRate {
 public:
  // The header's frame count and frame rate; frames fed beyond the count are
  // not the file's and are ignored. `columns` may be 0 when only the figures
  // are wanted.
  DataRate(uint32_t frameCount, uint32_t rateNumerator, uint32_t rateDenominator, size_t columns);

  void Feed(uint32_t frameBytes, bool keyframe);

  uint64_t FramesFed() const { return fed_; }
  // False when the index ended (or broke) before the header's count.
  bool Complete() const { return fed_ == frameCount_; }
  std::span<const DataRateColumn> Columns() const { return columns_; }
  size_t ColumnsFilled() const { return filled_; }

  // Over the frames fed; 0 before any, and every rate is 0 when the frame
  // rate is (a zero numerator or denominator).
  double MeanFrameBytes() const;
  uint64_t AverageBitrate() const;
  uint32_t WindowFrames() const { return window_; }
  uint64_t PeakBitrate() const;
  // Where the first window of the peak starts: frame (from 0) and time.
  uint64_t PeakStartFrame() const { return fed_ < window_ ? 0 : peakStart_; }
  uint64_t PeakAtMs() const;

 private:
  uint64_t Bitrate(uint64_t bytes, uint64_t frames) const;

  uint32_t frameCount_;
  uint32_t rateNumerator_;
  uint32_t rateDenominator_;
  uint32_t window_;
  std::vector<DataRateColumn> columns_;
  std::vector<uint32_t> recent_;  // the last frames fed, as a ring
  size_t oldest_ = 0;             // where the next frame goes in it
  size_t filled_ = 0;
  uint64_t fed_ = 0;
  uint64_t total_ = 0;  // below 2^64: at most 2^32 - 1 frames below 2^32 bytes
  uint64_t windowBytes_ = 0;
  uint64_t peakBytes_ = 0;
  uint64_t peakStart_ = 0;
};

// Amounts for people, in the program's Russian with a decimal comma. Each
// takes the smallest unit in which the rounded number stays below 1000, so
// that it never shows more than three whole digits.
//
// Rates in units of 1000, as data rates are counted, with one decimal below
// 100 of a unit: "850 бит/с", "1,2 Мбит/с", "12,5 Мбит/с", "850 кбит/с";
// then Гбит/с, Тбит/с.
std::string BitrateText(uint64_t bitsPerSecond);
// Sizes in units of 1024, as Windows shows files, with one decimal past
// bytes: "512 Б", "1,0 КБ" (for 1000 bytes too), "2,1 ГБ", "999,5 МБ"; then ТБ.
std::string SizeText(uint64_t bytes);
// Milliseconds as seconds with one decimal: "12,5 с".
std::string SecondsText(uint64_t ms);

}  // namespace vintrel
