// Turns each score in pieces/ into a Standard MIDI File of the same name in the output folder.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "score.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SCORE...\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (int i = 2; i < argc; ++i) {
      const std::filesystem::path score = argv[i];
      const music::Song song = music::ReadScore(score.string());
      music::WriteMidi((folder / score.stem()).string() + ".mid", song);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "music: %s\n", error.what());
    return 1;
  }
  return 0;
}
