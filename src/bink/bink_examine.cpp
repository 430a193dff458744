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

std::string HeaderProblem(const BinkHeaderDecode& decode, uint64_t fileSize) {
  switch (decode.status) {
    case HeaderStatus::notBink:
      return "не видео Bink";
    case HeaderStatus::shortHeader:
      return "заголовок обрезан: " +
             Bytes(fileSize, decode.headerBytes == 0 ? 44 : decode.headerBytes);
    case HeaderStatus::tooManyTracks:
      return "заголовок повреждён: звуковых дорожек " + GroupDigits(decode.facts.trackCount) +
             " (не больше 256)";
    case HeaderStatus::ok:
      break;
  }
  return {};
}

std::string SizeProblem(const BinkFacts& facts, uint64_t fileSize) {
  const uint64_t declared = facts.DeclaredFileSize();
  if (fileSize < declared) {
    return "обрезан: " + Bytes(fileSize, declared);
  }
  if (fileSize > declared) {
    return "длиннее заявленного: " + GroupDigits(fileSize) + " байт вместо " +
           GroupDigits(declared);
  }
  return {};
}

}  // namespace

BinkExamination Unreadable(const std::string& reason) {
  BinkExamination out;
  out.readable = false;
  out.problem = "не читается: " + reason;
  return out;
}

BinkExamination ExamineBink(ByteSource& source) {
  BinkExamination out;
  out.fileSize = source.Size();
  if (out.fileSize == 0) {
    out.problem = "пустой файл (0 байт)";
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
  out.problem = HeaderProblem(decode, out.fileSize);
  if (decode.status != HeaderStatus::ok) {
    return out;
  }
  const BinkFacts& facts = out.facts;
  out.problem = SizeProblem(facts, out.fileSize);
  const bool indexFits = facts.IndexEnd() <= out.fileSize;
  if (!indexFits && out.problem.empty()) {
    out.problem = "индекс кадров длиннее файла: записей " + GroupDigits(facts.indexEntries) +
                  " с байта " + GroupDigits(facts.indexOffset);
  }

  // Whatever part of the index the file holds is read, for the keyframes.
  FrameIndexChecker checker(facts, out.fileSize);
  const uint64_t end = std::min(facts.IndexEnd(), out.fileSize);
  auto chunk = std::make_unique_for_overwrite<uint8_t[]>(kIndexChunkBytes);
  for (uint64_t at = facts.indexOffset; at < end;) {
    const size_t count = static_cast<size_t>(std::min<uint64_t>(end - at, kIndexChunkBytes));
    if (!source.Read(at, std::span(chunk.get(), count), error)) {
      out.readable = false;
      out.problem = "не читается: " + error;
      return out;
    }
    checker.Feed(std::span(chunk.get(), count));
    at += count;
  }
  out.keyframes = checker.Keyframes();
  if (out.problem.empty()) {
    if (const auto frame = checker.BrokenFrame()) {
      out.problem = "индекс кадров нарушен на кадре " + GroupDigits(*frame);
    }
  }
  return out;
}

}  // namespace vintrel
