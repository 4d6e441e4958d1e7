#include "subjects/dynamics/unknown_parameter_mechanism.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

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


std::string AnswersRow(const std::string& answers) {
  const std::string head_end = "$A_D$\\\\\\hline \r\n";
  const auto start = answers.find(head_end) + head_end.size();
  return answers.substr(start, answers.find("\r\n", start) - start);
}

struct GoldenCase {
  const char* what;
  VariantParams p;
  std::vector<std::string> main_lines;  // each must stand in the main document as a line
  std::string answers_row;
};

TEST(UnknownParameterMechanism, GoldenLinesOfTheKindsLayoutsAndQuestions) {
  const GoldenCase cases[] = {
      {"P2 = 7: A the movable pulley, S = e / 2, r_B = R_B - 8, two springs", {2, 7, 1, 2, 3, 1, 1},
       {" по вертикали на   0.5~м, блок $A$ приобретает", "  скорость 33 cм/с.",
        " пружину заменить на две такие же, соединенные последовательно  ?\\par}}",
        "\\put(35,4){\\usebox{\\pruzL}}\\put(35,4){\\circle{12}}\\put(35,4){\\circle{ 1}}"
        "\\put(35,11){\\small \\Blue{$D$}}\\put(106,12){\\usebox{\\blokb}}"
        "\\put(106,12){\\usebox{\\blka}}\\end{picture}",
        "$r_B=1$~см,\\\\ $i_B=8$~см, ", " ${r_A=5}$~см, ", " ${M_{fr.B}=2}$~Нм."},
       " 1&     2.0&    0.82&     10.69&   24.000&   14.225&   2.259&   33.114&    29.430&  -0.803&  -0.803"},
      {"P2 = 14: A on the pulley D, the spring at C's thread, the velocity capped",
       {1, 14, 1, 1, 2, 1, 1},
       {"  скорость 130 cм/с.", "  момент трения на оси $B$ уменьшить в 6 раз  ?\\par}",
        "\\put(33,12){\\usebox{\\pruzL}}\\put(106,18){\\usebox{\\blokb}}"
        "\\put(106,18){\\usebox{\\vertgruzAD}}\\end{picture}",
        "$r_D$=$R_B/2,$  ${\\delta_{fr}{=}5}$~мм, ", " ${c=1}$~Н/м. "},
       " 1&     2.2&    1.00&      2.00&    6.000&    5.157&   6.000&  319.352&    39.240&  -2.675&  78.480"},
      {"P1 = 4, P3 = 1, odd P2: D's rim an arc, the picture 15 taller; f = 0.05",
       {4, 1, 1, 3, 5, 1, 1},
       {"\\unitlength=1.4pt\\noindent\\begin{picture}(147,92)(-20,-31)%",
        "\\put(19,20){\\usebox{\\pruzL}}\\mt{41}{20}\\pp{40.95}{21.53}\\pp{40.79}{23.06}"
        "\\pp{40.52}{24.57}\\pp{40.15}{26.06}%",
        " жесткость пружины уменьшить на 40\\%  ?\\par}", " ${f=0.05,}$",
        "\\put(106,-4){\\usebox{\\gruz}}\\end{picture}"},
       " 1&     3.0&    0.99&     23.00&   10.000&  377.778&2420.000&    8.235&   151.567& -26.160& -78.480"},
      {"P1 = 3: C at (14, 36), the block D to its right; KA = 4 gives c = P3 / 10",
       {3, 8, 3, 4, 6, 1, 1},
       {"\\put(0,28){\\usebox{\\osnbig}}\\put(14,36){\\usebox{\\blokC}}\\put(14,22){\\line(1,0){46}}",
        "\\put(14,36){\\line(1,0){19}}",
        " убрать пружину? Учесть момент трения на оси блока $B$.\\par}}", " ${c=0.3}$~Н/м. "},
       " 1&     4.0&    0.30&    295.63&  432.000& 1147.762& 833.333&   10.626&   196.200& -21.459& -58.860"},
      {"c negative at the rounded velocity: the stated velocity lowered", {1, 7, 1, 2, 3, 1, 1},
       {"  скорость 25 cм/с."},
       " 1&     2.0&    2.89&     10.69&   24.000&    8.702&  16.066&   28.064&    29.430&  -0.803&  -0.803"},
      {"M negative at the rounded velocity: the stated velocity lowered", {1, 1, 1, 1, 1, 1, 1},
       {"  скорость 39 cм/с.", " ${c=2}$~Н/м. "},
       " 1&     0.2&    2.00&      4.00&    8.000&   17.190&  23.802&   47.161&    19.280&  -7.135&  -5.351"},
      {"P3 = 3: four springs", {2, 16, 3, 2, 8, 1, 1},
       {" пружину заменить на четыре такие же, соединенные последовательно  ?\\par}}"},
       " 1&     4.0&    5.00&     16.67&   21.311&   20.289&  18.728&   81.483&   120.539&  -4.727& -23.530"},
  };
  for (const auto& c : cases) {
    const auto out = RunRow7(c.p);
    const std::string main = "\r\n" + out.main;
    for (const auto& line : c.main_lines) {
      EXPECT_NE(main.find("\r\n" + line + "\r\n"), std::string::npos) << c.what << ": " << line;
    }
    EXPECT_EQ(AnswersRow(out.answers), c.answers_row) << c.what;
  }
}

TEST(UnknownParameterMechanism, TheStatedVelocityIsLoweredOnlyWhereTheUnknownWouldBeNegative) {
  int lowered = 0;
  for (int p1 = 1; p1 <= 4; ++p1) {
    for (int p2 = 1; p2 <= 16; ++p2) {
      for (int p3 = 1; p3 <= 3; ++p3) {
        for (int p4 = 1; p4 <= 4; ++p4) {
          for (int p5 = 1; p5 <= 8; ++p5) {
            const auto v = DeriveUnknownParameterVariant(p1, p2, p3, p4, p5);
            ASSERT_FALSE(v.unsolvable);
            EXPECT_GE(p4 == 1 || p4 == 4 ? v.M : v.c, 0);
            EXPECT_GE(v.v, 1);
            EXPECT_LE(v.v, 130);
            lowered += v.lowerings > 0;
          }
        }
      }
    }
  }
  EXPECT_EQ(lowered, 67 + 47);  // stiffness and friction moment cases of the whole space
}

TEST(UnknownParameterMechanism, StudentsModeHeadsTheNamesColumn) {
  auto s = testing_support::NewState();
  s->StudentsMode = true;
  const auto out = testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, 7,
                                                {{1, 1, 1, 1, 1, 1, 1}});
  EXPECT_NE(out.answers.find("&$A_D$&студент\\\\\\hline"), std::string::npos);
  const auto plain = RunRow7({1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(plain.answers.find("&$A_D$\\\\\\hline"), std::string::npos);
}

}  // namespace
}  // namespace dynamics
