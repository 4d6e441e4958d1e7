#include "subjects/dynamics/system_theorems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

testing_support::RunTexts RunRow(int row, const VariantParams& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, row, {p});
}

double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  if (at == std::string::npos) throw std::runtime_error("no " + key);
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

// The cells of the variant's answers row (after the head's last "\hline"), "$" dropped.
std::vector<double> AnswerRow(const std::string& answers) {
  // The one variant's row: after the head's last "\\hline", before the closing one.
  const auto end = answers.rfind("\\hline\\end{tabular}");
  const auto start = answers.rfind("\\hline", end - 1) + 6;
  std::string row = answers.substr(start, end - start);
  row = row.substr(0, row.rfind("\\\\"));
  std::vector<double> out;
  std::string cell;
  for (char c : row + "&") {
    if (c == '&') {
      out.push_back(std::strtod(cell.c_str(), nullptr));
      cell.clear();
    } else if (c != '$') {
      cell += c;
    }
  }
  return out;
}

// The mechanism as a teacher reads it off the figure and the data, in SI units. Face angles
// (degrees below the horizontal) are those of the drawing: A goes down its face to the left,
// the rolling body is pulled up its face, also to the left.
struct Mechanism {
  double a = 0, b = 0;         // faces of A and of the rolling body
  double rhoA = 0, rhoB = 0;   // arms of the two cords on the fixed-axis body
  double m1 = 0, J1 = 0;       // fixed-axis body
  double m2 = 0, J2 = 0, w2 = 0, arm = 0;  // rolling body: centre radius, cord arm from contact
  double mA = 0;
};

Mechanism ReadMechanism(const VariantParams& p, const std::string& main, double R, double r,
                        double Rc, double iB, double mA, double mB, double mC) {
  const double deg = std::numbers::pi / 180;
  Mechanism m;
  // The face angles as printed; a load A with no alpha hangs on its cord.
  m.a = (main.find("$\\alpha=") == std::string::npos ? 90 : NumberAfter(main, "$\\alpha=")) * deg;
  m.b = NumberAfter(main, "$\\beta=") * deg;
  R /= 100, r /= 100, Rc /= 100, iB /= 100;
  m.mA = mA;
  if (p[1] == 1) {  // cylinder C on the axis, block B rolls on its rim R, cord on its drum r
    m.rhoA = m.rhoB = Rc;
    m.m1 = mC, m.J1 = mC * Rc * Rc / 2;
    m.m2 = mB, m.J2 = mB * iB * iB, m.w2 = R;
    m.arm = p[2] == 1 ? R + r : R - r;
  } else {  // block B on the axis, cylinder C rolls; its cord at the axle or over the top
    m.rhoA = p[1] == 2 ? R : r;
    m.rhoB = p[1] == 2 ? r : R;
    m.m1 = mB, m.J1 = mB * iB * iB;
    m.m2 = mC, m.J2 = mC * Rc * Rc / 2, m.w2 = Rc;
    m.arm = p[2] == 1 ? Rc : 2 * Rc;
  }
  return m;
}

// Speeds per unit speed of A: the fixed body's angular speed, the cord's speed, the rolling
// body's angular speed about its contact point (cord point at `arm` from it) and its centre's.
struct Speeds {
  double w1, w2, vc;
};
Speeds SpeedsOf(const Mechanism& m) {
  const double w1 = 1 / m.rhoA;
  const double cord = w1 * m.rhoB;
  const double w2 = cord / m.arm;
  return {w1, w2, w2 * m.w2};
}

