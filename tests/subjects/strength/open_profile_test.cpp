#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "strength_run.h"
#include "subjects/strength/open_profile_torsion.h"
#include "subjects/strength/open_profile_twist.h"
#include "tests/support/sweep.h"
#include "thin_walled.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::RowNumbers;
using strength_check::RunRow;
using Polygon = std::vector<std::pair<double, double>>;

constexpr double kG = 0.7e11 / 2.6;

// ---- Row 19: the frame with five flanges, 1 mm thick.

// The value of the dimension label placed highest in the figure: the span H above the section.
double TopLabel(const std::string& main) {
  double best_y = -1e9, value = std::nan("");
  for (std::size_t at = 0; (at = main.find("){\\scriptsize ", at)) != std::string::npos; ++at) {
    const std::size_t put = main.rfind("\\put(", at);
    const std::size_t comma = main.find(',', put);
    const double y = std::stod(main.substr(comma + 1));
    if (y > best_y) best_y = y, value = std::stod(main.substr(at + 13));
  }
  return value;
}

// The outline read back. Its strips are 1 mm thick, so its area in mm^2 is the total length of
// the strips: both walls at full height, the web between their inner faces, the flanges. The
// drawing puts the inner faces of the walls H apart while the printed H is the distance of
// their mid-lines, which the answers follow: the web's clear span is H - 1 (a drawing one
// wall thickness too wide, noted in the row's report). J_d = length t^3 / 3.
std::string CheckTwistRow(const testing_support::VariantParams& p) {
  const auto t = RunRow(19, {p});
  const auto paths = thin_walled::ThickPaths(t.main);
  if (paths.size() != 1 || paths[0].size() != 29) return "one closed outline of 28 points";
  Polygon outline(paths[0].begin(), paths[0].end() - 1);
  // The wall thickness (points 6 to 1) gives the scale roughly; the whole width, a whole
  // number of millimetres, gives it to the precision of the printed coordinates.
  double x_lo = outline[0].first, x_hi = x_lo;
  for (const auto& q : outline) x_lo = std::min(x_lo, q.first), x_hi = std::max(x_hi, q.first);
  const double rough = outline[0].first - outline[5].first;
  const double scale = (x_hi - x_lo) / std::round((x_hi - x_lo) / rough);
  const double area = std::fabs(thin_walled::DoubleArea(outline)) / 2 / (scale * scale);
  if (std::fabs(area - std::round(area)) > 0.3) return "outline area " + std::to_string(area);
  const double inner = std::round((outline[25].first - outline[0].first) / scale);  // 1 to 26
  const double H = TopLabel(t.main);
  if (H != inner) return "span H " + std::to_string(H) + " drawn " + std::to_string(inner);
  const double Jd = (std::round(area) - inner + (H - 1)) / 3;
  const auto cells = RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 3) return "three cells";
  if (std::fabs(cells[1] - Jd) > 5.1e-4) return "Jd";
  if (std::fabs(cells[2] - 1e12 / (kG * Jd)) > 5.1e-4) return "theta";
  return {};
}

TEST(OpenProfileTwistTest, TorsionConstantFollowsTheDrawnOutline) {
  // Every element choice with a fixed spread of lengths, then lengths with a spread of choices.
  const auto lengths = strength_check::SamplePoints({1, 1, 1, 1, 120, 120, 120}, 6);
  int checked = 0;
  for (int a = 1; a <= 8; ++a)
    for (int b = 1; b <= 8; ++b)
      for (int c = 1; c <= 8; ++c)
        for (int d = 1; d <= 8; ++d) {
          if (!testing_support::FullSweep() && (a + b + c + d) % 4 != 0) continue;
          const auto& l = lengths[(a + 2 * b + 3 * c + 5 * d) % lengths.size()];
          const testing_support::VariantParams p{a, b, c, d, l[4], l[5], l[6]};
          ASSERT_EQ(CheckTwistRow(p), "") << a << b << c << d << " " << l[4] << " " << l[5];
          ++checked;
        }
  for (const auto& p : strength_check::SamplePoints({8, 8, 8, 8, 120, 120, 120}, 300)) {
    ASSERT_EQ(CheckTwistRow(p), "");
    ++checked;
  }
  EXPECT_GT(checked, 1000);
}

