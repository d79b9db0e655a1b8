#include "audio/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

namespace slidestone {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChunkFrames = 1024;  // about 23 ms: effects answer the key press at once

void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

// Without a sound card ALSA prints a screenful of errors while SDL looks for a device. The
// library is optional at run time, so it is reached by name, never linked directly.
void QuietLibraryChatter() {
  using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetAlsaHandler = int (*)(AlsaHandler);
  if (void* alsa = dlopen("libasound.so.2", RTLD_LAZY)) {
    if (auto set = reinterpret_cast<SetAlsaHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
      set(&IgnoreAlsaMessage);
    }
  }
}

// A sound file that cannot be played is said once and left out; the game never ends over a
// sound (the closing roll's sweep must not cost the player a new high score).
void ReportSoundFile(const std::string& path, const char* why) {
  std::fprintf(stderr, "slidestone: cannot play %s: %s; playing on without it\n", path.c_str(), why);
}

}  // namespace

SdlAudio::SdlAudio(std::string dataRoot) : dataRoot_(std::move(dataRoot)) {}

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
  Mix_Volume(-1, MIX_MAX_VOLUME * effectsPercent_ / 100);

  Mix_Init(MIX_INIT_OGG);
  CheckMusicFiles();
}

// Every piece is opened once at start-up, so a missing or damaged file is said at once, not in
// the middle of a stage, and the game plays on without that piece.
void SdlAudio::CheckMusicFiles() {
  for (const std::string& piece : AllSoundFiles()) {
    if (!IsMusicPiece(piece)) continue;
    const std::string file = Resolve(MusicFileOf(piece));
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
      LeaveOutPiece(piece, "file not found");
      continue;
    }
    Mix_Music* music = Mix_LoadMUS(file.c_str());
    if (music == nullptr) {
      LeaveOutPiece(piece, Mix_GetError());
      continue;
    }
    Mix_FreeMusic(music);
  }
}

void SdlAudio::LeaveOutPiece(const std::string& piece, const char* why) {
  if (!unplayable_.insert(piece).second) return;
  std::fprintf(stderr, "slidestone: cannot play music %s (%s); playing on without it\n",
               MusicFileOf(piece).c_str(), why);
}

bool SdlAudio::PiecePlayable(const std::string& piece) const {
  return deviceOpen_ && !unplayable_.contains(piece);
}

Mix_Chunk* SdlAudio::LoadEffect(const std::string& path) {
  auto found = chunks_.find(path);
  if (found != chunks_.end()) return found->second;
  const std::string file = Resolve(path);
  std::error_code error;
  Mix_Chunk* chunk = nullptr;
  if (!std::filesystem::is_regular_file(file, error)) {
    ReportSoundFile(path, "file not found");
  } else if ((chunk = Mix_LoadWAV(file.c_str())) == nullptr) {
    ReportSoundFile(path, Mix_GetError());
  }
  chunks_.emplace(path, chunk);  // a failed one is kept as nothing, so it is said only once
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
  if (Mix_Chunk* chunk = LoadEffect(path)) Mix_PlayChannel(channel, chunk, 0);
}

std::string SdlAudio::ChannelSound(int channel) const {
  if (!deviceOpen_ || channel < 0 || channel >= kEffectChannels) return "";
  Mix_Chunk* chunk = Mix_GetChunk(channel);
  for (const auto& [path, cached] : chunks_) {
    if (cached != nullptr && cached == chunk) return path;
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
  // The old piece stops at once.
  ReleaseMusic();
  musicPath_.clear();
  if (!PiecePlayable(path)) return;
  const std::string file = Resolve(MusicFileOf(path));
  music_ = Mix_LoadMUS(file.c_str());
  if (music_ == nullptr) {
    LeaveOutPiece(path, Mix_GetError());
    return;
  }
  // The repeat count counts extra passes: -1 is endless, 0 plays once.
  musicLoops_ = repeats < 0 ? -1 : repeats + 1;
  musicPath_ = path;
  // The level is in the file: the pieces were rendered at the loudness they are heard at.
  Mix_VolumeMusic(MIX_MAX_VOLUME * musicPercent_ / 100);
  if (Mix_PlayMusic(music_, musicLoops_) != 0) {
    LeaveOutPiece(path, Mix_GetError());
    ReleaseMusic();
    musicPath_.clear();
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

void SdlAudio::SetVolumes(int music, int effects) {
  musicPercent_ = music;
  effectsPercent_ = effects;
  if (!deviceOpen_) return;
  Mix_Volume(-1, MIX_MAX_VOLUME * effectsPercent_ / 100);
  Mix_VolumeMusic(MIX_MAX_VOLUME * musicPercent_ / 100);
}

std::unique_ptr<Audio> MakeSdlAudio(const std::string& dataRoot, Volumes volumes) {
  auto audio = std::make_unique<SdlAudio>(dataRoot);
  audio->SetVolumes(volumes.music, volumes.effects);
  return audio;
}

}  // namespace slidestone
