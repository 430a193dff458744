#include "ui/program_icons.h"

#include "res/resource_ids.h"

namespace vintrel::ui {
namespace {

win::UniqueIcon LoadIconSized(int id, int sizeMetric) {
  const int size = ::GetSystemMetrics(sizeMetric);
  return win::UniqueIcon(static_cast<HICON>(::LoadImageW(
      ::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

ProgramIcons LoadProgramIcons() {
  return {LoadIconSized(IDI_MAIN, SM_CXICON), LoadIconSized(IDI_MAIN, SM_CXSMICON),
          LoadIconSized(IDI_BULLSEYE, SM_CXICON), LoadIconSized(IDI_BULLSEYE, SM_CXSMICON)};
}

}  // namespace vintrel::ui
