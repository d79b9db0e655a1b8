// The generated sound files as a player hears them: every effect read straight from its WAV,
// every piece rendered through FluidSynth at the game's music gain.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "audio/audio.h"
#include "audio/sdl_audio.h"
#include "audio_wav.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;
using audiotest::PeakDb;
using audiotest::RmsDb;
using audiotest::Wav;

fs::path SoundDir() { return fs::path(SLIDESTONE_DATA_DIR) / "sound"; }

TEST(SoundEffects, EveryEffectIsShortCleanAndLevelled) {
  int effects = 0;
  for (const std::string& name : AllSoundFiles()) {
    if (name.ends_with(".mid")) continue;
    ++effects;
    SCOPED_TRACE(name);
    const Wav wav = audiotest::ReadWav(fs::path(SLIDESTONE_DATA_DIR) / name);
    ASSERT_GT(wav.channels, 0) << "not a PCM WAV";
    EXPECT_EQ(wav.bits, 16);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_LE(wav.channels, 2);
    EXPECT_GT(wav.Seconds(), 0.03);
    EXPECT_LT(wav.Seconds(), 1.5) << "effects are short";
    // Loud enough to hear, never touching full scale.
    EXPECT_LE(PeakDb(wav), -2.5);
    EXPECT_GE(PeakDb(wav), -10.0);
    EXPECT_GE(RmsDb(wav), -30.0);
    // Both ends at rest: starting or cutting a sound never clicks.
    const std::size_t frames = wav.samples.size() / static_cast<std::size_t>(wav.channels);
    EXPECT_LT(PeakDb(wav, 0, 1), -40.0);
    EXPECT_LT(PeakDb(wav, frames - 1, frames), -40.0);
  }
  EXPECT_EQ(effects, 21);
}

// What a Standard MIDI File says about its own timing.
struct MidiFacts {
  bool ok = false;
  int format = -1;
  std::set<long> trackEnds;   // tick of each track's end
  long endTick = 0;
  double seconds = 0;          // playing time up to the last track's end
  int hangingNotes = 0;        // notes still held when the file ends
};

MidiFacts ReadMidi(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  MidiFacts facts;
  auto be = [&](std::size_t at, int n) {
    long v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    return v;
  };
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") return facts;
  facts.format = static_cast<int>(be(8, 2));
  const long tracks = be(10, 2);
  const long division = be(12, 2);
  std::map<long, long> tempo = {{0, 500000}};
  std::size_t at = 14;
  for (long t = 0; t < tracks; ++t) {
    if (std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) != "MTrk") return facts;
    const std::size_t end = at + 8 + static_cast<std::size_t>(be(at + 4, 4));
    at += 8;
    long tick = 0;
    int status = 0;
    std::map<int, int> held;
    while (at < end) {
      long delta = 0;
      unsigned char c;
      do {
        c = b.at(at++);
        delta = (delta << 7) | (c & 0x7f);
      } while (c & 0x80);
      tick += delta;
      if (b.at(at) & 0x80) status = b.at(at++);
      if (status == 0xff) {
        const int type = b.at(at++);
        const long length = b.at(at++);
        if (type == 0x51) tempo[tick] = be(at, 3);
        if (type == 0x2f) facts.trackEnds.insert(tick);
        at += static_cast<std::size_t>(length);
      } else {
        const int kind = status & 0xf0;
        const int key = ((status & 0x0f) << 8) | b.at(at);
        if (kind == 0x90 && b.at(at + 1) > 0) ++held[key];
        if (kind == 0x80 || (kind == 0x90 && b.at(at + 1) == 0)) --held[key];
        at += (kind == 0xc0 || kind == 0xd0) ? 1 : 2;
      }
    }
    for (const auto& [key, count] : held) facts.hangingNotes += std::max(count, 0);
    at = end;
  }
  facts.endTick = facts.trackEnds.empty() ? 0 : *facts.trackEnds.rbegin();
  long lastTick = 0;
  long micros = 500000;
  for (const auto& [tick, value] : tempo) {
    if (tick > facts.endTick) break;
    facts.seconds += static_cast<double>(tick - lastTick) * micros / division / 1e6;
    lastTick = tick;
    micros = value;
  }
  facts.seconds += static_cast<double>(facts.endTick - lastTick) * micros / division / 1e6;
  facts.ok = true;
  return facts;
}

struct Piece {
  const char* file;
  bool loops;
  double minSeconds;
  double maxSeconds;
};

TEST(Music, EveryPieceHasItsLengthLoopsCleanlyAndNeverClips) {
  ASSERT_TRUE(fs::is_regular_file(kSoundFontPath)) << "soundfont missing: run scripts/install-deps";
  const Piece pieces[] = {
      {"PSMAT005.mid", true, 40, 60},    // title and menus
      {"PSMAT526.mid", true, 60, 90},    // a stage
      {"PSMAT002.mid", true, 4, 20},     // stage clear: a short fanfare
      {"PSMAT525.mid", false, 10.5, 13}, // the house shot, 10 to 12 seconds on screen
      {"PSMAT051.mid", false, 30, 120},  // results and closing roll
  };
  const fs::path work = fs::temp_directory_path() / ("slidestone_music_" + std::to_string(getpid()));
  fs::create_directories(work);
  for (const Piece& piece : pieces) {
    SCOPED_TRACE(piece.file);
    const MidiFacts facts = ReadMidi(SoundDir() / piece.file);
    ASSERT_TRUE(facts.ok) << "not a Standard MIDI File";
    EXPECT_EQ(facts.format, 1);
    EXPECT_GE(facts.seconds, piece.minSeconds);
    EXPECT_LE(facts.seconds, piece.maxSeconds);
    EXPECT_EQ(facts.hangingNotes, 0);

    const fs::path out = work / (std::string(piece.file) + ".wav");
    ASSERT_TRUE(audiotest::RenderMidi(SoundDir() / piece.file, kMusicSynthGain, out, kSoundFontPath))
        << "fluidsynth could not render it: run scripts/install-deps";
    const Wav wav = audiotest::ReadWav(out);
    ASSERT_EQ(wav.rate, 44100);
    EXPECT_GE(wav.Seconds(), facts.seconds) << "the whole piece is heard";
    EXPECT_LE(PeakDb(wav), -1.0) << "clips at the game's music gain";
    EXPECT_GE(PeakDb(wav), -12.0);
    EXPECT_GE(RmsDb(wav), -30.0);

    if (piece.loops) {
      // Every part ends on the same beat, and there is music right up to the loop point and
      // from its first second, so going round leaves no gap.
      EXPECT_EQ(facts.trackEnds.size(), 1u);
      const auto seam = static_cast<std::size_t>(facts.seconds * wav.rate);
      EXPECT_GE(RmsDb(wav, 0, static_cast<std::size_t>(wav.rate)), -40.0);
      EXPECT_GE(RmsDb(wav, seam - static_cast<std::size_t>(wav.rate), seam), -40.0);
    }
  }
  fs::remove_all(work);
}

}  // namespace
}  // namespace slidestone
