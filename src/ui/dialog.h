#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "ui/control_table.h"
#include "ui/controls.h"

namespace vintrel::ui {

// Base of the program's dialog boxes, run by Windows' dialog manager, which
// gives them keyboard navigation, the default button, Enter, Esc and the
// focus kept across activations. A dialog starts from an empty template in
// memory; its controls come from their twips table at WM_INITDIALOG, and its
// size from the twips client size at the window's own DPI. One dialog
// procedure stores `this` and dispatches to the handlers below; exceptions
// stop there and go to the exception reporter.
class Dialog {
 public:
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog();

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }

  // The program's dialog behind `hwnd`; null for any other window.
  static Dialog* FromHandle(HWND hwnd);

 protected:
  struct Frame {
    const wchar_t* caption;
    DWORD style;  // the window's styles; the template's font style is added
    DWORD exStyle;
    int clientWidthTwips;
    int clientHeightTwips;
    std::span<const ControlSpec> controls;
    HICON bigIcon = nullptr;  // the caller's; none: the dialog manager's own
    HICON smallIcon = nullptr;
  };

  Dialog() = default;

  // After the controls are made. True: the dialog manager focuses the first
  // control in keyboard order; false: the handler set the focus itself.
  virtual bool OnInit() { return true; }
  // WM_COMMAND; true when handled. A click (BN_CLICKED, which is also a
  // notifying label's STN_CLICKED) goes on to OnButtonClicked.
  virtual bool OnCommand(int id, int code, HWND control);
  // IDOK (Enter with no other default) and IDCANCEL (Esc, the close box).
  virtual bool OnButtonClicked(int id, HWND control);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  virtual bool OnNotify(int /*id*/, const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // Any message, before the handlers above; true with `result` when handled.
  virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
  // Text colour of a label or a frame's caption on the dialog's face colour.
  virtual COLORREF LabelTextColor(HWND /*control*/) const {
    return ::GetSysColor(COLOR_WINDOWTEXT);
  }
  // Called after WM_NCDESTROY; the handle is gone by then.
  virtual void OnDestroyed() {}
  // After the dialog and its controls took a new DPI.
  virtual void OnDpiChanged() {}
  // Closes the dialog with `result`: ends a modal one, destroys a modeless one.
  virtual void End(INT_PTR result) = 0;

  // A length of the controls' table in pixels of this dialog.
  int Pixels(int twips) const { return controls_.Pixels(twips); }

  // The template both kinds of dialog are created from; kept for WM_INITDIALOG.
  const DLGTEMPLATE* Template(const Frame& frame);

  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void Layout();
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Answer(UINT message, LRESULT result) const;

  HWND hwnd_ = nullptr;
  Frame frame_{};
  std::vector<WORD> template_;
  ControlSet controls_;
};

// A dialog modal over its owner, as the About window is.
class ModalDialog : public Dialog {
 protected:
  // Shows the dialog and returns once it ends, with End's result; -1 when
  // it could not be made.
  INT_PTR Run(HWND owner, const Frame& frame);
  void End(INT_PTR result) override { ::EndDialog(hwnd(), result); }
};

// A dialog beside the others; the program's message loop gives it the
// dialog manager's keys.
class ModelessDialog : public Dialog {
 protected:
  // Creates the dialog hidden; the caller shows it.
  bool Create(HWND owner, const Frame& frame);
  void End(INT_PTR /*result*/) override { ::DestroyWindow(hwnd()); }
};

}  // namespace vintrel::ui
