// The stage folder's files, described once for the game that reads them and the editor that
// writes them: their names, their shapes, the order of a stage record's numbers and the range the
// game accepts for each. Reading goes through FieldReader; writing produces the text the reader
// reads back to the very same values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "stagedata/world.h"

namespace slidestone {

class FieldReader;

// --- map and enemy-map files: 12 rows of 19 codes, row 11 the unseen ground -------------------
constexpr int kMapFileRows = 12;
constexpr int kMapFileCols = 19;
using CodeRows = std::array<std::array<int32_t, kMapFileCols>, kMapFileRows>;

// Stage index 0 is map1.dat / Aimap1.dat.
std::string MapFilePath(const std::string& dir, int stage);
std::string EnemyMapFilePath(const std::string& dir, int stage);
// A stage's proof on NORMAL or HARD: proofs/01-normal.script is stage index 0 on NORMAL.
std::string ProofFileName(int stage, int32_t difficulty);
std::string ProofFilePath(const std::string& dir, int stage, int32_t difficulty);
// Reads the 228 codes of a map or enemy-map file; throws DataError.
CodeRows ReadCodeFile(const std::string& path);
// One row a line, every code right-aligned in two places and joined by commas.
std::string CodeFileText(const CodeRows& rows);

// --- the stage table xydata.dat: kStageFileRecords (stagedata/model.h) records of 11 numbers --
// Record n loads row n of StageTable and StageItems.

enum RecordField : int {
  kRecPlayerX,
  kRecPlayerY,
  kRecStoneX,
  kRecStoneY,
  kRecTime,       // tenths of a second
  kRecToolPoints,
  kRecOffer0,     // hammer offered: 1, else 0
  kRecOffer1,     // broom
  kRecOffer2,     // spring
  kRecOffer3,     // read and never used
  kRecPar,
  kRecordFields
};
using RecordValues = std::array<int32_t, kRecordFields>;

struct RecordFieldSpec {
  const char* name;
  int32_t lo, hi;  // what a played record may hold
};
const std::array<RecordFieldSpec, kRecordFields>& RecordFieldSpecs();

using StageTableValues = std::array<RecordValues, kStageFileRecords>;

std::string StageTablePath(const std::string& dir);
// Reads every record; a played record outside its ranges is a fault. Throws DataError.
StageTableValues ReadStageTableFile(const std::string& dir);

// The stage table as the editor needs it: each record on its own, so that one bad record spoils
// only its stage, and where each record stands in the file, so that a save can change one
// record and keep every other byte.
struct StageTableFile {
  std::string text;  // the file as read
  StageTableValues values{};
  std::array<std::string, kStageFileRecords> faults;  // "" or what is wrong, as DataError says it
  std::array<size_t, kStageFileRecords> begin{}, end{};  // each record's bytes in `text`
  // False when the records could not all be told apart (a quote never closed, too few fields):
  // then there is no safe place to write a record.
  bool whole = true;
};
// Throws DataError only when the file cannot be read at all.
StageTableFile ReadStageTableParts(const std::string& dir);
// The table's text with record `n` replaced by `values`; every other byte as it was read.
std::string StageTableWithRecord(const StageTableFile& file, int n, const RecordValues& values);
// One record a line, numbers joined by commas.
std::string StageRecordText(const RecordValues& record);
std::string StageTableText(const StageTableValues& table);
// Puts a record where play reads it: StageTable(n) and StageItems(n, 0..3).
void ApplyStageRecord(StageState& stage, int n, const RecordValues& values);

// --- the messages messagedata.dat: 61 texts -----------------------------------------------------
std::string MessageFilePath(const std::string& dir);
// The longest message the strips show: longer ones, and any with a control byte, are a fault.
constexpr size_t kMessageMaxBytes = 200;
std::array<std::string, kMessageCount> ReadMessageFile(const std::string& dir);
// One text a line, in double quotes.
std::string MessageFileText(const std::array<std::string, kMessageCount>& messages);

// The user's file creation mask (umask), read without changing it even for a moment.
uint32_t FileCreationMask();

// Writes a file so that a crash or a full disk leaves either the old file or the new one: the
// text goes to a temporary file beside it, is flushed, and is renamed over the old name. The
// file gets `mode`, or without one the mode any file made there gets (0644 under the usual
// umask 022). False with a reason on failure; the old file is then untouched.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error,
                         std::optional<uint32_t> mode = std::nullopt);

}  // namespace slidestone
