#include "stagedata/stage_format.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "stagedata/data_reader.h"
#include "stagedata/text_file.h"

namespace slidestone {

namespace {

// What a played stage may hold: the player and the stone start inside the field, and the
// numbers stay far from where sums of scores and bonuses could overflow.
constexpr int32_t kMaxX = kFieldW - 32, kMaxY = kFieldH - 32;
constexpr int32_t kMaxTime = 1000000;  // tenths of a second, more than a day
constexpr int32_t kMaxToolPoints = 1000000;
constexpr int32_t kMaxParScore = 1000000000;
constexpr int32_t kAny = std::numeric_limits<int32_t>::max();

std::string CellName(int col, int row) {
  return "code of column " + std::to_string(col) + ", row " + std::to_string(row);
}

}  // namespace

const std::array<RecordFieldSpec, kRecordFields>& RecordFieldSpecs() {
  static const std::array<RecordFieldSpec, kRecordFields> specs = {{
      {"player x", 0, kMaxX},
      {"player y", 0, kMaxY},
      {"stone x", 0, kMaxX},
      {"stone y", 0, kMaxY},
      {"time", -kMaxTime, kMaxTime},
      {"tool points", -kMaxToolPoints, kMaxToolPoints},
      {"tool offer 0", -kAny - 1, kAny},
      {"tool offer 1", -kAny - 1, kAny},
      {"tool offer 2", -kAny - 1, kAny},
      {"tool offer 3", -kAny - 1, kAny},
      {"par score", -kMaxParScore, kMaxParScore},
  }};
  return specs;
}

std::string MapFilePath(const std::string& dir, int stage) {
  return dir + "/map" + std::to_string(stage + 1) + ".dat";
}

std::string EnemyMapFilePath(const std::string& dir, int stage) {
  return dir + "/Aimap" + std::to_string(stage + 1) + ".dat";
}

std::string ProofFileName(int stage, int32_t difficulty) {
  char name[32];
  std::snprintf(name, sizeof name, "%02d-%s.script", stage + 1,
                kDifficultyFileWords[difficulty == kHard ? kHard : kNormal]);
  return name;
}

std::string ProofFilePath(const std::string& dir, int stage, int32_t difficulty) {
  return (std::filesystem::path(dir) / "proofs" / ProofFileName(stage, difficulty)).string();
}

CodeRows ReadCodeFile(const std::string& path) {
  FieldReader r(path);
  CodeRows rows{};
  for (int row = 0; row < kMapFileRows; ++row) {
    for (int col = 0; col < kMapFileCols; ++col) rows[size_t(row)][size_t(col)] = r.ReadInt(CellName(col, row));
  }
  return rows;
}

std::string CodeFileText(const CodeRows& rows) {
  std::string text;
  char cell[16];
  for (const auto& row : rows) {
    for (size_t col = 0; col < row.size(); ++col) {
      std::snprintf(cell, sizeof cell, "%s%2d", col == 0 ? "" : ",", int(row[col]));
      text += cell;
    }
    text += "\n";
  }
  return text;
}

std::string StageTablePath(const std::string& dir) { return dir + "/xydata.dat"; }

StageTableFile ReadStageTableParts(const std::string& dir) {
  FieldReader r(StageTablePath(dir));
  StageTableFile file;
  file.text = r.Original();
  const auto& specs = RecordFieldSpecs();
  for (int n = 0; n < kStageFileRecords; ++n) {
    const std::string of = " of stage record " + std::to_string(n + 1);
    for (int f = 0; f < kRecordFields; ++f) {
      const RecordFieldSpec& s = specs[size_t(f)];
      const int taken = r.FieldsTaken();
      std::string& fault = file.faults[size_t(n)];
      try {
        file.values[size_t(n)][size_t(f)] =
            n < kStageCount ? r.ReadInt(s.name + of, s.lo, s.hi) : r.ReadInt(s.name + of);
      } catch (const DataError& e) {
        if (fault.empty()) fault = e.what();
        if (r.FieldsTaken() == taken) {
          // Nothing more can be told apart: this record and every later one are lost.
          file.whole = false;
          for (int later = n + 1; later < kStageFileRecords; ++later) file.faults[size_t(later)] = fault;
          return file;
        }
      }
      if (f == 0) file.begin[size_t(n)] = r.FieldBegin();
      file.end[size_t(n)] = r.FieldEnd();
    }
  }
  return file;
}

StageTableValues ReadStageTableFile(const std::string& dir) {
  const StageTableFile file = ReadStageTableParts(dir);
  for (const std::string& fault : file.faults) {
    if (!fault.empty()) throw DataError(fault);
  }
  return file.values;
}

std::string StageTableWithRecord(const StageTableFile& file, int n, const RecordValues& values) {
  const size_t at = file.begin[size_t(n)], end = file.end[size_t(n)];
  return file.text.substr(0, at) + StageRecordText(values) + file.text.substr(end);
}

std::string StageRecordText(const RecordValues& record) {
  std::string text;
  for (size_t f = 0; f < record.size(); ++f) {
    if (f > 0) text += ",";
    text += std::to_string(record[f]);
  }
  return text;
}

std::string StageTableText(const StageTableValues& table) {
  std::string text;
  for (const RecordValues& rec : table) text += StageRecordText(rec) + "\n";
  return text;
}

void ApplyStageRecord(StageState& stage, int n, const RecordValues& v) {
  StageRecord& rec = stage.StageTable[size_t(n)];
  rec.playerX = v[kRecPlayerX];
  rec.playerY = v[kRecPlayerY];
  rec.stoneX = v[kRecStoneX];
  rec.stoneY = v[kRecStoneY];
  rec.time = v[kRecTime];
  rec.toolPoints = v[kRecToolPoints];
  for (int t = 0; t < 4; ++t) stage.StageItems[size_t(n)][size_t(t)] = v[size_t(kRecOffer0 + t)];
  rec.parScore = v[kRecPar];
}

std::string MessageFilePath(const std::string& dir) { return dir + "/messagedata.dat"; }

std::array<std::string, kMessageCount> ReadMessageFile(const std::string& dir) {
  FieldReader r(MessageFilePath(dir));
  std::array<std::string, kMessageCount> messages;
  for (int n = 0; n < kMessageCount; ++n) {
    messages[size_t(n)] = r.ReadText("message " + std::to_string(n), kMessageMaxBytes);
  }
  return messages;
}

std::string MessageFileText(const std::array<std::string, kMessageCount>& messages) {
  std::string text;
  for (std::string m : messages) {
    // Written so that the reader takes it back: a quoted text ends at the next quote, so a quote
    // inside one cannot be kept; a control byte or a text over the limit would make the whole
    // file a fault. A cut never splits a UTF-8 character.
    for (char& c : m) {
      if (c == '"') c = '\'';
      if (IsControl(c)) c = ' ';
    }
    m.resize(Utf8CutAt(m, kMessageMaxBytes));
    text += "\"" + m + "\"\n";
  }
  return text;
}

uint32_t FileCreationMask() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("Umask:", 0) == 0) return uint32_t(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
  }
  const mode_t mask = ::umask(022);  // a system without the line: asked the only other way
  ::umask(mask);
  return mask;
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error,
                         std::optional<uint32_t> mode) {
  std::string temp = path + ".tmp.XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    error = "cannot create a file in the folder of " + path + ": " + std::strerror(errno);
    return false;
  }
  ::fchmod(fd, mode ? *mode : 0666 & ~FileCreationMask());  // mkostemp made it 0600
  bool ok = WriteAllTo(fd, text);
  const int savedErrno = ok ? 0 : errno;
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
    error = "cannot write " + path + ": " + std::strerror(savedErrno ? savedErrno : errno);
    std::remove(temp.c_str());
    return false;
  }
  const std::string dir = std::filesystem::path(path).parent_path().string();
  const int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

}  // namespace slidestone
