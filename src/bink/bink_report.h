#pragma once
#include <string>
#include <string_view>

#include "bink/bink_examine.h"
#include "bink/report_escape.h"

namespace vintrel {

enum class ReportForm { table, csv, json };

// The three printed forms of examined files, one item per file, built piece
// by piece so that a run over any number of files keeps nothing but the
// current file. Paths and texts are UTF-8.
class ReportStream {
 public:
  explicit ReportStream(ReportForm form) : form_(form) {}
  std::string Begin() const;  // column names, or the opening of the array
  std::string Item(std::string_view path, const BinkExamination& file);
  std::string End() const;

 private:
  ReportForm form_;
  bool first_ = true;
};

// A file's line of the table (ending in a newline; control characters in
// the name escaped as in JSON, bytes that are not UTF-8 replaced), its column
// names, and one line per audio track.
std::string TableHeader();
std::string TableLine(std::string_view path, const BinkExamination& file);
std::string TrackLines(const BinkExamination& file);
// "44100 Гц, стерео, 16 бит, DCT, id 7, наиб. пакет 4 000 байт".
std::string TrackText(const BinkTrack& track);
// What "copy" puts on the clipboard: column names, the line, every track.
std::string CopyText(std::string_view path, const BinkExamination& file);

// "целый", "повреждён", "не Bink" or "не читается".
std::string Verdict(const BinkExamination& file);
// "BIKi", "KB2j"; a byte that is not a printable letter shows as "0x00".
std::string SignatureText(const BinkExamination& file);
// 29.97, 25, 23.976: at most three decimals, no trailing zeros.
std::string DecimalRate(const BinkFacts& facts);
// Milliseconds as seconds with three decimals: "50.050".
std::string Seconds(uint64_t ms);

// "not_bink", "truncated"...: the stable name of a kind of fault, which
// scripts can rely on; null for none.
const char* ProblemCode(ProblemKind kind);

}  // namespace vintrel
