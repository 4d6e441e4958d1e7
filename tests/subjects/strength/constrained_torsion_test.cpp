#include "subjects/strength/constrained_torsion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "strength_run.h"
#include "tests/support/sweep.h"
#include "thin_walled.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RowNumbers;
using strength_check::RunRow;

// phi on (0, l1) and (l1, L) as C1 + C2 z + C3 cosh ku + C4 sinh ku each (u = z, and z - l1
// on the second part, which keeps the hyperbolic terms of moderate size), the eight
// conditions solved together in long double: clamped end, continuity of phi, phi', phi''
// at l1, the twisting moments of both parts and the bimoment at the free end.
double TwistByEightConditions(double EJw, double GJd, double l1, double L, double T1, double T2,
                              double Bm, double z) {
  using R = long double;
  const R k = std::sqrt(static_cast<R>(GJd) / EJw);
  // Value, first, second and third derivative of the four basis functions at z.
  auto basis = [k, l1](int part, R zz, int d) {
    const R u = part == 1 ? zz - l1 : zz;
    const R c = std::cosh(k * u), s = std::sinh(k * u);
    const R kd = std::pow(k, d);
    std::vector<R> row = {d == 0 ? 1.0L : 0.0L, d == 0 ? zz : (d == 1 ? 1.0L : 0.0L),
                          kd * (d % 2 == 0 ? c : s), kd * (d % 2 == 0 ? s : c)};
    return row;
  };
  std::vector<std::vector<R>> a(8, std::vector<R>(9, 0));
  auto put = [&](int r, int part, const std::vector<R>& row, R sign) {
    for (int j = 0; j < 4; ++j) a[r][4 * part + j] += sign * row[j];
  };
  put(0, 0, basis(0, 0, 0), 1);
  put(1, 0, basis(0, 0, 1), 1);
  for (int d = 0; d < 3; ++d) {
    put(2 + d, 0, basis(0, l1, d), 1);
    put(2 + d, 1, basis(1, l1, d), -1);
  }
  // G Jd phi' - E Jw phi''' = T on each part (evaluated inside it).
  for (int part = 0; part < 2; ++part) {
    const R zz = part == 0 ? l1 / 2 : (l1 + L) / 2;
    const auto d1 = basis(part, zz, 1), d3 = basis(part, zz, 3);
    for (int j = 0; j < 4; ++j) a[5 + part][4 * part + j] = GJd * d1[j] - EJw * d3[j];
    a[5 + part][8] = part == 0 ? T1 : T2;
  }
  const auto d2 = basis(1, L, 2);
  for (int j = 0; j < 4; ++j) a[7][4 + j] = -EJw * d2[j];
  a[7][8] = Bm;
  for (int c = 0; c < 8; ++c) {
    int p = c;
    for (int i = c + 1; i < 8; ++i) {
      if (std::fabs(a[i][c]) > std::fabs(a[p][c])) p = i;
    }
    std::swap(a[c], a[p]);
    for (int i = 0; i < 8; ++i) {
      if (i == c) continue;
      const R f = a[i][c] / a[c][c];
      for (int j = c; j < 9; ++j) a[i][j] -= f * a[c][j];
    }
  }
  const int part = z <= l1 ? 0 : 1;
  const auto v = basis(part, z, 0);
  R phi = 0;
  for (int j = 0; j < 4; ++j) phi += a[4 * part + j][8] / a[4 * part + j][4 * part + j] * v[j];
  return static_cast<double>(phi);
}

TEST(ConstrainedTorsionTest, TwistAgreesWithTheEightConditionSolution) {
  // k from about 1.3 to 8.9 per metre, the span of the catalogue.
  for (double EJw : {2e11 * 2e-13, 2e11 * 5e-12})
    for (double GJd : {8e10 * 2e-11, 8e10 * 4e-11})
      for (double T1 : {-9.0, 4.0})
        for (double T2 : {0.0, -5.0})
          for (double Bm : {0.0, -0.186})
            for (double z : {0.3, 0.72, 1.7, 3.0}) {
              const double a = ConstrainedTwistAngle(EJw, GJd, 1.45, 3.1, T1, T2, Bm, z);
              const double b = TwistByEightConditions(EJw, GJd, 1.45, 3.1, T1, T2, Bm, z);
              EXPECT_NEAR(a, b, 1e-7 + 1e-7 * std::fabs(b)) << EJw << " " << GJd << " " << z;
            }
}

