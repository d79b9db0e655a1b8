// What the stage screen draws: the play field's repaint, the head-up display, the curtain and
// the words between moments of play. Only drawing: play decides, these show (stage_screen.h
// connects the two).
#pragma once

namespace slidestone {

struct Model;
struct RedrawCheck;
struct StageWindow;
class Surface;

// The play field rebuilt from the clean field with every moving thing drawn over it.
void RepaintField(StageWindow& f, const Model& m, RedrawCheck* check);
// The field of a stage just loaded from its Map and tables: the backdrop on all three field
// buffers, the tiles on the visible and the clean field, every object's first picture; dimmed
// under the curtain when `dimmed`.
void DrawBuiltField(StageWindow& f, const Model& m, bool dimmed);
// The backdrop element in use (the sheet has two).
const Surface& StageBackdrop(const StageWindow& f, const Model& m);
// The tiles' pictures as play changes them (see StageView).
void DrawSpeedTileLook(StageWindow& f, int col, int row, int glint);
void DrawSpentSpeedTile(StageWindow& f, int col, int row);
void DrawToolWork(StageWindow& f, int col, int row, int code, int stage);
void DrawToolWorkDone(StageWindow& f, int col, int row, int code);
void DrawSnowCap(StageWindow& f, const Model& m);

// The head-up display, drawn on the stage window from what the model holds. Of a stage just
// loaded: the top part before the clock's first step, the rest after it (presents hudPanel).
void DrawStageHudTop(StageWindow& f, const Model& m);
void DrawStageHudRest(StageWindow& f, const Model& m);
// Scores after TOTAL and STAGE; presents hudPanel.
void DrawScores(StageWindow& f, const Model& m);
// The tool points left; does not present.
void DrawToolPoints(StageWindow& f, const Model& m);
// The large green speed digit after the SPEED label.
void DrawSpeedDigit(StageWindow& f, int digit);
// A frame of the tool points' and the speed digit's zooms, and the speed back at its size.
void DrawPointsZoom(StageWindow& f, const Model& m);
void DrawSpeedZoom(StageWindow& f, const Model& m);
void DrawSpeedZoomEnd(StageWindow& f, const Model& m);
// The tool menu's three icons with the cursor frame over the chosen one; presents toolMenu.
void DrawMenuBox(StageWindow& f, const Model& m);

// The curtain at FlowStep, its middle strip, and the prompt after the last try.
void DrawCurtain(StageWindow& f, const Model& m);
void ShadeCurtainMiddle(StageWindow& f, const Model& m);
void DrawContinuePrompt(StageWindow& f, const Model& m);
// The words of WordCounter over the clean field, and the clean field alone once they are done.
void DrawFlowWords(StageWindow& f, const Model& m, RedrawCheck* check);
void ClearFlowWords(StageWindow& f);
void DrawTimeUpWords(StageWindow& f, const Model& m);
void DrawStoneStopWords(StageWindow& f, const Model& m);
void DrawClearWords(StageWindow& f, const Model& m);

}  // namespace slidestone
