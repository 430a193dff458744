#include "ui/version_info.h"

#include <windows.h>

#include <vector>

#include "ui/program_location.h"

namespace vintrel::ui {
namespace {

std::wstring QueryString(const std::vector<BYTE>& block, const wchar_t* language,
                         const wchar_t* name) {
  std::wstring query = std::wstring(L"\\StringFileInfo\\") + language + L"\\" + name;
  void* value = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), query.c_str(), &value, &length) || !value || length == 0) {
    return {};
  }
  std::wstring text(static_cast<const wchar_t*>(value), length);
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

ProgramIdentity ReadProgramIdentity() {
  ProgramIdentity identity;
  const std::wstring path = ProgramExecutablePath();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0)
    return identity;
  std::vector<BYTE> block(size);
  if (!::GetFileVersionInfoW(path.c_str(), 0, size, block.data()))
    return identity;

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedLength = 0;
  if (::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength) &&
      fixed && fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
    identity.version = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                        LOWORD(fixed->dwFileVersionLS)};
  }

  struct Translation {
    WORD language;
    WORD codePage;
  };
  Translation* translations = nullptr;
  UINT translationBytes = 0;
  wchar_t language[16] = L"041904B0";
  if (::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translations), &translationBytes) &&
      translations && translationBytes >= sizeof(Translation)) {
    wsprintfW(language, L"%04x%04x", translations[0].language, translations[0].codePage);
  }
  identity.companyName = QueryString(block, language, L"CompanyName");
  const std::wstring description = QueryString(block, language, L"FileDescription");
  if (!description.empty())
    identity.fileDescription = description;
  return identity;
}

}  // namespace vintrel::ui
