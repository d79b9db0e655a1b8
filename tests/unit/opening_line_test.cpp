// The stages' opening lines: how the file people edit is read, and where the line is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/forms.h"
#include "stagedata/opening_lines.h"

namespace slidestone {
namespace {

constexpr int kEasy = 0, kNormal = 1, kHard = 2;

TEST(OpeningLines, AFileOfLinesForEveryLevelAndForOneLevel) {
  const OpeningLines lines = ParseOpeningLines(
      "\xEF\xBB\xBF# stage lines\r\n"
      "\n"
      "3 hard Only on HARD.\r\n"
      "3 On every level.\r\n"  // after the HARD line, and still it does not replace it
      "  4\tNORMAL   Words,   spaced as written. \n"
      "18 The last stage.\n"
      "19 Past the last stage.\n"
      "0 Before the first.\n"
      "x3 Not a number.\n"
      "5\n"
      "6 hard\n"
      "7 Two\x01" "words\n"
      "8 " + std::string(60, 'a') + " " + std::string(30, 'b') + "\n"
      "9 " + std::string(100, 'c'));
  struct Case {
    int stage, level;
    std::string line;
  };
  const Case cases[] = {
      {3, kHard, "Only on HARD."},
      {3, kNormal, "On every level."},
      {3, kEasy, "On every level."},
      {4, kNormal, "Words,   spaced as written."},
      {4, kHard, ""},
      {18, kEasy, "The last stage."},
      {1, kNormal, ""},
      {5, kNormal, ""},
      {6, kHard, ""},
      {7, kNormal, "Two words"},
      {8, kNormal, std::string(60, 'a')},  // cut at the last space that fits
      {9, kNormal, std::string(kOpeningLineMaxBytes, 'c')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(lines.For(c.stage - 1, c.level), c.line) << "stage " << c.stage << " level " << c.level;
  }
  EXPECT_EQ(lines.For(-1, kNormal), "");
  EXPECT_EQ(lines.For(18, kNormal), "");
  EXPECT_EQ(lines.For(0, 3), "");
}

TEST(OpeningLines, AFolderWithoutTheFileHasNone) {
  const OpeningLines lines = ReadOpeningLines("/nonexistent-stage-folder");
  for (int stage = 0; stage < kStageCount; ++stage) EXPECT_EQ(lines.For(stage, kNormal), "");
}

struct RecordingPainter : TextPainter {
  struct Call {
    int x, y, w, h;
    std::string text;
  };
  std::vector<Call> calls;
  void Paint(Surface&, int x, int y, int w, int h, const std::string& text) override {
    calls.push_back({x, y, w, h, text});
  }
};

TEST(OpeningLines, TheStageScreenDrawsTheLineOverTheFieldsTopRowOnlyWhileItHasOne) {
  Forms forms;
  CreateForms(forms);
  ShowForm(forms, forms.stageWindow);
  Surface screen(kScreenW, kScreenH);
  RecordingPainter painter;

  SetText(forms.stageWindow.openingLine, "Mind the gap.");
  ComposeScreen(forms, screen, &painter);
  ASSERT_EQ(painter.calls.size(), 1u);
  const RecordingPainter::Call& call = painter.calls[0];
  EXPECT_EQ(call.text, "Mind the gap.");
  const Surface& field = forms.stageWindow.field;
  EXPECT_GE(call.x, field.x);
  EXPECT_LE(call.x + call.w, field.x + field.Width());
  EXPECT_GE(call.y, field.y);
  EXPECT_LE(call.y + call.h, field.y + 32) << "within the top row";

  painter.calls.clear();
  SetText(forms.stageWindow.openingLine, "");
  ComposeScreen(forms, screen, &painter);
  EXPECT_TRUE(painter.calls.empty());
}

}  // namespace
}  // namespace slidestone
