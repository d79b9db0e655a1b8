#include "platform/sdl_window.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "graphics/forms.h"
#include "platform/window_scale.h"
#include "shell/app.h"
#include "shell/focus.h"
#include "presentation/game.h"
#include "stagedata/codes.h"

namespace slidestone {

namespace {

constexpr uint64_t kFrameMs = 16;  // show at most about once per display refresh
// With nothing to do the loop wakes once a frame and runs one pass for each millisecond that has
// passed; a key or a button wakes it at once. Waking every single millisecond would cost a few
// per cent of a core on its own, and more often than frames are shown gains nothing to see.
constexpr uint64_t kSliceMs = kFrameMs;
// When the game says its next paced step is further off than a slice (the menus tick every
// 100 ms), the loop sleeps until that step, but never longer than this.
constexpr uint64_t kLongestSleepMs = 100;

// Real time in milliseconds on the clock SDL stamps its events with.
uint64_t RealMs() { return SDL_GetTicks64(); }

void SleepUntilMs(uint64_t ms) {
  const uint64_t now = RealMs();
  if (ms > now) SDL_Delay(Uint32(ms - now));
}

// Sleeps until the deadline or until input arrives, whichever comes first. With a joystick or
// gamepad connected SDL can only wait by polling every millisecond, which costs more than the
// game itself, so then the loop sleeps at most a slice and reads input after it.
void WaitForInputUntilMs(uint64_t ms) {
  const uint64_t now = RealMs();
  if (ms <= now) return;
  if (SDL_NumJoysticks() > 0) {
    SDL_Delay(Uint32(std::min(ms - now, kSliceMs)));
    return;
  }
  SDL_WaitEventTimeout(nullptr, int(ms - now));  // leaves the event in the queue
}

// Where the 640 x 480 screen sits in the window: the largest whole scale that fits, centred, with
// black bars around it.
struct Placement {
  int scale, ox, oy;
};

Placement PlaceOn(const SDL_Surface& target) {
  const int scale = std::max(1, std::min(target.w / kScreenW, target.h / kScreenH));
  return {scale, (target.w - kScreenW * scale) / 2, (target.h - kScreenH * scale) / 2};
}

// Parts of the screen, at most as many as a frame's damage holds.
struct Rects {
  std::array<SDL_Rect, ScreenDamage::kMaxRects> rects{};
  int count = 0;
};

// Copies the rows of each damaged part that differ from what the window was sent (every row after
// a resize) into what it is sent (`sentRow(y)`); returns, a part each, the rows that changed.
template <typename SentRow>
Rects SendChanges(Surface& frame, const ScreenDamage& damage, SentRow sentRow, bool resized) {
  Rects changed;
  for (int i = 0; i < damage.count; ++i) {
    const Rect& d = damage.rects[size_t(i)];
    const int x0 = std::max(0, d.x), x1 = std::min(kScreenW, d.x + d.w);
    const int y0 = std::max(0, d.y), y1 = std::min(kScreenH, d.y + d.h);
    if (x1 <= x0 || y1 <= y0) continue;
    const size_t bytes = size_t(x1 - x0) * sizeof(Pixel);
    int top = -1, bottom = -1;
    for (int y = y0; y < y1; ++y) {
      Pixel* sent = sentRow(y) + x0;
      if (!resized && std::memcmp(frame.Row(y) + x0, sent, bytes) == 0) continue;
      if (top < 0) top = y;
      bottom = y;
      std::memcpy(sent, frame.Row(y) + x0, bytes);
    }
    if (top >= 0) changed.rects[size_t(changed.count++)] = {x0, top, x1 - x0, bottom - top + 1};
  }
  return changed;
}

// The same parts where the window shows them.
Rects OnWindow(const Rects& screen, const Placement& at) {
  Rects out;
  out.count = screen.count;
  for (int i = 0; i < screen.count; ++i) {
    const SDL_Rect& r = screen.rects[size_t(i)];
    out.rects[size_t(i)] = {at.ox + r.x * at.scale, at.oy + r.y * at.scale, r.w * at.scale, r.h * at.scale};
  }
  return out;
}
}  // namespace

SdlWindow::~SdlWindow() {
  if (timingLog_) std::fclose(timingLog_);
  if (frameSurface_) SDL_FreeSurface(frameSurface_);
  if (window_) SDL_DestroyWindow(window_);
}

bool SdlWindow::Open(int scale, bool fullscreen) {
  // Without a desktop SDL falls back to drivers that draw nowhere: the game would then run
  // unseen for ever. Say what is missing and how to play without a window instead. Only a
  // driver that was asked for by name (SDL_VIDEODRIVER, as tests do) may draw nowhere.
  auto unset = [](const char* name) { return !std::getenv(name) || !*std::getenv(name); };
  const bool chosen = !unset("SDL_VIDEODRIVER");
  const bool noDesktop = unset("DISPLAY") && unset("WAYLAND_DISPLAY") && !chosen;
  const char* driver = nullptr;
  if (!noDesktop && SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0) driver = SDL_GetCurrentVideoDriver();
  const bool drawsNowhere = driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
  if (!driver || (drawsNowhere && !chosen)) {
    std::fprintf(stderr,
                 "slidestone: no display to open a window on (is DISPLAY or WAYLAND_DISPLAY set?); "
                 "--headless --script FILE plays without one\n");
    return false;
  }
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
  // Draw through the system's own window framebuffer, not a GL texture: on a desktop without a
  // GPU (or under Xvfb) the GL path costs several per cent of a core for every frame.
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  // Without --scale: the largest whole factor whose window fits the part of the screen that
  // panels and docks leave free; the frame the window manager adds is known only once the
  // window is up, and when the window no longer fits with it, one step down is taken.
  const bool fitted = scale < 1;
  ScreenSize screen, usable;
  if (SDL_DisplayMode mode; SDL_GetDesktopDisplayMode(0, &mode) == 0) screen = {mode.w, mode.h};
  if (SDL_Rect r; SDL_GetDisplayUsableBounds(0, &r) == 0) usable = {r.w, r.h};
  if (fitted) scale = FittingScale(screen, usable, {});
  Uint32 flags = SDL_WINDOW_RESIZABLE | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  window_ = SDL_CreateWindow("Slidestone", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kScreenW * scale, kScreenH * scale, flags);
  if (!window_) {
    std::fprintf(stderr, "slidestone: cannot open a window: %s\n", SDL_GetError());
    return false;
  }
  int top = 0, left = 0, bottom = 0, right = 0;
  if (fitted && !fullscreen && SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0) {
    const int framed = FittingScale(screen, usable, {left + right, top + bottom});
    if (framed < scale) {
      scale = framed;
      SDL_SetWindowSize(window_, kScreenW * scale, kScreenH * scale);
      SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
  }
  SDL_SetWindowMinimumSize(window_, kScreenW, kScreenH);
  // What the window shows, wrapped as an SDL surface so SDL can scale it onto the window's own
  // surface. That path (shared memory on X11) costs far less than a GL renderer for a picture
  // that changes ten times a second.
  frame_.Resize(kScreenW, kScreenH);
  if (!SDL_GetWindowSurface(window_)) {
    std::fprintf(stderr, "slidestone: cannot draw in the window: %s\n", SDL_GetError());
    return false;
  }
  if (const char* log = std::getenv("SLIDESTONE_FRAME_LOG"); log && *log) {
    timingLog_ = std::fopen(log, "w");
  }
  return true;
}

void SdlWindow::SetIcon(const std::string& png) {
  SDL_Surface* icon = IMG_Load(png.c_str());
  if (!icon) {
    std::fprintf(stderr, "slidestone: no window icon: %s\n", IMG_GetError());
    return;
  }
  SDL_SetWindowIcon(window_, icon);
  SDL_FreeSurface(icon);
}

void SdlWindow::LogTiming(const char* what, uint64_t count) {
  if (!timingLog_) return;
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  std::fprintf(timingLog_, "%s %lld %llu\n", what,
               static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()),
               static_cast<unsigned long long>(count));
  std::fflush(timingLog_);
}

void SdlWindow::ToggleFullscreen() {
  const bool full = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  shownVersion_ = 0;  // repaint at the new size
  lastTarget_ = nullptr;
}

void SdlWindow::ShowTitle() {
  if (!title) return;
  if (std::string t = title(); t != shownTitle_) {
    SDL_SetWindowTitle(window_, t.c_str());
    shownTitle_ = std::move(t);
  }
}

bool SdlWindow::MakeFrameSurface() {
  if (frameSurface_) return true;
  uploaded_.Resize(kScreenW, kScreenH);
  frameSurface_ = SDL_CreateRGBSurfaceWithFormatFrom(uploaded_.Pixels().data(), kScreenW, kScreenH, 32,
                                                     kScreenW * 4, SDL_PIXELFORMAT_RGB888);
  if (!frameSurface_) return false;
  SDL_SetSurfaceBlendMode(frameSurface_, SDL_BLENDMODE_NONE);
  return true;
}

void SdlWindow::Show(Game& g, TextPainter* text) {
  const uint64_t now = RealMs();
  if (shownVersion_ == ScreenVersion(g.forms)) return;
  ShowTitle();
  // Frames are paced to the display's refresh, except the first change after the game has read a
  // key: the answer to a key is shown at once.
  if (now < lastShowMs_ + kFrameMs && shownActed_ == acted_) return;
  shownVersion_ = ScreenVersion(g.forms);
  shownActed_ = acted_;
  lastShowMs_ = now;
  SDL_Surface* target = SDL_GetWindowSurface(window_);
  if (!target) return;
  const bool resized = target != lastTarget_ || target->w != lastW_ || target->h != lastH_;

  // Only the parts of the screen that were presented since the last frame are composed again,
  // and of those only what differs from what the window shows is sent: a field repainted with
  // nothing moved costs a comparison, not an upload.
  ScreenDamage damage = TakeScreenDamage(g.forms);
  if (resized) damage.all = true;
  ComposeScreenParts(g.forms, frame_, text, damage);
  if (damage.all) {
    damage.count = 1;
    damage.rects[0] = {0, 0, kScreenW, kScreenH};
  }

  const Placement at = PlaceOn(*target);
  if (resized) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    lastTarget_ = target;
    lastW_ = target->w;
    lastH_ = target->h;
  }
  // At scale 1 in the screen's own pixel format the window's surface itself is what is compared
  // with and written to; otherwise a copy of what was sent is kept and scaled onto it.
  const bool direct = at.scale == 1 && target->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(target);
  if (!direct && !MakeFrameSurface()) return;
  auto sentRow = [&](int y) {
    return direct ? reinterpret_cast<Pixel*>(static_cast<uint8_t*>(target->pixels) + size_t(at.oy + y) * size_t(target->pitch)) + at.ox
                  : uploaded_.Row(y);
  };
  const Rects changed = SendChanges(frame_, damage, sentRow, resized);
  if (changed.count == 0 && !resized) return;

