// What the stage screen shows around play: the renderer, the stage clock, the head-up display,
// the tile pass, pause and the stage-flow sequence.
#pragma once

namespace slidestone {

struct Game;

// Repaints the play field when something changed; presents it every pass.
void RenderPlayField(Game& g);
// The stage clock, every 100 ms.
void StageTimerStep(Game& g);
// The whole head-up display of a stage that has just been loaded, from the counts the loader
// set (runs one step of the stage clock); presents gamebox1.
void DrawStageHud(Game& g);
// Scores after TOTAL and STAGE; presents gamebox1.
void DrawScores(Game& g);
// The tool points left; does not present.
void DrawToolPoints(Game& g);
// One step of the tool-points and speed-digit zooms, every 30 ms.
void HudEffectsStep(Game& g);
// The 40 ms map scan, plus the stage end, pause and give-up checks of every pass.
void TilePass(Game& g);
void SparkleStep(Game& g);
// While paused: waits for Enter.
void PauseStep(Game& g);
// The curtain, end words, START banner and continue prompt between moments of play.
void StageFlowStep(Game& g);
void FlowWordsStep(Game& g);
void DrawTimeUpWords(Game& g);
void DrawStoneStopWords(Game& g);
void DrawClearWords(Game& g);

}  // namespace slidestone
