#include "subjects/structural/simple_beam.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/plane_frame.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

using testing_support::PlaneFrame;

constexpr int kRow = 4;

testing_support::RunTexts RunRow(SharedState& s,
                                 const std::vector<testing_support::VariantParams>& p) {
  return testing_support::RunBeginVariant(
      s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, p);
}

// The numbers of the last row of the second answers table: N, RA, RB, max|M|, x, -EI dy.
std::vector<double> PrintedRow(const std::string& second) {
  const size_t end = second.rfind(" \\\\");
  const size_t begin = second.rfind("\\hline", end) + 6;
  std::string row = second.substr(begin, end - begin);
  for (char& c : row)
    if (c == '&' || c == '$') c = ' ';
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

// The drawn beam by the stiffness method: members between the four points, loads as drawn
// (P down when positive, m counter-clockwise when positive, q down), EI = 1.
struct Solved {
  double ra, rb, deflection_up;
  std::vector<double> moment_left, moment_right, shear_left, shear_right;  // sagging, standard
  double largest = 0;                                                      // max |M| over the beam
  std::vector<double> interior_roots;  // abscissae of zero shear inside members
  PlaneFrame frame;
};

Solved SolveDrawnBeam(const SimpleBeamVariant& v) {
  Solved r;
  PlaneFrame& f = r.frame;
  for (int i = 0; i <= 3; ++i) f.AddNode(v.C[i], 0);
  for (int i = 0; i < 3; ++i) f.AddMember(i, i + 1, 1, 1e9);
  f.Pin(v.Pin - 1);
  f.RollerY(v.Roller - 1);
  f.NodalLoad(v.ForcePoint - 1, 0, -v.P);
  f.NodalLoad(v.CouplePoint - 1, 0, 0, v.m);
  for (int i = v.LoadFrom; i < v.LoadTo; ++i) f.UniformLoad(i - 1, -v.q);
  EXPECT_TRUE(f.Solve()) << f.Error();
  r.ra = f.Reaction(v.Pin - 1, 1);
  r.rb = f.Reaction(v.Roller - 1, 1);
  r.deflection_up = f.Uy(v.ForcePoint - 1);
  for (int i = 0; i < 3; ++i) {
    const double l = f.Length(i);
    r.moment_left.push_back(f.Moment(i, 0));
    r.moment_right.push_back(f.Moment(i, l));
    r.shear_left.push_back(f.Shear(i, 0));
    r.shear_right.push_back(f.Shear(i, l));
    r.largest = std::max({r.largest, std::fabs(f.Moment(i, 0)), std::fabs(f.Moment(i, l))});
    const double a = f.Shear(i, 0), b = f.Shear(i, l);
    // A change of sign inside the member; round-off leaves traces of zero shear at its ends.
    if (a * b < 0 && std::fabs(a) > 1e-9 && std::fabs(b) > 1e-9) {
      const double s0 = l * a / (a - b);  // shear is linear along a member
      r.interior_roots.push_back(v.C[i] + s0);
      r.largest = std::max(r.largest, std::fabs(f.Moment(i, s0)));
    }
  }
  return r;
}

// |M| at abscissa x from either side (a couple makes a jump there).
bool MomentReached(const Solved& r, const SimpleBeamVariant& v, double x, double value) {
  for (int i = 0; i < 3; ++i) {
    if (x >= v.C[i] - 1e-9 && x <= v.C[i + 1] + 1e-9) {
      const double s = std::clamp(x - v.C[i], 0.0, r.frame.Length(i));
      if (std::fabs(std::fabs(r.frame.Moment(i, s)) - value) < 1e-6) return true;
    }
  }
  return false;
}

TEST(SimpleBeamTest, AnswersMatchTheStiffnessMethod) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {6, 6, 6, 6, 6, 6, 6}, 3000, 1, 1);
  long checked = 0;
  for (size_t k = 0; k < points.size(); ++k) {
    const auto& p = points[k].p;
    const std::string where = testing_support::Describe(points[k]);
    const SimpleBeamVariant v = DeriveSimpleBeamVariant(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    ASSERT_NE(v.P, 0) << where;
    ASSERT_NE(v.m, 0) << where;
    const Solved r = SolveDrawnBeam(v);
    ASSERT_NEAR(v.RA, r.ra, 1e-9) << where;
    ASSERT_NEAR(v.RB, r.rb, 1e-9) << where;
    for (int i = 1; i <= 3; ++i) {
      // The diagrams show the moment with the stretched upper fibres positive and the shear
      // with the opposite sign to the textbook one.
      ASSERT_NEAR(v.MomentLeft[i], -r.moment_left[i - 1], 1e-7) << where << " segment " << i;
      ASSERT_NEAR(v.MomentRight[i], -r.moment_right[i - 1], 1e-7) << where << " segment " << i;
      ASSERT_NEAR(v.ShearLeft[i], -r.shear_left[i - 1], 1e-7) << where << " segment " << i;
      ASSERT_NEAR(v.ShearRight[i], -r.shear_right[i - 1], 1e-7) << where << " segment " << i;
    }
    ASSERT_NEAR(v.MaxMoment, r.largest, 1e-7) << where;
    ASSERT_GT(v.MaxMoment, 0) << where;
    ASSERT_TRUE(MomentReached(r, v, v.XMax, v.MaxMoment)) << where << " x " << v.XMax;
    // x* is the zero-shear section of the largest |M| (the later one of equal ones).
    double at_root = 0, root_moment = -1;
    for (double x : r.interior_roots) {
      double m = 0;
      for (int i = 0; i < 3; ++i)
        if (x > v.C[i] && x < v.C[i + 1]) m = std::fabs(r.frame.Moment(i, x - v.C[i]));
      if (m >= root_moment - 1e-9) at_root = x, root_moment = m;
    }
    ASSERT_NEAR(v.XStar, at_root, 1e-9) << where;
    ASSERT_NEAR(-v.EIDeflection, r.deflection_up, 1e-6 * (1 + std::fabs(r.deflection_up))) << where;
    if (!testing_support::FullSweep() || k % 97 == 0) {
      auto s = testing_support::NewState();
      const auto texts = RunRow(*s, {{p[0], p[1], p[2], p[3], p[4], p[5], p[6]}});
      const std::vector<double> row = PrintedRow(texts.second_answers);
      ASSERT_EQ(row.size(), 6u) << texts.second_answers;
      const double expected[] = {r.ra, r.rb, r.largest, v.XMax, r.deflection_up};
      for (int i = 0; i < 5; ++i) ASSERT_NEAR(row[i + 1], expected[i], 0.0051) << where << " " << i;
      ASSERT_EQ(texts.answers.find("nan"), std::string::npos) << where;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6LL * 6 * 6 * 6 * 6 * 6 * 6));
}

