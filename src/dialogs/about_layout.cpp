#include "dialogs/about_layout.h"

#include "common/text.h"
#include "dialogs/author_contact.h"
#include "res/about_dialog_ids.h"

namespace vintrel::about_layout {
namespace {

using namespace about_ids;
using ui::ControlKind;
using ui::ControlSpec;
using ui::kCentered;

constexpr ControlKind kLabel = ControlKind::label;

constexpr wchar_t kDescription[] =
    L"Прога просматривает файлы формата *.bik от RAD Game Tools, Inc. за что им собсвенно и "
    L"спасибо. Всё просто: травишь прогу на файл, можно настроится, потом жмёшь смотреть. "
    L"Вот и всё.";

// The description was drawn 4215 twips wide from 120, past the client's right
// edge at 4200, so the ends of its wrapped lines were cut off; it ends at the
// edge instead. Narrower still, it would wrap into a fifth line, which its
// height cannot show. It ends where the row of "URL" begins: drawn 855 high,
// it covered two pixels of that row at 144 dpi.
constexpr int kDescriptionWidth = kClientWidthTwips - 120;
constexpr int kDescriptionHeight = 960 - 120;

// clang-format off
constexpr ControlSpec kControls[] = {
  // id              kind                 text                       tooltip                                                                         left, top, width, height           container tab flags
  {descriptionLabel, kLabel,              kDescription,              nullptr,                                                                         {120, 120, kDescriptionWidth, kDescriptionHeight}, 0, 0},
  {urlLabel,         kLabel,              L"URL",                    nullptr,                                                                         {240, 960, 375, 255},               0, 1},
  {emailLabel,       kLabel,              L"E-mail",                 nullptr,                                                                         {120, 1320, 495, 255},              0, 2},
  {emailLink,        kLabel,              author_contact::kEmail,    L"Написать благодарственное письмо разработчику или сообщить о найденных багах", {840, 1320, 1575, 255},             0, 3},
  {webPageLink,      kLabel,              author_contact::kWebPage,  L"Посетить страницу разработчика и скачать новую версию программы",              {720, 960, 1815, 255},              0, 4, kCentered},
  {okButton,         ControlKind::button, L"Ok",                     L"Всё понятно",                                                                  {3360, 1200, 735, 375},             0, 5},
};
// clang-format on

}  // namespace

std::span<const ui::ControlSpec> Controls() {
  return kControls;
}

std::wstring AboutCaption(std::wstring_view fileDescription, VersionNumbers version) {
  return L"О программе " + TitleWithVersion(fileDescription, version);
}

std::wstring MailtoTarget(std::wstring_view address, std::wstring_view title,
                          VersionNumbers version) {
  std::wstring target = L"mailto:";
  target += address;
  target += L"?Subject=О программе ";
  target += TitleWithVersion(UpperCase(title), version);
  target += L"  ";
  return target;
}

bool IsOpenableLink(std::wstring_view target) {
  for (const std::wstring_view scheme : {L"https:", L"mailto:"}) {
    if (target.size() > scheme.size() && EqualIgnoringCase(target.substr(0, scheme.size()), scheme))
      return true;
  }
  return false;
}

}  // namespace vintrel::about_layout
