// The four game windows and the surfaces each owns. The stage window shows a stage (the HUD
// panel with the play field set in it), the menu window the title, menus and options, the house
// window the house shot on the sheet of ice, the results and the closing roll, and the splash
// window the logos at start. The topmost shown window is what the player sees. Sheets hold the
// pictures the art generator draws, loaded from the files the picture list names.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/overdraw.h"
#include "graphics/surface.h"

namespace slidestone {

constexpr int kScreenW = 640;
constexpr int kScreenH = 480;

// A single-line text field drawn over its box with a TrueType font.
struct TextField {
  std::string text;
  int x = 0, y = 0, w = 0, h = 0;  // inside its parent box
  ScreenState* screen = nullptr;   // the screen a new text changes
};

struct Form {
  bool shown = false;
  uint64_t z = 0;  // higher is nearer the top
  ScreenState* screen = nullptr;  // the screen showing or hiding it changes
};

struct StageWindow : Form {
  Surface hudPanel;  // the whole window: the HUD round the field
  Surface field;     // the play field as the player sees it, set in the panel
  Surface toolMenu;  // the tool menu's box, drawn inside the field
  Surface backdrop;    // the stage's backdrop with nothing on it: what a broken tile leaves
  Surface cleanField;  // the field with its tiles and nothing moving: what a repaint starts from
  Surface blendBase, blendOverlay;  // one cell each, for lighting a field cell
  Surface panelSheet;    // the blue panel behind the HUD (picture char1)
  Surface fieldSheet;    // tiles, stone, items, enemies, ball, speed words (picture char3)
  Surface overlaySheet;  // lights added onto the backdrop, sparkles (picture char4)
  Surface mainchar, jumpd, commandbox, commandboxx, time;  // the other sheets, by picture name
  Surface stageback[2];
  // What the last repaint (or tick of the stage-flow words) drew over the clean field: the next
  // one only has to restore that instead of the whole field.
  Overdraw sprites;
  // The stage's opening line, over the top row of the field (empty: not shown).
  TextField openingLine;
};

struct MenuWindow : Form {
  Surface startbox1, startbox2;            // window surfaces
  Surface title, messagebox, startback;    // sheets
  TextField notice;  // one line along the bottom (a high score that could not be saved)
};

struct HouseWindow : Form {
  Surface canvas;  // the whole window: the sheet of ice, the results, the closing roll
  Surface messagebox, messagebox1, messagebox2;  // text strips over it
  Surface cleanSheet;  // the sheet with nothing moving: what each tick of the shot starts from
  Surface clear1, clear2;  // sheets
  TextField commentText;  // the comment on the shot, inside messagebox
  TextField roleText;     // a role of the closing roll, inside messagebox2
  TextField namebox;      // a name of the closing roll, inside messagebox1
  Overdraw shot;  // what the last tick of the house shot drew over the clean sheet
};

struct SplashWindow : Form {
  Surface canvas;                 // the whole window
  Surface firstLogo, secondLogo;  // sheets
};

struct Forms {
  StageWindow stageWindow;
  MenuWindow menuWindow;
  HouseWindow houseWindow;
  SplashWindow splashWindow;
  uint64_t topZ = 0;
  // The screen the four windows make up; their surfaces, forms and texts point at it. A copy
  // of the windows (the editor's test play starts from the editor's loaded sheets) is a screen
  // of its own, at first wholly unseen.
  ScreenState screen;
  // Tests only: the check that every quick redraw of the field and of the house shot matches a
  // full one. None in play.
  RedrawCheck* redrawCheck = nullptr;

  Forms() { ConnectScreen(); }
  Forms(const Forms& other) { *this = other; }
  Forms& operator=(const Forms& other);
  // Points every window surface, form and text field at this set's screen.
  void ConnectScreen();
};

inline uint64_t ScreenVersion(const Forms& f) { return f.screen.version; }
inline ScreenDamage TakeScreenDamage(Forms& f) { return f.screen.TakeDamage(); }

// Creates every surface with its size, kind, parent position and visibility. Sheets are left
// blank; the sheet catalogue fills them.
void CreateForms(Forms& f);

// The house screen's full-screen surfaces, made on first use (showing the house window makes them).
void EnsureHouseWindow(Forms& f);
// After the splash its canvas and logos are never needed again: frees them and hides its window.
void ReleaseSplashWindow(Forms& f);

// Shows a form and brings it to the top. Maximised also runs its resize layout.
void ShowForm(Forms& f, Form& form);
void ShowFormMaximised(Forms& f, Form& form, int menuX = 0, int menuY = 0);
void HideForm(Form& form);

// Resize layouts of the three game windows, for a client area of w x h.
void LayoutStageWindow(StageWindow& w, int clientW, int clientH, int menuX, int menuY);
void LayoutMenuWindow(MenuWindow& w, int clientW, int clientH);
void LayoutHouseWindow(HouseWindow& w, int clientW, int clientH);

// Show, hide and move a window surface (what the player sees changes at once).
void ShowSurface(Surface& s);
void HideSurface(Surface& s);
void MoveSurface(Surface& s, int x, int y);
// Moves and resizes (the house window's text strips change size as they slide).
void MoveSurface(Surface& s, int x, int y, int w, int h);
void SetText(TextField& t, const std::string& text);

// Draws text fields; the platform provides it (a TrueType font), tests may leave it out.
class TextPainter {
 public:
  virtual ~TextPainter() = default;
  // Draws text into the w x h rectangle at (x, y) of dst, clipped to that rectangle.
  virtual void Paint(Surface& dst, int x, int y, int w, int h, const std::string& text) = 0;
};

// Composes what the player sees: the topmost shown form's full-window surface as last
// presented, its visible child surfaces at their places, then its text fields.
void ComposeScreen(const Forms& f, Surface& out, TextPainter* text);
// The same, redrawing only the damaged rectangles of a picture composed before (everything when
// the damage says so).
void ComposeScreenParts(const Forms& f, Surface& out, TextPainter* text, const ScreenDamage& damage);

}  // namespace slidestone
