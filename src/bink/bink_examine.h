#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "bink/bink_facts.h"
#include "bink/data_rate.h"

namespace vintrel {

// Random-access reading of one open file, as the platform gives it.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Fills `out` from `offset`; false (with a reason) on any failure or a
  // short read.
  virtual bool Read(uint64_t offset, std::span<uint8_t> out, std::string& error) = 0;
};

// The kind of the first fault found, for scripts; `problem` says it to people.
enum class ProblemKind {
  none,
  empty,             // 0 bytes
  notBink,           // no "BIK" or "KB2" at the start
  shortHeader,       // shorter than its own header
  tooManyTracks,     // a track count no audio can have
  truncated,         // shorter than the header says
  tooLong,           // longer than the header says
  index,             // the frame index does not fit the file, or breaks a rule
  unreadable,        // cannot be opened or read, or is no file on a disk
  folderUnreadable,  // a folder that could not be listed to its end
  noVideos,          // a folder without Bink videos
};

// The data rate as the frame index gives it, over the frames it sizes: all
// of them, or those before its first broken entry (`frames` of them).
struct DataRateFigures {
  uint64_t frames = 0;
  bool complete = false;  // every frame of the header's count
  double meanFrameBytes = 0;
  uint64_t averageBitrate = 0;
  // Over the window of one second that holds the most bytes, the earliest
  // of equals: where it starts and ends.
  uint64_t peakBitrate = 0;
  uint64_t peakAtMs = 0;
  uint64_t peakEndMs = 0;
  // Only when asked for: the graph's columns, those from `columnsFilled` on
  // past the index's break.
  std::vector<DataRateColumn> columns{};
  size_t columnsFilled = 0;

  bool Known() const { return frames > 0; }
};

// Everything known about one file. `problem` names the first fault found, in
// Russian; empty when the file is whole Bink video.
struct BinkExamination {
  bool readable = true;  // false: the file could not be opened or read
  uint64_t fileSize = 0;
  std::string leading;  // the first three bytes as read, fewer in a shorter file
  HeaderStatus header = HeaderStatus::notBink;
  BinkFacts facts;  // every field but format and revision is valid when header is ok
  uint64_t keyframes = 0;
  DataRateFigures dataRate;
  std::string problem;
  ProblemKind problemKind = ProblemKind::none;

  bool IsBink() const { return facts.format != BinkFormat::none; }
  bool HeaderRead() const { return header == HeaderStatus::ok; }
  bool Whole() const { return readable && IsBink() && problem.empty(); }
};

// Reads the header once and the frame index in chunks of this size, up to
// its first broken entry; never the frames themselves.
inline constexpr size_t kIndexChunkBytes = 64 * 1024;

// `graphColumns` above 0 asks for the data rate's graph that wide.
BinkExamination ExamineBink(ByteSource& source, size_t graphColumns = 0);
// For a file that could not be opened (or a folder that could not be
// listed, with that kind).
BinkExamination Unreadable(const std::string& reason, ProblemKind kind = ProblemKind::unreadable);

}  // namespace vintrel
