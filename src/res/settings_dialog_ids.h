#pragma once
// Control identifiers of the settings window; the end-to-end driver uses them.
namespace vintrel::settings_ids {

enum : int {
  // The thirteen option boxes, in the order the load step reads their keys.
  re = 300,
  pe = 301,
  ce = 302,
  ne = 303,
  je = 304,
  ze = 305,
  ke = 306,
  le = 307,
  se = 308,
  qe = 309,
  ie = 310,
  we = 311,
  ge = 312,

  de1 = 320,  // display mode
  fe = 321,   // frame rate
  de2 = 322,  // colour depth, always disabled
  ee = 323,   // memory, always disabled

  Frame1 = 330,
  Frame2 = 331,
  Frame3 = 332,
  Frame4 = 333,

  Command1 = 340,  // "Ассоциировать"
  Command2 = 341,  // "OK"
  Command3 = 342,  // "Отвязаться"
};

// LabelN of the settings window has the identifier 350 + N.
constexpr int Label(int n) {
  return 350 + n;
}

}  // namespace vintrel::settings_ids
