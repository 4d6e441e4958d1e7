#include "subjects/statics/statics.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"

namespace statics {
namespace {

TEST(StaticsTablesTest, TitlesKeepTheirStoredLengths) {
  // Stored lengths, trailing blanks included, row by row (the doubled "the" of rows 5, 6 and 27
  // mended).
  const int lengths[kStaticsProblemCount] = {29, 29, 38, 31, 41, 47, 18, 27, 38, 22, 24, 33, 33, 32,
                                             44, 29, 29, 29, 31, 41, 49, 30, 32, 25, 38, 38, 40};
  for (int row = 1; row <= kStaticsProblemCount; ++row) {
    EXPECT_EQ(static_cast<int>(StaticsTitles[row].size()), lengths[row - 1]) << row;
  }
  EXPECT_EQ(StaticsTitles[5], "Calculation of the truss (column)        ");
  EXPECT_EQ(StaticsTitles[26], "Simple Compound structure (3 body) II.");
  EXPECT_EQ(StaticsTitles[27], "Calculation of the simple truss         ");
}

TEST(StaticsTablesTest, TheShellListsTheTabAsSubjectFive) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 5), kStaticsProblemCount);
  EXPECT_EQ(shell::ProblemTitle(table, 5, 2), "Equilibrium chain of 3 links ");
  EXPECT_EQ(shell::FindSubject(table, 5)->Letter, "s");
  EXPECT_EQ(shell::FindSubject(table, 5)->Tab, &StaticsTab);
}

TEST(StaticsTablesTest, RangesOfEveryRow) {
  const int bounds[40][7] = {
      {16, 3, 3, 3, 9, 33, 32},   {6, 6, 4, 4, 4, 33, 32},  {15, 2, 3, 4, 5, 33, 32},
      {12, 12, 3, 3, 25, 33, 32}, {30, 18, 30, 7, 9, 3, 3}, {5, 6, 6, 6, 9, 33, 32},
      {12, 12, 4, 3, 25, 33, 32}, {12, 2, 3, 6, 6, 9, 9},   {4, 2, 2, 2, 8, 10, 8},
      {64, 64, 64, 3, 3, 10, 10}, {2, 2, 4, 3, 6, 2, 6},    {4, 4, 2, 3, 9, 33, 32},
      {3, 2, 2, 6, 4, 33, 32},    {3, 2, 2, 6, 4, 9, 2},    {2, 10, 4, 3, 4, 33, 32},
      {8, 2, 2, 9, 4, 9, 9},      {10, 8, 3, 3, 3, 3, 3},   {10, 5, 5, 5, 5, 16, 16},
      {5, 4, 3, 4, 5, 33, 32},    {3, 3, 5, 4, 9, 33, 32},  {2, 2, 4, 3, 6, 2, 6},
      {4, 4, 2, 3, 9, 33, 32},    {2, 4, 4, 4, 10, 10, 10}, {16, 2, 5, 5, 5, 5, 4},
      {4, 3, 3, 3, 4, 3, 4},      {4, 4, 2, 3, 3, 3, 3},    {5, 6, 2, 4, 16, 16, 16},
      {9, 9, 9, 5, 5, 5, 5},      {9, 9, 9, 5, 5, 5, 5},    {9, 9, 9, 5, 5, 5, 5},
      {9, 9, 9, 5, 5, 5, 5},      {9, 9, 9, 5, 5, 5, 5},    {9, 9, 9, 5, 5, 5, 5},
      {9, 9, 9, 5, 5, 5, 5},      {9, 9, 9, 5, 5, 5, 5},    {9, 9, 9, 5, 5, 5, 5},
      {9, 9, 9, 5, 5, 5, 5},      {9, 9, 9, 5, 5, 5, 5},    {9, 9, 9, 5, 5, 5, 5},
      {9, 9, 9, 5, 5, 5, 5}};
  for (int row = 1; row <= 40; ++row) {
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(StaticsRanges[row][p], bounds[row - 1][p - 1]) << row;
  }
}

// Rows outside the list, and listed rows whose problem type is not built yet, write nothing
// and change nothing through either entry.
TEST(StaticsDispatchTest, RowsOutsideTheListAndRowsNotBuiltWriteNothing) {
  for (int problem : {0, 28, 255, -1, 256}) {
    for (int level : {1, 2}) {
      auto s = std::make_unique<SharedState>();
      testing_support::OpenMemoryFiles(*s);
      s->Level = level;
      s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
      s->VariantIndex = 1;
      BeginStaticsProblem(*s, problem);
      WriteStaticsVariant(*s, problem);
      EXPECT_EQ(testing_support::MainText(*s), "") << problem;
      EXPECT_EQ(testing_support::AnsText(*s), "") << problem;
      EXPECT_EQ(testing_support::Ans2Text(*s), "") << problem;
      EXPECT_EQ(s->ParboxWidth, 0) << problem;
      EXPECT_EQ(s->P1, 1) << problem;
    }
  }
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int problem = 1; problem <= kStaticsProblemCount; ++problem) {
    if (shell::IsBuilt(table, 5, problem)) continue;
    auto s = std::make_unique<SharedState>();
    testing_support::OpenMemoryFiles(*s);
    s->Level = 1;
    s->VariantIndex = 1;
    BeginStaticsProblem(*s, problem);
    WriteStaticsVariant(*s, problem);
    EXPECT_EQ(testing_support::MainText(*s), "") << problem;
    EXPECT_EQ(s->ParboxWidth, 0) << problem;
  }
}

}  // namespace
}  // namespace statics
