// The four game windows and the surfaces each owns, by the names the game uses for them.
// Form1 is the stage screen, Form2 the title and menus, Form3 the house-and-sheet screen and
// Form4 the logo splash. The topmost shown form is what the player sees.
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

struct StageWindow : Form {  // Form1
  Surface gamebox1, gamebox2, gamebox3;  // window surfaces
  Surface back, Bback, char5, char6;     // work surfaces
  Surface char1, char3, char4, mainchar, jumpd, commandbox, commandboxx, time;  // sheets
  Surface stageback[2];
  // What the last repaint (or tick of the stage-flow words) drew over the clean field in Bback:
  // the next one only has to restore that instead of the whole field.
  Overdraw sprites;
  // Test only: every repaint is also done the slow way, from the whole clean field, and any
  // difference from the quick one is counted (the house shot's too).
  bool checkRepaint = false;
  int repaintMismatches = 0;
};

struct MenuWindow : Form {  // Form2
  Surface startbox1, startbox2;            // window surfaces
  Surface title, messagebox, startback;    // sheets
  TextField notice;  // one line along the bottom (a high score that could not be saved)
};

struct HouseWindow : Form {  // Form3
  Surface clearbox1, messagebox, messagebox1, messagebox2;  // window surfaces
  Surface back;                                             // work surface
  Surface clear1, clear2;                                   // sheets
  TextField Text1, Text2, namebox;  // inside messagebox, messagebox2, messagebox1
  Overdraw shot;  // what the last tick of the house shot drew over the sheet in back
};

struct SplashWindow : Form {  // Form4
  Surface Picture2;            // the canvas
  Surface Picture1, Picture3;  // first and second logo
};

struct Forms {
  StageWindow Form1;
  MenuWindow Form2;
  HouseWindow Form3;
  SplashWindow Form4;
  uint64_t topZ = 0;
  // The screen the four windows make up; their surfaces, forms and texts point at it. A copy
  // of the windows (the editor's test play starts from the editor's loaded sheets) is a screen
  // of its own, at first wholly unseen.
  ScreenState screen;

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

// The house screen's full-screen surfaces, made on first use (showing Form3 makes them).
void EnsureHouseWindow(Forms& f);
// After the splash its canvas and logos are never needed again: frees them and hides Form4.
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
// Moves and resizes (the text strips of Form3 change size as they slide).
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
