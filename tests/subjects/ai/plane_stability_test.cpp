#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"
#include "tests/support/polynomial_terms.h"

namespace {

using ai_check::Between;
using ai_check::DataRow;
using ai_check::Numbers;
using ai_check::RunAiVariant;

constexpr int kRow = 2;

std::string Flat(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
  return text;
}

TEST(PlaneStabilityTest, GoldenVariants) {
  // P1 = 2 in form I: K2 = 0, so the curve is the line c3 x + c4 y = 0.
  auto out = RunAiVariant(kRow, {2, 1, 1, 2, 3, 1, 1}, 1, 4);
  EXPECT_NE(out.main.find("$$\\begin{array}{l}2\\ddot x x\r\n+\\ddot x y+2\\dot x x+3\\dot x y+"
                          "\\dot y x+\\dot y y=0,\\\\\r\n$$\\ddot x + 3\\ddot y +2x +2y=0.\r\n"
                          "\\end{array}$$ $\\dot x_0=1$, $\\dot y_0=2$, $m=1$, $n=2$.\r\n"),
            std::string::npos)
      << out.main;
  // t = (1*2 - 3*2)*1 + (1*1 - 1*2)*2 = -6: c = 0, 0, -12, -12, normalised 0, 0, 1, 1.
  EXPECT_EQ(DataRow(out.answers, true), "4&$ x + y =0$ &  прямая");
  // With x0 = y0 = 0 as well every coefficient vanishes (0 = 0): drawn again with K3 = 0 in
  // place of K2, so x y keeps its coefficient 1 and the second equation shows 4.
  out = RunAiVariant(kRow, {2, 1, 1, 1, 1, 1, 1});
  EXPECT_NE(out.main.find("$$\\begin{array}{l}2\\ddot x x\r\n+\\ddot x y+x y+\\dot x y+"),
            std::string::npos)
      << out.main;
  EXPECT_NE(out.main.find("$$\\ddot x + 4\\ddot y +2x +2y=0."), std::string::npos) << out.main;
  EXPECT_EQ(DataRow(out.answers, true), "1&$-2 x^2 + y^2 =0$ & прямые $k = \\pm      1.4142 $");
  // Form II.
  out = RunAiVariant(kRow, {1, 2, 4, 3, 2, 2, 3});
  EXPECT_NE(out.main.find("$$\\begin{array}{l}6\\ddot x \\dot x\r\n+2\\dot x x+3\\dot y y+4\\dot "
                          "y^2+3\\dot x^2+2x^2=0,\\\\\r\n$$\\ddot x - 2\\ddot y -4\\ln(3\\dot x "
                          "+5\\dot y)=0.\r\n\\end{array}$$ $\\dot x_0=2$, $\\dot y_0=1$, $m=0$, "
                          "$n=2$\r\n"),
            std::string::npos)
      << out.main;
}

struct Printed {
  bool form_one = true;
  std::map<std::string, long long> k;  // by term name; K0 under "0"
  long long e = 0, f = 0, x0 = 0, y0 = 0;
};

Printed ReadSystem(const std::string& main) {
  Printed p;
  const std::string first = Flat(Between(main, "$$\\begin{array}{l}", "=0,\\\\"));
  p.form_one = first.find("\\ddot x \\dot x") == std::string::npos;
  const std::string lead = p.form_one ? "\\ddot x x" : "\\ddot x \\dot x";
  const std::size_t after = first.find(lead);
  p.k["0"] = std::stoll(first.substr(0, after));
  std::string rest = first.substr(after + lead.size());
  std::size_t at = 0;
  while (at < rest.size()) {
    const char sign = rest[at];
    std::size_t end = rest.find_first_of("+-", at + 1);
    if (end == std::string::npos) end = rest.size();
    std::string term = rest.substr(at + 1, end - at - 1);
    std::size_t digits = 0;
    while (digits < term.size() && std::isdigit(static_cast<unsigned char>(term[digits]))) ++digits;
    const long long value = digits == 0 ? 1 : std::stoll(term.substr(0, digits));
    p.k[term.substr(digits)] = sign == '-' ? -value : value;
    at = end;
  }
  const auto second = Numbers(Between(main, "=0,\\\\\r\n", "=0."));
  p.e = static_cast<long long>(second.at(second.size() - 2));
  p.f = static_cast<long long>(second.back());
  p.x0 = std::stoll(Between(main, "$\\dot x_0=", "$"));
  p.y0 = std::stoll(Between(main, "$\\dot y_0=", "$"));
  return p;
}

/// Divides by 2, 3, 5, 7, 11 while all are divisible, then flips the signs when none is
/// positive (the printed normal form).
void Normalise(std::vector<long long>& c) {
  bool any = false;
  for (long long v : c) any = any || v != 0;
  if (!any) return;
  for (long long d : {2, 3, 5, 7, 11}) {
    for (;;) {
      bool all = true;
      for (long long v : c) all = all && v % d == 0;
      if (!all) break;
      for (long long& v : c) v /= d;
    }
  }
  bool positive = false;
  for (long long v : c) positive = positive || v > 0;
  if (!positive) {
    for (long long& v : c) v = -v;
  }
}

using Curve = testing_support::PolynomialTerms;

/// The printed curve "3 x^2 +44 y +400=0"; not ok with a leading "+" or a monomial other than
/// x^2, y^2, x, y and the constant.
Curve ReadCurve(const std::string& text) {
  Curve out = testing_support::ReadPolynomialTerms(text);
  if (out.leading_plus) out.ok = false;
  for (const auto& [monomial, c] : out.coef) {
    if (monomial != "" && monomial != "x^2" && monomial != "y^2" && monomial != "x" &&
        monomial != "y") {
      out.ok = false;
    }
  }
  return out;
}

/// Whether a word of text mixes Latin and Cyrillic letters (UTF-8).
bool MixesScripts(const std::string& text) {
  bool latin = false, cyrillic = false;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const unsigned char c = i < text.size() ? static_cast<unsigned char>(text[i]) : ' ';
    if (std::isalpha(c)) {
      latin = true;
    } else if ((c == 0xD0 || c == 0xD1) && i + 1 < text.size()) {
      cyrillic = true;
      ++i;
    } else {
      if (latin && cyrillic) return true;
      latin = cyrillic = false;
    }
  }
  return false;
}

