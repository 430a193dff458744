#pragma once
#include <exception>
#include <string>
#include <utility>

#include "common/failure.h"

namespace vintrel {

// A failure thrown instead of returned: by the stored numbers' conversions,
// whose first refusal abandons the rest of a settings load, and by what only
// the program's last-resort report at a window procedure can show.
class AppError : public std::exception {
 public:
  explicit AppError(Failure failure) : failure_(std::move(failure)) {}

  const Failure& failure() const noexcept { return failure_; }
  int number() const noexcept { return FailureNumber(failure_.kind); }
  std::wstring description() const { return FailureDescription(failure_); }
  const char* what() const noexcept override { return "vintrel::AppError"; }

 private:
  Failure failure_;
};

namespace errors {

inline constexpr int kOverflow = FailureNumber(FailureKind::overflow);
inline constexpr int kTypeMismatch = FailureNumber(FailureKind::typeMismatch);
inline constexpr int kInvalidPropertyValue = FailureNumber(FailureKind::invalidPropertyValue);

inline AppError Overflow() {
  return AppError(FailureKind::overflow);
}
inline AppError OutOfMemory() {
  return AppError(FailureKind::outOfMemory);
}
inline AppError TypeMismatch() {
  return AppError(FailureKind::typeMismatch);
}
inline AppError InvalidPropertyValue() {
  return AppError(FailureKind::invalidPropertyValue);
}
inline AppError DllLoad(const std::wstring& library) {
  return AppError(Failure(FailureKind::libraryMissing, 0, library));
}
inline AppError Internal() {
  return AppError(FailureKind::internal);
}

}  // namespace errors

// How a thrown failure is put to the user in a message box.
inline std::wstring LoadErrorText(const AppError& error) {
  return FailureText(error.failure());
}

}  // namespace vintrel
