// A piece of music as the score files in pieces/ write it, and as a Standard MIDI File holds it.
//
// Score files are plain text. Header lines (before the first track):
//   tempo 120          beats per minute (quarter notes)
//   meter 4 4          beats per bar and beat unit
//   bars 32            the piece's length: every track fills exactly this many bars, and the
//                      file ends exactly there, so a looping piece comes round without a gap
// A phrase is defined once and used by name (a name starts with a capital letter):
//   define Verse ... end
// A track starts with its settings, then its notes:
//   track Melody channel=1 program=73 volume=100 pan=64 reverb=40 chorus=10
// Notes: a pitch letter, '#' or '-' for sharp or flat, an octave number (c4 is middle C; without
// it the current octave), then ':' and a length: 1 2 4 8 16 32, with dots ("4."), 't' for a
// triplet ("8t"), and '+' to tie lengths ("2+8"). Without a length the current default holds.
// A chord joins notes with '/': "c4/e4/g4:2". "r:4" is a rest. Drum tracks name their hits:
// "kick/hat:8". A trailing '!' accents a note, '?' makes it a ghost note.
// Other words: o5 (octave), l8 (default length), v90 (velocity), q85 (gate: percent of the length
// a note is held), %+2 (transpose in semitones), @48 (program), =132 (tempo from here on),
// > and < (octave up and down), | (bar line, checked), Name or Name*4 (play a phrase).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace music {

constexpr int kTicksPerQuarter = 480;

struct Event {
  int tick = 0;
  int order = 0;  // at one tick: set-up, then note-offs, then note-ons
  std::vector<std::uint8_t> bytes;
};

struct Track {
  std::string name;
  std::vector<Event> events;
};

struct Song {
  int lengthTicks = 0;
  std::vector<Track> tracks;  // tracks[0] is the tempo track
};

// Reads a score; throws std::runtime_error naming the file and line on any mistake.
Song ReadScore(const std::string& file);

// Writes a Standard MIDI File, format 1.
void WriteMidi(const std::string& file, const Song& song);

}  // namespace music
