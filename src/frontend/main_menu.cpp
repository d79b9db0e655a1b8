// The main menu: GAME START, OPTION, GAME END over the creeping stone pattern, with a small
// scene in the logo box: the player walks along the logo's bottom edge, an enemy comes the
// other way, and the player halts, then turns and runs back.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "frontend/words.h"
#include "presentation/presentation.h"
#include "services/random.h"
#include "play/play.h"
#include "presentation/game.h"
#include "stagedata/stage_loader.h"

namespace slidestone {

namespace {

// The menu's entries, top to bottom, as CursorRow counts them.
enum MenuEntry : int32_t { kEntryStart = 0, kEntryOption = 1, kEntryEnd = 2 };
constexpr int32_t kMenuEntries = 3;

constexpr int kFigureY = 188;     // the figures stand on the logo's bottom edge (220 - 32)
constexpr int kSceneRight = 518;  // a figure is drawn only while its x is 1 .. 518

bool OnLogo(int32_t x) { return x >= 1 && x <= kSceneRight; }

void LogoSceneStep(Game& g) {
  MenuWindow& w = g.menuWindow;
  const bool watched = Watched(g);
  const Surface& player = g.stageWindow.mainchar;
  const Surface& enemies = g.stageWindow.fieldSheet;

  if (g.TitleAnimTick == 50 && g.EnemyX == 0) {
    g.WalkerX = 1;
    g.WalkerFrame = 0;
    g.WalkerStep = 2;
  }
  if (g.TitleAnimTick % 50 == 0 && g.EnemyX == 0) {
    Randomize(g.RandomState, g.Now);
    if (RandomBelow(g.RandomState, 2) == 0) {
      g.EnemyX = kSceneRight;
      g.EnemyFrame = 0;
    }
  }
  if (watched) Copy(w.startbox2, 0, 0, 550, 220, w.title, 0, 0);

  if (OnLogo(g.WalkerX)) {
    const SheetRun pose = kPlayerPoses.Row(g.WalkerStep == 2 ? 0 : 1);
    if (watched) MaskedFrame(w.startbox2, g.WalkerX, kFigureY, player, pose, g.WalkerFrame);
    const int32_t gap = g.EnemyX - g.WalkerX;  // negative once the enemy is past the figure
    const bool enemyClose = gap <= 100 && g.EnemyX != 0;
    if (enemyClose && g.WalkerStep == 2) {
      g.WalkerStep = 0;
      g.WalkerFrame = 0;
    } else if (enemyClose && g.WalkerStep == 0) {
      if (g.WalkerFrame == 3) {
        g.WalkerStep = -5;
      } else if (watched) {
        // The halt pose replaces the walking frame just drawn.
        Copy(w.startbox2, g.WalkerX, kFigureY, 32, 32, w.title, g.WalkerX, kFigureY);
        MaskedFrame(w.startbox2, g.WalkerX, kFigureY, player, kPlayerPoses.Row(3), 3);
      }
    } else {
      g.WalkerX += g.WalkerStep;
    }
    g.WalkerFrame = (g.WalkerFrame + 1) % 4;
  }

  if (OnLogo(g.EnemyX)) {
    if (watched) {
      MaskedFrame(w.startbox2, g.EnemyX, kFigureY, enemies, field_sheet::kWalkerLeft, g.EnemyFrame);
    }
    g.EnemyFrame = (g.EnemyFrame + 1) % 5;
  }
  g.EnemyX = g.EnemyX <= 3 ? 0 : g.EnemyX - 3;
  g.TitleAnimTick = (g.TitleAnimTick + 1) % 500;
}

}  // namespace

void MainMenu(Game& g) {
  MenuWindow& w = g.menuWindow;
  const bool tick = StepDue(g, g.menuClock, 100);
  if (tick) {
    g.BackgroundScroll = (g.BackgroundScroll + 1) % 32;
    if (Watched(g)) DrawMenuBackground(w, w.startbox1, g.BackgroundScroll);
    LogoSceneStep(g);
    w.startbox2.Present();
  }

  // Arrows are read before Space, so a Space pressed with an arrow acts on the moved cursor.
  if (On(g.KeyState[kKeyDown])) {
    g.KeyState[kKeyDown] = 0;
    g.CursorRow = (g.CursorRow + 1) % kMenuEntries;
    PlayCursorSound(*g.audio);
  }
  if (On(g.KeyState[kKeyUp])) {
    g.KeyState[kKeyUp] = 0;
    g.CursorRow = g.CursorRow == 0 ? kMenuEntries - 1 : g.CursorRow - 1;
    PlayCursorSound(*g.audio);
  }
  if (On(g.KeyState[kKeySpace])) {
    g.KeyState[kKeySpace] = 0;
    switch (g.CursorRow) {
      case kEntryStart:
        PlayConfirmSound(*g.audio);
        g.audio->StopMusic();
        ShowFormMaximised(g.forms, g.stageWindow, g.MenuX, g.MenuY);
        NewGame(g, OpenStageHud);
        break;
      case kEntryOption:  // the options use the whole window
        PlayConfirmSound(*g.audio);
        g.GameState = kStateOptions;
        g.CursorRow = 0;
        HideSurface(w.startbox2);
        break;
      case kEntryEnd:
        PlayConfirmSound(*g.audio);
        g.audio->StopMusic();
        g.QuitRequested = kTrue;
        break;
      default:
        break;
    }
  }

  if (g.GameState == kStateMenu && FrontWordsStale(g, tick, g.CursorRow) && Watched(g)) {
    DrawMenuBackground(w, w.startbox1, g.BackgroundScroll, {200, 250, 256, 192});
    for (int i = 0; i < 3; ++i) {
      KeyedCopy(w.startbox1, 200, 250 + 64 * i, 256, kWordH, w.messagebox,
                i == g.CursorRow ? kBrightX : 0, RowY(kRowGameStart + i));
    }
  }
  w.startbox1.Present();
}

}  // namespace slidestone
