#include "bink/bink_facts.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bik_maker.h"
#include "bikinfo/bikinfo_run.h"
#include "bink/bink_examine.h"
#include "bink/bink_index.h"
#include "bink/bink_report.h"

namespace vintrel {
namespace {

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool Read(uint64_t at, std::span<uint8_t> out, std::string& error) override {
    if (at + out.size() > bytes_.size()) {
      error = "сбой";
      return false;
    }
    std::copy_n(bytes_.begin() + static_cast<ptrdiff_t>(at), out.size(), out.begin());
    return true;
  }

 private:
  std::vector<uint8_t> bytes_;
};

BinkExamination Examine(std::vector<uint8_t> bytes) {
  MemorySource source(std::move(bytes));
  return ExamineBink(source);
}

void PutU32At(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) {
    bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
  }
}

// 30 frames of 100 bytes at 30000/1001, two tracks, keyframes 1, 11 and 21.
BikSpec Whole(std::string signature = "BIK", char revision = 'i', bool extra = false) {
  BikSpec spec{.signature = signature,
               .version = revision,
               .frameCount = 30,
               .maxFrameSize = 100,
               .width = 640,
               .height = 480,
               .fpsNumerator = 30000,
               .fpsDenominator = 1001};
  spec.tracks = {{44100, kBikStereo | kBikSixteenBit | 0x1000, 4000, 7}, {22050, 0, 900}};
  spec.extraField = extra;
  spec.frameBytes = 100;
  spec.keyframeEvery = 10;
  return spec;
}

TEST(BinkFacts, RevisionKMovesTheTracksByFourBytes) {
  BikSpec spec{.version = 'k', .tracks = {{44100, kBikStereo | kBikSixteenBit, 10000}}};
  spec.extraField = true;
  const std::vector<uint8_t> bytes = MakeBikHeader(spec);
  const std::vector<uint8_t> tracks = {0, 0, 0, 0, 0x10, 0x27, 0, 0, 0x44, 0xAC, 0x00, 0x60};
  ASSERT_TRUE(std::equal(tracks.begin(), tracks.end(), bytes.begin() + 44));
  const BinkHeaderDecode decode = DecodeBinkFacts(bytes);
  ASSERT_EQ(decode.status, HeaderStatus::ok);
  const BinkTrack expected{.largestPacket = 10000,
                           .rate = 44100,
                           .flags = 0x6000,
                           .channels = 2,
                           .bits = 16,
                           .codec = AudioCodec::rdft,
                           .id = 0};
  EXPECT_EQ(decode.facts.tracks, std::vector<BinkTrack>{expected});
  EXPECT_EQ(decode.facts.indexOffset, 60u);
}

TEST(BinkFacts, FormatsRevisionsAndTracks) {
  struct Case {
    std::string signature;
    char revision;
    BinkFormat format;
    bool extra;
  } cases[] = {{"BIK", 'i', BinkFormat::bink1, false}, {"BIK", 'k', BinkFormat::bink1, true},
               {"KB2", 'g', BinkFormat::bink2, false}, {"KB2", 'i', BinkFormat::bink2, true},
               {"KB2", 'j', BinkFormat::bink2, true},  {"KB2", 'k', BinkFormat::bink2, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signature + c.revision);
    const BinkHeaderDecode d =
        DecodeBinkFacts(MakeBikHeader(Whole(c.signature, c.revision, c.extra)));
    ASSERT_EQ(d.status, HeaderStatus::ok);
    EXPECT_EQ(d.facts.format, c.format);
    EXPECT_EQ(d.facts.indexOffset, 44u + (c.extra ? 4 : 0) + 24);
    EXPECT_EQ(d.facts.indexEntries, 31u);
    ASSERT_EQ(d.facts.tracks.size(), 2u);
    const BinkTrack& a = d.facts.tracks[0];
    const BinkTrack& b = d.facts.tracks[1];
    EXPECT_EQ(std::tie(a.rate, a.channels, a.bits, a.codec, a.id, a.largestPacket),
              std::tuple(44100u, 2u, 16u, AudioCodec::dct, 7u, 4000u));
    EXPECT_EQ(std::tie(b.rate, b.channels, b.bits, b.codec, b.id),
              std::tuple(22050u, 1u, 8u, AudioCodec::rdft, 1u));
  }
  BikSpec flags{.videoFlags = kBinkGrayFlag | kBinkAlphaFlag};
  const BinkFacts f = DecodeBinkFacts(MakeBikHeader(flags)).facts;
  EXPECT_TRUE(f.Gray() && f.Alpha());
  BikSpec many{.tracks = std::vector<AudioTrackSpec>(257)};
  EXPECT_EQ(DecodeBinkFacts(MakeBikHeader(many)).status, HeaderStatus::tooManyTracks);
  many.tracks.pop_back();
  EXPECT_EQ(DecodeBinkFacts(MakeBikHeader(many)).status, HeaderStatus::ok);
}

