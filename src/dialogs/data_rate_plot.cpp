#include "dialogs/data_rate_plot.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "bink/bink_index.h"

namespace vintrel::data_rate_plot {

uint64_t TickSeconds(uint64_t durationMs, int width, int minGap) {
  if (durationMs == 0 || width <= 0) {
    return 0;
  }
  static constexpr uint64_t kSteps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600};
  // In doubles: a damaged header's duration reaches 2^64 milliseconds.
  const double need = double(std::max(minGap, 1)) * double(durationMs);
  uint64_t step = 0;
  for (size_t i = 0;; ++i) {
    step = i < std::size(kSteps) ? kSteps[i] : step * 2;
    const double ms = double(step) * 1000.0;
    if (ms * width >= need || ms >= double(durationMs)) {
      return step;
    }
  }
}

int ColumnAt(uint64_t ms, uint64_t durationMs, int width) {
  if (durationMs == 0) {
    return 0;
  }
  const double at = std::floor(double(ms) * width / double(durationMs));
  return static_cast<int>(std::clamp(at, 0.0, double(width)));
}

int BarHeight(uint64_t bytes, uint64_t scale, int height) {
  if (bytes == 0 || scale == 0 || height <= 0) {
    return 0;
  }
  return static_cast<int>(
      std::clamp(std::ceil(double(bytes) * height / double(scale)), 1.0, double(height)));
}

bool SameFile(const BinkExamination& shown, const BinkExamination& graph) {
  return graph.readable && graph.fileSize == shown.fileSize && graph.header == shown.header &&
         graph.facts == shown.facts && graph.dataRate.frames == shown.dataRate.frames;
}

Texts TextsFor(const BinkExamination& shown, const BinkExamination& graph) {
  const DataRateFigures& rate = shown.dataRate;
  Texts texts;
  if (rate.Known()) {
    texts.average = BitrateText(rate.averageBitrate);
    texts.peak = BitrateText(rate.peakBitrate);
    const std::string from = SecondsText(rate.peakAtMs);
    texts.peakTime = "с " + from.substr(0, from.find(' ')) + " по " + SecondsText(rate.peakEndMs);
  } else {
    texts.average = texts.peak = texts.peakTime = "нет данных";
  }
  const uint64_t frames = rate.frames;
  if (!graph.readable) {
    texts.note = "График не построен: файл не читается";
  } else if (!SameFile(shown, graph)) {
    texts.note = "График не построен: файл изменился";
  } else if (!shown.HeaderRead()) {
    texts.note = "Размеры кадров неизвестны: заголовок не прочитан";
  } else if (shown.facts.frames == 0) {
    texts.note = "В файле нет кадров";
  } else if (!rate.complete) {
    texts.note =
        "Индекс кадров нарушен на кадре " + GroupDigits(frames + 1) +
        (frames == 0 ? ": размеров кадров нет" : ": график до кадра " + GroupDigits(frames));
  }
  return texts;
}

}  // namespace vintrel::data_rate_plot
