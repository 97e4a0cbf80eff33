// palwick and soberin start, keep their inputs and show their about boxes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "drive_run.hpp"
#include "saved_record.hpp"

namespace {

using testing_support::drive;
using testing_support::saved_record;
using testing_support::TempDir;

struct Program {
  const char* name;
  const char* caption;
  const char* version;
  const char* file;
  const char* first_field;
  std::map<std::string, std::string> edits;
  std::string default_record;
};

const std::string kPalwickTitle = "SP0.00～SP1000.00 右側道路側溝";
const std::string kSoberinTitle = "SP0.00 管渠流下能力";

const Program kPrograms[] = {
    {"palwick", "Kelbrin(管渠断面)", "Version 1.53.06", "LOM_O.DTA", "EDIT1",
     {{"EDIT1", "0.300"}, {"EDIT2", "200.000"}, {"EDIT3", "0.600"}, {"EDIT4", "0.016"}, {"EDIT7", kPalwickTitle}},
     saved_record({" .3", " 200", " .6", " .016"}, kPalwickTitle)},
    {"soberin", "Pravoth(管渠断面)", "Version 1.13.06", "LOM_O_RYU.DTA", "EDIT2",
     {{"EDIT2", "200.000"}, {"EDIT3", "0.600"}, {"EDIT4", "0.013"}, {"EDIT7", kSoberinTitle}},
     saved_record({" .3", " 200", " .6", " .013"}, kSoberinTitle)},
};

TEST(CulvertStartUp, FirstStartShowsAndWritesTheDefaults) {
  for (const Program& p : kPrograms) {
    TempDir dir;
    const auto run = drive(dir, p.name, "dump\n");
    EXPECT_EQ(run.exit_code, 0) << p.name;
    const auto d = run.dump();
    EXPECT_EQ(d.at("MAINFORM"), p.caption);
    for (const auto& [edit, text] : p.edits) EXPECT_EQ(d.at(edit), text) << p.name << " " << edit;
    EXPECT_EQ(d.at("focus"), p.first_field) << p.name;
    EXPECT_EQ(d.at("menu PRNT"), "grey") << p.name;
    EXPECT_EQ(d.at("TEXT23"), "0.000") << p.name;
    EXPECT_EQ(d.at("TEXT41"), "") << p.name;
    EXPECT_EQ(d.at("CHECK1"), "0");
    EXPECT_EQ(d.at("CHECK2"), "1");
    EXPECT_EQ(d.at("CHECK3"), "0");
    EXPECT_EQ(d.count("CHECK4"), 0u) << "no 1.2Q option";
    EXPECT_TRUE(run.message_boxes().empty()) << p.name;
    EXPECT_EQ(dir.read(p.file), p.default_record) << p.name;
  }
  // The four numbers take 56 columns before the title.
  EXPECT_EQ(kPrograms[0].default_record.substr(0, 57), " .3            200           .6            .016         S");
}

TEST(CulvertStartUp, SoberinHasNoEditForQ) {
  TempDir dir;
  const auto d = drive(dir, "soberin", "dump\n").dump();
  EXPECT_EQ(d.count("EDIT1"), 0u);
  EXPECT_EQ(d.count("TEXT47"), 0u);
  EXPECT_EQ(d.count("TEXT28"), 0u) << "no red message lines";
  EXPECT_EQ(d.at("menu PRNT"), "grey");
  EXPECT_EQ(d.count("menu JYORYU"), 0u) << "印刷 is a plain command";
}

TEST(CulvertStartUp, EndSavesWhatTheFieldsHoldAndSoberinKeepsItsQ) {
  {
    TempDir dir;
    drive(dir, "palwick", "type EDIT1 12.345678\ntype EDIT3 0.45\ntype EDIT7 区間A,右岸\nend\n");
    EXPECT_EQ(dir.read("LOM_O.DTA"), saved_record({" 12.3457", " 200", " .45", " .016"}, "\"区間A,右岸\""));
    const auto reopened = drive(dir, "palwick", "dump\nclose\n").dump();
    EXPECT_EQ(reopened.at("EDIT1"), "12.345");
    EXPECT_EQ(reopened.at("EDIT7"), "区間A,右岸");
  }
  {
    TempDir dir;
    dir.write("LOM_O_RYU.DTA", saved_record({" .25", " 500", " 1.2", " .015"}, "管渠"));
    const auto run = drive(dir, "soberin", "dump\ntype EDIT4 0.014\nend\n");
    EXPECT_EQ(run.dump().at("EDIT2"), "500.000");
    EXPECT_EQ(run.dump().at("EDIT3"), "1.200");
    EXPECT_EQ(dir.read("LOM_O_RYU.DTA"), saved_record({" .25", " 500", " 1.2", " .014"}, "管渠"))
        << "Q goes back to the file unchanged";
  }
}

TEST(CulvertHelpBoxes, TheAboutBoxShowsEachProgramsTitleAndVersion) {
  for (const Program& p : kPrograms) {
    TempDir dir;
    const auto run = drive(dir, p.name, "menu VER\nmenu VER\ndump\nclick BUTTON1\ndump\nmenu FAQ\ndump\n");
    const auto open = run.dump(0);
    EXPECT_EQ(open.at("FORM2"), "ﾊﾞｰｼﾞｮﾝ情報");
    EXPECT_EQ(open.at("TEXT1"), p.caption);
    EXPECT_EQ(open.at("TEXT2"), p.version);
    EXPECT_NE(open.at("TEXT3"), "(notice)");
    EXPECT_EQ(run.dump(1).count("FORM2"), 0u);
    EXPECT_EQ(run.dump(2).at("FORM3"), "お問い合わせ");
    EXPECT_EQ(run.dump(2).at("TEXT65"), "このソフトについてのお問い合わせは、以下までお願いします");
  }
}

}  // namespace