TEST(SystemTheoremsTest, Row4PrismShiftFromTheConservedCentreOfMass) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 3, 2, 4, 1, 10, 10}, 800, 1, 1);
  for (const auto& point : points) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(4, point.p, point.level);
    const double mA = NumberAfter(t.main, "$m_A$="), mB = NumberAfter(t.main, "$m_B$=");
    const double mC = NumberAfter(t.main, "$m_C$="), mD = NumberAfter(t.main, "$m_D$=");
    ASSERT_GE(mD, 1) << what;
    ASSERT_LE(mD, 99) << what;
    const Mechanism m =
        ReadMechanism(point.p, t.main, NumberAfter(t.main, "$R$="), NumberAfter(t.main, "$r$="),
                      NumberAfter(t.main, "$R_c$="), 0, mA, mB, mC);
    // A moves 1 m down its face; the rolling body goes up its face; the prism's shift X keeps
    // the sum of m x: mA(X - cos a) + m2(X - cos b vc) + (mB + mC + mD - m2 + ...) X = 0.
    const double sc = SpeedsOf(m).vc;
    const double total = mA + mB + mC + mD;
    const double X = (mA * std::cos(m.a) + m.m2 * std::cos(m.b) * sc) / total;
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 2u) << what;
    EXPECT_NEAR(row[1], 100 * X, 1.5e-3) << what;
  }
}

TEST(SystemTheoremsTest, Row6SpeedFromTheEnergyTheorem) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {3, 3, 2, 4, 5, 1, 10}, 1500);
  for (const auto& point : points) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(6, point.p, point.level);
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 10u) << what;
    ASSERT_EQ(t.main.find("вырождены"), std::string::npos) << what;
    const double mA = NumberAfter(t.main, "$m_A$="), mB = NumberAfter(t.main, "$m_B$=");
    const double mC = NumberAfter(t.main, "$m_C$=");
    const Mechanism m = ReadMechanism(point.p, t.main, NumberAfter(t.main, "$R$="),
                                      NumberAfter(t.main, "$r$="), NumberAfter(t.main, "$R_c$="),
                                      NumberAfter(t.main, "$i="), mA, mB, mC);
    const double S = NumberAfter(t.main, "$S_A=");
    const bool friction = point.level > 1;
    const double f = friction && t.main.find("$f=") != std::string::npos
                         ? NumberAfter(t.main, "$f=") : 0;
    const double delta = friction ? NumberAfter(t.main, "$\\delta=") / 1000 : 0;
    if (!friction) {
      EXPECT_EQ(t.main.find("трение"), std::string::npos) << what;
      EXPECT_EQ(t.main.find("\\delta="), std::string::npos) << what;
    }
    const Speeds v = SpeedsOf(m);
    const double g = 9.81;
    // Kinetic energy per unit speed of A squared, twice.
    const double muA = mA, mu1 = m.J1 * v.w1 * v.w1, mu2 = m.m2 * v.vc * v.vc + m.J2 * (v.vc / m.w2) * (v.vc / m.w2);
    // Works when A moves S down its face (dir = 1) or up it (dir = -1); resistances oppose.
    auto works = [&](double dir) {
      const double wA = mA * g * std::sin(m.a) * dir * S - f * mA * g * std::cos(m.a) * S;
      const double sc = v.vc * S;  // the rolling body's path
      const double w2 = -m.m2 * g * std::sin(m.b) * dir * sc - delta * m.m2 * g * std::cos(m.b) * sc / m.w2;
      return std::array<double, 2>{wA, w2};
    };
    auto w = works(1);
    if (w[0] + w[1] < 0) w = works(-1);
    // The system starts to move: a set whose works balance would leave nothing to find.
    ASSERT_GT(w[0] + w[1], 1e-3) << what;
    const double mu = muA + mu1 + mu2;
    const bool BRolls = point.p[1] == 1;
    const double expect[10] = {0, muA, BRolls ? mu2 : mu1, BRolls ? mu1 : mu2, w[0],
                               BRolls ? w[1] : 0, BRolls ? 0 : w[1], w[0] + w[1], mu,
                               std::sqrt(std::max(0.0, 2 * (w[0] + w[1]) / mu))};
    EXPECT_NEAR(row[1], expect[1], 0.5) << what;
    for (int c = 2; c < 10; ++c) {
      EXPECT_NEAR(row[c], expect[c], 1.5e-3 + 1e-6 * std::fabs(expect[c])) << what << " cell " << c;
    }
  }
}