// The four sections by their mid-lines (mm), with the force points 1, 2, 3 where the figure
// puts them, all seen from the free end with the same orientation: I-section (flanges b
// across the ends of the web h; points: both ends of the lower flange, the far end of the
// upper one), channel (flanges b, web h; the lower flange's tip and both corners), Z-section
// (the lower flange's tip, the upper corner, the upper flange's tip) and a tube 2b x h slit
// along the middle of its lower face (both lower corners and the far upper corner).
struct SectionCase {
  std::vector<thin_walled::Wall> walls;
  std::pair<double, double> points[3];
};

SectionCase SectionOf(int p1, double b, double h) {
  constexpr double slit = 1e-7;
  switch (p1) {
    case 1:
      return {{{-b / 2, 0, b / 2, 0, 1}, {-b / 2, h, b / 2, h, 1}, {0, 0, 0, h, 1}},
              {{-b / 2, 0}, {b / 2, 0}, {b / 2, h}}};
    case 2:
      return {{{-b, 0, 0, 0, 1}, {0, 0, 0, h, 1}, {0, h, -b, h, 1}}, {{-b, 0}, {0, 0}, {0, h}}};
    case 3:
      return {{{-b, 0, 0, 0, 1}, {0, 0, 0, h, 1}, {0, h, b, h, 1}}, {{-b, 0}, {0, h}, {b, h}}};
    default:
      return {{{-slit, 0, -b, 0, 1}, {-b, 0, -b, h, 1}, {-b, h, b, h, 1}, {b, h, b, 0, 1},
               {b, 0, slit, 0, 1}},
              {{-b, 0}, {b, 0}, {b, h}}};
  }
}

TEST(ConstrainedTorsionTest, SectionConstantsAgreeWithTheIntegrator) {
  for (int p1 = 1; p1 <= 4; ++p1) {
    for (const auto& p : strength_check::SamplePoints({4, 4, 5, 5, 20, 20, 20}, 60)) {
      const auto v = DeriveConstrainedTorsion(p1, p[1], p[2], p[3], p[4], p[5], p[6]);
      const auto c = SectionOf(p1, v.b, v.h);
      const thin_walled::Section s(c.walls);
      EXPECT_NEAR(s.Solve().Jw, v.Jw, 1e-6 * v.Jw) << p1;
      EXPECT_NEAR(s.Solve().Jd, v.S / 3, 1e-6) << p1;
      for (int i = 0; i < 3; ++i) {
        const double w = s.PrincipalOmega(c.points[i].first, c.points[i].second);
        EXPECT_NEAR(w, v.omega[i + 1], 1e-6 * std::fabs(v.omega[i + 1])) << p1 << " " << i;
      }
    }
  }
}

// The three length marks of the figure: "$l_k$" above a horizontal line with end ticks, the
// line running over the printed length along the bar's front edge (x = 100 z / L): l1 from
// the wall, l2 from l1 to the free end, l3 from the wall to the section whose angle is asked.
std::string PrintedLengthMarks(const std::string& main, double l1, double l2, double l3) {
  const std::size_t from = main.find("\\begin{picture}");
  const std::string pic = main.substr(from, main.find("\\end{picture}", from) - from);
  const auto lines = strength_check::Polylines(pic);
  const double L = l1 + l2;
  const struct {
    const char* label;
    double z1, z2;
  } spans[] = {{"{$l_1$}", 0, l1}, {"{$l_2$}", l1, L}, {"{$l_3$}", 0, l3}};
  for (const auto& span : spans) {
    const std::size_t at = pic.find(span.label);
    if (at == std::string::npos) return std::string("no mark ") + span.label;
    const std::size_t put = pic.rfind("\\put(", at);
    const double lx = NumberAfter(pic, "\\put(", put), ly = NumberAfter(pic, ",", put);
    const double x1 = 100 * span.z1 / L, x2 = 100 * span.z2 / L;
    // The dimension line: a horizontal segment from x1 to x2 just below the label (the
    // figure prints coordinates to within 0.01).
    const bool drawn = std::any_of(lines.begin(), lines.end(), [&](const auto& c) {
      return c.size() == 2 && c[0].y == c[1].y && std::fabs(c[0].x - x1) < 0.011 &&
             std::fabs(c[1].x - x2) < 0.011 && ly - c[0].y > 0 && ly - c[0].y < 4 && lx > x1 &&
             lx < x2;
    });
    if (!drawn) return std::string("mark ") + span.label + " off its length";
  }
  return {};
}

