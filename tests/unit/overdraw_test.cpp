// Restoring only what was noted gives the same picture as copying the whole background back,
// whatever is drawn into either surface between two redraws.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "graphics/overdraw.h"

namespace slidestone {
namespace {

TEST(Overdraw, RestoringTheNotedRectanglesEqualsRestoringTheWholeArea) {
  const Rect area{4, 2, 40, 30};  // the picture's edges stay out of it
  Surface paint(48, 36);
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 48; ++x) paint.Row(y)[x] = Rgb(x * 5, y * 7, (x + y) & 255);
  DrawLog other;
  const std::pair<const char*, std::function<void(Surface&, Surface&)>> between[] = {
      {"nothing", [](Surface&, Surface&) {}},
      {"the background alone", [&](Surface&, Surface& back) { Copy(back, 10, 10, 6, 5, paint, 0, 0); }},
      {"the picture alone", [&](Surface& pic, Surface&) { Copy(pic, 30, 3, 8, 8, paint, 20, 20); }},
      {"both, in different places", [&](Surface& pic, Surface& back) {
         Copy(pic, 5, 20, 4, 4, paint, 1, 1);
         Copy(back, 35, 25, 4, 4, paint, 2, 2);
       }},
      {"across the area's edge", [&](Surface& pic, Surface&) { Copy(pic, 0, 0, 10, 10, paint, 3, 3); }},
      {"more rectangles than a log holds", [&](Surface&, Surface& back) {
         for (int i = 0; i < 60; ++i) Copy(back, 4 + i % 40, 2 + i % 30, 1, 1, paint, i, i);
       }},
      {"a background made anew", [&](Surface&, Surface& back) {
         back.Resize(48, 36);
         Copy(back, 0, 0, 48, 36, paint, 0, 0);
       }},
      {"another log attached meanwhile", [&](Surface& pic, Surface&) {
         pic.AttachDrawLog(&other);
         Copy(pic, 12, 12, 5, 5, paint, 7, 7);
         pic.AttachDrawLog(nullptr);
       }},
  };
  for (const auto& [what, draw] : between) {
    SCOPED_TRACE(what);
    Surface picture(48, 36), background(48, 36);
    background.Fill(Rgb(9, 9, 9));
    picture.Fill(Rgb(200, 0, 0));
    Overdraw o;
    auto redraw = [&](int x) {
      BeginOverdraw(o, picture);
      Copy(picture, x, 8, 6, 6, paint, 40, 30);
      Copy(picture, 40, x, 6, 6, paint, 0, 30);  // partly outside the area
      EndOverdraw(o, picture, background);
    };
    RestoreBackground(o, picture, background, area);
    redraw(6);
    draw(picture, background);
    Surface whole = picture;
    Copy(whole, area.x, area.y, area.w, area.h, background, area.x, area.y);
    RestoreBackground(o, picture, background, area);
    redraw(20);
    Copy(whole, 20, 8, 6, 6, paint, 40, 30);
    Copy(whole, 40, 20, 6, 6, paint, 0, 30);
    EXPECT_TRUE(picture.Pixels() == whole.Pixels());
  }
}

}  // namespace
}  // namespace slidestone
