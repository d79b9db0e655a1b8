// The window's input: keyboard, mouse, gamepad and window events turned into the game's key
// events, each queued with the moment it arrived. A replay in a window (keys off) takes none of
// them, but closing the window or Escape still ends it, and a watched replay hears Space.
#include <SDL.h>

#include <algorithm>
#include <cstdlib>

#include "graphics/forms.h"
#include "platform/sdl_window.h"
#include "shell/app.h"
#include "shell/focus.h"
#include "stagedata/codes.h"

namespace slidestone {

namespace {

constexpr int kStickThreshold = 16000;

// SDL key to the game's virtual-key code; -1 for keys the game has no code for.
int VirtualKey(SDL_Keycode k) {
  if (k >= SDLK_a && k <= SDLK_z) return 'A' + int(k - SDLK_a);
  if (k >= SDLK_0 && k <= SDLK_9) return '0' + int(k - SDLK_0);
  if (k >= SDLK_F1 && k <= SDLK_F12) return kKeyF1 + int(k - SDLK_F1);
  switch (k) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return kKeyEnter;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_BACKSPACE: return kKeyBackspace;
    case SDLK_TAB: return kKeyTab;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return kKeyShift;
    case SDLK_LCTRL: case SDLK_RCTRL: return kKeyCtrl;
    case SDLK_LALT: case SDLK_RALT: return kKeyAlt;
    case SDLK_PAGEUP: return kKeyPageUp;
    case SDLK_PAGEDOWN: return kKeyPageDown;
    case SDLK_END: return kKeyEnd;
    case SDLK_HOME: return kKeyHome;
    case SDLK_DELETE: return kKeyDelete;
    default: return -1;
  }
}

int PadButtonKey(uint8_t button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return kKeyLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return kKeyRight;
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return kKeyUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return kKeyDown;
    case SDL_CONTROLLER_BUTTON_A: return kKeySpace;
    case SDL_CONTROLLER_BUTTON_B: return kKeyZ;
    case SDL_CONTROLLER_BUTTON_START: return kKeyEnter;
    case SDL_CONTROLLER_BUTTON_BACK: return kKeyEscape;
    default: return -1;
  }
}

int MouseButtonKey(uint8_t button) {
  return button == SDL_BUTTON_LEFT ? kMouseLeft : button == SDL_BUTTON_RIGHT ? kMouseRight : -1;
}

}  // namespace

void SdlWindow::PumpEvents(App& app, bool keys) {
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    const uint32_t at = e.common.timestamp;
    switch (e.type) {
      case SDL_QUIT:
        // Closing the window ends the game as Escape does; a replay it ends at once.
        if (keys) {
          Queue(at, {true, kKeyEscape});
        } else {
          app.Quit();
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        OnKey(app, e, keys);
        break;
      case SDL_MOUSEMOTION:
        if (keys) Queue(at, ScreenPointer(e.motion.x, e.motion.y, {false, 0, true}));
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (const int code = MouseButtonKey(e.button.button); keys && code >= 0) {
          Queue(at, ScreenPointer(e.button.x, e.button.y, {e.type == SDL_MOUSEBUTTONDOWN, code}));
        }
        break;
      case SDL_MOUSEWHEEL:
        if (keys) OnWheel(e);
        break;
      case SDL_CONTROLLERDEVICEADDED:
        SDL_GameControllerOpen(e.cdevice.which);
        break;
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        if (const int code = PadButtonKey(e.cbutton.button); keys && code >= 0) {
          Queue(at, {e.type == SDL_CONTROLLERBUTTONDOWN, code});
        }
        break;
      case SDL_CONTROLLERAXISMOTION:
        OnStick(e, keys);
        break;
      case SDL_WINDOWEVENT:
        OnWindowEvent(e, keys);
        break;
      default:
        break;
    }
  }
}

void SdlWindow::OnKey(App& app, const SDL_Event& e, bool keys) {
  const SDL_Keycode k = e.key.keysym.sym;
  const bool down = e.type == SDL_KEYDOWN;
  // A replay takes no keys, but Escape still stops it.
  if (!keys && down && k == SDLK_ESCAPE) app.Quit();
  if (k == SDLK_F11 || (k == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT))) {
    if (down && !e.key.repeat) ToggleFullscreen();
    return;
  }
  if (watched_ && !keys && down && !e.key.repeat && k == SDLK_SPACE) {
    replaySpeed_ = replaySpeed_ >= 8 ? 1 : replaySpeed_ * 2;
    return;
  }
  const int code = VirtualKey(k);
  // Auto-repeat arrives as further key-downs, which the game relies on.
  if (keys && code >= 0) {
    Queue(e.common.timestamp, {down, code});
    if (down && !e.key.repeat) LogTiming("key", queued_);
  }
}

// Each notch of the wheel (at most five an event) is a tap of the wheel's key.
void SdlWindow::OnWheel(const SDL_Event& e) {
  const int notches = std::min(5, std::abs(e.wheel.y));
  const int code = (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y) > 0 ? kWheelUp : kWheelDown;
  for (int n = 0; n < notches; ++n) {
    Queue(e.common.timestamp, {true, code});
    Queue(e.common.timestamp, {false, code});
  }
}

// The left stick as arrows: leaving the middle presses one, coming back or crossing over lets
// it go.
void SdlWindow::OnStick(const SDL_Event& e, bool keys) {
  const int v = e.caxis.value;
  const int dir = v < -kStickThreshold ? -1 : v > kStickThreshold ? 1 : 0;
  int* axis = e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ? &axisX_
            : e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY ? &axisY_ : nullptr;
  if (!axis || *axis == dir || !keys) {
    if (axis && !keys) *axis = dir;
    return;
  }
  const bool horizontal = axis == &axisX_;
  const int neg = horizontal ? kKeyLeft : kKeyUp, pos = horizontal ? kKeyRight : kKeyDown;
  if (*axis != 0) Queue(e.common.timestamp, {false, *axis < 0 ? neg : pos});
  if (dir != 0) Queue(e.common.timestamp, {true, dir < 0 ? neg : pos});
  *axis = dir;
}

// A window uncovered or resized is drawn whole again; one that loses the focus or is minimised
// lets go of the keys held (and pauses a stage).
void SdlWindow::OnWindowEvent(const SDL_Event& e, bool keys) {
  if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
    shownVersion_ = 0;
    lastTarget_ = nullptr;
  }
  if (keys && game_ &&
      (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_MINIMIZED)) {
    for (const KeyEvent& k : FocusLostEvents(*game_, held_)) Queue(e.common.timestamp, k);
  }
}

KeyEvent SdlWindow::ScreenPointer(int wx, int wy, KeyEvent e) const {
  // The window shows the screen at a whole scale, centred: undo both.
  int w = kScreenW, h = kScreenH;
  SDL_GetWindowSize(window_, &w, &h);
  const int scale = std::max(1, std::min(w / kScreenW, h / kScreenH));
  e.x = std::clamp((wx - (w - kScreenW * scale) / 2) / scale, 0, kScreenW - 1);
  e.y = std::clamp((wy - (h - kScreenH * scale) / 2) / scale, 0, kScreenH - 1);
  return e;
}

void SdlWindow::Queue(uint32_t stamp, const KeyEvent& e) {
  if (!e.pointer && e.code >= 0 && e.code < kKeyCount) held_[size_t(e.code)] = e.down;
  const size_t before = arrived_.Waiting();
  arrived_.Add(stamp, e);
  queued_ += arrived_.Waiting() - before;
}

}  // namespace slidestone