TEST(OpenProfileTwistTest, GoldenRowsAndElementChoice) {
  EXPECT_EQ(AnswersRow(RunRow(19, {{1, 1, 1, 1, 1, 1, 1}}).answers), "1&18.667& 1.990");
  const auto v = DeriveOpenProfileTwist(8, 8, 8, 8, 1, 1, 1);
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(v.Chosen[k], k <= 4 || k == 8) << k;
  const auto w = DeriveOpenProfileTwist(1, 1, 1, 1, 1, 1, 1);
  for (int k = 1; k <= 8; ++k) EXPECT_EQ(w.Chosen[k], k <= 5) << k;
  EXPECT_EQ(w.H, 20);
  EXPECT_EQ(w.W, 10);
  // Extremes of the documented range.
  double lo = 1e9, hi = 0;
  for (const auto& p : strength_check::SamplePoints({8, 8, 8, 8, 120, 120, 120}, 3000)) {
    const auto x = DeriveOpenProfileTwist(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    EXPECT_EQ(x.len[4], 3);
    EXPECT_EQ(x.len[1], x.len[5]);
    lo = std::min(lo, x.Jd), hi = std::max(hi, x.Jd);
  }
  EXPECT_GE(lo, 56.0 / 3 - 1e-9);
  EXPECT_LE(hi, 86.0 / 3 + 1e-9);
}

// ---- Row 27: ten plate sections.

struct Plate {
  double x0, y0, x1, y1;
};

// The plates of each shape, written from the shapes' descriptions (mm).
std::vector<Plate> Plates(const testing_support::VariantParams& p) {
  const double P2 = p[1], P3 = p[2], P4 = p[3], P5 = p[4], P6 = p[5], P7 = p[6];
  const double B = P6 + 22, H = P7 + 14;
  const double C = std::nearbyint(B / 2), D = std::nearbyint(H / 2) - 1;
  switch (p[0]) {
    case 1:
      return {{0, H - P3, B, H}, {0, P5, P2, H - P3}, {B - P4, P5, B, H - P3},
              {0, 0, 5 * P2, P5}, {B - 4 * P4, 0, B, P5}};
    case 2:
      return {{0, H - P3, C, H}, {0, P5, P2, H - P3}, {C - P4, P5, C, H - P3},
              {0, 0, C - P4 - P2 - 1, P5}, {C - P4, 0, B, P5}};
    case 3:
      return {{0, 0, P6 + 3 + P2, P5}, {P6 + 10 + P5 - P4, 0, B, P5},
              {P6 + 3, H - P3, P6 + 10 + P5, H}, {P6 + 3, P5, P6 + 3 + P2, H - P3},
              {P6 + 10 + P5 - P4, P5, P6 + 10 + P5, H - P3}};
    case 4: {
      const double m = P7 + 3;
      return {{0, 0, B, P5},          {0, m, B, m + P2},
              {0, H - P3, B, H},      {B - P4, P5, B, m},
              {0, m + P2, P2, H - P3}, {B - P4, m + P2 + P3, B, H - P3}};
    }
    case 5:
      return {{0, H - P3, B, H}, {0, 0, P2, H - P3}, {B - P4, 0, B, H - P3},
              {B - P4 - 6 - P5, H - 5 * P3 - P2 - P4 - 6, B - P4 - 6, H - P3}};
    case 6:
      return {{0, 0, B, P5}, {0, H - P3, B, H}, {P6 + 7, P5, P6 + 7 + P2, H - P3}};
    case 7:
      return {{0, 0, B, P5}, {0, P5, P2, H - P3}, {0, H - P3, B - 2 * P4 - P2, H},
              {B - P4, P5, B, H - P3}};
    case 8:
      return {{0, 0, B, P5}, {0, P5, P2, D}, {0, D + P4 + 1, P2, H - P3},
              {0, H - P3, P6 + 4 + P4, H}, {P6 + 4, P5, P6 + 4 + P4, H - P3}};
    case 9: {
      const double m = P7 + 4;
      return {{0, m - P2, B, m}, {P6 + 4, 0, P6 + 4 + P3, m - P2}, {P6 + 4, m, P6 + 4 + P3, H}};
    }
    default:
      return {{0, P5, P2, H - P3}, {0, H - P3, B, H}, {0, 0, B - P7, P5}};
  }
}

bool Inside(const Polygon& poly, double x, double y) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const auto& a = poly[i];
    const auto& b = poly[j];
    if ((a.second > y) != (b.second > y) &&
        x < (b.first - a.first) * (y - a.second) / (b.second - a.second) + a.first) {
      in = !in;
    }
  }
  return in;
}

