// The saved-input record, byte for byte in cp932, and what a load or save
// does with files that are missing, damaged or cannot be written.
#include <gtest/gtest.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cfloat>
#include <cmath>

#include "frame/io_file.hpp"
#include "runtime/cp932.hpp"
#include "temp_dir.hpp"
#include "velmora_inputs.hpp"

namespace {

using frame::IO_FILE;
using frame::IoResult;
using frame::kLoad;
using frame::kSave;
using frame::Single;
using testing_support::InDir;
using testing_support::kDefaultTitle;
using testing_support::TempDir;
using testing_support::VelmoraInputs;

// drasin's list: Q, I, B, n, Fb+, Fb*, title.
struct DrasinInputs {
  Single q, i, b, n, fb_plus, fb_star;
  std::string title;
  frame::SavedInputs list() {
    return {"LOM_U.DTA",
            {{&q, 0.06f}, {&i, 200.0f}, {&b, 0.3f}, {&n, 0.016f}, {&fb_plus, 0.1f}, {&fb_star, 0.07f}},
            &title,
            kDefaultTitle};
  }
};

std::string zone(const std::string& number_text) {
  std::string z = number_text + " ";
  z.resize(((z.size() - 1) / 14 + 1) * 14, ' ');
  return z;
}

std::string cp932(const std::string& utf8) { return rt::cp932::from_utf8(utf8).bytes; }

const std::string kVelmoraDefaultRecord = zone(" .06") + zone(" 200") + zone(" .3") + zone(" .016") + zone(" .3") +
                                          zone(" .1") + zone(" .07") + cp932(kDefaultTitle) + "\r\n";
const std::string kDrasinDefaultRecord = zone(" .06") + zone(" 200") + zone(" .3") + zone(" .016") + zone(" .1") +
                                         zone(" .07") + cp932(kDefaultTitle) + "\r\n";

TEST(SavedRecord, FirstStartWritesTheDefaultRecordOfEachProgram) {
  TempDir dir;
  InDir in(dir);
  VelmoraInputs v;
  EXPECT_EQ(IO_FILE(kLoad, v.list()), IoResult::done);
  EXPECT_EQ(dir.read("LOM_V.DTA"), kVelmoraDefaultRecord);
  EXPECT_EQ(kVelmoraDefaultRecord.find(cp932(kDefaultTitle)), 98u);
  EXPECT_EQ(v.q.value(), 0.06f);
  EXPECT_EQ(v.m.value(), 0.3f);
  EXPECT_EQ(v.title, kDefaultTitle);

  DrasinInputs d;
  EXPECT_EQ(IO_FILE(kLoad, d.list()), IoResult::done);
  EXPECT_EQ(dir.read("LOM_U.DTA"), kDrasinDefaultRecord);
  EXPECT_EQ(kDrasinDefaultRecord.find(cp932(kDefaultTitle)), 84u);
}

TEST(SavedRecord, NumbersKeepSixSignificantDigitsAndZonesWiden) {
  TempDir dir;
  InDir in(dir);
  VelmoraInputs v;
  IO_FILE(kLoad, v.list());
  v.q = 12.345678f;
  v.i = -1.5f;
  v.b = 1234567.0f;       // exponent form, read back by the same reader
  v.n = 0.0123456f;
  v.m = 123456789012.0f;
  ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
  const std::string record = dir.read("LOM_V.DTA");
  EXPECT_EQ(record.substr(0, 14), zone(" 12.3457"));
  EXPECT_EQ(record.substr(14, 14), zone("-1.5"));
  EXPECT_EQ(record.substr(28, 14), zone(" 1.23457E+06"));
  EXPECT_EQ(record.substr(56, 14), zone(" 1.23457E+11"));

  VelmoraInputs back;
  ASSERT_EQ(IO_FILE(kLoad, back.list()), IoResult::done);
  EXPECT_EQ(back.q.value(), 12.3457f);
  EXPECT_EQ(back.i.value(), -1.5f);
  EXPECT_EQ(back.b.value(), 1234570.0f);
  EXPECT_EQ(back.n.value(), 0.0123456f);
  EXPECT_EQ(back.m.value(), 123457000000.0f);
}

struct TitleCase {
  const char* title;
  const char* written;  // the title field as written (UTF-8 before cp932)
  const char* read;     // what the next start reads back
};

// clang-format off
const TitleCase kTitles[] = {
    {"SP0.00～SP1000.00 右側道路側溝", "SP0.00～SP1000.00 右側道路側溝", "SP0.00～SP1000.00 右側道路側溝"},
    {"区間A,右岸",        "\"区間A,右岸\"",       "区間A,右岸"},
    {"No.1:左岸",          "\"No.1:左岸\"",         "No.1:左岸"},
    {"",                   "",                      ""},
    {"  先頭の空白",       "\"  先頭の空白\"",      "  先頭の空白"},
    {"末尾の空白  ",       "\"末尾の空白  \"",      "末尾の空白  "},
    {"\"引用\"の題",       "\"＂引用＂の題\"",      "＂引用＂の題"},
    {"寸法 \"A,B\" 区間",  "寸法 \"A,B\" 区間",     "寸法 \"A,B\" 区間"},
    {"①②③ －",          "①②③ －",             "①②③ －"},
    {"流量 10㎥/s 😀",     "流量 10?/s ?",          "流量 10?/s ?"},
};
// clang-format on

TEST(SavedRecord, TitlesReadBackWholeAndOrdinaryTitlesStayByteIdentical) {
  for (const TitleCase& c : kTitles) {
    TempDir dir;
    InDir in(dir);
    VelmoraInputs v;
    IO_FILE(kLoad, v.list());
    v.title = c.title;
    ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done) << c.title;
    EXPECT_EQ(dir.read("LOM_V.DTA"), kVelmoraDefaultRecord.substr(0, 98) + cp932(c.written) + "\r\n") << c.title;
    VelmoraInputs back;
    ASSERT_EQ(IO_FILE(kLoad, back.list()), IoResult::done);
    EXPECT_EQ(back.title, c.read) << c.title;
    EXPECT_EQ(back.q.value(), 0.06f) << "the other inputs survive: " << c.title;
  }
}

