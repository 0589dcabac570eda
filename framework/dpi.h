#pragma once
// Lengths laid out for 96 dots per inch (100% display scaling), at the
// dots per inch of the window they are drawn in.

inline constexpr int kDefaultDpi = 96;

// Rounded to the nearest pixel; a dpi that makes no sense counts as 96.
constexpr int ScaleForDpi(int length, int dpi) {
  if (dpi <= 0) dpi = kDefaultDpi;
  const long long scaled = static_cast<long long>(length) * dpi;
  return static_cast<int>((scaled + (scaled < 0 ? -kDefaultDpi : kDefaultDpi) / 2) / kDefaultDpi);
}
