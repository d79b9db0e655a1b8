#include "platform/window_scale.h"

#include <algorithm>

#include "graphics/forms.h"

namespace slidestone {

int FittingScale(ScreenSize screen, ScreenSize usable, ScreenSize frame) {
  const ScreenSize room = usable.w > 0 && usable.h > 0 ? usable : screen;
  const int w = room.w - std::max(0, frame.w), h = room.h - std::max(0, frame.h);
  return std::max(1, std::min(w / kScreenW, h / kScreenH));
}

}  // namespace slidestone
