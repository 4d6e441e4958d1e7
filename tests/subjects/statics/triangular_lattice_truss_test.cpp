#include "subjects/statics/triangular_lattice_truss.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "subjects/statics/joint_balance.h"
#include "subjects/statics/text_reading.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace statics {
namespace {

using statics_testing::AnswerCells;
using statics_testing::NumberAfter;
using statics_testing::PlaneStructure;
using statics_testing::PutBefore;
using statics_testing::PutPoint;
using statics_testing::PutsOf;
using statics_testing::SingleRow;
using testing_support::RunBeginVariant;
using testing_support::VariantParams;

testing_support::RunTexts RunOne(const VariantParams& p, int first_number = 1) {
  auto s = testing_support::NewState();
  s->FirstNumber = first_number;
  return RunBeginVariant(*s, BeginTriangularLatticeTrussProblem, WriteTriangularLatticeTrussVariant,
                         {p});
}

// The picture of the one variant of a run.
std::string PictureOf(const std::string& main) {
  const std::size_t from = main.find("\\hskip14pt");
  return main.substr(from, main.find("\\end{picture}", from) - from);
}

TEST(TriangularLatticeTrussTest, TheAnswersAreTwoTablesOfSevenWithTheVariantNumber) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1}, 7);
  EXPECT_EQ(t.answers.find("\\scriptsize\\tabcolsep=1pt\\noindent\\begin{center}"
                           "\\begin{tabular}{|r|r|r|r|r|r|r|r|}\\hline \r\n\\No&$X_A$ \r\n"),
            0u)
      << t.answers;
  EXPECT_NE(t.answers.find("&$O_1$\r\n \\\\\\hline \r\n7&"), std::string::npos) << t.answers;
  EXPECT_NE(t.second_answers.find("&$D_4$ \r\n \\\\\\hline \r\n7&"), std::string::npos)
      << t.second_answers;
  EXPECT_NE(t.main.find("\\newsavebox{\\hingnakl}"), std::string::npos);
  EXPECT_NE(t.main.find("Dimensions are given in meters, load in kN.\\vskip1mm"), std::string::npos)
      << "statement written without a line end";
}

TEST(TriangularLatticeTrussTest, QStandsAtTheFirstApexAfterWhichTheChordDrops) {
  // p1 = 4 (digits 0, 0, 1): the chord never drops and Q goes to the last apex.
  const int apex_of_p1[6] = {0, 1, 2, 2, 3, 1};
  for (int p1 = 1; p1 <= 5; ++p1) {
    const std::string pic = PictureOf(RunOne({p1, 1, 1, 1, 1, 1, 1}).main);
    const PutPoint q = PutBefore(pic, pic.find("\\vector(1,0){16}"));
    const std::vector<PutPoint> circles = PutsOf(pic, "\\circle{");
    ASSERT_EQ(circles.size(), 7u);
    const PutPoint apex = circles[3 + apex_of_p1[p1]];
    EXPECT_NEAR(q.x, apex.x + 1, 0.011) << p1;
    EXPECT_NEAR(q.y, apex.y, 0.011) << p1;
  }
}

