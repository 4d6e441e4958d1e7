#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>

#include "subjects/discrete/discrete.h"
#include "tests/subjects/calculus/set_check.h"
#include "tests/support/memory_files.h"
#include "tests/support/numeric_check.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace {

using numeric_check::Params;

// The problem is row 4 of the discrete-mathematics tab.
constexpr int kRow = 4;

// One document of the row: begin once, then each Run writes one variant into emptied files.
class SetRunner {
 public:
  explicit SetRunner(bool ticket_mode) {
    testing_support::OpenMemoryFiles(s_);
    s_.Level = 1;
    s_.FirstNumber = 1;
    s_.VariantIndex = 1;
    // Every variant is the document's last: the split answers are written at once.
    s_.VariantCount = 1;
    s_.TicketMode = ticket_mode;
    discrete::BeginDiscreteProblem(s_, kRow);
  }
  std::pair<std::string, std::string> Run(const Params& q) {
    testing_support::OpenMemoryFiles(s_);
    std::int8_t* p[7] = {&s_.P1, &s_.P2, &s_.P3, &s_.P4, &s_.P5, &s_.P6, &s_.P7};
    for (int k = 0; k < 7; ++k) *p[k] = static_cast<std::int8_t>(q.p[k]);
    discrete::WriteDiscreteVariant(s_, kRow);
    return {testing_support::MainText(s_),
            testing_support::AnsText(s_) + testing_support::Ans2Text(s_)};
  }

 private:
  SharedState s_;
};

TEST(SetCardinality, BeginWritesStatementAndTicketHeading) {
  for (bool ticket : {false, true}) {
    SharedState s;
    testing_support::OpenMemoryFiles(s);
    s.TicketMode = ticket;
    discrete::BeginDiscreteProblem(s, kRow);
    EXPECT_EQ(s.ParboxWidth, 125);
    EXPECT_EQ(testing_support::MainText(s),
              "\\tabcolsep=1pt Универсальное множество состоит из 26 строчных букв латинского "
              "алфавита.\r\n Заданы множества $A$, $B$, $C$ и $D$. \r\n Вычислить мощность "
              "множеств $X$ и $Y$.\\\\\r\n");
    // Outside tickets the answers are split tables, written after the last variant.
    EXPECT_EQ(testing_support::AnsText(s),
              ticket ? "\\noindent\\begin{center}\\begin{tabular}{|r|r|r|r|r|r|r|}\\hline \r\n"
                       "\\No &\\tiny Card(X)&\\tiny  Card(Y)&  &  \\\\\\hline\r\n"
                     : "");
  }
}

TEST(SetCardinality, WritesSetsExpressionsAndCardinalities) {
  SetRunner run(false);
  // P1 = 1 puts the character before 'a' into A: five letters remain.
  auto [main, ans] = run.Run({{1, 4, 1, 2, 3, 4, 1}});
  EXPECT_EQ(main,
            " $A=\\{\r\na,b,c,d,e\r\n\\}$,\\\\\r\n $B=\\{\r\nc,d,e,m,v\r\n\\}$,\\\\\r\n"
            " $C=\\{\r\na,e,g,h,i\r\n\\}$,\\\\\r\n $D=\\{\r\nd,q,r,v,w\r\n\\}$.\\\\  \r\n"
            "$X$= $(A\\backslash  B)\\cap (C\\cap D)$, \\\\[1mm] $Y$=\r\n"
            " $(A\\cap \\overline{B})\\cup (C\\backslash D)$.\r\n");
  EXPECT_NE(ans.find("\\hline \r\n 1 &0&  6 & $(A\\cap \\overline{B})$=a,b\\noindent"),
            std::string::npos)
      << ans;
  EXPECT_NE(ans.find("\\hline \r\n 1 &  $(C\\backslash D)$=a,e,g,h,i"), std::string::npos) << ans;
  // P5 = 13: none of D's four high members is a letter.
  std::tie(main, ans) = run.Run({{2, 1, 1, 1, 13, 1, 1}});
  EXPECT_NE(main.find(" $D=\\{\r\na\r\n\\}$"), std::string::npos) << main;
}

TEST(SetCardinality, TicketModePrintsOnlyTheSetsXUsesAndItsCell) {
  SetRunner run(true);
  auto [main, ans] = run.Run({{1, 4, 1, 2, 3, 4, 1}});
  EXPECT_EQ(main,
            " $A=\\{\r\na,b,c,d,e\r\n\\}$,\\\\\r\n $B=\\{\r\nc,d,e,m,v\r\n\\}$,\r\n"
            " $C=\\{\r\na,e,g,h,i\r\n\\}$,\\\\\r\n $D=\\{\r\nd,q,r,v,w\r\n\\}$.\\\\  \r\n"
            "$X$= $(A\\backslash  B)\\cap (C\\cap D)$.");
  EXPECT_EQ(ans, "&0");
  std::tie(main, ans) = run.Run({{1, 1, 1, 2, 3, 4, 1}});
  EXPECT_EQ(main.find("$C="), std::string::npos) << main;
}

