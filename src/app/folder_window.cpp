#include "app/folder_window.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "app/folder_layout.h"
#include "app/folder_list.h"
#include "app/folder_output.h"
#include "app/folder_scan.h"
#include "dialogs/message_box.h"
#include "res/folder_window_ids.h"
#include "ui/controls.h"
#include "ui/dialog.h"
#include "ui/twips.h"
#include "win/utf8.h"

namespace vintrel {
namespace {

using namespace folder_ids;

// Posted by the scan's thread whenever files are waiting.
constexpr UINT kFilesWaiting = WM_APP + 1;
// The list, its bar and its status line take new files at most this often
// (and at once at the end): drawing them for every file kept the window from
// answering, and slowed the scan by as much as it took.
constexpr UINT kRefreshMs = 100;
constexpr UINT_PTR kRefreshTimer = 1;

class FolderDialog final : public FolderWindow, public ui::ModelessDialog {
 public:
  FolderDialog(HICON bigIcon, HICON smallIcon, FolderActions actions)
      : bigIcon_(bigIcon), smallIcon_(smallIcon), actions_(std::move(actions)) {}
  // Closed while every member is still there for its last messages.
  ~FolderDialog() override { Close(); }

  bool Open(const std::wstring& folder) override {
    folder_ = folder;
    if (!hwnd() && !Create(nullptr, {L"",
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                         WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                                     WS_EX_APPWINDOW, folder_layout::kClientWidthTwips,
                                     folder_layout::kClientHeightTwips, folder_layout::Controls(),
                                     bigIcon_, smallIcon_}))
      return false;
    ::SetWindowTextW(hwnd(), (L"Папка с видео — " + folder_).c_str());
    Scan();
    ::ShowWindow(hwnd(), ::IsIconic(hwnd()) ? SW_RESTORE : SW_SHOW);
    ::SetForegroundWindow(hwnd());
    return true;
  }

  void Close() override {
    if (hwnd())
      End(IDCANCEL);
  }

