// How large the window opens when no scale is asked for: the largest whole factor of the
// 640 x 480 picture whose window, frame included, fits the part of the screen windows may use.
#pragma once

namespace slidestone {

struct ScreenSize {
  int w = 0, h = 0;
};

// `usable` is the screen less its panels and docks (zero when the system does not say: the
// whole screen is then used); `frame` the window manager's border and title bar around the
// window (zero when not known yet). Never less than 1.
int FittingScale(ScreenSize screen, ScreenSize usable, ScreenSize frame);

}  // namespace slidestone