// Reads the data text and the figure back and recomputes the row.
std::string CheckPrintedBar(const testing_support::VariantParams& p) {
  const auto t = RunRow(30, {p});
  const double l1 = NumberAfter(t.main, "$l_1=") / 100, l2 = NumberAfter(t.main, "$l_2=") / 100;
  const double l3 = NumberAfter(t.main, "$l_3=") / 100;
  const double b = NumberAfter(t.main, "$b="), h = NumberAfter(t.main, "$h=");
  const auto c = SectionOf(p[0], b, h);
  const thin_walled::Section section(c.walls);
  const auto sc = section.Solve();
  const bool forces = p[1] < 4;
  double T1, T2 = 0, Bm = 0;
  const auto plus = strength_check::BoxPlacements(t.main, "vbigrmomentpt}");
  auto sign_at = [&](double x) {
    for (const auto& q : plus) {
      if (std::fabs(q.first - x) < 0.011) return 1.0;
    }
    return -1.0;
  };
  // The front edge of the bar runs from z = 0 at x = 0 to z = L at x = 100: the lengths must
  // be marked along it, and the moment at l1 drawn on that section (its loop 10 units behind
  // the front edge).
  const std::string marks = PrintedLengthMarks(t.main, l1, l2, l3);
  if (!marks.empty()) return marks;
  const double at_l1 = 100 * l1 / (l1 + l2) + 10;
  const auto minus = strength_check::BoxPlacements(t.main, "vbigrmomentptm}");
  const bool moment_at_l1 =
      std::any_of(plus.begin(), plus.end(),
                  [&](const auto& q) { return std::fabs(q.first - at_l1) < 0.011; }) ||
      std::any_of(minus.begin(), minus.end(),
                  [&](const auto& q) { return std::fabs(q.first - at_l1) < 0.011; });
  if (!moment_at_l1) return "no moment drawn at z = l1";
  if (forces) {
    T1 = sign_at(at_l1) * NumberAfter(t.main, "$M=");
    // Forces: the printed magnitudes, signed by their arrows (from the point: +), times the
    // omega of the point (the sign convention of omega taken from the generator's table).
    const double P1 = NumberAfter(t.main, "$P_1="), P2 = NumberAfter(t.main, "$P_2=");
    const auto arrows = strength_check::Arrows(t.main);
    if (arrows.size() != 2) return "two force arrows";
    const double F1 = arrows[0].dx > 0 ? P1 : -P1, F2 = arrows[1].dx > 0 ? P2 : -P2;
    // The arrows start at the force points of the section picture.
    const int i = kForcePoints[p[1]][0], j = kForcePoints[p[1]][1];
    // Picture points 1, 2, 3 of each section (ris1.txt).
    const double kx[5][4] = {{}, {0, 100, 120, 120}, {0, 100, 120, 120}, {0, 100, 110, 120},
                             {0, 100, 120, 120}};
    const double ky[5][4] = {{}, {0, 0, 10, 20}, {0, 0, 10, 25}, {0, 0, 15, 20}, {0, 0, 10, 25}};
    for (int a = 0; a < 2; ++a) {
      const auto& r = arrows[a];
      const int k = a == 0 ? i : j;
      const double start = r.dx > 0 ? r.x : r.x + r.len * r.dx;
      if (std::fabs(start - kx[p[0]][k]) > 1e-9 || std::fabs(r.y - ky[p[0]][k]) > 1e-9) {
        return "force off its point";
      }
    }
    // Two arrows a few units apart must not run side by side, and the labels keep apart.
    const auto& r1 = arrows[0];
    const auto& r2 = arrows[1];
    const double a1 = std::min(r1.x, r1.x + r1.len * r1.dx),
                 b1 = std::max(r1.x, r1.x + r1.len * r1.dx);
    const double a2 = std::min(r2.x, r2.x + r2.len * r2.dx),
                 b2 = std::max(r2.x, r2.x + r2.len * r2.dx);
    if (std::fabs(r1.y - r2.y) < 10 && a1 < b2 && a2 < b1) return "force arrows side by side";
    const double lx1 =
        NumberAfter(t.main, "\\put(", t.main.rfind("\\put(", t.main.find("{$P_1$}")));
    const double lx2 =
        NumberAfter(t.main, "\\put(", t.main.rfind("\\put(", t.main.find("{$P_2$}")));
    const double ly1 = NumberAfter(t.main, ",", t.main.rfind("\\put(", t.main.find("{$P_1$}")));
    const double ly2 = NumberAfter(t.main, ",", t.main.rfind("\\put(", t.main.find("{$P_2$}")));
    if (std::fabs(lx1 - lx2) < 10 && std::fabs(ly1 - ly2) < 7) return "force labels on each other";
    auto omega = [&](int k) {
      return section.PrincipalOmega(c.points[k - 1].first, c.points[k - 1].second);
    };
    Bm = (F1 * omega(i) + F2 * omega(j)) * 1e-6;
  } else {
    T1 = sign_at(at_l1) * NumberAfter(t.main, "$M_1=");
    T2 = sign_at(110) * NumberAfter(t.main, "$M_2=");
  }
  const double EJw = 2e11 * sc.Jw * 1e-18, GJd = 8e10 * sc.Jd * 1e-12;
  const double phi = TwistByEightConditions(EJw, GJd, l1, l1 + l2, T1, T2, Bm, l3);
  const auto cells = RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 6) return "six cells";
  const double want[6] = {0, sc.Jw * 1e-7, sc.Jd * 1e-2, std::sqrt(GJd / EJw), Bm * 1e3, phi};
  for (int k = 1; k < 6; ++k) {
    if (std::fabs(cells[k] - want[k]) > 5.1e-4) {
      return "cell " + std::to_string(k) + ": " + std::to_string(cells[k]) + " vs " +
             std::to_string(want[k]);
    }
  }
  return {};
}

