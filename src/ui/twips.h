#pragma once
// Twips (1/1440 inch) to pixels at a given DPI, rounded to the nearest pixel.
// Pure, so the arithmetic is unit-tested on the host.
namespace vintrel::ui {

constexpr int kTwipsPerInch = 1440;

constexpr int TwipsToPixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                      : -((-scaled + half) / kTwipsPerInch));
}

}  // namespace vintrel::ui
