#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "subjects/algebra/algebra_check.h"

// Rows 18 and 19: the printed semi-axes a, b must satisfy every condition the statement
// prints (points on the curve and on the right branch, foci, eccentricity, directrices, focal
// parameter, asymptotes, focal radii, curvature radii), read back from the printed text.
namespace {

using algebra_check::Params;
using algebra_check::RunRow;

std::string Where(const Params& p) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w;
}

void Erase(std::string& t, const std::string& what) {
  for (std::size_t at; (at = t.find(what)) != std::string::npos;) t.erase(at, what.size());
}

// The numbers of the statement in order, with the frame and the names r_1, r_2 taken out.
std::vector<double> StatementNumbers(std::string t) {
  const std::size_t open = t.find("{233pt}{");
  if (open != std::string::npos) t.erase(0, open + 8);
  for (const char* w : {"r_1", "r_2", "\\rule{0pt}{22pt}"}) Erase(t, w);
  std::vector<double> out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const bool sign = t[i] == '-' && i + 1 < t.size() &&
                      std::isdigit(static_cast<unsigned char>(t[i + 1]));
    if (!sign && !std::isdigit(static_cast<unsigned char>(t[i]))) continue;
    char* end = nullptr;
    out.push_back(std::strtod(t.c_str() + i, &end));
    i = static_cast<std::size_t>(end - t.c_str()) - 1;
  }
  return out;
}

// a and b from the answers row "N&a&b".
bool ReadAnswer(const std::string& ans, double& a, double& b) {
  const std::size_t first = ans.find('&');
  if (first == std::string::npos) return false;
  const std::size_t second = ans.find('&', first + 1);
  if (second == std::string::npos) return false;
  a = std::strtod(ans.c_str() + first + 1, nullptr);
  b = std::strtod(ans.c_str() + second + 1, nullptr);
  return ans.find('.', first) != std::string::npos;
}

// How far x^2/a^2 +- y^2/b^2 may stray from 1 when a and b are rounded to four decimals.
double OnCurveTolerance(double x, double y, double a, double b) {
  return 1e-6 + 2.2 * 5e-5 * (x * x / (a * a * a) + y * y / (b * b * b));
}

// Relative agreement within what four printed decimals allow.
#define NEAR_REL(x, y) EXPECT_NEAR((x), (y), 2e-4 * (1 + std::fabs(y))) << where

TEST(Ellipse, PrintedSemiAxesMeetEveryPrintedCondition) {
  algebra_check::ForEachParams({14, 1, 3, 3, 3, 3, 3}, 20000, [&](const Params& p) {
    const auto out = RunRow(18, p, 1);
    const std::string where = Where(p) + "\n" + out.main + "\n" + out.ans;
    double a = 0, b = 0;
    ASSERT_TRUE(ReadAnswer(out.ans, a, b)) << where;
    ASSERT_GT(a, 0) << where;
    ASSERT_GT(b, 0) << where;
    // Where the foci lie: given as (+-c, 0), through the directrices x = +-D, or said in words.
    // Then a is the major semi-axis, and c, e and b^2/a below are the focal distance,
    // eccentricity and focal parameter only when a > b. Two points (kind 11) fix the semi-axes
    // along Ox and Oy whichever is longer; kind 12 reads the same either way.
    const bool foci_on_ox = out.main.find("$(\\pm") != std::string::npos ||
                            out.main.find("$x=\\pm") != std::string::npos ||
                            out.main.find("фокусы на оси $Ox$") != std::string::npos;
    if (p[0] != 11 && p[0] != 12) {
      EXPECT_TRUE(foci_on_ox) << where;
    }
    if (p[0] != 11) {
      ASSERT_GT(a, b) << where;
    }
    const double c = std::sqrt(a * a - b * b), e = c / a;
    const std::vector<double> n = StatementNumbers(out.main);
    auto on = [&](double x, double y) {
      EXPECT_NEAR(x * x / (a * a) + y * y / (b * b), 1.0, OnCurveTolerance(x, y, a, b)) << where;
    };
    const std::size_t want[] = {0, 4, 3, 3, 3, 4, 4, 3, 3, 3, 2, 4, 1, 3, 3};
    ASSERT_EQ(n.size(), want[p[0]]) << where;
    switch (p[0]) {
      case 1: NEAR_REL(c, n[0]); EXPECT_EQ(n[1], 0) << where; on(n[2], n[3]);
        EXPECT_NE(n[3], 0) << where; break;
      case 2: NEAR_REL(c, n[0]); NEAR_REL(e, n[2]); break;
      case 3: NEAR_REL(c, n[0]); NEAR_REL(a / e, n[2]); break;
      case 4: NEAR_REL(c, n[0]); NEAR_REL(b * b / a, n[2]); break;
      case 5: NEAR_REL(c, n[0]); NEAR_REL(a - e * n[3], n[2]); EXPECT_LE(n[3], a) << where; break;
      case 6: NEAR_REL(c, n[0]); NEAR_REL(a + e * n[2], n[3]); EXPECT_LE(n[2], a) << where; break;
      case 7: NEAR_REL(a + e * n[0], n[1]); NEAR_REL(a - e * n[0], n[2]); break;
      case 8: NEAR_REL(e, n[0]); on(n[1], n[2]); break;
      case 9: NEAR_REL(b * b / a, n[0]); on(n[1], n[2]); break;
      case 10: NEAR_REL(e, n[0]); NEAR_REL(a / e, n[1]); break;
      case 11: on(n[0], n[1]); on(n[2], n[3]); break;
      // The evolute's cusps on the minor axis, at c^2 / b, reach the vertices (0, +-b).
      case 12: NEAR_REL(2 * c, n[0]); NEAR_REL(c * c / b, b); break;
      case 13: on(n[0], n[1]); NEAR_REL((a * a / b) / (b * b / a), n[2]); break;
      case 14: on(n[0], n[1]); NEAR_REL((a * a / b) / b, n[2]); break;
    }
  });
}

