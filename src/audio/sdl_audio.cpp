#include "audio/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

namespace slidestone {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChunkFrames = 1024;  // about 23 ms: effects answer the key press at once

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card ALSA prints a screenful of errors while SDL looks for a device. Both
// libraries are optional at run time, so they are reached by name, never linked directly.
void QuietLibraryChatter() {
  using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetAlsaHandler = int (*)(AlsaHandler);
  if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY)) {
    if (auto set = reinterpret_cast<SetAlsaHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
      set(&IgnoreAlsaMessage);
    }
  }
  // FluidSynth chats about presets and settings; keep its panics and errors only.
  using FluidLogFunction = void (*)(int, const char*, void*);
  using SetFluidLog = FluidLogFunction (*)(int, FluidLogFunction, void*);
  if (void* fluid = dlopen("libfluidsynth.so.3", RTLD_LAZY)) {
    if (auto set = reinterpret_cast<SetFluidLog>(dlsym(fluid, "fluid_set_log_function"))) {
      for (int level = 2; level <= 4; ++level) set(level, nullptr, nullptr);  // warn, info, debug
    }
  }
}

[[noreturn]] void FailOnSoundFile(const std::string& path, const char* why) {
  std::fprintf(stderr, "slidestone: cannot play %s: %s\n", path.c_str(), why);
  std::exit(1);
}

}  // namespace

int MusicVolumeForGain(double gain) {
  const int volume = static_cast<int>(std::lround(gain / 1.2 * MIX_MAX_VOLUME));
  return volume < 0 ? 0 : (volume > MIX_MAX_VOLUME ? MIX_MAX_VOLUME : volume);
}

SdlAudio::SdlAudio(std::string dataRoot, std::string soundFont)
    : dataRoot_(std::move(dataRoot)), soundFont_(std::move(soundFont)) {}

SdlAudio::~SdlAudio() {
  if (!deviceOpen_) return;
  Mix_HaltChannel(-1);
  ReleaseMusic();
  for (auto& [path, chunk] : chunks_) Mix_FreeChunk(chunk);
  chunks_.clear();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::string SdlAudio::Resolve(const std::string& path) const {
  if (dataRoot_.empty()) return path;
  return (std::filesystem::path(dataRoot_) / path).string();
}

void SdlAudio::StartSound() {
  if (started_) return;
  started_ = true;
  QuietLibraryChatter();
  // Audio on its own: a machine without sound still gets its window, and plays silently.
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "slidestone: no sound device (%s); playing without sound\n",
                 SDL_GetError());
    return;
  }
  if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, 2, kChunkFrames) != 0) {
    std::fprintf(stderr, "slidestone: no sound device (%s); playing without sound\n",
                 Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  deviceOpen_ = true;
  Mix_AllocateChannels(kEffectChannels);
  Mix_ReserveChannels(kEffectChannels);  // only ever played on by number

  // A missing soundfont makes SDL_mixer fall back to Timidity with a misleading message, so the
  // file is checked here and the music stays silent without it.
  std::error_code error;
  if (!std::filesystem::is_regular_file(soundFont_, error)) {
    std::fprintf(stderr, "slidestone: no MIDI soundfont at %s; playing without music\n",
                 soundFont_.c_str());
    return;
  }
  Mix_Init(MIX_INIT_MID);
  if (Mix_SetSoundFonts(soundFont_.c_str()) == 0) {
    std::fprintf(stderr, "slidestone: cannot use soundfont %s (%s); playing without music\n",
                 soundFont_.c_str(), Mix_GetError());
    return;
  }
  musicAvailable_ = true;
}

Mix_Chunk* SdlAudio::LoadEffect(const std::string& path) {
  auto found = chunks_.find(path);
  if (found != chunks_.end()) return found->second;
  const std::string file = Resolve(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) FailOnSoundFile(path, "file not found");
  Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
  if (chunk == nullptr) FailOnSoundFile(path, Mix_GetError());
  chunks_.emplace(path, chunk);
  return chunk;
}

void SdlAudio::PlayEffect(const std::string& path, int channel) {
  if (channel < 0 || channel >= kEffectChannels) {
    std::fprintf(stderr, "slidestone: effect channel %d out of range 0..%d for %s\n", channel,
                 kEffectChannels - 1, path.c_str());
    std::exit(1);
  }
  if (!started_) StartSound();
  if (!deviceOpen_) return;
  // Starting a chunk on a busy channel halts what was sounding there: the channel's old effect
  // is cut off, the other channels play on.
  Mix_PlayChannel(channel, LoadEffect(path), 0);
}

std::string SdlAudio::ChannelSound(int channel) const {
  if (!deviceOpen_ || channel < 0 || channel >= kEffectChannels) return "";
  Mix_Chunk* chunk = Mix_GetChunk(channel);
  for (const auto& [path, cached] : chunks_) {
    if (cached == chunk) return path;
  }
  return "";
}

bool SdlAudio::ChannelPlaying(int channel) const {
  if (!deviceOpen_ || channel < 0 || channel >= kEffectChannels) return false;
  return Mix_Playing(channel) != 0;
}

void SdlAudio::ReleaseMusic() {
  if (music_ == nullptr) return;
  Mix_HaltMusic();
  Mix_FreeMusic(music_);
  music_ = nullptr;
}

void SdlAudio::PlayMusic(const std::string& path, int repeats) {
  if (!started_) StartSound();
  if (musicClosed_) return;
  // The old piece stops at once; every piece gets a fresh synthesizer, so no note or controller
  // of the old one carries over.
  ReleaseMusic();
  musicPath_.clear();
  const std::string file = Resolve(path);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) FailOnSoundFile(path, "file not found");
  if (!MusicAvailable()) return;
  music_ = Mix_LoadMUS(file.c_str());
  if (music_ == nullptr) {
    // The file is there, so the synthesizer is what failed: go on without music, said once.
    std::fprintf(stderr, "slidestone: cannot play music %s (%s); playing without music\n",
                 path.c_str(), Mix_GetError());
    musicAvailable_ = false;
    return;
  }
  // The repeat count counts extra passes: -1 is endless, 0 plays once.
  musicLoops_ = repeats < 0 ? -1 : repeats + 1;
  musicPath_ = path;
  Mix_VolumeMusic(MusicVolumeForGain(kMusicSynthGain));
  if (Mix_PlayMusic(music_, musicLoops_) != 0) {
    std::fprintf(stderr, "slidestone: cannot play music %s (%s); playing without music\n",
                 path.c_str(), Mix_GetError());
    ReleaseMusic();
    musicPath_.clear();
    musicAvailable_ = false;
  }
}

void SdlAudio::StopMusic() {
  ReleaseMusic();
  musicPath_.clear();
}

void SdlAudio::CloseMusic() {
  StopMusic();
  musicClosed_ = true;
}

bool SdlAudio::MusicPlaying() const { return music_ != nullptr && Mix_PlayingMusic() != 0; }

int SdlAudio::MusicVolume() const { return deviceOpen_ ? Mix_VolumeMusic(-1) : 0; }

std::unique_ptr<Audio> MakeSdlAudio(const std::string& dataRoot) {
  return std::make_unique<SdlAudio>(dataRoot);
}

}  // namespace slidestone
