#include "dialogs/data_rate_graph.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bink/bink_read.h"
#include "dialogs/data_rate_plot.h"
#include "dialogs/details_layout.h"
#include "res/details_window_ids.h"
#include "ui/gdi.h"
#include "ui/twips.h"
#include "ui/window.h"
#include "win/unique_handle.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

using ui::Fill;
using ui::Painting;
using ui::Selected;
using ui::Text;
using ui::TextWidth;
using ui::UniqueGdiObject;
using ui::UniqueMemoryDc;

constexpr COLORREF kPlotColor = RGB(255, 255, 255);
constexpr COLORREF kBarColor = RGB(70, 110, 170);
constexpr COLORREF kMeanColor = RGB(210, 0, 0);
constexpr COLORREF kKeyframeColor = RGB(0, 140, 0);
constexpr COLORREF kPeakColor = RGB(255, 230, 140);
constexpr COLORREF kMissingColor = RGB(170, 170, 170);
constexpr COLORREF kNoteColor = RGB(170, 0, 0);

// What the graph shows, kept by its window until the window goes.
struct Picture {
  std::vector<DataRateColumn> columns;
  size_t filled = 0;
  uint32_t largest = 0;  // the plot's top
  double meanBytes = 0;
  uint64_t durationMs = 0;
  bool peakKnown = false;
  uint64_t peakAtMs = 0;
  uint64_t peakEndMs = 0;
  std::wstring note;
};

// Sizes follow the font, which follows the window's DPI: a text line, and
// the width of a thin line (one pixel at 96 dpi).
struct Metrics {
  int line;
  int thin;
};

// The top row: the plot's scale, then a sample and a name of each mark.
void DrawLegend(HDC dc, const Picture& picture, const Metrics& m) {
  ::SetBkMode(dc, TRANSPARENT);
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
  std::wstring scale = L"наибольший кадр " + win::Widen(SizeText(picture.largest));
  Text(dc, 0, 0, scale, text);
  int x = TextWidth(dc, scale) + m.line;
  const int middle = m.line / 2;
  const auto item = [&](const std::wstring& name, auto sample) {
    sample(x);
    x += m.line + m.thin * 3;
    Text(dc, x, 0, name, text);
    x += TextWidth(dc, name) + m.line;
  };
  item(L"средний кадр " + win::Widen(SizeText(std::llround(picture.meanBytes))),
       [&](int at) { Fill(dc, at, middle - m.thin, at + m.line, middle + m.thin, kMeanColor); });
  item(L"пик за секунду",
       [&](int at) { Fill(dc, at, 2 * m.thin, at + m.line, m.line - 2 * m.thin, kPeakColor); });
  item(L"ключевой кадр", [&](int at) {
    Fill(dc, at + middle, 2 * m.thin, at + middle + m.thin, m.line - 2 * m.thin, kKeyframeColor);
  });
}

// Ticks in whole seconds under the keyframe strip, each labelled where its
// label does not run into the one before.
void DrawTimeAxis(HDC dc, const Picture& picture, const Metrics& m, int x0, int top, int right) {
  const int columns = static_cast<int>(picture.columns.size());
  const std::wstring widest = std::to_wstring(picture.durationMs / 1000) + L" с";
  const uint64_t step =
      data_rate_plot::TickSeconds(picture.durationMs, columns, TextWidth(dc, widest) + m.line);
  if (step == 0)
    return;
  const COLORREF color = ::GetSysColor(COLOR_BTNTEXT);
  const int tick = std::max(2, m.line / 4);
  int labelsEnd = -m.line;
  for (uint64_t k = 0; double(k) * double(step) * 1000.0 <= double(picture.durationMs); ++k) {
    const int x = x0 + data_rate_plot::ColumnAt(k * step * 1000, picture.durationMs, columns);
    Fill(dc, x, top, x + m.thin, top + tick, color);
    const std::wstring label = std::to_wstring(k * step) + L" с";
    const int width = TextWidth(dc, label);
    const int left = std::clamp(x - width / 2, 0, right - width);
    if (left >= labelsEnd) {
      Text(dc, left, top + tick, label, color);
      labelsEnd = left + width + m.line / 2;
    }
  }
}

