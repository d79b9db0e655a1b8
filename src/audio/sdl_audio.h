// The SDL_mixer backend of the sound layer: nine mixer channels for the nine effect channels,
// and MIDI music through SDL_mixer's FluidSynth decoder with the Debian GM soundfont.
// Without a sound device, or without the soundfont, the game plays on in silence.
#pragma once

#include <map>
#include <string>

#include "audio/audio.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace slidestone {

constexpr const char* kSoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// The music is heard 6 dB above FluidSynth's standard level (synth gain 0.2): the synth runs at
// gain 0.4. The pieces are written so that, at this gain, their loudest moment stays below full
// scale; the tests render every piece at exactly this gain and check it.
constexpr double kMusicSynthGain = 0.4;

// SDL_mixer drives FluidSynth's gain as 1.2 * volume / 128; this is the volume giving our gain.
int MusicVolumeForGain(double gain);

class SdlAudio : public Audio {
 public:
  explicit SdlAudio(std::string dataRoot, std::string soundFont = kSoundFontPath);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  void StartSound() override;
  void PlayEffect(const std::string& path, int channel) override;
  void PlayMusic(const std::string& path, int repeats) override;
  void StopMusic() override;
  void CloseMusic() override;

  // What the mixer is doing, for tests and diagnostics.
  bool DeviceOpen() const { return deviceOpen_; }
  bool MusicAvailable() const { return deviceOpen_ && musicAvailable_; }
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
  Mix_Chunk* LoadEffect(const std::string& path);
  void ReleaseMusic();
  std::string Resolve(const std::string& path) const;

  std::string dataRoot_;
  std::string soundFont_;
  bool started_ = false;
  bool deviceOpen_ = false;
  bool musicAvailable_ = false;
  bool musicClosed_ = false;
  std::map<std::string, Mix_Chunk*> chunks_;
  _Mix_Music* music_ = nullptr;
  std::string musicPath_;
  int musicLoops_ = 0;
};

}  // namespace slidestone
