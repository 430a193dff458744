#include "bink/bink_report.h"

#include <cstdio>

#include "bink/bink_index.h"
#include "bink/report_escape.h"

namespace vintrel {
namespace {

const char* CodecName(AudioCodec codec) {
  return codec == AudioCodec::dct ? "dct" : "rdft";
}

std::string Num(uint64_t value) {
  return std::to_string(value);
}

std::string RateFraction(const BinkFacts& f) {
  return Num(f.rateNumerator) + "/" + Num(f.rateDenominator);
}

// Pads to `width` characters (not bytes) and adds two spaces.
std::string Cell(const std::string& text, size_t width) {
  size_t chars = 0;
  for (const char c : text) {
    chars += (static_cast<uint8_t>(c) & 0xC0) != 0x80;
  }
  return text + std::string(chars < width ? width - chars : 0, ' ') + "  ";
}

constexpr size_t kWidths[] = {6, 11, 9, 8, 11, 11, 11, 9, 5, 11};

std::string Row(const std::string (&cells)[10], std::string_view last) {
  std::string row;
  for (size_t i = 0; i < 10; ++i) {
    row += Cell(cells[i], kWidths[i]);
  }
  row += last;
  return row + "\n";
}

// One value of a file's record, as either form writes it.
struct Value {
  enum class Kind { none, number, text, flag, tracks } kind = Kind::none;
  std::string text;  // a number's digits, or the text
  bool flag = false;
  const std::vector<BinkTrack>* tracks = nullptr;
};

struct Record {
  std::string_view path;
  const BinkExamination& file;
};

Value Text(std::string_view text) {
  return {Value::Kind::text, std::string(text)};
}
Value Number(std::string digits) {
  return {Value::Kind::number, std::move(digits)};
}
// A figure from the header: none when the header could not be read.
Value Header(const Record& r, uint64_t value) {
  return r.file.HeaderRead() ? Number(Num(value)) : Value{};
}
Value HeaderFlag(const Record& r, bool value) {
  return r.file.HeaderRead() ? Value{Value::Kind::flag, {}, value} : Value{};
}

// The JSON and CSV forms' fields, in order; `json` false for a field of the
// CSV form only. A new field is one more row.
struct Field {
  const char* name;
  bool json;
  Value (*value)(const Record&);
};

constexpr Field kFields[] = {
    {"path", true, [](const Record& r) { return Text(r.path); }},
    {"format", true,
     [](const Record& r) {
       const BinkFormat format = r.file.facts.format;
       return format == BinkFormat::none ? Value{}
                                         : Text(format == BinkFormat::bink1 ? "bink1" : "bink2");
     }},
    {"revision", true,
     [](const Record& r) {
       return r.file.IsBink() && r.file.facts.revision != 0 ? Text(SignatureText(r.file).substr(3))
                                                            : Value{};
     }},
    {"width", true, [](const Record& r) { return Header(r, r.file.facts.width); }},
    {"height", true, [](const Record& r) { return Header(r, r.file.facts.height); }},
    {"frames", true, [](const Record& r) { return Header(r, r.file.facts.frames); }},
    {"frame_rate", true,
     [](const Record& r) {
       return r.file.HeaderRead() ? Text(RateFraction(r.file.facts)) : Value{};
     }},
    {"duration", true,
     [](const Record& r) {
       return r.file.HeaderRead() ? Number(Seconds(r.file.facts.DurationMs())) : Value{};
     }},
    {"largest_frame", true, [](const Record& r) { return Header(r, r.file.facts.largestFrame); }},
    {"bitrate", true,
     [](const Record& r) { return Header(r, r.file.facts.Bitrate(r.file.fileSize)); }},
    {"gray", true, [](const Record& r) { return HeaderFlag(r, r.file.facts.Gray()); }},
    {"alpha", true, [](const Record& r) { return HeaderFlag(r, r.file.facts.Alpha()); }},
    {"keyframes", true, [](const Record& r) { return Header(r, r.file.keyframes); }},
    {"tracks", false, [](const Record& r) { return Header(r, r.file.facts.tracks.size()); }},
    {"audio", true,
     [](const Record& r) {
       return Value{Value::Kind::tracks, {}, false, &r.file.facts.tracks};
     }},
    {"whole", true,
     [](const Record& r) {
       return Value{Value::Kind::flag, {}, r.file.Whole()};
     }},
    {"problem", true,
     [](const Record& r) { return r.file.problem.empty() ? Value{} : Text(r.file.problem); }},
    {"problem_code", true,
     [](const Record& r) {
       const char* code = ProblemCode(r.file.problemKind);
       return code == nullptr ? Value{} : Text(code);
     }},
    // Over the frames the index sizes, up to its first broken entry; none
    // when it sizes none.
    {"peak_bitrate", true,
     [](const Record& r) {
       return r.file.dataRate.Known() ? Number(Num(r.file.dataRate.peakBitrate)) : Value{};
     }},
    {"peak_at", true,
     [](const Record& r) {
       return r.file.dataRate.Known() ? Number(Seconds(r.file.dataRate.peakAtMs)) : Value{};
     }},
};

std::string JsonValue(const Value& v) {
  switch (v.kind) {
    case Value::Kind::none:
      return "null";
    case Value::Kind::number:
      return v.text;
    case Value::Kind::text:
      return JsonString(v.text);
    case Value::Kind::flag:
      return v.flag ? "true" : "false";
    case Value::Kind::tracks:
      break;
  }
  std::string o = "[";
  for (const BinkTrack& t : *v.tracks) {
    o += o.size() == 1 ? "" : ", ";
    o += "{\"rate\": " + Num(t.rate) + ", \"channels\": " + Num(t.channels) +
         ", \"bits\": " + Num(t.bits) + ", \"codec\": \"" + CodecName(t.codec) +
         "\", \"id\": " + Num(t.id) + "}";
  }
  return o + "]";
}

std::string CsvValue(const Value& v) {
  switch (v.kind) {
    case Value::Kind::none:
      return {};
    case Value::Kind::number:
      return v.text;
    case Value::Kind::text:
      return CsvField(v.text);
    case Value::Kind::flag:
      return v.flag ? "1" : "0";
    case Value::Kind::tracks:
      break;
  }
  std::string audio;
  for (const BinkTrack& t : *v.tracks) {
    audio += audio.empty() ? "" : ";";
    audio += Num(t.rate) + ":" + Num(t.channels) + ":" + Num(t.bits) + ":" + CodecName(t.codec) +
             ":" + Num(t.id);
  }
  return audio;
}

std::string JsonObject(std::string_view path, const BinkExamination& file) {
  const Record record{path, file};
  std::string o = "{";
  for (const Field& field : kFields) {
    if (field.json) {
      o += std::string(o.size() == 1 ? "\"" : ", \"") + field.name + "\": ";
      o += JsonValue(field.value(record));
    }
  }
  return o + "}";
}

std::string CsvLine(std::string_view path, const BinkExamination& file) {
  const Record record{path, file};
  std::string line;
  for (const Field& field : kFields) {
    line += &field == kFields ? "" : ",";
    line += CsvValue(field.value(record));
  }
  return line + "\n";
}

std::string CsvHeader() {
  std::string line;
  for (const Field& field : kFields) {
    line += line.empty() ? "" : ",";
    line += field.name;
  }
  return line + "\n";
}

}  // namespace

std::string TableHeader() {
  return Row({"Формат", "Размер", "Кадры", "К/с", "Длит., с", "Наиб. кадр", "Бит/с", "Ключевых",
              "Дор.", "Итог"},
             "Файл");
}

std::string TableLine(std::string_view path, const BinkExamination& file) {
  const BinkFacts& f = file.facts;
  const bool known = file.HeaderRead();
  const auto num = [&](uint64_t value) { return known ? Num(value) : "-"; };
  std::string last = TableName(path);
  if (!file.problem.empty()) {
    last += " : " + file.problem;
  }
  return Row(
      {file.IsBink() ? SignatureText(file) : "-", known ? Num(f.width) + "x" + Num(f.height) : "-",
       num(f.frames), known ? DecimalRate(f) : "-", known ? Seconds(f.DurationMs()) : "-",
       num(f.largestFrame), num(f.Bitrate(file.fileSize)), num(file.keyframes),
       num(f.tracks.size()), Verdict(file)},
      last);
}

std::string TrackText(const BinkTrack& t) {
  return Num(t.rate) + " Гц, " + (t.channels == 2 ? "стерео" : "моно") + ", " + Num(t.bits) +
         " бит, " + (t.codec == AudioCodec::dct ? "DCT" : "RDFT") + ", id " + Num(t.id) +
         ", наиб. пакет " + GroupDigits(t.largestPacket) + " байт";
}

std::string TrackLines(const BinkExamination& file) {
  std::string lines;
  for (size_t i = 0; i < file.facts.tracks.size(); ++i) {
    lines += "  дорожка " + Num(i + 1) + ": " + TrackText(file.facts.tracks[i]) + "\n";
  }
  return lines;
}

std::string CopyText(std::string_view path, const BinkExamination& file) {
  return TableHeader() + TableLine(path, file) + TrackLines(file);
}

std::string ReportStream::Begin() const {
  switch (form_) {
    case ReportForm::table:
      return TableHeader();
    case ReportForm::csv:
      return CsvHeader();
    case ReportForm::json:
      return "[";
  }
  return {};
}

std::string ReportStream::Item(std::string_view path, const BinkExamination& file) {
  const bool first = first_;
  first_ = false;
  switch (form_) {
    case ReportForm::table:
      return TableLine(path, file);
    case ReportForm::csv:
      return CsvLine(path, file);
    case ReportForm::json:
      return (first ? "\n" : ",\n") + JsonObject(path, file);
  }
  return {};
}

std::string ReportStream::End() const {
  return form_ == ReportForm::json ? (first_ ? "]\n" : "\n]\n") : "";
}

}  // namespace vintrel
