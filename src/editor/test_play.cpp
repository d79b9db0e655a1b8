#include "editor/test_play.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

#include "audio/audio.h"
#include "graphics/forms.h"
#include "shell/app.h"
#include "shell/script.h"
#include "stagedata/data_reader.h"
#include "stagedata/opening_lines.h"
#include "presentation/game.h"
#include "stagedata/codes.h"
#include "stagedata/stage_format.h"

namespace slidestone::editor {

namespace fs = std::filesystem;

namespace {

constexpr int kShowEveryMs = 16;

bool IsPlayKey(int code) {
  switch (code) {
    case kKeyEnter: case kKeyEscape: case kKeySpace: case kKeyLeft: case kKeyUp: case kKeyRight:
    case kKeyDown: case kKeyZ:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool MakeScratchStage(const std::string& folder, const std::string& shippedDir, int stage, const StageDoc& doc,
                      std::string& dir, std::string& error) {
  std::string temp = (fs::temp_directory_path() / "slidestone-test-XXXXXX").string();
  if (!::mkdtemp(temp.data())) {
    error = "cannot make a scratch folder in " + fs::temp_directory_path().string();
    return false;
  }
  dir = temp;

  // The other records and the messages as the folder has them, so the game reads them as a
  // proof run over the saved folder will.
  std::array<std::string, kMessageCount> messages;
  messages.fill("Slidestone");
  for (const std::string& from : {folder, shippedDir}) {
    try {
      messages = ReadMessageFile(from);
      break;
    } catch (const DataError&) {
    }
  }
  StageTableValues table;
  try {
    table = ReadStageTableFile(folder);
  } catch (const DataError&) {
    table.fill(EmptyStage().record);
  }
  table[size_t(stage)] = doc.record;
  // The opening lines, when the folder has them: test play opens the stage as the game does.
  std::error_code noLines;
  fs::copy_file(OpeningLineFilePath(folder), OpeningLineFilePath(temp), noLines);
  return WriteFileAtomically(MessageFilePath(temp), MessageFileText(messages), error) &&
         WriteFileAtomically(StageTablePath(temp), StageTableText(table), error) &&
         WriteFileAtomically(MapFilePath(temp, stage), CodeFileText(doc.map), error) &&
         WriteFileAtomically(EnemyMapFilePath(temp, stage), CodeFileText(doc.objects), error);
}

TestPlay::TestPlay(Game& editorGame, TextPainter* text) : eg_(editorGame), text_(text) {}

TestPlay::~TestPlay() {
  if (tg_ && tg_->audio) tg_->audio->StopMusic();
  app_.reset();
  tg_.reset();
  if (record_) std::fclose(record_);
  std::free(recordText_);
  if (!tempDir_.empty()) {
    std::error_code ec;
    fs::remove_all(tempDir_, ec);
  }
}

void TestPlay::Step() { app_->Pass(); }

// A key tapped and one pass more, as a proof's menu part writes it.
void TestPlay::Tap(int key) {
  app_->input().Push({true, key});
  Step();
  app_->input().Push({false, key});
  Step();
}

bool TestPlay::Start(const std::string& folder, const std::string& shippedDir, int stage,
                     const StageDoc& doc, int difficulty, std::string& error) {
  stage_ = stage;
  if (!MakeScratchStage(folder, shippedDir, stage, doc, tempDir_, error)) return false;
  const std::string& temp = tempDir_;

  tg_ = std::make_unique<Game>();
  Game& g = *tg_;
  g.forms = eg_.forms;  // the sheets, already loaded
  ShowSurface(g.stageWindow.field);  // the editor keeps the field box hidden; play needs it
  g.audio = eg_.audio;
  g.settings = &settings_;
  g.stageDir = temp;
  app_ = std::make_unique<App>(g, false);

  record_ = ::open_memstream(&recordText_, &recordSize_);
  if (!record_) {
    error = "cannot record the run";
    return false;
  }
  std::fprintf(record_, "# Stage %d on %s, won in the stage editor's test play.\n", stage + 1,
               DifficultyWord(difficulty));
  recorder_ = std::make_unique<ScriptRecorder>(record_);
  app_->input().recorder = recorder_.get();

  // Title, main menu, OPTION; the level and the first stage; EXIT and GAME START.
  try {
    Step();
    Tap(kKeyDown);
    Tap(kKeySpace);
    for (int i = 0; i < 3 && g.Difficulty != difficulty; ++i) Tap(kKeySpace);
    Tap(kKeyDown);
    Tap(kKeyDown);
    for (int i = 0; i < 18 && g.StartStage != stage; ++i) Tap(kKeyRight);
    Tap(kKeyDown);
    Tap(kKeySpace);
    Tap(kKeySpace);
  } catch (const DataError& e) {
    error = e.what();
    return false;
  }
  if (g.GameState != kStatePlay || g.Stage != stage || g.Difficulty != difficulty) {
    error = "the menus did not reach stage " + std::to_string(stage + 1);
    return false;
  }
  std::fprintf(record_, "# play\n");
  Show(true);
  return true;
}

bool TestPlay::Pass(Input& editorInput) {
  // The game's own keys go to the game; the mouse and the editor's keys have no part in play,
  // and the release of a key pressed in the editor (F5 that started this) is not the game's.
  for (KeyEvent e; editorInput.Take(e);) {
    if (e.pointer || !IsPlayKey(e.code)) continue;
    if (!e.down && !down_[size_t(e.code)]) continue;
    down_[size_t(e.code)] = e.down;
    app_->input().Push(e);
  }
  try {
    app_->Pass();
  } catch (const DataError&) {
    left_ = true;
    return false;
  }
  if (app_->Ended()) {
    left_ = true;
    return false;
  }
  if (tg_->GameState != kStatePlay) return false;  // the stage is over, won or lost
  score_ = tg_->StageScore;
  timeLeft_ = tg_->StageTime;
  Show(false);
  return true;
}

void TestPlay::Show(bool now) {
  if (ScreenVersion(tg_->forms) == shownVersion_) return;
  if (!now && tg_->Now - lastShow_ < kShowEveryMs) return;
  Surface& screen = eg_.stageWindow.hudPanel;
  ComposeScreen(tg_->forms, screen, text_);
  screen.MarkDrawn({0, 0, kScreenW, kScreenH});
  screen.Present();
  shownVersion_ = ScreenVersion(tg_->forms);
  lastShow_ = tg_->Now;
}

bool TestPlay::Won() const { return !left_ && tg_ && tg_->StageEndReason == kEndGoal && tg_->Stage == stage_ + 1; }

int TestPlay::EndReason() const { return left_ || !tg_ ? -1 : tg_->StageEndReason; }

std::string TestPlay::Recording() {
  if (!record_) return "";
  recorder_->Finish(tg_->Now);
  std::fflush(record_);
  return std::string(recordText_, recordSize_);
}

}  // namespace slidestone::editor
