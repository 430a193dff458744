#pragma once
// A failure as a value: what kind it is, the system's error code where the
// system refused, and the object it concerns. Modules return one (or throw
// one as an AppError, within the settings load); the window that asked shows
// it. The words for every kind are in failure.cpp, and nowhere else.
#include <string>
#include <string_view>
#include <utility>

namespace vintrel {

enum class FailureKind {
  // Numbered: the user sees the number on the status line of the settings
  // load ("6  Переполнение") and in "Ошибка номер 6: Переполнение".
  overflow,  // a stored number outside -32768..32767
  outOfMemory,
  typeMismatch,    // a stored text that must be a number is none
  libraryMissing,  // object: the system library
  internal,
  settingsFileUnavailable,  // object: the settings file's path
  invalidPropertyValue,     // a stored box state other than 0, 1 and 2
  // In words alone.
  noFileChosen,
  playerNotStarted,                // object: the player's path
  notAssociated,                   // object: the registry key not written
  percentInProgramPath,            // object: the program's path
  notDissociated,                  // object: the registry key not deleted
  dissociationNeedsAdministrator,  // as notDissociated, in every user's store
};

struct Failure {
  Failure(FailureKind kind, unsigned long systemCode = 0, std::wstring object = {})
      : kind(kind), systemCode(systemCode), object(std::move(object)) {}
  bool operator==(const Failure&) const = default;

  FailureKind kind;
  unsigned long systemCode;  // 0 when the system did not refuse
  std::wstring object;       // what it concerns: a path, a key, a library
};

// The number a numbered kind is shown with; 0 for the others.
constexpr int FailureNumber(FailureKind kind) {
  switch (kind) {
    case FailureKind::overflow:
      return 6;
    case FailureKind::outOfMemory:
      return 7;
    case FailureKind::typeMismatch:
      return 13;
    case FailureKind::libraryMissing:
      return 48;
    case FailureKind::internal:
      return 51;
    case FailureKind::settingsFileUnavailable:
      return 70;
    case FailureKind::invalidPropertyValue:
      return 380;
    default:
      return 0;
  }
}

// The failure in words, without its number or the system's words:
// "Переполнение", "Файл настроек занят или недоступен: C:\windows\vintrel.ini".
std::wstring FailureDescription(const Failure& failure);

// What a message box says: "Ошибка номер 6: Переполнение" for a numbered
// failure; for the others their words, then `systemText` (the system's own
// text for systemCode) when the system refused, that is when the code is
// not 0.
std::wstring FailureText(const Failure& failure, std::wstring_view systemText = {});

}  // namespace vintrel
