#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/algebra/algebra_check.h"

// Rows 14 and 15: the triangle is read back from the printed vertices and every answer is
// solved again: the area by the shoelace rule in integers, medians by Apollonius, the point D
// from the two lines written as linear equations and solved exactly.
namespace {

using algebra_check::Cut;
using algebra_check::Integers;
using algebra_check::Params;
using algebra_check::Rational;
using algebra_check::RunRow;

std::string Where(const Params& p) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w;
}

std::vector<double> Decimals(const std::string& text) {
  std::vector<double> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool sign = text[i] == '-' && i + 1 < text.size() &&
                      std::isdigit(static_cast<unsigned char>(text[i + 1]));
    if (!sign && !std::isdigit(static_cast<unsigned char>(text[i]))) continue;
    char* end = nullptr;
    out.push_back(std::strtod(text.c_str() + i, &end));
    i = static_cast<std::size_t>(end - text.c_str()) - 1;
  }
  return out;
}

double D(const Rational& r) { return static_cast<double>(r.num) / static_cast<double>(r.den); }

struct Vertices {
  long long x[3], y[3];
};

Vertices Read(const std::string& main) {
  Vertices v{};
  std::size_t from = 0;
  for (int i = 0; i < 3; ++i) {
    const std::vector<long long> c =
        Integers(Cut(main, std::string("$") + "ABC"[i] + "(", ")", from));
    EXPECT_EQ(c.size(), 2u) << main;
    if (c.size() == 2) {
      v.x[i] = c[0];
      v.y[i] = c[1];
    }
  }
  return v;
}

// Twice the signed area of the points (x, y) by the shoelace rule.
Rational TwiceArea(const Rational (&x)[3], const Rational (&y)[3]) {
  Rational s = 0;
  for (int i = 0; i < 3; ++i) s = s + x[i] * y[(i + 1) % 3] - x[(i + 1) % 3] * y[i];
  return s;
}

double Abs(const Rational& r) { return std::fabs(D(r)); }

TEST(PlaneTriangle, AreaSidesHeightsMedians) {
  algebra_check::ForEachParams({8, 8, 4, 4, 2, 2, 2}, 3000, [&](const Params& p) {
    const auto out = RunRow(14, p, 1);
    const std::string where = Where(p);
    const Vertices v = Read(out.main);
    const long long s2 = std::llabs(v.x[0] * (v.y[1] - v.y[2]) + v.x[1] * (v.y[2] - v.y[0]) +
                                    v.x[2] * (v.y[0] - v.y[1]));
    ASSERT_GT(s2, 0) << where;
    double side[3];  // AB, BC, CA
    for (int i = 0; i < 3; ++i) {
      const int j = (i + 1) % 3;
      side[i] = std::sqrt(static_cast<double>((v.x[j] - v.x[i]) * (v.x[j] - v.x[i]) +
                                              (v.y[j] - v.y[i]) * (v.y[j] - v.y[i])));
    }
    // Opposite sides: a = BC for A, b = CA for B, c = AB for C.
    const double opposite[3] = {side[1], side[2], side[0]};
    std::vector<double> want = {s2 / 2.0, side[0], side[1], side[2]};
    for (int i = 0; i < 3; ++i) want.push_back(s2 / opposite[i]);
    for (int i = 0; i < 3; ++i) {
      const double b = opposite[(i + 1) % 3], c = opposite[(i + 2) % 3], a = opposite[i];
      want.push_back(std::sqrt(2 * b * b + 2 * c * c - a * a) / 2);
    }
    const std::vector<double> cells = Decimals(out.ans);
    ASSERT_EQ(cells.size(), 11u) << where << "\n" << out.ans;
    for (int k = 0; k < 10; ++k) EXPECT_NEAR(cells[k + 1], want[k], 5.1e-4) << where << " " << k;
  });
}

TEST(PlaneTriangle, HeightMeetsMedian) {
  for (bool ticket : {false, true}) {
    algebra_check::ForEachParams({20, 20, 15, 15, 3, 3, 3}, 4000, [&](const Params& p) {
      const auto out = RunRow(15, p, 1, 1, ticket);
      const std::string where = Where(p) + (ticket ? " tickets" : "");
      const Vertices v = Read(out.main);
      const std::size_t at = out.main.find("$V_h=");
      ASSERT_NE(at, std::string::npos) << where << "\n" << out.main;
      const int h = out.main[at + 5] - 'A';
      const std::size_t atm = out.main.find("$V_m=");
      ASSERT_NE(atm, std::string::npos) << where;
      const int m = out.main[atm + 5] - 'A';
      ASSERT_TRUE(h >= 0 && h < 3 && m >= 0 && m < 3) << where;
      EXPECT_NE(h, m) << where;
      EXPECT_EQ(out.main.find("\\vskip1pt") == std::string::npos, ticket) << where;
      const int j = (h + 1) % 3, k = (h + 2) % 3;
      // Height: (P - V_h) . (P_j - P_k) = 0.
      const long long hx = v.x[j] - v.x[k], hy = v.y[j] - v.y[k];
      // Median: the direction from V_m to the midpoint of the other two, 2M - 2V_m.
      const int j2 = (m + 1) % 3, k2 = (m + 2) % 3;
      const long long mx = v.x[j2] + v.x[k2] - 2 * v.x[m], my = v.y[j2] + v.y[k2] - 2 * v.y[m];
      // (P - V_m) x (mx, my) = 0: my * X - mx * Y = my * x_m - mx * y_m.
      const std::vector<Rational> d = algebra_check::Solve(
          {{hx, hy}, {my, -mx}},
          {Rational(hx * v.x[h] + hy * v.y[h]), Rational(my * v.x[m] - mx * v.y[m])});
      ASSERT_EQ(d.size(), 2u) << where;
      const Rational kh(-hx, hy), km(my, mx);
      const Rational bh = Rational(v.y[h]) - kh * Rational(v.x[h]);
      const Rational bm = Rational(v.y[m]) - km * Rational(v.x[m]);
      const Rational ax[3] = {v.x[0], v.x[1], d[0]}, ay[3] = {v.y[0], v.y[1], d[1]};
      const Rational cx[3] = {v.x[0], v.x[2], d[0]}, cy[3] = {v.y[0], v.y[2], d[1]};
      const Rational tx[3] = {v.x[0], v.x[1], v.x[2]}, ty[3] = {v.y[0], v.y[1], v.y[2]};
      const std::vector<double> want = {D(kh), D(bh), D(km), D(bm), D(d[0]), D(d[1]),
                                        Abs(TwiceArea(ax, ay)) / 2, Abs(TwiceArea(cx, cy)) / 2,
                                        Abs(TwiceArea(tx, ty)) / 2};
      const std::vector<double> cells = Decimals(out.ans);
      ASSERT_EQ(cells.size(), 10u) << where << "\n" << out.ans;
      for (int c = 0; c < 9; ++c) {
        EXPECT_NEAR(cells[c + 1], want[c], c == 8 ? 5.1e-3 : 5.1e-4) << where << " " << c;
      }
      EXPECT_GT(want[6], 1e-8) << where;
      EXPECT_GT(want[7], 1e-8) << where;
    });
  }
}

}  // namespace
