#include "dialogs/details_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialogs/data_rate_graph.h"
#include "dialogs/details_layout.h"
#include "res/details_window_ids.h"
#include "ui/controls.h"
#include "ui/modal.h"

namespace vintrel {
namespace {

class DetailsWindow : public ui::ModalWindow {
 public:
  void Show(HWND owner, HICON icon, const std::wstring& path, const BinkExamination& file) {
    const Frame frame{L"VintrelDetailsWindow",
                      WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                      WS_EX_WINDOWEDGE,
                      owner,
                      details_layout::kClientWidthTwips,
                      details_layout::kClientHeightTwips,
                      icon,
                      icon};
    if (!Create(frame))
      return;
    ::SetWindowTextW(hwnd(), L"Сведения о файле");
    controls_.Build(hwnd(), details_layout::Controls());
    Fill(details_layout::Rows(ui::Narrow(path), file));
    ShowDataRate(hwnd(), path, file);
    RunModal();
  }

 protected:
  HWND InitialFocus() const override { return Item(details_ids::List); }

  void OnCommand(int id, int code, HWND) override {
    // Esc, Enter in the list, and the button all close the window.
    if (id == IDCANCEL || id == IDOK || (id == details_ids::Close && code == BN_CLICKED))
      EndModal();
  }

 private:
  void Fill(const std::vector<details_layout::Row>& rows) {
    HWND list = Item(details_ids::List);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
    // Each column's title first, then its texts, row by row. Wine's header
    // clips a title to its measured width, which for some texts comes out a
    // pixel short of the letters drawn ("Свойствс"); a trailing blank gives
    // the last letter its room and shows nowhere.
    std::vector<std::wstring> columns[2] = {{L"Свойство "}, {L"Значение "}};
    for (const details_layout::Row& row : rows) {
      columns[0].push_back(ui::Widen(row.label));
      columns[1].push_back(ui::Widen(row.value));
    }
    for (int i = 0; i < 2; ++i) {
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT;
      column.pszText = columns[i][0].data();
      ListView_InsertColumn(list, i, &column);
    }
    for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = index;
      item.pszText = columns[0][index + 1].data();
      ListView_InsertItem(list, &item);
      ListView_SetItemText(list, index, 1, columns[1][index + 1].data());
    }
    // Every title and text fits its column, measured by the list in the font
    // it draws with at this window's DPI. The values take the rest of the
    // width, or more with a scroll bar.
    FitColumn(list, 0, columns[0], LVSCW_AUTOSIZE_USEHEADER);
    FitColumn(list, 1, columns[1], LVSCW_AUTOSIZE);
    RECT client{};
    ::GetClientRect(list, &client);
    const int rest =
        client.right - ListView_GetColumnWidth(list, 0) - ::GetSystemMetrics(SM_CXVSCROLL);
    if (ListView_GetColumnWidth(list, 1) < rest)
      ListView_SetColumnWidth(list, 1, rest);
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  }

  // The list's own fit, widened where its measure falls short of the widest
  // text and the margins around it (as Wine's does by a few pixels).
  void FitColumn(HWND list, int column, const std::vector<std::wstring>& texts, int fit) const {
    ListView_SetColumnWidth(list, column, fit);
    int width = ListView_GetColumnWidth(list, column);
    for (const std::wstring& text : texts) {
      width = std::max(
          width, ListView_GetStringWidth(list, text.c_str()) + controls_.Pixels(kTextMarginsTwips));
    }
    ListView_SetColumnWidth(list, column, width);
  }

  // Both margins of a header title or of a label, with a pixel or two to spare.
  static constexpr int kTextMarginsTwips = 240;

  ui::ControlSet controls_;
};

}  // namespace

void ShowFileDetails(HWND owner, HICON icon, const std::wstring& path,
                     const BinkExamination& file) {
  DetailsWindow window;
  window.Show(owner, icon, path, file);
}

}  // namespace vintrel
