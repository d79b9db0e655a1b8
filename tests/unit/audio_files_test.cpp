// The generated sound files as a player hears them: every effect read straight from its WAV,
// every piece of music from the Ogg file rendered at build time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <vector>

#include "audio/audio.h"
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
    if (IsMusicPiece(name)) continue;
    ++effects;
    SCOPED_TRACE(name);
    const Wav wav = audiotest::ReadWav(fs::path(SLIDESTONE_DATA_DIR) / name);
    ASSERT_GT(wav.channels, 0) << "not a PCM WAV";
    EXPECT_EQ(wav.bits, 16);
    EXPECT_EQ(wav.rate, 44100);
    EXPECT_LE(wav.channels, 2);
    EXPECT_GT(wav.Seconds(), 0.03);
    EXPECT_LT(wav.Seconds(), 1.5) << "effects are short";
    // Loud enough to hear, with room left for the music and another effect in the mix.
    EXPECT_LE(PeakDb(wav), -6.5);
    EXPECT_GE(PeakDb(wav), -14.5);
    EXPECT_GE(RmsDb(wav), -30.0);
    // Both ends at rest: starting or cutting a sound never clicks.
    const std::size_t frames = wav.samples.size() / static_cast<std::size_t>(wav.channels);
    EXPECT_LT(PeakDb(wav, 0, 1), -40.0);
    EXPECT_LT(PeakDb(wav, frames - 1, frames), -40.0);
  }
  EXPECT_EQ(effects, 21);
}

// The tool menu waits this long before beeping again: the file must last exactly that, or
// held Space would cut the beep short or leave gaps between beeps.
TEST(SoundEffects, TheNoPointsBeepLastsAsLongAsTheMenuWaits) {
  const Wav wav = audiotest::ReadWav(SoundDir() / "beep01.wav");
  ASSERT_GT(wav.rate, 0);
  EXPECT_NEAR(wav.Seconds() * 1000.0, kNoPointsBeepMs, 1.0);
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
  long micros = 500000;  // a quarter note's length until a tempo changes it
  const auto seconds = [&](long ticks) {
    return static_cast<double>(ticks) * static_cast<double>(micros) / static_cast<double>(division) / 1e6;
  };
  for (const auto& [tick, value] : tempo) {
    if (tick > facts.endTick) break;
    facts.seconds += seconds(tick - lastTick);
    lastTick = tick;
    micros = value;
  }
  facts.seconds += seconds(facts.endTick - lastTick);
  facts.ok = true;
  return facts;
}

struct Piece {
  const char* name;
  bool loops;
  double minSeconds;  // one pass of the score
  double maxSeconds;
  double loudnessDb;  // RMS of one pass as the game has always played it
};

// Mean level in dB of the frames [from, to) of a run of samples.
double WindowDb(const std::vector<std::int16_t>& mono, std::size_t from, std::size_t to) {
  double sum = 0;
  for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(mono[i]) * mono[i];
  return audiotest::ToDb(std::sqrt(sum / static_cast<double>(to - from)) / 32768.0);
}

// What the listener hears when the mixer jumps from the loop's end back to its start: the last
// 150 ms before the jump, then the first 150 ms after it, as one mono run.
std::vector<std::int16_t> AcrossTheSeam(const Wav& wav, std::size_t loopStart, std::size_t loopEnd) {
  const std::size_t side = static_cast<std::size_t>(wav.rate) * 150 / 1000;
  std::vector<std::int16_t> mono;
  auto take = [&](std::size_t from, std::size_t to) {
    for (std::size_t f = from; f < to; ++f) {
      int sum = 0;
      for (int c = 0; c < wav.channels; ++c) sum += wav.samples[f * static_cast<std::size_t>(wav.channels) + static_cast<std::size_t>(c)];
      mono.push_back(static_cast<std::int16_t>(sum / wav.channels));
    }
  };
  take(loopEnd - side, loopEnd);
  take(loopStart, loopStart + side);
  return mono;
}

