#include "shell/variables.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <type_traits>
#include <variant>

#include "presentation/game.h"

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

// A variable found by its name: where it is and what `set` may write there.
struct Found {
  Ref ref;
  ValueRange range;
};

struct Scalar {
  std::function<Ref(Game&)> ref;
  ValueRange range;
};

const std::map<std::string, Scalar>& Scalars() {
#define SLIDESTONE_SCALAR(type, name, start, ...) \
  {#name, Scalar{[](Game& g) -> Ref { return &g.name; }, ValueRange{__VA_ARGS__}}},
  static const std::map<std::string, Scalar> vars = {SLIDESTONE_GAME_NUMBERS(SLIDESTONE_SCALAR)};
#undef SLIDESTONE_SCALAR
  return vars;
}

// Fields of the table records, by name.
template <typename Record>
struct Field {
  std::function<Ref(Record&)> ref;
  ValueRange range;
};
template <typename Record>
using Fields = std::map<std::string, Field<Record>>;

#define SLIDESTONE_FIELD(type, name, start, ...) \
  {#name, {[](auto& r) -> Ref { return &r.name; }, ValueRange{__VA_ARGS__}}},
template <typename Record>
const Fields<Record>& FieldsOf();
template <>
const Fields<EnemyRecord>& FieldsOf() {
  static const Fields<EnemyRecord> f = {SLIDESTONE_ENEMY_FIELDS(SLIDESTONE_FIELD)};
  return f;
}
template <>
const Fields<ItemRecord>& FieldsOf() {
  static const Fields<ItemRecord> f = {SLIDESTONE_ITEM_FIELDS(SLIDESTONE_FIELD)};
  return f;
}
template <>
const Fields<SpeedTileRecord>& FieldsOf() {
  static const Fields<SpeedTileRecord> f = {SLIDESTONE_SPEED_TILE_FIELDS(SLIDESTONE_FIELD)};
  return f;
}
template <>
const Fields<SparkleEntry>& FieldsOf() {
  static const Fields<SparkleEntry> f = {SLIDESTONE_SPARKLE_FIELDS(SLIDESTONE_FIELD)};
  return f;
}
template <>
const Fields<StageRecord>& FieldsOf() {
  static const Fields<StageRecord> f = {SLIDESTONE_STAGE_RECORD_FIELDS(SLIDESTONE_FIELD)};
  return f;
}
#undef SLIDESTONE_FIELD

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

// The entry of one table that an indexed name points at, by the shape of the table: a grid
// and a table of tables take two indices, a table of numbers one, a table of records one and
// a field. Anything else, or an index outside the table, names nothing.
std::optional<Found> Entry(Grid& grid, const Parsed& p, ValueRange range) {
  if (p.indices != 2 || !p.field.empty() || p.a < 0 || p.a >= kGridCols || p.b < 0 ||
      p.b >= kGridRows) {
    return std::nullopt;
  }
  return Found{&grid(p.a, p.b), range};
}

template <typename T, size_t N>
std::optional<Found> Entry(std::array<T, N>& table, const Parsed& p, ValueRange range) {
  if (p.a < 0 || p.a >= int(N)) return std::nullopt;
  if constexpr (std::is_integral_v<T>) {
    if (p.indices != 1 || !p.field.empty()) return std::nullopt;
    return Found{&table[size_t(p.a)], range};
  } else if constexpr (requires { std::tuple_size<T>::value; }) {
    if (p.indices != 2 || !p.field.empty() || p.b < 0 || p.b >= int(std::tuple_size_v<T>)) {
      return std::nullopt;
    }
    return Found{&table[size_t(p.a)][size_t(p.b)], range};
  } else {
    if (p.indices != 1) return std::nullopt;
    const auto& fields = FieldsOf<T>();
    auto it = fields.find(p.field);
    if (it == fields.end()) return std::nullopt;
    return Found{it->second.ref(table[size_t(p.a)]), it->second.range};
  }
}

std::optional<Found> Find(Game& g, const std::string& name) {
  const auto& scalars = Scalars();
  if (auto it = scalars.find(name); it != scalars.end()) return Found{it->second.ref(g), it->second.range};
  const auto p = ParseIndexed(name);
  if (!p) return std::nullopt;
#define SLIDESTONE_FIND(name, range, ...) \
  if (p->table == #name) return Entry(g.name, *p, ValueRange{range});
  SLIDESTONE_GAME_TABLES(SLIDESTONE_FIND)
#undef SLIDESTONE_FIND
  return std::nullopt;
}

std::string Range(size_t n) { return "0.." + std::to_string(n - 1); }

// The names of one table as --list-vars shows them, with its index ranges.
template <typename Table>
void AddNames(std::vector<std::string>& out, const std::string& table) {
  if constexpr (std::is_same_v<Table, Grid>) {
    out.push_back(table + "[" + Range(size_t(kGridCols)) + "," + Range(size_t(kGridRows)) + "]");
  } else {
    using T = typename Table::value_type;
    const std::string rows = Range(std::tuple_size_v<Table>);
    if constexpr (std::is_integral_v<T>) {
      out.push_back(table + "[" + rows + "]");
    } else if constexpr (requires { std::tuple_size<T>::value; }) {
      out.push_back(table + "[" + rows + "," + Range(std::tuple_size_v<T>) + "]");
    } else {
      for (const auto& [field, entry] : FieldsOf<T>()) {
        out.push_back(table + "[" + rows + "]." + field);
      }
    }
  }
}

}  // namespace

std::optional<int64_t> ReadVariable(Game& g, const std::string& name) {
  auto found = Find(g, name);
  if (!found) return std::nullopt;
  return Get(found->ref);
}

std::function<int64_t()> VariableReader(Game& g, const std::string& name) {
  auto found = Find(g, name);
  if (!found) return {};
  return [r = found->ref] { return Get(r); };
}

std::optional<ValueRange> VariableRange(Game& g, const std::string& name) {
  auto found = Find(g, name);
  if (!found) return std::nullopt;
  return found->range;
}

bool WriteVariable(Game& g, const std::string& name, int64_t value) {
  auto found = Find(g, name);
  if (!found || value < found->range.lo || value > found->range.hi) return false;
  Set(found->ref, value);
  return true;
}

std::vector<std::string> ListVariables() {
  std::vector<std::string> out;
  for (const auto& [name, ref] : Scalars()) out.push_back(name);
#define SLIDESTONE_NAMES(table, ...) AddNames<decltype(Game::table)>(out, #table);
  SLIDESTONE_GAME_TABLES(SLIDESTONE_NAMES)
#undef SLIDESTONE_NAMES
  return out;
}

}  // namespace slidestone
