#include "audio/audio.h"


namespace slidestone {

void PlayCursorSound(Audio& audio) { audio.PlayEffect("sound/Akouka02.wav", kChannelMain); }
void PlayConfirmSound(Audio& audio) { audio.PlayEffect("sound/Akouka01.wav", kChannelMain); }

const std::vector<std::string>& AllSoundFiles() {
  static const std::vector<std::string> files = {
      "sound/beep01.wav",   "sound/charjumpon.wav", "sound/push10.wav",  "sound/Akouka01.wav",
      "sound/Akouka02.wav", "sound/Akouka03.wav",   "sound/teki01.wav",  "sound/teki02.wav",
      "sound/migaku.wav",   "sound/char03.wav",     "sound/char04.wav",  "sound/Aitem.wav",
      "sound/stone02.wav",  "sound/stone01.wav",    "sound/rakka.wav",   "sound/char00.wav",
      "sound/charjump.wav", "sound/dokan.wav",      "sound/char01.wav",  "sound/puu46.wav",
      "sound/end0.wav",     "sound/PSMAT005.mid",   "sound/PSMAT526.mid", "sound/PSMAT002.mid",
      "sound/PSMAT525.mid", "sound/PSMAT051.mid",
  };
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
