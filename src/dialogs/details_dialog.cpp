#include "dialogs/details_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/data_rate_graph.h"
#include "dialogs/details_layout.h"
#include "res/details_window_ids.h"
#include "ui/dialog.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

// Both margins of a header title or of a label, with a pixel or two to spare.
constexpr int kTextMarginsTwips = 240;

// The list's own fit, widened where its measure falls short of the widest
// text and the margins around it (as Wine's does by a few pixels).
void FitColumn(HWND list, int column, const std::vector<std::wstring>& texts, int fit,
               int margins) {
  ListView_SetColumnWidth(list, column, fit);
  int width = ListView_GetColumnWidth(list, column);
  for (const std::wstring& text : texts)
    width = std::max(width, ListView_GetStringWidth(list, text.c_str()) + margins);
  ListView_SetColumnWidth(list, column, width);
}

// Esc, Enter, "Закрыть" and the close box all end it: the dialog manager's
// IDOK and IDCANCEL, and the button's own click.
class DetailsDialog : public ui::ModalDialog {
 public:
  DetailsDialog(const std::wstring& path, const BinkExamination& file) : path_(path), file_(file) {
    const std::vector<details_layout::Row> rows = details_layout::Rows(win::Narrow(path), file);
    // Each column's title first, then its texts, row by row. Wine's header
    // clips a title to its measured width, which for some texts comes out a
    // pixel short of the letters drawn ("Свойствс"); a trailing blank gives
    // the last letter its room and shows nowhere.
    columns_[0] = {L"Свойство "};
    columns_[1] = {L"Значение "};
    for (const details_layout::Row& row : rows) {
      columns_[0].push_back(win::Widen(row.label));
      columns_[1].push_back(win::Widen(row.value));
    }
  }

  void Show(HWND owner, HICON icon) {
    Run(owner, {L"Сведения о файле", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                WS_EX_WINDOWEDGE, details_layout::kClientWidthTwips,
                details_layout::kClientHeightTwips, details_layout::Controls(), icon, icon});
  }

 protected:
  // The list is first in keyboard order, so the dialog manager focuses it.
  bool OnInit() override {
    HWND list = Item(details_ids::factsList);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 2; ++i) {
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT;
      column.pszText = columns_[i][0].data();
      ListView_InsertColumn(list, i, &column);
    }
    for (int row = 1; row < static_cast<int>(columns_[0].size()); ++row) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = row - 1;
      item.pszText = columns_[0][row].data();
      ListView_InsertItem(list, &item);
      ListView_SetItemText(list, row - 1, 1, columns_[1][row].data());
    }
    FitColumns();
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ShowDataRate(hwnd(), path_, file_);
    return true;
  }

  void OnDpiChanged() override { FitColumns(); }

  bool OnButtonClicked(int id, HWND control) override {
    if (id != details_ids::closeButton)
      return ModalDialog::OnButtonClicked(id, control);
    OnOK();
    return true;
  }

 private:
  // Every title and text fits its column, measured by the list in the font
  // it draws with at this window's DPI. The values take the rest of the
  // width, or more with a scroll bar.
  void FitColumns() {
    HWND list = Item(details_ids::factsList);
    FitColumn(list, 0, columns_[0], LVSCW_AUTOSIZE_USEHEADER, Pixels(kTextMarginsTwips));
    FitColumn(list, 1, columns_[1], LVSCW_AUTOSIZE, Pixels(kTextMarginsTwips));
    RECT client{};
    ::GetClientRect(list, &client);
    const int rest =
        client.right - ListView_GetColumnWidth(list, 0) - ::GetSystemMetrics(SM_CXVSCROLL);
    if (ListView_GetColumnWidth(list, 1) < rest)
      ListView_SetColumnWidth(list, 1, rest);
  }

  const std::wstring& path_;
  const BinkExamination& file_;
  std::vector<std::wstring> columns_[2];
};

}  // namespace

void ShowFileDetails(HWND owner, HICON icon, const std::wstring& path,
                     const BinkExamination& file) {
  DetailsDialog dialog(path, file);
  dialog.Show(owner, icon);
}

}  // namespace vintrel
