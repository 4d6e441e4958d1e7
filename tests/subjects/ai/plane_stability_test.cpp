#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "subjects/ai/ai_run.h"

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
  EXPECT_EQ(DataRow(out.answers, true), "4&$ x + y =0$ &");
  // With x0 = y0 = 0 as well every coefficient vanishes: the curve is 0 = 0, unclassified.
  out = RunAiVariant(kRow, {2, 1, 1, 1, 1, 1, 1});
  EXPECT_EQ(DataRow(out.answers, true), "1&$0=0$ &");
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

std::string Term(long long c, const std::string& name) {
  if (c == 0) return "";
  return std::string(c > 0 ? "+" : "-") +
         (std::llabs(c) == 1 ? "" : std::to_string(std::llabs(c))) + name;
}

std::string Fixed(double x, int w = 11) {
  char buffer[64];
  // Halves away from zero, as the documents round; no sign on a zero.
  std::snprintf(buffer, sizeof buffer, "%*.4f", w, std::round(x * 1e4) / 1e4 + 0.0);
  return buffer;
}

/// The kind of A x^2 + B y^2 + d2 x + e2 y + F = 0 by exact integer invariants.
std::string Kind(long long a, long long b, long long d2, long long e2, long long f) {
  const double da = a, db = b, dd = d2 / 2.0, de = e2 / 2.0, df = f;
  const double r = df - (dd * dd / da + de * de / db);
  const long long n = 4 * a * b * f - b * d2 * d2 - a * e2 * e2;  // 4AB R
  const std::string parabola =
      " Парабола; $p=";
  if (a != 0 && b != 0 && (a > 0) == (b > 0)) {
    if (n == 0) return " точка ";
    if ((n > 0) != (b > 0)) {
      return " Эллипс; $a=" + Fixed(std::sqrt(-r / da)) + "$, $b=" + Fixed(std::sqrt(-r / db)) +
             "$ ";
    }
    return "$\\emptyset$";
  }
  if (a != 0 && b != 0) {
    if (n == 0) return "прямые $k = \\pm " + Fixed(std::sqrt(std::fabs(db / da))) + " $,    ";
    return "Гипербола; $a=" + Fixed(std::sqrt(std::fabs(r / da))) +
           "$, $b=" + Fixed(std::sqrt(std::fabs(r / db))) + "$ ";
  }
  if (a == 0 && b != 0 && d2 != 0) return parabola + Fixed(-dd / db) + "$ ";
  if (a != 0 && b == 0 && e2 != 0) return parabola + Fixed(-de / da) + "$ ";
  if (a == 0 && d2 == 0 && b != 0) {
    const long long delta4 = e2 * e2 - 4 * b * f;  // 4 (E^2 - B F)
    if (delta4 < 0) return " $\\emptyset$";
    if (delta4 == 0) return " $y=" + Fixed(-de / db) + "$,";
    const double root = std::sqrt(delta4 / 4.0);
    return " $y_1=" + Fixed((-de + root) / db, 7) + "$,  $y_2=" + Fixed((-de - root) / db, 7) +
           "$,   ";
  }
  return "";
}

// The curve from the printed system, normalised, and its kind by exact invariants.
TEST(PlaneStabilityTest, CurveAndKindFollowFromThePrintedSystem) {
  long long checked = 0, zero = 0;
  for (const auto& point : ai_check::Sweep({6, 5, 5, 5, 5, 5, 5}, 4000)) {
    const auto out = RunAiVariant(kRow, point.p, point.level);
    Printed p = ReadSystem(out.main);
    const auto k = [&p](const char* name) { return p.k.count(name) ? p.k.at(name) : 0LL; };
    std::vector<long long> c(4);
    long long a = 0, b = 0, d2 = 0, e2 = 0, f = 0;
    std::string curve;
    if (p.form_one) {
      const long long k0 = k("0"), k1 = k("\\ddot x y"), k2 = k("x y"), k3 = k("\\dot x x"),
                      k4 = k("\\dot x y"), k5 = k("\\dot y x"), k6 = k("\\dot y y");
      const long long t = (k1 * k3 - k4 * k0) * p.x0 + (k1 * k5 - k6 * k0) * p.y0;
      c = {-p.e * k2 * k0, p.f * k2 * k1, p.e * t, p.f * t};
      Normalise(c);
      a = c[0];
      b = c[1];
      d2 = c[2];
      e2 = c[3];
      curve = Term(c[0], " x^2 ") + Term(c[1], " y^2 ") + Term(c[2], " x ") + Term(c[3], " y ");
    } else {
      const long long k2 = k("\\dot y^2"), k3 = k("\\dot x^2"), k5 = k("x^2"), k1 = k("y^2"),
                      k6 = k("\\dot y y");
      a = -p.f * k5;
      b = -p.f * k1;
      e2 = -k6 * (p.e * p.x0 + p.f * p.y0);
      f = p.f * (k3 * p.x0 * p.x0 - k2 * p.y0 * p.y0) - 2 * p.e * k2 * p.x0 * p.y0;
      c = {a, b, e2, f};
      Normalise(c);
      curve = Term(c[0], " x^2 ") + Term(c[1], " y^2 ") + Term(c[2], " y ");
      if (c[3] != 0) curve += (c[3] > 0 ? "+" : "-") + std::to_string(std::llabs(c[3]));
    }
    if (!curve.empty() && curve[0] == '+') curve.erase(0, 1);  // the first term has no "+"
    const std::string row = DataRow(out.answers, true);
    if (c[0] == 0 && c[1] == 0 && c[2] == 0 && c[3] == 0) {
      EXPECT_EQ(row, "1&$0=0$ &") << testing_support::Describe(point);
      ++zero;
    } else {
      const std::string kind = Kind(a, b, d2, e2, f);
      std::string expected = "1&$" + curve + "=0$ & " + kind;
      expected.erase(expected.find_last_not_of(' ') + 1);
      EXPECT_EQ(row, expected) << testing_support::Describe(point);
    }
    ++checked;
  }
  std::printf("%lld of %lld variants have every coefficient 0\n", zero, checked);
  EXPECT_TRUE(testing_support::SweepCovered(checked, 6LL * 5 * 5 * 5 * 5 * 5 * 5 * 10));
}

}  // namespace
