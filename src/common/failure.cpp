#include "common/failure.h"

namespace vintrel {
namespace {

constexpr wchar_t kNotAssociated[] = L"Программа не ассоциирована с файлами расширения *.bik.\n\n";
constexpr wchar_t kNotDissociated[] = L"Связь программы с файлами расширения *.bik не удалена.\n\n";

}  // namespace

std::wstring FailureDescription(const Failure& failure) {
  const std::wstring& object = failure.object;
  switch (failure.kind) {
    case FailureKind::overflow:
      return L"Переполнение";
    case FailureKind::outOfMemory:
      return L"Недостаточно памяти";
    case FailureKind::typeMismatch:
      return L"Несоответствие типа";
    case FailureKind::libraryMissing:
      return L"Ошибка загрузки DLL " + object;
    case FailureKind::internal:
      return L"Внутренняя ошибка";
    case FailureKind::settingsFileUnavailable:
      return L"Файл настроек занят или недоступен: " + object;
    case FailureKind::invalidPropertyValue:
      return L"Недопустимое значение свойства";
    case FailureKind::noFileChosen:
      return L"Сначала необходимо выбрать файл.";
    case FailureKind::playerNotStarted:
      return L"Не удалось запустить проигрыватель " + object;
    case FailureKind::notAssociated:
      return kNotAssociated + (L"Не удалось записать раздел реестра " + object + L":");
    case FailureKind::percentInProgramPath:
      // The shell expands %1, %L, %* and %NAME% anywhere in the command.
      return kNotAssociated +
             (L"В пути к программе есть знак «%», который оболочка Windows заменила бы при "
              L"открытии файла:\n" +
              object + L"\nПереместите программу в папку, в пути к которой нет этого знака.");
    case FailureKind::notDissociated:
    case FailureKind::dissociationNeedsAdministrator:
      return kNotDissociated + (L"Не удалось удалить раздел реестра " + object + L":");
  }
  return L"Внутренняя ошибка";
}

std::wstring FailureText(const Failure& failure, std::wstring_view systemText) {
  if (const int number = FailureNumber(failure.kind))
    return L"Ошибка номер " + std::to_wstring(number) + L": " + FailureDescription(failure);
  std::wstring text = FailureDescription(failure);
  if (failure.systemCode != 0)
    text.append(L"\n").append(systemText);
  if (failure.kind == FailureKind::dissociationNeedsAdministrator)
    text +=
        L"\n\nЭта связь сделана для всех пользователей; удалить её можно только с правами "
        L"администратора.";
  return text;
}

}  // namespace vintrel
