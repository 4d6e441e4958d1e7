#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "subjects/kinematics/kinematics_check.h"

namespace {

using kinematics_check::Between;
using kinematics_check::Cells;
using kinematics_check::RunOne;

double NumberAfter(const std::string& text, const std::string& marker) {
  const std::size_t at = text.find(marker);
  if (at == std::string::npos) return std::nan("");
  return std::strtod(text.c_str() + at + marker.size(), nullptr);
}

// Which step of each pulley carries the belt, by P1 (true: the big step); the loads hang on
// the other steps. Figure radii: A 20 and 16, B 12 and 8 (arrangement 8 draws B at 8 only).
struct Belt {
  bool big_a, big_b;
};
const Belt kBelt[9] = {{}, {true, false}, {true, false}, {true, true}, {true, true},
                       {false, false}, {false, false}, {false, true}, {false, true}};

struct Line {
  double x, y;
  int dx, dy;
  double e;
};
struct Circle {
  double x, y, d;
};

std::vector<Line> Lines(const std::string& text) {
  std::vector<Line> out;
  for (std::size_t at = 0; (at = text.find("{\\thicklines\\put(", at)) != std::string::npos; ++at) {
    Line l{};
    if (std::sscanf(text.c_str() + at, "{\\thicklines\\put(%lf,%lf){\\line(%d,%d){%lf}}", &l.x,
                    &l.y, &l.dx, &l.dy, &l.e) == 5)
      out.push_back(l);
  }
  return out;
}

std::vector<Circle> Circles(const std::string& text) {
  std::vector<Circle> out;
  for (std::size_t at = 0; (at = text.find("\\put(", at)) != std::string::npos; ++at) {
    Circle c{};
    if (std::sscanf(text.c_str() + at, "\\put(%lf,%lf){\\circle{%lf}}", &c.x, &c.y, &c.d) == 3)
      out.push_back(c);
  }
  return out;
}

// Distance of (px, py) from the line through l.
double DistanceToLine(const Line& l, double px, double py) {
  const double len = std::hypot(l.dx, l.dy);
  return std::abs((px - l.x) * l.dy - (py - l.y) * l.dx) / len;
}

TEST(BeltTransmission, AnswersFollowFromTheBeltAndTheLoads) {
  long long checked = 0;
  kinematics_check::ForEachSample(
      {8, 3, 4, 4, 9, 1, 1}, 1200,
      [&](const auto& p, int level) {
        const auto v = RunOne(6, p, level);
        const std::string what = kinematics_check::Describe(p) + " level " +
                                 std::to_string(level) + "\n" + v.main;
        const double RA = NumberAfter(v.main, "R_A="), rA = NumberAfter(v.main, "r_A=");
        const double RB = NumberAfter(v.main, "R_B="), rB = NumberAfter(v.main, "r_B=");
        const bool drives_c = v.main.find("{V_C=") != std::string::npos;
        const std::string coef_text = Between(v.main, drives_c ? "{V_C=" : "{V_D=", "t^{");
        const double c = coef_text == " " ? 1 : std::stod(coef_text);
        const double n = std::stod(Between(v.main, "t^{", "}"));
        const double T = NumberAfter(v.main, " через ");
        ASSERT_EQ(drives_c, p[1] != 3) << what;

        const Belt& belt = kBelt[p[0]];
        const double ZA = belt.big_a ? RA : rA, ZB = belt.big_b ? RB : rB;
        const double loadA = belt.big_a ? rA : RA, loadB = belt.big_b ? rB : RB;
        // V(t) = c t^n of the driving load; derivative by central differences.
        auto law = [&](double t) { return c * std::pow(t, n); };
        const double h = 1e-4;
        const double V = law(T), dV = (law(T + h) - law(T - h)) / (2 * h);
        double wA, eA, wB, eB, speed;
        if (drives_c) {
          wA = V / loadA, eA = dV / loadA;
          wB = wA * ZA / ZB, eB = eA * ZA / ZB;  // the belt does not slip: wA ZA = wB ZB
          speed = wB * loadB;
        } else {
          wB = V / loadB, eB = dV / loadB;
          wA = wB * ZB / ZA, eA = eB * ZB / ZA;
          speed = wA * loadA;
        }
        const double rm[5] = {0, rA, RB, rB, RA};
        const bool on_a = p[3] == 1 || p[3] == 4;
        const double w = on_a ? wA : wB, e = on_a ? eA : eB;
        const double at = e * rm[p[3]], an = w * w * rm[p[3]];
        const auto cells = Cells(v.answers);
        ASSERT_EQ(cells.size(), 5u) << v.answers;
        EXPECT_TRUE(kinematics_check::Agrees(cells[1], speed, 3, 1e-6) &&
                    kinematics_check::Agrees(cells[2], at, 3, 1e-6) &&
                    kinematics_check::Agrees(cells[3], an, 3, 1e-6) &&
                    kinematics_check::Agrees(cells[4], std::hypot(at, an), 3, 1e-6))
            << what << "\n" << v.answers << " expected " << speed << " " << at << " " << an;

        // The question follows Level 2.
        EXPECT_EQ(v.main.find("Найти $V_") != std::string::npos, level == 2) << what;

        // Each run of the belt touches both circles that carry it, at its two ends.
        const auto lines = Lines(v.main);
        const auto circles = Circles(v.main);
        ASSERT_EQ(lines.size(), 2u) << what;
        ASSERT_EQ(circles.size(), 4u) << what;
        const double ax = circles[0].x, ay = circles[0].y;
        const double bx = circles[2].x, by = circles[2].y;
        const double ra = belt.big_a ? 20 : 16;
        const double rb = belt.big_b ? (p[0] == 8 ? 8 : 12) : 8;
        EXPECT_EQ(circles[2].d, p[0] == 8 ? 16 : 24) << what;
        EXPECT_EQ(circles[3].d, 16) << what;
        for (const Line& l : lines) {
          const double ex = l.x + l.e, ey = l.y + l.e * l.dy / l.dx;
          EXPECT_NEAR(DistanceToLine(l, ax, ay), ra, 0.02) << what;
          EXPECT_NEAR(DistanceToLine(l, bx, by), rb, 0.02) << what;
          EXPECT_NEAR(std::hypot(l.x - ax, l.y - ay), ra, 0.02) << what;
          EXPECT_NEAR(std::hypot(ex - bx, ey - by), rb, 0.03) << what;
        }
        ++checked;
      },
      2);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 3456 * 2)) << checked;
  // Level 10 on a slice.
  for (int p1 = 1; p1 <= 8; ++p1) {
    const auto v = RunOne(6, {p1, 3, 4, 4, 9, 1, 1}, 10);
    EXPECT_NE(v.main.find("Определить скорость  груза $C$"), std::string::npos) << v.main;
  }
}

