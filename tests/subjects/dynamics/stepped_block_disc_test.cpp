#include "subjects/dynamics/stepped_block_disc.h"

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

testing_support::RunTexts RunRow(int row, const VariantParams& p, int level) {
  auto s = testing_support::NewState();
  s->Level = level;
  return testing_support::RunTableRow(*s, shell::DefaultSubjectTable(), 7, row, {p});
}

// The number printed after key, or `missing` when key is not in text.
double After(const std::string& text, const std::string& key, double missing = -1) {
  const auto at = text.find(key);
  if (at == std::string::npos) return missing;
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

struct Point {
  double x = 0, y = 0;
  bool found = false;
};

// The position of the \put that the first `suffix` in text follows.
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

// The stepped block, its loads and the disc as a student reads them off the figure and the
// data, each velocity from the rolling and thread contacts of the drawing.
struct Reading {
  double rC, RC, iC, rD, RD, iD, mA, mB, mC, mD, mE, f, delta;
  bool level2, inclined, stepped_disc;
  double rhoA, rhoB, rhoD;  // arms on C (cm); rhoB > 0 when B rises as A descends
  double thread, contact;   // D's thread above its centre and its contact below it (cm)
};

Reading Read(const std::string& main) {
  Reading r{};
  const std::string fig = main.substr(main.rfind("\\begin{picture}"));  // the figure: last
  r.rC = After(main, "$r_c$="), r.RC = After(main, "$R_c$="), r.iC = After(main, "$i_c$=", 0);
  r.rD = After(main, "$r_D$="), r.RD = After(main, "$R_D$=", 0), r.iD = After(main, "$i_D$=", 0);
  r.mA = After(main, "$m_A$="), r.mB = After(main, "$m_B$=", 0), r.mC = After(main, "$m_C$=", 0);
  r.mD = After(main, "$m_D$="), r.mE = After(main, "$m_E$=", 0);
  r.f = After(main, "$f$=", 0), r.delta = After(main, "$\\delta$=", 0);
  r.level2 = main.find("качения $\\delta$") != std::string::npos;
  r.inclined = fig.find("60^\\circ") != std::string::npos;
  // Picture radii of C are 10 (r_C) and 20 (R_C); C's centre is (25, 42).
  auto arm = [&r](double d) { return std::fabs(std::fabs(d) - 10) < 0.5 ? r.rC : r.RC; };
  const Point cyl_e = PutBefore(fig, "{\\circle{16}}");
  double ax = 0, ay = 42;
  if (cyl_e.found) {
    ax = cyl_e.x;
  } else {
    const auto mt = fig.find("\\mt{");
    char* end = nullptr;
    ax = std::strtod(fig.c_str() + mt + 4, &end);
    ay = std::strtod(end + 2, nullptr);
  }
  r.rhoA = arm(std::hypot(ax - 25, ay - 42));
  const Point b = PutBefore(fig, "{\\line(0,-1){45}}");
  r.rhoB = b.found ? (b.x > 25 ? 1 : -1) * arm(b.x - 25) : 0;
  const Point t = PutBefore(fig, "{\\line(1,0){50}}");
  r.rhoD = arm(t.y - 42);
  const Point d = PutBefore(fig, "{\\circle{10}}");
  r.stepped_disc = fig.find("{\\circle{20}}") != std::string::npos;
  const Point base = PutBefore(fig, "{\\usebox{\\ochobahie}}");
  // Picture radii of D: 5 is r_D (or the cylinder's radius), 10 is R_D.
  auto disc = [&r](double d) { return std::fabs(d) < 0.5 ? 0 : std::fabs(d) < 7.5 ? r.rD : r.RD; };
  r.thread = (t.y > d.y ? 1 : -1) * disc(t.y - d.y);
  const bool trolley = fig.find("{\\usebox{\\telezka}}") != std::string::npos;
  r.contact = disc(d.y - (base.y + (trolley ? 15 : 0)));
  if (!r.stepped_disc) r.iD = r.rD / std::sqrt(2.0);  // homogeneous cylinder
  return r;
}

// 2T of D for the thread speed vt and the speed u of what D rolls on.
double DiscTwiceEnergy(const Reading& r, double vt, double u) {
  const double omega = (vt - u) / (r.thread + r.contact);
  const double centre = u + omega * r.contact;
  return r.mD * (centre * centre + r.iD * r.iD * omega * omega);
}

TEST(SteppedBlockDisc, Row8AnswersFollowFromTheDrawnSchemeAndData) {
  long long checked = 0;
  for (const auto& pt : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                     {60, 6, 10, 7, 9, 1, 1}, 1500, 1, 3)) {
    const VariantParams p{pt.p[0], pt.p[1], pt.p[2], pt.p[3], pt.p[4], 1, 1};
    const auto out = RunRow(8, p, pt.level);
    const Reading r = Read(out.main);
    const auto cells = numeric_check::AnswerCells(out.answers);
    ASSERT_EQ(cells.size(), r.level2 ? 7u : 5u) << testing_support::Describe(pt);
    // Per unit speed of A (cm/s): C's angular speed, B's and D's thread speeds.
    const double wC = 1 / r.rhoA;
    const double muB = r.mB * std::pow(wC * r.rhoB, 2);
    const double muC = r.mC * std::pow(wC * r.iC, 2);
    const double muD = DiscTwiceEnergy(r, wC * r.rhoD, 0);
    const double mu = r.mA + muB + (r.level2 ? muC : 0) + muD;
    const double a = r.inclined ? std::numbers::pi / 3 : std::numbers::pi / 2;
    const double workA = r.mA * kG * (std::sin(a) - r.f * std::cos(a));
    const double workB = -r.mB * kG * wC * r.rhoB;
    // Rolling friction: the moment m_D g delta over D's turn for S = 1 m (100 cm of A).
    const double turnD = std::fabs(100 * wC * r.rhoD / (r.thread + r.contact));
    const double workD = -r.mD * kG * r.delta / 1000 * turnD;
    const double v = std::sqrt(2 * (workA + workB + workD) / mu);
    std::vector<double> want{muB, muD, workA, workB, v};
    if (r.level2) want = {muB, muC, muD, workA, workB, workD, v};
    for (size_t i = 0; i < want.size(); ++i) {
      EXPECT_NEAR(cells[i], want[i], 0.0006) << "cell " << i << ", " << testing_support::Describe(pt);
    }
    EXPECT_GT(v, 0) << testing_support::Describe(pt);
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 60LL * 6 * 10 * 7 * 9 * 3));
}