  Rects updated = OnWindow(changed, at);
  for (int i = 0; !direct && i < changed.count; ++i) {
    SDL_Rect src = changed.rects[size_t(i)];
    SDL_Rect* dst = &updated.rects[size_t(i)];  // the blit leaves there what it drew
    if (at.scale == 1) {
      SDL_BlitSurface(frameSurface_, &src, target, dst);
    } else {
      SDL_BlitScaled(frameSurface_, &src, target, dst);
    }
  }
  if (resized) {
    SDL_UpdateWindowSurface(window_);
  } else {
    SDL_UpdateWindowSurfaceRects(window_, updated.rects.data(), updated.count);
  }
  LogTiming("frame", acted_);
}

void SdlWindow::Run(App& app, Game& g, TextPainter* text) {
  game_ = &g;
  uint64_t start = RealMs() - uint64_t(g.Now);
  while (!app.Ended()) {
    PumpEvents(app, true);
    // One pass per virtual millisecond, up to and including the one now under way, so a key
    // that has just arrived acts in this very batch. After a stall (a suspended machine, a
    // debugger) the clock jumps ahead instead of replaying the lost time at full speed.
    uint64_t real = RealMs() - start;
    if (real > uint64_t(g.Now) + 250) {
      start += real - uint64_t(g.Now) - 1;
      real = uint64_t(g.Now) + 1;
    }
    bool handedOver = false;
    while (uint64_t(g.Now) <= real && !app.Ended()) {
      // Each event joins the pass of the millisecond it happened in, so a quick tap still
      // reaches the game as a press and then a release, as it would in a loop that never sleeps.
      const size_t before = arrived_.Waiting();
      const uint64_t inKeyState = handed_;  // handed over to earlier passes: this one reads them
      arrived_.DeliverUpTo(start + uint64_t(g.Now), app.input());
      handedOver = arrived_.Waiting() != before;
      handed_ += before - arrived_.Waiting();
      app.Pass();
      acted_ = inKeyState;
    }
    if (app.Ended()) break;
    Show(g, text);
    // Next wake-up: the next slice of passes, or the game's next paced step when that is further
    // off (nothing is seen or heard before it), or sooner when a changed picture is waiting for
    // its frame, or at once when input arrives. A pass hands its events to the game's key states
    // only at its end, so the pass that acts on them is the next one: it runs as soon as its
    // millisecond comes, not a whole slice later, and so does a release held back for it.
    uint64_t deadline = start + uint64_t(g.Now) + kSliceMs;
    if (!app.loop && g.nextStepAt != Game::kNoStepDue && g.nextStepAt > g.Now + int64_t(kSliceMs)) {
      deadline = start + uint64_t(std::min(g.nextStepAt, g.Now + int64_t(kLongestSleepMs)));
    }
    if (handedOver || arrived_.Waiting() > 0) deadline = start + uint64_t(g.Now);
    if (shownVersion_ != ScreenVersion(g.forms)) deadline = std::min(deadline, lastShowMs_ + kFrameMs);
    WaitForInputUntilMs(deadline);
  }
}

void SdlWindow::AfterReplayPass(App& app, Game& g, TextPainter* text) {
  const int speed = replaySpeed_;
  PumpEvents(app, false);
  if (!replayStarted_ || replaySpeed_ != speed) {
    replayStarted_ = true;
    replayStartMs_ = RealMs();
    replayFromMs_ = g.Now;
  }
  Show(g, text);
  const uint64_t due = replayStartMs_ + uint64_t(g.Now - replayFromMs_) / uint64_t(replaySpeed_);
  if (RealMs() < due) SleepUntilMs(due);
}

}  // namespace slidestone
