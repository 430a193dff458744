#include "dialogs/data_rate_plot.h"

#include <gtest/gtest.h>

#include "bik_maker.h"
#include "probes.h"

namespace vintrel::data_rate_plot {
namespace {

// Duration, width, gap between ticks: the step. 50 s on 526 pixels puts a
// second 10.5 pixels apart; a damaged header's duration ends the doubling.
TEST(DataRatePlot, TicksKeepApartAndEveryFrameShows) {
  const uint64_t cases[][4] = {{50050, 526, 40, 5},
                               {50050, 526, 53, 10},
                               {10800000, 500, 40, 900},
                               {500, 526, 40, 1},
                               {UINT64_MAX, 500, 40, uint64_t{3600} << 39},
                               {0, 500, 40, 0},
                               {1000, 0, 40, 0}};
  for (const auto& c : cases) EXPECT_EQ(TickSeconds(c[0], int(c[1]), int(c[2])), c[3]) << c[0];
  EXPECT_EQ(BarHeight(1, 4000000000, 100), 1);
  EXPECT_EQ(ColumnAt(UINT64_MAX, 1000, 526), 526);
}

// Where the peak lies, and the note on the graph, for the file listed and
// the same file read again for the graph.
TEST(DataRatePlot, WhatTheGraphLeavesOut) {
  BikSpec spec{"BIK", 'i', 90, 1000, 64, 48, 30, 1};
  spec.frameBytes = 1000;
  const std::string whole = BikBytes(spec);
  const auto examine = [&](size_t size) {
    return ExamineBytes({reinterpret_cast<const uint8_t*>(whole.data()), size});
  };
  const BinkExamination file = examine(whole.size()), half = examine(whole.size() / 2),
                        first = examine(500), text = examine(2);
  BinkExamination unreadable = file;
  unreadable.readable = false;
  const std::tuple<BinkExamination, BinkExamination, std::string> cases[] = {
      {file, file, "с 0,0 по 1,0 с | "},
      {half, half, "с 0,0 по 1,0 с | Индекс кадров нарушен на кадре 45: график до кадра 44"},
      {first, first, "нет данных | Индекс кадров нарушен на кадре 1: размеров кадров нет"},
      {file, first, "с 0,0 по 1,0 с | График не построен: файл изменился"},
      {file, unreadable, "с 0,0 по 1,0 с | График не построен: файл не читается"},
      {text, text, "нет данных | Размеры кадров неизвестны: заголовок не прочитан"},
  };
  for (const auto& [shown, graph, expected] : cases) {
    const Texts t = TextsFor(shown, graph);
    EXPECT_EQ(t.peakTime + " | " + t.note, expected);
  }
}

}  // namespace
}  // namespace vintrel::data_rate_plot
