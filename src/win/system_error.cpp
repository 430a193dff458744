#include "win/system_error.h"

#include <windows.h>

namespace vintrel::win {

std::wstring SystemErrorText(unsigned long code) {
  wchar_t* buffer = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text = L"(" + std::to_wstring(code) + L")";
  if (length && buffer) {
    std::wstring message(buffer, length);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' ')) {
      message.pop_back();
    }
    text += L" " + message;
  }
  if (buffer)
    ::LocalFree(buffer);
  return text;
}

}  // namespace vintrel::win
