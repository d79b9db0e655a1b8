// The main menu: GAME START, OPTION, GAME END over the creeping stone pattern, with a small
// scene in the logo box: the player walks along the logo's bottom edge, an enemy comes the
// other way, and the player halts, then turns and runs back.
#include "audio/audio.h"
#include "frontend/frontend.h"
#include "play/play.h"
#include "services/random.h"
#include "stagedata/stage_loader.h"
#include "stagedata/world.h"

namespace slidestone {

namespace {

// The menu's entries, top to bottom, as CursorRow counts them.
enum MenuEntry : int32_t { kEntryStart = 0, kEntryOption = 1, kEntryEnd = 2 };
constexpr int32_t kMenuEntries = 3;

constexpr int32_t kLogoSceneRight = 518;  // a figure is on the logo while its x is 1 .. 518

bool OnLogo(int32_t x) { return x >= 1 && x <= kLogoSceneRight; }

void LogoSceneStep(World& g) {
  if (g.TitleAnimTick == 50 && g.EnemyX == 0) {
    g.WalkerX = 1;
    g.WalkerFrame = 0;
    g.WalkerStep = 2;
  }
  if (g.TitleAnimTick % 50 == 0 && g.EnemyX == 0) {
    Randomize(g.RandomState, g.Now);
    if (RandomBelow(g.RandomState, 2) == 0) {
      g.EnemyX = kLogoSceneRight;
      g.EnemyFrame = 0;
    }
  }
  g.front->LogoCleared();

  if (OnLogo(g.WalkerX)) {
    g.front->LogoWalkerShown();
    const int32_t gap = g.EnemyX - g.WalkerX;  // negative once the enemy is past the figure
    const bool enemyClose = gap <= 100 && g.EnemyX != 0;
    if (enemyClose && g.WalkerStep == 2) {
      g.WalkerStep = 0;
      g.WalkerFrame = 0;
    } else if (enemyClose && g.WalkerStep == 0) {
      if (g.WalkerFrame == 3) {
        g.WalkerStep = -5;
      } else {
        g.front->LogoWalkerHalted();  // the halt pose replaces the walking frame just drawn
      }
    } else {
      g.WalkerX += g.WalkerStep;
    }
    g.WalkerFrame = (g.WalkerFrame + 1) % 4;
  }

  if (OnLogo(g.EnemyX)) {
    g.front->LogoEnemyShown();
    g.EnemyFrame = (g.EnemyFrame + 1) % 5;
  }
  g.EnemyX = g.EnemyX <= 3 ? 0 : g.EnemyX - 3;
  g.TitleAnimTick = (g.TitleAnimTick + 1) % 500;
}

}  // namespace

void MainMenu(World& g) {
  const bool tick = StepDue(g, g.menuClock, 100);
  if (tick) {
    g.BackgroundScroll = (g.BackgroundScroll + 1) % 32;
    g.front->MenuPatternShown();
    LogoSceneStep(g);
    g.front->LogoPresented();
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
        g.front->StageWindowOpened();
        NewGame(g, OpenStageHud);
        break;
      case kEntryOption:  // the options use the whole window
        PlayConfirmSound(*g.audio);
        g.GameState = kStateOptions;
        g.CursorRow = 0;
        g.front->LogoHidden();
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

  if (g.GameState == kStateMenu) g.front->MenuWordsShown(tick);
  g.front->MenuPresented();
}

}  // namespace slidestone
