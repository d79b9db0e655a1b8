#include "solver/search.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <queue>
#include <unordered_set>

#include "solver/state_key.h"
#include "solver/stone_guide.h"
#include "solver/stone_reach.h"

namespace slidestone::solver {

namespace {

constexpr int kLostAtStartPasses = 1000;  // no move of the player's takes less
constexpr int64_t kProgressEvery = 2000;  // moments between two progress reports
// How far ahead the stone is followed with nobody at the keys: to the end of the stage time
// and a little beyond (the clock runs out a tenth late), but never further than this.
constexpr int kReachPasses = 200000;
constexpr int kReachTail = 1000;
constexpr size_t kReachCacheMax = 1 << 18;
// The estimate a moment is searched by: the stone's distance to the goal, plus this much per
// second of play gone and per tool used, so a line that wastes neither comes first.
constexpr double kPixelsPerSecond = 4.0;
// The moments wait in two orders, which take turns: by the stone's way to the goal over the
// field (solver/stone_guide.h), which lets a line spend time on the way round, and by its
// straight distance from the goal, which needs no way to be found. Each order wins stages the
// other is slow on, and a moment is expanded only once, whichever order reaches it first.
constexpr size_t kGuided = 0, kStraight = 1;
constexpr double kGuidedPixelsPerSecond = 1.0;
constexpr double kPixelsPerTool = 8.0;
constexpr int kWinRefused = StoneGuide::kNoWay;
// An unordered set's entry of a 64-bit key and a cached way of the stone, with their buckets: a
// key's node takes 32 bytes from the allocator, its bucket 8 and, while the table doubles, the
// new buckets 16 more (a faster search met the process's 1 GB with 32 counted in all).
constexpr size_t kBytesPerSeen = 56;
constexpr size_t kBytesPerReach = 136;

struct Node {
  int32_t parent = -1;
  int32_t pass = 0;        // the pass of play this moment was reached at
  uint32_t eventsBegin = 0;  // this node's move's key events in the event pool
  uint32_t eventsCount = 0;
  int32_t snapshot = -1;   // slot of the model while the node waits to be expanded
  int16_t depth = 0;
  int16_t tools = 0;
  Move move = Move::kWait;
};

struct Waiting {
  double priority;
  int32_t depth;
  int32_t node;
  bool operator<(const Waiting& o) const {  // the priority queue puts the greatest first
    if (priority != o.priority) return priority > o.priority;
    return depth < o.depth;
  }
};

// The goal's cells, as pixels of their top-left corners.
std::vector<std::pair<int, int>> GoalCells(const Model& w) {
  std::vector<std::pair<int, int>> cells;
  for (int r = 0; r < kGridRows; ++r)
    for (int c = 0; c < kGridCols; ++c)
      if (w.AiMap(c, r) == kGoal) cells.push_back({c * 32, r * 32});
  return cells;
}

// The stone's distance from the nearest goal cell in a straight line (across and down).
int StraightDistance(const Model& w, const std::vector<std::pair<int, int>>& goals) {
  int best = kFieldW + kFieldH;
  for (const auto& [gx, gy] : goals) best = std::min(best, std::abs(w.StoneX - gx) + std::abs(w.StoneY - gy));
  return best;
}

class Search {
 public:
  explicit Search(const SolveRequest& r) : req_(r) {}

  SolveResult Run() {
    SolveResult result;
    if (!StartStage(sim_, req_.stageDir, req_.stage, req_.difficulty, result.why)) {
      result.verdict = Verdict::kBadStage;
      return result;
    }
    const Model start = TakeSnapshot(sim_.w);
    goals_ = GoalCells(sim_.w);
    if (goals_.empty()) goals_.push_back({0, 0});
    if (LostWithNoMove()) {
      result.verdict = Verdict::kLostAtStart;
      return result;
    }
    sim_.Restore(start, 0);
    nodes_.push_back(Node{});
    nodes_[0].snapshot = Keep(start);
    seen_.insert(StateKey(sim_.w, grids_));
    const StoneReach& way = Reach();
    Nearness nearest = way.nearest;
    if (way.won) {
      LineSummary s;
      if (WinsAlone(start, 0, 0, s) && Record(0, s)) {
        Finish(result);
        return result;
      }
      nearest.fill(kWinRefused);
    }
    nearest_ = nearest[kGuided];
    Wait(0, nearest, 0, 0, 0);

    for (int turn = 0;; ++turn) {
      const int32_t next = Next(turn);
      if (next < 0) break;
      if (OutOfBudget()) {
        result.verdict = Verdict::kBudgetSpent;
        Finish(result);
        return result;
      }
      if (Expand(next)) break;
    }
    result.verdict = dropped_ ? Verdict::kBudgetSpent : Verdict::kExhausted;
    Finish(result);
    return result;
  }

 private:
  bool LostWithNoMove() {
    sim_.Run(kLostAtStartPasses);
    return sim_.Over() && !sim_.Won();
  }

