#include "subjects/statics/truss_column.h"

#include <gtest/gtest.h>

#include <algorithm>
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
  return RunBeginVariant(*s, BeginTrussColumnProblem, WriteTrussColumnVariant, {p});
}

std::string PictureOf(const std::string& main) {
  const std::size_t from = main.find("\\begin{picture}(182,105)");
  return main.substr(from, main.find("\\end{picture}", from) - from);
}

std::string Where(const VariantParams& p) {
  std::string w = "p1..p6 =";
  for (int k = 0; k < 6; ++k) w += " " + std::to_string(p[static_cast<std::size_t>(k)]);
  return w;
}

TEST(TrussColumnTest, BeginWritesTheStatementTheBoxesAndTheHead) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(t.main.find("Determine the effort in rods 1-5. Dimensions are given in meters."
                        "\\newsavebox{\\basefermA}"),
            0u);
  EXPECT_NE(t.main.find("\\newsavebox{\\basefermC}"), std::string::npos);
  EXPECT_NE(t.main.find(" \\Red{(p.37.)}\\par\\noindent\r\n"), std::string::npos);
  EXPECT_EQ(t.answers.find("\\tabcolsep=2pt\\noindent\\begin{center}"), 0u);
  EXPECT_NE(
      t.answers.find(" \\No&$X_A$&$Y_A$&$R_B$&$ S_1 $&$S_2$&$S_3$&$S_4$&$S_5$\\\\\\hline \r\n"),
      std::string::npos);
}

TEST(TrussColumnTest, GoldenLines) {
  struct Case {
    const char* what;
    VariantParams p;
    std::vector<const char*> lines;
  };
  const Case cases[] = {
      {"shape 2, odd sign", {11, 1, 1, 1, 1, 1, 1}, {"\\usebox{\\basefermB}", "$Q=30$~kN,"}},
      {"shape 1, even sign", {10, 1, 1, 1, 1, 1, 1}, {"\\usebox{\\basefermA}"}},
      {"shape 3", {30, 1, 1, 1, 1, 1, 1}, {"\\usebox{\\basefermC}"}},
      {"size row 1, p2' = 3",
       {1, 3, 1, 1, 1, 1, 1},
       {"\\usebox{\\hingmobil}", "$\\beta=30^\\circ$.}"}},
      {"p2 = 6: hinge at 1, roller at 4, beta 15",
       {2, 6, 1, 7, 5, 3, 1},
       {"\\put(0,10){\\usebox{\\hing}}", "\\put(112,10){\\usebox{\\hingmobil}}",
        "\\hskip5mm  $P=90$~kN, $Q=90$~kN,\r\n $F=32$~kN,\\\\ \\rule{4mm}{0mm} "
        "$\\alpha=55^\\circ$,  $\\beta=15^\\circ$.}"}},
      {"p5 = 6: P = 10", {2, 12, 1, 1, 6, 1, 1}, {"$P=10$~kN,", "$\\beta=15^\\circ$."}},
      {"horizontal Q",
       {2, 18, 16, 1, 9, 3, 1},
       {"$P=40$~kN, $Q=30$~kN,\r\n\\\\ \\rule{4mm}{0mm} "
        "$F=32$~kN,  $\\alpha=75^\\circ$.}",
        "\\vector(-1,0){20}"}},
  };
  for (const Case& c : cases) {
    const auto t = RunOne(c.p);
    for (const char* line : c.lines) {
      EXPECT_NE(t.main.find(line), std::string::npos) << c.what << ": " << line;
    }
  }
  // Size rows: p2 = 3 gives row 1 (h0 = 2, h1 = 2), p2 = 4 row 2 (2, 1): the two labels of the
  // dimension line right of the truss, from the bottom up.
  for (const auto& [p2, h1] : std::vector<std::pair<int, int>>{{3, 2}, {4, 1}}) {
    const std::string pic = PictureOf(RunOne({1, p2, 1, 1, 1, 1, 1}).main);
    double right = -1e9;
    for (const PutPoint& at : PutsOf(pic, "{\\scriptsize ")) right = std::max(right, at.x);
    std::vector<double> values;
    for (std::size_t from = 0; (from = pic.find("{\\scriptsize ", from)) != std::string::npos;) {
      const PutPoint at = PutBefore(pic, from);
      const double v = NumberAfter(pic, "{\\scriptsize ", from);
      if (at.x == right) values.push_back(v);
    }
    EXPECT_EQ(values, (std::vector<double>{2, static_cast<double>(h1)})) << p2;
  }
}

