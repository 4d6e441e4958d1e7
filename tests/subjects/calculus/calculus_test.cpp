#include "subjects/calculus/calculus.h"

#include <gtest/gtest.h>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"

namespace {

using testing_support::AnsText;
using testing_support::MainText;
using testing_support::OpenMemoryFiles;

TEST(AnalysisDispatch, ProblemNumbersOutsideTheListWriteNothing) {
  for (int problem : {0, 36, 100, 255}) {
    SharedState s;
    OpenMemoryFiles(s);
    s.Level = 3;
    s.P1 = s.P2 = s.P3 = s.P4 = s.P5 = s.P6 = s.P7 = 1;
    s.VariantIndex = 1;
    s.FirstNumber = 1;
    calculus::BeginAnalysisProblem(s, problem);
    calculus::WriteAnalysisVariant(s, problem);
    EXPECT_EQ(MainText(s), "") << problem;
    EXPECT_EQ(AnsText(s), "") << problem;
    EXPECT_FALSE(s.AnsTableOpen) << problem;
  }
}

TEST(AnalysisTables, TitlesKeepTheirStoredLengthAndSharedRowsMatch) {
  EXPECT_EQ(calculus::AnalysisTitles[1], "Limits (1)                          ");
  EXPECT_EQ(calculus::AnalysisTitles[1].size(), 36u);
  EXPECT_EQ(calculus::AnalysisTitles[7].size(), 47u);
  EXPECT_EQ(calculus::AnalysisTitles[29], "Sum of  series                            ");
  EXPECT_EQ(calculus::AnalysisTitles[32], "Triple integral ");
  EXPECT_EQ(calculus::AnalysisTitles[15], calculus::AnalysisTitles[27]);
  for (int i = 1; i <= calculus::kAnalysisProblemCount; ++i) {
    EXPECT_LE(calculus::AnalysisTitles[i].size(), 65u) << i;
  }
}

TEST(AnalysisTables, RangesOfRepresentativeRows) {
  struct Row {
    int row;
    std::uint8_t bounds[7];
  };
  const Row rows[] = {
      {1, {5, 6, 3, 3, 5, 33, 32}},   {4, {10, 10, 5, 5, 5, 5, 5}}, {5, {8, 6, 3, 8, 3, 4, 4}},
      {11, {20, 3, 3, 3, 5, 33, 32}}, {35, {8, 7, 4, 5, 5, 5, 11}}, {36, {9, 9, 9, 5, 5, 5, 5}},
      {40, {9, 9, 9, 5, 5, 5, 5}},
  };
  for (const Row& r : rows) {
    for (int p = 1; p <= 7; ++p) {
      EXPECT_EQ(calculus::AnalysisRanges[r.row][p], r.bounds[p - 1]) << r.row << " P" << p;
    }
  }
  EXPECT_EQ(calculus::AnalysisRanges[18], calculus::AnalysisRanges[19]);
}

TEST(AnalysisDispatch, ShellTableReachesTheAnalysisRows) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 1), 35);
  EXPECT_EQ(shell::ProblemTitle(table, 1, 4), "The second remarkable limit         ");
  EXPECT_EQ(shell::FindSubject(table, 1)->Tab, &calculus::AnalysisTab);
  EXPECT_EQ(shell::FindSubject(table, 1)->Letter, "a");

  SharedState s;
  OpenMemoryFiles(s);
  s.SubjectIndex = 1;
  s.Level = 1;
  shell::BeginSubjectProblem(s, 1, table);
  EXPECT_EQ(s.ParboxWidth, 175);
  EXPECT_NE(AnsText(s).find("& $n$ "), std::string::npos) << AnsText(s);
}

}  // namespace
