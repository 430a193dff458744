#include "settings/settings_values.h"

#include "common/app_error.h"

namespace vintrel {

int CheckBoxState(int16_t stored) {
  if (stored < 0 || stored > 2)
    throw errors::InvalidPropertyValue();
  return stored;
}

std::optional<std::wstring> StoredTextForState(int state) {
  switch (state) {
    case 0:
      return L"0";
    case 1:
      return L"1";
    default:
      return std::nullopt;
  }
}

std::optional<int> DisplayIndexForText(std::wstring_view text) {
  for (const DisplayEntry& entry : kDisplayEntries) {
    if (text == entry.text)
      return entry.index;
  }
  return std::nullopt;
}

std::optional<std::wstring> DisplayStoredForText(std::wstring_view text) {
  const std::optional<int> index = DisplayIndexForText(text);
  if (!index)
    return std::nullopt;
  return std::to_wstring(*index);
}

std::optional<std::wstring> DisplayTextForStored(std::wstring_view stored) {
  const double value = ToNumber(stored);
  for (const DisplayEntry& entry : kDisplayEntries) {
    if (value == entry.index)
      return entry.text;
  }
  return std::nullopt;
}

const FrameRateEntry* FrameRateForText(std::wstring_view text) {
  for (const FrameRateEntry& entry : kFrameRateEntries) {
    if (text == entry.text)
      return &entry;
  }
  return nullptr;
}

std::optional<std::wstring> FrameRateTextForStored(std::wstring_view stored) {
  for (const FrameRateEntry& entry : kFrameRateEntries) {
    if (stored == entry.stored)
      return entry.text;
  }
  return std::nullopt;
}

std::optional<std::wstring> FrameRateStoredForText(std::wstring_view text) {
  if (const FrameRateEntry* entry = FrameRateForText(text))
    return entry->stored;
  return std::nullopt;
}

}  // namespace vintrel
