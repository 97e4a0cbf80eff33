// Keyboard navigation between the entry fields: Enter, Up and Down move once
// per press, after the release; other ways of moving keep the results.
#include <gtest/gtest.h>

#include "drive_checks.hpp"
#include "drive_run.hpp"

namespace {

using testing_support::drive;
using testing_support::focus_after;
using testing_support::TempDir;

TEST(Navigation, EnterAndDownFollowTheFieldOrderAndWrapFromTheTitle) {
  EXPECT_EQ(focus_after("velmora", "key Enter\n"), "EDIT2");
  EXPECT_EQ(focus_after("velmora", "key Enter\nkey Enter\nkey Enter\nkey Enter\n"), "EDIT8");  // m after n
  EXPECT_EQ(focus_after("velmora", "key Down\nkey Down\nkey Down\nkey Down\nkey Down\n"), "EDIT5");
  EXPECT_EQ(focus_after("drasin", "key Down\nkey Down\nkey Down\nkey Down\n"), "EDIT5");
  EXPECT_EQ(focus_after("velmora", "click EDIT7\nkey Enter\n"), "EDIT1");
  EXPECT_EQ(focus_after("drasin", "click EDIT7\nkey Down\n"), "EDIT1");
}

TEST(Navigation, UpStopsAtTheFirstField) {
  EXPECT_EQ(focus_after("velmora", "key Up\n"), "EDIT1");
  EXPECT_EQ(focus_after("velmora", "click EDIT5\nkey Up\nkey Up\n"), "EDIT4");
  EXPECT_EQ(focus_after("drasin", "click EDIT5\nkey Up\n"), "EDIT4");
}

TEST(Navigation, AHeldKeyMovesOnceAfterItsRelease) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "press Enter\nwait 400\ndump\nrelease Enter\ndump\n");
  EXPECT_EQ(run.dump(0).at("focus"), "EDIT1");
  EXPECT_EQ(run.dump(1).at("focus"), "EDIT2");
}

TEST(Navigation, TheEnterThatConfirmsACompositionMovesNothing) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "click EDIT7\ncompose EDIT7 くかん\nkey Enter\ncommit EDIT7\ndump\nkey Enter\ndump\n");
  EXPECT_EQ(run.dump(0).at("focus"), "EDIT7");
  EXPECT_NE(run.dump(0).at("EDIT7").find("くかん"), std::string::npos);
  EXPECT_EQ(run.dump(1).at("focus"), "EDIT1") << "the next Enter moves as usual";
}

TEST(Navigation, UpAndDownStillMoveDuringAComposition) {
  TempDir dir;
  const auto run = drive(dir, "velmora", "click EDIT7\ncompose EDIT7 か\nkey Up\ndump\n");
  EXPECT_EQ(run.dump().at("focus"), "EDIT6");
}

TEST(Navigation, KeysDoNothingOffTheEntryFields) {
  EXPECT_EQ(focus_after("velmora", "click CHECK1\nkey Enter\nkey Down\n"), "CHECK1");
  EXPECT_EQ(focus_after("drasin", "click PICTURE1\nkey Enter\n"), "PICTURE1");
  TempDir dir;
  const auto run = drive(dir, "velmora", "menu VER\nkey Enter\ndump\n");
  EXPECT_EQ(run.dump().count("FORM2"), 0u) << "Enter on the about box's OK closes it";
}

TEST(Navigation, TabAndClicksMoveTheFocusWithoutTheInputReset) {
  EXPECT_EQ(focus_after("velmora", "key Tab\nkey Tab\n"), "EDIT3");
  EXPECT_EQ(focus_after("velmora", "click EDIT6\n"), "EDIT6");
  // The next Enter starts from the field Tab or the click reached.
  EXPECT_EQ(focus_after("velmora", "key Tab\nkey Enter\n"), "EDIT3");
  EXPECT_EQ(focus_after("drasin", "click EDIT4\nkey Enter\n"), "EDIT5");
}

TEST(Navigation, InputCommandPutsTheFocusOnTheFirstField) {
  EXPECT_EQ(focus_after("velmora", "click EDIT6\nmenu INPDATA\n"), "EDIT1");
}

}  // namespace
