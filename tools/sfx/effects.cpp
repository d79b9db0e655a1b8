// The game's sound effects, one recipe each. The world is a toy-block winter: snow under
// foot, ice that cracks and chimes, a heavy granite stone, springs and cheerful menu blips.
#include "effects.h"

#include <iterator>
#include <stdexcept>
#include <string>

#include "synth.h"

namespace sfx {

namespace {

Envelope Hit(double decay, double release = 0.02) { return {0.002, decay, 0.0, release}; }
Envelope Held(double attack, double sustain, double release) {
  return {attack, 0.03, sustain, release};
}

// Menu and interface sounds ----------------------------------------------------------------

// No tool points left: a short, low, muffled buzz, 140 ms in all with its release (the game
// restarts it only after that long while Space is held: kNoPointsBeepMs), soft-edged and brief.
Buffer NoPoints() {
  Buffer b;
  AddTone(b, {.duration = 0.11, .wave = Wave::Square, .freq = 196, .freqEnd = 180, .duty = 0.3,
              .gain = 0.6, .lowpass = 1400, .env = Held(0.004, 0.8, 0.03)});
  AddTone(b, {.duration = 0.11, .wave = Wave::Square, .freq = 207.6, .freqEnd = 190,
              .gain = 0.4, .lowpass = 1200, .env = Held(0.004, 0.8, 0.03)});
  return b;
}

// A springy boing upward: the tool cursor hopping, or a spring set down on the floor.
Buffer Spring() {
  Buffer b;
  AddTone(b, {.duration = 0.16, .wave = Wave::Triangle, .freq = 330, .freqEnd = 880,
              .slide = 0.09, .vibratoHz = 28, .vibratoSemis = 0.9, .gain = 0.9,
              .env = Hit(0.16, 0.03)});
  AddTone(b, {.duration = 0.12, .wave = Wave::Sine, .freq = 660, .freqEnd = 1760, .slide = 0.09,
              .gain = 0.25, .env = Hit(0.1)});
  return b;
}

// The tool menu pops open: a quick swish with a bright rising pair of blips.
Buffer MenuOpen() {
  Buffer b;
  AddNoise(b, {.duration = 0.09, .pass = Pass::Band, .cutoff = 1200, .cutoffEnd = 5000,
               .resonance = 1.2, .gain = 0.5, .seed = 10, .env = Held(0.03, 0.6, 0.04)});
  AddTone(b, {.start = 0.03, .duration = 0.05, .wave = Wave::Square, .freq = NoteHz(79),
              .duty = 0.25, .gain = 0.35, .lowpass = 5000, .env = Hit(0.06)});
  AddTone(b, {.start = 0.08, .duration = 0.09, .wave = Wave::Square, .freq = NoteHz(86),
              .duty = 0.25, .gain = 0.35, .lowpass = 5000, .env = Hit(0.1)});
  return b;
}

// Pause and confirm: a clear two-note chime, up a fifth.
Buffer Confirm() {
  Buffer b;
  AddBell(b, 0.0, NoteHz(84), 0.10, 0.5);
  AddBell(b, 0.07, NoteHz(91), 0.1, 0.6);
  AddTone(b, {.duration = 0.05, .wave = Wave::Triangle, .freq = NoteHz(72), .gain = 0.3,
              .env = Hit(0.06)});
  AddTone(b, {.start = 0.07, .duration = 0.12, .wave = Wave::Triangle, .freq = NoteHz(79),
              .gain = 0.3, .env = Hit(0.14)});
  return b;
}

// The menu cursor: one short wooden tick with a glassy top.
Buffer Cursor() {
  Buffer b;
  AddBell(b, 0.0, NoteHz(88), 0.025, 0.6);
  AddTone(b, {.duration = 0.03, .wave = Wave::Triangle, .freq = 1300, .freqEnd = 1100,
              .gain = 0.5, .env = Hit(0.035, 0.01)});
  return b;
}

// An option changes: a quick up-flip of two soft square blips.
Buffer OptionFlip() {
  Buffer b;
  AddTone(b, {.duration = 0.045, .wave = Wave::Square, .freq = NoteHz(76), .duty = 0.25,
              .gain = 0.45, .lowpass = 4000, .env = Hit(0.05, 0.01)});
  AddTone(b, {.start = 0.05, .duration = 0.07, .wave = Wave::Square, .freq = NoteHz(81),
              .duty = 0.25, .gain = 0.45, .lowpass = 4000, .env = Hit(0.08)});
  return b;
}

// Stone and enemies ------------------------------------------------------------------------

// The stone bowls an enemy over: a round bonk dropping in pitch, with a thump under it.
Buffer Bonk() {
  Buffer b;
  AddTone(b, {.duration = 0.2, .wave = Wave::Sine, .freq = 720, .freqEnd = 160, .slide = 0.18,
              .gain = 0.9, .env = Hit(0.22)});
  AddTone(b, {.duration = 0.12, .wave = Wave::Sine, .freq = 140, .freqEnd = 60, .gain = 0.7,
              .env = Hit(0.12)});
  AddNoise(b, {.duration = 0.03, .pass = Pass::Low, .cutoff = 2500, .gain = 0.7, .seed = 4,
               .env = Hit(0.03)});
  return b;
}

// The other knock-over: a spinning "pow" that wobbles down, with a twinkle of stars.
Buffer Spin() {
  Buffer b;
  AddNoise(b, {.duration = 0.04, .pass = Pass::Band, .cutoff = 1800, .resonance = 1.0,
               .gain = 0.9, .seed = 5, .env = Hit(0.05)});
  AddTone(b, {.start = 0.01, .duration = 0.3, .wave = Wave::Square, .freq = 600, .freqEnd = 200,
              .duty = 0.35, .vibratoHz = 14, .vibratoSemis = 1.5, .gain = 0.35, .lowpass = 2500,
              .env = Hit(0.32)});
  AddBell(b, 0.12, NoteHz(93), 0.06, 0.25);
  AddBell(b, 0.19, NoteHz(96), 0.06, 0.2);
  return b;
}

// A spring throws the stone: a deep boing climbing away with a rush of air.
Buffer StoneLaunch() {
  Buffer b;
  AddTone(b, {.duration = 0.38, .wave = Wave::Triangle, .freq = 110, .freqEnd = 520,
              .slide = 0.3, .vibratoHz = 18, .vibratoSemis = 1.2, .gain = 0.9,
              .env = Held(0.005, 0.7, 0.12)});
  AddNoise(b, {.start = 0.05, .duration = 0.35, .pass = Pass::Band, .cutoff = 500,
               .cutoffEnd = 3500, .resonance = 0.9, .gain = 0.45, .seed = 7,
               .env = Held(0.12, 0.8, 0.1)});
  return b;
}

// The flying stone comes down: a heavy thud and the clack of granite on ice.
Buffer StoneLand() {
  Buffer b;
  AddTone(b, {.duration = 0.25, .wave = Wave::Sine, .freq = 120, .freqEnd = 45, .slide = 0.2,
              .gain = 1.0, .env = Hit(0.25)});
  AddNoise(b, {.duration = 0.12, .pass = Pass::Low, .cutoff = 900, .cutoffEnd = 200,
               .gain = 0.9, .seed = 8, .env = Hit(0.12)});
  AddNoise(b, {.duration = 0.02, .pass = Pass::Band, .cutoff = 3000, .resonance = 2.0,
               .gain = 0.5, .seed = 9, .env = Hit(0.02)});
  AddBell(b, 0.0, 620, 0.05, 0.15);
  return b;
}

// Something drops out of the field: a long falling whistle that fades into the depth.
Buffer Fall() {
  Buffer b;
  AddTone(b, {.duration = 0.85, .wave = Wave::Sine, .freq = 1400, .freqEnd = 180,
              .vibratoHz = 7, .vibratoSemis = 0.3, .gain = 0.8, .env = {0.01, 0.6, 0.6, 0.2}});
  AddTone(b, {.duration = 0.85, .wave = Wave::Triangle, .freq = 700, .freqEnd = 90,
              .vibratoHz = 7, .vibratoSemis = 0.3, .gain = 0.25, .env = {0.01, 0.6, 0.6, 0.2}});
  return b;
}

// Work on the tiles --------------------------------------------------------------------------

// The broom: two brisk strokes of bristles over ice. Also the swish of banners and roll lines.
Buffer Sweep() {
  Buffer b;
  AddNoise(b, {.duration = 0.16, .pass = Pass::Band, .cutoff = 1500, .cutoffEnd = 4500,
               .resonance = 0.9, .gain = 1.0, .seed = 11, .env = Held(0.06, 0.8, 0.06)});
  AddNoise(b, {.start = 0.2, .duration = 0.14, .pass = Pass::Band, .cutoff = 4000,
               .cutoffEnd = 1800, .resonance = 0.9, .gain = 0.8, .seed = 12,
               .env = Held(0.05, 0.8, 0.06)});
  Filter(b, Pass::High, 500);
  Filter(b, Pass::Low, 9000);
  return b;
}

// The hammer cracks a tile: a sharp snap and a splinter of ice.
Buffer Crack() {
  Buffer b;
  AddNoise(b, {.duration = 0.015, .pass = Pass::High, .cutoff = 1500, .gain = 0.6, .seed = 13,
               .env = Hit(0.015, 0.005)});
  AddNoise(b, {.start = 0.012, .duration = 0.1, .pass = Pass::Band, .cutoff = 2600,
               .resonance = 2.5, .gain = 1.2, .seed = 14, .env = Hit(0.1)});
  AddTone(b, {.duration = 0.05, .wave = Wave::Sine, .freq = 300, .freqEnd = 120, .gain = 0.5,
              .env = Hit(0.05)});
  AddBell(b, 0.01, 2350, 0.04, 0.2);
  return b;
}

// The tile breaks apart: a crunch followed by shards of ice tinkling down.
Buffer Shatter() {
  Buffer b;
  AddNoise(b, {.duration = 0.12, .pass = Pass::Band, .cutoff = 3000, .cutoffEnd = 900,
               .resonance = 0.8, .gain = 1.0, .seed = 15, .env = Hit(0.12)});
  AddTone(b, {.duration = 0.1, .wave = Wave::Sine, .freq = 200, .freqEnd = 70, .gain = 0.6,
              .env = Hit(0.1)});
  const double shards[][2] = {{0.03, 2637}, {0.07, 3520}, {0.11, 2960}, {0.16, 3951},
                              {0.22, 3136}, {0.29, 4186}};
  double level = 0.3;
  for (const auto& shard : shards) {
    AddBell(b, shard[0], shard[1], 0.05, level);
    level *= 0.8;
  }
  return b;
}

// The player --------------------------------------------------------------------------------

// A footstep in packed snow: a tiny soft crunch. Heard all the time, so it stays in the back.
Buffer Footstep() {
  Buffer b;
  AddNoise(b, {.duration = 0.035, .pass = Pass::Band, .cutoff = 1800, .cutoffEnd = 900,
               .resonance = 0.8, .gain = 1.0, .seed = 16, .env = Hit(0.035, 0.01)});
  AddTone(b, {.duration = 0.03, .wave = Wave::Sine, .freq = 180, .freqEnd = 110, .gain = 0.5,
              .env = Hit(0.03, 0.01)});
  return b;
}

// Jump up or drop down: the classic quick rising sweep.
Buffer Jump() {
  Buffer b;
  AddTone(b, {.duration = 0.14, .wave = Wave::Square, .freq = 260, .freqEnd = 780,
              .slide = 0.12, .duty = 0.25, .gain = 0.6, .lowpass = 3500, .env = Hit(0.16, 0.03)});
  AddTone(b, {.duration = 0.14, .wave = Wave::Sine, .freq = 520, .freqEnd = 1560, .slide = 0.12,
              .gain = 0.3, .env = Hit(0.14)});
  return b;
}

// Into a pipe: a hollow "bwoop" stepping down with a tremble, as if swallowed by the tube.
Buffer Pipe() {
  Buffer b;
  const int steps[] = {67, 62, 58, 55, 50, 46};
  for (int i = 0; i < 6; ++i) {
    AddTone(b, {.start = i * 0.055, .duration = 0.055, .wave = Wave::Square,
                .freq = NoteHz(steps[i]), .freqEnd = NoteHz(steps[i]) * 0.94, .duty = 0.5,
                .gain = 0.5, .lowpass = 1500, .env = Held(0.004, 0.8, 0.012)});
  }
  Filter(b, Pass::Band, 700, 1.5);
  AddTone(b, {.duration = 0.36, .wave = Wave::Sine, .freq = 300, .freqEnd = 110,
              .tremoloHz = 18, .tremoloDepth = 0.6, .gain = 0.4, .env = Held(0.01, 0.8, 0.06)});
  return b;
}

// Landing after a jump or a drop: a soft thump on snow.
Buffer Land() {
  Buffer b;
  AddTone(b, {.duration = 0.08, .wave = Wave::Sine, .freq = 190, .freqEnd = 80, .gain = 0.9,
              .env = Hit(0.08)});
  AddNoise(b, {.duration = 0.06, .pass = Pass::Low, .cutoff = 1600, .cutoffEnd = 500,
               .gain = 0.8, .seed = 17, .env = Hit(0.06)});
  return b;
}

// The player is hit: a comic deflating "puu" with a quick wobble.
Buffer PlayerHit() {
  Buffer b;
  AddTone(b, {.duration = 0.42, .wave = Wave::Saw, .freq = 520, .freqEnd = 130,
              .vibratoHz = 22, .vibratoSemis = 1.2, .gain = 0.6, .lowpass = 1800,
              .env = Held(0.008, 0.75, 0.1)});
  AddTone(b, {.duration = 0.42, .wave = Wave::Square, .freq = 261, .freqEnd = 65,
              .duty = 0.4, .vibratoHz = 22, .vibratoSemis = 1.2, .gain = 0.3, .lowpass = 900,
              .env = Held(0.008, 0.75, 0.1)});
  AddNoise(b, {.duration = 0.03, .pass = Pass::Band, .cutoff = 2000, .gain = 0.6, .seed = 18,
               .env = Hit(0.03)});
  return b;
}

// A try is lost: a little sinking phrase, down by semitones and landing low.
Buffer TryLost() {
  Buffer b;
  const int notes[] = {76, 75, 74, 73};
  for (int i = 0; i < 4; ++i) {
    const bool last = i == 3;
    AddTone(b, {.start = i * 0.16, .duration = last ? 0.45 : 0.14, .wave = Wave::Square,
                .freq = NoteHz(notes[i]), .freqEnd = last ? NoteHz(notes[i] - 1) : 0,
                .duty = 0.3, .vibratoHz = last ? 6.0 : 0.0, .vibratoSemis = last ? 0.25 : 0.0,
                .gain = 0.35, .lowpass = 3000, .env = Held(0.006, 0.75, last ? 0.2 : 0.03)});
    AddTone(b, {.start = i * 0.16, .duration = last ? 0.45 : 0.14, .wave = Wave::Triangle,
                .freq = NoteHz(notes[i] - 24), .gain = 0.5, .env = Held(0.006, 0.8, 0.05)});
  }
  return b;
}

// The moment a bucket is picked up: a quick bright arpeggio with a sparkle of echo.
Buffer Item() {
  Buffer b;
  const int notes[] = {79, 84, 88, 91, 96};
  for (int i = 0; i < 5; ++i) {
    AddTone(b, {.start = i * 0.045, .duration = 0.05, .wave = Wave::Square,
                .freq = NoteHz(notes[i]), .duty = 0.25, .gain = 0.3, .lowpass = 6000,
                .env = Hit(0.07)});
    AddBell(b, i * 0.045, NoteHz(notes[i]), 0.05, 0.25);
  }
  Echo(b, 0.09, 0.35, 2);
  return b;
}

}  // namespace

const std::vector<Effect>& AllEffects() {
  // Peaks sit near -7 dBFS, so that an effect over the loudest bar of the music, or two effects
  // at once, still leave headroom in the mix; the constant little sounds (footsteps, cursor,
  // landing) sit lower so that they never stand out against the rest.
  struct Recipe {
    const char* name;  // the effect's name in the game's list
    Buffer (*make)();
    double peakDb;
  };
  static const Recipe recipes[] = {
      {"NoPoints", NoPoints, -11},      {"Spring", Spring, -7},         {"MenuOpen", MenuOpen, -7},
      {"Confirm", Confirm, -7},         {"Cursor", Cursor, -9},         {"OptionFlip", OptionFlip, -8},
      {"Bonk", Bonk, -7},               {"Spin", Spin, -7},             {"Sweep", Sweep, -8},
      {"Crack", Crack, -7},             {"Shatter", Shatter, -7},       {"Item", Item, -7},
      {"StoneLaunch", StoneLaunch, -7}, {"StoneLand", StoneLand, -7},   {"Fall", Fall, -7},
      {"Footstep", Footstep, -13},      {"Jump", Jump, -8},             {"Pipe", Pipe, -7},
      {"Land", Land, -10},              {"PlayerHit", PlayerHit, -7},   {"TryLost", TryLost, -7},
  };
  struct Line {
    const char* name;
    const char* file;
  };
  static const Line lines[] = {
#define EFFECT(name, file) {#name, #file},
#include "audio/effect_list.h"
#undef EFFECT
  };
  static const std::vector<Effect> effects = [] {
    if (std::size(recipes) != std::size(lines)) {
      throw std::runtime_error("the effect list and the recipes differ in length");
    }
    std::vector<Effect> all;
    for (size_t i = 0; i < std::size(lines); ++i) {
      if (std::string(recipes[i].name) != lines[i].name) {
        throw std::runtime_error(std::string("no recipe in its place for effect ") + lines[i].name);
      }
      all.push_back({lines[i].file, recipes[i].make, recipes[i].peakDb});
    }
    return all;
  }();
  return effects;
}

}  // namespace sfx
