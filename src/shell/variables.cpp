#include "shell/variables.h"

#include <cstdio>
#include <functional>
#include <map>
#include <variant>

#include "stagedata/game.h"

namespace slidestone {

namespace {

// A pointer to a number somewhere in the game, whatever its width.
using Ref = std::variant<int16_t*, int32_t*, int64_t*, uint64_t*>;

int64_t Get(const Ref& r) {
  return std::visit([](auto* p) { return int64_t(*p); }, r);
}
void Set(const Ref& r, int64_t v) {
  std::visit([v](auto* p) { *p = static_cast<std::remove_reference_t<decltype(*p)>>(v); }, r);
}

using Scalar = std::function<Ref(Game&)>;

#define VAR(name) {#name, [](Game& g) -> Ref { return &g.name; }}

const std::map<std::string, Scalar>& Scalars() {
  static const std::map<std::string, Scalar> vars = {
      VAR(Now), VAR(GameState), VAR(QuitRequested), VAR(Difficulty), VAR(TimeLimitOn),
      VAR(StartStage), VAR(HighScore), VAR(Stage), VAR(Lives), VAR(TotalScore), VAR(StageScore),
      VAR(BackdropIndex), VAR(Paused), VAR(StagePhaseFlag), VAR(StageTime), VAR(ToolPoints),
      VAR(StageEndReason), VAR(SceneDirty), VAR(EnemyCount), VAR(ItemCount), VAR(SpeedTileCount),
      VAR(PlayerX), VAR(PlayerY), VAR(PlayerPrevX), VAR(PlayerPrevY), VAR(PlayerFrame),
      VAR(PlayerPose), VAR(IdleCount), VAR(ActionCount), VAR(PlayerCol), VAR(PlayerFootRow),
      VAR(PlayerInAction), VAR(InPipe), VAR(PipeWarpPending), VAR(Jumping), VAR(DropThrough),
      VAR(PlacingSpring), VAR(PlayerHit), VAR(PipeDir), VAR(JumpVy), VAR(JumpFloorY),
      VAR(StoneX), VAR(StoneY), VAR(StonePrevX), VAR(StonePrevY), VAR(StoneDir),
      VAR(StoneSpeed), VAR(StonePeriod), VAR(StoneSpin), VAR(StoneSpinX), VAR(SpeedDecayCount),
      VAR(SpringRise), VAR(StoneLaunched), VAR(SpringShown), VAR(StoneFlightSign), VAR(SpringX),
      VAR(SpringY), VAR(SpringStep), VAR(SpringTicks), VAR(MenuOpen), VAR(MenuCursor),
      VAR(MenuX), VAR(MenuY), VAR(ToolAnim), VAR(ToolAnimCount), VAR(EnemyAnim),
      VAR(BallActive), VAR(BallX), VAR(BallY), VAR(BallVx), VAR(SpeedFlash), VAR(PointsFlash),
      VAR(SpeedFlashStep), VAR(SpeedChange), VAR(PointsFlashStep), VAR(TileCycle),
      VAR(SparkleOn), VAR(SparkleTicks), VAR(SparkleX), VAR(SparkleY), VAR(FlowStep),
      VAR(WordsRunning), VAR(WordCounter), VAR(ContinuePromptOn), VAR(ContinueCursor),
      VAR(FlowLatch), VAR(CursorRow), VAR(BackgroundScroll), VAR(TitleAnimTick), VAR(WalkerX),
      VAR(EnemyX), VAR(WalkerFrame), VAR(WalkerStep), VAR(EnemyFrame), VAR(ShotFrame),
      VAR(ShotSpin), VAR(ShotStoneX), VAR(ShotStoneY), VAR(ShotTargetX), VAR(ShotTargetY),
      VAR(ShotInterval), VAR(ShotDistance), VAR(DriftPeriod), VAR(DriftStart), VAR(RollTick),
      VAR(walkClock), VAR(actionClock), VAR(stoneClock), VAR(springClock), VAR(flightClock),
      VAR(enemyClock), VAR(flowClock), VAR(stageTimerClock), VAR(tileClock), VAR(hudClock),
      VAR(menuClock), VAR(optionsClock), VAR(shotClock), VAR(rollClock), VAR(walkVy),
      VAR(stoneVy), VAR(springActive), VAR(stoneFlying), VAR(launchBlocked), VAR(stoneBumped),
      VAR(RandomState), VAR(beepEndsAt),
  };
  return vars;
}

#undef VAR

// Fields of the table records, by name.
template <typename Record>
using Fields = std::map<std::string, std::function<Ref(Record&)>>;

#define FIELD(T, f) {#f, [](T& r) -> Ref { return &r.f; }}

const Fields<EnemyRecord>& EnemyFields() {
  static const Fields<EnemyRecord> f = {
      FIELD(EnemyRecord, x), FIELD(EnemyRecord, y), FIELD(EnemyRecord, prevX),
      FIELD(EnemyRecord, prevY), FIELD(EnemyRecord, state), FIELD(EnemyRecord, frame),
      FIELD(EnemyRecord, facing), FIELD(EnemyRecord, fast), FIELD(EnemyRecord, windup),
      FIELD(EnemyRecord, throwTimer), FIELD(EnemyRecord, throwFrame)};
  return f;
}
const Fields<ItemRecord>& ItemFields() {
  static const Fields<ItemRecord> f = {FIELD(ItemRecord, x), FIELD(ItemRecord, y),
                                       FIELD(ItemRecord, kind), FIELD(ItemRecord, frame)};
  return f;
}
const Fields<SpeedTileRecord>& SpeedTileFields() {
  static const Fields<SpeedTileRecord> f = {
      FIELD(SpeedTileRecord, col), FIELD(SpeedTileRecord, row), FIELD(SpeedTileRecord, regrow),
      FIELD(SpeedTileRecord, broken)};
  return f;
}
const Fields<SparkleEntry>& SparkleFields() {
  static const Fields<SparkleEntry> f = {FIELD(SparkleEntry, x), FIELD(SparkleEntry, y),
                                         FIELD(SparkleEntry, frame)};
  return f;
}
const Fields<StageRecord>& StageFields() {
  static const Fields<StageRecord> f = {
      FIELD(StageRecord, playerX), FIELD(StageRecord, playerY), FIELD(StageRecord, stoneX),
      FIELD(StageRecord, stoneY),  FIELD(StageRecord, time),    FIELD(StageRecord, toolPoints),
      FIELD(StageRecord, parScore)};
  return f;
}

#undef FIELD

// Parses "Name[a]", "Name[a,b]" and "Name[a].field".
struct Parsed {
  std::string table;
  int a = 0, b = 0, indices = 0;
  std::string field;
};

std::optional<Parsed> ParseIndexed(const std::string& name) {
  const size_t open = name.find('[');
  const size_t close = name.find(']');
  if (open == std::string::npos || close == std::string::npos || close < open) return std::nullopt;
  Parsed p;
  p.table = name.substr(0, open);
  const std::string inside = name.substr(open + 1, close - open - 1);
  char extra = 0;
  if (std::sscanf(inside.c_str(), "%d , %d%c", &p.a, &p.b, &extra) == 2) {
    p.indices = 2;
  } else if (std::sscanf(inside.c_str(), "%d%c", &p.a, &extra) == 1) {
    p.indices = 1;
  } else {
    return std::nullopt;
  }
  const std::string rest = name.substr(close + 1);
  if (!rest.empty()) {
    if (rest[0] != '.') return std::nullopt;
    p.field = rest.substr(1);
  }
  return p;
}

template <typename Record, size_t N>
std::optional<Ref> RecordField(std::array<Record, N>& table, const Fields<Record>& fields,
                               const Parsed& p) {
  if (p.indices != 1 || p.a < 0 || p.a >= int(N)) return std::nullopt;
  auto it = fields.find(p.field);
  if (it == fields.end()) return std::nullopt;
  return it->second(table[p.a]);
}

template <typename T, size_t N>
std::optional<Ref> Element(std::array<T, N>& table, const Parsed& p) {
  if (p.indices != 1 || !p.field.empty() || p.a < 0 || p.a >= int(N)) return std::nullopt;
  return &table[p.a];
}

std::optional<Ref> Find(Game& g, const std::string& name) {
  const auto& scalars = Scalars();
  if (auto it = scalars.find(name); it != scalars.end()) return it->second(g);
  const auto p = ParseIndexed(name);
  if (!p) return std::nullopt;
  const bool grid = p->indices == 2 && p->field.empty() && p->a >= 0 && p->a < kGridCols &&
                    p->b >= 0 && p->b < kGridRows;
  if (p->table == "Map") return grid ? std::optional<Ref>(&g.Map(p->a, p->b)) : std::nullopt;
  if (p->table == "AiMap") return grid ? std::optional<Ref>(&g.AiMap(p->a, p->b)) : std::nullopt;
  if (p->table == "StageItems") {
    if (p->indices != 2 || !p->field.empty() || p->a < 0 || p->a >= kStageRecords || p->b < 0 ||
        p->b >= kToolSlots) {
      return std::nullopt;
    }
    return &g.StageItems[p->a][p->b];
  }
  if (p->table == "KeyState") return Element(g.KeyState, *p);
  if (p->table == "ToolEnabled") return Element(g.ToolEnabled, *p);
  if (p->table == "enemyVy") return Element(g.enemyVy, *p);
  if (p->table == "Enemies") return RecordField(g.Enemies, EnemyFields(), *p);
  if (p->table == "Items") return RecordField(g.Items, ItemFields(), *p);
  if (p->table == "SpeedTiles") return RecordField(g.SpeedTiles, SpeedTileFields(), *p);
  if (p->table == "Sparkles") return RecordField(g.Sparkles, SparkleFields(), *p);
  if (p->table == "StageTable") return RecordField(g.StageTable, StageFields(), *p);
  return std::nullopt;
}

template <typename Record>
void AddFields(std::vector<std::string>& out, const std::string& table, const std::string& range,
               const Fields<Record>& fields) {
  for (const auto& [field, ref] : fields) out.push_back(table + "[" + range + "]." + field);
}

}  // namespace

std::optional<int64_t> ReadVariable(Game& g, const std::string& name) {
  auto ref = Find(g, name);
  if (!ref) return std::nullopt;
  return Get(*ref);
}

bool WriteVariable(Game& g, const std::string& name, int64_t value) {
  auto ref = Find(g, name);
  if (!ref) return false;
  Set(*ref, value);
  return true;
}

std::vector<std::string> ListVariables() {
  std::vector<std::string> out;
  for (const auto& [name, ref] : Scalars()) out.push_back(name);
  out.push_back("Map[0..19,0..12]");
  out.push_back("AiMap[0..19,0..12]");
  out.push_back("KeyState[0..256]");
  out.push_back("ToolEnabled[0..4]");
  out.push_back("StageItems[0..22,0..4]");
  out.push_back("enemyVy[0..10]");
  AddFields(out, "Enemies", "0..10", EnemyFields());
  AddFields(out, "Items", "0..10", ItemFields());
  AddFields(out, "SpeedTiles", "0..30", SpeedTileFields());
  AddFields(out, "Sparkles", "0..10", SparkleFields());
  AddFields(out, "StageTable", "0..22", StageFields());
  return out;
}

}  // namespace slidestone
