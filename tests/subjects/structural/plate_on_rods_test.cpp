#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "subjects/structural/plate_on_four_rods.h"
#include "subjects/structural/plate_on_two_rods.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

constexpr int kRow = 23;

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants,
                                 int level, bool students = false) {
  auto s = testing_support::NewState();
  s->Level = level;
  s->FirstNumber = 7;
  if (students) {
    s->StudentsMode = true;
    for (size_t v = 1; v <= variants.size(); ++v) s->StudentNames[v + 1] = "Student" + std::to_string(v);
  }
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, variants);
}

// The numbers of the text after `head` up to the first row end, "&" and "$" read as blanks
// and "S_i(" prefixes dropped.
std::vector<double> NumbersAfter(const std::string& text, const std::string& head) {
  const size_t from = text.find(head);
  if (from == std::string::npos) return {};
  std::string row = text.substr(from + head.size());
  row = row.substr(0, row.find("\\\\"));
  for (size_t at; (at = row.find("$S_")) != std::string::npos;) row.replace(at, 5, " ");
  for (char& c : row)
    if (c == '&' || c == '$' || c == '(' || c == ')' || c == '=' || c == '+') c = ' ';
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

// ---- Four rods: the rigid plate's three degrees of freedom -------------------------------

struct PlateSolution {
  bool held = false;
  double S[5] = {};
};

// The plate as drawn: rod i from corner i to its anchor, EA = 1. The displacement d = (u, v,
// theta) about the origin solves K d = F with K = sum b b^T / l, b = (ex, ey, arm); a rod's
// tension is its lengthening -b.d over its length.
PlateSolution SolveByStiffness(const PlateOnFourRodsVariant& v) {
  double b[5][3], l[5];
  double K[3][3] = {};
  for (int i = 1; i <= 4; ++i) {
    const double dx = v.X[i + 4] - v.X[i], dy = v.Y[i + 4] - v.Y[i];
    l[i] = std::hypot(dx, dy);
    b[i][0] = dx / l[i];
    b[i][1] = dy / l[i];
    // The arm in units of the plate's width, so that the three freedoms weigh alike.
    b[i][2] = (v.X[i] * b[i][1] - v.Y[i] * b[i][0]) / 40;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) K[r][c] += b[i][r] * b[i][c] / l[i];
  }
  const double F[3] = {0, -static_cast<double>(v.P), (-20.0 * v.P + v.m) / 40};
  auto det3 = [](const double a[3][3]) {
    return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
           a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
           a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
  };
  PlateSolution out;
  const double det = det3(K);
  double scale = 0;
  for (auto& row : K)
    for (double x : row) scale = std::max(scale, std::fabs(x));
  out.held = std::fabs(det) > 1e-8 * scale * scale * scale;
  if (!out.held) return out;
  double d[3];
  for (int c = 0; c < 3; ++c) {
    double a[3][3];
    for (int r = 0; r < 3; ++r)
      for (int k = 0; k < 3; ++k) a[r][k] = k == c ? F[r] : K[r][k];
    d[c] = det3(a) / det;
  }
  for (int i = 1; i <= 4; ++i) out.S[i] = -(b[i][0] * d[0] + b[i][1] * d[1] + b[i][2] * d[2]) / l[i];
  return out;
}

bool FreeInThePart(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  const int p[4] = {p1, p2, p3, p4};
  auto is = [&p](int a, int b, int c, int d) {
    return p[0] == a && p[1] == b && p[2] == c && p[3] == d;
  };
  if (is(1, 3, 1, 3) || is(3, 1, 3, 1)) return true;
  return (is(1, 3, 2, 2) || is(2, 2, 1, 3)) && p5 + p7 == 2 * p6;
}

TEST(PlateOnFourRodsTest, EverySettingHoldsThePlateAndOnlyTheFreeOnesAreRepaired) {
  long repaired = 0;
  for (int p1 = 1; p1 <= 5; ++p1)
    for (int p2 = 1; p2 <= 5; ++p2)
      for (int p3 = 1; p3 <= 5; ++p3)
        for (int p4 = 1; p4 <= 5; ++p4)
          for (int p5 = 1; p5 <= 5; ++p5)
            for (int p6 = 1; p6 <= 5; ++p6)
              for (int p7 = 1; p7 <= 5; ++p7) {
                const PlateOnFourRodsVariant v =
                    DerivePlateOnFourRodsVariant(p1, p2, p3, p4, p5, p6, p7);
                ASSERT_EQ(v.Repaired, FreeInThePart(p1, p2, p3, p4, p5, p6, p7))
                    << p1 << p2 << p3 << p4 << p5 << p6 << p7;
                ASSERT_TRUE(SolveByStiffness(v).held) << p1 << p2 << p3 << p4 << p5 << p6 << p7;
                repaired += v.Repaired;
              }
  EXPECT_EQ(repaired, 276);
}

