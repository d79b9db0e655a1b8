#include "audio/audio.h"

#include <array>

namespace slidestone {

void PlayCursorSound(Audio& audio) { audio.PlayEffect(kSoundCursor, kChannelMain); }
void PlayConfirmSound(Audio& audio) { audio.PlayEffect(kSoundConfirm, kChannelMain); }

namespace {

const std::array<std::string, kSoundEffectCount> kEffectPaths = {
#define EFFECT(name, file) "sound/" #file ".wav",
#include "audio/effect_list.h"
#undef EFFECT
};

}  // namespace

const std::string& EffectPath(SoundEffect effect) { return kEffectPaths.at(size_t(effect)); }

const std::vector<std::string>& AllSoundFiles() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> all(kEffectPaths.begin(), kEffectPaths.end());
    for (const char* piece : {"sound/PSMAT005.mid", "sound/PSMAT526.mid", "sound/PSMAT002.mid",
                              "sound/PSMAT525.mid", "sound/PSMAT051.mid"}) {
      all.push_back(piece);
    }
    return all;
  }();
  return files;
}

bool IsMusicPiece(const std::string& path) { return path.ends_with(".mid"); }

std::string MusicFileOf(const std::string& piece) {
  if (!IsMusicPiece(piece)) return piece;
  return piece.substr(0, piece.size() - 4) + ".ogg";
}

void RecordingAudio::StartSound() {
  if (passOn_) passOn_->StartSound();
}

void RecordingAudio::PlayEffect(const std::string& path, int channel) {
  calls_.push_back("effect " + path + " " + std::to_string(channel));
  if (passOn_) passOn_->PlayEffect(path, channel);
}

void RecordingAudio::PlayMusic(const std::string& path, int repeats) {
  calls_.push_back("music " + path + " " + std::to_string(repeats));
  if (passOn_) passOn_->PlayMusic(path, repeats);
}

void RecordingAudio::StopMusic() {
  calls_.push_back("stopmusic");
  if (passOn_) passOn_->StopMusic();
}

void RecordingAudio::CloseMusic() {
  calls_.push_back("closemusic");
  if (passOn_) passOn_->CloseMusic();
}

std::vector<std::string> RecordingAudio::TakeCalls() {
  std::vector<std::string> out;
  out.swap(calls_);
  return out;
}

}  // namespace slidestone