  // A moment waits in every order at once, ranked by each measure.
  void Wait(int32_t node, const Nearness& nearest, int32_t pass, int tools, int32_t depth) {
    for (size_t i = 0; i < kMeasures; ++i) {
      const double perSecond = i == kGuided ? kGuidedPixelsPerSecond : kPixelsPerSecond;
      open_[i].push({nearest[i] + perSecond * pass / 1000.0 + kPixelsPerTool * tools, depth, node});
    }
  }

  // The next moment to expand, the orders taking turns (-1 when none waits): one order's best
  // may have been expanded already as the other's.
  int32_t Next(int turn) {
    for (size_t k = 0; k < kMeasures; ++k) {
      auto& open = open_[(size_t(turn) + k) % kMeasures];
      while (!open.empty()) {
        const int32_t node = open.top().node;
        open.pop();
        if (nodes_[size_t(node)].snapshot >= 0) return node;
      }
    }
    return -1;
  }

  // What the search holds, roughly: the waiting snapshots, every moment's record and key events,
  // the moments seen and the stone's ways.
  size_t MemoryUsed() const {
    return pool_.size() * sizeof(Model) + nodes_.size() * sizeof(Node) + events_.size() * sizeof(KeyPress) +
           seen_.size() * kBytesPerSeen + reaches_.Size() * kBytesPerReach +
           (open_[0].size() + open_[1].size()) * sizeof(Waiting);
  }

  bool OutOfBudget() {
    if (req_.maxStates > 0 && progress_.states >= req_.maxStates) return true;
    if (req_.stop && req_.stop()) return true;
    if (progress_.states % 64 == 0 && MemoryUsed() > req_.maxBytes) {
      progress_.memoryFull = true;
      return true;
    }
    if (progress_.states % 64 == 0 && req_.elapsed) lastSeconds_ = req_.elapsed();
    return req_.elapsed && lastSeconds_ >= req_.seconds;
  }

  int32_t Keep(const Model& m) {
    if (!free_.empty()) {
      const int32_t slot = free_.back();
      free_.pop_back();
      pool_[size_t(slot)] = m;
      return slot;
    }
    pool_.push_back(m);
    return int32_t(pool_.size() - 1);
  }

  // The stone's way from the sim's moment with nobody at the keys (shared by every moment with
  // the same stone, field and time).
  const StoneReach& Reach() {
    if (reaches_.Size() > kReachCacheMax) reaches_.Clear();
    const int passes = std::min(kReachPasses, sim_.w.StageTime * 100 + kReachTail);
    return reaches_.Of(sim_, passes);
  }

  // From a moment whose stone reaches the goal on its own: the rest of the stage played with
  // nobody at the keys (the player standing here, which the shared way did not check). True when
  // that wins and is accepted; the summary is filled in.
  bool WinsAlone(const Model& from, int32_t pass, int16_t tools, LineSummary& s) {
    sim_.Restore(from, pass);
    sim_.Run(sim_.w.StageTime * 100 + kReachTail);
    if (!sim_.Won()) return false;
    s = {tools, sim_.w.StageScore, sim_.w.StageTime, sim_.pass};
    return Counts(s);
  }

  bool Counts(const LineSummary& s) const {
    if (req_.accept && !req_.accept(s)) return false;
    return !haveBest_ || (req_.better && req_.better(s, best_.summary));
  }

  // Keeps a win that counts; true when the search is over (it stops at the first win unless it
  // looks for the best one).
  bool Record(int32_t node, const LineSummary& s) {
    best_.summary = s;
    best_.line = Line(node);
    best_.moves = Moves(node);
    best_.foundAfter = req_.elapsed ? req_.elapsed() : 0;
    haveBest_ = true;
    return !req_.better;
  }