TEST(SystemTheoremsTest, Row10LagrangeSystemFromTheKineticEnergy) {
  const auto points =
      testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {4, 3, 2, 4, 5, 1, 12}, 1500);
  for (const auto& point : points) {
    const std::string what = testing_support::Describe(point);
    const auto t = RunRow(10, point.p, point.level);
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 7u) << what;
    const double mA = NumberAfter(t.main, "$m_A="), mB = NumberAfter(t.main, "$m_B=");
    const double mC = NumberAfter(t.main, "$m_C="), mD = NumberAfter(t.main, "$m_D=");
    const double mE = NumberAfter(t.main, "$m_E="), F = NumberAfter(t.main, "$F=");
    const Mechanism m = ReadMechanism(point.p, t.main, NumberAfter(t.main, "$R_B="),
                                      NumberAfter(t.main, "$r_B="), NumberAfter(t.main, "$R_c="),
                                      NumberAfter(t.main, "$i_B="), mA, mB, mC);
    const bool right = t.main.find("\\thicklines\\vector(1,0)") != std::string::npos;
    const double Fx = right ? F : -F;
    const Speeds v = SpeedsOf(m);
    const double g = 9.81;
    // x1 the prism to the right, x2 A along its face, down it when dir = 1. Velocities of the
    // bodies' centres as (dx1, dx2) coefficients: A (-cos a dir, -sin a dir), rolling body
    // (-cos b vc dir, sin b vc dir), everything else moves with the prism.
    double dir = 1;
    auto q2 = [&](double d) {
      return g * (mA * std::sin(m.a) * d - m.m2 * std::sin(m.b) * v.vc * d);
    };
    if (q2(dir) < 0) dir = -1;
    const double Ax = -std::cos(m.a) * dir, Ay = -std::sin(m.a) * dir;
    const double Cx = -std::cos(m.b) * v.vc * dir, Cy = std::sin(m.b) * v.vc * dir;
    // Two wheels E rolling under the prism: m v^2/2 + (m rE^2/2)(v/rE)^2/2 each.
    const double a11 = mA + mB + mC + mD + 2 * 1.5 * mE;
    const double a12 = mA * Ax + m.m2 * Cx;
    const double a22 = mA * (Ax * Ax + Ay * Ay) + m.J1 * v.w1 * v.w1 +
                       m.m2 * (Cx * Cx + Cy * Cy) + m.J2 * v.w2 * v.w2;
    const double Q1 = Fx, Q2 = q2(dir);
    const double aD = (Q1 * a22 - a12 * Q2) / (a11 * a22 - a12 * a12);
    const double expect[7] = {0, a11, a12, a22, Q1, Q2, aD};
    for (int c = 1; c < 7; ++c) {
      EXPECT_NEAR(row[c], expect[c], 1.5e-3 + 1e-6 * std::fabs(expect[c])) << what << " cell " << c;
    }
  }
}