/// The number written after `key` in text (a printed 4-decimal value), or NaN.
double ValueOf(const std::string& text, const std::string& key) {
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return std::nan("");
  return std::stod(text.substr(at + key.size()));
}

// The named kind and its numbers checked on the printed curve by points that must lie on it:
// the ends of the semi-axes of an ellipse, a vertex and the asymptotes' slope of a hyperbola,
// a second point of each crossing line, the ends of a parabola's focal chord, the parallel
// lines' points; a point or no point from the curve's value at its centre.
void CheckKind(const Curve& curve, const std::string& kind, const std::string& where) {
  const double a = curve.Get("x^2"), b = curve.Get("y^2"), cx = curve.Get("x"), cy = curve.Get("y"),
               f = curve.Get("");
  const auto value = [&](double x, double y) {
    return a * x * x + b * y * y + cx * x + cy * y + f;
  };
  // What four printed decimals allow: the slope of the curve times a unit of the last place.
  const auto on = [&](double x, double y, const char* what) {
    const double slope = std::fabs(2 * a * x + cx) + std::fabs(2 * b * y + cy);
    EXPECT_NEAR(value(x, y), 0, 1e-4 * slope + 1e-4 * (std::fabs(a) + std::fabs(b)) + 1e-9)
        << what << " (" << x << ", " << y << ") off the curve: " << kind << "\n"
        << where;
  };
  const bool empty = kind.find("\\emptyset") != std::string::npos;
  if (a != 0 && b != 0) {
    const double x0 = -cx / (2 * a), y0 = -cy / (2 * b), v0 = value(x0, y0);
    const bool at_centre = std::fabs(v0) < 1e-9;
    if (a * b > 0) {
      if (at_centre) {
        EXPECT_NE(kind.find("точка"), std::string::npos) << where;
      } else if (a * v0 > 0) {
        EXPECT_TRUE(empty) << where;
      } else {
        ASSERT_NE(kind.find("Эллипс"), std::string::npos) << where;
        on(x0 + ValueOf(kind, "$a="), y0, "x vertex");
        on(x0, y0 - ValueOf(kind, "$b="), "y vertex");
      }
    } else if (at_centre) {
      ASSERT_NE(kind.find("прямые"), std::string::npos) << where;
      const double k = ValueOf(kind, "\\pm ");
      on(x0 + 1, y0 + k, "line");
      on(x0 - 1, y0 + k, "line");
    } else {
      ASSERT_NE(kind.find("Гипербола"), std::string::npos) << where;
      const double ha = ValueOf(kind, "$a="), hb = ValueOf(kind, "$b=");
      // The real axis along x when the curve meets the x line through the centre.
      if (-v0 / a > 0) {
        on(x0 + ha, y0, "vertex");
      } else {
        on(x0, y0 + hb, "vertex");
      }
      // The asymptotes' slope: each semi-axis printed to half a unit of the fourth decimal.
      EXPECT_NEAR(hb / ha, std::sqrt(std::fabs(a / b)), 6e-5 * (1 + hb / ha) / ha) << where;
    }
    return;
  }
  if (a == 0 && b == 0) {
    ASSERT_TRUE(cx != 0 || cy != 0 || f != 0) << "0 = 0\n" << where;
    if (cx != 0 || cy != 0) {
      EXPECT_NE(kind.find("прямая"), std::string::npos) << where;
    } else {
      EXPECT_TRUE(empty) << where;
    }
    return;
  }
  // One square: along y (b != 0) or along x.
  const bool along_y = b != 0;
  const double q = along_y ? b : a, h = along_y ? cy : cx, other = along_y ? cx : cy;
  const std::string t = along_y ? "y" : "x";
  const auto point = [&](double u, double w) {  // u on the square's axis, w on the other
    return along_y ? std::make_pair(w, u) : std::make_pair(u, w);
  };
  if (other != 0) {
    ASSERT_NE(kind.find("Парабола"), std::string::npos) << where;
    const double p = ValueOf(kind, "$p=");
    const double uv = -h / (2 * q), wv = -(q * uv * uv + h * uv + f) / other;
    for (double side : {-1.0, 1.0}) {
      const auto [x, y] = point(uv + side * p, wv + p / 2);
      on(x, y, "focal chord end");
    }
    return;
  }
  const double disc = h * h - 4 * q * f;
  if (disc < 0) {
    EXPECT_TRUE(empty) << where;
  } else if (disc == 0) {
    const auto [x, y] = point(ValueOf(kind, "$" + t + "="), 0);
    on(x, y, "double line");
  } else {
    const double u1 = ValueOf(kind, "$" + t + "_1="), u2 = ValueOf(kind, "$" + t + "_2=");
    EXPECT_GT(std::fabs(u1 - u2), 1e-4) << where;
    for (double u : {u1, u2}) {
      const auto [x, y] = point(u, 0);
      on(x, y, "parallel line");
    }
  }
}