// X, Y and the two intermediate sets recomputed from the printed sets and the printed
// expressions; in ticket mode, the printed sets are exactly those X names.
TEST(SetCardinality, AnswersAreTheCardinalitiesOfThePrintedExpressions) {
  static const std::regex kX(R"(\$X\$= \$([^$]*)\$)");
  static const std::regex kY(R"(\$Y\$=\r\n *\$([^$]*)\$\.)");
  static const std::regex kFirstTable(R"( ?\d+ &(\d+)&  (\d+) & *\$([^$]*)\$=([a-z,]*))");
  static const std::regex kSecondTable(R"(\n ?\d+ &\s*\$([^$]*)\$=([a-z,]*))");
  static const std::regex kTicketAnswer(R"(^&(\d+)$)");
  SetRunner run(false), ticket(true);
  const std::array<int, 7> lo{1, 1, 1, 1, 1, 1, 1}, hi{4, 10, 15, 15, 15, 33, 1};
  long long checked = 0;
  for (const auto& point : testing_support::SweepPoints(lo, hi, 3000, 1, 1)) {
    Params q;
    for (int k = 0; k < 7; ++k) q.p[k] = point.p[k];
    const std::string where = testing_support::Describe(point);
    {
      const auto [main, ans] = run.Run(q);
      const auto sets = set_check::ReadSets(main);
      ASSERT_EQ(sets.size(), 4u) << where << "\n" << main;
      const auto x = numeric_check::Match(main, kX);
      const auto y = numeric_check::Match(main, kY);
      auto a = numeric_check::Match(ans, kFirstTable);
      const auto second = numeric_check::Match(ans, kSecondTable);
      ASSERT_EQ(x.size(), 1u) << where << "\n" << main;
      ASSERT_EQ(y.size(), 1u) << where << "\n" << main;
      ASSERT_EQ(a.size(), 4u) << where << "\n" << ans;
      ASSERT_EQ(second.size(), 2u) << where << "\n" << ans;
      a.insert(a.end(), second.begin(), second.end());
      EXPECT_EQ(std::stoi(a[0]), int(set_check::Evaluate(x[0], sets).count())) << where;
      EXPECT_EQ(std::stoi(a[1]), int(set_check::Evaluate(y[0], sets).count())) << where;
      EXPECT_EQ(a[3], set_check::Members(set_check::Evaluate(a[2], sets))) << where;
      EXPECT_EQ(a[5], set_check::Members(set_check::Evaluate(a[4], sets))) << where;
    }
    {
      const auto [main, ans] = ticket.Run(q);
      const auto sets = set_check::ReadSets(main);
      const auto x = numeric_check::Match(main, kX);
      const auto a = numeric_check::Match(ans, kTicketAnswer);
      ASSERT_EQ(x.size(), 1u) << where << "\n" << main;
      ASSERT_EQ(a.size(), 1u) << where << "\n" << ans;
      for (char name : {'A', 'B', 'C', 'D'}) {
        EXPECT_EQ(sets.count(name) == 1, x[0].find(name) != std::string::npos)
            << where << ", set " << name << "\n"
            << main;
      }
      EXPECT_EQ(std::stoi(a[0]), int(set_check::Evaluate(x[0], sets).count())) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4LL * 10 * 15 * 15 * 15 * 33));
}

// In students mode both split tables carry the student column, headed and filled.
TEST(SetCardinality, StudentsModeHeadsTheStudentColumn) {
  auto s = testing_support::NewState();
  s->StudentsMode = true;
  s->VariantCount = 1;
  s->StudentNames[2] = "Ivanov";
  const auto texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { discrete::BeginDiscreteProblem(st, kRow); },
      [](SharedState& st) { discrete::WriteDiscreteVariant(st, kRow); }, {{1, 4, 1, 2, 3, 4, 1}});
  for (const std::string& part : {texts.answers, texts.second_answers}) {
    EXPECT_NE(part.find("&   студент\\\\\\hline"), std::string::npos) << part;
    EXPECT_NE(part.find(" & Ivanov"), std::string::npos) << part;
  }
}

// The row typesets as one document of the discrete tab: begin, variants, rows ended, table
// closed.
TEST(SetCardinality, DocumentThroughTheDiscreteEntries) {
  auto s = testing_support::NewState();
  s->VariantCount = 2;
  const auto texts = testing_support::RunBeginVariant(
      *s, [](SharedState& st) { discrete::BeginDiscreteProblem(st, kRow); },
      [](SharedState& st) { discrete::WriteDiscreteVariant(st, kRow); },
      {{1, 4, 1, 2, 3, 4, 1}, {4, 10, 15, 15, 15, 33, 1}});
  for (const std::string& part : {texts.answers, texts.second_answers}) {
    EXPECT_NE(part.find("\r\n 1 &"), std::string::npos) << part;
    EXPECT_NE(part.find("\r\n 2 &"), std::string::npos) << part;
    EXPECT_NE(part.find("\\end{tabular}"), std::string::npos) << part;
  }
}

}  // namespace
