#include "solver/state_key.h"

namespace slidestone::solver {

namespace {

constexpr int32_t kTimeStep = 5;   // tenths of a second
constexpr int32_t kStoneStep = 16;  // pixels
constexpr int32_t kPlayerStep = 8;  // pixels: a jump lands on any even x

class Hasher {
 public:
  void Add(int64_t v) {
    h_ ^= uint64_t(v) + 0x9e3779b97f4a7c15ULL + (h_ << 6) + (h_ >> 2);
    h_ *= 0xff51afd7ed558ccdULL;
  }
  uint64_t Value() const { return h_ ^ (h_ >> 33); }

 private:
  uint64_t h_ = 0xcbf29ce484222325ULL;
};

}  // namespace

uint64_t GridsHash::Of(const Model& w) {
  if (known_ && w.Map == map_ && w.AiMap == objects_) return hash_;
  Hasher h;
  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridCols; ++c) {
      h.Add(w.Map(c, r));
      h.Add(w.AiMap(c, r));
    }
  }
  map_ = w.Map;
  objects_ = w.AiMap;
  hash_ = h.Value();
  known_ = true;
  return hash_;
}

uint64_t StateKey(const Model& w, GridsHash& grids) {
  Hasher h;
  for (const int64_t v : {int64_t(w.PlayerX / kPlayerStep), int64_t(w.PlayerY), int64_t(w.StoneX / kStoneStep),
                          int64_t(w.StoneY / kStoneStep), int64_t(w.StoneDir), int64_t(w.StoneSpeed),
                          int64_t(w.StoneLaunched), int64_t(w.ToolPoints),
                          int64_t(w.StageTime / kTimeStep), int64_t(w.BallActive), int64_t(w.BallX),
                          int64_t(w.SpringX), int64_t(w.SpringY)}) {
    h.Add(v);
  }
  h.Add(int64_t(grids.Of(w)));
  for (int i = 0; i < w.EnemyCount && i < kMaxEnemies; ++i) {
    const EnemyRecord& e = w.Enemies[size_t(i)];
    h.Add(e.state);
    h.Add(e.x);
    h.Add(e.y);
  }
  for (int i = 0; i < w.SpeedTileCount && i < kMaxSpeedTiles; ++i) h.Add(w.SpeedTiles[size_t(i)].broken);
  return h.Value();
}

}  // namespace slidestone::solver