TEST(SystemTheoremsTest, EdgeCasesOfTheStatementsAndRows) {
  // Row 4, A hangs (P1 = 2, P4 = 1): only the rolling body moves the prism.
  const auto hang = DeriveSystemTheoremsVariant(4, 2, 2, 1, 1, 1, 5, 5, 1);
  EXPECT_EQ(hang.alpha, -90);
  EXPECT_NEAR(hang.deltaD,
              100 * hang.m2 * std::cos(hang.beta * std::numbers::pi / 180) * hang.ratio /
                  (hang.mA + hang.mB + hang.mC + hang.mD), 1e-9);
  // Row 6 at Level 1: no friction sentences, no f or delta in the data.
  const auto l1 = RunRow(6, {1, 2, 1, 2, 3, 1, 4}, 1);
  EXPECT_EQ(l1.main.find("$f="), std::string::npos);
  EXPECT_EQ(l1.main.find("Коэффициент"), std::string::npos);
  EXPECT_NE(l1.main.find("$S_A=1$~м.}"), std::string::npos);
  const auto l5 = RunRow(6, {1, 2, 1, 2, 3, 1, 4}, 5);
  EXPECT_NE(l5.main.find("$f=0.03$"), std::string::npos);
  EXPECT_NE(l5.main.find("$\\delta=0.2$~мм"), std::string::npos);
  // P2 = 1: the fixed-axis C in the C columns with no work; P2 = 2: in the B columns.
  const auto c1 = AnswerRow(RunRow(6, {1, 1, 1, 2, 3, 1, 4}, 3).answers);
  EXPECT_EQ(c1[6], 0);
  EXPECT_NE(c1[5], 0);
  const auto c2 = AnswerRow(RunRow(6, {1, 2, 1, 2, 3, 1, 4}, 3).answers);
  EXPECT_EQ(c2[5], 0);
  EXPECT_NE(c2[6], 0);
  // Row 10, P5 = 2: F = -(2 P7 + 10), printed as its size, the arrow to the left.
  const auto r10 = RunRow(10, {2, 2, 1, 2, 2, 1, 3}, 4);
  EXPECT_NE(r10.main.find("$F=16$~Н.}"), std::string::npos);
  EXPECT_NE(r10.main.find("\\thicklines\\vector(-1,0)"), std::string::npos);
  EXPECT_EQ(AnswerRow(r10.answers)[4], -16);
  // P1 = 4: a horizontal face for the rolling body and row 1's face angles for A.
  const auto flat = DeriveSystemTheoremsVariant(10, 4, 1, 2, 3, 1, 1, 1, 2);
  EXPECT_EQ(flat.beta, 0);
  EXPECT_EQ(flat.alpha, -45);
  // Every answers cell closes its own formula.
  EXPECT_NE(r10.answers.find("  1&$  34.000$&$"), std::string::npos) << r10.answers;
}

// Row 6 at Level 1 without friction: with m_A = 6 kg the works of A and of the rolling
// cylinder balance (variant 27 of a set stood at rest, A = 0, v = 0); such data take the
// doubled load, and the system moves.
TEST(SystemTheoremsTest, Row6BalancedWorksTakeTheHeavierLoad) {
  for (const VariantParams& p : {VariantParams{1, 2, 1, 2, 1, 1, 3}, {2, 1, 2, 4, 1, 1, 1}}) {
    const auto t = RunRow(6, p, 1);
    const auto row = AnswerRow(t.answers);
    ASSERT_EQ(row.size(), 10u) << t.answers;
    EXPECT_EQ(NumberAfter(t.main, "$m_A$="), 2 * (3 * p[2] + 3 * p[0])) << t.main;
    EXPECT_GT(row[7], 1) << t.answers;
    EXPECT_GT(row[9], 0.1) << t.answers;
  }
}

// The face angles that the answers depend on stand in the data: alpha unless A hangs, beta
// always, as the figure marks them.
TEST(SystemTheoremsTest, FaceAnglesArePrinted) {
  struct Case {
    int row;
    VariantParams p;
    const char* text;
  };
  const Case cases[] = {
      {4, {1, 2, 1, 3, 1, 5, 5}, " $\\alpha=45^\\circ$,\\\\ $\\beta=30^\\circ$,\\\\"},
      {4, {2, 2, 1, 1, 1, 5, 5}, "~см,\\\\\r\n $\\beta=45^\\circ$,\\\\"},  // A hangs
      {6, {3, 1, 1, 2, 1, 1, 4}, " $\\alpha=45^\\circ$,\\\\ $\\beta=30^\\circ$,\\\\"},
      {10, {4, 1, 2, 3, 1, 1, 1}, " $\\alpha=45^\\circ$,\\\\ $\\beta=0^\\circ$}"},
  };
  for (const Case& c : cases) {
    const auto t = RunRow(c.row, c.p, 1);
    EXPECT_NE(t.main.find(c.text), std::string::npos) << c.row << "\n" << t.main;
  }
}