TEST(Hyperbola, PrintedSemiAxesMeetEveryPrintedCondition) {
  algebra_check::ForEachParams({24, 3, 3, 3, 3, 3, 3}, 20000, [&](const Params& p) {
    const auto out = RunRow(19, p, 1);
    const std::string where = Where(p) + "\n" + out.main + "\n" + out.ans;
    double a = 0, b = 0;
    ASSERT_TRUE(ReadAnswer(out.ans, a, b)) << where;
    ASSERT_GT(a, 0) << where;
    ASSERT_GT(b, 0) << where;
    const double c = std::hypot(a, b), e = c / a;
    const std::vector<double> n = StatementNumbers(out.main);
    // On the right branch.
    auto on = [&](double x, double y) {
      EXPECT_GT(x, 0) << where;
      EXPECT_NEAR(x * x / (a * a) - y * y / (b * b), 1.0, OnCurveTolerance(x, y, a, b)) << where;
    };
    const std::size_t want[] = {0, 4, 3, 3, 3, 4, 4, 3, 3, 3, 2, 2, 2, 3, 3,
                                3, 3, 2, 2, 2, 2, 2, 2, 2, 3};
    ASSERT_EQ(n.size(), want[p[0]]) << where;
    switch (p[0]) {
      case 1: NEAR_REL(c, n[0]); on(n[2], n[3]); break;
      case 2: NEAR_REL(c, n[0]); NEAR_REL(e, n[2]); break;
      case 3: NEAR_REL(c, n[0]); NEAR_REL(a / e, n[2]); break;
      case 4: NEAR_REL(c, n[0]); NEAR_REL(b * b / a, n[2]); break;
      case 5: NEAR_REL(c, n[0]); NEAR_REL(e * n[3] - a, n[2]); EXPECT_GE(n[3], a) << where; break;
      case 6: NEAR_REL(c, n[0]); NEAR_REL(e * n[3] + a, n[2]); EXPECT_GE(n[3], a) << where; break;
      case 7: NEAR_REL(e * n[0] + a, n[1]); NEAR_REL(e * n[0] - a, n[2]); NEAR_REL(a, 0.5); break;
      case 8: NEAR_REL(e, n[0]); on(n[1], n[2]); break;
      case 9: NEAR_REL(b * b / a, n[0]); on(n[1], n[2]); break;
      case 10: NEAR_REL(e, n[0]); NEAR_REL(a / e, n[1]); break;
      case 11: NEAR_REL(b / a, n[0]); NEAR_REL(a / e, n[1]); break;
      case 12: NEAR_REL(b / a, n[0]); NEAR_REL(b * b / a, n[1]); break;
      case 13: NEAR_REL(b / a, n[0]); on(n[1], n[2]); break;
      case 14: NEAR_REL(b / a, n[0]); NEAR_REL(e * n[1] - a, n[2]); EXPECT_GT(n[1], a) << where;
        break;
      case 15: NEAR_REL(b / a, n[0]); NEAR_REL(e * n[1] + a, n[2]); EXPECT_GT(n[1], a) << where;
        break;
      case 16: NEAR_REL(c, n[0]); NEAR_REL(b * b / a, n[2]); break;
      case 17: NEAR_REL(e, n[0]); NEAR_REL(c - a, n[1]); break;
      case 18: NEAR_REL(e, n[0]); NEAR_REL(c - a / e, n[1]); break;
      case 19: NEAR_REL(e, n[0]); NEAR_REL(a - a / e, n[1]); break;
      case 20: NEAR_REL(b * b / a, n[0]); NEAR_REL(c - a, n[1]); break;
      case 21: NEAR_REL(b * b / a, n[0]); NEAR_REL(c - a / e, n[1]); break;
      case 22: NEAR_REL(b * b / a, n[0]); NEAR_REL(a - a / e, n[1]); break;
      case 23: NEAR_REL(b / a, n[0]); NEAR_REL(a - a / e, n[1]); break;
      // The ellipse with minor semi-axis n[0] through (n[1], n[2]) and the focus (c, 0).
      case 24:
        NEAR_REL(n[1] * n[1] / (c * c) + n[2] * n[2] / (n[0] * n[0]), 1.0);
        on(n[1], n[2]);
        break;
    }
  });
}

}  // namespace
