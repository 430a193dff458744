#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings_values.h"
#include "ui/controls.h"
#include "ui/unique_handle.h"
#include "ui/window.h"

namespace vintrel {

// The settings window "Настройки". While it is loaded its controls are the
// program's working copy of the playback options; the file is read at every
// load and written at every change and every unload.
//
// Loaded is a state, not a window: start-up loads it and every play loads,
// reads and unloads it, but only "Настройки" shows it. So the states and list
// texts live here, and the window and its controls are built from them when
// it is shown: building them costs more than the rest of a start-up or play.
class SettingsDialog : public ui::Window {
 public:
  // The main window, which the settings window stays in front of.
  void SetOwner(HWND owner) { owner_ = owner; }

  bool IsLoaded() const { return loaded_; }

  // Runs the load step; the window itself is built only when shown. Throws
  // AppError when a stored value cannot be applied; the dialog then stays
  // loaded with the values read so far, as start-up expects. No-op when
  // already loaded.
  void Load();
  // Loads if needed, then shows the window modally until it is unloaded.
  void ShowModal();
  // Runs the close step (stores "fe", then "de") and destroys the window.
  void Unload();
  // Destroys the window without storing anything: used after a failed load,
  // so half-read controls never overwrite what the file holds.
  void Discard();
  // After a failed load at start-up the recovery rewrote the file with the
  // defaults the unread controls show; from now on they may be stored.
  void AcceptRecoveredDefaults();

  // Option states (0 cleared, 1 checked, 2 greyed) by key ("re", "pe", ...).
  int OptionState(std::wstring_view key) const;
  // Assigns a state as start-up does; loads the window first if needed.
  // Throws AppError 380 for a state other than 0, 1, 2. A change runs the
  // box's storing step, exactly like a click.
  void SetOptionState(std::wstring_view key, int state);
  std::wstring DisplayText() const;    // text of "de1"
  std::wstring FrameRateText() const;  // text of "fe"

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void RunLoadStep();
  // Builds the window and its controls from the loaded state.
  bool Realize();
  std::wstring ListText(int id) const;
  void OnCommand(int id, int code, HWND control);
  void StoreOption(int id);
  void StoreDisplay();
  void StoreFrameRate();
  void OnActivate(bool active);
  void OnDestroyed() override;
  void FillLists();
  void UseClassicFrames();
  void SetListText(int id, const std::wstring& text);
  void AssignState(int id, int state);
  void OnOptionClicked(int id);
  void Dismiss();

  HWND owner_ = nullptr;
  bool loaded_ = false;
  std::array<int, kOptions.size()> states_{};  // in the order of kOptions
  std::wstring displayText_;                   // of "de1" while there is no window
  std::wstring frameRateText_;                 // of "fe" while there is no window
  std::optional<ui::ControlSet> controls_;     // one per load: it holds that window's font
  ui::UniqueIcon smallIcon_;
  HWND lastFocus_ = nullptr;
  // Whether the close step may store: only what the file said (or what the
  // recovery wrote) may go back, never the designed texts of a half load.
  bool mayStore_ = false;
  bool modal_ = false;
  bool settingText_ = false;  // a text the program sets is not the user's typing
};

}  // namespace vintrel
