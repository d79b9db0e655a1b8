// Words drawn as pictures: TrueType lettering turned into solid, outlined, shaded words that sit
// on pure black. Every pixel of a word is non-black, so keyed copies keep its dark outline too.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace art {

namespace fonts {
constexpr const char* kSpartanBold = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Bold.otf";
constexpr const char* kSpartanExtra = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-ExtraBold.otf";
constexpr const char* kSpartanBlack = "/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf";
constexpr const char* kBebas = "/usr/share/fonts/opentype/bebas-neue/BebasNeue-Bold.otf";
constexpr const char* kDejaVuBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}  // namespace fonts

// Coverage of rendered lettering, 0..1 per pixel, cropped to the ink.
struct Ink {
  int w = 0, h = 0;
  std::vector<float> a;
  float At(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h ? a[y * w + x] : 0.f; }
};

// Renders the text so that its ink fits maxW x maxH (as large as possible); squeeze < 1 narrows it.
Ink FitInk(const char* font, const std::string& text, int maxW, int maxH, float squeeze = 1.f);
// The largest point size at which every one of the texts fits maxW x maxH (so a set of digits or
// words shares one size).
int FitSize(const char* font, const std::vector<std::string>& texts, int maxW, int maxH);
// The ink at an exact point size.
Ink SizedInk(const char* font, const std::string& text, int ptsize);
Ink Slant(const Ink& in, float shear);            // leans the top to the right
Ink Smear(const Ink& in, int length);             // motion trail to the left
Ink Stretch(const Ink& in, int w, int h);         // bilinear resize

struct WordStyle {
  Rgb top{255, 255, 255}, bottom{200, 200, 200};  // fill gradient
  Rgb shine{0, 0, 0};                            // upper band tint (black = none)
  Rgb outline{16, 16, 24};
  int outlineW = 2;
  Rgb depthColour{0, 0, 0};  // extrusion toward the bottom-right (black = none)
  int depth = 0;
};

// The styled word on black; its size is the ink plus outline and extrusion.
Image StyleWord(const Ink& ink, const WordStyle& s);

enum class Align { Left, Centre, Right };
// Places a word inside a cell of the sheet, vertically centred, keyed so neighbours stay intact.
void PlaceWord(Image& sheet, const Image& word, int x, int y, int w, int h, Align al, int margin = 4);

// Quits SDL_ttf when the generator ends.
void ShutDownText();

}  // namespace art