TEST(BeltTransmission, GoldenLines) {
  // Radii 1, law on load C: D_B = 15, n = 2, T = 1, c = 30.
  auto v = RunOne(6, {1, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(v.main.find("\\hfill\\parbox[b]{300pt}{\\small  Шкив $A$ (${R_A=20}$~см, "
                        "${r_A=16}$~cм)\r\n"
                        " соединен со шкивом $B$ (${R_B=15}$~см, ${r_B=5}$~см) ремнем.\r\n"
                        "Груз $C$ опускается с переменной  скоростью ${V_C=30t^{2}} $~см/с. "
                        "Определить скорость  груза $D$   через 1~c после начала движения.}\r\n"),
            std::string::npos)
      << v.main;
  EXPECT_EQ(v.answers, " 1 &   112.500  &    60.000  &    56.250  &    82.244");
  EXPECT_NE(v.main.find("\\begin{picture}(108,80)(-15,5)%\r\n"
                        "\\put(20,55){\\circle{40}}\\put(20,55){\\circle{32}}"
                        "\\put(20,55){\\usebox{\\hing}}"),
            std::string::npos)
      << v.main;

  // Arrangement 8: both circles of B at diameter 16.
  v = RunOne(6, {8, 1, 1, 1, 1, 1, 1});
  const auto circles = Circles(v.main);
  ASSERT_EQ(circles.size(), 4u);
  EXPECT_EQ(circles[2].d, 16);
  EXPECT_EQ(circles[3].d, 16);

  // Level 2 asks for V and a_M in a few words; the row still has four answers.
  v = RunOne(6, {1, 3, 1, 1, 1, 1, 1}, 2);
  EXPECT_NE(v.main.find("${V_D=60t^{4}}$~см/с. Найти $V_C$ и $a_M$  через 1~c"),
            std::string::npos)
      << v.main;
  EXPECT_EQ(Cells(v.answers).size(), 5u);
}

}  // namespace