TEST(TrussColumnTest, P5OneAndNineMarkPanelOneTheOthersPanelTwo) {
  // Shape 1 at Scale 14: panel 1 spans 0..28, panel 2 28..70; rod 3 is numbered at (xm, 11).
  for (int p5 = 1; p5 <= 9; ++p5) {
    const std::string pic = PictureOf(RunOne({2, 1, 1, 1, p5, 1, 1}).main);
    const std::size_t green = pic.find("\\Green{");
    const PutPoint three = PutBefore(pic, pic.find("{\\scriptsize 3}", green));
    EXPECT_EQ(three.x, p5 == 1 || p5 == 9 ? 14 : 49) << p5;
    EXPECT_EQ(three.y, 11) << p5;
  }
}

TEST(TrussColumnTest, TheAnswersRowStartsWithTheNumberInWidthTwo) {
  const auto t = RunOne({1, 1, 1, 1, 1, 1, 1}, 5);
  EXPECT_EQ(SingleRow(t.answers).substr(0, 3), " 5&") << t.answers;
}

int NearestJoint(const std::vector<PutPoint>& joints, double x, double y, double within) {
  for (int k = 0; k < static_cast<int>(joints.size()); ++k) {
    if (std::hypot(joints[k].x - x, joints[k].y - y) <= within) return k;
  }
  return -1;
}

