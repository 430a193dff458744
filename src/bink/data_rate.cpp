#include "bink/data_rate.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "bink/bink_facts.h"
#include "bink/panel_text.h"

namespace vintrel {
namespace {

// value x scale / unit, rounded with halves up, without the product's overflow
// (the remainder is below the unit, and the units here are below 2^41).
uint64_t Scaled(uint64_t value, uint64_t unit, uint64_t scale) {
  return value / unit * scale + ((value % unit) * scale + unit / 2) / unit;
}

std::string Tenths(uint64_t tenths) {
  return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

}  // namespace

DataRate::DataRate(uint32_t frameCount, uint32_t rateNumerator, uint32_t rateDenominator,
                   size_t columns)
    : frameCount_(frameCount),
      rateNumerator_(rateNumerator),
      rateDenominator_(rateDenominator),
      window_(std::clamp<uint32_t>(RoundedFrameRate(rateNumerator, rateDenominator), 1,
                                   kMaxPeakWindowFrames)),
      columns_(frameCount == 0 ? 0 : std::min(columns, kMaxDataRateColumns)),
      // A file shorter than the window never fills it.
      recent_(std::max<uint32_t>(1, std::min(window_, frameCount))) {}

void DataRate::Feed(uint32_t frameBytes, bool keyframe) {
  if (fed_ >= frameCount_) {
    return;
  }
  if (!columns_.empty()) {
    const uint64_t columns = columns_.size();
    const size_t first = static_cast<size_t>(fed_ * columns / frameCount_);
    const size_t next = static_cast<size_t>((fed_ + 1) * columns / frameCount_);
    const size_t last = std::max(first, next == 0 ? 0 : next - 1);
    for (size_t c = first; c <= last; ++c) {
      columns_[c].largest = std::max(columns_[c].largest, frameBytes);
    }
    columns_[first].keyframe = columns_[first].keyframe || keyframe;
    filled_ = last + 1;
  }
  total_ += frameBytes;
  // The ring is as long as the window whenever the file can fill it.
  uint32_t& slot = recent_[oldest_];
  // Wrapped by hand: a division a frame would cost more than the rest.
  oldest_ = oldest_ + 1 == recent_.size() ? 0 : oldest_ + 1;
  if (fed_ >= window_) {
    windowBytes_ -= slot;
  }
  windowBytes_ += frameBytes;
  slot = frameBytes;
  ++fed_;
  // Strictly more: the earliest of equal peaks is the one shown.
  if (fed_ >= window_ && (fed_ == window_ || windowBytes_ > peakBytes_)) {
    peakBytes_ = windowBytes_;
    peakStart_ = fed_ - window_;
  }
}

uint64_t DataRate::Bitrate(uint64_t bytes, uint64_t frames) const {
  if (frames == 0 || rateNumerator_ == 0 || rateDenominator_ == 0) {
    return 0;
  }
  // bits x numerator can pass 2^64; a double's 53 bits are more than a rate
  // needs.
  const double bits = std::round(double(bytes) * 8.0 * rateNumerator_ /
                                 (double(frames) * double(rateDenominator_)));
  return bits >= 18446744073709551615.0 ? std::numeric_limits<uint64_t>::max()
                                        : static_cast<uint64_t>(bits);
}

double DataRate::MeanFrameBytes() const {
  return fed_ == 0 ? 0.0 : double(total_) / double(fed_);
}

uint64_t DataRate::AverageBitrate() const {
  return Bitrate(total_, fed_);
}

uint64_t DataRate::PeakBitrate() const {
  return fed_ < window_ ? AverageBitrate() : Bitrate(peakBytes_, window_);
}

uint64_t DataRate::PeakAtMs() const {
  // Frames before the peak at the file's rate: below 2^32, as every frame is.
  const BinkFacts before{.frames = static_cast<uint32_t>(PeakStartFrame()),
                         .rateNumerator = rateNumerator_,
                         .rateDenominator = rateDenominator_};
  return before.DurationMs();
}

std::string BitrateText(uint64_t bitsPerSecond) {
  if (bitsPerSecond < 1000) {
    return std::to_string(bitsPerSecond) + " бит/с";
  }
  static const char* const kUnits[] = {" кбит/с", " Мбит/с", " Гбит/с", " Тбит/с"};
  uint64_t unit = 1000;
  for (const char* name : kUnits) {
    const uint64_t tenths = Scaled(bitsPerSecond, unit, 10);
    if (tenths < 1000) {
      return Tenths(tenths) + name;
    }
    const uint64_t whole = Scaled(bitsPerSecond, unit, 1);
    if (whole < 1000 || name == kUnits[3]) {
      return std::to_string(whole) + name;
    }
    unit *= 1000;
  }
  return {};
}

std::string SizeText(uint64_t bytes) {
  if (bytes < 1000) {
    return std::to_string(bytes) + " Б";
  }
  static const char* const kUnits[] = {" КБ", " МБ", " ГБ", " ТБ"};
  uint64_t unit = 1024;
  for (const char* name : kUnits) {
    const uint64_t tenths = Scaled(bytes, unit, 10);
    if (tenths < 10000 || name == kUnits[3]) {
      return Tenths(tenths) + name;
    }
    unit *= 1024;
  }
  return {};
}

std::string SecondsText(uint64_t ms) {
  return Tenths(Scaled(ms, 100, 1)) + " с";
}

}  // namespace vintrel
