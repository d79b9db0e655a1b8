// The window's size without --scale: the largest whole factor that fits the usable part of the
// screen with the window's frame, for common screens, panels and frames.
#include <gtest/gtest.h>

#include "platform/window_scale.h"

namespace slidestone {
namespace {

TEST(WindowScale, LargestThatFitsTheUsableAreaWithTheFrame) {
  struct Case {
    const char* what;
    ScreenSize screen, usable, frame;
    int expected;
  };
  const Case cases[] = {
      {"1280x1024, nothing taken", {1280, 1024}, {1280, 1024}, {0, 0}, 2},
      {"1280x1024, a panel and a title bar", {1280, 1024}, {1280, 996}, {0, 30}, 2},
      {"1280x1024, a taller panel and title", {1280, 1024}, {1280, 980}, {2, 40}, 1},
      {"usable area not known: the screen", {1280, 1024}, {0, 0}, {0, 0}, 2},
      {"1920x1080 with a dock: 3 is too tall", {1920, 1080}, {1920, 1053}, {0, 37}, 2},
      {"3840x2160 with a panel", {3840, 2160}, {3840, 2128}, {0, 37}, 4},
      {"exactly 640x480", {640, 480}, {640, 480}, {0, 0}, 1},
      {"smaller than the picture: still 1", {800, 600}, {800, 560}, {4, 60}, 1},
      {"nothing known at all", {0, 0}, {0, 0}, {0, 0}, 1},
  };
  for (const Case& c : cases) EXPECT_EQ(FittingScale(c.screen, c.usable, c.frame), c.expected) << c.what;
}

}  // namespace
}  // namespace slidestone
