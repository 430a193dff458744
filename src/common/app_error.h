#pragma once
#include <exception>
#include <string>
#include <utility>

namespace vintrel {

// A numbered failure with a description in the interface's language. The
// main window's load reports it as "<number>  <description>", and the settings
// recovery is keyed on the number, so both halves are part of the contract.
class AppError : public std::exception {
 public:
  AppError(int number, std::wstring description)
      : number_(number), description_(std::move(description)) {}

  int number() const noexcept { return number_; }
  const std::wstring& description() const noexcept { return description_; }
  const char* what() const noexcept override { return "vintrel::AppError"; }

 private:
  int number_;
  std::wstring description_;
};

namespace errors {

inline constexpr int kOverflow = 6;
inline constexpr int kOutOfMemory = 7;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kDllLoad = 48;
inline constexpr int kInternal = 51;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kInvalidPropertyValue = 380;

inline AppError Overflow() {
  return AppError(kOverflow, L"Переполнение");
}
inline AppError OutOfMemory() {
  return AppError(kOutOfMemory, L"Недостаточно памяти");
}
inline AppError TypeMismatch() {
  return AppError(kTypeMismatch, L"Несоответствие типа");
}
inline AppError InvalidPropertyValue() {
  return AppError(kInvalidPropertyValue, L"Недопустимое значение свойства");
}
inline AppError DllLoad(const std::wstring& library) {
  return AppError(kDllLoad, L"Ошибка загрузки DLL " + library);
}
inline AppError Internal() {
  return AppError(kInternal, L"Внутренняя ошибка");
}
inline AppError SettingsFileUnavailable(const std::wstring& path) {
  return AppError(kPermissionDenied, L"Файл настроек занят или недоступен: " + path);
}

}  // namespace errors

// How a failure is put to the user in a message box: both number and words.
inline std::wstring LoadErrorText(const AppError& error) {
  return L"Ошибка номер " + std::to_wstring(error.number()) + L": " + error.description();
}

}  // namespace vintrel
