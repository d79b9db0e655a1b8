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

void LogoSceneStep(MenuState& m, ClockState& clock, FrontView& view) {
  if (m.TitleAnimTick == 50 && m.EnemyX == 0) {
    m.WalkerX = 1;
    m.WalkerFrame = 0;
    m.WalkerStep = 2;
  }
  if (m.TitleAnimTick % 50 == 0 && m.EnemyX == 0) {
    Randomize(clock.RandomState, clock.Now);
    if (RandomBelow(clock.RandomState, 2) == 0) {
      m.EnemyX = kLogoSceneRight;
      m.EnemyFrame = 0;
    }
  }
  view.LogoCleared();

  if (OnLogo(m.WalkerX)) {
    view.LogoWalkerShown();
    const int32_t gap = m.EnemyX - m.WalkerX;  // negative once the enemy is past the figure
    const bool enemyClose = gap <= 100 && m.EnemyX != 0;
    if (enemyClose && m.WalkerStep == 2) {
      m.WalkerStep = 0;
      m.WalkerFrame = 0;
    } else if (enemyClose && m.WalkerStep == 0) {
      if (m.WalkerFrame == 3) {
        m.WalkerStep = -5;
      } else {
        view.LogoWalkerHalted();  // the halt pose replaces the walking frame just drawn
      }
    } else {
      m.WalkerX += m.WalkerStep;
    }
    m.WalkerFrame = (m.WalkerFrame + 1) % 4;
  }

  if (OnLogo(m.EnemyX)) {
    view.LogoEnemyShown();
    m.EnemyFrame = (m.EnemyFrame + 1) % 5;
  }
  m.EnemyX = m.EnemyX <= 3 ? 0 : m.EnemyX - 3;
  m.TitleAnimTick = (m.TitleAnimTick + 1) % 500;
}

}  // namespace

void MenuCursorStep(MenuState& m, KeyboardState& keys, int32_t rows, Audio& audio) {
  if (On(keys.KeyState[kKeyDown])) {
    keys.KeyState[kKeyDown] = 0;
    m.CursorRow = (m.CursorRow + 1) % rows;
    PlayCursorSound(audio);
  }
  if (On(keys.KeyState[kKeyUp])) {
    keys.KeyState[kKeyUp] = 0;
    m.CursorRow = m.CursorRow == 0 ? rows - 1 : m.CursorRow - 1;
    PlayCursorSound(audio);
  }
}

void MainMenu(World& g) {
  const bool tick = StepDue(g, g.menuClock, 100);
  if (tick) {
    g.BackgroundScroll = (g.BackgroundScroll + 1) % 32;
    g.front->MenuPatternShown();
    LogoSceneStep(g, g, *g.front);
    g.front->LogoPresented();
  }

  // Arrows are read before Space, so a Space pressed with an arrow acts on the moved cursor.
  MenuCursorStep(g, g, kMenuEntries, *g.audio);
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
