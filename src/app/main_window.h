#pragma once
#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/folder_window.h"
#include "bink/bink_examine.h"
#include "settings/settings_values.h"
#include "ui/program_icons.h"
#include "ui/window.h"

namespace vintrel {

// The main window: the current file, the four buttons, the information
// panel and the status line. Its handlers wire the modules together.
class MainWindow : public ui::Window {
 public:
  explicit MainWindow(const ui::ProgramIcons& icons) : icons_(icons) {}

  bool Create();
  // The load sequence: caption, stored options under an error trap, the
  // status line, the settings recovery, then the command line. Returns true
  // when a file named there was played, and the program is to end now.
  bool Load(std::wstring_view arguments);
  bool TranslateKey(const MSG& msg) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(int id, int code, HWND control) override;
  void OnClose() override;
  // The status bar's font may need more room at the new DPI.
  void OnDpiChanged() override { MakeRoomForStatusBar(); }

 private:
  void MakeRoomForStatusBar();
  void SetStatus(const std::wstring& text);
  HICON ProgramIcon() const { return icons_.program.get(); }
  // Start-up's options if they are still held, else the file's read afresh.
  // A value that cannot be applied brings the offer to write the usual
  // settings over the file; nothing (after saying why) when the file cannot
  // be read or written, or the user keeps it as it is.
  std::optional<Options> TakeOptions();

  void Browse();
  void Drop(HDROP drop);
  void ShowFile(const std::wstring& path);
  void ShowPanelMenu(LPARAM at);
  void CopyFacts();
  void Play();
  void PlayPath(const std::wstring& file);
  void EditSettings();
  // The folder window, for a folder dropped, named on the command line or
  // chosen from the panel's menu (main_window_folder.cpp).
  bool OpenIfFolder(const std::wstring& path);
  void OpenFolder(const std::wstring& folder);
  void ChooseFolder();

  const ui::ProgramIcons& icons_;
  // Start-up's load, kept for the first play or settings window and stored
  // at the close if neither came. Held only when the whole file was read:
  // half-read options are neither played nor stored.
  std::optional<Options> startupOptions_;
  // The Bink file the panel shows, for the copy and the details window.
  std::optional<BinkExamination> current_;
  std::wstring currentPath_;
  // Where the open dialog starts: the folder of the last file chosen or
  // dropped, for the rest of the run.
  std::wstring lastFolder_;
  std::unique_ptr<FolderWindow> folder_;
};

}  // namespace vintrel
