#include "dialogs/message_box.h"

#include <string_view>
#include <utility>

#include "dialogs/msgbox_style.h"
#include "ui/unique_handle.h"

namespace vintrel {
namespace {

// What the hook procedure needs from the call that installed it. The
// procedure gets no context of its own, so it finds the call through this
// thread's pointer; a box shown while another is open saves and restores it.
struct BoxCall {
  ui::UniqueHook hook;
  HICON icon = nullptr;  // the caller's; never destroyed here
};

thread_local BoxCall* t_currentCall = nullptr;

class CurrentCallScope {
 public:
  explicit CurrentCallScope(BoxCall* call) : outer_(std::exchange(t_currentCall, call)) {}
  CurrentCallScope(const CurrentCallScope&) = delete;
  CurrentCallScope& operator=(const CurrentCallScope&) = delete;
  ~CurrentCallScope() { t_currentCall = outer_; }

 private:
  BoxCall* outer_;
};

bool IsMessageBoxClass(HWND window) {
  wchar_t name[32];
  const int length = ::GetClassNameW(window, name, 32);
  return std::wstring_view(name, length > 0 ? static_cast<size_t>(length) : 0) == L"#32770";
}

LRESULT CALLBACK MsgBoxHookProc(int code, WPARAM wParam, LPARAM lParam) {
  BoxCall* const call = t_currentCall;
  const LRESULT result = ::CallNextHookEx(call ? call->hook.get() : nullptr, code, wParam, lParam);
  if (code != HCBT_ACTIVATE || !call || !call->hook)
    return result;

  HWND box = reinterpret_cast<HWND>(wParam);
  if (!IsMessageBoxClass(box))
    return result;  // stay hooked for the box itself

  HWND iconControl = call->icon ? ::FindWindowExW(box, nullptr, L"Static", nullptr) : nullptr;
  if (iconControl) {
    const auto icon = reinterpret_cast<WPARAM>(call->icon);
    ::SendMessageW(iconControl, STM_SETICON, icon, 0);
    // A box can be activated before it has set up its controls (under
    // Wine, one without an owner is), and would then put its own icon
    // over ours. Posted, the icon is set again once the box runs its
    // message loop, after its set-up and before it is first painted.
    ::PostMessageW(iconControl, STM_SETICON, icon, 0);
  }
  call->hook.reset();
  return result;
}

}  // namespace

int MsgBoxWithIcon(const std::wstring& prompt, uint32_t buttons, const std::wstring& title,
                   HICON icon) {
  BoxCall call;
  call.icon = icon;
  const CurrentCallScope scope(&call);

  // Only this thread's windows are watched. If the hook cannot be set the box
  // still shows, with the information icon.
  call.hook.reset(::SetWindowsHookExW(WH_CBT, MsgBoxHookProc, nullptr, ::GetCurrentThreadId()));

  UINT style = MessageBoxStyle(buttons, icon != nullptr);
  // Modal to whichever of our windows is active. With none active (a file
  // dropped while another program had the focus) every window of the thread
  // is disabled instead, so no second browse can start under the box.
  HWND owner = ::GetActiveWindow();
  if (!owner)
    style |= MB_TASKMODAL;
  const int pressed = ::MessageBoxW(owner, prompt.c_str(), title.c_str(), style);

  // A box that failed to appear, or never became active, left the hook in.
  call.hook.reset();
  return pressed;
}

void ShowProgramMessage(const std::wstring& prompt, const std::wstring& title, HICON programIcon) {
  MsgBoxWithIcon(prompt, MB_OK | MB_ICONSTOP, title, programIcon);
}

}  // namespace vintrel
