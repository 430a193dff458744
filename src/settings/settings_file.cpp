#include "settings/settings_file.h"

#include "settings/ini_file.h"
#include "settings/stored_number.h"

namespace vintrel::settings_file {
namespace {

// What `read` gives for the value under `key`, whose failure names the key.
template <typename Read>
auto ReadValue(const wchar_t* key, Read read) {
  try {
    return read(ini::Read(key));
  } catch (const AppError& error) {
    throw ValueError(error, key);
  }
}

}  // namespace

void Load(Options& options) {
  options = Options{};
  ini::CheckReadable();
  LoadStates(options);
  if (const auto text = ReadValue(kDisplayKey, DisplayTextForStored)) {
    options.displayText = *text;
    StoreDisplay(options);
  }
  if (const auto text = FrameRateTextForStored(ini::Read(kFrameRateKey))) {
    options.frameRateText = *text;
    StoreFrameRate(options);
  }
}

void LoadStates(Options& options) {
  // Stops at the first value that cannot be applied; the boxes after it keep
  // their state and the caller decides what the error means.
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    const int state = ReadValue(kOptions[i].key, [](const std::wstring& stored) {
      return CheckBoxState(ToInteger16(stored));
    });
    // Assigning a box its own state is no change, and stores nothing.
    if (state == options.states[i])
      continue;
    options.states[i] = state;
    StoreState(options, i);
  }
}

bool Recover() {
  bool written = true;
  for (const auto& [key, value] : kRecoveryFile) written = ini::Write(key, value) && written;
  return written;
}

void RewriteAndLoad(Options& options) {
  if (!Recover())
    throw errors::SettingsFileUnavailable(ini::FilePath());
  Load(options);
}

void Save(const Options& options) {
  StoreFrameRate(options);
  StoreDisplay(options);
}

void StoreState(const Options& options, std::size_t index) {
  if (const auto text = StoredTextForState(options.states[index]))
    ini::Write(kOptions[index].key, *text);
}

void StoreDisplay(const Options& options) {
  if (const auto stored = DisplayStoredForText(options.displayText))
    ini::Write(kDisplayKey, *stored);
}

void StoreFrameRate(const Options& options) {
  if (const auto stored = FrameRateStoredForText(options.frameRateText))
    ini::Write(kFrameRateKey, *stored);
}

}  // namespace vintrel::settings_file