TEST(SteppedBlockDisc, Row11AnswersFollowFromTheKineticEnergyOfTheDrawnSystem) {
  long long checked = 0;
  for (const auto& pt : testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                     {36, 6, 10, 7, 9, 1, 1}, 1500, 1, 3)) {
    const VariantParams p{pt.p[0], pt.p[1], pt.p[2], pt.p[3], pt.p[4], 1, 1};
    const auto out = RunRow(11, p, pt.level);
    const Reading r = Read(out.main);
    const bool hanging = out.main.find("{\\circle{16}}") != std::string::npos;
    const auto cells = numeric_check::AnswerCells(out.answers);
    ASSERT_EQ(cells.size(), 6u) << testing_support::Describe(pt);
    // q1, q2: with the hanging cylinder E, A's descent relative to E's axis and the descent
    // of E's axis; with the trolley, A's descent and the trolley's travel along the thread.
    auto twice_energy = [&](double q1, double q2) {
      if (hanging) {
        const double wC = q2 / r.rhoA;
        // E turns at q1 / R_E: its 2T of rotation is m_E q1^2 / 2 whatever R_E.
        return r.mA * std::pow(q1 + q2, 2) + r.mE * q2 * q2 + r.mE * q1 * q1 / 2 +
               r.mB * std::pow(wC * r.rhoB, 2) + r.mC * std::pow(wC * r.iC, 2) +
               DiscTwiceEnergy(r, wC * r.rhoD, 0);
      }
      const double wC = q1 / r.rhoA;
      return r.mA * q1 * q1 + r.mB * std::pow(wC * r.rhoB, 2) + r.mC * std::pow(wC * r.iC, 2) +
             DiscTwiceEnergy(r, wC * r.rhoD, q2) + r.mE * q2 * q2;
    };
    auto power = [&](double q1, double q2) {  // of gravity, per unit g
      if (hanging) return r.mA * (q1 + q2) + r.mE * q2 - r.mB * q2 / r.rhoA * r.rhoB;
      return r.mA * q1 - r.mB * q1 / r.rhoA * r.rhoB;
    };
    const double a11 = twice_energy(1, 0), a22 = twice_energy(0, 1);
    const double a12 = (twice_energy(1, 1) - a11 - a22) / 2;
    const double Q1 = kG * power(1, 0), Q2 = kG * power(0, 1);
    const double det = a11 * a22 - a12 * a12;
    const double x1 = (Q1 * a22 - Q2 * a12) / det, x2 = (a11 * Q2 - a12 * Q1) / det;
    const double want[] = {a11, a12, a22, Q1, Q2, hanging ? x1 + x2 : x1};
    for (int i = 0; i < 6; ++i) {
      EXPECT_NEAR(cells[i], want[i], 0.0006) << "cell " << i << ", " << testing_support::Describe(pt);
    }
    EXPECT_GT(det, 0) << testing_support::Describe(pt);
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, 36LL * 6 * 10 * 7 * 9 * 3));
}


