#include "bink/bink_examine.h"

#include <algorithm>
#include <array>
#include <memory>

#include "bink/bink_index.h"

namespace vintrel {
namespace {

std::string Bytes(uint64_t count, uint64_t of) {
  return GroupDigits(count) + " байт из " + GroupDigits(of);
}

void Fault(BinkExamination& file, ProblemKind kind, std::string problem) {
  file.problemKind = kind;
  file.problem = std::move(problem);
}

void HeaderProblem(BinkExamination& file, const BinkHeaderDecode& decode) {
  switch (decode.status) {
    case HeaderStatus::notBink:
      return Fault(file, ProblemKind::notBink, "не видео Bink");
    case HeaderStatus::shortHeader:
      return Fault(file, ProblemKind::shortHeader,
                   "заголовок обрезан: " +
                       Bytes(file.fileSize, decode.headerBytes == 0 ? 44 : decode.headerBytes));
    case HeaderStatus::tooManyTracks:
      return Fault(file, ProblemKind::tooManyTracks,
                   "заголовок повреждён: звуковых дорожек " + GroupDigits(decode.facts.trackCount) +
                       " (не больше 256)");
    case HeaderStatus::ok:
      break;
  }
}

void SizeProblem(BinkExamination& file) {
  const uint64_t declared = file.facts.DeclaredFileSize();
  if (file.fileSize < declared) {
    Fault(file, ProblemKind::truncated, "обрезан: " + Bytes(file.fileSize, declared));
  } else if (file.fileSize > declared) {
    Fault(file, ProblemKind::tooLong,
          "длиннее заявленного: " + GroupDigits(file.fileSize) + " байт вместо " +
              GroupDigits(declared));
  }
}

DataRateFigures Figures(const DataRate& rate, const BinkFacts& facts) {
  const auto at = [&](uint64_t frame) {
    // Frames fed are frames of the header's count, which is 32-bit.
    return BinkFacts{.frames = static_cast<uint32_t>(frame),
                     .rateNumerator = facts.rateNumerator,
                     .rateDenominator = facts.rateDenominator}
        .DurationMs();
  };
  const uint64_t peakEnd =
      rate.PeakStartFrame() + std::min<uint64_t>(rate.WindowFrames(), rate.FramesFed());
  return {rate.FramesFed(),      rate.Complete(),
          rate.MeanFrameBytes(), rate.AverageBitrate(),
          rate.PeakBitrate(),    rate.PeakAtMs(),
          at(peakEnd),           {rate.Columns().begin(), rate.Columns().end()},
          rate.ColumnsFilled()};
}

}  // namespace

BinkExamination Unreadable(const std::string& reason, ProblemKind kind) {
  BinkExamination out;
  out.readable = false;
  Fault(out, kind, "не читается: " + reason);
  return out;
}

BinkExamination ExamineBink(ByteSource& source, size_t graphColumns) {
  BinkExamination out;
  out.fileSize = source.Size();
  if (out.fileSize == 0) {
    Fault(out, ProblemKind::empty, "пустой файл (0 байт)");
    return out;
  }
  std::array<uint8_t, kBinkHeaderReadBytes> head;
  const size_t headSize = static_cast<size_t>(std::min<uint64_t>(out.fileSize, head.size()));
  std::string error;
  if (!source.Read(0, std::span(head.data(), headSize), error)) {
    return Unreadable(error);
  }
  out.leading.assign(reinterpret_cast<const char*>(head.data()), std::min<size_t>(headSize, 3));
  const BinkHeaderDecode decode = DecodeBinkFacts(std::span(head.data(), headSize));
  out.header = decode.status;
  out.facts = decode.facts;
  HeaderProblem(out, decode);
  if (decode.status != HeaderStatus::ok) {
    return out;
  }
  const BinkFacts& facts = out.facts;
  SizeProblem(out);
  const bool indexFits = facts.IndexEnd() <= out.fileSize;
  if (!indexFits && out.problem.empty()) {
    Fault(out, ProblemKind::index,
          "индекс кадров длиннее файла: записей " + GroupDigits(facts.indexEntries) + " с байта " +
              GroupDigits(facts.indexOffset));
  }

  // Whatever part of the index the file holds is read for the keyframes, up
  // to its first broken entry. The first entry must point past the index,
  // and entries are 32-bit: a header that claims more index than that breaks
  // on the first chunk, so no damaged header makes this read past the first
  // 4 GiB of a file.
  DataRate rate(facts.frames, facts.rateNumerator, facts.rateDenominator, graphColumns);
  FrameIndexChecker checker(facts, out.fileSize, &rate);
  const uint64_t end = std::min(facts.IndexEnd(), out.fileSize);
  auto chunk = std::make_unique_for_overwrite<uint8_t[]>(kIndexChunkBytes);
  for (uint64_t at = facts.indexOffset; at < end && !checker.Done();) {
    const size_t count = static_cast<size_t>(std::min<uint64_t>(end - at, kIndexChunkBytes));
    if (!source.Read(at, std::span(chunk.get(), count), error)) {
      out.readable = false;
      Fault(out, ProblemKind::unreadable, "не читается: " + error);
      return out;
    }
    checker.Feed(std::span(chunk.get(), count));
    at += count;
  }
  out.keyframes = checker.Keyframes();
  out.dataRate = Figures(rate, facts);
  if (out.problem.empty()) {
    if (const auto frame = checker.BrokenFrame()) {
      Fault(out, ProblemKind::index, "индекс кадров нарушен на кадре " + GroupDigits(*frame));
    }
  }
  return out;
}

}  // namespace vintrel
