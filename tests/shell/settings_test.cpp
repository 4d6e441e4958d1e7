#include "shell/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::ReadBytes;
using testing_support::WriteBytes;

const char kDefaultFile[] =
    "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n\r\ngv\r\n0\r\n0\r\n\r\n\r\n*********************\r\n"
    "  1  1  1  1  1  1  1  1  1  5  0  1  0\r\n0\r\n";

// "Problem in the ticket" lasts in a 15th line; a file of fourteen lines (written before)
// reads as off, with no word about a damaged line.
TEST(SettingsTest, TicketProblemLastsInALineAfterTheFourteen) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  SharedState s;
  ASSERT_TRUE(shell::LoadSettings(s, platform, dir.path()));
  s.TicketProblemOn = true;
  ASSERT_TRUE(shell::SaveSettings(s, platform, dir.path(), 0, 0));
  SharedState reread;
  ASSERT_TRUE(shell::LoadSettings(reread, platform, dir.path()));
  EXPECT_TRUE(reread.TicketProblemOn);

  std::string fourteen(kDefaultFile);
  fourteen.resize(fourteen.size() - 3);
  testing_support::WriteBytes(dir.path() / "Brevlin.txt", fourteen);
  ASSERT_TRUE(shell::LoadSettings(reread, platform, dir.path()));
  EXPECT_FALSE(reread.TicketProblemOn);
  EXPECT_TRUE(platform.messages.empty());
}

TEST(SettingsTest, MissingFileIsCreatedCompleteWithDefaults) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  SharedState s;
  s.Level = 0;  // as at program start
  EXPECT_TRUE(shell::LoadSettings(s, platform, dir.path()));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(ReadBytes(dir.path() / "Brevlin.txt"), kDefaultFile);
  EXPECT_EQ(s.Level, 1);
  EXPECT_EQ(s.SubjectIndex, 5);
  EXPECT_EQ(s.VariantCount, 1);
  EXPECT_EQ(s.GsviewPath, "gv");
  EXPECT_FALSE(s.AnswersOn);

  // The created file reads back silently to the same values.
  SharedState again;
  EXPECT_TRUE(shell::LoadSettings(again, platform, dir.path()));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(again.SavedProblems, s.SavedProblems);
  EXPECT_EQ(again.Level, 1);
}

TEST(SettingsTest, SaveThenLoadKeepsEveryValue) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  SharedState s;
  s.FirstNumber = 12;
  s.VariantCount = 40;
  s.SetNumber = 10000;
  s.QuestionSetNumber = 99;
  s.DocumentMode = 1;
  s.LatexPath = "/opt/tex live/bin/";
  s.GsviewPath = "/usr/bin/gv";
  s.DepartmentIndex = 3;
  s.UniversityIndex = 2;
  s.StudentsFileName = "/home/t/группы/ИВТ-21а.txt";
  s.GroupName = "ИВТ-21а";
  const int rows[9] = {3, 1, 2, 4, 5, 6, 7, 8, 9};
  for (int k = 1; k <= 9; ++k) s.SavedProblems[k] = rows[k - 1];
  s.SubjectIndex = 4;
  s.Level = 2;
  ASSERT_TRUE(shell::SaveSettings(s, platform, dir.path(), 0, 1));

  const std::string bytes = ReadBytes(dir.path() / "Brevlin.txt");
  EXPECT_NE(bytes.find("\r\n*********************\r\n"
                       "  3  1  2  4  5  6  7  8  9  4  0  2  1\r\n"),
            std::string::npos)
      << bytes;
  EXPECT_EQ(bytes.substr(0, 20), "12\r\n40\r\n10000\r\n0\r\n99");

  SharedState back;
  ASSERT_TRUE(shell::LoadSettings(back, platform, dir.path()));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(back.FirstNumber, 12);
  EXPECT_EQ(back.VariantCount, 40);
  EXPECT_EQ(back.SetNumber, 10000);
  EXPECT_EQ(back.QuestionSetNumber, 99);
  EXPECT_EQ(back.DocumentMode, 1);
  EXPECT_EQ(back.LatexPath, s.LatexPath);
  EXPECT_EQ(back.GsviewPath, s.GsviewPath);
  EXPECT_EQ(back.DepartmentIndex, 3);
  EXPECT_EQ(back.UniversityIndex, 2);
  EXPECT_EQ(back.StudentsFileName, s.StudentsFileName);
  EXPECT_EQ(back.GroupName, s.GroupName);
  EXPECT_EQ(back.SavedProblems, s.SavedProblems);
  EXPECT_EQ(back.SubjectIndex, 4);
  EXPECT_FALSE(back.StudentsMode);
  EXPECT_EQ(back.Level, 2);
  EXPECT_TRUE(back.AnswersOn);
}

