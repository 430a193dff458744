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

constexpr wchar_t kNotBinkMessage[] = L"Файл не является правильным файлом Bink видео.";

void SetText(HWND window, int id, const std::wstring& text) {
  ::SetWindowTextW(::GetDlgItem(window, id), text.c_str());
}

}  // namespace

std::optional<BinkExamination> ShowFileInPanel(HWND window, const std::wstring& path) {
  SetText(window, main_ids::filePathBox, path);
  // The details window's graph comes from this one reading of the index.
  BinkExamination file = ExamineBinkFile(path, DataRateGraphColumns(ui::ScreenDpi()));
  // The path stays in view so the user sees what was tried.
  if (!file.readable)
    return std::nullopt;

  SetText(window, main_ids::formatValue, L"");
  SetText(window, main_ids::formatValue, LeadingBytesText(file.leading));
  if (!file.IsBink()) {
    ShowMessage(kNotBinkMessage, kErrorTitle);
    SetText(window, main_ids::filePathBox, L"");
    SetText(window, main_ids::formatValue, L"");
  }

  const PanelTexts texts = PanelTextsFor(file);
  SetText(window, main_ids::frameTypeValue, texts.frameType);
  SetText(window, main_ids::largestFrameValue, texts.maxFrameSize);
  SetText(window, main_ids::heightValue, texts.height);
  SetText(window, main_ids::widthValue, texts.width);
  SetText(window, main_ids::frameCountValue, texts.frameCount);
  SetText(window, main_ids::frameRateValue, texts.frameRate);

  for (const int id : main_layout::AudioControls()) {
    ::EnableWindow(::GetDlgItem(window, id), texts.hasAudio ? TRUE : FALSE);
  }
  // Disabled or not, the audio labels show what the header says.
  SetText(window, main_ids::channelsValue, texts.channels);
  SetText(window, main_ids::sampleBitsValue, texts.sampleBits);
  SetText(window, main_ids::sampleRateValue, texts.sampleRate);
  if (!file.IsBink())
    return std::nullopt;
  return file;
}

}  // namespace vintrel