  // Tries every move from the node; true when a win ends the search.
  bool Expand(int32_t index) {
    const int32_t slot = nodes_[size_t(index)].snapshot;
    const int32_t pass = nodes_[size_t(index)].pass;
    const int16_t depth = nodes_[size_t(index)].depth;
    const int16_t tools = nodes_[size_t(index)].tools;
    ++progress_.states;
    progress_.depth = depth;
    if (req_.progress && progress_.states % kProgressEvery == 0) Report();
    const StoneReach* reach = nullptr;
    for (FlightTop& top : tops_) top.at.pass = -1;
    for (int m = 0; m < kMoveCount; ++m) {
      const Move move = Move(m);
      sim_.Restore(pool_[size_t(slot)], pass);
      if (IsTool(move)) {
        if (sim_.w.ToolPoints <= 0) continue;
        if (!reach) {
          reach = &Reach();
          sim_.Restore(pool_[size_t(slot)], pass);
        }
        if (!WithinReach(*reach, sim_.w, move)) continue;
      }
      const int64_t passesBefore = sim_.passesRun;
      // The steering jumps come before their hops, which go on from the top of their flights.
      FlightTop* top = move == Move::kJumpLeft ? &tops_[0] : move == Move::kJumpRight ? &tops_[1] : nullptr;
      const FlightTop* shared = !IsHop(move)                    ? nullptr
                                : move == Move::kJumpLeftShort ? &tops_[0]
                                                               : &tops_[1];
      const MoveResult r = shared && shared->at.pass >= 0 ? PlayHopFrom(sim_, move, *shared) : PlayMove(sim_, move, top);
      if (sim_.passesRun != passesBefore) ++progress_.moves;  // one the map rules out runs nothing
      if (r == MoveResult::kUseless || r == MoveResult::kLost) continue;
      const int16_t childTools = int16_t(tools + (IsTool(move) ? 1 : 0));
      if (r == MoveResult::kWon) {
        const LineSummary s{childTools, sim_.w.StageScore, sim_.w.StageTime, sim_.pass};
        if (!Counts(s)) continue;
        if (Record(AddNode(index, move, depth, childTools), s)) return true;
        continue;
      }
      if (!seen_.insert(StateKey(sim_.w, grids_)).second) continue;
      if (pool_.size() - free_.size() >= req_.maxOpen) {
        dropped_ = true;
        continue;
      }
      const int32_t child = AddNode(index, move, depth, childTools);
      const int32_t childSlot = Keep(TakeSnapshot(sim_.w));
      nodes_[size_t(child)].snapshot = childSlot;
      const int32_t childPass = sim_.pass;
      const StoneReach& way = Reach();
      reach = nullptr;  // the cache may have moved it
      Nearness nearest = way.nearest;
      if (way.won) {
        LineSummary s;
        if (WinsAlone(pool_[size_t(childSlot)], childPass, childTools, s) && Record(child, s)) return true;
        // A win not good enough (or not for this place of the player's): what follows from
        // here wins the same way, so the search looks elsewhere first.
        nearest.fill(kWinRefused);
      }
      if (nearest[kGuided] < nearest_) {
        nearest_ = nearest[kGuided];
        progress_.nearestDepth = depth + 1;
      }
      Wait(child, nearest, childPass, childTools, depth + 1);
    }
    free_.push_back(slot);
    nodes_[size_t(index)].snapshot = -1;
    return false;
  }

  int32_t AddNode(int32_t parent, Move move, int16_t depth, int16_t tools) {
    Node n;
    n.parent = parent;
    n.pass = sim_.pass;
    n.eventsBegin = uint32_t(events_.size());
    n.eventsCount = uint32_t(sim_.log.size());
    n.depth = int16_t(depth + 1);
    n.tools = tools;
    n.move = move;
    events_.insert(events_.end(), sim_.log.begin(), sim_.log.end());
    nodes_.push_back(n);
    return int32_t(nodes_.size() - 1);
  }

  std::vector<int32_t> Path(int32_t node) const {
    std::vector<int32_t> path;
    for (int32_t n = node; n > 0; n = nodes_[size_t(n)].parent) path.push_back(n);
    std::reverse(path.begin(), path.end());
    return path;
  }

  std::vector<KeyPress> Line(int32_t node) const {
    std::vector<KeyPress> line;
    for (const int32_t n : Path(node)) {
      const Node& d = nodes_[size_t(n)];
      line.insert(line.end(), events_.begin() + d.eventsBegin, events_.begin() + d.eventsBegin + d.eventsCount);
    }
    return line;
  }

  std::vector<Move> Moves(int32_t node) const {
    std::vector<Move> moves;
    for (const int32_t n : Path(node)) moves.push_back(nodes_[size_t(n)].move);
    return moves;
  }

  void Report() {
    progress_.nearest = nearest_;
    progress_.passes = sim_.passesRun;
    if (req_.elapsed) progress_.seconds = req_.elapsed();
    req_.progress(progress_);
  }

  void Finish(SolveResult& result) {
    progress_.nearest = nearest_;
    progress_.passes = sim_.passesRun;
    if (req_.elapsed) progress_.seconds = req_.elapsed();
    if (haveBest_) {
      const std::string why = result.why;
      result = best_;
      result.why = why;
      result.verdict = Verdict::kWon;
    }
    result.progress = progress_;
    if (req_.progress) req_.progress(progress_);
  }

  const SolveRequest& req_;
  Sim sim_;
  StoneGuide guide_;
  std::array<FlightTop, 2> tops_;  // of this moment's jumps steering left and right
  std::vector<std::pair<int, int>> goals_;
  // Deques grow without copying what they hold, so memory never doubles for a moment.
  std::deque<Node> nodes_;
  std::deque<KeyPress> events_;
  std::deque<Model> pool_;
  std::vector<int32_t> free_;
  std::array<std::priority_queue<Waiting>, kMeasures> open_;
  std::unordered_set<uint64_t> seen_;
  GridsHash grids_;
  ReachCache reaches_{[this](const Model& w) {
    Nearness n;
    n[kGuided] = guide_.Distance(w);
    n[kStraight] = StraightDistance(w, goals_);
    return n;
  }};
  Progress progress_;
  int nearest_ = 0;
  bool dropped_ = false;
  bool haveBest_ = false;
  SolveResult best_;
  double lastSeconds_ = 0;
};

}  // namespace

SolveResult Solve(const SolveRequest& request) {
  Search search(request);
  return search.Run();
}

}  // namespace slidestone::solver
