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

std::wstring RecoveryStatusText(int number, std::wstring_view description) {
  std::wstring text = L"Настройки восстановлены. Ошибка номер " + std::to_wstring(number) + L": ";
  text += description;
  return text;
}

std::wstring RewriteOfferText(std::wstring_view key, std::wstring_view path,
                              std::wstring_view errorText) {
  std::wstring text = L"Не удаётся прочитать значение «";
  text.append(key).append(L"» из файла настроек ").append(path).append(L".\n");
  text.append(errorText).append(L"\n\nЗаписать в файл обычные настройки?");
  return text;
}

}  // namespace vintrel