TEST(TriangularLatticeTrussTest, GoldenData) {
  struct Case {
    VariantParams p;
    std::vector<const char*> lines;
  };
  const Case cases[] = {
      {{1, 1, 1, 1, 3, 7, 1},
       {"$P=15$,\\\\\r\n$F=7$,\\\\\r\n$Q=10$,\\\\\r\n$\\alpha=45^\\circ$,\\\\\r\n$\\beta=30^\\circ$"
        "."
        "\\par}\\vskip5mm\r\n",
        "{\\scriptsize 2}", "{\\scriptsize 1}"}},
      {{1, 1, 1, 6, 4, 7, 1}, {"$Q=60$,", "$\\beta=45^\\circ$."}},
      {{1, 1, 1, 6, 8, 7, 1}, {"$\\beta=60^\\circ$."}},
      {{1, 1, 1, 6, 9, 7, 1}, {"$\\beta=60^\\circ$.", "$\\alpha=75^\\circ$"}},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    for (const char* line : c.lines) {
      EXPECT_NE(t.main.find(line), std::string::npos) << line << "\n" << t.main;
    }
  }
  // p4 = 1: panels 4, 2, 2 (half widths 2, 2, 1, 1, 1, 1); p4 = 6: 2, 4, 4.
  for (const auto& [p4, halves] : std::vector<std::pair<int, std::vector<double>>>{
           {1, {2, 2, 1, 1, 1, 1}}, {6, {1, 1, 2, 2, 2, 2}}}) {
    const std::string pic = PictureOf(RunOne({1, 1, 1, p4, 1, 1, 1}).main);
    std::vector<double> got;
    for (const PutPoint& at : PutsOf(pic, "{\\scriptsize ")) {
      if (at.y == -22) got.push_back(0);
    }
    std::size_t from = 0;
    got.clear();
    while ((from = pic.find(",-22){\\scriptsize ", from)) != std::string::npos) {
      got.push_back(NumberAfter(pic, "{\\scriptsize ", from));
    }
    EXPECT_EQ(got, halves) << p4;
  }
}

int NearestJoint(const std::vector<PutPoint>& joints, double x) {
  int best = 0;
  for (int k = 1; k < static_cast<int>(joints.size()); ++k) {
    if (std::fabs(joints[k].x - x) < std::fabs(joints[best].x - x)) best = k;
  }
  return best;
}

