// How loud the music and the effects play, as the player set them in settings.ini:
//   [audio]
//   music=0..100
//   effects=0..100
// 100, the default, is the level the sounds were made at; 0 is silent.
#pragma once

namespace slidestone {

class SettingsStore;

struct Volumes {
  int music = 100;
  int effects = 100;
};

// Reads both from the store. A missing store, section or key, or a value that is not a whole
// number from 0 to 100, gives the default for that one: a bad volume never stops the game.
Volumes ReadVolumes(SettingsStore* settings);

}  // namespace slidestone