TEST(Music, EveryPieceHasItsLengthLevelAndASeamlessLoop) {
  // The loudness figures are those the pieces had when the synthesiser ran inside the game; the
  // rendered files must sound as loud, within 1 dB.
  const Piece pieces[] = {
      {"PSMAT005", true, 40, 60, -20.6},     // title and menus
      {"PSMAT526", true, 60, 90, -21.0},     // a stage
      {"PSMAT002", true, 4, 20, -20.5},      // stage clear: a short fanfare
      {"PSMAT525", false, 10.5, 13, -19.1},  // the house shot, 10 to 12 seconds on screen
      {"PSMAT051", false, 30, 120, -20.0},   // results and closing roll
  };
  const fs::path work = fs::temp_directory_path() / ("slidestone_music_" + std::to_string(getpid()));
  fs::create_directories(work);
  for (const Piece& piece : pieces) {
    SCOPED_TRACE(piece.name);
    const std::string name = piece.name;
    EXPECT_TRUE(IsMusicPiece("sound/" + name + ".mid"));
    ASSERT_EQ(MusicFileOf("sound/" + name + ".mid"), "sound/" + name + ".ogg");

    // The score: every note let go, and in a looping piece every part ends on the same beat.
    const MidiFacts facts = ReadMidi(fs::path(SLIDESTONE_MIDI_DIR) / (name + ".mid"));
    ASSERT_TRUE(facts.ok) << "not a Standard MIDI File";
    EXPECT_EQ(facts.format, 1);
    EXPECT_GE(facts.seconds, piece.minSeconds);
    EXPECT_LE(facts.seconds, piece.maxSeconds);
    EXPECT_EQ(facts.hangingNotes, 0);
    if (piece.loops) {
      EXPECT_EQ(facts.trackEnds.size(), 1u);
    }

    // The rendered file the game plays.
    const fs::path ogg = SoundDir() / (name + ".ogg");
    const fs::path wavFile = work / (name + ".wav");
    ASSERT_TRUE(audiotest::DecodeWithSox(ogg, wavFile)) << "sox cannot read " << ogg;
    const Wav wav = audiotest::ReadWav(wavFile);
    ASSERT_EQ(wav.rate, 44100);
    ASSERT_EQ(wav.channels, 2);
    const std::size_t frames = wav.samples.size() / 2;
    EXPECT_LE(PeakDb(wav), -1.0) << "clips";
    EXPECT_GE(PeakDb(wav), -12.0);

    const long loopStart = audiotest::OggTag(ogg, "LOOPSTART");
    const long loopLength = audiotest::OggTag(ogg, "LOOPLENGTH");
    if (!piece.loops) {
      EXPECT_EQ(loopStart, -1) << "a piece heard once has no loop";
      EXPECT_GE(wav.Seconds(), facts.seconds) << "the whole piece is heard";
      EXPECT_NEAR(RmsDb(wav, 0, static_cast<std::size_t>(facts.seconds * wav.rate)), piece.loudnessDb, 1.0);
      continue;
    }
    // The opening pass, then the loop: one more pass, to the sample, ending the file.
    ASSERT_GT(loopStart, 0);
    ASSERT_EQ(loopLength, loopStart);
    EXPECT_EQ(static_cast<std::size_t>(loopStart + loopLength), frames);
    EXPECT_NEAR(static_cast<double>(loopLength) / wav.rate, facts.seconds, 0.01);
    const auto start = static_cast<std::size_t>(loopStart);
    EXPECT_NEAR(RmsDb(wav, 0, start), piece.loudnessDb, 1.0);
    EXPECT_NEAR(RmsDb(wav, start, frames), piece.loudnessDb, 1.0);

    // Going round: every 10-ms window within 30 ms of the jump stays within 3 dB of the music
    // around it (the 100 ms before and after), so there is no hole and no click.
    const std::vector<std::int16_t> seam = AcrossTheSeam(wav, start, frames);
    const std::size_t ms = static_cast<std::size_t>(wav.rate) / 1000;
    const std::size_t jump = seam.size() / 2;
    const double before = WindowDb(seam, jump - 130 * ms, jump - 30 * ms);
    const double after = WindowDb(seam, jump + 30 * ms, jump + 130 * ms);
    for (std::size_t from = jump - 30 * ms; from + 10 * ms <= jump + 30 * ms; from += 5 * ms) {
      const double level = WindowDb(seam, from, from + 10 * ms);
      EXPECT_GE(level, std::min(before, after) - 3.0) << "a dip at the loop point";
      EXPECT_LE(level, std::max(before, after) + 3.0) << "a jump at the loop point";
    }
  }
  fs::remove_all(work);
}

}  // namespace
}  // namespace slidestone
