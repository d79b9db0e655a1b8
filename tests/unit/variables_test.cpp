// The script table: every name --list-vars shows can be set and read back on its own, at both
// ends of each table's index range, and one step past either end names nothing.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "shell/variables.h"
#include "presentation/game.h"

namespace slidestone {
namespace {

// "Enemies[0..10].x" gives the names at both ends and the two just outside:
// {"Enemies[0].x", "Enemies[10].x"} and {"Enemies[-1].x", "Enemies[11].x"}.
// "Map[0..19,0..12]" gives its four corners and the four steps past them.
void Expand(const std::string& listed, std::vector<std::string>& inside,
            std::vector<std::string>& outside) {
  const size_t open = listed.find('[');
  if (open == std::string::npos) {
    inside.push_back(listed);
    return;
  }
  const size_t close = listed.find(']');
  const std::string table = listed.substr(0, open), field = listed.substr(close + 1);
  int lo1 = 0, hi1 = 0, lo2 = 0, hi2 = 0;
  const std::string range = listed.substr(open + 1, close - open - 1);
  auto name = [&](int a) { return table + "[" + std::to_string(a) + "]" + field; };
  auto name2 = [&](int a, int b) {
    return table + "[" + std::to_string(a) + "," + std::to_string(b) + "]" + field;
  };
  if (std::sscanf(range.c_str(), "%d..%d,%d..%d", &lo1, &hi1, &lo2, &hi2) == 4) {
    for (int a : {lo1, hi1})
      for (int b : {lo2, hi2}) inside.push_back(name2(a, b));
    for (const auto& [a, b] :
         {std::pair{lo1 - 1, lo2}, {hi1 + 1, lo2}, {lo1, lo2 - 1}, {lo1, hi2 + 1}}) {
      outside.push_back(name2(a, b));
    }
  } else {
    ASSERT_EQ(std::sscanf(range.c_str(), "%d..%d", &lo1, &hi1), 2) << listed;
    inside.push_back(name(lo1));
    inside.push_back(name(hi1));
    outside.push_back(name(lo1 - 1));
    outside.push_back(name(hi1 + 1));
  }
}

TEST(ScriptVariables, EveryListedNameHoldsItsOwnValueAndTablesEndWhereListed) {
  std::vector<std::string> inside, outside;
  for (const std::string& listed : ListVariables()) Expand(listed, inside, outside);
  auto g = std::make_unique<Game>();
  // A different value for every name as far as its range allows: were two names one variable,
  // the first would read the second's value.
  auto value = [&](size_t i) {
    const ValueRange r = VariableRange(*g, inside[i]).value_or(ValueRange{});
    return r.lo + int64_t(uint64_t(i) % (uint64_t(r.hi - r.lo) + 1));
  };
  for (size_t i = 0; i < inside.size(); ++i) {
    EXPECT_TRUE(WriteVariable(*g, inside[i], value(i))) << inside[i];
  }
  for (size_t i = 0; i < inside.size(); ++i) {
    EXPECT_EQ(ReadVariable(*g, inside[i]), value(i)) << inside[i];
  }
  for (const std::string& name : outside) {
    EXPECT_FALSE(WriteVariable(*g, name, 1)) << name;
    EXPECT_FALSE(ReadVariable(*g, name).has_value()) << name;
  }
  // A table entry needs its own kind of index: one for a list, two for a grid, a field for a
  // record.
  for (const char* name : {"Map[1]", "KeyState[1,1]", "Enemies[1]", "Enemies[1,1].x",
                           "StageItems[1]", "Items[1].nope", "StoneX[0]", "Nothing"}) {
    EXPECT_FALSE(ReadVariable(*g, name).has_value()) << name;
  }
}

}  // namespace
}  // namespace slidestone