TEST(PlateOnFourRodsTest, ForcesMatchTheStiffnessSolutionAndTheEquationHolds) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {5, 5, 5, 5, 5, 5, 5}, 1200, 2, 10);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const PlateOnFourRodsVariant v =
        DerivePlateOnFourRodsVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    const PlateSolution want = SolveByStiffness(v);
    ASSERT_TRUE(want.held) << where;
    for (int i = 1; i <= 4; ++i) {
      ASSERT_NEAR(v.S[i], want.S[i], 1e-7 * (1 + std::fabs(want.S[i]))) << where << " rod " << i;
    }
    ++checked;
    if (testing_support::FullSweep() && n % 41 != 0) continue;

    // The printed forces, and the printed compatibility equation against the drawn rods:
    // its coefficients over the rod lengths admit every rigid motion of the plate.
    const auto texts = RunRow({p}, points[n].level);
    const std::vector<double> row = NumbersAfter(texts.answers, "\\mc{$S_4$}\\\\ \\hline");
    ASSERT_EQ(row.size(), 5u) << texts.answers;
    EXPECT_EQ(row[0], 7);
    double fx = 0, fy = 0, moment = -20.0 * v.P + v.m;
    std::vector<double> per_length(5);
    // The variant number, the four coefficients and the right-hand side 0.
    const std::vector<double> eq = NumbersAfter(texts.second_answers, "совместности \\\\\\hline ");
    ASSERT_EQ(eq.size(), 6u) << texts.second_answers;
    EXPECT_EQ(eq[5], 0);
    for (int i = 1; i <= 4; ++i) {
      ASSERT_NEAR(row[i], want.S[i], 6e-4) << where << " rod " << i;
      const double dx = v.X[i + 4] - v.X[i], dy = v.Y[i + 4] - v.Y[i];
      const double l = std::hypot(dx, dy);
      fx += row[i] * dx / l;
      fy += row[i] * dy / l;
      moment += row[i] * (v.X[i] * dy - v.Y[i] * dx) / l;
      per_length[i] = eq[i] / l;
    }
    EXPECT_NEAR(fx, 0, 4e-3) << where;
    EXPECT_NEAR(fy, v.P, 4e-3) << where;
    EXPECT_NEAR(moment, 0, 0.2) << where;
    // Translations along x and y and the turn about the origin.
    for (int motion = 0; motion < 3; ++motion) {
      double sum = 0, size = 0;
      for (int i = 1; i <= 4; ++i) {
        const double dx = v.X[i + 4] - v.X[i], dy = v.Y[i + 4] - v.Y[i];
        const double l = std::hypot(dx, dy);
        const double b = motion == 0 ? dx / l : motion == 1 ? dy / l : (v.X[i] * dy - v.Y[i] * dx) / l;
        sum += per_length[i] * b;
        size += std::fabs(per_length[i] * b);
      }
      EXPECT_LE(std::fabs(sum), 1e-3 * (1 + size)) << where << " motion " << motion;
    }
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 78125LL * 9));
}

TEST(PlateOnFourRodsTest, AnchorsCoupleAndRepair) {
  // Rod 4's anchor wraps round: P4 = 3, 4, 5 give candidates 1, 2, 3.
  for (int p4 = 3; p4 <= 5; ++p4) {
    EXPECT_EQ(DerivePlateOnFourRodsVariant(1, 1, 1, p4, 1, 1, 1).Anchor[4], p4 - 2);
  }
  // P1 = 3: m = 0 becomes 10 N·cm.
  EXPECT_EQ(DerivePlateOnFourRodsVariant(3, 2, 1, 1, 1, 1, 1).m, 10);
  // All rods horizontal: rod 4 moves on from candidate 1 to 2.
  const PlateOnFourRodsVariant v = DerivePlateOnFourRodsVariant(1, 3, 1, 3, 1, 1, 1);
  EXPECT_TRUE(v.Repaired);
  EXPECT_EQ(v.Anchor[4], 2);
}

// ---- Two rods: the plate turning about its hinge ------------------------------------------

