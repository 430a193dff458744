#include <fstream>
#include <sstream>

#include "driver.h"

namespace fs = std::filesystem;

namespace vintrel::e2e {

fs::path ExeFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0)
      throw Failure("GetModuleFileNameW failed");
    if (n < path.size()) {
      path.resize(n);
      return fs::path(path).parent_path();
    }
    path.resize(path.size() * 2);
  }
}

std::string ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in)
    throw Failure("cannot read " + ToUtf8(file.wstring()));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteBytes(const fs::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out)
    throw Failure("cannot write " + ToUtf8(file.wstring()));
}

namespace {

bool StartsWith(std::string_view line, std::string_view prefix, std::wstring& rest) {
  if (line.substr(0, prefix.size()) != prefix)
    return false;
  rest = ToWide(line.substr(prefix.size()));
  return true;
}

}  // namespace

std::vector<PlayerRecord> ParsePlayerLog(std::string_view utf8) {
  std::vector<PlayerRecord> records;
  std::optional<PlayerRecord> open;
  size_t pos = 0;
  while (pos < utf8.size()) {
    size_t end = utf8.find('\n', pos);
    if (end == std::string_view::npos)
      end = utf8.size();
    const std::string_view line = utf8.substr(pos, end - pos);
    pos = end + 1;
    std::wstring rest;
    if (line == "--- start") {
      open.emplace();
    } else if (!open) {
      continue;  // a torn record
    } else if (line == "--- end") {
      records.push_back(std::move(*open));
      open.reset();
    } else if (StartsWith(line, "command line: ", rest)) {
      open->commandLine = rest;
    } else if (StartsWith(line, "working folder: ", rest)) {
      open->workingFolder = rest;
    } else if (StartsWith(line, "arg: ", rest)) {
      open->args.push_back(rest);
    }
  }
  return records;
}

TestFolder::TestFolder(std::wstring_view testName, std::wstring_view appFolder) {
  const fs::path bin = ExeFolder();
  // Forward slashes are not separators for every Windows API (the open-file
  // dialog rejects them), so keep paths in their preferred form.
  root_ = (bin.parent_path() / L"e2e-work" / fs::path(testName)).make_preferred();
  app_ = (root_ / fs::path(appFolder)).make_preferred();
  std::error_code ignored;
  fs::remove_all(root_, ignored);
  fs::create_directories(app_);
  // The stand-in player goes where the real one would: vintrel.dll in the
  // program's folder.
  fs::copy_file(bin / L"vintrel.exe", Exe(), fs::copy_options::overwrite_existing);
  fs::copy_file(bin / L"standin_player.exe", Player(), fs::copy_options::overwrite_existing);
}

fs::path TestFolder::AddFile(const fs::path& relative, std::string_view bytes) const {
  const fs::path file = (root_ / relative).make_preferred();
  fs::create_directories(file.parent_path());
  WriteBytes(file, bytes);
  return file;
}

std::vector<PlayerRecord> TestFolder::PlayerRecords() const {
  std::error_code error;
  if (!fs::exists(PlayerLog(), error))
    return {};
  return ParsePlayerLog(ReadBytes(PlayerLog()));
}

std::vector<PlayerRecord> TestFolder::WaitForPlayerRecords(size_t count, Millis timeout) const {
  std::vector<PlayerRecord> records;
  if (!WaitUntil([&] { return (records = PlayerRecords()).size() >= count; }, timeout)) {
    throw Failure("the player logged " + std::to_string(records.size()) + " start(s), expected " +
                  std::to_string(count));
  }
  return records;
}

}  // namespace vintrel::e2e