TEST(SavedRecord, ReaderTakesCommaColonAndQuotesAsWritten) {
  TempDir dir;
  InDir in(dir);
  const std::string numbers = " .5, 300:.4  .02 .5 .2 .05 ";
  for (auto [field, title] : std::initializer_list<std::pair<std::string, std::string>>{
           {"区間A,右岸", "区間A"}, {"区間A:右岸", "区間A"}, {"\"区間A,右岸\" ", "区間A,右岸"}, {"題名   ", "題名"}}) {
    dir.write("LOM_V.DTA", cp932(numbers + field) + "\r\n");
    VelmoraInputs v;
    ASSERT_EQ(IO_FILE(kLoad, v.list()), IoResult::done);
    EXPECT_EQ(v.q.value(), 0.5f);
    EXPECT_EQ(v.i.value(), 300.0f);
    EXPECT_EQ(v.b.value(), 0.4f);
    EXPECT_EQ(v.fb_star.value(), 0.05f);
    EXPECT_EQ(v.title, title) << field;
  }
}

TEST(SavedRecord, DamagedFilesFallBackToTheDefaultsAndAreRewritten) {
  const std::string damaged[] = {
      "",                                                 // empty
      " .5           200           .3",                   // short
      "word          200           .3  .016 .3 .1 .07 題\r\n",  // word first
      " .5 200 .3 .016 .3 .1 1E+39 題\r\n",               // a number beyond the single range
      " .5 200 .3 .016 .3 .1 .07",                        // no title at all
  };
  for (const std::string& bytes : damaged) {
    TempDir dir;
    InDir in(dir);
    dir.write("LOM_V.DTA", bytes);
    VelmoraInputs v;
    v.title = "消えるはず";
    ASSERT_EQ(IO_FILE(kLoad, v.list()), IoResult::done) << bytes;
    EXPECT_EQ(v.q.value(), 0.06f) << "every value, also those read before the failure: " << bytes;
    EXPECT_EQ(v.title, kDefaultTitle);
    EXPECT_EQ(dir.read("LOM_V.DTA"), kVelmoraDefaultRecord) << bytes;
    VelmoraInputs next;  // the next start loads the replaced record without failure
    EXPECT_EQ(IO_FILE(kLoad, next.list()), IoResult::done);
    EXPECT_EQ(next.fb_star.value(), 0.07f);
  }
}

TEST(SavedRecord, OutOfRangeInputsAreSavedAsTheLargestSingleAndReadBack) {
  TempDir dir;
  InDir in(dir);
  VelmoraInputs v;
  IO_FILE(kLoad, v.list());
  v.q = static_cast<rt::Ext>(HUGE_VAL);
  v.i = static_cast<rt::Ext>(-HUGE_VAL);
  v.title = "題";
  ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
  EXPECT_EQ(dir.read("LOM_V.DTA").substr(0, 28), zone(" 3.40282E+38") + zone("-3.40282E+38"));
  VelmoraInputs back;
  ASSERT_EQ(IO_FILE(kLoad, back.list()), IoResult::done);
  EXPECT_TRUE(std::isfinite(back.q.value()));
  EXPECT_EQ(back.i.value(), -3.40282e38f);
  EXPECT_EQ(back.title, "題") << "the rest of the record is kept";
}