 protected:
  bool OnInit() override {
    const int dpi = Pixels(ui::kTwipsPerInch);
    // The session's column widths are kept in pixels of the DPI they were set at.
    list_.Attach(Item(videoList), dpi, dpi == session_.dpi ? session_.widths : std::vector<int>{});
    ::SendMessageW(Item(withSubfoldersBox), BM_SETCHECK, recursive_ ? BST_CHECKED : BST_UNCHECKED,
                   0);
    RECT frame{};
    ::GetWindowRect(hwnd(), &frame);
    if (dpi == session_.dpi && session_.width > 0)
      frame = {0, 0, session_.width, session_.height};
    FitOnScreen(frame.right - frame.left, frame.bottom - frame.top);
    Arrange();
    ::SetFocus(Item(videoList));
    return false;
  }

  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
    switch (message) {
      case kFilesWaiting:
        if (wParam == 1) {  // the end
          ::KillTimer(hwnd(), kRefreshTimer);
          refreshDue_ = false;
          TakeFiles();
        } else if (!refreshDue_) {
          const DWORD since = ::GetTickCount() - lastRefresh_;
          if (since >= kRefreshMs) {
            TakeFiles();
          } else {
            refreshDue_ = true;
            ::SetTimer(hwnd(), kRefreshTimer, kRefreshMs - since, nullptr);
          }
        }
        return true;
      case WM_TIMER:
        ::KillTimer(hwnd(), kRefreshTimer);
        refreshDue_ = false;
        TakeFiles();
        return true;
      case WM_SIZE:
        Arrange();
        return true;
      case WM_GETMINMAXINFO: {
        // Never so small that controls would lie over each other.
        RECT frame{0, 0, Pixels(folder_layout::kMinClientWidthTwips),
                   Pixels(folder_layout::kMinClientHeightTwips)};
        ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(hwnd(), GWL_STYLE)), FALSE,
                             static_cast<DWORD>(::GetWindowLongW(hwnd(), GWL_EXSTYLE)));
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
        result = 0;
        return true;
      }
      case WM_DESTROY:
        Remember();
        return false;
      default:
        return false;
    }
  }

  bool OnButtonClicked(int id, HWND control) override {
    switch (id) {
      case withSubfoldersBox:
        recursive_ = ::SendMessageW(control, BM_GETCHECK, 0, 0) != BST_CHECKED;
        ::SendMessageW(control, BM_SETCHECK, recursive_ ? BST_CHECKED : BST_UNCHECKED, 0);
        Scan();
        return true;
      case playButton:
        Act(actions_.play, true);
        return true;
      case saveCsvButton:
        SaveCsvFile();
        return true;
      default:
        return ModelessDialog::OnButtonClicked(id, control);
    }
  }

  // Enter on the list, or on no button.
  void OnOK() override { Act(actions_.show, false); }

  bool OnNotify(int id, const NMHDR& header, LRESULT& result) override {
    if (id != videoList)
      return false;
    if (header.code == NM_DBLCLK) {
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0)
        Act(actions_.show, false);
      return true;
    }
    if (header.code == LVN_KEYDOWN && ::GetKeyState(VK_CONTROL) < 0) {
      const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
      if (key == 'C')
        CopyRows();
      else if (key == 'A')
        list_.SelectAll();
      return key == 'C' || key == 'A';
    }
    return list_.OnNotify(header, result);
  }

  void OnDestroyed() override {
    scan_.reset();
    list_.Clear();
  }

 private:
  void Scan() {
    ::KillTimer(hwnd(), kRefreshTimer);
    refreshDue_ = false;
    scan_.reset();
    list_.Clear();
    finished_ = false;
    // Keys would go nowhere from a button no longer enabled.
    if (::GetFocus() == Item(saveCsvButton))
      ::SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(videoList)), TRUE);
    ::EnableWindow(Item(saveCsvButton), FALSE);
    ::SendMessageW(Item(progressBar), PBM_SETPOS, 0, 0);
    ::SetWindowTextW(Item(summaryLabel), L"");
    scan_ = std::make_unique<FolderScan>(folder_, recursive_, hwnd(), kFilesWaiting);
  }

  void TakeFiles() {
    if (!scan_ || finished_)
      return;
    lastRefresh_ = ::GetTickCount();
    FolderScan::Batch batch = scan_->Take();
    list_.Add(std::move(batch.files));
    const int found = static_cast<int>(std::min<uint64_t>(batch.found, INT_MAX));
    const int done = static_cast<int>(std::min<uint64_t>(batch.done, INT_MAX));
    ::SendMessageW(Item(progressBar), PBM_SETRANGE32, 0,
                   batch.finished ? std::max(found, 1) : found);
    ::SendMessageW(Item(progressBar), PBM_SETPOS, batch.finished ? std::max(found, 1) : done, 0);
    std::wstring summary = list_.Rows().Count() == 0 && batch.finished
                               ? L"В папке нет видео Bink"
                               : win::Widen(FolderSummary(list_.Rows().Totals()));
    if (batch.failed)
      summary += L"; просмотр прерван: не хватило памяти";
    else if (!batch.finished)
      summary += L" …";
    ::SetWindowTextW(Item(summaryLabel), summary.c_str());
    if (batch.finished) {
      finished_ = true;
      ::EnableWindow(Item(saveCsvButton), TRUE);
    }
  }

  std::wstring PathOf(const FolderFile& file) const { return ShownPath(folder_, file.row.file); }

  // A folder's row is no file to show or play.
  void Act(const std::function<void(const std::wstring&)>& action, bool evenWithNone) {
    const FolderFile* file = list_.Current();
    if (file && file->IsFolderFailure())
      ::MessageBeep(MB_OK);
    else if (file || evenWithNone)
      action(file ? PathOf(*file) : std::wstring());
  }

  void CopyRows() const {
    if (const auto files = list_.Selected(); !files.empty())
      CopyText(hwnd(), FolderTable(folder_, files));
  }

  void SaveCsvFile() {
    const auto path = AskCsvPath(hwnd(), folder_);
    if (!path)
      return;
    const auto failure = WriteWholeFile(*path, FolderCsv(folder_, list_.Rows().InReadingOrder()));
    if (failure)
      ShowMessage(L"Не удалось записать файл " + *path + L"\n" + *failure, kErrorTitle);
  }

  void Arrange() {
    if (!Item(videoList))
      return;  // the dialog manager sizes the window before its controls are there
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    const int grownX = client.right - Pixels(folder_layout::kClientWidthTwips);
    const int grownY = client.bottom - Pixels(folder_layout::kClientHeightTwips);
    for (const ui::ControlSpec& spec : folder_layout::Controls()) {
      const folder_layout::PixelRect at =
          folder_layout::Place(spec.id, Pixels(ui::kTwipsPerInch), grownX, grownY);
      ::SetWindowPos(Item(spec.id), nullptr, at.left, at.top, at.right - at.left,
                     at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::InvalidateRect(hwnd(), nullptr, TRUE);
  }

  // Centred in the screen's work area, and no larger, whatever the DPI
  // makes of the drawing.
  void FitOnScreen(int width, int height) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    width = std::min<int>(width, work.right - work.left);
    height = std::min<int>(height, work.bottom - work.top);
    ::SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, width, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Remember() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(hwnd(), &placement);
    const RECT& normal = placement.rcNormalPosition;
    session_ = {Pixels(ui::kTwipsPerInch), normal.right - normal.left, normal.bottom - normal.top,
                list_.Widths()};
  }

  HICON bigIcon_;
  HICON smallIcon_;
  FolderActions actions_;
  std::wstring folder_;
  bool recursive_ = false;
  bool finished_ = false;
  bool refreshDue_ = false;
  DWORD lastRefresh_ = 0;
  FolderList list_;
  std::unique_ptr<FolderScan> scan_;
  struct Session {
    int dpi = 0;
    int width = 0, height = 0;  // of the window, restored or not
    std::vector<int> widths;    // of the columns
  } session_;
};

}  // namespace

std::unique_ptr<FolderWindow> FolderWindow::Make(HICON bigIcon, HICON smallIcon,
                                                 FolderActions actions) {
  return std::make_unique<FolderDialog>(bigIcon, smallIcon, std::move(actions));
}

}  // namespace vintrel