// The truss as drawn: the feet and panel widths from the base box the variant places, the post
// tops from their circles, every bar from the segments drawn between joints, supports, loads
// and the marked panel from where their boxes, vectors and numbers stand, values from the text.
// Its joint equations against the printed reactions and rod forces.
std::string CheckDrawnTruss(const VariantParams& p, int& horizontal_q) {
  const auto t = RunOne(p);
  const std::string pic = PictureOf(t.main);
  const std::size_t use = pic.find("\\usebox{\\baseferm");
  if (use == std::string::npos) return "no base box";
  const std::string letter = pic.substr(use + 17, 1);
  const std::size_t box_at = t.main.find("\\sbox{\\baseferm" + letter + "}");
  const std::size_t box_end =
      std::min(t.main.find("\\newsavebox", box_at + 1), t.main.find("\\vskip1mm", box_at));
  const std::string box = t.main.substr(box_at, box_end - box_at);
  const std::vector<PutPoint> feet_at = PutsOf(box, "\\circle{");
  if (feet_at.size() != 5) return "expected five feet";
  std::vector<double> widths;
  for (std::size_t from = 0; (from = box.find("{\\small ", from)) != std::string::npos;) {
    widths.push_back(NumberAfter(box, "{\\small ", from));
  }
  if (widths.size() != 4) return "expected four panel widths";
  double span = 0;
  for (double w : widths) span += w;
  const double scale = (feet_at[4].x - feet_at[0].x) / span;

  std::vector<PutPoint> joints = feet_at;
  const std::vector<PutPoint> tops = PutsOf(pic, "\\circle{");
  if (tops.size() != 5) return "expected five post tops";
  joints.insert(joints.end(), tops.begin(), tops.end());

  PlaneStructure f;
  double x = 0;
  for (int k = 0; k < 5; ++k) {
    f.AddJoint(x, 0);
    if (k < 4) x += widths[static_cast<std::size_t>(k)];
  }
  for (int k = 0; k < 5; ++k) {
    const double h = (tops[k].y - 10) / scale;
    if (std::fabs(h - std::round(h)) > 0.01 || std::round(h) < 1) return "post height";
    if (std::fabs(tops[k].x - feet_at[k].x) > 0.011) return "post not vertical";
    f.AddJoint(f.x[k], std::round(h));
  }
  std::vector<int> lower;
  for (int k = 0; k < 4; ++k) lower.push_back(f.AddBar(k, k + 1));
  // The bars drawn after the supports, each shortened by 1.5 at both ends.
  const std::size_t bars_at = pic.rfind("\\special{em:linewidth0.6pt}");
  std::vector<std::pair<int, int>> drawn;
  for (std::size_t from = bars_at; (from = pic.find("\\mt{", from)) != std::string::npos;) {
    const double x1 = NumberAfter(pic, "\\mt{", from), y1 = NumberAfter(pic, "{", from);
    const double x2 = NumberAfter(pic, "\\pp{", from), y2 = NumberAfter(pic, "{", from);
    const double l = std::hypot(x2 - x1, y2 - y1);
    const double ux = (x2 - x1) / l, uy = (y2 - y1) / l;
    const int i = NearestJoint(joints, x1 - 1.5 * ux, y1 - 1.5 * uy, 0.05);
    const int j = NearestJoint(joints, x2 + 1.5 * ux, y2 + 1.5 * uy, 0.05);
    if (i < 0 || j < 0) return "a bar does not end at joints";
    drawn.emplace_back(i, j);
  }
  if (drawn.size() != 13) return "expected 13 bars drawn, got " + std::to_string(drawn.size());
  std::vector<int> bar_of_drawn;
  for (const auto& [i, j] : drawn) bar_of_drawn.push_back(f.AddBar(i, j));

  const auto foot_of = [&](std::string_view marker) {
    const std::size_t at = pic.find(marker);
    if (at == std::string::npos) return -1;
    const PutPoint q = PutBefore(pic, at);
    return NearestJoint(feet_at, q.x, feet_at[0].y, 0.05 + 0 * q.y);
  };
  const int hinge = foot_of("\\usebox{\\hing}");
  const int roller = foot_of("\\usebox{\\hingmobil}");
  if (hinge < 0 || roller < 0 || hinge == roller) return "supports";
  const int xa = f.AddReaction(hinge, 1, 0), ya = f.AddReaction(hinge, 0, 1);
  const int rb = f.AddReaction(roller, 0, 1);

  const double P = NumberAfter(t.main, "$P=");
  const double Q = NumberAfter(t.main, "$Q=");
  const double F = NumberAfter(t.main, "$F=");
  const double rad = std::numbers::pi / 180;
  const double alpha = NumberAfter(t.main, "$\\alpha=") * rad;
  const std::vector<PutPoint> p_at = PutsOf(pic, "\\vector(0,-1){15}");
  if (p_at.size() != 2) return "expected two loads P";
  for (const PutPoint& at : p_at) {
    const int j = NearestJoint(feet_at, at.x, feet_at[0].y, 0.05);
    if (j < 0 || j == hinge || j == roller) return "P not at a free foot";
    f.fy[j] -= P;
  }
  const int jf = foot_of("\\vector(1,-2)");
  if (jf < 0 || jf == hinge || jf == roller) return "F not at a free foot";
  f.fx[jf] += F * std::cos(alpha);
  f.fy[jf] -= F * std::sin(alpha);

  // Q: a vector whose tail or tip stands one unit beside a post top.
  double qx = 0, qy = 0;
  int jq = -1;
  for (const char* dir :
       {"\\vector(3,2){21}", "\\vector(-3,-2){21}", "\\vector(1,0){20}", "\\vector(-1,0){20}"}) {
    const std::size_t at = pic.find(dir);
    if (at == std::string::npos) continue;
    const std::string d(dir);
    const double dx = d[8] == '-' ? -1 : 1;
    const bool slanted = d.find("3,2") != std::string::npos || d.find("-3,-2") != std::string::npos;
    const double len = slanted ? 21 : 20;
    const PutPoint tail = PutBefore(pic, at);
    const PutPoint tip{tail.x + dx * len, tail.y + (slanted ? dx * len * 2 / 3 : 0)};
    // Slanted, the vector starts or ends one unit right of the joint; horizontal, one left.
    const double gap = slanted ? 1 : -1;
    jq = NearestJoint(tops, tail.x - gap, tail.y, 0.05);
    if (jq < 0) jq = NearestJoint(tops, tip.x - gap, tip.y, 0.05);
    if (slanted) {
      const double beta = NumberAfter(t.main, "$\\beta=") * rad;
      qx = dx * Q * std::cos(beta);
      qy = dx * Q * std::sin(beta);
    } else {
      ++horizontal_q;
      if (t.main.find("$\\beta=") != std::string::npos) return "beta printed for a horizontal Q";
      qx = dx * Q;
    }
  }
  if (jq < 0) return "Q not at a post top";
  f.fx[5 + jq] += qx;
  f.fy[5 + jq] += qy;

  // The marked panel: rod 3 is numbered at the middle of its lower chord member.
  const std::size_t green = pic.find("\\Green{");
  const PutPoint three = PutBefore(pic, pic.find("{\\scriptsize 3}", green));
  int e = -1;
  for (int k = 0; k < 4; ++k) {
    if (std::fabs((feet_at[k].x + feet_at[k + 1].x) / 2 - three.x) < 0.05) e = k;
  }
  if (e < 0) return "rod 3 is not numbered at a panel";
  int upper = -1, diagonal = -1, post4 = -1, post5 = -1;
  for (std::size_t k = 0; k < drawn.size(); ++k) {
    const auto [i, j] = drawn[k];
    const auto is = [&](int a, int b) { return (i == a && j == b) || (i == b && j == a); };
    if (is(5 + e, 6 + e)) upper = bar_of_drawn[k];
    if (is(e, 6 + e) || is(5 + e, e + 1)) diagonal = bar_of_drawn[k];
    if (is(e + 1, 6 + e)) post4 = bar_of_drawn[k];
    if (is(e + 2, 7 + e)) post5 = bar_of_drawn[k];
  }
  if (upper < 0 || diagonal < 0 || post4 < 0 || post5 < 0) return "marked rods not drawn";

  const std::vector<double> s = statics_testing::SolveJoints(f);
  if (s.empty()) return "singular truss";
  const std::vector<double> cells = AnswerCells(SingleRow(t.answers));
  if (cells.size() != 9) return "answers row of " + std::to_string(cells.size()) + " cells";
  const std::vector<double> want = {s[xa],       s[ya],       s[rb],    s[upper],
                                    s[diagonal], s[lower[e]], s[post4], s[post5]};
  for (std::size_t k = 0; k < want.size(); ++k) {
    if (!(std::fabs(cells[k + 1] - want[k]) <= 0.0005 + 1e-9 * std::fabs(want[k]))) {
      return "answer " + std::to_string(k + 1) + ": printed " + std::to_string(cells[k + 1]) +
             ", joints give " + std::to_string(want[k]);
    }
  }
  return {};
}

TEST(TrussColumnTest, TheAnswersBalanceTheDrawnTruss) {
  // Every shape, size row, support pair and Q mode (P1, P2, P3) with every P5 (marked panel and
  // loads); P4 and P6 only scale Q and F and run through their values along the way. The normal
  // suite takes every 37th of these 145 800 sets.
  const int stride = testing_support::FullSweep() ? 1 : 37;
  long index = 0, checked = 0;
  int horizontal_q = 0;
  for (int p1 = 1; p1 <= 30; ++p1)
    for (int p2 = 1; p2 <= 18; ++p2)
      for (int p3 = 1; p3 <= 30; ++p3)
        for (int p5 = 1; p5 <= 9; ++p5) {
          if (index++ % stride != 0) continue;
          const VariantParams p = {
              p1, p2, p3, 1 + static_cast<int>(index % 7), p5, 1 + static_cast<int>(index % 3), 1};
          const std::string what = CheckDrawnTruss(p, horizontal_q);
          ASSERT_EQ(what, "") << Where(p);
          ++checked;
        }
  EXPECT_EQ(checked, (145800 + stride - 1) / stride);
  EXPECT_GT(horizontal_q, 0);
}

}  // namespace
}  // namespace statics
