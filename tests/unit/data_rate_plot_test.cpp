#include "dialogs/data_rate_plot.h"

#include <gtest/gtest.h>

#include "bik_maker.h"
#include "probes.h"

namespace vintrel::data_rate_plot {
namespace {

TEST(DataRatePlot, TicksKeepApartAndEveryFrameShows) {
  struct Case {
    uint64_t ms;
    int width, gap;
    uint64_t step;
  } cases[] = {
      {50050, 526, 40, 5},  // a second is 10.5 pixels
      {50050, 526, 53, 10},
      {10800000, 500, 40, 900},  // three hours
      {500, 526, 40, 1},         // a tick at 0 alone
      {UINT64_MAX, 500, 40, uint64_t{3600} << 39},
      {0, 500, 40, 0},
      {1000, 0, 40, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TickSeconds(c.ms, c.width, c.gap), c.step) << c.ms;
  EXPECT_EQ(std::to_string(BarHeight(1, 4000000000, 100)) + " " +
                std::to_string(BarHeight(4000000000, 4000000000, 100)) + " " +
                std::to_string(BarHeight(0, 10, 100)) + " " +
                std::to_string(ColumnAt(UINT64_MAX, 1000, 526)),
            "1 100 0 526");
}

// The figures under the graph and the note on it, as "average | peak | time | note".
TEST(DataRatePlot, FiguresAndWhatTheGraphLeavesOut) {
  BikSpec spec{"BIK", 'i', 90, 1000, 64, 48, 30, 1};
  spec.frameBytes = 1000;
  const std::string whole = BikBytes(spec);
  const auto examine = [](const std::string& bytes) {
    return ExamineBytes({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  };
  const BinkExamination file = examine(whole);
  BinkExamination unreadable = file;
  unreadable.readable = false;
  const std::pair<BinkExamination, BinkExamination> cases[] = {
      {file, file},
      {examine(whole.substr(0, whole.size() / 2)), examine(whole.substr(0, whole.size() / 2))},
      {examine(whole.substr(0, 500)), examine(whole.substr(0, 500))},
      {file, examine(whole.substr(0, 500))},
      {file, unreadable},
      {examine("text"), examine("text")},
  };
  const std::string expected[] = {
      "240 кбит/с | 240 кбит/с | с 0,0 по 1,0 с | ",
      "240 кбит/с | 240 кбит/с | с 0,0 по 1,0 с | Индекс кадров нарушен на кадре 45: график "
      "до кадра 44",
      "нет данных | нет данных | нет данных | Индекс кадров нарушен на кадре 1: размеров кадров "
      "нет",
      "240 кбит/с | 240 кбит/с | с 0,0 по 1,0 с | График не построен: файл изменился",
      "240 кбит/с | 240 кбит/с | с 0,0 по 1,0 с | График не построен: файл не читается",
      "нет данных | нет данных | нет данных | Размеры кадров неизвестны: заголовок не прочитан",
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    const Texts t = TextsFor(cases[i].first, cases[i].second);
    EXPECT_EQ(t.average + " | " + t.peak + " | " + t.peakTime + " | " + t.note, expected[i]);
  }
}

}  // namespace
}  // namespace vintrel::data_rate_plot
