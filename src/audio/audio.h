// The sound layer as the game sees it: nine effect channels for WAV files and one piece of
// music at a time. Paths are relative to the data folder ("sound/push10.wav"); each backend resolves
// them. The game never talks to a sound library directly.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "audio/volume.h"

namespace slidestone {

constexpr int kEffectChannels = 9;

// The game's sound effects, by name (the list and their files: audio/effect_list.h).
enum SoundEffect : int {
#define EFFECT(name, file) kSound##name,
#include "audio/effect_list.h"
#undef EFFECT
  kSoundEffectCount
};

// An effect's file, relative to the data folder: "sound/beep01.wav".
const std::string& EffectPath(SoundEffect effect);

// Effect channels: a new sound on a channel cuts off the one before it there, so the channel
// says which sounds may interrupt each other. Channel 0 is never used.
enum SoundChannel : int {
  kChannelToolRefused = 1,  // the beep of Space with no tool points left
  kChannelToolMenu = 2,     // the menu opening and its cursor
  kChannelPause = 3,
  kChannelKnockOut = 4,     // the stone knocks an enemy over
  kChannelTileWork = 5,     // the tools' work on the map
  kChannelItem = 6,
  kChannelStone = 7,        // spring launch and landing, the stone's fall
  kChannelMain = 8,         // the player, the stage flow and every menu
};

// How long kSoundNoPoints, the tool refusal beep, plays: the menu starts it again only
// after this, however long Space is held. The sound tests hold the file to it.
constexpr int kNoPointsBeepMs = 140;

class Audio {
 public:
  virtual ~Audio() = default;
  // Opens the effect device. Called once at start-up.
  virtual void StartSound() = 0;
  // Plays a WAV once on a channel 0..8; a new effect on a channel cuts off the one before.
  virtual void PlayEffect(const std::string& path, int channel) = 0;
  void PlayEffect(SoundEffect effect, int channel) { PlayEffect(EffectPath(effect), channel); }
  // Replaces the current piece with this one, from its beginning. repeats: -1 endless, 0 once.
  virtual void PlayMusic(const std::string& path, int repeats) = 0;
  // Stops the current piece at once; harmless before any music.
  virtual void StopMusic() = 0;
  // Stops and closes the music side for good (shut-down); harmless before any music.
  virtual void CloseMusic() = 0;
};

// The menu cursor and confirm sounds, both on channel 8.
void PlayCursorSound(Audio& audio);
void PlayConfirmSound(Audio& audio);

// Every sound the game plays, relative to the data folder, by the game's own names: effects are
// WAV files, pieces of music are named "sound/PSMAT005.mid" and so on.
const std::vector<std::string>& AllSoundFiles();

// Whether a name is a piece of music, and the file that holds it: the pieces are rendered at
// build time to Ogg Vorbis beside their names ("sound/PSMAT005.mid" -> "sound/PSMAT005.ogg").
bool IsMusicPiece(const std::string& path);
std::string MusicFileOf(const std::string& piece);

// Keeps every call as one text line ("effect sound/char00.wav 8", "music sound/PSMAT526.mid -1",
// "stopmusic", "closemusic") for scripts and tests. Plays nothing itself (--headless, --mute);
// a script in a real window passes each call on to the device as well, so its `sounds` still
// reads what was played.
class RecordingAudio : public Audio {
 public:
  RecordingAudio() = default;
  explicit RecordingAudio(Audio* passOn) : passOn_(passOn) {}
  void StartSound() override;
  void PlayEffect(const std::string& path, int channel) override;
  void PlayMusic(const std::string& path, int repeats) override;
  void StopMusic() override;
  void CloseMusic() override;

  // The calls since the last TakeCalls, oldest first; clears them.
  std::vector<std::string> TakeCalls();

 private:
  std::vector<std::string> calls_;
  Audio* passOn_ = nullptr;
};

// Plays nothing and keeps nothing: for runs nobody hears that must cost nothing per call (the
// stage solver steps the model millions of times).
class SilentAudio : public Audio {
 public:
  void StartSound() override {}
  void PlayEffect(const std::string&, int) override {}
  void PlayMusic(const std::string&, int) override {}
  void StopMusic() override {}
  void CloseMusic() override {}
};

// The SDL_mixer backend (src/audio/sdl_audio.cpp). dataRoot is the folder holding sound/.
// Falls back to silence (one line on stderr) when there is no device.
std::unique_ptr<Audio> MakeSdlAudio(const std::string& dataRoot, Volumes volumes = {});

}  // namespace slidestone
