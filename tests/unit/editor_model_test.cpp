// The stage editor's model: painting, starts, selections, shifting, properties, the history and
// the checks, without a screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "editor/palette.h"
#include "editor/stage_checks.h"
#include "editor/stage_edits.h"
#include "stagedata/codes.h"

namespace slidestone::editor {
namespace {

int Tool(const char* name) {
  const auto& p = Palette();
  for (int i = 0; i < kPaletteSize; ++i) {
    if (std::string(p[size_t(i)].name) == name) return i;
  }
  ADD_FAILURE() << "no palette entry " << name;
  return -1;
}

int32_t MapAt(const StageEdits& e, int c, int r) { return e.doc().map[size_t(r)][size_t(c)]; }
int32_t ObjAt(const StageEdits& e, int c, int r) { return e.doc().objects[size_t(r)][size_t(c)]; }

TEST(EditorPalette, EveryCodeAStageMayHoldHasOneEntryAndOneKey) {
  std::vector<int32_t> mapCodes, objectCodes;
  std::vector<int> keys;
  for (const PaletteEntry& e : Palette()) {
    if (e.layer == Layer::Map) mapCodes.push_back(e.code);
    if (e.layer == Layer::Objects) objectCodes.push_back(e.code);
    keys.push_back(e.key);
    EXPECT_EQ(PaletteIndexForKey(e.key), &e - Palette().data());
  }
  EXPECT_EQ(mapCodes, (std::vector<int32_t>{kBrick, kMetalBlock, kArrowRight, kArrowLeft, kPipe, kSpeedUpSign,
                                              kSpeedDownSign, kSpentSpeedTile, kSpeedTile}));
  EXPECT_EQ(objectCodes, (std::vector<int32_t>{kGoal, kBucket, kWatcherMark, kWalkerMark, kThrowerMark}));
  std::sort(keys.begin(), keys.end());
  EXPECT_EQ(std::adjacent_find(keys.begin(), keys.end()), keys.end()) << "two entries share a key";
}

TEST(EditorEdits, PaintingAndErasingKeepTheTwoLayersApart) {
  StageEdits e;
  e.Place(Tool("brick wall"), 3, 11);  // row 11, the ground, is editable
  e.Place(Tool("goal"), 3, 10);
  e.Place(Tool("walker"), 3, 10);      // an object replaces an object, not the tile
  e.Place(Tool("speed tile"), 5, 4);
  EXPECT_EQ(MapAt(e, 3, 11), kBrick);
  EXPECT_EQ(ObjAt(e, 3, 10), kWalkerMark);
  EXPECT_EQ(MapAt(e, 3, 10), kEmptyCell);
  EXPECT_EQ(MapAt(e, 5, 4), kSpeedTile);
  e.Place(Tool("metal block"), 3, 10);
  e.Erase(3, 10);
  EXPECT_EQ(MapAt(e, 3, 10), kEmptyCell);
  EXPECT_EQ(ObjAt(e, 3, 10), kNoObject);
  e.Place(Tool("eraser"), 5, 4);
  EXPECT_EQ(MapAt(e, 5, 4), kEmptyCell);
  e.Place(Tool("brick wall"), 19, 0);  // outside the file's columns: nothing
  e.Place(Tool("brick wall"), 0, 12);
  EXPECT_EQ(e.doc(), [] {
    StageEdits expected;
    expected.Place(0, 3, 11);
    return expected.doc();
  }());
}

TEST(EditorEdits, StartsSnapToCellsInsideTheField) {
  struct Case {
    int col, row, x, y;
  } cases[] = {{0, 0, 0, 0}, {18, 10, 576, 320}, {7, 11, 224, 320}, {4, 3, 128, 96}};
  for (const Case& c : cases) {
    StageEdits e;
    e.Place(Tool("player start"), c.col, c.row);
    e.Place(Tool("stone start"), c.col, c.row);
    EXPECT_EQ(e.doc().record[kRecPlayerX], c.x) << c.col << "," << c.row;
    EXPECT_EQ(e.doc().record[kRecPlayerY], c.y) << c.col << "," << c.row;
    EXPECT_EQ(e.doc().record[kRecStoneX], c.x);
    EXPECT_EQ(e.doc().record[kRecStoneY], c.y);
  }
}

TEST(EditorEdits, CopyPasteIntoAnotherStageCutMoveAndFlip) {
  StageEdits a;
  a.Place(Tool("brick wall"), 2, 5);
  a.Place(Tool("right arrow"), 3, 5);
  a.Place(Tool("goal"), 3, 4);
  a.Select(SpanCells(3, 5, 2, 4));  // any two corners
  EXPECT_EQ(a.selection(), (CellRect{2, 4, 2, 2}));
  const Clip clip = a.Copy();

  StageEdits b;  // another stage of the folder
  b.Paste(clip, 17, 10);  // the part past the right edge is dropped
  EXPECT_EQ(ObjAt(b, 18, 10), kGoal);
  EXPECT_EQ(MapAt(b, 17, 11), kBrick);
  EXPECT_EQ(MapAt(b, 18, 11), kArrowRight);
  EXPECT_EQ(b.selection(), (CellRect{17, 10, 2, 2}));

  a.FlipSelection();  // mirrored, and the arrow now points the other way
  EXPECT_EQ(MapAt(a, 2, 5), kArrowLeft);
  EXPECT_EQ(MapAt(a, 3, 5), kBrick);
  EXPECT_EQ(ObjAt(a, 2, 4), kGoal);

  a.MoveSelection(5, 1);
  EXPECT_EQ(MapAt(a, 2, 5), kEmptyCell);
  EXPECT_EQ(ObjAt(a, 2, 4), kNoObject);
  EXPECT_EQ(MapAt(a, 7, 6), kArrowLeft);
  EXPECT_EQ(ObjAt(a, 7, 5), kGoal);
  EXPECT_EQ(a.selection(), (CellRect{7, 5, 2, 2}));
  ASSERT_TRUE(a.Undo());  // the move is one step
  EXPECT_EQ(MapAt(a, 2, 5), kArrowLeft);
  EXPECT_EQ(MapAt(a, 7, 6), kEmptyCell);

  a.Select(SpanCells(2, 4, 3, 5));
  const Clip cut = a.Cut();
  EXPECT_EQ(cut.map, (std::vector<int32_t>{kEmptyCell, kEmptyCell, kArrowLeft, kBrick}));
  EXPECT_EQ(MapAt(a, 3, 5), kEmptyCell);
  EXPECT_EQ(ObjAt(a, 2, 4), kNoObject);
}

TEST(EditorEdits, ShiftMovesCellsAndStartsOneCell) {
  StageEdits e;
  e.Place(Tool("brick wall"), 0, 0);
  e.Place(Tool("brick wall"), 18, 11);
  e.Place(Tool("bucket"), 5, 5);
  e.Place(Tool("player start"), 2, 3);
  e.Place(Tool("stone start"), 18, 3);
  e.Shift(1, 0);
  EXPECT_EQ(MapAt(e, 1, 0), kBrick);
  EXPECT_EQ(MapAt(e, 0, 0), kEmptyCell);
  EXPECT_EQ(ObjAt(e, 6, 5), kBucket);
  EXPECT_EQ(e.doc().record[kRecPlayerX], 96);
  EXPECT_EQ(e.doc().record[kRecStoneX], 576);  // already at the edge: stays inside
  e.Shift(0, -1);
  EXPECT_EQ(MapAt(e, 1, 0), kEmptyCell);  // pushed off the top
  EXPECT_EQ(ObjAt(e, 6, 4), kBucket);
  EXPECT_EQ(e.doc().record[kRecPlayerY], 64);
  int count = 0;
  for (const auto& row : e.doc().map)
    for (int32_t c : row) count += c != 0;
  EXPECT_EQ(count, 0);  // the wall in the right corner went off the edge as well
}

TEST(EditorEdits, PropertiesAreClampedToWhatTheGameLoads) {
  struct Case {
    RecordField field;
    int64_t asked, kept;
  } cases[] = {
      {kRecTime, 3000, 3000},         {kRecTime, -5, 0},           {kRecTime, 5000000, 1000000},
      {kRecToolPoints, 99, 99},       {kRecToolPoints, -1, 0},     {kRecOffer1, 7, 1},
      {kRecOffer2, -3, 0},            {kRecPar, 4000000000LL, 1000000000},
  };
  for (const Case& c : cases) {
    StageEdits e;
    e.SetProperty(c.field, c.asked);
    EXPECT_EQ(e.doc().record[size_t(c.field)], c.kept) << c.field << " " << c.asked;
  }
}

TEST(EditorEdits, UndoRedoReachBackAtLeastAHundredSteps) {
  StageEdits e;
  const StageDoc empty = e.doc();
  for (int i = 0; i < 150; ++i) {
    if (i % 3 == 0) e.SetProperty(kRecTime, 100 + i);
    else e.Place(Tool("metal block"), i % kMapFileCols, (i / kMapFileCols) % kMapFileRows);
  }
  const StageDoc full = e.doc();
  EXPECT_TRUE(e.Modified());
  int undone = 0;
  while (e.Undo()) ++undone;
  EXPECT_EQ(undone, 150);
  EXPECT_EQ(e.doc(), empty);
  EXPECT_FALSE(e.Modified());
  while (e.Redo()) {
  }
  EXPECT_EQ(e.doc(), full);
  // What was redone can be undone again, all the way back.
  undone = 0;
  while (e.Undo()) ++undone;
  EXPECT_EQ(undone, 150);
  EXPECT_EQ(e.doc(), empty);

  // A dragged line is one step; a change that changes nothing is none; a new edit drops redo.
  StageEdits s;
  s.BeginStroke();
  for (int c = 0; c < 5; ++c) s.Place(Tool("brick wall"), c, 10);
  s.EndStroke();
  s.Place(Tool("brick wall"), 0, 10);
  EXPECT_EQ(s.UndoDepth(), 1u);
  s.Place(Tool("pipe"), 9, 9);
  ASSERT_TRUE(s.Undo());
  s.Place(Tool("goal"), 9, 9);
  EXPECT_FALSE(s.Redo());
  ASSERT_TRUE(s.Undo());
  ASSERT_TRUE(s.Undo());
  EXPECT_EQ(MapAt(s, 4, 10), kEmptyCell);
}

// Each check, raised by the smallest stage that shows it, and a sound stage that raises none.
TEST(EditorChecks, EachFaultIsFoundAndASoundStageHasNone) {
  auto sound = [] {
    StageEdits e;
    for (int c = 0; c < kMapFileCols; ++c) e.Place(Tool("brick wall"), c, 10);
    e.Place(Tool("goal"), 15, 9);
    e.Place(Tool("goal"), 16, 9);
    e.Place(Tool("player start"), 2, 9);
    e.Place(Tool("stone start"), 5, 9);
    e.Place(Tool("pipe"), 8, 10);
    e.Place(Tool("pipe"), 9, 10);
    e.Place(Tool("pipe"), 12, 4);
    return e;
  };
  EXPECT_TRUE(CheckStage(sound().doc()).empty());

  struct Case {
    const char* what;
    void (*spoil)(StageEdits&);
    CheckKind expected;
  } cases[] = {
      {"no goal", [](StageEdits& e) { e.Erase(15, 9); e.Erase(16, 9); }, CheckKind::NoGoal},
      {"lone goal", [](StageEdits& e) { e.Erase(16, 9); }, CheckKind::LoneGoal},
      {"player in a wall", [](StageEdits& e) { e.Place(Tool("metal block"), 2, 9); }, CheckKind::PlayerInSolid},
      {"player in the air", [](StageEdits& e) { e.Place(Tool("player start"), 2, 5); }, CheckKind::PlayerNotStanding},
      // The editor keeps starts inside; only a record from elsewhere can lie outside.
      {"player outside", [](StageEdits& e) { StageDoc d = e.doc(); d.record[kRecPlayerX] = 600; e = StageEdits(d); }, CheckKind::PlayerOutside},
      {"stone in a wall", [](StageEdits& e) { e.Place(Tool("speed tile"), 5, 9); }, CheckKind::StoneInSolid},
      {"stone in the air", [](StageEdits& e) { e.Erase(5, 10); e.Erase(4, 10); e.Erase(6, 10); }, CheckKind::StoneNotStanding},
      {"twelve enemies", [](StageEdits& e) { for (int c = 0; c < 12; ++c) e.Place(Tool("thrower"), c, 2); }, CheckKind::TooManyEnemies},
      {"twelve items", [](StageEdits& e) { for (int c = 0; c < 10; ++c) e.Place(Tool("bucket"), c, 3); }, CheckKind::TooManyItems},
      {"32 speed tiles", [](StageEdits& e) { for (int i = 0; i < 32; ++i) e.Place(Tool("spent speed tile"), i % 19, 1 + i / 19); }, CheckKind::TooManySpeedTiles},
      {"pipe without exit", [](StageEdits& e) { e.Erase(12, 4); }, CheckKind::PipeWithoutExit},
  };
  for (const Case& c : cases) {
    StageEdits e = sound();
    c.spoil(e);
    const auto found = CheckStage(e.doc());
    EXPECT_TRUE(std::any_of(found.begin(), found.end(), [&](const CheckResult& r) { return r.kind == c.expected; }))
        << c.what;
  }
  // Eleven of each is still fine, and a pipe in the ground row is no exit.
  StageEdits e = sound();
  for (int c = 0; c < 11; ++c) e.Place(Tool("walker"), c, 2);
  for (int c = 0; c < 9; ++c) e.Place(Tool("bucket"), c, 3);
  e.Erase(12, 4);
  e.Place(Tool("pipe"), 12, 11);
  const auto found = CheckStage(e.doc());
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, CheckKind::PipeWithoutExit);
}

}  // namespace
}  // namespace slidestone::editor
