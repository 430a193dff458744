// Any bytes as a whole file: the header's facts, the frame index checked in
// chunks of random sizes, and the three printed reports (their exact forms
// are the unit tests' business). ASan catches a read past the bytes; the
// checks are the promises bikinfo and the panel rely on.
#include <algorithm>

#include "bink/bink_examine.h"
#include "bink/bink_index.h"
#include "bink/bink_report.h"
#include "fuzz.h"
#include "probes.h"

namespace {

using namespace vintrel;

// The index fed in chunks of 0 to 9 bytes must give what one feed gives.
void CheckIndex(std::span<const uint8_t> bytes, const BinkExamination& file) {
  const size_t from = std::min<uint64_t>(file.facts.indexOffset, bytes.size());
  const auto index =
      bytes.subspan(from, std::min<uint64_t>(file.facts.IndexEnd(), bytes.size()) - from);
  FrameIndexChecker whole(file.facts, bytes.size()), chunked(file.facts, bytes.size());
  whole.Feed(index);
  for (size_t at = 0, k = 0, n = 0; at < index.size(); at += n, ++k) {
    n = std::min<size_t>(index.size() - at, (bytes[k % bytes.size()] + k) % 10);
    chunked.Feed(index.subspan(at, n));
  }
  Require((whole.Done() || whole.EntriesFed() == index.size() / 4) &&
              chunked.EntriesFed() == whole.EntriesFed() &&
              chunked.Keyframes() == whole.Keyframes() && file.keyframes == whole.Keyframes() &&
              chunked.BrokenFrame() == whole.BrokenFrame() &&
              file.dataRate.frames == std::max<uint64_t>(whole.EntriesFed(), 1) - 1,
          "chunked, one-shot and the examination agree on the index, and stop at its break; "
          "the data rate has every frame it sizes");
}

// Column names and two records of 20 fields each; an ASCII path reads back
// (behind the mark that keeps a spreadsheet from running it); no cell starts
// as a formula.
void CheckCsv(std::string_view csv, std::string_view path) {
  const bool ascii = std::all_of(path.begin(), path.end(), [](char c) { return c >= 0; });
  size_t fields = 1, records = 0;
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (c == '"' && (!quoted || csv.substr(i + 1, 1) != "\"")) {
      quoted = !quoted;
    } else if (quoted || (c != ',' && c != '\n')) {
      field += csv[i += quoted && c == '"'];
    } else {
      Require((records == 0 || fields > 1 || !ascii || field == path ||
               field == "'" + std::string(path)) &&
                  (c == ',' || fields == 20) &&
                  (field.empty() ||
                   std::string_view("=+-@\t\r").find(field[0]) == std::string_view::npos),
              "20 fields a record, the first the path, none a formula");
      fields = c == ',' ? fields + 1 : 1;
      records += c == '\n';
      field.clear();
    }
  }
  Require(!quoted && fields == 1 && records == 3, "column names and two records, ended");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const BinkExamination file = ExamineBytes(bytes);
  const BinkHeaderDecode decode = DecodeBinkFacts(bytes);
  Require(decode.facts.format == BinkFormatOf(bytes) && decode.status == file.header,
          "the format is the signature's; the examination saw the same header");
  if (file.HeaderRead()) {
    const BinkHeaderDecode again = DecodeBinkFacts(bytes.first(decode.headerBytes));
    Require(again.status == HeaderStatus::ok && again.facts == decode.facts &&
                decode.facts.tracks.size() == decode.facts.trackCount,
            "nothing past the header matters; one record per track");
    CheckIndex(bytes, file);
  }
  // Two items of each form, made in order: the second JSON item adds a comma.
  const std::string_view path(reinterpret_cast<const char*>(data), std::min<size_t>(size, 24));
  const auto report = [&](ReportForm form) {
    ReportStream stream(form);
    std::string out = stream.Begin();
    for (int item = 0; item < 2; ++item) out += stream.Item(path, file);
    return out + stream.End();
  };
  // Escaped, whatever the path holds: a terminal or a script reads them.
  for (const ReportForm form : {ReportForm::table, ReportForm::json}) {
    const std::string text = report(form);
    Require(std::none_of(text.begin(), text.end(),
                         [](char c) { return static_cast<uint8_t>(c) < 0x20 && c != '\n'; }),
            "no control characters in the table or the JSON");
  }
  CheckCsv(report(ReportForm::csv), path);
  Require(CopyText(path, file).ends_with(TrackLines(file)), "the copy ends in the track lines");
  return 0;
}
