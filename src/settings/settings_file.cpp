#include "settings/settings_file.h"

#include "common/app_error.h"
#include "settings/ini_file.h"
#include "settings/stored_number.h"

namespace vintrel {
namespace {

// What `read` makes of the text under `key`; its refusal, named by the key.
template <typename Read>
auto ReadValue(const wchar_t* key, Read read) {
  try {
    return read(ini::Read(key));
  } catch (const AppError& error) {
    throw AppError(Failure(error.failure().kind, 0, key));
  }
}

// Stops at the first value that cannot be applied; the boxes after it keep
// their state.
void ReadBoxes(Options& options) {
  for (std::size_t row = 0; row < kOptions.size(); ++row) {
    const int state = ReadValue(kOptions[row].key, [](const std::wstring& stored) {
      return CheckBoxState(ToInteger16(stored));
    });
    // Assigning a box its own state is no change, and stores nothing.
    if (state == options.states[row])
      continue;
    options.states[row] = state;
    options.StoreBox(row);
  }
}

void ReadLists(Options& options) {
  if (const auto text = ReadValue(kDisplayKey, DisplayTextForStored)) {
    options.displayText = *text;
    options.StoreDisplay();
  }
  if (const auto text = FrameRateTextForStored(ini::Read(kFrameRateKey))) {
    options.frameRateText = *text;
    options.StoreFrameRate();
  }
}

// The load's steps, with the first refusal as a value.
template <typename Steps>
std::optional<Failure> Loaded(Steps steps) {
  try {
    steps();
    return std::nullopt;
  } catch (const AppError& error) {
    return error.failure();
  }
}

}  // namespace

std::optional<Failure> Options::Load() {
  *this = Options{};
  if (auto unreadable = ini::CheckReadable())
    return unreadable;
  return Loaded([this] {
    ReadBoxes(*this);
    ReadLists(*this);
  });
}

void Options::Save() const {
  StoreFrameRate();
  StoreDisplay();
}

void Options::StoreBox(std::size_t row) const {
  if (const auto text = StoredTextForState(states[row]))
    ini::Write(kOptions[row].key, *text);
}

void Options::StoreDisplay() const {
  if (const auto stored = DisplayStoredForText(displayText))
    ini::Write(kDisplayKey, *stored);
}

void Options::StoreFrameRate() const {
  if (const auto stored = FrameRateStoredForText(frameRateText))
    ini::Write(kFrameRateKey, *stored);
}

namespace settings_file {

std::optional<Failure> LoadAtStart(Options& options) {
  if (auto failure = options.Load())
    return failure;
  return Loaded([&options] { ReadBoxes(options); });
}

std::optional<Failure> Recover() {
  bool written = true;
  for (const auto& [key, value] : kRecoveryFile) written = ini::Write(key, value) && written;
  if (!written)
    return Failure{FailureKind::settingsFileUnavailable, 0, ini::FilePath()};
  return std::nullopt;
}

}  // namespace settings_file
}  // namespace vintrel
