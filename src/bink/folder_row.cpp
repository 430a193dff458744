#include "bink/folder_row.h"

#include <array>

#include "bink/bink_index.h"
#include "bink/bink_report.h"

namespace vintrel {
namespace {

bool IsSeparator(wchar_t c) {
  return c == L'\\' || c == L'/';
}

// "не читается: не читается: …" says one thing twice: a problem that starts
// with its verdict stands alone.
std::string VerdictCell(const BinkExamination& file) {
  const std::string verdict = Verdict(file);
  if (file.problem.empty() || file.problem.starts_with(verdict))
    return file.problem.empty() ? verdict : file.problem;
  return verdict + ": " + file.problem;
}

}  // namespace

FolderRow FolderRowOf(std::wstring relative, const BinkExamination& file) {
  FolderRow row{.file = std::move(relative)};
  if (file.IsBink())
    row.format = SignatureText(file);
  if (file.readable)
    row.fileBytes = file.fileSize;
  if (file.HeaderRead()) {
    const BinkFacts& f = file.facts;
    row.width = f.width;
    row.height = f.height;
    row.frames = f.frames;
    row.frameRate = f.FrameRate();
    row.durationMs = f.DurationMs();
    row.largestFrame = f.largestFrame;
    row.bitrate = f.Bitrate(file.fileSize);
    row.keyframes = file.keyframes;
    row.tracks = f.tracks.size();
  }
  row.verdict = !file.readable   ? FileVerdict::unreadable
                : !file.IsBink() ? FileVerdict::notBink
                : file.Whole()   ? FileVerdict::whole
                                 : FileVerdict::damaged;
  row.problem = file.problem;
  return row;
}

std::string FolderCell(const FolderFile& entry, FolderColumn column) {
  const BinkExamination& file = entry.file;
  const BinkFacts& f = file.facts;
  if (column == FolderColumn::verdict)
    return VerdictCell(file);
  if (column == FolderColumn::format)
    return entry.row.format;
  if (!file.HeaderRead())
    return {};
  switch (column) {
    case FolderColumn::size:
      return std::to_string(f.width) + "x" + std::to_string(f.height);
    case FolderColumn::frames:
      return GroupDigits(f.frames);
    case FolderColumn::frameRate:
      return DecimalRate(f);
    case FolderColumn::duration:
      return Seconds(f.DurationMs());
    case FolderColumn::largestFrame:
      return GroupDigits(f.largestFrame);
    case FolderColumn::bitrate:
      return GroupDigits(f.Bitrate(file.fileSize));
    case FolderColumn::keyframes:
      return GroupDigits(file.keyframes);
    case FolderColumn::tracks:
      return std::to_string(f.tracks.size());
    default:
      return {};
  }
}

std::wstring_view FolderColumnTitle(FolderColumn column) {
  static constexpr std::array<std::wstring_view, kFolderColumns> kTitles = {
      L"Файл",       L"Формат", L"Размер",   L"Кадры", L"К/с", L"Длит., с",
      L"Наиб. кадр", L"Бит/с",  L"Ключевых", L"Дор.",  L"Итог"};
  return kTitles[static_cast<size_t>(column)];
}

std::wstring ShownPath(std::wstring_view folder, std::wstring_view relative) {
  std::wstring shown(folder);
  if (relative.empty())
    return shown;
  const bool driveAlone = folder.size() == 2 && folder[1] == L':';
  if (!folder.empty() && !IsSeparator(folder.back()) && !driveAlone)
    shown += L'\\';
  return shown += relative;
}

BinkExamination NoVideosInFolder() {
  BinkExamination none;
  none.problem = "в папке нет видео Bink";
  none.problemKind = ProblemKind::noVideos;
  return none;
}

}  // namespace vintrel
