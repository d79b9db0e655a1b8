// A small offline synthesiser for the game's sound effects: band-limited oscillators, noise,
// envelopes, pitch slides, a state-variable filter, bells and an echo, mixed into one mono
// buffer of doubles at 44100 Hz and written out as 16-bit WAV.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sfx {

constexpr int kRate = 44100;
using Buffer = std::vector<double>;

enum class Wave { Sine, Triangle, Square, Saw };
enum class Pass { Low, Band, High };

// Attack, decay to the sustain level, hold until the note's duration ends, then release.
// Times in seconds. A sustain of 0 gives a plain percussive hit.
struct Envelope {
  double attack = 0.004;
  double decay = 0.05;
  double sustain = 0.7;
  double release = 0.04;
};

// One oscillator note. The pitch glides exponentially from freq to freqEnd over slide seconds
// (the whole duration when slide is 0); freqEnd 0 keeps the pitch.
struct Tone {
  double start = 0;
  double duration = 0.1;
  Wave wave = Wave::Sine;
  double freq = 440;
  double freqEnd = 0;
  double slide = 0;
  double duty = 0.5;           // square waves only
  double vibratoHz = 0;
  double vibratoSemis = 0;     // vibrato depth, in semitones
  double tremoloHz = 0;
  double tremoloDepth = 0;     // 0..1
  double gain = 1;
  double lowpass = 0;          // cutoff of a gentle low-pass on this note, 0 = none
  Envelope env;
};

// Filtered white noise; the filter cutoff glides from cutoff to cutoffEnd over the duration.
struct Noise {
  double start = 0;
  double duration = 0.1;
  Pass pass = Pass::Low;
  double cutoff = 2000;
  double cutoffEnd = 0;
  double resonance = 0.7;      // 0.5 soft .. 4 ringing
  double gain = 1;
  std::uint32_t seed = 1;
  Envelope env;
};

double Seconds(const Buffer& buffer);
double NoteHz(int midiNote);

void AddTone(Buffer& out, const Tone& tone);
void AddNoise(Buffer& out, const Noise& noise);
// A struck bell or ice chime: inharmonic sine partials, each dying away at its own rate.
void AddBell(Buffer& out, double start, double freq, double decay, double gain);

// Whole-buffer effects.
void Filter(Buffer& buffer, Pass pass, double cutoff, double resonance = 0.7);
void Echo(Buffer& buffer, double delay, double feedback, int repeats);
void Saturate(Buffer& buffer, double drive);

// Cuts the silent tail, removes any DC offset, fades both ends so nothing clicks, and scales
// the peak to peakDb (dB below full scale, negative).
void Finish(Buffer& buffer, double peakDb);

void WriteWav(const std::string& file, const Buffer& buffer);

}  // namespace sfx
