#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "subjects/algebra/algebra_check.h"
#include "tests/support/polynomial_terms.h"

// Rows 20 and 22: the printed equation of the curve is read back term by term; the type, the
// semi-axes or parameter, and the centre are found again from its invariants and its
// gradient equations, in exact rationals.
namespace {

using algebra_check::Integers;
using algebra_check::Params;
using algebra_check::Rational;
using algebra_check::RunRow;

std::string Where(const Params& p) {
  std::string w = "P =";
  for (int v : p) w += " " + std::to_string(v);
  return w;
}

using Terms = testing_support::PolynomialTerms;

Terms ReadTerms(const std::string& text) { return testing_support::ReadPolynomialTerms(text); }

long long Get(const Terms& t, const std::string& m) { return t.Get(m); }

// Row 20: the invariants of the printed equation against the named curve and its semi-axes
// (a real, b imaginary for the hyperbola) or parameter.
TEST(CurveClassification, InvariantsOfThePrintedEquation) {
  algebra_check::ForEachParams({16, 3, 3, 0, 0, 0, 0}, 200, [&](const Params& p) {
    const auto out = RunRow(20, p, 1);
    const std::string where = Where(p) + "\n" + out.main + "\n" + out.ans;
    const Terms t = ReadTerms(out.main);
    ASSERT_TRUE(t.ok) << where;
    for (const auto& [m, c] : t.coef) {
      static const std::vector<std::string> known = {
          "x^2", "y^2", "xy", "\\sqrt{3}xy", "x", "y", "\\sqrt{2}x", "\\sqrt{2}y", ""};
      EXPECT_NE(std::find(known.begin(), known.end(), m), known.end()) << m << " " << where;
    }
    const long long c1 = Get(t, "x^2"), c2 = Get(t, "y^2");
    const long long c3 = Get(t, "xy") + Get(t, "\\sqrt{3}xy");
    const long long k3 = Get(t, "\\sqrt{3}xy") != 0 ? 3 : 1;
    const long long c4 = Get(t, "x") + Get(t, "\\sqrt{2}x");
    const long long c5 = Get(t, "y") + Get(t, "\\sqrt{2}y");
    const long long k2 = Get(t, "\\sqrt{2}x") != 0 || Get(t, "\\sqrt{2}y") != 0 ? 2 : 1;
    const long long c6 = Get(t, "");
    ASSERT_FALSE(k3 == 3 && (c4 != 0 || c5 != 0)) << where;
    // Squares and products of the half coefficients, exact with the roots squared away.
    const Rational a12sq(c3 * c3 * k3, 4), a13sq(c4 * c4 * k2, 4), a23sq(c5 * c5 * k2, 4);
    const Rational a12a13a23 = k3 == 3 ? Rational(0) : Rational(c3 * c4 * c5 * k2, 8);
    const Rational i1 = c1 + c2;
    const Rational delta = Rational(c1 * c2) - a12sq;
    const Rational big = Rational(c1 * c2 * c6) + Rational(2) * a12a13a23 -
                         Rational(c1) * a23sq - Rational(c2) * a13sq - Rational(c6) * a12sq;
    const std::vector<long long> cells = Integers(out.ans);
    ASSERT_GE(cells.size(), 1u) << where;
    auto sign = [](const Rational& r) { return r.num > 0 ? 1 : (r.num < 0 ? -1 : 0); };
    if (out.ans.find("Эллипс") != std::string::npos ||
        out.ans.find("Гипербола") != std::string::npos) {
      ASSERT_EQ(cells.size(), 3u) << where;
      const Rational u2 = cells[1] * cells[1], v2 = cells[2] * cells[2];
      ASSERT_NE(delta.num, 0) << where;
      const Rational c = big / delta;  // the constant term of the canonical equation
      if (out.ans.find("Эллипс") != std::string::npos) {
        EXPECT_GT(sign(delta), 0) << where;
        EXPECT_EQ(i1, Rational(0) - c / u2 - c / v2) << where;
        EXPECT_EQ(delta, c * c / (u2 * v2)) << where;
      } else {
        EXPECT_LT(sign(delta), 0) << where;
        EXPECT_EQ(i1, Rational(0) - c / u2 + c / v2) << where;
        EXPECT_EQ(delta, Rational(0) - c * c / (u2 * v2)) << where;
      }
    } else if (out.ans.find("Парабола") != std::string::npos) {
      ASSERT_EQ(cells.size(), 2u) << where;
      EXPECT_EQ(delta.num, 0) << where;
      EXPECT_EQ(Rational(cells[1] * cells[1]), Rational(0) - big / (i1 * i1 * i1)) << where;
    } else {
      ASSERT_NE(out.ans.find("$\\emptyset$"), std::string::npos) << where;
      EXPECT_GT(sign(delta), 0) << where;
      EXPECT_GT(sign(big / delta) * sign(i1), 0) << where;
    }
  });
}

// Row 22: the printed centre solves the gradient equations of the printed curve, and the
// named kind follows from the curve's three invariants: I = A + C, delta = AC - B^2 and the
// determinant of the whole equation, which vanishes for a curve that splits into lines or
// shrinks to a point.
TEST(CurveCentre, CentreAndKindOfThePrintedCurve) {
  std::map<std::string, long long> kinds;
  long long degenerate = 0;
  algebra_check::ForEachParams({10, 10, 10, 10, 0, 10, 10}, 20000, [&](const Params& p) {
    const auto out = RunRow(22, p, 1);
    const std::string where = Where(p) + "\n" + out.main + "\n" + out.ans;
    EXPECT_EQ(out.main.find("**"), std::string::npos) << where;
    const Terms t = ReadTerms(out.main);
    ASSERT_TRUE(t.ok) << where;
    ASSERT_EQ(Get(t, ""), 1) << where;
    // A x^2 + 2B xy + C y^2 + 2D x + 2E y + F = 0, kept doubled where the halves may be odd.
    const long long a = Get(t, "x^2"), b2 = Get(t, "xy"), c = Get(t, "y^2");
    const long long d2 = Get(t, "x"), e2 = Get(t, "y"), f = 1;
    const long long four_delta = 4 * a * c - b2 * b2;
    ASSERT_NE(four_delta, 0) << where;
    const std::vector<Rational> centre =
        algebra_check::Solve({{2 * a, b2}, {b2, 2 * c}}, {Rational(-d2), Rational(-e2)});
    ASSERT_EQ(centre.size(), 2u) << where;
    // 8 times the determinant of the symmetric matrix of the equation.
    const long long eight_big =
        algebra_check::Det({{2 * a, b2, d2}, {b2, 2 * c, e2}, {d2, e2, 2 * f}});
    const long long trace = a + c;
    std::string kind;
    if (four_delta < 0) {
      kind = eight_big == 0 ? "пара пересекающихся прямых" : "гипербола";
    } else if (eight_big == 0) {
      kind = "точка";
    } else {
      kind = (trace > 0) == (eight_big > 0) ? "мнимый эллипс" : "эллипс";
    }
    const std::vector<long long> cells = Integers(out.ans);
    ASSERT_EQ(cells.size(), 3u) << where;
    EXPECT_EQ(centre[0], Rational(cells[1])) << where;
    EXPECT_EQ(centre[1], Rational(cells[2])) << where;
    const std::size_t last = out.ans.rfind('&');
    ASSERT_NE(last, std::string::npos) << where;
    std::string named = out.ans.substr(last + 1);
    named.erase(named.find_last_not_of(" \r\n") + 1);
    named.erase(0, named.find_first_not_of(' '));
    EXPECT_EQ(named, kind) << where;
    ++kinds[kind];
    if (a % 2 == 0 && (a / 2) * c * 4 == b2 * b2) ++degenerate;
  });
  // The draws reach the curves that split or shrink, and the quadratic parts changed to have a
  // centre.
  for (const auto& [kind, count] : kinds) std::printf("%s: %lld\n", kind.c_str(), count);
  EXPECT_GT(kinds["точка"], 0);
  EXPECT_GT(kinds["пара пересекающихся прямых"], 0);
  EXPECT_GT(degenerate, 0);
}

}  // namespace
