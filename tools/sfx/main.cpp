// Writes every sound effect of the game into the folder given on the command line.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "effects.h"
#include "synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const sfx::Effect& effect : sfx::AllEffects()) {
      sfx::Buffer buffer = effect.make();
      sfx::Finish(buffer, effect.peakDb);
      sfx::WriteWav((folder / (effect.name + ".wav")).string(), buffer);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "sfx: %s\n", error.what());
    return 1;
  }
  return 0;
}