TEST(SavedRecord, AFileThatCannotBeWrittenLeavesTheDefaultsAndSaysSo) {
  TempDir dir;
  InDir in(dir);
  // A folder in the file's place: it can be neither read as a record nor
  // replaced, whoever runs the test.
  std::filesystem::create_directory(dir.path() / "LOM_V.DTA");
  VelmoraInputs v;
  v.q = 5.0f;
  EXPECT_EQ(IO_FILE(kLoad, v.list()), IoResult::cannot_write);
  EXPECT_EQ(v.q.value(), 0.06f);
  EXPECT_EQ(v.title, kDefaultTitle);
  v.q = 7.0f;
  EXPECT_EQ(IO_FILE(kSave, v.list()), IoResult::cannot_write);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "LOM_V.DTA"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "beside it only the save's lock";
}

// Whatever else stands under the record's name is no record: a named pipe
// (whose open would wait for a writer), a link to an endless device, a huge
// file. The load neither waits nor reads it all: the defaults replace it. A
// record of the longest title the edits hold still reads back whole.
TEST(SavedRecord, NoPlainOrOverlongFileHoldsTheStartAndTheLongestTitleReadsBack) {
  const std::string huge_title = std::string(2 * 1024 * 1024, 'x');
  const std::function<void(const TempDir&)> placed[] = {
      [](const TempDir& d) { ASSERT_EQ(::mkfifo(d.file("LOM_V.DTA").c_str(), 0666), 0); },
      [](const TempDir& d) { std::filesystem::create_symlink("/dev/zero", d.path() / "LOM_V.DTA"); },
      [](const TempDir& d) {  // 1 GiB of NULs, sparse
        d.write("LOM_V.DTA", "");
        std::filesystem::resize_file(d.path() / "LOM_V.DTA", std::uintmax_t{1} << 30);
      },
      [&](const TempDir& d) { d.write("LOM_V.DTA", kVelmoraDefaultRecord.substr(0, 98) + huge_title + "\r\n"); },
  };
  for (const auto& place : placed) {
    TempDir dir;
    InDir in(dir);
    place(dir);
    VelmoraInputs v;
    v.q = 9.0f;
    ASSERT_EQ(IO_FILE(kLoad, v.list()), IoResult::done);
    EXPECT_EQ(v.q.value(), 0.06f);
    EXPECT_EQ(v.title, kDefaultTitle);
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(dir.path() / "LOM_V.DTA")));
    EXPECT_EQ(dir.read("LOM_V.DTA"), kVelmoraDefaultRecord);
  }

  TempDir dir;
  InDir in(dir);
  VelmoraInputs v;
  IO_FILE(kLoad, v.list());
  std::string longest;
  for (int i = 0; i < 32767; ++i) longest += "水";
  v.title = longest;
  ASSERT_EQ(IO_FILE(kSave, v.list()), IoResult::done);
  VelmoraInputs back;
  ASSERT_EQ(IO_FILE(kLoad, back.list()), IoResult::done);
  EXPECT_EQ(back.title, longest);
}

// In a team folder a record saved by a colleague with umask 077 is theirs,
// mode 0600: it is someone's saved inputs, not a damaged record. A start by
// another user shows the defaults, says so, and leaves the file as it is.
TEST(SavedRecord, ARecordThisUserMayNotReadIsLeftAsItIs) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs a second user: run as root, the test reads as nobody";
  const passwd* nobody = ::getpwnam("nobody");
  if (!nobody) GTEST_SKIP() << "no user nobody";
  TempDir dir;
  InDir in(dir);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);  // every user may write here
  const std::string theirs = kVelmoraDefaultRecord.substr(0, 98) + "同僚の題\r\n";
  dir.write("LOM_V.DTA", theirs);
  std::filesystem::permissions(dir.path() / "LOM_V.DTA", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_write);
  EXPECT_EXIT(
      {
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) {
          ::_exit(2);
        }
        VelmoraInputs v;
        v.q = 9.0f;
        const IoResult loaded = IO_FILE(kLoad, v.list());
        ::_exit(loaded == IoResult::cannot_read && v.q.value() == 0.06f && v.title == kDefaultTitle ? 0 : 1);
      },
      testing::ExitedWithCode(0), "");
  EXPECT_EQ(dir.read("LOM_V.DTA"), theirs);
  struct stat st {};
  ASSERT_EQ(::stat(dir.file("LOM_V.DTA").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 0u);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

}  // namespace
