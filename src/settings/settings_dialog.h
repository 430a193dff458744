#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "ui/controls.h"
#include "ui/window.h"

namespace vintrel {

// The settings window "Настройки". While it is loaded its controls are the
// program's working copy of the playback options; the file is read at every
// load and written at every change and every unload.
class SettingsDialog : public ui::Window {
 public:
  // The main window, which the settings window stays in front of.
  void SetOwner(HWND owner) { owner_ = owner; }

  bool IsLoaded() const { return IsCreated(); }

  // Creates the window hidden and runs the load step. Throws AppError when a
  // stored value cannot be applied; the window then stays loaded with the
  // controls read so far, as start-up expects. No-op when already loaded.
  void Load();
  // Loads if needed, then shows the window modally until it is unloaded.
  void ShowModal();
  // Runs the close step (stores "fe", then "de") and destroys the window.
  void Unload();
  // Destroys the window without storing anything: used after a failed load,
  // so half-read controls never overwrite what the file holds.
  void Discard();

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
  void OnCommand(int id, int code, HWND control);
  void StoreOption(int id);
  void StoreDisplay();
  void StoreFrameRate();

  HWND owner_ = nullptr;
  ui::ControlSet controls_;
};

}  // namespace vintrel
