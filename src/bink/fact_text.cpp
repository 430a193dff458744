// The short texts every report form and window gives one fact as: the
// verdict, the signature, the frame rate, a duration and a fault's code.
#include <cstdio>
#include <string>

#include "bink/bink_report.h"

namespace vintrel {

std::string Verdict(const BinkExamination& file) {
  if (!file.readable) {
    return "не читается";
  }
  if (!file.IsBink()) {
    return "не Bink";
  }
  return file.problem.empty() ? "целый" : "повреждён";
}

std::string SignatureText(const BinkExamination& file) {
  const BinkFacts& f = file.facts;
  std::string text = f.format == BinkFormat::bink1   ? "BIK"
                     : f.format == BinkFormat::bink2 ? "KB2"
                                                     : "";
  if (text.empty() || f.revision == 0) {
    return text;
  }
  const auto r = static_cast<uint8_t>(f.revision);
  if (r > 0x20 && r < 0x7F) {
    return text + f.revision;
  }
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", r);
  return text + hex;
}

std::string DecimalRate(const BinkFacts& facts) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", facts.FrameRate());
  std::string s = text;
  while (s.back() == '0') {
    s.pop_back();
  }
  if (s.back() == '.') {
    s.pop_back();
  }
  return s;
}

std::string Seconds(uint64_t ms) {
  char rest[8];
  std::snprintf(rest, sizeof rest, ".%03u", static_cast<unsigned>(ms % 1000));
  return std::to_string(ms / 1000) + rest;
}

const char* ProblemCode(ProblemKind kind) {
  switch (kind) {
    case ProblemKind::none:
      break;
    case ProblemKind::empty:
      return "empty";
    case ProblemKind::notBink:
      return "not_bink";
    case ProblemKind::shortHeader:
      return "short_header";
    case ProblemKind::tooManyTracks:
      return "too_many_tracks";
    case ProblemKind::truncated:
      return "truncated";
    case ProblemKind::tooLong:
      return "too_long";
    case ProblemKind::index:
      return "index";
    case ProblemKind::unreadable:
      return "unreadable";
    case ProblemKind::folderUnreadable:
      return "folder_unreadable";
    case ProblemKind::noVideos:
      return "no_videos";
  }
  return nullptr;
}

}  // namespace vintrel
