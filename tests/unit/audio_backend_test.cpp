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

#include <SDL_mixer.h>

#include "audio/sdl_audio.h"
#include "audio_wav.h"

namespace slidestone {
namespace {

namespace fs = std::filesystem;

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

TEST_F(SdlAudioTest, ABrokenOrMissingEffectIsSaidOnceAndPlayGoesOn) {
  // A data folder whose sound/ holds a damaged WAV beside a good one.
  const fs::path root = fs::temp_directory_path() / ("slidestone-audio-" + std::to_string(::getpid()));
  fs::create_directories(root / "sound");
  std::ofstream(root / "sound/broken.wav", std::ios::binary) << std::string("RIFF\x10\0\0\0WAVEjunk", 16);
  fs::copy_file(fs::path(SLIDESTONE_DATA_DIR) / "sound/end0.wav", root / "sound/end0.wav",
                fs::copy_options::overwrite_existing);
  SdlAudio audio(root.string());
  audio.StartSound();
  ASSERT_TRUE(audio.DeviceOpen());
  ::testing::internal::CaptureStderr();
  audio.PlayEffect("sound/broken.wav", 3);
  audio.PlayEffect("sound/broken.wav", 3);
  audio.PlayEffect("sound/gone.wav", 4);
  audio.PlayEffect("sound/end0.wav", 8);
  const std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(CountOf(err, "broken.wav"), 1) << err;
  EXPECT_EQ(CountOf(err, "gone.wav"), 1) << err;
  EXPECT_EQ(audio.ChannelSound(3), "");
  EXPECT_FALSE(audio.ChannelPlaying(3));
  EXPECT_EQ(audio.ChannelSound(8), "sound/end0.wav") << "the other effects play on";
  fs::remove_all(root);
}

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

TEST_F(SdlAudioTest, NewPieceReplacesTheOldAtFullMusicVolume) {
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
  EXPECT_EQ(audio.MusicVolume(), 128) << "the level is in the file";

  audio.StopMusic();
  EXPECT_FALSE(audio.MusicPlaying());
  EXPECT_EQ(audio.MusicPiece(), "");
  audio.StopMusic();  // a second stop is harmless
  audio.CloseMusic();
  EXPECT_FALSE(audio.MusicPlaying());
}

TEST_F(SdlAudioTest, ThePlayersVolumesScaleMusicAndEffects) {
  SdlAudio audio(SLIDESTONE_DATA_DIR);
  audio.SetVolumes(50, 25);  // read from settings.ini before the device opens
  audio.StartSound();
  ASSERT_TRUE(audio.MusicAvailable());
  audio.PlayMusic("sound/PSMAT005.mid", -1);
  EXPECT_EQ(audio.MusicVolume(), 64);
  EXPECT_EQ(Mix_Volume(3, -1), 32);
  audio.SetVolumes(0, 100);
  EXPECT_EQ(audio.MusicVolume(), 0);
  EXPECT_EQ(Mix_Volume(3, -1), 128);
  audio.CloseMusic();
}

// The game's mixed output, captured by SDL's disk driver, against the rendered file itself for
// the same stretch of the title theme: the piece is heard exactly as loud as it was rendered.
TEST(SdlAudioLevel, MusicIsHeardAtTheLevelItWasRenderedAt) {
  const fs::path work = fs::temp_directory_path() / ("slidestone_level_" + std::to_string(getpid()));
  fs::create_directories(work);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", (work / "game.raw").c_str(), 1);
  {
    SdlAudio audio(SLIDESTONE_DATA_DIR);
    audio.StartSound();
    ASSERT_TRUE(audio.MusicAvailable());
    audio.PlayMusic("sound/PSMAT005.mid", -1);
    // The disk driver writes in real time, and slower on a busy machine: wait for three seconds
    // of sound in the file rather than three seconds on the clock.
    const auto enough = static_cast<std::uintmax_t>(3 * 44100 * 4);
    EXPECT_TRUE(WaitFor([&] {
      std::error_code error;
      const auto size = fs::file_size(work / "game.raw", error);
      return !error && size >= enough;
    }, std::chrono::seconds(30)));
  }
  unsetenv("SDL_DISKAUDIOFILE");
  std::ifstream raw(work / "game.raw", std::ios::binary);
  audiotest::Wav game{2, 44100, 16, {}};
  for (char pair[2]; raw.read(pair, 2);) {
    game.samples.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(pair[0]) |
                                                     (static_cast<unsigned char>(pair[1]) << 8)));
  }
  ASSERT_GT(game.Seconds(), 2.6);
  ASSERT_TRUE(audiotest::DecodeWithSox(fs::path(SLIDESTONE_DATA_DIR) / "sound/PSMAT005.ogg",
                                       work / "file.wav"));
  const audiotest::Wav file = audiotest::ReadWav(work / "file.wav");
  EXPECT_NEAR(audiotest::RmsDb(game, 22050, 110250), audiotest::RmsDb(file, 22050, 110250), 0.5);
  fs::remove_all(work);
}

