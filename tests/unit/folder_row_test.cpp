#include "bink/folder_row.h"

#include <gtest/gtest.h>

#include "app/folder_layout.h"
#include "app/folder_rows.h"
#include "bik_maker.h"
#include "probes.h"
#include "res/folder_window_ids.h"

namespace vintrel {
namespace {

FolderFile Examined(const wchar_t* name, const std::string& bytes) {
  const BinkExamination file =
      ExamineBytes({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  return {FolderRowOf(name, file), file};
}

// Every field distinct; every tenth frame a keyframe.
const std::string whole = BikBytes({.frameCount = 1500,
                                    .maxFrameSize = 20000,
                                    .width = 640,
                                    .height = 480,
                                    .fpsNumerator = 30000,
                                    .fpsDenominator = 1001,
                                    .tracks = {{44100, kBikStereo, 4096}},
                                    .frameBytes = 8,
                                    .keyframeEvery = 10});

TEST(FolderRow, CellsAreBikinfosAndTheVerdictSaysTheFaultOnce) {
  const FolderFile files[] = {Examined(L"a.bik", whole),
                              Examined(L"b.bik", whole.substr(0, 2000)),
                              Examined(L"c.bik", "text"),
                              {FolderRowOf(L"d", Unreadable("нет")), Unreadable("нет")}};
  std::string cells;
  for (int column = 1; column < kFolderColumns; ++column)
    cells += FolderCell(files[0], FolderColumn(column)) + "|";
  EXPECT_EQ(cells, "BIKi|640x480|1 500|29.97|50.050|20 000|2 887|150|1|целый|");
  EXPECT_EQ(files[0].row.fileBytes, whole.size());
  EXPECT_EQ(files[0].row.frameRate, 30000.0 / 1001);
  const auto verdict = [](const FolderFile& f) { return FolderCell(f, FolderColumn::verdict); };
  EXPECT_EQ(verdict(files[1]).rfind("повреждён: обрезан: 2 000 байт из ", 0), 0u);
  EXPECT_EQ(files[1].row.verdict, FileVerdict::damaged);
  EXPECT_EQ(verdict(files[2]) + FolderCell(files[2], FolderColumn::frames),
            "не Bink: не видео Bink");
  EXPECT_EQ(verdict(files[3]), "не читается: нет");
  EXPECT_FALSE(files[3].row.fileBytes || files[2].row.frames);
}

TEST(FolderRow, ShownPathJoinsAsBikinfoDoes) {
  EXPECT_EQ(ShownPath(L"D:\\Видео", L"sub\\a.bik"), L"D:\\Видео\\sub\\a.bik");
  EXPECT_EQ(ShownPath(L"D:\\", L"a.bik"), L"D:\\a.bik");
  EXPECT_EQ(ShownPath(L"D:/v/", L"a.bik"), L"D:/v/a.bik");
  EXPECT_EQ(ShownPath(L"D:", L"a.bik"), L"D:a.bik");
  EXPECT_EQ(ShownPath(L".", L"a.bik"), L".\\a.bik");
  EXPECT_EQ(ShownPath(L"D:\\v", L""), L"D:\\v");
}

TEST(FolderRow, RowsKeepTheirOrderAsTheyComeAndWhenSorted) {
  FolderRows rows;
  const std::string text = "text";
  for (const wchar_t* name : {L"b.bik", L"d.bik", L"a.bik", L"c.bik"})
    rows.Add(Examined(name, name[0] == L'd' ? whole : text));
  EXPECT_EQ(rows.IndexAt(0), 2u);  // a.bik came third, and went first
  rows.Click(FolderColumn::verdict);
  EXPECT_EQ(rows.At(0).row.file, L"d.bik");
  EXPECT_EQ(rows.PlacesOf(std::vector<uint32_t>{0, 1}), (std::vector<size_t>{2, 0}));
  EXPECT_EQ(rows.Add(Examined(L"e.bik", whole)), 1u);
  EXPECT_EQ(rows.InReadingOrder()[4].row.file, L"e.bik");
  EXPECT_EQ(rows.Totals().damaged, 3u);
}

TEST(FolderRow, ListStretchesAndButtonsFollowTheCorner) {
  using folder_layout::Place;
  const auto list = Place(folder_ids::videoList, 96, 0, 0);
  EXPECT_EQ(Place(folder_ids::videoList, 96, 100, 50),
            (folder_layout::PixelRect{list.left, list.top, list.right + 100, list.bottom + 50}));
  const auto play = Place(folder_ids::playButton, 144, 0, 0);
  EXPECT_EQ(
      Place(folder_ids::playButton, 144, 30, -10),
      (folder_layout::PixelRect{play.left + 30, play.top - 10, play.right + 30, play.bottom - 10}));
}

}  // namespace
}  // namespace vintrel
