#include "subjects/structural/parabolic_arch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

testing_support::RunTexts RunRow(SharedState& s, int row,
                                 const std::vector<testing_support::VariantParams>& p) {
  if (row == 15) {
    return testing_support::RunBeginVariant(
        s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 15); },
        [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 15); }, p);
  }
  return testing_support::RunBeginVariant(
      s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, 20); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, 20); }, p);
}

std::vector<double> PrintedRow(const std::string& second) {
  const size_t end = second.rfind(" \\\\");
  const size_t begin = second.rfind("\\hline", end) + 6;
  std::string row = second.substr(begin, end - begin);
  std::replace(row.begin(), row.end(), '&', ' ');
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

// The drawn arch solved by statics: the whole arch about each support, the left half about
// the crown hinge, and the part left of a section.
struct Statics {
  double l, f, span;
  std::vector<std::pair<double, double>> forces;  // (x, F) downward
  double q, a, b;                                 // uniform load on [a, b]
  double va = 0, vb = 0, h = 0;

  explicit Statics(const ArchVariant& v)
      : l(v.l), f(v.f), span(2.0 * v.l), q(v.q), a(v.X[6]), b(v.X[7]) {
    forces = {{v.X[2], v.F1}, {v.X[3], v.F2}};
    double about_a = q * (b - a) * (a + b) / 2, total = q * (b - a);
    for (auto [x, F] : forces) about_a += F * x, total += F;
    vb = about_a / span;
    va = total - vb;
    h = LeftMoment(l) / f;
  }
  // Moment about the section x of the vertical forces left of it, sagging positive.
  double LeftMoment(double x) const {
    double m = va * x;
    for (auto [xf, F] : forces)
      if (xf < x) m -= F * (x - xf);
    const double end = std::clamp(x, a, b);
    m -= q * (end - a) * (x - (a + end) / 2);
    return m;
  }
  // Vertical resultant of the forces left of the section, upward; a force at x counts.
  double LeftVertical(double x) const {
    double v = va;
    for (auto [xf, F] : forces)
      if (xf <= x) v -= F;
    return v - q * (std::clamp(x, a, b) - a);
  }
  double Y(double x) const { return f * x * (span - x) / (l * l); }
  double Angle(double x) const { return std::atan(2 * f * (l - x) / (l * l)); }
  double M(double x) const { return LeftMoment(x) - h * Y(x); }
  double Q(double x) const { return LeftVertical(x) * std::cos(Angle(x)) - h * std::sin(Angle(x)); }
  double N(double x) const {
    return -LeftVertical(x) * std::sin(Angle(x)) - h * std::cos(Angle(x));
  }
};

// The crown moment of the two-hinged arch: the same canonical equation, integrated by
// Simpson's rule on 10^4 intervals.
double SimpsonCrownMoment(const Statics& st) {
  const double c = 0.36 / 12;  // EJ / EA of the 0.6 m rectangle
  constexpr int n = 10000;
  const double dx = st.span / n;
  double s11 = 0, s1p = 0;
  for (int k = 0; k <= n; ++k) {
    const double x = k * dx;
    const double w = k == 0 || k == n ? 1 : k % 2 ? 4 : 2;
    const double angle = st.Angle(x), cs = std::cos(angle), sn = std::sin(angle);
    const double unit = st.Y(x) / st.f;  // the moment of a unit moment at the crown
    const double normal = -st.LeftVertical(x) * sn - st.h * cs;
    s11 += w * (unit * unit / cs + c * cs / (st.f * st.f));
    s1p += w * (unit * st.M(x) / cs + c * normal / st.f);
  }
  return -s1p / s11;
}

TEST(ParabolicArchTest, AnswersMatchTheStaticsOfTheDrawnArch) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 5, 5, 8, 9, 9, 4}, 1200, 1, 1);
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const std::string where = testing_support::Describe(points[k]);
    const bool print = !testing_support::FullSweep() || k % 211 == 0;
    for (int mode = 1; mode <= 2; ++mode) {
      const ArchVariant v = DeriveArchVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6], mode);
      const Statics st(v);
      ASSERT_NEAR(v.VA, st.va, 1e-9) << where;
      ASSERT_NEAR(v.VB, st.vb, 1e-9) << where;
      ASSERT_NEAR(v.H, st.h, 1e-9) << where;
      ASSERT_NEAR(st.M(v.l), 0, 1e-9) << where;  // the crown hinge
      const double x1 = v.x1;
      ASSERT_NEAR(v.M0, st.LeftMoment(x1), 1e-9) << where;
      ASSERT_NEAR(v.Q0, st.LeftVertical(x1), 1e-9) << where;
      ASSERT_NEAR(v.M, st.M(x1), 1e-9) << where;
      ASSERT_NEAR(v.Q, st.Q(x1), 1e-9) << where;
      ASSERT_NEAR(v.N, st.N(x1), 1e-9) << where;
      ASSERT_NEAR(v.Tan, std::tan(st.Angle(x1)), 1e-12) << where;
      ASSERT_NEAR(v.Sin, std::sin(st.Angle(x1)), 1e-12) << where;
      // The largest moment along the span against a dense sampling (a step of a ten-thousandth
      // of the span), and the printed abscissa where it acts; the answers diagram is scaled by
      // it.
      double dense = 0;
      for (int j = 0; j <= 20000; ++j)
        dense = std::max(dense, std::fabs(st.M(j * st.span / 20000)));
      ASSERT_GE(v.MStar, dense - 1e-9) << where;
      ASSERT_LE(v.MStar, dense * (1 + 1e-3) + 1e-9) << where;
      ASSERT_NEAR(std::fabs(st.M(v.XStar)), v.MStar, 1e-9) << where;
      ASSERT_GT(v.MStar, 0) << where;
      if (mode == 2) {
        const double x1s = SimpsonCrownMoment(st);
        // The trapezoid rule on 121 intervals meets Simpson's within 0.5 % of X1, or, where X1
        // is nearly zero, within 0.1 % of the largest moment (a few units of the printed
        // third decimal).
        const double error = std::fabs(v.X1 - x1s);
        ASSERT_LE(error, std::max(0.005 * std::fabs(x1s), 1e-3 * v.MStar)) << where;
        ASSERT_NEAR(v.M2, st.M(x1) + v.X1 * st.Y(x1) / st.f, 1e-9) << where;
        ASSERT_NEAR(v.Q2, st.Q(x1) + v.X1 * std::sin(st.Angle(x1)) / st.f, 1e-9) << where;
        ASSERT_NEAR(v.N2, st.N(x1) + v.X1 * std::cos(st.Angle(x1)) / st.f, 1e-9) << where;
      }
      if (print) {
        auto s = testing_support::NewState();
        const auto texts =
            RunRow(*s, mode == 1 ? 15 : 20, {{p[0], p[1], p[2], p[3], p[4], p[5], p[6]}});
        const std::vector<double> row = PrintedRow(texts.second_answers);
        std::vector<double> expected =
            mode == 1 ? std::vector<double>{st.va,
                                            st.vb,
                                            st.h,
                                            v.MStar,
                                            v.XStar,
                                            std::tan(st.Angle(x1)),
                                            std::sin(st.Angle(x1)),
                                            st.LeftMoment(x1),
                                            st.LeftVertical(x1),
                                            st.M(x1),
                                            st.Q(x1),
                                            st.N(x1)}
                      : std::vector<double>{st.M(x1), st.Q(x1), st.N(x1), v.Delta11, v.Delta1p,
                                            v.X1,     v.M2,     v.Q2,     v.N2};
        ASSERT_EQ(row.size(), expected.size() + 1) << texts.second_answers;
        for (size_t i = 0; i < expected.size(); ++i)
          ASSERT_NEAR(row[i + 1], expected[i], 0.00051) << where << " column " << i;
        ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
      }
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6LL * 5 * 5 * 8 * 9 * 9 * 4));
}