// The prism figure as its picture commands draw it: the prism's outline (the em path of its
// brown group), the circles of the bodies and, in row 10, where the force's arrow starts.
struct PrismFigure {
  std::vector<std::array<double, 4>> faces;  // x0, y0, x1, y1
  std::vector<std::array<double, 3>> circles;  // x, y, radius (diameter 10 and more)
  std::vector<std::array<double, 2>> forces;
  std::string body;  // the picture's text, line ends without their carriage returns
};

PrismFigure ReadPrismFigure(const std::string& main) {
  PrismFigure f;
  const auto prism = main.find("\\Brown{\\special{em:linewidth0.8pt}");
  if (prism == std::string::npos) throw std::runtime_error("no prism");
  const auto begin = main.rfind("\\begin{picture}", prism);
  const auto end = main.find("\\end{picture}", prism);
  for (char c : main.substr(begin, end - begin)) {
    if (c != '\r') f.body += c;
  }
  const std::size_t close = f.body.find("}}", f.body.find("\\mt{")) + 1;  // the group's end
  double px = 0, py = 0;
  for (std::size_t i = f.body.find("\\mt{"); i < close;) {
    const bool move = f.body.compare(i, 4, "\\mt{") == 0;
    double x = 0, y = 0;
    if (std::sscanf(f.body.c_str() + i + 3, "{%lf}{%lf}", &x, &y) != 2) break;
    if (!move) f.faces.push_back({px, py, x, y});
    px = x, py = y;
    const auto next = f.body.find_first_of('\\', i + 1);
    i = next == std::string::npos ? close : next;
  }
  for (auto i = f.body.find("\\put("); i != std::string::npos; i = f.body.find("\\put(", i + 1)) {
    double x = 0, y = 0, d = 0;
    if (std::sscanf(f.body.c_str() + i, "\\put(%lf,%lf){\\circle{%lf}", &x, &y, &d) == 3 &&
        d >= 10) {
      f.circles.push_back({x, y, d / 2});
    }
    const auto args_end = f.body.find(')', i);
    if (f.body.compare(args_end + 1, 19, "{\\thicklines\\vector") == 0 &&
        std::sscanf(f.body.c_str() + i, "\\put(%lf,%lf)", &x, &y) == 2) {
      f.forces.push_back({x, y});
    }
  }
  return f;
}

double DistanceToFace(const std::array<double, 4>& s, double x, double y) {
  const double dx = s[2] - s[0], dy = s[3] - s[1];
  const double len2 = dx * dx + dy * dy;
  const double k = len2 == 0 ? 0 : std::clamp(((x - s[0]) * dx + (y - s[1]) * dy) / len2, 0.0, 1.0);
  return std::hypot(s[0] + k * dx - x, s[1] + k * dy - y);
}