TEST(SettingsTest, ValuesOutOfRangeAreClampedSilently) {
  testing_support::TempDir dir;
  WriteBytes(dir.path() / "Brevlin.txt",
             "0\r\n99\r\n-5\r\n7\r\n250\r\n9\r\nC:\\texmf\\\r\nx\r\n-1\r\n4\r\nf.txt\r\n" +
                 std::string(60, 'g') + "\r\n***\r\n 99  1  1  1  1  1  1  1  1 12  1 15  1\r\n");
  testing_support::FakePlatform platform;
  SharedState s;
  ASSERT_TRUE(shell::LoadSettings(s, platform, dir.path()));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(s.FirstNumber, 1);
  EXPECT_EQ(s.VariantCount, 40);
  EXPECT_EQ(s.SetNumber, 1);
  EXPECT_EQ(s.QuestionSetNumber, 99);
  EXPECT_EQ(s.DocumentMode, 2);
  EXPECT_EQ(s.LatexPath, "C:\\texmf\\");
  EXPECT_EQ(s.DepartmentIndex, 0);
  EXPECT_EQ(s.GroupName, std::string(50, 'g'));
  EXPECT_EQ(s.SavedProblems[1], 40);
  EXPECT_EQ(s.SubjectIndex, 9);
  EXPECT_TRUE(s.StudentsMode);
  EXPECT_EQ(s.Level, 10);
}

TEST(SettingsTest, DamagedLinesTakeDefaultsAndAreToldOnce) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  SharedState s;

  // Lines 2 and 6 are not numbers; line 14 lacks its last two values.
  WriteBytes(dir.path() / "Brevlin.txt",
             "5\r\nmany\r\n3\r\n0\r\n1\r\n1.5\r\n\r\ngv\r\n0\r\n0\r\n\r\n\r\n***\r\n"
             "  2  2  2  2  2  2  2  2  2  3  1\r\n");
  ASSERT_TRUE(shell::LoadSettings(s, platform, dir.path()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("line 2, 6, 14"), std::string::npos) << platform.messages[0];
  EXPECT_EQ(s.FirstNumber, 5);
  EXPECT_EQ(s.VariantCount, 1);
  EXPECT_EQ(s.DocumentMode, 0);
  EXPECT_EQ(s.SavedProblems[9], 2);
  EXPECT_EQ(s.SubjectIndex, 3);
  EXPECT_TRUE(s.StudentsMode);
  EXPECT_EQ(s.Level, 1);
  EXPECT_FALSE(s.AnswersOn);

  // A file of only the nine lines 1..9 (as once created for a missing file).
  platform.messages.clear();
  WriteBytes(dir.path() / "Brevlin.txt", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
  ASSERT_TRUE(shell::LoadSettings(s, platform, dir.path()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("line 10, 11, 12, 14"), std::string::npos)
      << platform.messages[0];
  EXPECT_EQ(s.VariantCount, 2);
  EXPECT_EQ(s.QuestionSetNumber, 5);
  EXPECT_EQ(s.DocumentMode, 2);
  EXPECT_EQ(s.LatexPath, "7");
  EXPECT_EQ(s.DepartmentIndex, 9);
  EXPECT_EQ(s.Level, 1);
  EXPECT_EQ(s.SubjectIndex, 5);
}

TEST(SettingsTest, FailedSaveIsReported) {
  testing_support::TempDir dir;
  testing_support::FakePlatform platform;
  SharedState s;
  EXPECT_FALSE(shell::SaveSettings(s, platform, dir.path() / "missing", 0, 0));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].find("Brevlin.txt"), std::string::npos);
}

}  // namespace