TEST(BinkFacts, DurationBitrateAndRate) {
  struct Case {
    uint32_t frames, num, den;
    uint64_t fileSize, ms, bitrate;
    std::string rate;
  } cases[] = {{1500, 30000, 1001, 6256250, 50050, 1000000, "29.97"},
               {250, 25, 1, 1000000, 10000, 800000, "25"},
               {3, 100000, 3337, 1000, 100, 79912, "29.967"},
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

TEST(BinkIntegrity, FirstProblemIsNamed) {
  const std::vector<uint8_t> whole = MakeBikHeader(Whole());  // 68 + 124 + 3000 bytes
  const auto with = [&](size_t entry, uint32_t value) {
    std::vector<uint8_t> bytes = whole;
    PutU32At(bytes, 68 + 4 * entry, value);
    return bytes;
  };
  auto truncated = whole;
  truncated.resize(2000);
  auto longer = whole;
  longer.push_back(0);
  BikSpec bigIndex = Whole();
  bigIndex.frameBytes = 0;
  bigIndex.sizeField.reset();
  BikSpec million = Whole();
  million.frameCount = 1000000;
  million.frameBytes = 2;
  struct Case {
    std::string name;
    std::vector<uint8_t> bytes;
    std::string problem;
    uint64_t keyframes;
  } cases[] = {
      {"whole", whole, "", 3},
      {"million frames", MakeBikHeader(million), "", 100000},
      {"empty", {}, "пустой файл (0 байт)", 0},
      {"text", {'B', 'I', 'G', '!'}, "не видео Bink", 0},
      {"short header", std::vector<uint8_t>(whole.begin(), whole.begin() + 20),
       "заголовок обрезан: 20 байт из 44", 0},
      {"short tracks", std::vector<uint8_t>(whole.begin(), whole.begin() + 50),
       "заголовок обрезан: 50 байт из 68", 0},
      {"too many tracks", MakeBikHeader({.audioTracks = 1000}),
       "заголовок повреждён: звуковых дорожек 1 000 (не больше 256)", 0},
      {"truncated", truncated, "обрезан: 2 000 байт из 3 192", 3},
      {"longer", longer, "длиннее заявленного: 3 193 байт вместо 3 192", 3},
      {"index longer than file", MakeBikHeader(bigIndex),
       "индекс кадров длиннее файла: 31 записей с 68-го байта", 0},
      {"first inside index", with(0, 100 | 1), "индекс кадров нарушен на кадре 1", 3},
      {"frame 17 empty", with(17, 192 + 1600), "индекс кадров нарушен на кадре 17", 3},
      {"past the end", with(29, 4000), "индекс кадров нарушен на кадре 29", 3},
      {"ends early", with(30, 3100), "индекс кадров нарушен на кадре 30", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BinkExamination e = Examine(c.bytes);
    EXPECT_EQ(e.problem, c.problem);
    EXPECT_EQ(e.keyframes, c.keyframes);
    EXPECT_EQ(e.Whole(), c.problem.empty());
  }
}

TEST(BinkIntegrity, ChunksOfAnySizeGiveTheSameVerdict) {
  BinkFacts facts = DecodeBinkFacts(MakeBikHeader(Whole())).facts;
  const std::vector<uint8_t> whole = MakeBikHeader(Whole());
  for (size_t chunk = 1; chunk <= 9; ++chunk) {
    FrameIndexChecker checker(facts, whole.size());
    for (size_t at = 68; at < whole.size(); at += chunk) {
      checker.Feed(std::span(whole).subspan(at, std::min(chunk, whole.size() - at)));
    }
    EXPECT_EQ(checker.BrokenFrame(), std::nullopt);
    EXPECT_EQ(checker.Keyframes(), 3u);
  }
}

TEST(BinkReport, JsonAndCsvForms) {
  BikSpec spec{.version = 'k',
               .frameCount = 2,
               .maxFrameSize = 10,
               .width = 320,
               .height = 240,
               .fpsNumerator = 25,
               .fpsDenominator = 1,
               .videoFlags = kBinkAlphaFlag};
  spec.tracks = {{48000, kBikSixteenBit, 500, 3}};
  spec.extraField = true;
  spec.frameBytes = 10;
  spec.keyframeEvery = 1;
  const BinkExamination good = Examine(MakeBikHeader(spec));
  const BinkExamination text = Examine({'h', 'i'});
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
      "1, \"bits\": 16, \"codec\": \"rdft\", \"id\": 3}], \"whole\": true, \"problem\": null},\n"
      "{\"path\": \"t\", \"format\": null, \"revision\": null, \"width\": null, \"height\": "
      "null, \"frames\": null, \"frame_rate\": null, \"duration\": null, \"largest_frame\": "
      "null, \"bitrate\": null, \"gray\": null, \"alpha\": null, \"keyframes\": null, "
      "\"audio\": [], \"whole\": false, \"problem\": \"не видео Bink\"}\n]\n");
  ReportStream csv(ReportForm::csv);
  out = csv.Begin();
  out += csv.Item("a,b.bik", good);
  out += csv.Item("t", text);
  EXPECT_EQ(out,
            "path,format,revision,width,height,frames,frame_rate,duration,largest_frame,bitrate,"
            "gray,alpha,keyframes,tracks,audio,whole,problem\n"
            "\"a,b.bik\",bink1,k,320,240,2,25/1,0.080,10,9200,0,1,2,1,48000:1:16:rdft:3,1,\n"
            "t,,,,,,,,,,,,,,,0,не видео Bink\n");
}

TEST(Bikinfo, ArgumentsAndVideoNames) {
  std::string error;
  const auto parse = [&](std::vector<std::filesystem::path> args) {
    return ParseBikinfoArgs(args, error);
  };
  const auto ok = parse({"--json", "-r", "a", "--", "-b"});
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok->form, ReportForm::json);
  EXPECT_TRUE(ok->recursive);
  EXPECT_EQ(ok->inputs, (std::vector<std::filesystem::path>{"a", "-b"}));
  EXPECT_FALSE(parse({}));
  EXPECT_FALSE(parse({"--csv", "--json", "a"}));
  EXPECT_FALSE(parse({"-x", "a"}));
  for (const char* name : {"a.bik", "B.BIK", "c.Bk2"}) {
    EXPECT_TRUE(IsVideoName(name)) << name;
  }
  for (const char* name : {"a.bik.txt", "bik", "a.bk", ".bik2"}) {
    EXPECT_FALSE(IsVideoName(name)) << name;
  }
}

}  // namespace
}  // namespace vintrel
