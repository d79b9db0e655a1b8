// The SDL_mixer backend of the sound layer: nine mixer channels for the nine effect channels,
// and the music as Ogg Vorbis files rendered at build time, streamed by SDL_mixer's music player
// (looping pieces loop inside the file at its LOOPSTART/LOOPLENGTH tags).
// Without a sound device the game plays on in silence; a piece that cannot be played is said
// once and left out, the rest of the sound goes on.
#pragma once

#include <map>
#include <set>
#include <string>

#include "audio/audio.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace slidestone {

class SdlAudio : public Audio {
 public:
  explicit SdlAudio(std::string dataRoot);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  void StartSound() override;
  void PlayEffect(const std::string& path, int channel) override;
  void PlayMusic(const std::string& path, int repeats) override;
  void StopMusic() override;
  void CloseMusic() override;
  // The player's volumes, 0..100 each (100: as the sounds were made); before or after start-up.
  void SetVolumes(int music, int effects);

  // What the mixer is doing, for tests and diagnostics.
  bool DeviceOpen() const { return deviceOpen_; }
  bool MusicAvailable() const { return deviceOpen_; }
  // Whether this piece (the game's name for it, "sound/PSMAT005.mid") can be played.
  bool PiecePlayable(const std::string& piece) const;
  // The file last started on a channel, as the mixer holds it ("" when never used).
  std::string ChannelSound(int channel) const;
  bool ChannelPlaying(int channel) const;
  // Decoded effects kept in memory.
  int CachedEffects() const { return static_cast<int>(chunks_.size()); }
  // The piece loaded for playing ("" before any music and after a stop), the loop count handed
  // to the mixer (-1 endless, n plays n times) and whether the mixer is sounding it.
  const std::string& MusicPiece() const { return musicPath_; }
  int MusicLoops() const { return musicLoops_; }
  bool MusicPlaying() const;
  int MusicVolume() const;

 private:
  int musicPercent_ = 100, effectsPercent_ = 100;
  Mix_Chunk* LoadEffect(const std::string& path);
  void ReleaseMusic();
  void CheckMusicFiles();
  void LeaveOutPiece(const std::string& piece, const char* why);
  std::string Resolve(const std::string& path) const;

  std::string dataRoot_;
  bool started_ = false;
  bool deviceOpen_ = false;
  bool musicClosed_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;
  std::set<std::string> unplayable_;  // pieces said once and left out
  _Mix_Music* music_ = nullptr;
  std::string musicPath_;
  int musicLoops_ = 0;
};

}  // namespace slidestone
