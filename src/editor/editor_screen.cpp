// The editor's screen, drawn on the stage window's own surfaces with the game's sheets: the
// panel on the stage screen's blue backdrop, the field exactly as the loader draws it, and the
// words on the game's strips of ice.
#include <algorithm>

#include "editor/editor.h"
#include "editor/palette.h"
#include "graphics/forms.h"
#include "presentation/field_picture.h"
#include "presentation/presentation.h"
#include "presentation/hud.h"
#include "presentation/game.h"
#include "stagedata/codes.h"
#include "stagedata/stage_field.h"

namespace slidestone::editor {

namespace {

constexpr int kGreyAlpha = 150;  // tools not offered, as on the stage screen
constexpr int kDimAlpha = 120;   // the unseen ground row, as dim as the field under the curtain
constexpr int kGridAlpha = 150;  // light and dark dashes: one of the two shows on any backdrop
constexpr int kOverlayAlpha = 170;
constexpr Pixel kSelectionColour = Rgb(255, 224, 64);
constexpr Pixel kWarningColour = Rgb(240, 64, 48);
constexpr Pixel kNoteColour = Rgb(120, 200, 255);
constexpr Pixel kHoverColour = Rgb(255, 255, 255);
constexpr int kOfferX = 374, kOfferStep = 28, kLevelX = 562, kLevelW = 70;

void Outline(Surface& s, int x, int y, int w, int h, Pixel colour, int thick) {
  for (int j = y; j < y + h; ++j) {
    if (j < 0 || j >= s.Height()) continue;
    for (int i = x; i < x + w; ++i) {
      if (i < 0 || i >= s.Width()) continue;
      const bool edge = i < x + thick || i >= x + w - thick || j < y + thick || j >= y + h - thick;
      if (edge) s.Row(j)[i] = colour;
    }
  }
  s.MarkDrawn({x, y, w, h});
}

// A grid line along x (length w) or down y (length h): dashes of 2 pixels, light then dark.
void GridLine(Surface& s, int x, int y, int w, int h) {
  const int n = std::max(w, h);
  for (int k = 0; k < n; ++k) {
    const int px = w ? x + k : x, py = h ? y + k : y;
    if (px < 0 || py < 0 || px >= s.Width() || py >= s.Height()) continue;
    const Pixel ink = (k / 2) % 2 ? Rgb(8, 12, 28) : Rgb(236, 242, 255);
    const Pixel d = s.Row(py)[px];
    auto mix = [](int a, int b) { return (a * kGridAlpha + b * (255 - kGridAlpha)) / 255; };
    s.Row(py)[px] = Rgb(mix(RedOf(ink), RedOf(d)), mix(GreenOf(ink), GreenOf(d)), mix(BlueOf(ink), BlueOf(d)));
  }
  s.MarkDrawn({x, y, std::max(1, w), std::max(1, h)});
}

}  // namespace

std::string ClockText(int32_t tenths) {
  const int t = std::max(0, tenths);
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d:%d", t / 600, t / 10 % 60, t % 10);
  return text;
}


void ShowSpeedTileLooks(Game& g, const CodeRows& map) {
  for (int row = 0; row + 1 < kMapFileRows; ++row) {
    for (int col = 0; col < kMapFileCols; ++col) {
      if (map[size_t(row)][size_t(col)] == kSpeedTile) DrawSpeedTileLook(g.stageWindow, col, row, 0);
      if (map[size_t(row)][size_t(col)] == kSpentSpeedTile) DrawSpentSpeedTile(g.stageWindow, col, row);
    }
  }
}

std::string HoverLine(int tool) {
  const PaletteEntry& e = Palette()[size_t(tool)];
  return std::string(1, char(e.key)) + "  " + e.name + ": " + e.does;
}

void Editor::Text(int x, int y, int w, int h, const std::string& text) {
  if (!text_) return;
  text_->Paint(g_.stageWindow.hudPanel, x, y, w, h, text);
  g_.stageWindow.hudPanel.MarkDrawn({x, y, w, h});
}

void Editor::DrawField() {
  StageWindow& f = g_.stageWindow;
  const StageDoc& d = edits_.doc();
  // Row 11 is drawn as the bottom row of the field one row further down, so its snow tops and
  // sprites are the loader's own; then it is dimmed.
  StageDoc low;
  for (int r = 0; r + 1 < kMapFileRows; ++r) {
    low.map[size_t(r)] = d.map[size_t(r + 1)];
    low.objects[size_t(r)] = d.objects[size_t(r + 1)];
  }
  low.record = d.record;
  low.record[kRecPlayerY] = low.record[kRecStoneY] = -64;  // the figures are not down there
  DrawStageField(g_, low.map, low.objects, low.record);
  ShowSpeedTileLooks(g_, low.map);
  Copy(f.hudPanel, kFieldX, kFieldY + kFieldH, kFieldW, 32, f.field, 0, kFieldH - 32);
  Shade(f.hudPanel, kFieldX, kFieldY + kFieldH, kFieldW, 32, StageBackdrop(f, g_), kFieldW, 0, 8, 32, kDimAlpha);

  DrawStageField(g_, d.map, d.objects, d.record);
  ShowSpeedTileLooks(g_, d.map);
  Copy(f.hudPanel, kFieldX, kFieldY, kFieldW, kFieldH, f.field, 0, 0);

  const int rowsH = 32 * kMapFileRows;
  if (grid_) {
    for (int c = 1; c < kMapFileCols; ++c) GridLine(f.hudPanel, kFieldX + 32 * c, kFieldY, 0, rowsH);
    for (int r = 1; r < kMapFileRows; ++r) GridLine(f.hudPanel, kFieldX, kFieldY + 32 * r, kFieldW, 0);
  }
  for (const CheckResult& c : checks_) {
    if (c.col >= 0 && c.row >= 0 && c.col < kMapFileCols && c.row < kMapFileRows) {
      Outline(f.hudPanel, kFieldX + 32 * c.col, kFieldY + 32 * c.row, 32, 32, c.note ? kNoteColour : kWarningColour,
              c.note ? 1 : 2);
    }
  }
  const CellRect& s = edits_.selection();
  if (!s.Empty()) {
    Outline(f.hudPanel, kFieldX + 32 * s.col, kFieldY + 32 * s.row, 32 * s.w, 32 * s.h, kSelectionColour, 2);
    if (drag_ == Drag::Move) {
      Outline(f.hudPanel, kFieldX + 32 * (s.col + lastCol_ - anchorCol_), kFieldY + 32 * (s.row + lastRow_ - anchorRow_),
              32 * s.w, 32 * s.h, kHoverColour, 1);
    }
  }
  if (hoverCol_ >= 0 && drag_ != Drag::Move) {
    Outline(f.hudPanel, kFieldX + 32 * hoverCol_, kFieldY + 32 * hoverRow_, 32, 32, kHoverColour, 1);
  }
}

void Editor::DrawPalette() {
  StageWindow& f = g_.stageWindow;
  if (paletteIcons_.Width() == 0) BuildPaletteIcons();
  for (int i = 0; i < kPaletteSize; ++i) {
    const int x = kPaletteX + kPaletteStep * i;
    Copy(f.hudPanel, x, kPaletteY, 32, 32, paletteIcons_, 32 * i, 0);
    // The tool menu's own selection frame marks the piece in hand.
    if (i == tool_) MaskedFrame(f.hudPanel, x, kPaletteY, f.commandbox, CursorFrame(32));
  }
}

void Editor::DrawProperties() {
  StageWindow& f = g_.stageWindow;
  const RecordValues& rec = edits_.doc().record;
  // STAGE and its number, as the head-up display writes them.
  KeyedFrame(f.hudPanel, 16, kPropsY, f.time, time_sheet::kLabels, time_sheet::kStageLabel);
  const int n = stage_ + 1;
  CopyFrame(f.hudPanel, 80, kPropsY, f.time, time_sheet::kLargeDigits, n / 10);
  CopyFrame(f.hudPanel, 112, kPropsY, f.time, time_sheet::kLargeDigits, n % 10);
  Text(150, kPropsY, 120, 32, "TIME " + ClockText(rec[kRecTime]));
  Text(274, kPropsY, 96, 32, "POINTS " + std::to_string(rec[kRecToolPoints]));
  for (int j = 0; j < 3; ++j) {
    const int x = kOfferX + kOfferStep * j;
    CopyFrame(f.hudPanel, x, kPropsY + 4, f.commandboxx, ToolIcons(24), j);
    if (rec[size_t(kRecOffer0 + j)] != 1) Shade(f.hudPanel, x, kPropsY + 4, 24, 24, f.time, time_sheet::kBlack.x, time_sheet::kBlack.y, 24, 24, kGreyAlpha);
  }
  Text(462, kPropsY, 96, 32, "PAR " + std::to_string(rec[kRecPar]));
  Text(kLevelX, kPropsY, kLevelW, 32, DifficultyWord(difficulty_));
}

void Editor::DrawMessageLine() {
  std::string line = message_;
  if (hoverTool_ >= 0) {
    // The piece under the pointer: its key, its name and what it does.
    line = HoverLine(hoverTool_);
  } else if (line.empty()) {
    line = Palette()[size_t(tool_)].name;
    const int warnings = WarningCount(checks_), notes = int(checks_.size()) - warnings;
    const CheckResult* first = nullptr;
    for (const CheckResult& c : checks_) {
      if (!c.note && !first) first = &c;
    }
    if (warnings == 0) {
      line += "  -  no warnings";
    } else if (warnings == 1) {
      line += "  -  " + first->text;
    } else {
      line += "  -  " + std::to_string(warnings) + " warnings (F2 lists them): " + first->text + "; ...";
    }
    if (notes > 0) line += "  -  " + std::to_string(notes) + (notes > 1 ? " notes" : " note") + " (F2)";
    line += "  -  F1 help";
  }
  if (edits_.Modified()) line = "* " + line;  // unsaved changes, as the window's title says too
  Text(kPaletteX, kMessageY, kFieldW, kMessageH, line);
}

void Editor::DrawErrorPanel() {
  StageWindow& f = g_.stageWindow;
  Shade(f.hudPanel, kFieldX, kFieldY, kFieldW, 32 * kMapFileRows, f.time, time_sheet::kBlack.x, time_sheet::kBlack.y, 32, 32, kOverlayAlpha);
  int y = kFieldY + 48;
  Text(48, y, 544, 32, "Stage " + std::to_string(stage_ + 1) + " does not load:");
  y += 40;
  // The reader's one line (file, line, field, what was found), in pieces that fit.
  for (size_t at = 0; at < loadError_.size() && y < kFieldY + 240; y += 28) {
    size_t len = std::min<size_t>(64, loadError_.size() - at);
    if (at + len < loadError_.size()) {
      const size_t space = loadError_.rfind(' ', at + len);
      if (space != std::string::npos && space > at) len = space - at + 1;
    }
    Text(48, y, 544, 26, loadError_.substr(at, len));
    at += len;
  }
  Text(48, kFieldY + 272, 544, 32, "E: start this stage empty (nothing is written until Ctrl+S)");
  Text(48, kFieldY + 308, 544, 32, "PgUp / PgDn: another stage      Esc: quit");
}

void Editor::DrawHelp() {
  StageWindow& f = g_.stageWindow;
  Shade(f.hudPanel, 0, 0, kScreenW, kScreenH, f.time, time_sheet::kBlack.x, time_sheet::kBlack.y, 32, 32, kOverlayAlpha);
  static const char* const lines[] = {
      "STAGE EDITOR  -  F1 or Esc closes this help",
      "Left button: put the piece in hand (drag draws a line)   Right: erase",
      "Pieces: the key on each palette icon, a click on it, or the wheel",
      "(1-9 tiles, G goal, B bucket, W K T enemies, P O starts, 0 eraser)",
      "Shift+drag: select   drag the selection: move it   F: flip it",
      "Ctrl+C / Ctrl+X / Ctrl+V: copy, cut, paste (also in another stage)",
      "Del: erase the selection   Ctrl+arrows: shift the whole stage",
      "Ctrl+Z / Ctrl+Y: undo / redo   Tab: cell grid on or off",
      "TIME, POINTS, PAR: click raises, right click lowers, Shift x10",
      "Tool icons: click to offer or not   Level: click or D",
      "F5: test play (Esc, a win or a lost try returns)   F6: solver (Esc stops)",
      "F2: every warning about the stage (marked in red on the field)",
      "After a win (F5 or F6): R keeps it as the proof; after F5, P sets the par",
      "Ctrl+S: save (* marks unsaved changes)   PgUp / PgDn: stage   Esc: quit",
      "The dimmed bottom row is the unseen ground under the field",
  };
  int y = 12;
  for (const char* line : lines) {
    Text(24, y, kScreenW - 48, 28, line);
    y += 30;
  }
}

void Editor::DrawChecks() {
  StageWindow& f = g_.stageWindow;
  Shade(f.hudPanel, 0, 0, kScreenW, kScreenH, f.time, time_sheet::kBlack.x, time_sheet::kBlack.y, 32, 32, kOverlayAlpha);
  int y = 24;
  Text(24, y, kScreenW - 48, 28, "WARNINGS (saving is still up to you)  -  F2 or Esc closes");
  y += 40;
  if (WarningCount(checks_) == 0) Text(24, y, kScreenW - 48, 28, "no warnings: the stage looks playable");
  for (const CheckResult& c : checks_) {
    if (y > kScreenH - 40) break;
    Text(24, y, kScreenW - 48, 28, c.text);
    y += 31;
  }
}

void Editor::Draw() {
  StageWindow& f = g_.stageWindow;
  DrawBackdropPanel(f);
  DrawField();
  DrawPalette();
  DrawProperties();
  DrawMessageLine();
  if (!loadError_.empty()) DrawErrorPanel();
  if (listChecks_) DrawChecks();
  if (help_) DrawHelp();
  f.hudPanel.Present();
  dirty_ = false;
}

}  // namespace slidestone::editor
