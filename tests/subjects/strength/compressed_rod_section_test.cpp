#include "subjects/strength/compressed_rod_section.h"

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
using strength_check::NumberAfter;
using strength_check::RowNumbers;
using strength_check::RunRow;

constexpr int kRow = 32;

// Area and second moments about the centroid of a region built of polygons (Green's theorem;
// a cut-out enters with sign -1). Circles are fine polygons.
struct Region {
  double A = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0;
  void Add(const std::vector<std::pair<double, double>>& p, double sign) {
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
  void Rect(double x0, double y0, double w, double h, double sign) {
    Add({{x0, y0}, {x0 + w, y0}, {x0 + w, y0 + h}, {x0, y0 + h}}, sign);
  }
  void Circle(double cx, double cy, double d, double sign) {
    std::vector<std::pair<double, double>> p;
    const int n = 40000;
    for (int k = 0; k < n; ++k) {
      const double a = 2 * std::numbers::pi * k / n;
      p.emplace_back(cx + d / 2 * std::cos(a), cy + d / 2 * std::sin(a));
    }
    Add(p, sign);
  }
  double Jmin() const {
    const double xc = Sy / A, yc = Sx / A;
    return std::min(Ixx - A * yc * yc, Iyy - A * xc * xc);
  }
};

// The section of shape p1 with b = 1, as the statement describes it.
Region Section(int p1, double t, double k) {
  Region r;
  switch (p1) {
    case 1: r.Circle(0, 0, 1, 1), r.Circle(0, 0, 1 - 2 * t, -1); break;
    case 2: r.Rect(0, 0, 1, 1, 1); break;
    case 3: r.Circle(0, 0, 1, 1); break;
    case 4: r.Rect(0, 0, k, 1, 1); break;
    case 5: r.Add({{0, 0}, {1, 0}, {0.5, std::sqrt(3.0) / 2}}, 1); break;
    case 6: r.Rect(0, 0, k, 1, 1), r.Rect(t, t, k - 2 * t, 1 - 2 * t, -1); break;
    default: r.Rect(0, 0, k, k, 1), r.Circle(k / 2, k / 2, 1, -1); break;
  }
  return r;
}

// The buckling factors of the statement's table, by slenderness 0..200 and material.
double Phi(double lambda, int material) {
  static const double table[21][5] = {
      {1.00, 1.00, 1.00, 1.00, 1.00}, {0.99, 0.98, 0.97, 0.99, 1.00},
      {0.96, 0.96, 0.91, 0.97, 1.00}, {0.94, 0.93, 0.81, 0.93, 0.84},
      {0.92, 0.89, 0.69, 0.87, 0.70}, {0.89, 0.85, 0.57, 0.80, 0.57},
      {0.86, 0.80, 0.44, 0.71, 0.46}, {0.81, 0.74, 0.34, 0.60, 0.35},
      {0.75, 0.67, 0.26, 0.48, 0.27}, {0.69, 0.59, 0.20, 0.38, 0.21},
      {0.60, 0.50, 0.16, 0.31, 0.17}, {0.52, 0.43, 0.16, 0.25, 0.14},
      {0.45, 0.37, 0.16, 0.22, 0.12}, {0.40, 0.32, 0.16, 0.18, 0.10},
      {0.36, 0.28, 0.16, 0.16, 0.09}, {0.32, 0.25, 0.16, 0.14, 0.08},
      {0.29, 0.23, 0.16, 0.12, 0.08}, {0.26, 0.21, 0.16, 0.11, 0.08},
      {0.23, 0.19, 0.16, 0.10, 0.08}, {0.21, 0.17, 0.16, 0.09, 0.08},
      {0.19, 0.15, 0.16, 0.08, 0.08},
  };
  const double x = lambda / 10;
  const int j = std::min(19, static_cast<int>(x));
  return table[j][material - 1] + (x - j) * (table[j + 1][material - 1] - table[j][material - 1]);
}

std::string CheckVariant(const testing_support::VariantParams& p) {
  const auto t = RunRow(kRow, {p});
  const double l = NumberAfter(t.main, "$l=");
  const double P = NumberAfter(t.main, "$P=");
  const double sigma = NumberAfter(t.main, "$[\\sigma]=");
  const auto cells = RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 4) return "four cells expected";
  const double b = cells[1], lambda = cells[2], mu = cells[3];
  const Region r = Section(p[0], 0.1 * p[1], 1 + 0.1 * p[5]);
  const double c = std::sqrt(r.Jmin() / r.A);
  // The printed slenderness is that of the printed b.
  const double want = 100 * mu * l / (c * b);
  if (std::fabs(lambda - want) > 0.0005 + want * 0.0005 / b + 1e-6) {
    return "lambda " + std::to_string(lambda) + " against " + std::to_string(want);
  }
  if (lambda >= 200) return "slenderness beyond the table";
  // The selected section carries P at [sigma] phi(lambda) within the selection's 0.5 %.
  const double ratio = sigma * Phi(lambda, p[4]) * r.A * b * b / (10 * P);
  if (std::fabs(ratio - 1) > 0.005 + 2 * 0.0005 / b + 1e-4) {
    return "load ratio " + std::to_string(ratio);
  }
  return {};
}

TEST(CompressedRodSectionTest, SelectedSizeCarriesTheForce) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {7, 2, 4, 10, 5, 8, 1},
                                                   testing_support::FullSweep() ? 30000 : 800, 1, 1);
  for (const auto& point : points) {
    ASSERT_EQ(CheckVariant(point.p), "") << testing_support::Describe(point);
  }
}

TEST(CompressedRodSectionTest, SelectionEndsWellInsideItsRounds) {
  int most = 0;
  for (int p1 = 1; p1 <= 7; ++p1)
    for (int p2 = 1; p2 <= 2; ++p2)
      for (int p3 = 1; p3 <= 4; ++p3)
        for (int p4 = 1; p4 <= 10; ++p4)
          for (int p5 = 1; p5 <= 5; ++p5)
            for (int p6 = 1; p6 <= 8; ++p6) {
              const auto v = DeriveCompressedRodSection(p1, p2, p3, p4, p5, p6);
              most = std::max(most, v.rounds);
              ASSERT_LT(v.lambda, 200);
            }
  EXPECT_LT(most, 15);
}

TEST(CompressedRodSectionTest, GoldenLines) {
  // Wood, a small triangle: the force rounds to 0 and becomes 90 kN.
  auto t = RunRow(kRow, {{5, 1, 1, 1, 4, 1, 1}});
  EXPECT_NE(t.main.find("$P=90$~кН"), std::string::npos) << t.main;
  EXPECT_NE(t.main.find("$AB=BC=AC$"), std::string::npos);
  // Steel 5, a wide rectangle: above 1000 kN, so 990.
  t = RunRow(kRow, {{4, 1, 2, 10, 2, 8, 1}});
  EXPECT_NE(t.main.find("$P=990$~кН"), std::string::npos) << t.main;
  // Cast iron and Д16Т halve the length.
  EXPECT_NE(RunRow(kRow, {{2, 1, 3, 1, 1, 1, 1}}).main.find("$l=2.1$~м"), std::string::npos);
  EXPECT_NE(RunRow(kRow, {{2, 1, 3, 1, 3, 1, 1}}).main.find("$l=1.05$~м"), std::string::npos);
  EXPECT_NE(t.answers.find("\\No\\ru & \\mc{$ b$}&\\mc{$\\lambda $}&\\mc{$\\mu$} \\\\\\hline1 & "),
            std::string::npos)
      << t.answers;
}

}  // namespace
}  // namespace strength
