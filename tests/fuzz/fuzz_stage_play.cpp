// libFuzzer target: a stage built from a fuzzed folder and played. The input is the stage table,
// the messages, stage 1's map and enemy map and then a string of key bytes, cut at "\n====\n".
// The game starts stage 1 from the title as a player would, then plays the keys: each byte a
// key (the game's own, never Escape) down or up and a few passes, a few hundred passes in all.
// A folder that does not load must end in a DataError; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_game.h"
#include "shell/input.h"
#include "stagedata/codes.h"
#include "stagedata/data_reader.h"
#include "stagedata/stage_format.h"

namespace {

using namespace slidestone;

constexpr int kKeys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeySpace, kKeyEnter, kKeyZ, kKeyLeft};
constexpr int kStartPasses = 10000;  // the title to the first pass of play, with the curtain
constexpr int kPlayPasses = 600;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string& dir = fuzz::ScratchFolder();
  const std::string files[] = {StageTablePath(dir), MessageFilePath(dir), MapFilePath(dir, 0),
                               EnemyMapFilePath(dir, 0)};
  constexpr std::string_view kCut = "\n====\n";
  for (const std::string& file : files) {
    const size_t cut = input.find(kCut);
    fuzz::Put(file, input.substr(0, cut));
    input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + kCut.size());
  }
  fuzz::FuzzGame run(dir);
  Game& g = run.g;
  App& app = *run.app;
  try {
    app.Pass();
    g.StartStage = 0;
    app.input().Push({true, kKeySpace});
    app.Pass();
    app.input().Push({false, kKeySpace});
    for (int i = 0; i < kStartPasses && !(g.GameState == kStatePlay && !On(g.StagePhaseFlag)); ++i) {
      if (!app.Pass()) return 0;
    }
    int passes = 0;
    for (const char c : input) {
      const auto b = static_cast<unsigned char>(c);
      app.input().Push({(b & 8) != 0, kKeys[b & 7]});
      for (int i = 0; i <= b >> 4 && passes < kPlayPasses; ++i, ++passes) {
        if (!app.Pass()) return 0;
      }
      if (passes >= kPlayPasses) break;
    }
    for (; passes < kPlayPasses; ++passes) {
      if (!app.Pass()) return 0;
    }
  } catch (const DataError&) {
  }
  return 0;
}