void DrawNote(HDC dc, const Picture& picture, const Metrics& m, const RECT& plot) {
  if (picture.note.empty())
    return;
  const int width = TextWidth(dc, picture.note);
  // Past the last bar when it fits there, else over the plot's left end.
  const int missing = plot.left + 1 + static_cast<int>(picture.filled);
  int x = missing + m.line / 2;
  if (x + width > plot.right - m.line / 2)
    x = std::max(plot.left + m.line / 2, plot.right - m.line / 2 - width);
  const int y = plot.top + m.line / 2;
  Fill(dc, x - 2 * m.thin, y, x + width + 2 * m.thin, y + m.line, kPlotColor);
  Text(dc, x, y, picture.note, kNoteColor);
}

void Draw(HDC dc, const Picture& picture, int width, int height) {
  TEXTMETRICW font{};
  ::GetTextMetricsW(dc, &font);
  const Metrics m{static_cast<int>(font.tmHeight), std::max<int>(1, font.tmHeight / 13)};
  Fill(dc, 0, 0, width, height, ::GetSysColor(COLOR_BTNFACE));
  if (picture.filled > 0)
    DrawLegend(dc, picture, m);

  const int strip = std::max(3, m.line / 3);
  const int tick = std::max(2, m.line / 4);
  const RECT plot{0, m.line + m.line / 4, width, height - m.line - tick - strip};
  const int x0 = plot.left + 1;
  const int top = plot.top + 1;
  const int bottom = plot.bottom - 1;
  const int columns = static_cast<int>(picture.columns.size());
  const int filled = static_cast<int>(picture.filled);
  Fill(dc, plot.left, plot.top, plot.right, plot.bottom, ::GetSysColor(COLOR_BTNSHADOW));
  Fill(dc, x0, top, plot.right - 1, bottom, kPlotColor);

  // The frames the index does not size, hatched.
  if (filled < columns) {
    UniqueGdiObject hatch(::CreateHatchBrush(HS_BDIAGONAL, kMissingColor));
    const RECT missing{x0 + filled, top, x0 + columns, bottom};
    ::SetBkColor(dc, kPlotColor);
    if (hatch)
      ::FillRect(dc, &missing, static_cast<HBRUSH>(hatch.get()));
  }
  if (picture.peakKnown && picture.durationMs > 0) {
    const int from = x0 + data_rate_plot::ColumnAt(picture.peakAtMs, picture.durationMs, columns);
    const int to = x0 + data_rate_plot::ColumnAt(picture.peakEndMs, picture.durationMs, columns);
    Fill(dc, from, top, std::max(to, from + 1), bottom, kPeakColor);
  }
  for (int c = 0; c < filled; ++c) {
    const int bar =
        data_rate_plot::BarHeight(picture.columns[c].largest, picture.largest, bottom - top);
    Fill(dc, x0 + c, bottom - bar, x0 + c + 1, bottom, kBarColor);
    if (picture.columns[c].keyframe)
      Fill(dc, x0 + c, plot.bottom, x0 + c + 1, plot.bottom + strip, kKeyframeColor);
  }
  if (filled > 0 && picture.largest > 0) {
    const int y = bottom - static_cast<int>(
                               std::lround(picture.meanBytes * (bottom - top) / picture.largest));
    Fill(dc, x0, y - m.thin, x0 + filled, y + m.thin, kMeanColor);
  }
  DrawTimeAxis(dc, picture, m, x0, plot.bottom + strip, width);
  DrawNote(dc, picture, m, plot);
}

