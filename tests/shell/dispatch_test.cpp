#include "shell/dispatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "shell/tiny_subject.h"
#include "support/memory_files.h"

namespace {

TEST(DispatchTest, NineSubjectsInTabOrderWithTheirLetters) {
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  const char* letters[9] = {"a", "m", "g", "c", "s", "k", "d", "b", "L"};
  for (int i = 1; i <= 9; ++i) {
    ASSERT_NE(shell::FindSubject(table, i), nullptr);
    EXPECT_EQ(shell::FindSubject(table, i)->Letter, letters[i - 1]);
    EXPECT_EQ(shell::SubjectLetters[static_cast<std::size_t>(i - 1)], letters[i - 1]);
  }
  EXPECT_EQ(shell::FindSubject(table, 0), nullptr);
  EXPECT_EQ(shell::FindSubject(table, 10), nullptr);
}

TEST(DispatchTest, TitlesOutsideTheRowsAreEmpty) {
  const shell::SubjectTable table = tiny_subject::TableWith(9);
  EXPECT_EQ(shell::ProblemTitle(table, 9, 1), "Sum of two numbers  ");
  EXPECT_EQ(shell::ProblemTitle(table, 9, 2), "Задача о сумме");
  EXPECT_EQ(shell::ProblemTitle(table, 9, 0), "");
  EXPECT_EQ(shell::ProblemTitle(table, 9, 3), "");
  EXPECT_EQ(shell::ProblemTitle(table, 10, 1), "");
  EXPECT_EQ(shell::ProblemCount(table, 9), 2);
}

TEST(DispatchTest, EntriesReachTheCurrentSubjectOnlyAndTheWeightBoxIsReset) {
  const shell::SubjectTable table = tiny_subject::TableWith(5);
  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  for (int subject : {0, 4, 10}) {
    s->SubjectIndex = subject;
    s->WeightBoxSize = 3;
    s->WeightBoxLabelled = false;
    shell::BeginSubjectProblem(*s, 1, table);
    shell::WriteSubjectVariant(*s, 1, table);
    EXPECT_EQ(s->WeightBoxSize, 8);
    EXPECT_TRUE(s->WeightBoxLabelled);
  }
  EXPECT_EQ(testing_support::MainText(*s), "");
  s->SubjectIndex = 5;
  s->VariantIndex = 1;
  s->P1 = 2;
  s->P2 = 3;
  shell::BeginSubjectProblem(*s, 1, table);
  shell::WriteSubjectVariant(*s, 1, table);
  EXPECT_EQ(testing_support::MainText(*s), "Find $a+b$.\r\n$a=2$, $b=3$\r\n");
}

}  // namespace
