#include "subjects/strength/section_core.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "strength_run.h"
#include "tests/support/sweep.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::RowNumbers;
using strength_check::RunRow;

constexpr int kRow = 36;

// Area, first and second moments of a region, accumulated over closed polygons by Green's
// theorem: counter-clockwise outlines add, clockwise ones (the cut-outs) subtract.
struct Moments {
  double A = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0;  // Sx = integral of y, Ixx of y^2
  void AddPolygon(const std::vector<std::pair<double, double>>& p, double sign) {
    for (std::size_t i = 0; i < p.size(); ++i) {
      const auto [x1, y1] = p[i];
      const auto [x2, y2] = p[(i + 1) % p.size()];
      const double c = x1 * y2 - x2 * y1;
      A += sign * c / 2;
      Sy += sign * c * (x1 + x2) / 6;
      Sx += sign * c * (y1 + y2) / 6;
      Iyy += sign * c * (x1 * x1 + x1 * x2 + x2 * x2) / 12;
      Ixx += sign * c * (y1 * y1 + y1 * y2 + y2 * y2) / 12;
    }
  }
};

// An arc of radius r about (cx, cy) from angle a to b as many points.
void Arc(std::vector<std::pair<double, double>>& p, double cx, double cy, double r, double a,
         double b) {
  const int n = 20000;
  for (int k = 0; k <= n; ++k) {
    const double t = a + (b - a) * k / n;
    p.emplace_back(cx + r * std::cos(t), cy + r * std::sin(t));
  }
}

// The drawn section: x from the symmetry axis, y from the bottom edge, in cm.
Moments DrawnSection(int p2, int p3, int p4, int p5, int p6, int p7) {
  const double B = 2 * p4 + 20, H = p5 + 17, d = p6 + 2, g = p7 + 2, h = B / 2, w = h - d;
  const double pi = std::numbers::pi;
  Moments m;
  m.AddPolygon({{-h, 0}, {h, 0}, {h, H}, {-h, H}}, 1);
  std::vector<std::pair<double, double>> cut;
  if (p2 == 1) {  // half-disc of radius 6 hanging from the top edge
    Arc(cut, 0, H, 6, pi, 2 * pi);
  } else if (p2 == 2) {  // triangle over the whole top edge, apex d deep
    cut = {{-h, H}, {0, H - d}, {h, H}};
  } else {  // hole of height e, its top 3 below the top edge, walls d
    const double e = p7 / 3 + 3;
    cut = {{-w, H - 3 - e}, {w, H - 3 - e}, {w, H - 3}, {-w, H - 3}};
  }
  m.AddPolygon(cut, -1);
  cut.clear();
  if (p3 == 1) {
    cut = {{-w, 0}, {w, 0}, {w, g}, {-w, g}};
  } else if (p3 == 2) {
    cut = {{-w, 0}, {w, 0}, {0, g}};
  } else if (p3 == 3) {
    Arc(cut, 0, p7 / 3 + 4, 3, 0, 2 * pi);
  } else {
    const double G = p7 / 2 + 6;
    cut = {{0, 3}, {w, G}, {-w, G}};
  }
  m.AddPolygon(cut, -1);
  return m;
}

std::string CheckVariant(const testing_support::VariantParams& p) {
  const auto t = RunRow(kRow, {p});
  // The answers: five numbers on the first line, then four corners.
  std::string all = AnswersRow(t.answers);
  const auto cells = RowNumbers(all);
  if (cells.size() != 14) return "14 cells expected, got " + std::to_string(cells.size());
  const Moments m = DrawnSection(p[1], p[2], p[3], p[4], p[5], p[6]);
  const double xc = m.Sy / m.A, yc = m.Sx / m.A;
  const double Jx = m.Ixx - m.A * yc * yc, Jy = m.Iyy - m.A * xc * xc;
  const double want[5] = {m.A, xc, yc, Jx / m.A, Jy / m.A};
  const char* names[5] = {"F", "x_c", "y_c", "i_x^2", "i_y^2"};
  for (int k = 0; k < 5; ++k) {
    if (std::fabs(cells[1 + k] - want[k]) > 0.0005 + 2e-6 * std::fabs(want[k])) {
      return std::string(names[k]) + " " + std::to_string(cells[1 + k]) + " against " +
             std::to_string(want[k]);
    }
  }
  // Corner i is the load point whose neutral line 1 + u x / i_y^2 + v y / i_x^2 = 0 holds
  // side i of the rectangle: left, top, right, bottom.
  const double B = 2 * p[3] + 20, H = p[4] + 17;
  const double sx[5] = {-B / 2, -B / 2, B / 2, B / 2, -B / 2}, sy[5] = {0, H, H, 0, 0};
  const double ix2 = want[3], iy2 = want[4];
  for (int i = 0; i < 4; ++i) {
    const double u = cells[6 + 2 * i], v = cells[7 + 2 * i];
    for (int end = 0; end < 2; ++end) {
      const double x = sx[i + end] - xc, y = sy[i + end] - yc;
      const double residual = 1 + u * x / iy2 + v * y / ix2;
      if (std::fabs(residual) > 0.0005 * (std::fabs(x) / iy2 + std::fabs(y) / ix2) + 1e-6) {
        return "corner " + std::to_string(i + 1) + " misses its side";
      }
    }
  }
  return {};
}

TEST(SectionCoreTest, PrintedResultsAgreeWithTheDrawnSection) {
  // 13 440 sets; the normal suite takes every p2, p3 and p7 and a spread of the rest.
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {2, 3, 4, 7, 4, 4, 5},
                                                   testing_support::FullSweep() ? 20000 : 600, 1, 1);
  long long checked = 0;
  for (const auto& point : points) {
    ASSERT_EQ(CheckVariant(point.p), "") << testing_support::Describe(point);
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

TEST(SectionCoreTest, GoldenLines) {
  auto t = RunRow(kRow, {{1, 1, 3, 1, 1, 1, 1}});
  EXPECT_NE(t.main.find("\\hfill\\parbox[b]{40pt}{$r=3$\\\\ $R=6$\\\\ } "), std::string::npos)
      << t.main;
  EXPECT_NE(t.main.find("{\\oval(36,36)[b]}}"), std::string::npos);
  EXPECT_NE(t.answers.find("& 0.000&"), std::string::npos) << t.answers;
  for (const auto& [p2, p3] : {std::pair{2, 1}, {3, 2}, {2, 4}}) {
    t = RunRow(kRow, {{1, p2, p3, 1, 1, 1, 1}});
    EXPECT_NE(t.main.find("\\hfill\\parbox[b]{40pt}{} "), std::string::npos) << p2 << p3;
  }
  // Corners of the top and bottom sides lie on the y axis, those of the sides on x.
  const auto cells = RowNumbers(AnswersRow(RunRow(kRow, {{2, 2, 2, 3, 2, 3, 4}}).answers));
  ASSERT_EQ(cells.size(), 14u);
  EXPECT_EQ(cells[7], 0);
  EXPECT_EQ(cells[8], 0);
  EXPECT_EQ(cells[11], 0);
  EXPECT_EQ(cells[12], 0);
}

}  // namespace
}  // namespace strength
