#include "bink/bink_file.h"

#include <array>
#include <cstdio>
#include <memory>
#include <optional>

namespace vintrel {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

#ifdef _WIN32
FileHandle OpenForReading(const std::wstring& path) {
  return FileHandle(_wfopen(path.c_str(), L"rb"));
}
#else
// Wide characters here are whole code points; the file system takes UTF-8.
std::optional<std::string> ToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (const wchar_t ch : text) {
    const auto c = static_cast<uint32_t>(ch);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      return std::nullopt;  // no file can have such a name
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

FileHandle OpenForReading(const std::wstring& path) {
  const std::optional<std::string> narrow = ToUtf8(path);
  return FileHandle(narrow ? std::fopen(narrow->c_str(), "rb") : nullptr);
}
#endif

}  // namespace

HeaderReading readBinkHeader(const std::wstring& path) {
  if (path.find(L'\0') != std::wstring::npos) {
    return {};  // the system would open a file named by the text before it
  }
  std::array<uint8_t, kMaxHeaderBytes> buffer{};
  size_t count = 0;
  {
    const FileHandle file = OpenForReading(path);
    if (!file) {
      return {};
    }
    count = std::fread(buffer.data(), 1, buffer.size(), file.get());
    // A folder opens on some systems and fails only here.
    if (std::ferror(file.get())) {
      return {};
    }
  }

  const DecodedHeader decoded = decodeBinkHeader(std::span(buffer.data(), count));
  HeaderReading reading;
  reading.outcome = decoded.valid ? HeaderOutcome::valid : HeaderOutcome::notBink;
  reading.signatureText.assign(reinterpret_cast<const char*>(buffer.data()), 3);
  reading.header = decoded.header;
  return reading;
}

}  // namespace vintrel
