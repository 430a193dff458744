#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "app/folder_rows.h"

namespace vintrel {

// The folder window's list: a report view whose rows are drawn straight from
// the files held here, never copied into it. Damaged and unreadable files
// are drawn in their own colour; a click on a column's title sorts by it,
// and the title shows the direction. The selection follows the files when
// they move.
class FolderList {
 public:
  // `widths` in pixels, one per column; empty for the layout's own at `dpi`.
  void Attach(HWND list, int dpi, std::span<const int> widths);
  std::vector<int> Widths() const;

  void Clear();
  void Add(std::vector<FolderFile> files);
  // The list's own notifications: the texts, the colours, the sort. True
  // when handled, with the result.
  bool OnNotify(const NMHDR& header, LRESULT& result);

  // The row that Enter, a double click and "Смотреть" act on: the focused
  // one when it is selected, else the first selected; null for none.
  const FolderFile* Current() const;
  std::vector<const FolderFile*> Selected() const;  // in the list's order
  void SelectAll();
  const FolderRows& Rows() const { return rows_; }

 private:
  std::vector<uint32_t> SelectedIndexes(int& focused) const;
  // Selects the files read `indexes`th, wherever they are now.
  void Reselect(const std::vector<uint32_t>& indexes, int focused, bool show);
  void ShowSortArrow();

  HWND list_ = nullptr;
  FolderRows rows_;
};

}  // namespace vintrel
