#include "app/info_panel.h"

#include "app/main_layout.h"
#include "bink/bink_read.h"
#include "bink/panel_text.h"
#include "dialogs/data_rate_graph.h"
#include "dialogs/message_box.h"
#include "res/main_window_ids.h"
#include "ui/controls.h"

namespace vintrel {
namespace {

using main_ids::Label;

constexpr wchar_t kNotBinkMessage[] = L"Файл не является правильным файлом Bink видео.";

void SetText(HWND window, int id, const std::wstring& text) {
  ::SetWindowTextW(::GetDlgItem(window, id), text.c_str());
}

}  // namespace

std::optional<BinkExamination> ShowFileInPanel(HWND window, const std::wstring& path,
                                               HICON programIcon) {
  SetText(window, main_ids::bikfile, path);
  // The details window's graph comes from this one reading of the index.
  BinkExamination file = ExamineBinkFile(path, DataRateGraphColumns(ui::ScreenDpi()));
  // The path stays in view so the user sees what was tried.
  if (!file.readable)
    return std::nullopt;

  SetText(window, Label(1), L"");
  SetText(window, Label(1), LeadingBytesText(file.leading));
  if (!file.IsBink()) {
    MsgBoxWithIcon(kNotBinkMessage, MB_OK | MB_ICONSTOP, kErrorTitle, programIcon);
    SetText(window, main_ids::bikfile, L"");
    SetText(window, Label(1), L"");
  }

  const PanelTexts texts = PanelTextsFor(file);
  SetText(window, Label(2), texts.frameType);
  SetText(window, Label(15), texts.maxFrameSize);
  SetText(window, Label(4), texts.height);
  SetText(window, Label(5), texts.width);
  SetText(window, Label(6), texts.frameCount);
  SetText(window, Label(7), texts.frameRate);

  for (const int id : main_layout::AudioGroup()) {
    ::EnableWindow(::GetDlgItem(window, id), texts.hasAudio ? TRUE : FALSE);
  }
  // Disabled or not, the audio labels show what the header says.
  SetText(window, Label(11), texts.channels);
  SetText(window, Label(12), texts.sampleBits);
  SetText(window, Label(13), texts.sampleRate);
  if (!file.IsBink())
    return std::nullopt;
  return file;
}

}  // namespace vintrel
