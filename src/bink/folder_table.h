#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vintrel {

// The folder list's columns: the file, then those of bikinfo's table.
enum class FolderColumn {
  file,
  format,
  size,  // of the picture, width x height
  frames,
  frameRate,
  duration,
  largestFrame,
  bitrate,
  keyframes,
  tracks,
  verdict,
};

// Whole files first, then the others by how little of them could be read.
enum class FileVerdict { whole, damaged, notBink, unreadable };

// One file of the folder, as already examined. A number the file does not
// give (its header could not be read) is empty.
struct FolderRow {
  std::wstring file{};   // relative to the folder
  std::string format{};  // "BIKi", as UTF-8; empty when the file is not Bink video
  std::optional<uint64_t> fileBytes{};
  std::optional<uint32_t> width{};
  std::optional<uint32_t> height{};
  std::optional<uint64_t> frames{};
  std::optional<double> frameRate{};
  std::optional<uint64_t> durationMs{};
  std::optional<uint64_t> largestFrame{};
  std::optional<uint64_t> bitrate{};
  std::optional<uint64_t> keyframes{};
  std::optional<uint64_t> tracks{};
  FileVerdict verdict = FileVerdict::whole;
  std::string problem{};  // UTF-8; empty for a whole file
};

// Negative when `a` goes before `b` in the list sorted by `column`, positive
// when after, 0 only for rows alike in that column and in the file name.
// - The file name compares letter by letter ignoring case (UpperCaseLetter),
//   by code point, then exactly.
// - Numbers compare as numbers; the picture size by its area, then width.
// - The format compares as text.
// - The verdict puts whole files first, then damaged ones by their problem,
//   then files that are not Bink video, then unreadable ones.
// - A row without the column's value (no header read, no format) goes last
//   in either direction, like the blanks of a spreadsheet: a reversed list
//   starts with the largest values, not with the files that have none.
// - Rows equal in the column follow the file name, ascending in either
//   direction, so that the order never depends on the order of reading.
// Usable as a list view's sort callback's result.
int CompareRows(const FolderRow& a, const FolderRow& b, FolderColumn column, bool ascending);

// How the list is sorted; also the "less" of std::stable_sort.
struct FolderOrder {
  FolderColumn column = FolderColumn::file;
  bool ascending = true;

  bool operator()(const FolderRow& a, const FolderRow& b) const {
    return CompareRows(a, b, column, ascending) < 0;
  }
  // A click on a header: the sorted column again reverses the order, another
  // column sorts by itself from the smallest.
  FolderOrder Clicked(FolderColumn clicked) const {
    return {clicked, clicked == column ? !ascending : true};
  }
};

// What the status line sums up; rows are added as they are read. Every file
// that is not whole Bink video counts as damaged, the unreadable ones too;
// a file whose size is unknown adds none.
struct FolderTotals {
  uint64_t files = 0;
  uint64_t bytes = 0;
  uint64_t damaged = 0;

  void Add(const FolderRow& row);
};

// "214 файлов, 2,1 ГБ, 3 повреждены"; with no damaged file the last part is
// left out: "1 файл, 512 Б".
std::string FolderSummary(const FolderTotals& totals);

// The Russian form of a noun after the number n: `one` for 1, 21, 101;
// `few` for 2-4, 22-24; `many` for 0, 5-20, 25-30, 111-114.
std::string_view RussianPlural(uint64_t n, std::string_view one, std::string_view few,
                               std::string_view many);

}  // namespace vintrel
