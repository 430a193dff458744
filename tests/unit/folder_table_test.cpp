#include "bink/folder_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vintrel {
namespace {

TEST(FolderTable, ColumnsSortNumbersAsNumbersThenTheVerdict) {
  using enum FileVerdict;
  const auto row = [](const wchar_t* name, uint64_t frames, double rate, uint32_t w, uint32_t h) {
    return FolderRow{.file = name, .width = w, .height = h, .frames = frames, .frameRate = rate};
  };
  // In the order a scan might find them; x is not Bink, z unreadable.
  std::vector<FolderRow> found = {
      {.file = L"z.bik", .verdict = unreadable}, row(L"Я.bik", 100, 30, 1280, 720),
      row(L"б.bik", 10, 25, 320, 240),           row(L"B.bik", 2, 29.97, 480, 640),
      {.file = L"x.bik", .verdict = notBink},    row(L"a.bik", 10, 30, 640, 480)};
  found[1].verdict = found[3].verdict = damaged;
  found[1].problem = "длиннее заявленного", found[3].problem = "обрезан";
  struct Case {
    FolderColumn column;
    bool ascending;
    std::wstring order;  // first letters of the names
  } cases[] = {
      {FolderColumn::file, true, L"aBxzбЯ"},      {FolderColumn::file, false, L"ЯбzxBa"},
      {FolderColumn::frames, true, L"BaбЯxz"},    {FolderColumn::frames, false, L"ЯaбBxz"},
      {FolderColumn::frameRate, true, L"бBaЯxz"}, {FolderColumn::size, true, L"бBaЯxz"},
      {FolderColumn::verdict, true, L"aбЯBxz"},   {FolderColumn::verdict, false, L"zxBЯaб"},
  };
  for (const Case& c : cases) {
    std::vector<FolderRow> rows = found;
    std::stable_sort(rows.begin(), rows.end(), FolderOrder{c.column, c.ascending});
    std::wstring order;
    for (const FolderRow& row : rows) order += row.file[0];
    EXPECT_EQ(order, c.order) << int(c.column) << (c.ascending ? " up" : " down");
  }
  const FolderOrder byFrames = FolderOrder{}.Clicked(FolderColumn::frames);
  EXPECT_TRUE(byFrames.ascending && !byFrames.Clicked(FolderColumn::frames).ascending);
  EXPECT_TRUE(byFrames.Clicked(FolderColumn::frames).Clicked(FolderColumn::file).ascending);
}

TEST(FolderTable, SummaryCountsInRussian) {
  std::string plurals;
  for (const uint64_t n : {0, 1, 4, 5, 11, 14, 21, 22, 101, 111})
    plurals += std::string(RussianPlural(n, "файл", "файла", "файлов")) + " ";
  EXPECT_EQ(plurals, "файлов файл файла файлов файлов файлов файл файла файл файлов ");
  EXPECT_EQ(FolderSummary({214, 2254857830, 3}), "214 файлов, 2,1 ГБ, 3 повреждены");
  FolderTotals totals;
  totals.Add({.file = L"a.bik", .fileBytes = 1000});
  totals.Add({.file = L"b.bik", .verdict = FileVerdict::unreadable});
  EXPECT_EQ(FolderSummary(totals), "2 файла, 1,0 КБ, 1 повреждён");
}

}  // namespace
}  // namespace vintrel
