#include "common/version.h"

namespace vintrel {

std::wstring VersionText(VersionNumbers version) {
  return std::to_wstring(version.major) + L'.' + std::to_wstring(version.minor) + L'.' +
         std::to_wstring(version.revision);
}

std::wstring TitleWithVersion(std::wstring_view name, VersionNumbers version) {
  std::wstring text(name);
  text += L" ver ";
  text += VersionText(version);
  return text;
}

}  // namespace vintrel
