#include "subjects/dynamics/dynamics.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"

namespace dynamics {
namespace {

TEST(DynamicsTablesTest, TitlesKeepTheirStoredBlanksAndTypos) {
  // Stored lengths, leading and trailing blanks included, row by row.
  const int lengths[kDynamicsProblemCount] = {42, 46, 41, 45, 2,  35, 61, 45, 39, 60, 60, 46,
                                              46, 32, 0,  15, 65, 65, 58, 40, 52, 45, 1,  18,
                                              1,  30, 0,  12, 26, 60, 32, 44, 48, 39};
  for (int row = 1; row <= kDynamicsProblemCount; ++row) {
    EXPECT_EQ(static_cast<int>(DynamicsTitles[row].size()), lengths[row - 1]) << row;
    EXPECT_LE(DynamicsTitles[row].size(), 65u) << row;
  }
  EXPECT_EQ(DynamicsTitles[7], " Dynamic calculation of the mechanism with unknown parametre ");
  EXPECT_EQ(DynamicsTitles[14], " Lagrange Equation  of 2nd sort ");
  EXPECT_EQ(DynamicsTitles[34], " the Principle of possible movings (2) ");
}

TEST(DynamicsTablesTest, TheShellListsTheTabAsSubjectSeven) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 7), kDynamicsProblemCount);
  EXPECT_EQ(shell::ProblemTitle(table, 7, 24), " Truss oscillation");
  EXPECT_EQ(shell::FindSubject(table, 7)->Letter, "d");
  EXPECT_EQ(shell::FindSubject(table, 7)->Tab, &DynamicsTab);
  for (int blank : {5, 15, 23, 25, 27}) EXPECT_FALSE(shell::IsBuilt(table, 7, blank)) << blank;
}

TEST(DynamicsTablesTest, RangesOfEveryRow) {
  const int bounds[40][7] = {
      {10, 20, 4, 3, 3, 33, 32}, {33, 1, 1, 1, 1, 33, 32},   {2, 20, 20, 6, 10, 5, 5},
      {3, 3, 2, 4, 5, 10, 10},   {14, 15, 40, 9, 9, 33, 32}, {3, 3, 2, 4, 5, 10, 10},
      {4, 16, 3, 4, 8, 33, 32},  {60, 6, 10, 7, 9, 33, 32},  {4, 4, 4, 8, 2, 33, 32},
      {4, 3, 2, 4, 5, 12, 12},   {36, 6, 10, 7, 9, 33, 32},  {4, 4, 4, 8, 2, 33, 32},
      {5, 4, 7, 2, 12, 3, 12},   {6, 5, 2, 3, 4, 3, 3},      {4, 16, 3, 4, 9, 33, 32},
      {12, 2, 2, 2, 2, 2, 2},    {5, 5, 2, 3, 4, 33, 32},    {5, 5, 2, 3, 4, 33, 32},
      {5, 5, 2, 3, 4, 33, 32},   {3, 2, 2, 2, 5, 5, 2},      {4, 2, 4, 4, 10, 33, 32},
      {5, 6, 6, 6, 9, 33, 32},   {2, 9, 6, 3, 3, 33, 32},    {6, 2, 2, 2, 9, 33, 32},
      {35, 1, 1, 1, 1, 33, 32},  {2, 3, 4, 6, 10, 33, 32},   {4, 4, 4, 2, 5, 33, 32},
      {10, 2, 2, 3, 3, 3, 3},    {10, 4, 4, 2, 1, 33, 32},   {127, 2, 2, 2, 10, 2, 5},
      {33, 2, 4, 5, 5, 33, 32},  {5, 5, 9, 9, 9, 9, 9},      {10, 10, 4, 4, 3, 6, 5},
      {5, 6, 3, 3, 4, 4, 4},     {1, 1, 1, 1, 1, 1, 1},      {1, 1, 1, 1, 1, 1, 1},
      {1, 1, 1, 1, 1, 1, 1},     {1, 1, 1, 1, 1, 1, 1},      {1, 1, 1, 1, 1, 1, 1},
      {1, 1, 1, 1, 1, 1, 1}};
  for (int row = 1; row <= 40; ++row) {
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(DynamicsRanges[row][p], bounds[row - 1][p - 1]) << row;
  }
}

// Rows outside the list, blank rows and rows not built yet write nothing through either
// entry; the begin entry still sets the default box, the variant entry leaves it alone.
TEST(DynamicsDispatchTest, RowsThatStartNothingWriteNothing) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int problem : {0, 35, 40, 255, 256, 5, 15, 23, 25, 27}) {
    for (int level : {1, 2}) {
      auto s = std::make_unique<SharedState>();
      testing_support::OpenMemoryFiles(*s);
      s->Level = level;
      s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
      s->VariantIndex = 1;
      BeginDynamicsProblem(*s, problem);
      EXPECT_EQ(s->BoxWidth, 120) << problem;
      EXPECT_EQ(s->BoxHeight, 60) << problem;
      s->BoxWidth = 77;
      WriteDynamicsVariant(*s, problem);
      EXPECT_EQ(s->BoxWidth, 77) << problem;
      EXPECT_EQ(testing_support::MainText(*s), "") << problem;
      EXPECT_EQ(testing_support::AnsText(*s), "") << problem;
      EXPECT_EQ(testing_support::Ans2Text(*s), "") << problem;
      EXPECT_EQ(s->P1, 1) << problem;
    }
  }
  for (int problem = 1; problem <= kDynamicsProblemCount; ++problem) {
    if (shell::IsBuilt(table, 7, problem)) continue;
    auto s = std::make_unique<SharedState>();
    testing_support::OpenMemoryFiles(*s);
    s->Level = 1;
    s->VariantIndex = 1;
    BeginDynamicsProblem(*s, problem);
    WriteDynamicsVariant(*s, problem);
    EXPECT_EQ(testing_support::MainText(*s), "") << problem;
  }
}

// The begin entry sets the default box before the row's own routine; a box the row sets stays
// in force, and a row that sets none draws into the default.
TEST(DynamicsDispatchTest, TheDefaultBoxAndARowsOwnBox) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  auto s = testing_support::NewState();
  s->BoxWidth = 5;
  s->BoxHeight = 5;
  testing_support::RunTableRow(*s, table, 7, 24, {{1, 1, 1, 1, 1, 1, 1}, {2, 2, 2, 2, 2, 1, 1}});
  EXPECT_EQ(s->BoxWidth, 90);  // the truss row's own box
  EXPECT_EQ(s->BoxHeight, 50);
  auto t = testing_support::NewState();
  t->BoxWidth = 5;
  testing_support::RunTableRow(*t, table, 7, 26, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(t->BoxWidth, 120);
  EXPECT_EQ(t->BoxHeight, 60);
}

}  // namespace
}  // namespace dynamics
