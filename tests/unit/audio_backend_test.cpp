// The SDL_mixer backend's channel and music rules, on SDL's dummy audio driver (no sound card
// needed; the mixer runs as it would on a device).
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "audio/sdl_audio.h"
#include "audio_wav.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;

bool HaveSoundFont() { return fs::is_regular_file(kSoundFontPath); }

// Polls a condition on the audio thread's progress for up to `limit`.
template <typename Cond>
bool WaitFor(Cond cond, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (cond()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return cond();
}

int CountOf(const std::string& text, const std::string& word) {
  int count = 0;
  for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
  return count;
}

class SdlAudioTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

TEST_F(SdlAudioTest, ANewEffectReplacesOnlyItsOwnChannel) {
  SdlAudio audio(SLIDESTONE_DATA_DIR);
  audio.StartSound();
  ASSERT_TRUE(audio.DeviceOpen());
  EXPECT_EQ(audio.ChannelSound(8), "");

  audio.PlayEffect("sound/end0.wav", 8);
  audio.PlayEffect("sound/rakka.wav", 7);
  EXPECT_EQ(audio.ChannelSound(8), "sound/end0.wav");
  EXPECT_EQ(audio.ChannelSound(7), "sound/rakka.wav");
  EXPECT_TRUE(audio.ChannelPlaying(8));
  EXPECT_TRUE(audio.ChannelPlaying(7)) << "two channels sound together";

  // The confirm sound on channel 8 cuts off the try-lost phrase there; the fall plays on.
  PlayConfirmSound(audio);
  EXPECT_EQ(audio.ChannelSound(8), "sound/Akouka01.wav");
  EXPECT_TRUE(audio.ChannelPlaying(8));
  EXPECT_EQ(audio.ChannelSound(7), "sound/rakka.wav");
  EXPECT_TRUE(audio.ChannelPlaying(7));

  // The same file on another channel is the same decoded sound, loaded once.
  audio.PlayEffect("sound/Akouka01.wav", 3);
  EXPECT_EQ(audio.ChannelSound(3), "sound/Akouka01.wav");
  EXPECT_EQ(audio.CachedEffects(), 3);

  // An effect plays once: the channel falls quiet and keeps its last sound.
  EXPECT_TRUE(WaitFor([&] { return !audio.ChannelPlaying(8); }, std::chrono::seconds(5)));
  EXPECT_EQ(audio.ChannelSound(8), "sound/Akouka01.wav");
}

TEST_F(SdlAudioTest, StopAndCloseBeforeAnyMusicDoNothing) {
  SdlAudio stopped(SLIDESTONE_DATA_DIR);
  stopped.StopMusic();  // before the device even exists
  stopped.StartSound();
  stopped.StopMusic();
  EXPECT_FALSE(stopped.MusicPlaying());
  EXPECT_EQ(stopped.MusicPiece(), "");

  SdlAudio closed(SLIDESTONE_DATA_DIR);
  closed.StartSound();
  closed.CloseMusic();
  closed.CloseMusic();
  EXPECT_FALSE(closed.MusicPlaying());
  closed.PlayMusic("sound/PSMAT005.mid", -1);  // closed for good at shut-down
  EXPECT_FALSE(closed.MusicPlaying());
}

TEST_F(SdlAudioTest, NewPieceReplacesTheOldAtTheFixedGain) {
  if (!HaveSoundFont()) GTEST_FAIL() << "soundfont missing: run scripts/install-deps";
  SdlAudio audio(SLIDESTONE_DATA_DIR);
  audio.StartSound();
  ASSERT_TRUE(audio.MusicAvailable());

  audio.PlayMusic("sound/PSMAT005.mid", -1);
  EXPECT_EQ(audio.MusicPiece(), "sound/PSMAT005.mid");
  EXPECT_EQ(audio.MusicLoops(), -1);
  EXPECT_TRUE(audio.MusicPlaying());

  audio.PlayMusic("sound/PSMAT525.mid", 0);
  EXPECT_EQ(audio.MusicPiece(), "sound/PSMAT525.mid");
  EXPECT_EQ(audio.MusicLoops(), 1);
  EXPECT_TRUE(audio.MusicPlaying());
  EXPECT_EQ(audio.MusicVolume(), MusicVolumeForGain(kMusicSynthGain));

  audio.StopMusic();
  EXPECT_FALSE(audio.MusicPlaying());
  EXPECT_EQ(audio.MusicPiece(), "");
  audio.StopMusic();  // a second stop is harmless
  audio.CloseMusic();
  EXPECT_FALSE(audio.MusicPlaying());
}

// The game's mixed output, captured by SDL's disk driver, against FluidSynth's standard level
// (gain 0.2) for the same stretch of the title theme: the music is heard 6 dB louder.
TEST(SdlAudioGain, MusicIsHeardSixDecibelsAboveTheSynthesizersOwnLevel) {
  if (!HaveSoundFont()) GTEST_FAIL() << "soundfont missing: run scripts/install-deps";
  const fs::path work = fs::temp_directory_path() / ("slidestone_gain_" + std::to_string(getpid()));
  fs::create_directories(work);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (work / "game.raw").c_str(), 1);
  {
    SdlAudio audio(SLIDESTONE_DATA_DIR);
    audio.StartSound();
    ASSERT_TRUE(audio.MusicAvailable());
    audio.PlayMusic("sound/PSMAT005.mid", -1);
    std::this_thread::sleep_for(std::chrono::milliseconds(3000));  // the disk driver runs in real time
  }
  unsetenv("SDL_DISKAUDIOFILE");
  std::ifstream raw(work / "game.raw", std::ios::binary);
  audiotest::Wav game{2, 44100, 16, {}};
  for (char pair[2]; raw.read(pair, 2);) {
    game.samples.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(pair[0]) |
                                                     (static_cast<unsigned char>(pair[1]) << 8)));
  }
  ASSERT_GT(game.Seconds(), 2.6);
  ASSERT_TRUE(audiotest::RenderMidi(fs::path(SLIDESTONE_DATA_DIR) / "sound/PSMAT005.mid", 0.2,
                                    work / "reference.wav", kSoundFontPath));
  const audiotest::Wav reference = audiotest::ReadWav(work / "reference.wav");
  const double louder = audiotest::RmsDb(game, 22050, 110250) - audiotest::RmsDb(reference, 22050, 110250);
  EXPECT_NEAR(louder, 6.0, 0.5);
  EXPECT_EQ(MusicVolumeForGain(kMusicSynthGain), 43);
  fs::remove_all(work);
}