// Drawn off screen, then copied in one piece, so that it never flickers.
void Paint(HWND window, const Picture& picture) {
  Painting paint(window);
  RECT client{};
  ::GetClientRect(window, &client);
  UniqueMemoryDc memory(::CreateCompatibleDC(paint.dc()));
  UniqueGdiObject bitmap(::CreateCompatibleBitmap(paint.dc(), client.right, client.bottom));
  if (!memory || !bitmap)
    return;
  const Selected canvas(memory.get(), bitmap.get());
  const Selected font(memory.get(),
                      reinterpret_cast<HGDIOBJ>(::SendMessageW(window, WM_GETFONT, 0, 0)));
  Draw(memory.get(), picture, client.right, client.bottom);
  ::BitBlt(paint.dc(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK GraphProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR id, DWORD_PTR data) {
  auto* picture = reinterpret_cast<Picture*>(data);
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      try {
        Paint(window, *picture);
      } catch (...) {
        ui::ReportException();
      }
      return 0;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(window, GraphProcedure, id);
      delete picture;
      break;
    default:
      break;
  }
  return ::DefSubclassProc(window, message, wParam, lParam);
}

// The plot's frame takes a pixel on either side.
size_t ColumnsOfWidth(int pixels) {
  return static_cast<size_t>(std::max(pixels - 2, 0));
}

}  // namespace

size_t DataRateGraphColumns(int dpi) {
  for (const ui::ControlSpec& spec : details_layout::Controls()) {
    if (spec.id == details_ids::dataRateGraph)
      return ColumnsOfWidth(ui::TwipsToPixels(spec.rect.width, dpi));
  }
  return 0;
}

void ShowDataRate(HWND details, const std::wstring& path, const BinkExamination& file) {
  HWND graph = ::GetDlgItem(details, details_ids::dataRateGraph);
  if (!graph)
    return;
  bool drawn = true;
#ifdef VINTREL_START_PHASES
  // The benchmark's copy of the program leaves the graph out when asked,
  // the figures under it kept: the floor the graph's cost is measured against.
  drawn = _wgetenv(L"VINTREL_BENCH_NO_GRAPH") == nullptr;
#endif
  RECT client{};
  ::GetClientRect(graph, &client);
  const size_t columns = ColumnsOfWidth(client.right);
  const bool reread = drawn && file.dataRate.columns.size() != columns;
  const BinkExamination again = reread ? ExamineBinkFile(path, columns) : BinkExamination{};
  const BinkExamination& read = reread ? again : file;
  const data_rate_plot::Texts texts = data_rate_plot::TextsFor(file, read);
  ::SetDlgItemTextW(details, details_ids::averageRateValue, win::Widen(texts.average).c_str());
  ::SetDlgItemTextW(details, details_ids::peakRateValue, win::Widen(texts.peak).c_str());
  ::SetDlgItemTextW(details, details_ids::peakTimeValue, win::Widen(texts.peakTime).c_str());
  if (!drawn)
    return;

  auto picture = std::make_unique<Picture>();
  const DataRateFigures& rate = read.dataRate;
  if (data_rate_plot::SameFile(file, read)) {
    picture->columns = rate.columns;
    picture->filled = std::min(rate.columnsFilled, rate.columns.size());
    for (size_t c = 0; c < picture->filled; ++c)
      picture->largest = std::max(picture->largest, rate.columns[c].largest);
    picture->meanBytes = rate.meanFrameBytes;
    picture->durationMs = file.facts.DurationMs();
    picture->peakKnown = rate.Known();
    picture->peakAtMs = rate.peakAtMs;
    picture->peakEndMs = rate.peakEndMs;
  } else {
    picture->columns.resize(columns);  // all of it hatched: nothing is known
  }
  picture->note = win::Widen(texts.note);
  if (::SetWindowSubclass(graph, GraphProcedure, 0, reinterpret_cast<DWORD_PTR>(picture.get())))
    picture.release();
  ::InvalidateRect(graph, nullptr, TRUE);
}

}  // namespace vintrel
