// 終了 replaces the saved-input file through a temporary file: whenever the
// save is killed or one of its steps fails, the file holds the previous
// record or the new one, whole, and the next start loads it.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
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
const std::string kTemporary = frame::temporary_file_name(kFile);

const SaveStep kSteps[] = {SaveStep::make_temporary_exist, SaveStep::delete_temporary, SaveStep::open_temporary,
                           SaveStep::print_record,         SaveStep::flush_to_disk,    SaveStep::close_temporary,
                           SaveStep::move_over_file};

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
  EXPECT_EQ(files_in(dir), std::vector<std::string>{kFile});
  EXPECT_EQ(v.q.value(), 12.345678f) << "a save leaves the caller's values as they are";
}

// The process is killed before each step in turn (killed after the last,
// the save is whole: the test above). Until the rename the file keeps the
// previous record, the next start loads it, never the defaults, and the
// next save replaces whatever was left.
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
    EXPECT_EQ(files_in(dir), std::vector<std::string>{kFile}) << "the leftover is gone";
  }
}

TEST(SaveReplacement, ALeftoverTemporaryFileIsIgnoredByTheLoadAndReplacedByTheSave) {
  TempDir dir;
  InDir in(dir);
  save_previous(dir);
  dir.write(kTemporary, std::string(5000, 'x') + "\r\n壊れた残り");
  VelmoraInputs v;
  ASSERT_EQ(IO_FILE(kLoad, v.list()), IoResult::done);
  EXPECT_EQ(v.i.value(), 300.0f);
  EXPECT_EQ(dir.read(kFile), kPreviousRecord);
  v = new_inputs();
  ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
  EXPECT_EQ(dir.read(kFile), kNewRecord);
  EXPECT_FALSE(dir.exists(kTemporary));
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
    EXPECT_EQ(files_in(dir), std::vector<std::string>{kFile});
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
  EXPECT_EQ(files_in(dir), std::vector<std::string>{kFile});
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
    EXPECT_EQ(files_in(dir), std::vector<std::string>{kFile});
  }
}

}  // namespace
