#include "app/folder_list.h"

#include <commctrl.h>

#include <string>

#include "app/folder_layout.h"
#include "ui/twips.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

// Dark red: readable on white, and plainly not the black of a whole file.
constexpr COLORREF kDamagedColor = RGB(192, 0, 0);

FolderColumn ColumnAt(int index) {
  const auto columns = folder_layout::Columns();
  return index >= 0 && static_cast<size_t>(index) < columns.size() ? columns[index].column
                                                                   : FolderColumn::file;
}

}  // namespace

void FolderList::Attach(HWND list, int dpi, std::span<const int> widths) {
  list_ = list;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
  const auto columns = folder_layout::Columns();
  for (size_t i = 0; i < columns.size(); ++i) {
    std::wstring title(FolderColumnTitle(columns[i].column));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = columns[i].number ? LVCFMT_RIGHT : LVCFMT_LEFT;
    column.cx =
        widths.size() == columns.size() ? widths[i] : ui::TwipsToPixels(columns[i].widthTwips, dpi);
    column.pszText = title.data();
    ListView_InsertColumn(list_, static_cast<int>(i), &column);
  }
  ListView_SetItemCountEx(list_, rows_.Count(), 0);
  ShowSortArrow();
}

std::vector<int> FolderList::Widths() const {
  std::vector<int> widths;
  for (size_t i = 0; i < folder_layout::Columns().size(); ++i)
    widths.push_back(ListView_GetColumnWidth(list_, static_cast<int>(i)));
  return widths;
}

void FolderList::Clear() {
  rows_.Clear();
  ListView_SetItemCountEx(list_, 0, 0);
}

void FolderList::Add(std::vector<FolderFile> files) {
  if (files.empty())
    return;
  // Only a selection needs following: the list keeps no other state of a row.
  int focused = -1;
  const bool selection = ListView_GetSelectedCount(list_) > 0;
  const std::vector<uint32_t> selected =
      selection ? SelectedIndexes(focused) : std::vector<uint32_t>{};
  bool moved = false;  // a file went in above others, which moved down
  for (FolderFile& file : files) {
    const size_t place = rows_.Add(std::move(file));
    moved |= place + 1 < rows_.Count();
  }
  ListView_SetItemCountEx(list_, rows_.Count(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  if (moved) {
    if (selection)
      Reselect(selected, focused, false);
    ::InvalidateRect(list_, nullptr, FALSE);
  }
}

std::vector<uint32_t> FolderList::SelectedIndexes(int& focused) const {
  std::vector<uint32_t> indexes;
  const int focus = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  focused = focus >= 0 && static_cast<size_t>(focus) < rows_.Count()
                ? static_cast<int>(rows_.IndexAt(focus))
                : -1;
  for (int at = -1; (at = ListView_GetNextItem(list_, at, LVNI_SELECTED)) >= 0;) {
    if (static_cast<size_t>(at) < rows_.Count())
      indexes.push_back(rows_.IndexAt(at));
  }
  return indexes;
}

void FolderList::Reselect(const std::vector<uint32_t>& indexes, int focused, bool show) {
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (const size_t place : rows_.PlacesOf(indexes))
    ListView_SetItemState(list_, static_cast<int>(place), LVIS_SELECTED, LVIS_SELECTED);
  if (focused < 0)
    return;
  const uint32_t index = static_cast<uint32_t>(focused);
  const int place = static_cast<int>(rows_.PlacesOf({&index, 1}).front());
  ListView_SetItemState(list_, place, LVIS_FOCUSED, LVIS_FOCUSED);
  if (show)
    ListView_EnsureVisible(list_, place, FALSE);
}

void FolderList::ShowSortArrow() {
  HWND header = ListView_GetHeader(list_);
  const FolderOrder order = rows_.Order();
  for (int i = 0; i < Header_GetItemCount(header); ++i) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, i, &item);
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (ColumnAt(i) == order.column)
      item.fmt |= order.ascending ? HDF_SORTUP : HDF_SORTDOWN;
    Header_SetItem(header, i, &item);
  }
}

bool FolderList::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != list_)
    return false;
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
      if (!(item.mask & LVIF_TEXT) || item.iItem < 0 ||
          static_cast<size_t>(item.iItem) >= rows_.Count() || item.cchTextMax <= 0)
        return true;
      const FolderFile& file = rows_.At(item.iItem);
      const FolderColumn column = ColumnAt(item.iSubItem);
      const std::wstring text =
          column == FolderColumn::file ? file.row.file : win::Widen(FolderCell(file, column));
      ::lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
      return true;
    }
    case NM_CUSTOMDRAW: {
      auto& draw = reinterpret_cast<NMLVCUSTOMDRAW&>(const_cast<NMHDR&>(header));
      result = CDRF_DODEFAULT;
      if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        result = CDRF_NOTIFYITEMDRAW;
      } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
                 draw.nmcd.dwItemSpec < rows_.Count() &&
                 rows_.At(draw.nmcd.dwItemSpec).row.verdict != FileVerdict::whole) {
        draw.clrText = kDamagedColor;
        result = CDRF_NEWFONT;
      }
      return true;
    }
    case LVN_COLUMNCLICK: {
      int focused = -1;
      const std::vector<uint32_t> selected = SelectedIndexes(focused);
      rows_.Click(ColumnAt(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem));
      Reselect(selected, focused, true);
      ShowSortArrow();
      ::InvalidateRect(list_, nullptr, FALSE);
      return true;
    }
    default:
      return false;
  }
}

const FolderFile* FolderList::Current() const {
  int at = ListView_GetNextItem(list_, -1, LVNI_FOCUSED | LVNI_SELECTED);
  if (at < 0)
    at = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  return at >= 0 && static_cast<size_t>(at) < rows_.Count() ? &rows_.At(at) : nullptr;
}

std::vector<const FolderFile*> FolderList::Selected() const {
  std::vector<const FolderFile*> files;
  for (int at = -1; (at = ListView_GetNextItem(list_, at, LVNI_SELECTED)) >= 0;) {
    if (static_cast<size_t>(at) < rows_.Count())
      files.push_back(&rows_.At(at));
  }
  return files;
}

void FolderList::SelectAll() {
  ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
}

}  // namespace vintrel