// A folder of sound files for one test, removed afterwards.
struct SoundFolder {
  fs::path root = fs::temp_directory_path() / ("slidestone_audio_" + std::to_string(getpid()));
  SoundFolder() { fs::create_directories(root / "sound"); }
  ~SoundFolder() { fs::remove_all(root); }
  void Copy(const std::string& name) const {
    fs::copy_file(fs::path(SLIDESTONE_DATA_DIR) / "sound" / name, root / "sound" / name);
  }
};

TEST_F(SdlAudioTest, OncePlaysOnePassEndlessKeepsGoing) {
  SoundFolder folder;
  // Half a second of tone, as its own piece.
  const std::string make = "sox -n -r 44100 -c 2 '" + (folder.root / "sound/PSMAT525.ogg").string() +
                           "' synth 0.5 sine 440 vol 0.3 > /dev/null 2>&1";
  ASSERT_EQ(std::system(make.c_str()), 0);
  SdlAudio audio(folder.root.string());
  testing::internal::CaptureStderr();  // the other pieces are missing here
  audio.StartSound();
  testing::internal::GetCapturedStderr();
  ASSERT_TRUE(audio.MusicAvailable());

  const auto started = std::chrono::steady_clock::now();
  audio.PlayMusic("sound/PSMAT525.mid", 0);
  EXPECT_TRUE(audio.MusicPlaying());
  ASSERT_TRUE(WaitFor([&] { return !audio.MusicPlaying(); }, std::chrono::seconds(8)))
      << "a piece played once ends by itself";
  const auto oncePass = std::chrono::steady_clock::now() - started;

  // Endless: still going well after a single pass would have ended.
  audio.PlayMusic("sound/PSMAT525.mid", -1);
  std::this_thread::sleep_for(oncePass + std::chrono::milliseconds(1000));
  EXPECT_TRUE(audio.MusicPlaying()) << "an endless piece is still going";
  audio.StopMusic();
}

TEST_F(SdlAudioTest, AMissingOrDamagedPieceIsSaidOnceAndLeftOut) {
  SoundFolder folder;
  folder.Copy("PSMAT005.ogg");
  folder.Copy("Aitem.wav");
  std::ofstream(folder.root / "sound/PSMAT526.ogg") << "not music at all";
  SdlAudio audio(folder.root.string());
  testing::internal::CaptureStderr();
  audio.StartSound();
  audio.PlayMusic("sound/PSMAT526.mid", -1);  // damaged
  const bool damagedPlays = audio.MusicPlaying();
  audio.PlayMusic("sound/PSMAT002.mid", -1);  // missing
  const bool missingPlays = audio.MusicPlaying();
  audio.PlayMusic("sound/PSMAT526.mid", -1);
  audio.PlayMusic("sound/PSMAT005.mid", -1);  // sound
  audio.PlayEffect("sound/Aitem.wav", 6);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(damagedPlays);
  EXPECT_FALSE(missingPlays);
  EXPECT_FALSE(audio.PiecePlayable("sound/PSMAT526.mid"));
  EXPECT_TRUE(audio.MusicPlaying()) << "the sound piece plays";
  EXPECT_EQ(audio.MusicPiece(), "sound/PSMAT005.mid");
  EXPECT_EQ(audio.ChannelSound(6), "sound/Aitem.wav");
  EXPECT_EQ(CountOf(said, "cannot play music sound/PSMAT526.ogg"), 1) << said;
  EXPECT_EQ(CountOf(said, "cannot play music sound/PSMAT002.ogg (file not found)"), 1) << said;
  EXPECT_EQ(CountOf(said, "cannot play music"), 4) << said;  // 526, 002, 525 and 051
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

// A missing or broken file is left out (above); only a channel that does not exist, a fault of
// the game itself, stops it.
TEST_F(SdlAudioTest, ABadChannelStopsTheGame) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct Case {
    const char* path;
    int channel;
    const char* message;
  };
  const Case cases[] = {
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
}

}  // namespace
}  // namespace slidestone
