// What the program shows of an examined file: the panel's labels and the
// details window's rows. Which label shows which text is checked end to end.
#include "bink/panel_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "bik_maker.h"
#include "dialogs/details_layout.h"

namespace vintrel {
namespace {

BinkExamination Examine(const BikSpec& spec) {
  struct Memory : ByteSource {
    std::vector<uint8_t> bytes;
    uint64_t Size() const override { return bytes.size(); }
    bool Read(uint64_t at, std::span<uint8_t> out, std::string&) override {
      std::copy_n(bytes.begin() + static_cast<ptrdiff_t>(at), out.size(), out.begin());
      return true;
    }
  } source;
  source.bytes = MakeBikHeader(spec);
  return ExamineBink(source);
}

// Revision "k" and Bink 2 carry a field after the track count that moves the
// tracks by four bytes; 100000/3337 rounds to 30.
BikSpec Clip(const char* signature, char revision, bool extra, uint32_t flags = 0) {
  BikSpec spec{signature, revision, {}, 1234, 150000, 640, 480, 100000, 3337, flags};
  spec.tracks = {{44100, kBikStereo | kBikSixteenBit, 10000, {}}, {22050, 0, 900, {}}};
  spec.extraField = extra;
  spec.frameBytes = 10;
  return spec;
}

TEST(PanelText, LabelsOfEveryFormatAndOfAFileThatIsNotBink) {
  const PanelTexts colour{L"Цвет", L"150000", L"480", L"640",   L"1234",
                          L"30",   L"2",      L"16",  L"44100", true};
  PanelTexts gray = colour;
  gray.frameType = L"Серый";
  PanelTexts silent = colour;
  silent.channels = silent.sampleBits = silent.sampleRate = L"0";
  silent.hasAudio = false;
  BikSpec noTracks = Clip("BIK", 'i', false);
  noTracks.tracks.clear();
  const PanelTexts zero{L"", L"0", L"0", L"0", L"0", L"0", L"0", L"0", L"0", false};
  PanelTexts cut = zero;
  cut.frameType = L"Цвет";
  const std::pair<BikSpec, PanelTexts> cases[] = {
      {Clip("BIK", 'i', false), colour},
      {Clip("BIK", 'k', true), colour},
      {Clip("KB2", 'g', false), colour},
      {Clip("KB2", 'j', true, kBikGrayVideo), gray},
      {noTracks, silent},
      {{.signature = "BIG"}, zero},
      {{.truncateTo = 3}, cut},
  };
  for (const auto& [spec, texts] : cases) {
    EXPECT_EQ(PanelTextsFor(Examine(spec)), texts) << spec.signature << spec.version;
  }
  EXPECT_EQ(LeadingBytesText(std::string("B\0\xEF\t~", 5)), L"B??~");
}

std::string Listed(std::string_view path, const BinkExamination& file) {
  std::string text;
  for (const auto& [label, value] : details_layout::Rows(path, file))
    text += label + "|" + value + "\n";
  return text;
}

TEST(DetailsRows, EveryFactEveryTrackAndTheVerdict) {
  BikSpec spec = Clip("KB2", 'j', true);
  spec.keyframeEvery = 100;
  EXPECT_EQ(Listed("D:\\клип.bk2", Examine(spec)),
            "Файл|D:\\клип.bk2\n"
            "Целостность|целый\n"
            "Формат|KB2j (Bink 2)\n"
            "Размер файла|17 352 байт\n"
            "Кадр|640x480\n"
            "Кадров|1 234\n"
            "Кадров в секунду|100000/3337 (29.967)\n"
            "Длительность|41.179 с\n"
            "Наибольший кадр|150 000 байт\n"
            "Битрейт|3 371 бит/с\n"
            "Серый|нет\n"
            "Альфа-канал|нет\n"
            "Ключевых кадров|13\n"
            "Звуковых дорожек|2\n"
            "Дорожка 1|44100 Гц, стерео, 16 бит, RDFT, id 0, наиб. пакет 10 000 байт\n"
            "Дорожка 2|22050 Гц, моно, 8 бит, RDFT, id 1, наиб. пакет 900 байт\n");
  spec.truncateTo = 60;
  EXPECT_EQ(Listed("x", Examine(spec)),
            "Файл|x\nЦелостность|повреждён: заголовок обрезан: 60 байт из 72\n"
            "Формат|KB2j (Bink 2)\nРазмер файла|60 байт\n");
}

}  // namespace
}  // namespace vintrel
