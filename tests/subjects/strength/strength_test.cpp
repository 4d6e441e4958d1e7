#include "subjects/strength/strength.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "tests/support/memory_files.h"
#include "tests/support/run_harness.h"

namespace strength {
namespace {

TEST(MechanicsTablesTest, TitlesKeepTheirStoredLengths) {
  // Stored lengths, trailing blanks included, row by row.
  const int lengths[kMechanicsProblemCount] = {48, 48, 24, 40, 53, 40, 39, 34, 29, 34, 31, 62, 62,
                                               65, 12, 27, 25, 43, 28, 12, 30, 34, 39, 48, 46, 33,
                                               27, 42, 56, 47, 40, 58, 40, 46, 44, 46, 40, 50, 46};
  for (int row = 1; row <= kMechanicsProblemCount; ++row) {
    EXPECT_EQ(static_cast<int>(MechanicsTitles[row].size()), lengths[row - 1]) << row;
  }
  EXPECT_EQ(MechanicsTitles[7], "Statically indeterminate rod system (2)");
}

TEST(MechanicsTablesTest, TheShellListsTheTabAsSubjectTwo) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  EXPECT_EQ(shell::ProblemCount(table, 2), kMechanicsProblemCount);
  EXPECT_EQ(shell::ProblemTitle(table, 2, 14),
            "The number of unknowns by the method of force and displacement me");
  EXPECT_EQ(shell::FindSubject(table, 2)->Letter, "m");
  EXPECT_EQ(shell::FindSubject(table, 2)->Tab, &MechanicsOfMaterialsTab);
}

TEST(MechanicsTablesTest, RangesOfSelectedRows) {
  struct Row {
    int row;
    int bounds[7];
  };
  const Row rows[] = {{1, {3, 8, 3, 5, 5, 5, 8}},        {7, {30, 30, 30, 8, 8, 8, 8}},
                      {19, {8, 8, 8, 8, 120, 120, 120}}, {33, {10, 10, 1, 1, 1, 1, 1}},
                      {39, {8, 32, 32, 32, 10, 10, 10}}, {40, {9, 9, 9, 5, 5, 5, 5}}};
  for (const Row& r : rows) {
    for (int p = 1; p <= 7; ++p) EXPECT_EQ(MechanicsRanges[r.row][p], r.bounds[p - 1]) << r.row;
  }
}

TEST(MechanicsDispatchTest, RowsOutsideTheListWriteNothing) {
  for (int problem : {0, 40, 255, -1}) {
    auto s = std::make_unique<SharedState>();
    testing_support::OpenMemoryFiles(*s);
    s->Level = 5;
    s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
    s->VariantIndex = 1;
    BeginMechanicsOfMaterialsProblem(*s, problem);
    WriteMechanicsOfMaterialsVariant(*s, problem);
    EXPECT_EQ(testing_support::MainText(*s), "") << problem;
    EXPECT_EQ(testing_support::AnsText(*s), "") << problem;
    EXPECT_EQ(testing_support::Ans2Text(*s), "") << problem;
    EXPECT_EQ(s->ParboxWidth, 0) << problem;
  }
}

TEST(MechanicsDispatchTest, StrengthRowsWriteTheSameDocumentAfterAnyOtherRow) {
  // Parameters within the bounds of every one of these rows. Each row's document alone, and after every other of these rows has run on the same state
  // (without the Start's reset of the drawing switches).
  const int rows[] = {2, 3, 6, 7, 11, 16, 17, 18, 22, 28, 31};
  const std::vector<testing_support::VariantParams> params = {{2, 2, 1, 2, 1, 3, 4},
                                                              {4, 1, 2, 1, 2, 4, 1}};
  for (int row : rows) {
    auto fresh = testing_support::NewState();
    const auto alone =
        testing_support::RunTableRow(*fresh, shell::DefaultSubjectTable(), 2, row, params);
    auto used = testing_support::NewState();
    for (int other : rows) {
      if (other == row) continue;
      testing_support::RunTableRow(*used, shell::DefaultSubjectTable(), 2, other,
                                   {{3, 1, 2, 2, 1, 2, 3}});
      testing_support::OpenMemoryFiles(*used);
    }
    const auto after =
        testing_support::RunTableRow(*used, shell::DefaultSubjectTable(), 2, row, params);
    EXPECT_EQ(after.main, alone.main) << row;
    EXPECT_EQ(after.answers, alone.answers) << row;
  }
}

}  // namespace
}  // namespace strength