// Reads the outline back in millimetres through the two dimension chains, checks that the
// plates tile it exactly (every grid cell of the outline's coordinates inside it covered by
// one plate, none outside), and the printed answers against sum L t^3 / 3 of the plates.
std::string CheckTorsionRow(const testing_support::VariantParams& p) {
  const auto t = RunRow(27, {p});
  const auto paths = thin_walled::ThickPaths(t.main);
  if (paths.size() != 1) return "one outline";
  std::vector<double> px, py;
  for (std::size_t k = 0; k + 1 < paths[0].size(); ++k) {
    px.push_back(paths[0][k].first), py.push_back(paths[0][k].second);
  }
  const auto [hl, vl] = thin_walled::ChainLabels(t.main);
  const auto xs = thin_walled::ThroughChain(px, hl), ys = thin_walled::ThroughChain(py, vl);
  if (xs.empty() || ys.empty()) return "chains do not match the outline";
  Polygon outline;
  for (std::size_t k = 0; k < xs.size(); ++k) outline.push_back({xs[k], ys[k]});
  std::vector<double> gx = xs, gy = ys;
  for (auto* g : {&gx, &gy}) {
    std::sort(g->begin(), g->end());
    g->erase(std::unique(g->begin(), g->end()), g->end());
  }
  // The plates in the frame of the chains: lower-left corner at 0.
  auto plates = Plates(p);
  double x0 = 1e9, y0 = 1e9;
  for (const Plate& q : plates) x0 = std::min(x0, q.x0), y0 = std::min(y0, q.y0);
  for (Plate& q : plates) q.x0 -= x0, q.x1 -= x0, q.y0 -= y0, q.y1 -= y0;
  for (std::size_t i = 0; i + 1 < gx.size(); ++i) {
    for (std::size_t j = 0; j + 1 < gy.size(); ++j) {
      const double cx = (gx[i] + gx[i + 1]) / 2, cy = (gy[j] + gy[j + 1]) / 2;
      int cover = 0;
      for (const Plate& q : plates) cover += cx > q.x0 && cx < q.x1 && cy > q.y0 && cy < q.y1;
      if (cover != (Inside(outline, cx, cy) ? 1 : 0)) {
        return "plates do not tile the outline at " + std::to_string(cx) + "," +
               std::to_string(cy);
      }
    }
  }
  double Jd = 0, tmax = 0;
  for (const Plate& q : plates) {
    const double w = q.x1 - q.x0, h = q.y1 - q.y0;
    const double th = std::min(w, h);
    Jd += std::max(w, h) * th * th * th / 3;
    tmax = std::max(tmax, th);
  }
  const auto cells = RowNumbers(AnswersRow(t.answers));
  if (cells.size() != 4) return "four cells";
  if (std::fabs(cells[1] - Jd) > 5.1e-4) return "Jd " + std::to_string(Jd);
  if (std::fabs(cells[2] - 1e12 / (kG * Jd)) > 5.1e-4) return "theta";
  if (std::fabs(cells[3] - 1000 * tmax / Jd) > 5.1e-4) return "tau";
  return {};
}

TEST(OpenProfileTorsionTest, AnswersFollowTheDrawnPlates) {
  const auto points = testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1},
                                                   {10, 2, 2, 2, 2, 8, 8}, 1500, 1, 1);
  for (const auto& point : points) {
    ASSERT_EQ(CheckTorsionRow(point.p), "") << testing_support::Describe(point);
  }
}

TEST(OpenProfileTorsionTest, GoldenRowsAndHalfToEvenSizes) {
  EXPECT_EQ(AnswersRow(RunRow(27, {{1, 1, 1, 1, 1, 1, 1}}).answers), "1&19.333& 1.921&51.724");
  // C = Round(B / 2) and D = Round(H / 2) - 1, halves to the even neighbour.
  struct Case {
    int p6, p7;
    double C, D;
  };
  for (const Case& c : {Case{1, 1, 12, 7}, Case{3, 3, 12, 7}, Case{5, 5, 14, 9}}) {
    const auto two = DeriveOpenProfileTorsion(2, 1, 1, 1, 1, c.p6, c.p7);
    EXPECT_EQ(two.X[3], c.C) << c.p6;  // the web ends at x = C
    const auto eight = DeriveOpenProfileTorsion(8, 1, 1, 1, 1, c.p6, c.p7);
    EXPECT_EQ(eight.Y[2], c.D) << c.p7;  // the slit starts at y = D
  }
  // Shape 9 has no plate of thickness P5.
  EXPECT_EQ(DeriveOpenProfileTorsion(9, 1, 1, 1, 2, 1, 1).tmax, 1);
  // Shape 5 with thick plates and the lowest height: the stem reaches below the legs.
  const auto five = DeriveOpenProfileTorsion(5, 2, 2, 2, 1, 1, 1);
  EXPECT_EQ(five.Y[8], -5);
}

}  // namespace
}  // namespace strength