TEST(ParabolicArchTest, GoldenLines) {
  // l = 15 gives f = Round(10.5) = 10; P5 = P6 gives F1 = P5 + 2; P2 + P3 + 1 = 8 puts the end
  // of the load at the right support (X7 = 30); P7 = 1 puts x1 = 5 on the force P1, which
  // counts in the shear there (Q0 = 21.667 - 6).
  const ArchVariant v = DeriveArchVariant(1, 3, 4, 5, 4, 4, 1, 1);
  EXPECT_EQ(v.f, 10);
  EXPECT_EQ(v.F1, 6);
  EXPECT_EQ(v.F2, 5);
  EXPECT_EQ(v.X[6], 10);
  EXPECT_EQ(v.X[7], 30);
  EXPECT_EQ(v.x1, v.X[2]);
  auto s = testing_support::NewState();
  const auto one = RunRow(*s, 15, {{1, 3, 4, 5, 4, 4, 1}});
  EXPECT_NE(one.second_answers.find(
                "\\hline 1&21.667&29.333&21.500&14.215& 6.802& 0.889& 0.664&108.333&15.667"
                "&-11.111&-2.574&-26.478\r\n \\\\"),
            std::string::npos)
      << one.second_answers;
  // The rise printed is f; the load points follow the drawn rise 10.5 (P1 at x = 5).
  EXPECT_NE(one.main.find("\\put(109,14.5){\\scriptsize \\Brown{10}}"), std::string::npos)
      << one.main;
  EXPECT_NE(one.main.find("\\Red{\\put(17,19.44){\\thicklines\\vector(0,-1){15}}}%"),
            std::string::npos);
  EXPECT_NE(one.main.find("\\mt{33}{52}\\pp{100}{52}"), std::string::npos);  // to B
  EXPECT_NE(one.main.find("\\parbox[b]{90pt}{$q=2$~кН/м,\\\\ $P_1=6$~кН,\\\\ $P_2=5$~кН,\\\\ "
                          "$x_1=5$~м.}\\vskip3mm"),
            std::string::npos);
  EXPECT_NE(one.main.find("\\put(50,35){\\circle{ 3}}"), std::string::npos);  // the crown hinge
  // Moments in kN m; labels at k = 5, 10, 20, 25 only, centred on their ordinates.
  EXPECT_NE(one.answers.find("\\vskip3mm 1. Эпюры моментов в арке, кНм. \\vskip3mm "),
            std::string::npos);
  EXPECT_NE(one.answers.find("\\put(22.21,-29.45){\\Black{\\scriptsize -11.11}}"),
            std::string::npos);
  size_t labels = 0;
  for (size_t at = one.answers.find("\\Black{\\scriptsize"); at != std::string::npos;
       at = one.answers.find("\\Black{\\scriptsize", at + 1)) {
    ++labels;
  }
  EXPECT_EQ(labels, 4u);

  // Mode 2: the head, the crown closed, and the row with the name in students mode.
  auto t = testing_support::NewState();
  t->StudentsMode = true;
  t->StudentNames[2] = "Ivanova";
  const auto two = RunRow(*t, 20, {{1, 3, 4, 5, 4, 4, 1}});
  EXPECT_NE(two.second_answers.find(
                "\\No\\ru &\\mc{$M_p(x_1)$}&\\mc{$Q_p(x_1)$}&\\mc{$N_p(x_1)$}& "
                "\\mc{$EJ\\delta_{11}$}&\\mc{$EJ\\Delta_{1p}$}&\\mc{$X_1$}&\\mc{$M(x_1)$}"
                "&\\mc{$Q(x_1)$}&\\mc{$N(x_1)$} & студент\\\\\\hline 1&-11.111&-2.574&-26.478&17.817"
                "&-67.616& 3.795&-9.003&-2.322&-26.1940 & Ivanova\r\n \\\\"),
            std::string::npos)
      << two.second_answers;
  EXPECT_NE(two.main.find("\\mt{48.5}{35}\\pp{51.5}{35}"), std::string::npos);
  EXPECT_EQ(two.main.find("\\circle"), std::string::npos);
}
}  // namespace
}  // namespace structural
