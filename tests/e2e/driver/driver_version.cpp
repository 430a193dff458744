#include "driver.h"

namespace vintrel::e2e {

namespace {

std::wstring StringValue(const std::vector<BYTE>& block, const wchar_t* translation,
                         const wchar_t* name) {
  const std::wstring query = std::wstring(L"\\StringFileInfo\\") + translation + L"\\" + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || !value)
    return {};
  std::wstring text(static_cast<const wchar_t*>(value), length);
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text;
}

}  // namespace

VersionInfo ReadVersionInfo(const std::filesystem::path& file) {
  const std::wstring path = file.wstring();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0)
    throw Failure(ToUtf8(path) + " has no version information");
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data())) {
    throw Failure("cannot read the version information of " + ToUtf8(path));
  }

  VersionInfo info;
  void* fixed = nullptr;
  UINT length = 0;
  if (VerQueryValueW(block.data(), L"\\", &fixed, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
    const auto* v = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    info.major = HIWORD(v->dwFileVersionMS);
    info.minor = LOWORD(v->dwFileVersionMS);
    info.build = HIWORD(v->dwFileVersionLS);
    info.revision = LOWORD(v->dwFileVersionLS);
  }

  // The strings live under the block's first language and code page.
  struct Translation {
    WORD language;
    WORD codePage;
  };
  void* translations = nullptr;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translations, &length) ||
      length < sizeof(Translation)) {
    throw Failure(ToUtf8(path) + " has no version translation table");
  }
  const auto* t = static_cast<const Translation*>(translations);
  wchar_t key[16];
  swprintf(key, std::size(key), L"%04x%04x", t->language, t->codePage);
  info.companyName = StringValue(block, key, L"CompanyName");
  info.fileDescription = StringValue(block, key, L"FileDescription");
  info.fileVersionText = StringValue(block, key, L"FileVersion");
  return info;
}

}  // namespace vintrel::e2e
