#include "app/info_panel.h"

#include "app/main_layout.h"
#include "bink/bink_file.h"
#include "bink/panel_text.h"
#include "dialogs/message_box.h"
#include "res/main_window_ids.h"

namespace vintrel {
namespace {

using main_ids::Label;

constexpr wchar_t kNotBinkMessage[] = L"Файл не является правильным файлом Bink видео.";

wchar_t DecimalSeparator() {
  wchar_t separator[4] = {};
  if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) > 0 && separator[0]) {
    return separator[0];
  }
  return L'.';
}

void SetText(HWND window, int id, const std::wstring& text) {
  ::SetWindowTextW(::GetDlgItem(window, id), text.c_str());
}

}  // namespace

void ShowFileInPanel(HWND window, const std::wstring& path, HICON programIcon) {
  SetText(window, main_ids::bikfile, path);
  const HeaderReading reading = readBinkHeader(path);
  // The path stays in view so the user sees what was tried.
  if (reading.outcome == HeaderOutcome::unreadable)
    return;

  SetText(window, Label(1), L"");
  SetText(window, Label(1), SignatureText(reading.signatureText));
  BinkHeader header = reading.header;
  if (reading.outcome == HeaderOutcome::notBink) {
    MsgBoxWithIcon(kNotBinkMessage, MB_OK | MB_ICONSTOP, kErrorTitle, programIcon);
    SetText(window, main_ids::bikfile, L"");
    SetText(window, Label(1), L"");
    header = BinkHeader{};
  }

  const PanelTexts texts = PanelTextsFor(header, DecimalSeparator());
  SetText(window, Label(2), texts.frameType);
  SetText(window, Label(15), texts.maxFrameSize);
  SetText(window, Label(4), texts.height);
  SetText(window, Label(5), texts.width);
  SetText(window, Label(6), texts.frameCount);
  SetText(window, Label(7), texts.frameRate);

  for (const int id : main_layout::AudioGroup()) {
    ::EnableWindow(::GetDlgItem(window, id), header.hasAudio ? TRUE : FALSE);
  }
  // Disabled or not, the audio labels show what the header says.
  SetText(window, Label(11), texts.channels);
  SetText(window, Label(12), texts.sampleBits);
  SetText(window, Label(13), texts.sampleRate);
}

}  // namespace vintrel
