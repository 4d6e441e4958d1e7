#include "shell/dispatch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "shell/tiny_subject.h"
#include "tests/support/memory_files.h"

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
  // Parameters a real row of subject 4 can take: that row may be built and write its problem.
  s->Level = 1;
  s->FirstNumber = 1;
  s->VariantIndex = 1;
  s->P1 = s->P2 = s->P3 = s->P4 = s->P5 = s->P6 = s->P7 = 1;
  for (int subject : {0, 4, 10}) {
    s->SubjectIndex = subject;
    s->WeightBoxSize = 3;
    s->WeightBoxLabelled = false;
    shell::BeginSubjectProblem(*s, 1, table);
    shell::WriteSubjectVariant(*s, 1, table);
    EXPECT_EQ(s->WeightBoxSize, 8);
    EXPECT_TRUE(s->WeightBoxLabelled);
  }
  EXPECT_EQ(testing_support::MainText(*s).find("Find $a+b$"), std::string::npos);
  testing_support::OpenMemoryFiles(*s);
  s->SubjectIndex = 5;
  s->VariantIndex = 1;
  s->P1 = 2;
  s->P2 = 3;
  shell::BeginSubjectProblem(*s, 1, table);
  shell::WriteSubjectVariant(*s, 1, table);
  EXPECT_EQ(testing_support::MainText(*s), "Find $a+b$.\r\n$a=2$, $b=3$\r\n");
}

// The rows of subject `subject` that write no problem, as the README lists them: ranges of
// consecutive rows ("14-17, 21"), or "every row" for a tab without a problem list.
std::string RowsNotBuilt(const shell::SubjectTable& table, int subject) {
  const int rows = shell::ProblemCount(table, subject);
  if (rows == 0) return "every row";
  std::vector<std::string> ranges;
  for (int r = 1; r <= rows; ++r) {
    if (shell::IsBuilt(table, subject, r)) continue;
    int last = r;
    while (last + 1 <= rows && !shell::IsBuilt(table, subject, last + 1)) ++last;
    ranges.push_back(last == r ? std::to_string(r)
                               : std::to_string(r) + "-" + std::to_string(last));
    r = last;
  }
  if (ranges.empty()) return "";
  std::string text = ranges[0];
  for (std::size_t i = 1; i < ranges.size(); ++i) text += ", " + ranges[i];
  return text;
}

TEST(DispatchTest, ReadmeListsExactlyTheRowsNotBuilt) {
  std::ifstream file(TARBEL_SOURCE_DIR "/README.md");
  ASSERT_TRUE(file.is_open());
  std::stringstream readme;
  readme << file.rdbuf();
  const shell::SubjectTable& table = shell::DefaultSubjectTable();
  for (int subject = 1; subject <= 9; ++subject) {
    const shell::SubjectRow& tab = *shell::FindSubject(table, subject);
    const std::string head =
        "  - " + std::string(tab.Letter) + " (" + std::string(tab.Caption) + "): ";
    const std::string rows = RowsNotBuilt(table, subject);
    const std::size_t at = readme.str().find(head);
    if (rows.empty()) {
      EXPECT_EQ(at, std::string::npos) << "README still lists rows of a whole tab: " << head;
      continue;
    }
    ASSERT_NE(at, std::string::npos) << "README lacks the line: " << head << rows;
    const std::size_t end = readme.str().find('\n', at);
    EXPECT_EQ(readme.str().substr(at, end - at), head + rows);
  }
}

TEST(DispatchTest, BuiltRowsAndTheLevelOnePair) {
  // Row 1 gives another problem at Level 1; row 2 has no routines.
  static const subjects::ProblemRow rows[] = {
      {"Two problems",
       {1, 1, 1, 1, 1, 1, 1},
       [](SharedState& s) { toolkit::WriteLine(s, "begin"); },
       [](SharedState& s) { toolkit::WriteLine(s, "variant"); },
       [](SharedState& s) { toolkit::WriteLine(s, "begin at Level 1"); },
       [](SharedState& s) { toolkit::WriteLine(s, "variant at Level 1"); }},
      {"Not built", {2, 2, 2, 2, 2, 2, 2}},
  };
  static const subjects::ParameterBounds spare[] = {{3, 3, 3, 3, 3, 3, 3}};
  const subjects::ProblemTab tab{rows, spare};
  shell::SubjectTable table = shell::DefaultSubjectTable();
  table[6].Tab = &tab;
  EXPECT_TRUE(shell::IsBuilt(table, 7, 1));
  EXPECT_FALSE(shell::IsBuilt(table, 7, 2));
  EXPECT_FALSE(shell::IsBuilt(table, 7, 3));
  EXPECT_FALSE(shell::IsBuilt(table, 0, 1));
  const toolkit::TParameterRangeTable ranges = shell::SubjectRanges(table, 7);
  EXPECT_EQ(ranges[1][1], 1);
  EXPECT_EQ(ranges[2][7], 2);
  EXPECT_EQ(ranges[3][4], 3);
  EXPECT_EQ(ranges[4][4], 0);

  auto s = std::make_unique<SharedState>();
  testing_support::OpenMemoryFiles(*s);
  s->SubjectIndex = 7;
  for (int level : {1, 2}) {
    s->Level = level;
    shell::BeginSubjectProblem(*s, 1, table);
    shell::WriteSubjectVariant(*s, 1, table);
    shell::BeginSubjectProblem(*s, 2, table);
    shell::WriteSubjectVariant(*s, 2, table);
  }
  EXPECT_EQ(testing_support::MainText(*s),
            "begin at Level 1\r\nvariant at Level 1\r\nbegin\r\nvariant\r\n");
}

}  // namespace
