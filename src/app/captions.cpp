#include "app/captions.h"

#include "common/text.h"

namespace vintrel {

std::wstring MainWindowCaption(std::wstring_view title, VersionNumbers version,
                               std::wstring_view companyName) {
  std::wstring caption = TitleWithVersion(UpperCase(title), version);
  caption += L"  ";
  caption += companyName;
  return caption;
}

std::wstring LoadStatusText(int number, std::wstring_view description) {
  std::wstring text = std::to_wstring(number);
  text += L"  ";
  text += description;
  return text;
}

std::wstring RecoveryStatusText(std::wstring_view description) {
  std::wstring text = L"Настройки восстановлены. Ошибка номер 13: ";
  text += description;
  return text;
}

}  // namespace vintrel
