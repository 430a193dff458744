#include "bink/bink_facts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "bik_maker.h"
#include "bikinfo/bikinfo_run.h"
#include "bink/bink_examine.h"
#include "bink/bink_report.h"
#include "bink/panel_text.h"
#include "dialogs/details_layout.h"
#include "probes.h"

namespace vintrel {
namespace {

// 30 frames of 100 bytes at 30000/1001 (shown rounded to 30), two tracks,
// keyframes 1, 11 and 21.
BikSpec Whole(std::string signature = "BIK", char revision = 'i', bool extra = false,
              uint32_t frames = 30, uint32_t frameBytes = 100) {
  BikSpec spec{signature, revision, frames, 100, 640, 480, 30000, 1001};
  spec.tracks = {{44100, kBikStereo | kBikSixteenBit | 0x1000, 4000, 7}, {22050, 0, 900, {}}};
  spec.extraField = extra, spec.frameBytes = frameBytes, spec.keyframeEvery = 10;
  return spec;
}

// BIK k and KB2 i to k carry a field after the track count that moves the
// tracks by four bytes. Every field is read as all of its four bytes.
TEST(BinkFacts, EveryRevisionOfBothFormatsAndTheDerivedFigures) {
  for (const std::string format : {"BIK", "KB2"}) {
    for (char revision = format == "BIK" ? 'b' : 'a'; revision <= 'k'; ++revision) {
      SCOPED_TRACE(format + revision);
      const bool extra = revision == 'k' || (format == "KB2" && revision >= 'i');
      BikSpec spec = Whole(format, revision, extra);
      spec.width = 0xFFFFFFFF, spec.height = 0x01020304;
      const BinkHeaderDecode d = DecodeBinkFacts(MakeBikHeader(spec));
      ASSERT_EQ(d.status, HeaderStatus::ok);
      EXPECT_EQ(d.facts.format, format == "BIK" ? BinkFormat::bink1 : BinkFormat::bink2);
      EXPECT_EQ(d.facts.indexOffset, 44u + (extra ? 4 : 0) + 24);
      EXPECT_TRUE(d.facts.width == 0xFFFFFFFF && d.facts.height == 0x01020304);
      EXPECT_EQ(d.facts.tracks.at(1), (BinkTrack{900, 22050, 0, 1, 8, AudioCodec::rdft, 1}));
    }
  }
  // Duration, bitrate and the rate as shown, at the edges of the arithmetic.
  struct Case {
    uint32_t frames, num, den;
    uint64_t fileSize, ms, bitrate;
    std::string rate;
  } cases[] = {{1500, 30000, 1001, 6256250, 50050, 1000000, "29.97"},
               {3, 100000, 3337, 1000, 100, 79912, "29.967"},
               {2, 3, 1, 1000, 667, 12000, "3"},
               {100, 0, 1, 1000, 0, 0, "0"},
               {100, 30, 0, 1000, 0, 0, "0"},
               {0xFFFFFFFF, 1, 0xFFFFFFFF, 1000, UINT64_MAX, 0, "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.frames);
    const BinkFacts f{.frames = c.frames, .rateNumerator = c.num, .rateDenominator = c.den};
    EXPECT_EQ(f.DurationMs(), c.ms);
    EXPECT_EQ(f.Bitrate(c.fileSize), c.bitrate);
    EXPECT_EQ(DecimalRate(f), c.rate);
  }
}

// Whether the index fed in chunks of any size gives the same verdict is the
// fuzz target's business.
TEST(BinkIntegrity, FirstProblemIsNamed) {
  const std::vector<uint8_t> whole = MakeBikHeader(Whole());  // 68 + 124 + 3000 bytes
  // Cut or grown to `size`, or with one index entry changed.
  const auto with = [&](size_t size, size_t entry = 0, uint32_t value = 192 | 1) {
    std::vector<uint8_t> bytes = whole;
    std::memcpy(&bytes[68 + 4 * entry], &value, 4);  // little-endian, as the file
    bytes.resize(size);
    return bytes;
  };
  // An index of 20 001 entries: the break lies past the first chunk read.
  std::vector<uint8_t> longIndex = MakeBikHeader(Whole("BIK", 'i', false, 20000, 2));
  std::memset(&longIndex[68 + 4 * 17000], 0, 4);
  struct Case {
    std::string name, problem;
    std::vector<uint8_t> bytes;
    uint64_t keyframes;
    std::string code = "";
  } cases[] = {
      {"whole", "", whole, 3},
      {"million frames", "", MakeBikHeader(Whole("BIK", 'i', false, 1000000, 2)), 100000},
      {"empty", "пустой файл (0 байт)", {}, 0, "empty"},
      {"short header", "заголовок обрезан: 20 байт из 44", with(20), 0, "short_header"},
      {"short tracks", "заголовок обрезан: 50 байт из 68", with(50), 0, "short_header"},
      {"256 tracks", "",
       MakeBikHeader({.tracks = std::vector<AudioTrackSpec>(256), .frameBytes = 1}), 0},
      {"257 tracks", "заголовок повреждён: звуковых дорожек 257 (не больше 256)",
       MakeBikHeader({.tracks = std::vector<AudioTrackSpec>(257)}), 0, "too_many_tracks"},
      {"truncated", "обрезан: 2 000 байт из 3 192", with(2000), 2, "truncated"},
      {"longer", "длиннее заявленного: 3 193 байт вместо 3 192", with(3193), 3, "too_long"},
      {"index longer than file", "индекс кадров длиннее файла: записей 31 с байта 68",
       MakeBikHeader(Whole("BIK", 'i', false, 30, 0)), 0, "index"},
      {"first inside index", "индекс кадров нарушен на кадре 1", with(3192, 0, 100 | 1), 0,
       "index"},
      {"frame 17 empty", "индекс кадров нарушен на кадре 17", with(3192, 17, 192 + 1600), 2,
       "index"},
      {"second chunk", "индекс кадров нарушен на кадре 17 000", longIndex, 1700, "index"},
      {"past the end", "индекс кадров нарушен на кадре 29", with(3192, 29, 4000), 3, "index"},
      {"ends early", "индекс кадров нарушен на кадре 30", with(3192, 30, 3100), 3, "index"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BinkExamination e = ExamineBytes(c.bytes);
    EXPECT_EQ(e.problem, c.problem);
    EXPECT_EQ(e.keyframes, c.keyframes);
    EXPECT_EQ(e.Whole(), c.problem.empty());
    const char* code = ProblemCode(e.problemKind);
    EXPECT_EQ(code == nullptr ? "" : code, c.code);
  }
  // A damaged frame count cannot make the index be read on past its first
  // broken entry.
  std::vector<uint8_t> huge = MakeBikHeader({.frameCount = 0xFFFFFFFF});
  huge.resize(4 << 20);
  uint64_t read = 0;
  ExamineBytes(huge, &read);
  EXPECT_EQ(read, kBinkHeaderReadBytes + kIndexChunkBytes);
}

// 90 frames of 1000 bytes at 30 per second, a keyframe every 30th; entry 45
// moved on by 900 bytes makes frame 45 (from 1) the largest. Read with the
// index broken at `broken` (0: whole) and nine graph columns, each column as
// its largest frame in hundreds of bytes ('.' past the break), 'k' for a keyframe.
TEST(BinkExamine, DataRateAsTheIndexIsChecked) {
  BikSpec spec{"BIK", 'i', 90, 1900, 64, 48, 30, 1};
  spec.frameBytes = 1000, spec.keyframeEvery = 30;
  const std::vector<uint8_t> whole = MakeBikHeader(spec);
  const auto entry = [](std::vector<uint8_t>& bytes, size_t k, uint32_t value) {
    std::memcpy(&bytes[44 + 4 * k], &value, 4);
  };
  const std::pair<size_t, std::string> cases[] = {
      {0, "90 whole: 240000, 247200 at 500-1500: 10k 10 10 10k 19 10 10k 10 10"},
      {60, "59: 240000, 247200 at 500-1500: 10k 10 10 10k 19 10 . . ."},
      {1, "0: 0, 0 at 0-0: . . . . . . . . ."},
  };
  for (const auto& [broken, expected] : cases) {
    std::vector<uint8_t> bytes = whole;
    entry(bytes, 45, 408 + 45900);
    if (broken > 0)
      entry(bytes, broken, 0);
    const DataRateFigures r = ExamineBytes(bytes, nullptr, 9).dataRate;
    std::string text = std::to_string(r.frames) + (r.complete ? " whole: " : ": ") +
                       std::to_string(r.averageBitrate) + ", " + std::to_string(r.peakBitrate) +
                       " at " + std::to_string(r.peakAtMs) + "-" + std::to_string(r.peakEndMs) +
                       ":";
    for (size_t c = 0; c < r.columns.size(); ++c)
      text += " " + (c < r.columnsFilled ? std::to_string(r.columns[c].largest / 100) : ".") +
              (r.columns[c].keyframe ? "k" : "");
    EXPECT_EQ(text, expected);
  }
}

TEST(BinkReport, JsonCsvAndTableForms) {
  BikSpec spec{"BIK", 'k', 2, 10, 320, 240, 25, 1, 0x00100000};
  spec.tracks = {{48000, kBikSixteenBit, 500, 3}};
  spec.extraField = true, spec.frameBytes = 10, spec.keyframeEvery = 1;
  const BinkExamination good = ExamineBytes(MakeBikHeader(spec));
  const BinkExamination text = ExamineBytes(std::vector<uint8_t>{'h', 'i'});
  ReportStream json(ReportForm::json);
  std::string out = json.Begin();
  out += json.Item("d\\\"ф\x01\xFF.bik", good);
  out += json.Item("t", text);
  out += json.End();
  EXPECT_EQ(
      out,
      "[\n{\"path\": \"d\\\\\\\"ф\\u0001\xEF\xBF\xBD.bik\", \"format\": \"bink1\", "
      "\"revision\": \"k\", \"width\": 320, \"height\": 240, \"frames\": 2, \"frame_rate\": "
      "\"25/1\", \"duration\": 0.080, \"largest_frame\": 10, \"bitrate\": 9200, \"gray\": "
      "false, \"alpha\": true, \"keyframes\": 2, \"audio\": [{\"rate\": 48000, \"channels\": "
      "1, \"bits\": 16, \"codec\": \"rdft\", \"id\": 3}], \"whole\": true, \"problem\": null, "
      "\"problem_code\": null, \"peak_bitrate\": 2000, \"peak_at\": 0.000},\n"
      "{\"path\": \"t\", \"format\": null, \"revision\": null, \"width\": null, \"height\": "
      "null, \"frames\": null, \"frame_rate\": null, \"duration\": null, \"largest_frame\": "
      "null, \"bitrate\": null, \"gray\": null, \"alpha\": null, \"keyframes\": null, "
      "\"audio\": [], \"whole\": false, \"problem\": \"не видео Bink\", \"problem_code\": "
      "\"not_bink\", \"peak_bitrate\": null, \"peak_at\": null}\n]\n");
  ReportStream csv(ReportForm::csv);
  out = csv.Begin();
  out += csv.Item("a,b.bik", good);
  out += csv.Item("=1+2\xFF", text);
  EXPECT_EQ(out,
            "path,format,revision,width,height,frames,frame_rate,duration,largest_frame,bitrate,"
            "gray,alpha,keyframes,tracks,audio,whole,problem,problem_code,peak_bitrate,peak_at\n"
            "\"a,b.bik\",bink1,k,320,240,2,25/1,0.080,10,9200,0,1,2,1,48000:1:16:rdft:3,1,,,2000,"
            "0.000\n"
            "'=1+2\xEF\xBF\xBD,,,,,,,,,,,,,,,0,не видео Bink,not_bink,,\n");
  EXPECT_TRUE(TableLine("a\x1B[1m\xC2\x9B\xFF", text)
                  .ends_with("a\\u001B[1m\\u009B\xEF\xBF\xBD : не видео Bink\n"));
}

std::string Listed(std::string_view path, const BinkExamination& file) {
  std::string text;
  for (const auto& [label, value] : details_layout::Rows(path, file))
    text += label + "|" + value + "\n";
  return text;
}

// What the panel and the details window show; which label shows which text
// is checked end to end.
TEST(PanelAndDetails, EveryFormatEveryTrackAndAFileThatIsNotBink) {
  BikSpec graySilent = Whole("KB2", 'j', true);
  graySilent.tracks.clear(), graySilent.videoFlags = kBikGrayVideo;
  const std::pair<std::vector<uint8_t>, PanelTexts> cases[] = {
      {MakeBikHeader(Whole("BIK", 'k', true)),
       {L"Цвет", L"100", L"480", L"640", L"30", L"30", L"2", L"16", L"44100", true}},
      {MakeBikHeader(graySilent),
       {L"Серый", L"100", L"480", L"640", L"30", L"30", L"0", L"0", L"0", false}},
      {{'B', 'I', 'G', 'i'}, {L"", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", false}},
      {{'B', 'I', 'K'}, {L"Цвет", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", false}},
  };
  for (const auto& [bytes, texts] : cases)
    EXPECT_EQ(PanelTextsFor(ExamineBytes(bytes)), texts) << texts.frameType << bytes.size();
  EXPECT_EQ(LeadingBytesText(std::string("B\0\xEF\t~", 5)), L"B??~");
  std::vector<uint8_t> bytes = MakeBikHeader(Whole("KB2", 'j', true));
  EXPECT_EQ(Listed("D:\\клип.bk2", ExamineBytes(bytes)),
            "Файл|D:\\клип.bk2\n"
            "Целостность|целый\n"
            "Формат|KB2j (Bink 2)\n"
            "Размер файла|3 196 байт\n"
            "Кадр|640x480\n"
            "Кадров|30\n"
            "Кадров в секунду|30000/1001 (29.97)\n"
            "Длительность|1.001 с\n"
            "Наибольший кадр|100 байт\n"
            "Битрейт|25 542 бит/с\n"
            "Серый|нет\n"
            "Альфа-канал|нет\n"
            "Ключевых кадров|3\n"
            "Звуковых дорожек|2\n"
            "Дорожка 1|44100 Гц, стерео, 16 бит, DCT, id 7, наиб. пакет 4 000 байт\n"
            "Дорожка 2|22050 Гц, моно, 8 бит, RDFT, id 1, наиб. пакет 900 байт\n");
  bytes.resize(60);
  EXPECT_EQ(Listed("x", ExamineBytes(bytes)),
            "Файл|x\nЦелостность|повреждён: заголовок обрезан: 60 байт из 72\n"
            "Формат|KB2j (Bink 2)\nРазмер файла|60 байт\n");
}

}  // namespace
}  // namespace vintrel
