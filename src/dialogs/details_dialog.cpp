#include "dialogs/details_dialog.h"

#include <commctrl.h>

#include <algorithm>

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
    const wchar_t* titles[] = {L"Свойство", L"Значение"};
    for (int i = 0; i < 2; ++i) {
      LVCOLUMNW column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = const_cast<wchar_t*>(titles[i]);
      column.cx = controls_.Pixels(details_layout::kLabelColumnTwips);
      ListView_InsertColumn(list, i, &column);
    }
    int index = 0;
    for (const details_layout::Row& row : rows) {
      std::wstring label = ui::Widen(row.label);
      std::wstring value = ui::Widen(row.value);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = index;
      item.pszText = label.data();
      ListView_InsertItem(list, &item);
      ListView_SetItemText(list, index, 1, value.data());
      ++index;
    }
    // The values take the rest of the width, or more with a scroll bar.
    RECT client{};
    ::GetClientRect(list, &client);
    ListView_SetColumnWidth(list, 1, LVSCW_AUTOSIZE);
    const int rest =
        client.right - ListView_GetColumnWidth(list, 0) - ::GetSystemMetrics(SM_CXVSCROLL);
    if (ListView_GetColumnWidth(list, 1) < rest)
      ListView_SetColumnWidth(list, 1, rest);
    ListView_SetItemState(list, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
  }

  ui::ControlSet controls_;
};

}  // namespace

void ShowFileDetails(HWND owner, HICON icon, const std::wstring& path,
                     const BinkExamination& file) {
  DetailsWindow window;
  window.Show(owner, icon, path, file);
}

}  // namespace vintrel