// The curve from the printed system, normalised, read back from the answers cell; its kind
// and numbers checked on the printed curve itself.
TEST(PlaneStabilityTest, CurveAndKindFollowFromThePrintedSystem) {
  long long checked = 0;
  std::map<std::string, long long> kinds;
  for (const auto& point : ai_check::Sweep({6, 5, 5, 5, 5, 5, 5}, 4000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    const std::string where = testing_support::Describe(point) + "\n" + out.answers;
    EXPECT_FALSE(MixesScripts(out.main + out.answers)) << where;
    Printed p = ReadSystem(out.main);
    const auto k = [&p](const char* name) { return p.k.count(name) ? p.k.at(name) : 0LL; };
    std::vector<long long> c(4);
    std::vector<std::string> names;
    if (p.form_one) {
      const long long k0 = k("0"), k1 = k("\\ddot x y"), k2 = k("x y"), k3 = k("\\dot x x"),
                      k4 = k("\\dot x y"), k5 = k("\\dot y x"), k6 = k("\\dot y y");
      const long long t = (k1 * k3 - k4 * k0) * p.x0 + (k1 * k5 - k6 * k0) * p.y0;
      c = {-p.e * k2 * k0, p.f * k2 * k1, p.e * t, p.f * t};
      names = {"x^2", "y^2", "x", "y"};
    } else {
      const long long k2 = k("\\dot y^2"), k3 = k("\\dot x^2"), k5 = k("x^2"), k1 = k("y^2"),
                      k6 = k("\\dot y y");
      c = {-p.f * k5, -p.f * k1, -k6 * (p.e * p.x0 + p.f * p.y0),
           p.f * (k3 * p.x0 * p.x0 - k2 * p.y0 * p.y0) - 2 * p.e * k2 * p.x0 * p.y0};
      names = {"x^2", "y^2", "y", ""};
    }
    Normalise(c);
    const auto cells = ai_check::Cells(DataRow(out.answers, true));
    ASSERT_EQ(cells.size(), 3u) << where;
    ASSERT_EQ(cells[1].substr(0, 1), "$") << where;
    const std::size_t eq = cells[1].find("=0$");
    ASSERT_NE(eq, std::string::npos) << where;
    const Curve curve = ReadCurve(cells[1]);
    ASSERT_TRUE(curve.ok) << where;
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(curve.Get(names[i]), c[i]) << names[i] << where;
    ASSERT_FALSE(cells[2].empty()) << where;
    CheckKind(curve, cells[2], where);
    ++kinds[cells[2].substr(0, cells[2].find_first_of(";=$ ", 1))];
    ++checked;
  }
  for (const auto& [kind, count] : kinds) std::printf("%s: %lld\n", kind.c_str(), count);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6LL * 5 * 5 * 5 * 5 * 5 * 5 * 10));
}

}  // namespace