// Rod forces of the drawn plate turning by theta about A: the rod labelled "1" (at B,
// length l1) and "2" (at C, length k/5 of l1); moment balance about A fixes theta.
void SolveTurn(const PlateOnTwoRodsVariant& v, double& s1, double& s2) {
  const int corner[2] = {2, 4}, anchor[2] = {6, 5};
  const double length[2] = {1, v.k / 5.0};
  double arm[2], sum = 0;
  for (int r = 0; r < 2; ++r) {
    const double dx = v.X[anchor[r]] - v.X[corner[r]], dy = v.Y[anchor[r]] - v.Y[corner[r]];
    const double l = std::hypot(dx, dy);
    arm[r] = (v.X[corner[r]] * dy - v.Y[corner[r]] * dx) / l;
    sum += arm[r] * arm[r] / length[r];
  }
  // A turn theta lengthens rod r by -theta·arm; the rods' moment balances P and m.
  const double load = -static_cast<double>(v.P) * v.X[3] + v.m;
  const double theta = load / sum;
  s1 = -theta * arm[0] / length[0];
  s2 = -theta * arm[1] / length[1];
}

TEST(PlateOnTwoRodsTest, ForcesMatchTheTurnOfThePlate) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {5, 5, 5, 5, 5, 5, 5}, 1500, 1, 1);
  long checked = 0;
  for (size_t n = 0; n < points.size(); ++n) {
    const auto& p = points[n].p;
    const std::string where = testing_support::Describe(points[n]);
    const PlateOnTwoRodsVariant v =
        DerivePlateOnTwoRodsVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    double s1, s2;
    SolveTurn(v, s1, s2);
    ASSERT_NEAR(v.S1, s1, 1e-9 * (1 + std::fabs(s1))) << where;
    ASSERT_NEAR(v.S2, s2, 1e-9 * (1 + std::fabs(s2))) << where;
    ++checked;
    if (testing_support::FullSweep() && n % 41 != 0) continue;
    const auto texts = RunRow({p}, 1);
    const std::vector<double> row = NumbersAfter(texts.answers, "\\mc{$S_2$}\\\\ \\hline");
    ASSERT_EQ(row.size(), 3u) << texts.answers;
    // Whole numbers, printed exactly.
    EXPECT_NEAR(row[1], s1, 1e-9) << where;
    EXPECT_NEAR(row[2], s2, 1e-9) << where;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 78125));
}

TEST(PlateOnTwoRodsTest, LabelsSitBesideTheirRods) {
  // For every slope choice the label "1" lies nearer the middle of the rod at B than "2"
  // does, and "2" nearer the rod at C, in the picture as drawn.
  for (int a1 = 1; a1 <= 3; ++a1) {
    for (int a2 = 1; a2 <= 3; ++a2) {
      const auto texts = RunRow({{a1, a2, 3, 2, 1, 2, 1}}, 1);
      const std::string& main = texts.main;
      auto label_at = [&main](const std::string& label, double& x, double& y) {
        const size_t end = main.find("{\\scriptsize \\Brown{" + label + "}}");
        ASSERT_NE(end, std::string::npos) << main;
        const size_t put = main.rfind("\\put(", end);
        ASSERT_EQ(std::sscanf(main.c_str() + put, "\\put(%lf,%lf)", &x, &y), 2);
      };
      // The rods, drawn with the thick line: C's rod first, then B's.
      const size_t bars = main.find("linewidth0.6pt");
      ASSERT_NE(bars, std::string::npos) << main;
      double c[4], b[4];
      ASSERT_EQ(std::sscanf(main.c_str() + main.find("\\mt{", bars), "\\mt{%lf}{%lf}\\pp{%lf}{%lf}",
                            &c[0], &c[1], &c[2], &c[3]),
                4);
      const size_t second = main.find("\\mt{", main.find("\\mt{", bars) + 1);
      ASSERT_EQ(std::sscanf(main.c_str() + second, "\\mt{%lf}{%lf}\\pp{%lf}{%lf}", &b[0], &b[1],
                            &b[2], &b[3]),
                4);
      double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      label_at("1", x1, y1);
      label_at("2", x2, y2);
      auto distance = [](double x, double y, const double* bar) {
        return std::hypot(x - (bar[0] + bar[2]) / 2, y - (bar[1] + bar[3]) / 2);
      };
      EXPECT_LT(distance(x1, y1, b), distance(x1, y1, c)) << a1 << a2 << main;
      EXPECT_LT(distance(x2, y2, c), distance(x2, y2, b)) << a1 << a2 << main;
    }
  }
}


