#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "settings/settings_dialog.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace vintrel {

// The main window: the current file, the four buttons, the information
// panel and the status line. It owns the settings window's lifetime.
class MainWindow : public ui::Window {
 public:
  MainWindow();
  ~MainWindow() override;

  bool Create();
  // The load sequence: caption, stored options under an error trap, the
  // status line, the settings recovery, then the command line. Returns true
  // when a file named there was played, and the program is to end now.
  bool Load(std::wstring_view arguments);

  std::wstring CurrentFile() const;
  void SetCurrentFile(const std::wstring& path);
  void SetStatus(const std::wstring& text);
  HICON ProgramIcon() const;
  SettingsDialog& settings() { return settings_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void MakeRoomForStatusBar();
  void ApplyStoredOptions();
  void OnCommand(int id);
  void Unload();

  ui::ControlSet controls_;
  SettingsDialog settings_;
  ui::UniqueIcon bigIcon_;
  ui::UniqueIcon smallIcon_;
  ui::UniqueIcon programIcon_;
  HWND lastFocus_ = nullptr;
};

// The program's icon, as the hidden picture box of the main window holds it;
// every message box of the program shows it.
HICON ProgramIcon();

}  // namespace vintrel
