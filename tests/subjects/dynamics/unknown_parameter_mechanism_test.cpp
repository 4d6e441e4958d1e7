#include "subjects/dynamics/unknown_parameter_mechanism.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "tests/support/numeric_check.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace dynamics {
namespace {

using testing_support::VariantParams;

constexpr double kG = 9.81;

testing_support::RunTexts RunRow7(const VariantParams& p) {
  auto s = testing_support::NewState();
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 7, {p});
}

double After(const std::string& text, const std::string& key, double missing = -1) {
  const auto at = text.find(key);
  if (at == std::string::npos) return missing;
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

struct Point {
  double x = 0, y = 0;
  bool found = false;
};

Point PutBefore(const std::string& text, const std::string& suffix) {
  const auto at = text.find(suffix);
  if (at == std::string::npos) return {};
  const auto put = text.rfind("\\put(", at);
  char* end = nullptr;
  Point p;
  p.x = std::strtod(text.c_str() + put + 5, &end);
  p.y = std::strtod(end + 1, nullptr);
  p.found = true;
  return p;
}

bool Has(const std::string& text, const std::string& key) {
  return text.find(key) != std::string::npos;
}

// The mechanism as the statement, the data and the figure give it, and its energy balance
// for the path S: T = mu v^2 / 2 against the works of gravity, friction, the spring and the
// friction moment on B's axis.
struct Balance {
  double mu = 0, muA = 0, muB = 0, muC = 0, muD = 0;
  double workA = 0, workC = 0, workD = 0;
  double stretch = 0;  // of the spring over S (m)
  double turnB = 0;    // of B over S (rad)
};

Balance Analyse(const std::string& main) {
  const std::string fig = main.substr(main.find("\\unitlength=1.4pt\\noindent\\begin{picture}"));
  const double mA = After(main, "$m_A="), mB = After(main, "$m_B="), mC = After(main, "$m_C=");
  const double mD = After(main, "$m_D="), RB = After(main, "$R_B="), rc = After(main, "$r_c=");
  const double iC = After(main, "$i_c="), delta = After(main, "{\\delta_{fr}{=}");
  const double rB = After(main, "$r_B=", 0), rA = After(main, "{r_A=", 0);
  const double RA = After(main, "{R_A=", 0), f = After(main, "{f=", 0);
  double iB = After(main, "$i_B=", 0);
  if (iB == 0) iB = RB / std::sqrt(2.0);  // a homogeneous pulley
  const double iA = After(main, "{i_A=", 0);
  const double S = std::strtod(main.c_str() + main.rfind(" ", main.find("~м, ")), nullptr);
  const double angle = (Has(fig, "45^\\circ") ? 45 : 30) * std::numbers::pi / 180;
  // One picture unit is r_c / 8 cm (C's inner picture radius is 8).
  const double unit = rc / 8;
  const Point C = PutBefore(fig, "{\\usebox{\\blokC}}");
  const Point base = PutBefore(fig, "{\\usebox{\\osnbig}}");
  const Point toB = PutBefore(fig, "){46}}");
  Point toD = PutBefore(fig, "{\\line(-1,0)");
  if (!toD.found || toD.y == toB.y) toD = PutBefore(fig.substr(fig.find("){46}}")), "{\\line(1,0)");
  const double lambdaC = std::fabs(toB.y - base.y) * unit, rhoC = std::fabs(C.y - base.y) * unit;
  const double height = (toD.y - base.y) * unit;  // of D's thread above the base (cm)

  Balance b;
  // k: the speed of B's rim per unit speed of A; gA: A's driving factor; muA.
  double k = 1, gA = 1;
  const double slope = std::sin(angle), normal = std::cos(angle);
  if (Has(fig, "{\\usebox{\\gruz}}")) {         // a load sliding on the incline
    gA = slope - f * normal, b.muA = mA;
  } else if (Has(fig, "{\\usebox{\\cilindr}}")) {  // rolls, thread at its axis
    gA = slope - delta / 1000 / (rA / 100) * normal, b.muA = 1.5 * mA;
  } else if (Has(fig, "{\\usebox{\\cilin}}")) {    // rolls, thread at its top on B's inner step
    gA = slope - delta / 1000 / (rA / 100) * normal, b.muA = 1.5 * mA, k = 2 * RB / rB;
  } else if (Has(fig, "{\\usebox{\\blokA}}")) {    // rolls on R_A, thread under its r_A
    gA = slope - delta / 1000 / (RA / 100) * normal, b.muA = mA * (1 + iA * iA / (RA * RA));
    k = (RA - rA) / RA;
  } else if (Has(fig, "{\\usebox{\\blkb}}")) {     // rolls on R_A, thread over its r_A
    gA = slope - delta / 1000 / (RA / 100) * normal, b.muA = mA * (1 + iA * iA / (RA * RA));
    k = (RA + rA) / RA * RB / rB;
  } else if (Has(fig, "{\\usebox{\\blka}}")) {     // a pulley between B's two steps
    const double turn = 2 / (RB - rB);             // its angular speed (pulley radius r_A)
    b.muA = mA * (1 + rA * rA / 2 * turn * turn), k = 2 * RB / (RB - rB);
  } else if (Has(fig, "{\\usebox{\\vertgruz}}")) { // hangs from B's inner step
    b.muA = mA, k = RB / rB;
  } else {                                         // vertgruzAD: on the pulley D
    b.muA = mA, k = 2;
  }
  const bool on_pulley = Has(fig, "{\\usebox{\\vertgruzAD}}");
  b.turnB = 100 * S * k / RB;
  b.muB = mB * std::pow(iB * k / RB, 2);
  const double wC = k / lambdaC;  // C's angular speed per unit speed of A
  b.muC = mC * (iC * iC + rhoC * rhoC) * wC * wC;
  b.workA = gA * mA * kG * S;
  b.workC = -mC * kG * delta / 1000 * 100 * S * wC;
  const double end = wC * height;  // speed of D's thread per unit speed of A
  if (on_pulley) {
    b.muD = 1.5 * mD, b.workD = mD * kG * S, b.stretch = end * S;
  } else if (Has(fig, "{\\circle{ 1}}")) {  // a homogeneous cylinder, thread at its axis or top
    const Point D = PutBefore(fig, "{\\circle{ 1}}");
    const double centre = std::fabs(D.y - toD.y) < 0.01 ? end : end / 2;
    const double rD = After(main, " $r_D=");
    b.muD = 1.5 * mD * centre * centre;
    b.workD = -mD * kG * delta / 1000 * (100 * S * centre / rD);
    b.stretch = centre * S;
  } else {  // a sliding block
    b.muD = mD * end * end, b.workD = -f * mD * kG * end * S, b.stretch = end * S;
  }
  b.mu = b.muA + b.muB + b.muC + b.muD;
  return b;
}

TEST(UnknownParameterMechanism, TheSolvedParameterGivesTheStatedVelocityAndTheAnswer) {
  long long checked = 0;
  for (const auto& pt : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                     {4, 16, 3, 4, 8, 1, 1}, 1500, 1, 1)) {
    const VariantParams p{pt.p[0], pt.p[1], pt.p[2], pt.p[3], pt.p[4], 1, 1};
    const auto out = RunRow7(p);
    const std::string& main = out.main;
    const auto cells = numeric_check::AnswerCells(out.answers);
    ASSERT_EQ(cells.size(), 10u) << testing_support::Describe(pt);
    const Balance b = Analyse(main);
    const double v = After(main, "  скорость ") / 100;  // m/s
    const double K = b.mu * v * v / 2;
    EXPECT_GE(v, 0.01) << testing_support::Describe(pt);
    EXPECT_LE(v, 1.3) << testing_support::Describe(pt);
    const double driving = b.workA + b.workC + b.workD;
    const double spring = b.stretch * b.stretch / 2;
    double vA = 0;
    if (Has(main, "{M_{fr.B}=")) {  // the stiffness is unknown
      const double M = After(main, "{M_{fr.B}=");
      const double c = (driving - M * b.turnB - K) / spring;
      EXPECT_NEAR(cells[0], M, 1e-9) << testing_support::Describe(pt);
      EXPECT_NEAR(cells[1], c, 0.0051) << testing_support::Describe(pt);
      EXPECT_GE(c, 0) << testing_support::Describe(pt);
      double z = 1 - After(main, "жесткость пружины уменьшить на ", 0) / 100;
      if (Has(main, "заменить на две")) z = 1.0 / 2;
      if (Has(main, "заменить на три")) z = 1.0 / 3;
      if (Has(main, "заменить на четыре")) z = 1.0 / 4;
      vA = std::sqrt(2 * (driving - M * b.turnB - z * c * spring) / b.mu);
    } else {  // the friction moment is unknown
      const double c = After(main, "{c=");
      const double M = (driving - c * spring - K) / b.turnB;
      EXPECT_NEAR(cells[0], M, 0.051) << testing_support::Describe(pt);
      EXPECT_NEAR(cells[1], c, 1e-9) << testing_support::Describe(pt);
      const double q = After(main, "уменьшить в ", 0);
      vA = Has(main, "убрать пружину")
               ? std::sqrt(2 * (driving - M * b.turnB) / b.mu)
               : std::sqrt(2 * (driving - c * spring - M / q * b.turnB) / b.mu);
    }
    const double want[] = {b.muA, b.muB, b.muC, b.muD, 100 * vA, b.workA, b.workC, b.workD};
    const double tol[] = {0.0051, 0.0006, 0.0006, 0.0006, 0.0006, 0.0006, 0.0006, 0.0006};
    for (int i = 0; i < 8; ++i) {
      EXPECT_NEAR(cells[i + 2], want[i], tol[i]) << "cell " << i + 2 << ", "
                                                 << testing_support::Describe(pt);
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 4LL * 16 * 3 * 4 * 8));
}

}  // namespace
}  // namespace dynamics