// The answers row of a one-variant document: between the head's "\hline" and the row end.
std::string AnswersRow(const std::string& answers) {
  const auto start = answers.find("\\\\\\hline") + 8;
  return answers.substr(start, answers.find(" \\\\", start) - start);
}

struct GoldenCase {
  const char* what;
  int row, level;
  VariantParams p;
  std::vector<std::string> main_lines;  // each must stand in the main document as a line
  std::string answers_row;
};

TEST(SteppedBlockDisc, GoldenLinesOfTheSchemesLevelsAndBodies) {
  const GoldenCase cases[] = {
      {"P1 = 7: scheme 2 (A on R_C, B on R_C), disc 1", 8, 1, {7, 2, 3, 4, 5, 1, 1},
       {"\\put(0,0){\\usebox{\\BlokC}}\\mt{5}{42}\\pp{5}{10}\\OliveGreen{\\speh%",
        "\\put(-8.5,4){\\small \\Blue{$A$}}\\put(45,42){\\line(0,-1){45}}",
        "\\put(52,-5){\\small \\Blue{$B$}}\\put(25,52){\\line(1,0){50}}",
        "\\put(75,42){\\circle{10}}\\put(75,42){\\circle{ 1}}\\put(0,37){\\usebox{\\ochobahie}}"
        "\\put(75,42){\\circle{20}}\\put(85,47){\\small \\Blue{$D$}}\\end{picture}",
        "\\hfill\\parbox[b]{60pt}{\\small$r_c$= 14~см,\\\\ $R_c$= 31~см,\\\\",
        " $r_D$= 13~см,\\\\ $R_D$= 22~см,\\\\ $i_D$=  18~см.\\\\ ",
        "\\raggedright\\par }\\hskip2mm\\parbox[b]{60pt}{\\small", "  $m_A$=9~кг,\\\\ ",
        " $m_B$=3~кг,\\\\", "$m_D$=6~кг.\\\\ "},
       "  1&  3.000&   0.492&   88.290&  -29.430&  3.070"},
      {"P1 = 40: scheme 7 read as 6, Level 1: no i_C, m_C or delta", 8, 1, {40, 3, 5, 2, 7, 1, 1},
       {"\\put(1.5,4){\\small \\Blue{$A$}}\\put(45,42){\\line(0,-1){45}}",
        "\\put(52,-5){\\small \\Blue{$B$}}\\put(25,52){\\line(1,0){50}}",
        "\\hfill\\parbox[b]{60pt}{\\small$r_c$= 16~см,\\\\ $R_c$= 31~см,\\\\",
        " $r_D$= 15~см,\\\\ $R_D$= 23~см,\\\\ $i_D$=  21~см.\\\\ "},
       "  1& 15.016&  60.625&  186.390&  -76.028&  1.527"},
      {"P1 = 45: scheme 8 read as 5, Level 5 written as Level 2", 8, 5, {45, 1, 1, 1, 1, 1, 1},
       {"\\put(0,0){\\usebox{\\BlokC}}\\mt{5}{42}\\pp{5}{10}\\OliveGreen{\\speh%",
        "\\put(-8.5,4){\\small \\Blue{$A$}}\\put(35,42){\\line(0,-1){45}}",
        "\\put(42,-5){\\small \\Blue{$B$}}\\put(25,62){\\line(1,0){50}}", "$i_c$=26~см,\\\\",
        "$\\delta$=1~мм,\\\\ ", "$m_C$=3~кг,\\\\"},
       "  1&  0.213&  3.000&  21.184&   19.620&   -4.528&  -0.420&  1.054"},
      {"P1 = 55: inclined scheme 9 with f, no B", 8, 1, {55, 6, 10, 7, 9, 1, 1},
       {"\\put(0,0){\\usebox{\\BlokC}}\\mt{7.68}{32}\\pp{23.68}{4.29}\\OliveGreen{\\speh%",
        "\\put(27.28,-10.95){\\line(-1,0){20}}", " $f$=0.7,\\\\", "$m_D$=9~кг.\\\\ "},
       "  1&  0.000&   1.115&   45.560&    0.000&  3.001"},
      {"row 11, P2 = 2: D on the trolley, the base lowered", 11, 1, {3, 2, 4, 3, 5, 1, 1},
       {"\\put(75,72){\\circle{10}}\\put(75,72){\\circle{ 1}}\\put(0,52){\\usebox{\\ochobahie}}"
        "\\put(60,52){\\usebox{\\telezka}}\\put(75,72){\\circle{20}}\\put(85,77){\\small "
        "\\Blue{$D$}}\\end{picture}",
        "$i_c$=28~см,\\\\", "}\\hskip1mm\\parbox[b]{50pt}{\\small $m_A$=9~кг,\\\\ ",
        " $m_C$= 8~кг, \\\\ $m_D$= 5~кг,\\\\ $m_E$= 5~кг.\\\\", " \\rule{0pt}{20pt}}} \\rule{0pt}{20pt}"},
       " 1& 243.817&-111.998&  71.016&   58.860&    0.000&   0.876"},
      {"row 11, P2 = 5: the hanging cylinder E with A below it", 11, 1, {3, 5, 4, 3, 5, 1, 1},
       {"\\put(0,0){\\usebox{\\BlokC}}\\put(15,42){\\line(0,-1){36}}",
        "\\put(15,6){\\circle{16}}\\put(15,6){\\circle{ 1}}\\put(1,10){\\small \\Blue{$E$}}"
        "\\put(7,6){\\line(0,-1){18}}",
        "\\put(10.5,-20){\\small \\Blue{$A$}}\\put(35,42){\\line(0,-1){45}}"},
       " 1&  11.500&   9.000& 181.111&   88.290&  107.910&   7.726"},
  };
  for (const auto& c : cases) {
    const auto out = RunRow(c.row, c.p, c.level);
    const std::string main = "\r\n" + out.main;
    for (const auto& line : c.main_lines) {
      EXPECT_NE(main.find("\r\n" + line + "\r\n"), std::string::npos) << c.what << ": " << line;
    }
    EXPECT_EQ(AnswersRow(out.answers), c.answers_row) << c.what;
  }
}

TEST(SteppedBlockDisc, LevelsAboveTwoWriteTheLevelTwoDocument) {
  for (int row : {8, 11}) {
    for (const VariantParams& p : {VariantParams{7, 2, 3, 4, 5, 1, 1}, VariantParams{52, 4, 9, 6, 8, 1, 1}}) {
      const auto two = RunRow(row, p, 2);
      for (int level : {3, 10}) {
        const auto out = RunRow(row, p, level);
        EXPECT_EQ(out.main, two.main) << "row " << row << ", Level " << level;
        EXPECT_EQ(out.answers, two.answers) << "row " << row << ", Level " << level;
      }
    }
  }
  // Level 2 of row 8 heads and fills seven columns; the statement names delta and both radii
  // of inertia.
  const auto out = RunRow(8, {7, 2, 3, 4, 5, 1, 1}, 4);
  EXPECT_NE(out.answers.find("&\\mc{$A_D$}&\\mc{$v$}\\\\\\hline"), std::string::npos);
  EXPECT_NE(out.main.find("проскальзывания с  коэффициентом  трения  качения $\\delta$. "
                          " Коэффициент трения  скольжения  $f$.\r\n"
                          " Радиусы  инерции  $i_C$, $i_D$.\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace dynamics
