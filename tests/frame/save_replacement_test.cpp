// 終了 replaces the saved-input file through a temporary file of its own:
// whenever the save is killed or one of its steps fails, and whatever else
// saves into the folder at the same time, the file holds a previous record
// or the new one, whole, and the next start loads it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <thread>
#include <vector>

#include "frame/io_file.hpp"
#include "runtime/runtime_error.hpp"
#include "runtime/sequential_file.hpp"
#include "saved_record.hpp"
#include "temp_dir.hpp"
#include "velmora_inputs.hpp"

namespace {

using frame::IO_FILE;
using frame::IoResult;
using frame::kLoad;
using frame::kSave;
using frame::SaveStep;
using testing_support::InDir;
using testing_support::saved_record;
using testing_support::TempDir;
using testing_support::VelmoraInputs;

const std::string kFile = "LOM_V.DTA";
const std::string kLock = kFile + ".lock";

const SaveStep kSteps[] = {SaveStep::wait_for_other_saves, SaveStep::open_temporary,  SaveStep::print_record,
                           SaveStep::flush_to_disk,        SaveStep::close_temporary, SaveStep::move_over_file};

// The inputs of the last good save, and the ones 終了 is saving now.
VelmoraInputs previous_inputs() { return {1.5f, 300.0f, 0.5f, 0.013f, 1.0f, 0.2f, 0.05f, "前回の題"}; }
VelmoraInputs new_inputs() { return {12.345678f, 1000.0f, 2.0f, 0.02f, 0.5f, 0.3f, 0.1f, "区間A,右岸"}; }
const std::string kPreviousRecord =
    saved_record({" 1.5", " 300", " .5", " .013", " 1", " .2", " .05"}, "前回の題");
const std::string kNewRecord =
    saved_record({" 12.3457", " 1000", " 2", " .02", " .5", " .3", " .1"}, "\"区間A,右岸\"");

// A folder with the previous record in it, as the last good save left it.
void save_previous(const TempDir& dir) {
  VelmoraInputs v = previous_inputs();
  ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
  ASSERT_EQ(dir.read(kFile), kPreviousRecord);
}

std::vector<std::string> files_in(const TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SaveReplacement, ASaveWritesTheRecordByteForByteAndLeavesNothingElse) {
  TempDir dir;
  InDir in(dir);
  save_previous(dir);
  VelmoraInputs v = new_inputs();
  ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
  EXPECT_EQ(dir.read(kFile), kNewRecord);
  EXPECT_EQ(files_in(dir), (std::vector<std::string>{kFile, kLock})) << "and its lock, kept for the next";
  EXPECT_EQ(v.q.value(), 12.345678f) << "a save leaves the caller's values as they are";
}

// The process is killed before each step in turn (killed after the last,
// the save is whole: the test above). Until the rename the file keeps the
// previous record, the next start loads it, never the defaults, and the
// next save is not hindered by what the killed one left.
TEST(SaveReplacement, ASaveKilledAtAnyStepLeavesThePreviousRecordOrTheNewOne) {
  GTEST_FLAG_SET(death_test_style, "fast");
  for (const SaveStep killed_before : kSteps) {
    SCOPED_TRACE("killed before step " + std::to_string(static_cast<int>(killed_before)));
    TempDir dir;
    InDir in(dir);
    save_previous(dir);
    EXPECT_EXIT(
        {
          VelmoraInputs v = new_inputs();
          IO_FILE(kSave, v.list(), [killed_before](SaveStep next) {
            if (next == killed_before) std::raise(SIGKILL);
          });
        },
        testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(dir.read(kFile), kPreviousRecord) << "the file is replaced only by the last step";

    VelmoraInputs next_start;
    ASSERT_EQ(IO_FILE(kLoad, next_start.list()), IoResult::done);
    EXPECT_EQ(next_start.q.value(), 1.5f);
    EXPECT_EQ(next_start.title, "前回の題");

    next_start = new_inputs();
    ASSERT_EQ(IO_FILE(kSave, next_start.list()), IoResult::done);
    EXPECT_EQ(dir.read(kFile), kNewRecord);
  }
}

// Whatever lies beside the file, left by a killed save or put there by
// someone else, neither blocks a save nor is followed by it.
TEST(SaveReplacement, WhatLiesBesideTheFileNeverStopsOrSteersASave) {
  const auto link_to_nowhere = [](const TempDir& dir, const std::string& name) {
    std::filesystem::create_symlink(dir.file("nowhere/target"), dir.file(name));
  };
  const struct {
    const char* what;
    std::function<void(const TempDir&)> put;
  } cases[] = {
      {"an old temporary file", [](const TempDir& d) { d.write(kFile + ".tmp", std::string(5000, 'x') + "\r\n壊れた"); }},
      {"a folder under the old temporary name",
       [](const TempDir& d) { std::filesystem::create_directory(d.file(kFile + ".tmp")); }},
      {"a link to nowhere under the old temporary name", [&](const TempDir& d) { link_to_nowhere(d, kFile + ".tmp"); }},
      {"a folder under the lock's name", [](const TempDir& d) { std::filesystem::create_directory(d.file(kLock)); }},
      {"a link to nowhere under the lock's name", [&](const TempDir& d) { link_to_nowhere(d, kLock); }},
      {"a named pipe under the lock's name", [](const TempDir& d) { ASSERT_EQ(::mkfifo(d.file(kLock).c_str(), 0600), 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    InDir in(dir);
    save_previous(dir);
    std::filesystem::remove(dir.file(kLock));
    c.put(dir);
    VelmoraInputs v;
    ASSERT_EQ(IO_FILE(kLoad, v.list()), IoResult::done);
    EXPECT_EQ(v.i.value(), 300.0f);
    v = new_inputs();
    ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
    EXPECT_EQ(dir.read(kFile), kNewRecord);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "nowhere")) << "no link is followed";
  }
}

// Each step in turn fails as a full disk or a failing flush makes it fail.
TEST(SaveReplacement, AStepThatFailsKeepsThePreviousFileAndTheCallersValues) {
  for (const SaveStep failing : kSteps) {
    SCOPED_TRACE("failing step " + std::to_string(static_cast<int>(failing)));
    TempDir dir;
    InDir in(dir);
    save_previous(dir);
    VelmoraInputs v = new_inputs();
    EXPECT_EQ(IO_FILE(kSave, v.list(),
                      [failing](SaveStep next) {
                        if (next == failing) throw rt::RuntimeError("ファイルに書き込めません");
                      }),
              IoResult::cannot_write);
    EXPECT_EQ(dir.read(kFile), kPreviousRecord) << "no defaults are written over it";
    EXPECT_EQ(files_in(dir), (std::vector<std::string>{kFile, kLock})) << "the temporary file is gone";
    EXPECT_EQ(v.q.value(), 12.345678f);
    EXPECT_EQ(v.title, "区間A,右岸");
    EXPECT_FALSE(rt::files().is_open(1));
  }
}

// The system itself refuses the write: a file size limit makes the flush of
// the record fail as a full disk does.
TEST(SaveReplacement, AWriteTheSystemRefusesKeepsThePreviousFile) {
  TempDir dir;
  InDir in(dir);
  save_previous(dir);
  rlimit previous_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous_limit), 0);
  rlimit small = previous_limit;
  small.rlim_cur = 40;
  const auto previous_handler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  VelmoraInputs v = new_inputs();
  const IoResult result = IO_FILE(kSave, v.list());
  ::setrlimit(RLIMIT_FSIZE, &previous_limit);
  std::signal(SIGXFSZ, previous_handler);

  EXPECT_EQ(result, IoResult::cannot_write);
  EXPECT_EQ(dir.read(kFile), kPreviousRecord);
  EXPECT_EQ(files_in(dir), (std::vector<std::string>{kFile, kLock}));
}

// A failed load rewrites the file with the defaults the same way: killed
// during that rewrite, the damaged file stays and the next start falls back
// to the defaults again.
TEST(SaveReplacement, TheDefaultsAfterAFailedLoadAreWrittenTheSameWay) {
  GTEST_FLAG_SET(death_test_style, "fast");
  for (const SaveStep killed_before : kSteps) {
    SCOPED_TRACE("killed before step " + std::to_string(static_cast<int>(killed_before)));
    TempDir dir;
    InDir in(dir);
    dir.write(kFile, "word");
    EXPECT_EXIT(
        {
          VelmoraInputs v;
          IO_FILE(kLoad, v.list(), [killed_before](SaveStep next) {
            if (next == killed_before) std::raise(SIGKILL);
          });
        },
        testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(dir.read(kFile), "word");
    VelmoraInputs next_start;
    next_start.q = 9.0f;
    ASSERT_EQ(IO_FILE(kLoad, next_start.list()), IoResult::done);
    EXPECT_EQ(next_start.q.value(), 0.06f);
    EXPECT_EQ(dir.read(kFile), saved_record({" .06", " 200", " .3", " .016", " .3", " .1", " .07"},
                                            testing_support::kDefaultTitle));
  }
}

// Two copies of a program, in two processes, save into one folder at the
// same moment, each save slowed while it writes. They save in turn: both
// are told their inputs were saved, the file ends with the inputs of the one
// that saved last, and sampled all along it always holds a whole record.
TEST(SaveReplacement, TwoCopiesSavingAtOnceSaveInTurnAndAreBothToldSo) {
  const VelmoraInputs inputs[2] = {new_inputs(), {2.5f, 500.0f, 1.0f, 0.015f, 2.0f, 0.25f, 0.0f, "別の題"}};
  const std::string records[2] = {
      kNewRecord, saved_record({" 2.5", " 500", " 1", " .015", " 2", " .25", " 0"}, "別の題")};
  for (int trial = 0; trial < 3; ++trial) {
    SCOPED_TRACE("trial " + std::to_string(trial));
    TempDir dir;
    InDir in(dir);
    save_previous(dir);
    int start[2], order[2];
    ASSERT_EQ(::pipe(start), 0);
    ASSERT_EQ(::pipe(order), 0);
    pid_t copies[2];
    for (int who = 0; who < 2; ++who) {
      copies[who] = ::fork();
      ASSERT_GE(copies[who], 0);
      if (copies[who] != 0) continue;
      char go;
      if (::read(start[0], &go, 1) != 1) ::_exit(3);
      VelmoraInputs v = inputs[who];
      const IoResult saved = IO_FILE(kSave, v.list(), [&](SaveStep next) {
        if (next == SaveStep::print_record) std::this_thread::sleep_for(std::chrono::milliseconds(30));
        // Just before its rename, the order in which the copies replace the file.
        const char name = static_cast<char>('0' + who);
        if (next == SaveStep::move_over_file && ::write(order[1], &name, 1) != 1) ::_exit(4);
      });
      ::_exit(saved == IoResult::done ? 0 : 1);
    }
    ::close(order[1]);
    ASSERT_EQ(::write(start[1], "gg", 2), 2);
    std::set<std::string> seen;
    int ended = 0, exit_codes[2] = {-1, -1};
    while (ended < 2) {
      seen.insert(dir.read(kFile));
      for (int who = 0; who < 2; ++who) {
        int status = 0;
        if (exit_codes[who] == -1 && ::waitpid(copies[who], &status, WNOHANG) == copies[who]) {
          exit_codes[who] = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
          ++ended;
        }
      }
      std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    char renamed[3] = {};
    EXPECT_EQ(::read(order[0], renamed, 2), 2);
    ::close(order[0]);
    ::close(start[0]);
    ::close(start[1]);

    EXPECT_EQ(exit_codes[0], 0) << "the first copy is told its inputs were saved";
    EXPECT_EQ(exit_codes[1], 0) << "so is the second";
    const int last = renamed[1] - '0';
    ASSERT_TRUE(last == 0 || last == 1) << renamed;
    EXPECT_EQ(dir.read(kFile), records[last]) << "the inputs of the copy that saved last";
    for (const std::string& r : seen) {
      EXPECT_TRUE(r == kPreviousRecord || r == records[0] || r == records[1]) << "a record that is not whole: " << r;
    }
  }
}

}  // namespace
