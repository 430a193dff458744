#include "app/captions.h"

#include "app/text.h"

namespace vintrel {
namespace {

std::wstring TitleWithVersion(std::wstring_view name, VersionNumbers version) {
  std::wstring text(name);
  text += L" ver ";
  text += VersionText(version);
  return text;
}

}  // namespace

std::wstring VersionText(VersionNumbers version) {
  return std::to_wstring(version.major) + L'.' + std::to_wstring(version.minor) + L'.' +
         std::to_wstring(version.revision);
}

std::wstring MainWindowCaption(std::wstring_view title, VersionNumbers version,
                               std::wstring_view companyName) {
  std::wstring caption = TitleWithVersion(UpperCase(title), version);
  caption += L"  ";
  caption += companyName;
  return caption;
}

std::wstring AboutCaption(std::wstring_view fileDescription, VersionNumbers version) {
  return L"О программе " + TitleWithVersion(fileDescription, version);
}

std::wstring MailtoTarget(std::wstring_view address, std::wstring_view title,
                          VersionNumbers version) {
  std::wstring target = L"mailto:";
  target += address;
  target += L"?Subject=О программе ";
  target += TitleWithVersion(UpperCase(title), version);
  target += L"  ";
  return target;
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