TEST(SimpleBeamTest, GoldenLines) {
  // P7 = 5 gives P = 3, P6 = 5 gives m = 20 (counter-clockwise); supports on points 1 and 2
  // leave an overhang of two segments; the shear keeps its sign, so there is no x* and no
  // distance mark under the shear diagram; |M| = 20 at x = 4 and at x = 6 keeps x = 4.
  auto s = testing_support::NewState();
  s->StudentsMode = true;
  s->StudentNames[2] = "Ivanova";
  const auto texts = RunRow(*s, {{1, 1, 1, 1, 1, 5, 5}});
  EXPECT_NE(
      texts.main.find("\\put(150,0){\\usebox{\\vmomentp}}\\put(150,-16){$m$}\\put(103,-18){$P$}"
                      "\\put(0,0){\\usebox{\\hing}}\\put(50,0){\\usebox{\\hingmobil}}"),
      std::string::npos)
      << texts.main;
  EXPECT_NE(texts.main.find("\\Red{\\put(100,1){\\thicklines\\vector(0,-1){19}}}%"),
            std::string::npos);
  EXPECT_NE(texts.main.find("\\vskip4mm $P=3$~кН,\\ \r\n$m=20$~кНм,\\ \r\n$q=6$~кН/м. \r\n\\\\ "),
            std::string::npos)
      << texts.main;
  EXPECT_NE(texts.second_answers.find("\\hline1 & $ 13.00 $&$   2.00\r\n$&$ 20.00$ &$   4.00$ \r\n"
                                      "&$  54.67$&Ivanova\r\n \\\\"),
            std::string::npos)
      << texts.second_answers;
  // Moment labels are absolute (M = -14 at the pin), shear labels signed; the mark of x = 4
  // stands under the moment diagram only.
  EXPECT_NE(texts.answers.find("\\unitlength=0.8pt 1.\\hskip52mm{\\small Ivanova }\\\\ "),
            std::string::npos)
      << texts.answers;
  EXPECT_NE(texts.answers.find("\\put(52,22){\\scriptsize 14}"), std::string::npos);
  EXPECT_NE(texts.answers.find("\\put(0,-14){\\mt{0}{-21}\\pp{0}{-19}\\mt{0}{-20}\\pp{100}{-20}"
                               "\\mt{100}{-21}\\pp{100}{-19}\\put(48,-18){\\scriptsize 4}}"
                               "\\end{picture}\\hfill "),
            std::string::npos);
  EXPECT_NE(texts.answers.find("\\put(2,31){\\scriptsize -13}\\put(41,3.3){\\scriptsize -1}"),
            std::string::npos);
  EXPECT_EQ(texts.answers.find("\\put(0,-14)", texts.answers.find("\\hfill ")), std::string::npos);
  EXPECT_NE(texts.answers.find("\\end{picture}}\\par \\parbox{430pt}{"), std::string::npos);
}

TEST(SimpleBeamTest, TheNameStandsInTheRowOnlyInStudentsMode) {
  // A name list loaded for another run must not reach the table: the head has no column for it.
  auto s = testing_support::NewState();
  s->StudentNames[2] = "Ivanova";
  const auto texts = RunRow(*s, {{1, 1, 1, 1, 1, 5, 5}});
  EXPECT_NE(texts.second_answers.find("&$  54.67$\r\n \\\\"), std::string::npos)
      << texts.second_answers;
  EXPECT_EQ(texts.second_answers.find("Ivanova"), std::string::npos);
  EXPECT_EQ(texts.answers.find("Ivanova"), std::string::npos);
}

TEST(SimpleBeamTest, TwoZeroShearSectionsKeepTheLargerMoment) {
  // The loaded overhang with an upward P at its end and the loaded span both cross zero shear:
  // |M| = 13.52 inside the span beats 2.08 on the overhang and the support moments (12).
  const SimpleBeamVariant v = DeriveSimpleBeamVariant(2, 5, 2, 4, 5, 4, 2);
  EXPECT_NEAR(v.MaxMoment, 13.520833, 1e-6);
  EXPECT_NEAR(v.XMax, 3 + 13.0 / 12, 1e-12);
  EXPECT_NEAR(v.XStar, 3 + 13.0 / 12, 1e-12);
}
}  // namespace
}  // namespace structural
