// The text strips of the house screen and the closing roll: each text is set in type once while
// its strip slides, and a copied strip looks exactly like one set afresh.
#include <gtest/gtest.h>

#include <string>

#include "platform/data_folder.h"
#include "platform/sdl_text.h"

namespace slidestone {
namespace {

const std::string kFont = SystemTextFont();

TEST(TextStrips, EachTextIsSetInTypeOnceWhileItSlides) {
  SdlTextPainter painter(kFont);
  const std::string role = "Shot rock, and by a mile.", name = std::string(200, 'W');
  Surface screen(640, 480);
  for (int step = 0; step <= 71; ++step) {
    painter.Paint(screen, 640 - 8 * step, 64, 480, 32, role);
    painter.Paint(screen, 8 * step - 768, 384, 192, 32, name);
  }
  EXPECT_EQ(painter.Renders(), 2) << "one per text, not one per frame";

  // Where a strip was copied, it is the very picture a fresh painter sets at that place.
  for (const int x : {-100, 0, 77, 500}) {
    Surface copied(640, 480), fresh(640, 480);
    painter.Paint(copied, x, 64, 480, 32, role);
    SdlTextPainter(kFont).Paint(fresh, x, 64, 480, 32, role);
    EXPECT_EQ(copied.Pixels(), fresh.Pixels()) << "at x=" << x;
  }
  EXPECT_EQ(painter.Renders(), 2);
  painter.Paint(screen, 0, 0, 320, 32, role);
  EXPECT_EQ(painter.Renders(), 3) << "another size is set again";
}

}  // namespace
}  // namespace slidestone