// A half-second piece: one note on middle C at the default 120 beats per minute.
void WriteTinyMidi(const fs::path& file) {
  const unsigned char bytes[] = {
      'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xe0,             // format 0, 480 ticks
      'M', 'T', 'r', 'k', 0, 0, 0, 13,                                     // 13 bytes of events
      0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0x00, 0xff, 0x2f, 0x00};
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST_F(SdlAudioTest, OncePlaysOnePassEndlessKeepsGoing) {
  if (!HaveSoundFont()) GTEST_FAIL() << "soundfont missing: run scripts/install-deps";
  const fs::path root = fs::temp_directory_path() / ("slidestone_audio_" + std::to_string(getpid()));
  WriteTinyMidi(root / "sound" / "tiny.mid");
  SdlAudio audio(root.string());
  audio.StartSound();
  ASSERT_TRUE(audio.MusicAvailable());

  const auto started = std::chrono::steady_clock::now();
  audio.PlayMusic("sound/tiny.mid", 0);
  EXPECT_TRUE(audio.MusicPlaying());
  ASSERT_TRUE(WaitFor([&] { return !audio.MusicPlaying(); }, std::chrono::seconds(8)))
      << "a piece played once ends by itself";
  const auto oncePass = std::chrono::steady_clock::now() - started;

  // Endless: still going well after a single pass, with its tail, would have ended.
  audio.PlayMusic("sound/tiny.mid", -1);
  std::this_thread::sleep_for(oncePass + std::chrono::milliseconds(1000));
  EXPECT_TRUE(audio.MusicPlaying()) << "an endless piece is still going";
  audio.StopMusic();
  fs::remove_all(root);
}

TEST_F(SdlAudioTest, WithoutSoundFontEffectsPlayAndMusicIsSilent) {
  SdlAudio audio(SLIDESTONE_DATA_DIR, "/nonexistent/none.sf2");
  testing::internal::CaptureStderr();
  audio.StartSound();
  audio.PlayMusic("sound/PSMAT005.mid", -1);
  audio.PlayMusic("sound/PSMAT526.mid", -1);
  audio.PlayEffect("sound/Aitem.wav", 6);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(audio.DeviceOpen());
  EXPECT_FALSE(audio.MusicAvailable());
  EXPECT_FALSE(audio.MusicPlaying());
  EXPECT_EQ(audio.ChannelSound(6), "sound/Aitem.wav");
  EXPECT_EQ(CountOf(said, "playing without music"), 1) << said;
}

TEST_F(SdlAudioTest, WithoutDeviceEverythingIsSilentAndSaidOnce) {
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  SdlAudio audio(SLIDESTONE_DATA_DIR);
  testing::internal::CaptureStderr();
  audio.StartSound();
  audio.PlayEffect("sound/char00.wav", 8);
  audio.PlayMusic("sound/PSMAT526.mid", -1);
  audio.StopMusic();
  audio.CloseMusic();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(audio.DeviceOpen());
  EXPECT_FALSE(audio.MusicPlaying());
  EXPECT_EQ(CountOf(said, "playing without sound"), 1) << said;
}

TEST_F(SdlAudioTest, MissingFileOrBadChannelStopsTheGame) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct Case {
    const char* path;
    int channel;
    const char* message;
  };
  const Case cases[] = {
      {"sound/nothing.wav", 2, "cannot play sound/nothing.wav: file not found"},
      {"sound/char00.wav", 9, "effect channel 9 out of range"},
      {"sound/char00.wav", -1, "effect channel -1 out of range"},
  };
  for (const Case& c : cases) {
    EXPECT_EXIT(
        {
          SdlAudio audio(SLIDESTONE_DATA_DIR);
          audio.StartSound();
          audio.PlayEffect(c.path, c.channel);
        },
        ::testing::ExitedWithCode(1), c.message);
  }
  EXPECT_EXIT(
      {
        SdlAudio audio(SLIDESTONE_DATA_DIR);
        audio.StartSound();
        audio.PlayMusic("sound/missing.mid", 0);
      },
      ::testing::ExitedWithCode(1), "cannot play sound/missing.mid: file not found");
}

}  // namespace
}  // namespace slidestone
