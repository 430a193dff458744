#include "bink/bink_report.h"

#include <cstdio>

#include "bink/bink_index.h"

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

// Length of a valid UTF-8 sequence starting at `at`, or 0.
size_t Utf8Length(std::string_view s, size_t at) {
  const auto b = [&](size_t i) { return static_cast<uint8_t>(s[i]); };
  const uint8_t lead = b(at);
  size_t length = 0;
  uint32_t min = 0;
  uint32_t code = 0;
  if (lead < 0x80) {
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, min = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, min = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, min = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (s.size() - at < length) {
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    if ((b(at + i) & 0xC0) != 0x80) {
      return 0;
    }
    code = code << 6 | (b(at + i) & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return code < min || code > 0x10FFFF || surrogate ? 0 : length;
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

std::string JsonObject(std::string_view path, const BinkExamination& file) {
  const BinkFacts& f = file.facts;
  const bool known = file.HeaderRead();
  const auto num = [&](uint64_t value) { return known ? Num(value) : "null"; };
  const auto flag = [&](bool value) { return known ? (value ? "true" : "false") : "null"; };
  std::string o = "{\"path\": " + JsonString(path);
  o += ", \"format\": ";
  o += f.format == BinkFormat::bink1   ? "\"bink1\""
       : f.format == BinkFormat::bink2 ? "\"bink2\""
                                       : "null";
  o += ", \"revision\": " +
       (file.IsBink() && f.revision != 0 ? JsonString(SignatureText(file).substr(3)) : "null");
  o += ", \"width\": " + num(f.width) + ", \"height\": " + num(f.height);
  o += ", \"frames\": " + num(f.frames);
  o += ", \"frame_rate\": " + (known ? "\"" + RateFraction(f) + "\"" : "null");
  o += ", \"duration\": " + (known ? Seconds(f.DurationMs()) : "null");
  o += ", \"largest_frame\": " + num(f.largestFrame);
  o += ", \"bitrate\": " + num(f.Bitrate(file.fileSize));
  o += std::string(", \"gray\": ") + flag(f.Gray()) + ", \"alpha\": " + flag(f.Alpha());
  o += ", \"keyframes\": " + num(file.keyframes);
  o += ", \"audio\": [";
  for (size_t i = 0; i < f.tracks.size(); ++i) {
    const BinkTrack& t = f.tracks[i];
    o += std::string(i == 0 ? "" : ", ") + "{\"rate\": " + Num(t.rate) +
         ", \"channels\": " + Num(t.channels) + ", \"bits\": " + Num(t.bits) + ", \"codec\": \"" +
         CodecName(t.codec) + "\", \"id\": " + Num(t.id) + "}";
  }
  o += std::string("], \"whole\": ") + (file.Whole() ? "true" : "false");
  o += ", \"problem\": " + (file.problem.empty() ? "null" : JsonString(file.problem)) + "}";
  return o;
}

std::string CsvLine(std::string_view path, const BinkExamination& file) {
  const BinkFacts& f = file.facts;
  const bool known = file.HeaderRead();
  const auto num = [&](uint64_t value) { return known ? Num(value) : ""; };
  const auto flag = [&](bool value) { return known ? (value ? "1" : "0") : ""; };
  std::string audio;
  for (const BinkTrack& t : f.tracks) {
    audio += (audio.empty() ? "" : ";") + Num(t.rate) + ":" + Num(t.channels) + ":" + Num(t.bits) +
             ":" + CodecName(t.codec) + ":" + Num(t.id);
  }
  const char* format = f.format == BinkFormat::bink1   ? "bink1"
                       : f.format == BinkFormat::bink2 ? "bink2"
                                                       : "";
  return CsvField(path) + "," + format + "," +
         CsvField(file.IsBink() && f.revision != 0 ? SignatureText(file).substr(3) : "") + "," +
         num(f.width) + "," + num(f.height) + "," + num(f.frames) + "," +
         (known ? RateFraction(f) : "") + "," + (known ? Seconds(f.DurationMs()) : "") + "," +
         num(f.largestFrame) + "," + num(f.Bitrate(file.fileSize)) + "," + flag(f.Gray()) + "," +
         flag(f.Alpha()) + "," + num(file.keyframes) + "," + num(f.tracks.size()) + "," + audio +
         "," + (file.Whole() ? "1" : "0") + "," + CsvField(file.problem) + "\n";
}

}  // namespace

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
  return Num(ms / 1000) + rest;
}

std::string TableHeader() {
  return Row({"Формат", "Размер", "Кадры", "К/с", "Длит., с", "Наиб. кадр", "Бит/с", "Ключевых",
              "Дор.", "Итог"},
             "Файл");
}

std::string TableLine(std::string_view path, const BinkExamination& file) {
  const BinkFacts& f = file.facts;
  const bool known = file.HeaderRead();
  const auto num = [&](uint64_t value) { return known ? Num(value) : "-"; };
  std::string last(path);
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
      return "path,format,revision,width,height,frames,frame_rate,duration,largest_frame,"
             "bitrate,gray,alpha,keyframes,tracks,audio,whole,problem\n";
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

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (size_t at = 0; at < utf8.size();) {
    const char c = utf8[at];
    const size_t length = Utf8Length(utf8, at);
    if (length == 0) {
      out += "\xEF\xBF\xBD";
      ++at;
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<uint8_t>(c) < 0x20 || c == 0x7F) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
      out += escape;
    } else {
      out.append(utf8.substr(at, length));
    }
    at += length;
  }
  return out + "\"";
}

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string out = "\"";
  for (const char c : text) {
    out += c == '"' ? "\"\"" : std::string(1, c);
  }
  return out + "\"";
}

}  // namespace vintrel