TEST(PlateOnRodsGoldenTest, TwoRods) {
  // P1 = 4 and P2 = 5 read as 1; P6 = 4: equal rods; m = 0, drawn clockwise; then a1 = 3,
  // a2 = 2. The rod at B carries the label "1".
  const auto texts = RunRow({{4, 5, 1, 1, 5, 4, 2}, {3, 2, 2, 3, 1, 2, 5}}, 1);
  EXPECT_NE(texts.answers.find(" \\ru\\No &\\mc{$S_1$}&\\mc{$S_2$}\\\\ \\hline\r\n"
                               "7&-125&125\r\n \\\\8&-105&-150\r\n \\\\"),
            std::string::npos)
      << texts.answers;
  const char* lines[] = {
      "\\mt{30}{0}\\pp{44}{0}\\put(38,9.25){\\scriptsize \\Brown{1}}\r\n",
      "\\put(41.25,41.25){\\usebox{\\vmoment}}",
      "\\par {\\small $P=150$~Н, $m=0$~Нм,  \r\n$AB=5$~м, \\\\ $AC=5$~м, "
      "$\\cos\\alpha$=$\\sin\\beta$=0.8, \r\n$l_1=l_2$.}\r\n",
      "\\mt{13.85}{60}\\pp{1.85}{60}\\put(10.92,48.77){\\scriptsize \\Brown{2}}\r\n",
      "\\put(16.15,27.7){\\usebox{\\vmomentp}}",
      "\\par {\\small $P=300$~Н, $m=1119$~Нм,  \r\n$AB=7$~м, \\\\ $AC=6$~м, "
      "$\\cos\\alpha$=$\\sin\\beta$=0.8, \r\n$l_2=(3/5)l_1$.}\r\n",
  };
  for (const char* line : lines) EXPECT_NE(texts.main.find(line), std::string::npos) << line;
}

TEST(PlateOnRodsGoldenTest, FourRods) {
  // P1 = 3: m = 10 N·cm, shown as 0.1 N·m; P4 = 3: rod 4's anchor wraps to candidate 1;
  // 1, 3, 1, 3 (all rods horizontal): rod 4 moves on to candidate 2.
  const auto texts = RunRow({{3, 2, 1, 3, 1, 1, 1}, {1, 3, 1, 3, 2, 4, 5}}, 5);
  EXPECT_NE(texts.answers.find("\\mc{$S_4$}\\\\ \\hline\r\n"
                               "7\r\n& 0.500 \r\n& 9.192 \r\n&-3.250 \r\n& 3.250 \r\n \\\\"
                               "8\r\n& 3.345 \r\n&-2.755 \r\n& 9.600 \r\n& 6.103 \r\n \\\\"),
            std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.second_answers.find("7&\r\n $S_1( 0.000)$+\r\n $S_2( 0.000)$+\r\n"
                                      " $S_3(183.848)$+\r\n$S_4(183.848)=0$ \r\n \\\\"
                                      "8&\r\n $S_1(229.385)$+\r\n $S_2(278.539)$+\r\n"
                                      " $S_3( 0.000)$+\r\n$S_4( 0.000)=0$ \r\n \\\\"),
            std::string::npos)
      << texts.second_answers;
  const char* lines[] = {
      "\\put(66,0){\\usebox{\\hing}}\\put(0,0){\\usebox{\\hing}}"
      "\\put(12.5,4.5){\\usebox{\\plastina}}",
      "\\put(33,11){\\usebox{\\vmomentp}}\\put(33,9){\\scriptsize \\Brown{$m$}}\r\n",
      "\\par {\\small $P=7$~Н, \r\n$m=0.1$~Нм.} \r\n",
      "\\put(71,0){\\usebox{\\hing}}\\put(0,20){\\usebox{\\uphing}}"
      "\\put(13.5,4.5){\\usebox{\\plastina}}",
      "\\mt{13.14}{1.23}\\pp{0.86}{18.77}",
  };
  for (const char* line : lines) EXPECT_NE(texts.main.find(line), std::string::npos) << line;
  // The student's name follows the equation in students mode only.
  const auto students = RunRow({{3, 2, 1, 3, 1, 1, 1}}, 5, true);
  EXPECT_NE(students.second_answers.find("$S_4(183.848)=0$&Student1 \r\n"), std::string::npos)
      << students.second_answers;
}

}  // namespace
}  // namespace structural
