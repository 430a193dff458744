#include "dialogs/details_layout.h"

#include "bink/bink_index.h"
#include "bink/bink_report.h"
#include "res/details_window_ids.h"

namespace vintrel::details_layout {
namespace {

using namespace details_ids;
using ui::ControlKind;

constexpr int kMargin = 120;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;
constexpr int kListWidth = kClientWidthTwips - 2 * kMargin;
constexpr int kListHeight = 3600;
// Under the list, the data rate: the graph, then a figure a row, with
// "Закрыть" beside the last row at the right.
constexpr int kGraphTop = 2 * kMargin + kListHeight;
constexpr int kGraphHeight = 2100;
constexpr int kFigureTop = kGraphTop + kGraphHeight + 60;
constexpr int kFigureHeight = 240;
constexpr int kCaptionWidth = 1800;
constexpr int kValueLeft = kMargin + kCaptionWidth;
constexpr int kValueWidth = 3000;
constexpr int kFiguresBottom = kFigureTop + 3 * kFigureHeight;
constexpr int kButtonLeft = kClientWidthTwips - kMargin - kButtonWidth;
constexpr int kButtonTop = kFiguresBottom - kButtonHeight;
static_assert(kFiguresBottom + kMargin == kClientHeightTwips);

// clang-format off
constexpr ui::ControlSpec kControls[] = {
  // id   kind                    text        tooltip  left, top, width, height                          container tab
  {factsList,  ControlKind::listView,  L"",        nullptr, {kMargin, kMargin, kListWidth, kListHeight},             0, 0},
  {closeButton, ControlKind::button,    L"Закрыть", nullptr, {kButtonLeft, kButtonTop, kButtonWidth, kButtonHeight}, 0, 1},
  // The graph is drawn by the window itself in the place of its label.
  {dataRateGraph,           ControlKind::label, L"",                nullptr, {kMargin, kGraphTop, kListWidth, kGraphHeight},                                   0, 2},
  {averageRateLabel,  ControlKind::label, L"Средний поток:",  nullptr, {kMargin, kFigureTop, kCaptionWidth, kFigureHeight},                              0, 3},
  {averageRateValue,         ControlKind::label, L"",                nullptr, {kValueLeft, kFigureTop, kValueWidth, kFigureHeight},                             0, 4},
  {peakRateLabel,     ControlKind::label, L"Пик за секунду:", nullptr, {kMargin, kFigureTop + kFigureHeight, kCaptionWidth, kFigureHeight},              0, 5},
  {peakRateValue,            ControlKind::label, L"",                nullptr, {kValueLeft, kFigureTop + kFigureHeight, kValueWidth, kFigureHeight},             0, 6},
  {peakTimeLabel, ControlKind::label, L"Время пика:",     nullptr, {kMargin, kFigureTop + 2 * kFigureHeight, kCaptionWidth, kFigureHeight},          0, 7},
  {peakTimeValue,        ControlKind::label, L"",                nullptr, {kValueLeft, kFigureTop + 2 * kFigureHeight, kValueWidth, kFigureHeight},         0, 8},
};
// clang-format on

std::string Grouped(uint64_t value, const char* unit) {
  return GroupDigits(value) + unit;
}

std::string YesNo(bool value) {
  return value ? "да" : "нет";
}

}  // namespace

std::span<const ui::ControlSpec> Controls() {
  return kControls;
}

std::vector<Row> Rows(std::string_view path, const BinkExamination& file) {
  const BinkFacts& f = file.facts;
  // Whether the file is whole matters most, so it comes first.
  std::vector<Row> rows = {
      {"Файл", std::string(path)},
      {"Целостность", Verdict(file) + (file.problem.empty() ? "" : ": " + file.problem)}};
  if (file.IsBink()) {
    const char* format = f.format == BinkFormat::bink2 ? " (Bink 2)" : " (Bink 1)";
    rows.push_back({"Формат", SignatureText(file) + format});
  }
  rows.push_back({"Размер файла", Grouped(file.fileSize, " байт")});
  if (file.HeaderRead()) {
    const std::string rate = std::to_string(f.rateNumerator) + "/" +
                             std::to_string(f.rateDenominator) + " (" + DecimalRate(f) + ")";
    rows.insert(rows.end(), {
                                {"Кадр", std::to_string(f.width) + "x" + std::to_string(f.height)},
                                {"Кадров", GroupDigits(f.frames)},
                                {"Кадров в секунду", rate},
                                {"Длительность", Seconds(f.DurationMs()) + " с"},
                                {"Наибольший кадр", Grouped(f.largestFrame, " байт")},
                                {"Битрейт", Grouped(f.Bitrate(file.fileSize), " бит/с")},
                                {"Серый", YesNo(f.Gray())},
                                {"Альфа-канал", YesNo(f.Alpha())},
                                {"Ключевых кадров", GroupDigits(file.keyframes)},
                                {"Звуковых дорожек", std::to_string(f.tracks.size())},
                            });
    for (size_t i = 0; i < f.tracks.size(); ++i)
      rows.push_back({"Дорожка " + std::to_string(i + 1), TrackText(f.tracks[i])});
  }
  return rows;
}

}  // namespace vintrel::details_layout
