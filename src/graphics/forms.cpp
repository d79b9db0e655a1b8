#include "graphics/forms.h"

#include <algorithm>
#include <initializer_list>

namespace slidestone {

namespace {

void Window(Forms& f, Surface& s, int w, int h, int x, int y, bool visible) {
  s.Resize(w, h);
  s.MakeWindow(&f.screen, x, y, visible);
}

void DrawChild(Surface& out, const Surface& s, int ox, int oy, const Rect& clip) {
  if (!s.visible) return;
  const int x0 = std::max({0, ox + s.x, clip.x}), y0 = std::max({0, oy + s.y, clip.y});
  const int x1 = std::min({out.Width(), ox + s.x + s.Width(), clip.x + clip.w});
  const int y1 = std::min({out.Height(), oy + s.y + s.Height(), clip.y + clip.h});
  if (x1 <= x0) return;
  const auto& shown = s.Shown();
  for (int yy = y0; yy < y1; ++yy) {
    const Pixel* in = shown.data() + size_t(yy - oy - s.y) * size_t(s.Width()) + size_t(x0 - ox - s.x);
    std::copy(in, in + (x1 - x0), out.Row(yy) + x0);
  }
}

void DrawText(Surface& out, const Surface& box, const TextField& t, TextPainter* text) {
  if (!box.visible || !text) return;
  // The field is clipped to its box.
  const int x0 = box.x + std::max(0, t.x), y0 = box.y + std::max(0, t.y);
  const int w = std::min(t.w, box.Width() - std::max(0, t.x));
  const int h = std::min(t.h, box.Height() - std::max(0, t.y));
  if (w <= 0 || h <= 0) return;
  text->Paint(out, x0, y0, w, h, t.text);
}

}  // namespace

void CreateForms(Forms& f) {
  StageWindow& s = f.stageWindow;
  Window(f, s.hudPanel, kScreenW, kScreenH, 0, 0, true);
  Window(f, s.field, 608, 352, 16, 112, true);
  Window(f, s.toolMenu, 72, 24, 0, 0, false);
  s.toolMenu.insideChild = true;  // drawn inside the field
  s.backdrop.Resize(608, 352);
  s.cleanField.Resize(608, 352);
  s.blendBase.Resize(32, 32);
  s.blendOverlay.Resize(32, 32);
  s.openingLine = {"", 24, 2, 560, 28};  // over the field's top row, which stages keep empty

  MenuWindow& m = f.menuWindow;
  Window(f, m.startbox1, kScreenW, kScreenH, 0, 0, true);
  Window(f, m.startbox2, 550, 220, 45, 10, true);
  m.notice = {"", 0, kScreenH - 28, kScreenW, 28};

  // The house screen's full-screen surfaces are made when it is first shown (EnsureHouseWindow):
  // many games never get that far.
  HouseWindow& h = f.houseWindow;
  Window(f, h.messagebox, 320, 32, 160, 160, true);
  Window(f, h.messagebox1, 320, 32, 0, 64, true);
  Window(f, h.messagebox2, 320, 32, 0, 0, true);
  h.commentText = {"", 0, 0, 320, 32};
  h.roleText = {"", 0, 0, 480, 32};
  h.namebox = {"", 0, 0, 192, 32};

  SplashWindow& p = f.splashWindow;
  Window(f, p.canvas, kScreenW, kScreenH, 0, 0, true);
  f.ConnectScreen();
}

void Forms::ConnectScreen() {
  for (Form* form : std::initializer_list<Form*>{&stageWindow, &menuWindow, &houseWindow, &splashWindow}) {
    form->screen = &screen;
  }
  for (TextField* t : {&stageWindow.openingLine, &menuWindow.notice, &houseWindow.commentText,
                       &houseWindow.roleText, &houseWindow.namebox}) {
    t->screen = &screen;
  }
  for (Surface* s : {&stageWindow.hudPanel, &stageWindow.field, &stageWindow.toolMenu, &menuWindow.startbox1,
                     &menuWindow.startbox2, &houseWindow.canvas, &houseWindow.messagebox,
                     &houseWindow.messagebox1, &houseWindow.messagebox2, &splashWindow.firstLogo,
                     &splashWindow.canvas, &splashWindow.secondLogo}) {
    s->JoinScreen(&screen);
  }
}

Forms& Forms::operator=(const Forms& other) {
  if (this == &other) return *this;
  stageWindow = other.stageWindow;
  menuWindow = other.menuWindow;
  houseWindow = other.houseWindow;
  splashWindow = other.splashWindow;
  topZ = other.topZ;
  screen = ScreenState{};
  redrawCheck = other.redrawCheck;
  ConnectScreen();
  return *this;
}

void EnsureHouseWindow(Forms& f) {
  HouseWindow& h = f.houseWindow;
  if (h.canvas.Width() != 0) return;
  Window(f, h.canvas, kScreenW, kScreenH, 0, 0, true);
  h.cleanSheet.Resize(kScreenW, kScreenH);
}

void ReleaseSplashWindow(Forms& f) {
  SplashWindow& p = f.splashWindow;
  HideForm(p);
  for (Surface* s : {&p.canvas, &p.firstLogo, &p.secondLogo}) *s = Surface();
}

void ShowForm(Forms& f, Form& form) {
  if (&form == &f.houseWindow) EnsureHouseWindow(f);
  form.shown = true;
  form.z = ++f.topZ;
  f.screen.Touch();
}

void ShowFormMaximised(Forms& f, Form& form, int menuX, int menuY) {
  ShowForm(f, form);
  if (&form == &f.stageWindow) LayoutStageWindow(f.stageWindow, kScreenW, kScreenH, menuX, menuY);
  if (&form == &f.menuWindow) LayoutMenuWindow(f.menuWindow, kScreenW, kScreenH);
  if (&form == &f.houseWindow) LayoutHouseWindow(f.houseWindow, kScreenW, kScreenH);
}

void HideForm(Form& form) {
  form.shown = false;
  if (form.screen) form.screen->Touch();
}

void LayoutStageWindow(StageWindow& w, int clientW, int clientH, int menuX, int menuY) {
  MoveSurface(w.hudPanel, 0, 0, clientW, clientH);
  MoveSurface(w.field, 16, 112, 608, 352);
  MoveSurface(w.toolMenu, menuX, menuY, 72, 24);
}

void LayoutMenuWindow(MenuWindow& w, int clientW, int clientH) {
  MoveSurface(w.startbox1, 0, 0, clientW, clientH);
  MoveSurface(w.startbox2, 45, 10, 550, 220);
}

void LayoutHouseWindow(HouseWindow& w, int clientW, int clientH) {
  MoveSurface(w.canvas, 0, 0, clientW, clientH);
  MoveSurface(w.messagebox, 160, 160, 320, 32);
  w.commentText.x = w.commentText.y = 0;
  w.commentText.w = 320, w.commentText.h = 32;
  w.roleText.x = w.roleText.y = 0;
  w.roleText.w = 480, w.roleText.h = 32;
  w.namebox.x = w.namebox.y = 0;
  w.namebox.w = 192, w.namebox.h = 32;
}

void ShowSurface(Surface& s) {
  if (!s.visible) s.TouchScreen();
  s.visible = true;
}

void HideSurface(Surface& s) {
  if (s.visible) s.TouchScreen();
  s.visible = false;
}

void MoveSurface(Surface& s, int x, int y) {
  if (s.x != x || s.y != y) s.TouchScreen();
  s.x = x;
  s.y = y;
}

void MoveSurface(Surface& s, int x, int y, int w, int h) {
  MoveSurface(s, x, y);
  if (s.Width() != w || s.Height() != h) {
    // A resized box keeps what it held where the old and new sizes overlap; what it covered
    // before may now show what lies under it.
    s.TouchScreen();
    Surface old = s;
    s.Resize(w, h);
    Copy(s, 0, 0, std::min(w, old.Width()), std::min(h, old.Height()), old, 0, 0);
    s.Present();
  }
}

void SetText(TextField& t, const std::string& text) {
  if (t.text != text && t.screen) t.screen->Touch();
  t.text = text;
}

namespace {

// The topmost shown form: the one the player sees.
const Form* TopForm(const Forms& f) {
  const Form* top = nullptr;
  for (const Form* form : {static_cast<const Form*>(&f.stageWindow), static_cast<const Form*>(&f.menuWindow),
                           static_cast<const Form*>(&f.houseWindow), static_cast<const Form*>(&f.splashWindow)}) {
    if (form->shown && (!top || form->z > top->z)) top = form;
  }
  return top;
}

// The form's picture, drawn into `out` where it meets `clip` (text fields that touch it are
// painted whole: they cover the same pixels whatever the clip).
void ComposeInto(const Forms& f, Surface& out, TextPainter* text, const Rect& clip) {
  Surface& frame = out;
  auto child = [&](const Surface& s, int ox, int oy) { DrawChild(frame, s, ox, oy, clip); };
  auto touches = [&](const Surface& box, const TextField& t) {
    const Rect r{box.x + t.x, box.y + t.y, t.w, t.h};
    return r.x < clip.x + clip.w && clip.x < r.x + r.w && r.y < clip.y + clip.h && clip.y < r.y + r.h;
  };
  const Form* top = TopForm(f);
  if (top == &f.stageWindow) {
    const StageWindow& s = f.stageWindow;
    child(s.hudPanel, 0, 0);
    child(s.field, 0, 0);
    if (s.field.visible) child(s.toolMenu, s.field.x, s.field.y);
    if (s.field.visible && !s.openingLine.text.empty() && touches(s.field, s.openingLine)) {
      DrawText(out, s.field, s.openingLine, text);
    }
  } else if (top == &f.menuWindow) {
    child(f.menuWindow.startbox1, 0, 0);
    child(f.menuWindow.startbox2, 0, 0);
    if (!f.menuWindow.notice.text.empty() && touches(f.menuWindow.startbox1, f.menuWindow.notice)) {
      DrawText(out, f.menuWindow.startbox1, f.menuWindow.notice, text);
    }
  } else if (top == &f.houseWindow) {
    const HouseWindow& h = f.houseWindow;
    child(h.canvas, 0, 0);
    child(h.messagebox, 0, 0);
    child(h.messagebox1, 0, 0);
    child(h.messagebox2, 0, 0);
    if (touches(h.messagebox, h.commentText)) DrawText(out, h.messagebox, h.commentText, text);
    if (touches(h.messagebox1, h.namebox)) DrawText(out, h.messagebox1, h.namebox, text);
    if (touches(h.messagebox2, h.roleText)) DrawText(out, h.messagebox2, h.roleText, text);
  } else if (top == &f.splashWindow) {
    child(f.splashWindow.canvas, 0, 0);
  } else {
    for (int yy = std::max(0, clip.y); yy < std::min(kScreenH, clip.y + clip.h); ++yy) {
      Pixel* row = out.Row(yy);
      std::fill(row + std::max(0, clip.x), row + std::min(kScreenW, clip.x + clip.w), Pixel(0));
    }
  }
}

}  // namespace

void ComposeScreen(const Forms& f, Surface& out, TextPainter* text) {
  if (out.Width() != kScreenW || out.Height() != kScreenH) out.Resize(kScreenW, kScreenH);
  ComposeInto(f, out, text, {0, 0, kScreenW, kScreenH});
}

void ComposeScreenParts(const Forms& f, Surface& out, TextPainter* text, const ScreenDamage& damage) {
  if (damage.all || out.Width() != kScreenW || out.Height() != kScreenH) {
    ComposeScreen(f, out, text);
    return;
  }
  for (int i = 0; i < damage.count; ++i) ComposeInto(f, out, text, damage.rects[size_t(i)]);
}

}  // namespace slidestone
