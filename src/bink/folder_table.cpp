#include "bink/folder_table.h"

#include <compare>
#include <utility>

#include "bink/data_rate.h"
#include "common/text.h"

namespace vintrel {
namespace {

int Sign(std::partial_ordering order) {
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Where a UTF-16 unit's character stands among code points: the surrogates
// (characters past U+FFFF) go after U+E000..U+FFFF.
uint32_t CodePointOrder(wchar_t c) {
  const uint32_t unit = static_cast<uint32_t>(c);
  if (sizeof(wchar_t) == 2 && unit >= 0xD800) {
    return unit >= 0xE000 ? unit - 0x800 : unit + 0x2000;
  }
  return unit;
}

int CompareNames(std::wstring_view a, std::wstring_view b) {
  for (const bool ignoreCase : {true, false}) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
      const wchar_t x = ignoreCase ? UpperCaseLetter(a[i]) : a[i];
      const wchar_t y = ignoreCase ? UpperCaseLetter(b[i]) : b[i];
      if (x != y) {
        return CodePointOrder(x) < CodePointOrder(y) ? -1 : 1;
      }
    }
    if (a.size() != b.size()) {
      return a.size() < b.size() ? -1 : 1;
    }
  }
  return 0;
}

// Values present compare in the direction asked; an absent one goes last.
template <typename T>
int CompareValues(const std::optional<T>& a, const std::optional<T>& b, bool ascending) {
  if (a && b) {
    const int order = Sign(*a <=> *b);
    return ascending ? order : -order;
  }
  return a ? -1 : b ? 1 : 0;
}

std::optional<std::pair<uint64_t, uint32_t>> PictureSize(const FolderRow& row) {
  if (!row.width || !row.height) {
    return std::nullopt;
  }
  return std::pair{uint64_t{*row.width} * *row.height, *row.width};
}

int CompareColumn(const FolderRow& a, const FolderRow& b, FolderColumn column, bool ascending) {
  switch (column) {
    case FolderColumn::file:
      return 0;
    case FolderColumn::format:
      if (a.format.empty() || b.format.empty()) {
        return int{a.format.empty()} - int{b.format.empty()};
      }
      return Sign(a.format <=> b.format) * (ascending ? 1 : -1);
    case FolderColumn::size:
      return CompareValues(PictureSize(a), PictureSize(b), ascending);
    case FolderColumn::frames:
      return CompareValues(a.frames, b.frames, ascending);
    case FolderColumn::frameRate:
      return CompareValues(a.frameRate, b.frameRate, ascending);
    case FolderColumn::duration:
      return CompareValues(a.durationMs, b.durationMs, ascending);
    case FolderColumn::largestFrame:
      return CompareValues(a.largestFrame, b.largestFrame, ascending);
    case FolderColumn::bitrate:
      return CompareValues(a.bitrate, b.bitrate, ascending);
    case FolderColumn::keyframes:
      return CompareValues(a.keyframes, b.keyframes, ascending);
    case FolderColumn::tracks:
      return CompareValues(a.tracks, b.tracks, ascending);
    case FolderColumn::verdict: {
      // UTF-8 bytes compare in code point order.
      const int order =
          a.verdict != b.verdict ? Sign(a.verdict <=> b.verdict) : Sign(a.problem <=> b.problem);
      return ascending ? order : -order;
    }
  }
  return 0;
}

}  // namespace

int CompareRows(const FolderRow& a, const FolderRow& b, FolderColumn column, bool ascending) {
  if (const int order = CompareColumn(a, b, column, ascending); order != 0) {
    return order;
  }
  const int names = CompareNames(a.file, b.file);
  return column == FolderColumn::file && !ascending ? -names : names;
}

void FolderTotals::Add(const FolderRow& row) {
  ++files;
  bytes += row.fileBytes.value_or(0);
  damaged += row.verdict != FileVerdict::whole;
}

std::string FolderSummary(const FolderTotals& totals) {
  const auto count = [](uint64_t n, std::string_view one, std::string_view few,
                        std::string_view many) {
    return std::to_string(n) + " " + std::string(RussianPlural(n, one, few, many));
  };
  std::string line = count(totals.files, "файл", "файла", "файлов") + ", " + SizeText(totals.bytes);
  if (totals.damaged > 0) {
    line += ", " + count(totals.damaged, "повреждён", "повреждены", "повреждены");
  }
  return line;
}

std::string_view RussianPlural(uint64_t n, std::string_view one, std::string_view few,
                               std::string_view many) {
  const uint64_t tens = n % 100;
  if (tens >= 11 && tens <= 14) {
    return many;
  }
  const uint64_t last = n % 10;
  return last == 1 ? one : last >= 2 && last <= 4 ? few : many;
}

}  // namespace vintrel