TEST(ConstrainedTorsionTest, AnswersFollowThePrintedBar) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {4, 4, 5, 5, 20, 20, 20}, 1500, 1, 1);
  for (const auto& point : points) {
    ASSERT_EQ(CheckPrintedBar(point.p), "") << testing_support::Describe(point);
  }
}

TEST(ConstrainedTorsionTest, GoldenRowsAndLoadRules) {
  EXPECT_EQ(AnswersRow(RunRow(30, {{1, 1, 1, 1, 1, 1, 1}}).answers),
            "1&    0.019&    0.213&    6.759& 0.000&-3.020");
  EXPECT_EQ(AnswersRow(RunRow(30, {{4, 4, 2, 4, 20, 20, 1}}).answers),
            "1&    0.863&    0.387&    1.339& 0.000&-0.650");
  const std::string wide = AnswersRow(RunRow(30, {{3, 3, 5, 5, 9, 10, 11}}).answers);
  EXPECT_NE(wide.find("&-186.189&"), std::string::npos) << wide;
  const auto v = DeriveConstrainedTorsion(1, 1, 1, 1, 9, 10, 11);
  EXPECT_EQ(v.F1, 200);
  EXPECT_EQ(v.F2, -300);
  EXPECT_EQ(v.M1, 2);
  EXPECT_EQ(v.M2, -5);
  EXPECT_EQ(DeriveConstrainedTorsion(1, 4, 1, 3, 1, 1, 5).M2, -10);  // M1 = M2 = -5
  EXPECT_EQ(DeriveConstrainedTorsion(1, 1, 1, 1, 1, 1, 1).l3, 72);
  EXPECT_EQ(DeriveConstrainedTorsion(1, 1, 3, 1, 1, 1, 1).l3, 78);
  EXPECT_EQ(DeriveConstrainedTorsion(1, 1, 5, 1, 1, 1, 1).l3, 82);
  const auto t = RunRow(30, {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_EQ(strength_check::Count(t.main, "\\input{ris1.txt}"), 1);
}

}  // namespace
}  // namespace strength
