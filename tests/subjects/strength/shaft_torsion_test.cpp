#include "subjects/strength/shaft_torsion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "strength_run.h"
#include "tests/support/sweep.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RunRow;

constexpr int kRow = 28;

double Polar(double d_cm) { return std::numbers::pi * std::pow(d_cm / 100, 4) / 32; }

// Reads the shaft back: moments from the data text and the moment boxes, lengths from the
// data text, the diameters from the figure's diameter marks and its dashed bores, and checks
// the printed twists and surface stresses.
std::string CheckPrintedShaft(const testing_support::RunTexts& t) {
  const std::size_t data = t.main.find("\\\\ {");
  double M[4], l[4];
  for (int k = 1; k <= 3; ++k) {
    M[k] = NumberAfter(t.main, "$M_" + std::to_string(k) + "$=$", data);
    l[k] = NumberAfter(t.main, "$l_" + std::to_string(k) + "$=$", data);
  }
  const auto plus = strength_check::BoxPlacements(t.main, "momntp");
  const auto minus = strength_check::BoxPlacements(t.main, "momntm");
  std::vector<std::pair<double, int>> marks;
  for (const auto& p : plus) marks.push_back({p.first, 1});
  for (const auto& p : minus) marks.push_back({p.first, -1});
  if (marks.size() != 3) return "three moments expected";
  std::sort(marks.begin(), marks.end());
  for (int k = 1; k <= 3; ++k) {
    if (std::fabs(marks[k - 1].first - (56 * k - 2)) > 1e-9) return "moment off its section";
    M[k] *= marks[k - 1].second;
  }
  // Diameter marks: an arrow up and an arrow down from one point on the axis, spanning the
  // mark's value; each belongs to the segment it stands in.
  const auto arrows = strength_check::Arrows(t.main);
  std::vector<double> marks_in[4];
  for (const auto& up : arrows) {
    if (up.dx != 0 || up.dy != 1) continue;
    const bool paired = std::any_of(arrows.begin(), arrows.end(), [&](const auto& down) {
      return down.dx == 0 && down.dy == -1 && down.x == up.x && down.y == up.y &&
             down.len == up.len;
    });
    if (!paired || up.y != 22.5) return "a diameter mark off the axis";
    const int k = static_cast<int>(up.x / 56) + 1;
    if (k < 1 || k > 3) return "a diameter mark off the shaft";
    marks_in[k].push_back(2 * up.len);
  }
  // Bores: the dashed lines along the shaft, "\multiput(x,y)(dx,0){n}".
  struct Dashed {
    double x1, x2, y;
  };
  std::vector<Dashed> dashed;
  for (std::size_t at = t.main.find("\\multiput("); at != std::string::npos;
       at = t.main.find("\\multiput(", at + 1)) {
    char* end = nullptr;
    const double x = std::strtod(t.main.c_str() + at + 11, &end);
    const double y = std::strtod(end + 1, &end);
    const double dx = std::strtod(end + 2, &end);
    const double dy = std::strtod(end + 1, &end);
    const double n = std::strtod(end + 4, nullptr);  // past "){\r\n"
    if (dy == 0) dashed.push_back({x, x + n * dx, y});
  }
  // Each segment: a hollow one (dashed lines through its middle) shows its bore and its outer
  // diameter, a solid one its diameter alone.
  double outer[4], bore[4] = {0, 0, 0, 0};
  for (int k = 1; k <= 3; ++k) {
    std::vector<double> ys;
    for (const Dashed& d : dashed) {
      if (d.x1 < 56 * k - 28 && d.x2 > 56 * k - 28) ys.push_back(d.y);
    }
    std::vector<double>& m = marks_in[k];
    std::sort(m.begin(), m.end());
    const std::string seg = "segment " + std::to_string(k);
    if (ys.empty()) {
      if (m.size() != 1) return seg + ": one diameter expected";
      outer[k] = m[0];
      continue;
    }
    if (ys.size() != 2) return seg + ": a bore is two dashed lines";
    if (m.size() != 2) return seg + " is hollow: its bore and its outer diameter expected";
    bore[k] = std::fabs(ys[1] - ys[0]);
    if (std::fabs(m[0] - bore[k]) > 0.011) return seg + ": the smaller mark is not the bore";
    outer[k] = m[1];
  }
  const std::vector<double> cells = strength_check::RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 7) return "seven cells expected";
  double phi = 0;
  for (int k = 1; k <= 3; ++k) {
    double T = 0;  // kNm: the moments at and beyond the segment's right end
    for (int j = k; j <= 3; ++j) T += M[j];
    const double J = Polar(outer[k]) - (bore[k] > 0 ? Polar(bore[k]) : 0);
    phi += T * 1e3 * l[k] / (8e10 * J);
    const double tau = T * 1e3 * (outer[k] / 200) / J / 1e6;
    if (std::fabs(cells[k] - phi * 100) > 0.00051) return "twist " + std::to_string(k);
    if (std::fabs(cells[3 + k] - tau) > 0.00051) return "stress " + std::to_string(k);
  }
  return {};
}

TEST(ShaftTorsionTest, PrintedTwistsAndStressesFollowTheDrawnShaft) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {10, 10, 10, 10, 4, 4, 4}, 1500, 1, 1);
  for (const auto& point : points) {
    ASSERT_EQ(CheckPrintedShaft(RunRow(kRow, {point.p})), "") << testing_support::Describe(point);
  }
}

TEST(ShaftTorsionTest, GoldenRowsOfTheThreeShapes) {
  struct Case {
    testing_support::VariantParams p;
    std::string row;
  };
  const Case cases[] = {
      {{1, 3, 5, 7, 2, 3, 4}, "1&-0.145&-0.171&-0.075&-9.488&-1.419& 2.930"},
      {{2, 3, 5, 7, 2, 3, 4}, "1&-1.478&-1.505&-1.489&-49.279&-1.493& 0.764"},
      {{10, 10, 10, 10, 4, 4, 4}, "1& 1.415& 2.358& 2.829&42.441&28.294&14.147"},
  };
  for (const Case& c : cases) EXPECT_EQ(AnswersRow(RunRow(kRow, {c.p}).answers), c.row);
}

TEST(ShaftTorsionTest, ShapeOneRoundsTheBoreHalfToEven) {
  // D1 = P7 + 32, D3 = 26 - P6.
  EXPECT_EQ(DeriveShaftTorsion(1, 1, 1, 1, 1, 3, 4).D[2], 30);  // (36 + 23) / 2 = 29.5
  EXPECT_EQ(DeriveShaftTorsion(1, 1, 1, 1, 1, 2, 1).D[2], 28);  // (33 + 24) / 2 = 28.5
  const auto t = RunRow(kRow, {{1, 3, 5, 7, 2, 3, 4}});
  EXPECT_NE(t.main.find("{\\small 30}"), std::string::npos);
  EXPECT_NE(t.main.find("\\\\ {\r\n$M_1$=$32$кНм, \r\n$M_2$=$20$кНм, \r\n$M_3$=$7$кНм,\\\\ \r\n"
                        "$l_1$=$2.2$м, \r\n$l_2$=$2.6$м, \r\n$l_3$=$3$м.}\r\n"),
            std::string::npos)
      << t.main;
  EXPECT_EQ(DeriveShaftTorsion(3, 5, 1, 1, 1, 1, 1).M[2], 7);
}

}  // namespace
}  // namespace strength
