// Places on the stage screen (hudPanel) and cells of the time sheet that the head-up display
// uses in more than one file.
#pragma once

namespace slidestone {

// Scores after TOTAL (y 0) and STAGE (y 32), six small cells from here.
constexpr int kScoreX = 544;
// A cell of hudPanel hidden behind the play field where the tool-points number is composed, so
// a zoom only has to stretch one finished picture.
constexpr int kScratchX = 300;
constexpr int kScratchY = 300;
// The tool-points number at its normal size.
constexpr int kPointsX = 352;
constexpr int kPointsY = 64;
// The speed digit after the label SPEED at (160, 64).
constexpr int kSpeedX = 224;
constexpr int kSpeedY = 64;

}  // namespace slidestone