// The truss as drawn: lower joints and apexes from the circles, the metre scale from the
// printed half widths, supports and loads from where their boxes and vectors stand, load values
// and angles from the data text; its joint equations against the printed answers.
std::string CheckDrawnTruss(const VariantParams& p) {
  const auto t = RunOne(p);
  const std::string pic = PictureOf(t.main);
  const std::vector<PutPoint> circles = PutsOf(pic, "\\circle{");
  if (circles.size() != 7) return "expected 7 joints";
  const std::vector<PutPoint> lower(circles.begin(), circles.begin() + 4);
  const std::vector<PutPoint> apex(circles.begin() + 4, circles.end());
  double span = 0;
  for (std::size_t from = 0; (from = pic.find(",-22){\\scriptsize ", from)) != std::string::npos;) {
    span += NumberAfter(pic, "{\\scriptsize ", from);
  }
  // Two half widths a panel: their sum is the span.
  const double scale = (lower[3].x - lower[0].x) / span;

  const double P = NumberAfter(t.main, "$P=");
  const double F = NumberAfter(t.main, "$F=");
  const double Q = NumberAfter(t.main, "$Q=");
  const double alpha = NumberAfter(t.main, "$\\alpha=") * std::numbers::pi / 180;
  const double beta = NumberAfter(t.main, "$\\beta=") * std::numbers::pi / 180;

  // Lower joints in metres from the printed widths, each apex above the middle of its panel
  // at the whole-metre height the picture shows.
  std::vector<double> halves;
  for (std::size_t from = 0; (from = pic.find(",-22){\\scriptsize ", from)) != std::string::npos;) {
    halves.push_back(NumberAfter(pic, "{\\scriptsize ", from));
  }
  if (halves.size() != 6) return "expected six half widths";
  PlaneStructure f;
  double at = 0;
  f.AddJoint(0, 0);
  for (int k = 0; k < 3; ++k) f.AddJoint(at += 2 * halves[2 * k], 0);
  for (int k = 0; k < 3; ++k) {
    const double h = (apex[k].y - 10) / scale;
    if (std::fabs(h - std::round(h)) > 0.01 || std::round(h) < 1)
      return "apex height " + std::to_string(h);
    f.AddJoint((f.x[k] + f.x[k + 1]) / 2, std::round(h));
    if (std::fabs(apex[k].x - lower[0].x - scale * f.x.back()) > 0.011) {
      return "apex off centre";
    }
  }
  std::vector<int> u, o, d;
  for (int k = 0; k < 3; ++k) u.push_back(f.AddBar(k, k + 1));
  o.push_back(f.AddBar(4, 0));
  d.push_back(f.AddBar(4, 1));
  d.push_back(f.AddBar(5, 1));
  d.push_back(f.AddBar(5, 2));
  d.push_back(f.AddBar(6, 2));
  o.push_back(f.AddBar(4, 5));
  o.push_back(f.AddBar(5, 6));
  o.push_back(f.AddBar(6, 3));

  const int hinge = NearestJoint(lower, PutBefore(pic, pic.find("\\usebox{\\hing}")).x);
  const int roller = NearestJoint(lower, PutBefore(pic, pic.find("\\usebox{\\hingnakl}")).x);
  const int xa = f.AddReaction(hinge, 1, 0);
  const int ya = f.AddReaction(hinge, 0, 1);
  const int rb = f.AddReaction(roller, std::cos(beta), std::sin(beta));
  const int jp = NearestJoint(lower, PutBefore(pic, pic.find("\\vector(0,-1){15}")).x);
  const int jf = NearestJoint(lower, PutBefore(pic, pic.find("\\vector(1,-2)")).x);
  const PutPoint q = PutBefore(pic, pic.find("\\vector(1,0){16}"));
  int jq = 4 + NearestJoint(apex, q.x - 1);
  if (std::fabs(circles[jq].y - q.y) > 0.011) return "Q is not at an apex";
  if (jp == hinge || jp == roller || jf == hinge || jf == roller || jp == jf) {
    return "a load stands on a support";
  }
  f.fy[jp] -= P;
  f.fx[jf] += F * std::cos(alpha);
  f.fy[jf] -= F * std::sin(alpha);
  f.fx[jq] += Q;
  const std::vector<double> s = statics_testing::SolveJoints(f);
  if (s.empty()) return "singular truss";

  // Seven answers in each of the two tables, each table with the variant number.
  std::vector<double> cells = AnswerCells(SingleRow(t.answers));
  const std::vector<double> second = AnswerCells(SingleRow(t.second_answers));
  if (second.empty() || second[0] != cells[0]) return "the second table misses the variant";
  cells.insert(cells.end(), second.begin() + 1, second.end());
  if (cells.size() != 15) return "answers row of " + std::to_string(cells.size()) + " cells";
  const std::vector<double> want = {s[xa],   s[ya],   s[rb],   s[u[0]], s[u[1]], s[u[2]], s[o[0]],
                                    s[o[1]], s[o[2]], s[o[3]], s[d[0]], s[d[1]], s[d[2]], s[d[3]]};
  for (std::size_t k = 0; k < want.size(); ++k) {
    if (!(std::fabs(cells[k + 1] - want[k]) <= 0.0005 + 1e-9 * std::fabs(want[k]))) {
      return "answer " + std::to_string(k + 1) + ": printed " + std::to_string(cells[k + 1]) +
             ", joints give " + std::to_string(want[k]);
    }
  }
  return {};
}

TEST(TriangularLatticeTrussTest, TheAnswersBalanceTheDrawnTruss) {
  // 320 760 sets (P7 is not read); the normal suite takes every 61st.
  const int stride = testing_support::FullSweep() ? 1 : 61;
  long index = 0, checked = 0;
  for (int p1 = 1; p1 <= 5; ++p1)
    for (int p2 = 1; p2 <= 6; ++p2)
      for (int p3 = 1; p3 <= 6; ++p3)
        for (int p4 = 1; p4 <= 6; ++p4)
          for (int p5 = 1; p5 <= 9; ++p5)
            for (int p6 = 1; p6 <= 33; ++p6) {
              if (index++ % stride != 0) continue;
              const std::string what = CheckDrawnTruss({p1, p2, p3, p4, p5, p6, 1});
              ASSERT_EQ(what, "") << "p1..p6 = " << p1 << " " << p2 << " " << p3 << " " << p4 << " "
                                  << p5 << " " << p6;
              ++checked;
            }
  EXPECT_EQ(checked, (320760 + stride - 1) / stride);
}

}  // namespace
}  // namespace statics