// Every body stands on the prism as drawn: no face runs through a circle, the rolling body
// (the lower of the two) touches its face, the force on the prism starts on its outline, and
// no line end inside the picture becomes a space that moves what follows it to the right.
TEST(SystemTheoremsTest, BodiesSitOnThePrismAsDrawn) {
  constexpr double kSlack = 0.35;  // pt: the coordinates are printed to two decimals
  for (int row : {4, 6, 10}) {
    for (int p1 = 1; p1 <= (row == 10 ? 4 : 3); ++p1) {
      for (int p2 = 1; p2 <= 3; ++p2) {
        for (int p3 = 1; p3 <= 2; ++p3) {
          for (int p4 = 1; p4 <= 4; ++p4) {
            for (int p5 = 1; p5 <= (row == 10 ? 2 : 1); ++p5) {
              const VariantParams p{p1, p2, p3, p4, p5, 1, 1};
              const PrismFigure f = ReadPrismFigure(RunRow(row, p, 1).main);
              const std::string where = "row " + std::to_string(row) + " P1..P5 " +
                                        std::to_string(p1) + std::to_string(p2) +
                                        std::to_string(p3) + std::to_string(p4) +
                                        std::to_string(p5) + "\n" + f.body;
              ASSERT_GE(f.faces.size(), 3u) << where;
              ASSERT_GE(f.circles.size(), 2u) << where;
              for (std::size_t n = f.body.find('\n'); n != std::string::npos;
                   n = f.body.find('\n', n + 1)) {
                const std::string next = f.body.substr(n + 1, 9);
                EXPECT_TRUE(f.body[n - 1] == '%' || next.starts_with("\\put(") ||
                            next.starts_with("\\Red{\\put") || next.starts_with("\\end{"))
                    << "a space before \"" << next << "\" in " << where;
              }
              const std::array<double, 3>* lowest = nullptr;
              for (const auto& c : f.circles) {
                double nearest = 1e300;
                for (const auto& s : f.faces) nearest = std::min(nearest, DistanceToFace(s, c[0], c[1]));
                EXPECT_GE(nearest, c[2] - kSlack) << "a face through a circle, " << where;
                if (lowest == nullptr || c[1] < (*lowest)[1]) lowest = &c;
              }
              double touch = 1e300;
              for (const auto& s : f.faces) {
                touch = std::min(touch, DistanceToFace(s, (*lowest)[0], (*lowest)[1]));
              }
              EXPECT_NEAR(touch, (*lowest)[2], kSlack) << "the rolling body, " << where;
              EXPECT_EQ(f.forces.size(), row == 10 ? 1u : 0u) << where;
              for (const auto& force : f.forces) {
                double on = 1e300;
                for (const auto& s : f.faces) on = std::min(on, DistanceToFace(s, force[0], force[1]));
                EXPECT_LE(on, kSlack) << "the force, " << where;
              }
            }
          }
        }
      }
    }
  }
}

TEST(SystemTheoremsTest, Row4ReplacedPrismMassesStayInRange) {
  // P6 = 1 makes M - (mA + mB + mC) negative for heavy loads: m_D becomes 45; P6 = 10 with
  // light loads leaves more than 99: m_D becomes 2 P7.
  EXPECT_EQ(DeriveSystemTheoremsVariant(4, 3, 1, 2, 1, 1, 1, 9, 1).mD, 45);
  EXPECT_EQ(DeriveSystemTheoremsVariant(4, 1, 1, 1, 1, 1, 10, 3, 1).mD, 6);
}

}  // namespace
}  // namespace dynamics

namespace dynamics {
namespace {

// The answers rows byte for byte (the values are those the model checks above confirm).
TEST(SystemTheoremsTest, GoldenAnswerRows) {
  struct Case {
    int row;
    VariantParams p;
    int level;
    const char* answers_row;
  };
  const Case cases[] = {
      {4, {2, 2, 1, 1, 1, 5, 5}, 1, " 1& $   8.250$ \\\\"},   // A hangs: only the rolling body moves the prism
      {6, {1, 1, 1, 2, 3, 1, 4}, 1, " 1&       6&   2.169&   5.000&  29.430&  -9.810&   0.000&  19.620&  13.169&      1.726 \\\\"},   // P2 = 1: the fixed-axis C in the C columns
      {6, {1, 2, 1, 2, 3, 1, 4}, 5, " 1&       6&   2.225&   6.667& -30.959&   0.000&  32.637&   1.678&  14.891&      0.475 \\\\"},   // P2 = 2: the fixed-axis B in the B columns
      {10, {2, 2, 1, 2, 2, 1, 3}, 4, "  1&$  34.000$&$  14.657$&$  19.370$&$ -16.000$&$  55.494$&$  -2.531$ \\\\"},  // P5 = 2: F to the left
  };
  for (const Case& c : cases) {
    const std::string ans = RunRow(c.row, c.p, c.level).answers;
    const auto end = ans.rfind("\\hline\\end{tabular}");
    const auto start = ans.rfind("\\hline", end - 1) + 6;
    EXPECT_EQ(ans.substr(start, end - start), c.answers_row) << c.row;
  }
}

}  // namespace
}  // namespace dynamics
