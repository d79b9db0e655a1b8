#include "audio/volume.h"

#include <string>

#include "services/settings.h"

namespace slidestone {
namespace {

int ReadVolume(SettingsStore& settings, const char* key) {
  const auto text = settings.Read("VbApp", "audio", key);
  if (!text) return 100;
  const auto value = ParseStoredScore(*text);
  if (!value || *value < 0 || *value > 100) return 100;
  return *value;
}

}  // namespace

Volumes ReadVolumes(SettingsStore* settings) {
  Volumes v;
  if (settings == nullptr) return v;
  v.music = ReadVolume(*settings, "music");
  v.effects = ReadVolume(*settings, "effects");
  return v;
}

}  // namespace slidestone
