#include "subjects/structural/finite_element_chain.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "subjects/strength/strength.h"
#include "tests/support/run_harness.h"
#include "tests/support/sweep.h"

namespace structural {
namespace {

constexpr int kRow = 39;

// An exact rational for the assembly and the solve.
struct Ratio {
  long long n = 0, d = 1;
};

Ratio Make(long long n, long long d) {
  if (d < 0) n = -n, d = -d;
  const long long g = std::gcd(n < 0 ? -n : n, d);
  return {n / (g ? g : 1), d / (g ? g : 1)};
}
Ratio operator-(Ratio a, Ratio b) { return Make(a.n * b.d - b.n * a.d, a.d * b.d); }
Ratio operator*(Ratio a, Ratio b) { return Make(a.n * b.n, a.d * b.d); }
Ratio operator/(Ratio a, Ratio b) { return Make(a.n * b.d, a.d * b.n); }

// The schemes as the statement shows them: springs (node, node, stiffness number) and the
// forces (0 F, 1 P, 2 Q) at their nodes.
struct SchemeTable {
  std::vector<std::array<int, 3>> springs;
  std::vector<std::array<int, 2>> forces;  // {which, node}
};

const SchemeTable kSchemes[8] = {
    {{{2, 3, 2}, {2, 4, 3}, {2, 5, 4}, {1, 2, 1}}, {{0, 3}, {1, 4}, {2, 5}}},
    {{{1, 2, 1}, {2, 5, 2}, {2, 3, 3}, {3, 5, 4}, {3, 4, 5}}, {{0, 4}, {1, 5}}},
    {{{1, 2, 1}, {1, 2, 2}, {2, 3, 3}, {3, 4, 4}, {4, 5, 5}}, {{0, 2}, {1, 5}}},
    {{{1, 3, 1}, {1, 2, 2}, {2, 3, 3}, {2, 5, 4}, {3, 4, 5}, {5, 4, 6}}, {{0, 4}}},
    {{{1, 2, 1}, {2, 3, 2}, {3, 4, 3}, {1, 5, 4}, {5, 4, 5}}, {{0, 4}, {1, 5}}},
    {{{1, 2, 2}, {2, 3, 3}, {1, 3, 1}, {1, 5, 4}, {3, 4, 5}, {5, 4, 6}}, {{0, 3}, {1, 4}}},
    {{{1, 2, 2}, {2, 3, 3}, {3, 4, 4}, {1, 3, 1}, {1, 5, 5}, {5, 3, 6}},
     {{0, 3}, {1, 4}, {2, 5}}},
    {{{1, 2, 3}, {2, 3, 4}, {1, 3, 1}, {3, 4, 2}, {1, 2, 5}, {2, 5, 6}},
     {{0, 3}, {1, 4}, {2, 5}}},
};

// u2..u5 of the chain with u1 = 0, in exact rationals.
std::vector<Ratio> SolveChain(const SchemeTable& scheme, const int k[7], const int force[3]) {
  Ratio a[4][5];
  for (auto& row : a)
    for (auto& x : row) x = {0, 1};
  auto add = [&a](int i, int j, long long v) {
    if (i >= 2 && j >= 2) a[i - 2][j - 2] = Make(a[i - 2][j - 2].n + v * a[i - 2][j - 2].d, a[i - 2][j - 2].d);
  };
  for (const auto& sp : scheme.springs) {
    add(sp[0], sp[0], k[sp[2]]);
    add(sp[1], sp[1], k[sp[2]]);
    add(sp[0], sp[1], -k[sp[2]]);
    add(sp[1], sp[0], -k[sp[2]]);
  }
  for (const auto& f : scheme.forces) {
    a[f[1] - 2][4] = Make(a[f[1] - 2][4].n + force[f[0]] * a[f[1] - 2][4].d, a[f[1] - 2][4].d);
  }
  for (int c = 0; c < 4; ++c) {
    int pivot = c;
    while (pivot < 4 && a[pivot][c].n == 0) ++pivot;
    EXPECT_LT(pivot, 4) << "the chain is not held";
    if (pivot == 4) return {};
    std::swap(a[c], a[pivot]);
    for (int r = 0; r < 4; ++r) {
      if (r == c || a[r][c].n == 0) continue;
      const Ratio t = a[r][c] / a[c][c];
      for (int j = c; j < 5; ++j) a[r][j] = a[r][j] - t * a[c][j];
    }
  }
  std::vector<Ratio> u;
  for (int r = 0; r < 4; ++r) u.push_back(a[r][4] / a[r][r]);
  return u;
}

testing_support::RunTexts RunRow(const std::vector<testing_support::VariantParams>& variants) {
  auto s = testing_support::NewState();
  return testing_support::RunBeginVariant(
      *s, [](SharedState& st) { strength::BeginMechanicsOfMaterialsProblem(st, kRow); },
      [](SharedState& st) { strength::WriteMechanicsOfMaterialsVariant(st, kRow); }, variants);
}

std::vector<double> AnswerRow(const std::string& answers) {
  const std::string head = "& $u_5$\\\\\\hline";
  const size_t from = answers.find(head);
  if (from == std::string::npos) return {};
  std::string row = answers.substr(from + head.size());
  row = row.substr(0, row.find("\\\\"));
  for (char& c : row)
    if (c == '&' || c == '$') c = ' ';
  std::istringstream in(row);
  std::vector<double> values;
  for (double x; in >> x;) values.push_back(x);
  return values;
}

// The sets the answer check visits. The displacements are linear in the forces and the
// stiffnesses depend on P2..P4 alone, so the exhaustive sweep takes every scheme with every
// P2, P3, P4 (the forces varying with them) and every scheme with every P5, P6, P7 (the
// stiffnesses varying with them); the normal suite a stratified sample.
std::vector<testing_support::SweepPoint> ChainPoints(long long& full_count) {
  full_count = 8LL * 32 * 32 * 32 + 8LL * 10 * 10 * 10;
  if (!testing_support::FullSweep()) {
    return testing_support::SweepPoints({1, 1, 1, 1, 1, 1, 1}, {8, 32, 32, 32, 10, 10, 10}, 600,
                                        1, 1);
  }
  std::vector<testing_support::SweepPoint> points;
  int n = 0;
  for (int s = 1; s <= 8; ++s) {
    for (int a = 1; a <= 32; ++a)
      for (int b = 1; b <= 32; ++b)
        for (int c = 1; c <= 32; ++c, ++n) {
          points.push_back({{s, a, b, c, n % 10 + 1, n / 10 % 10 + 1, n / 100 % 10 + 1}, 1});
        }
    for (int f = 1; f <= 10; ++f)
      for (int g = 1; g <= 10; ++g)
        for (int h = 1; h <= 10; ++h, ++n) {
          points.push_back({{s, n % 32 + 1, n / 32 % 32 + 1, n / 7 % 32 + 1, f, g, h}, 1});
        }
  }
  return points;
}

TEST(FiniteElementChainTest, DisplacementsMatchTheExactAssembly) {
  long long full_count = 0;
  const auto points = ChainPoints(full_count);
  long checked = 0;
  for (const auto& point : points) {
    const auto& p = point.p;
    const std::string where = testing_support::Describe(point);
    // The data as the statement prints them.
    const auto texts = RunRow({p});
    const FiniteElementChainData d =
        DeriveFiniteElementChainData(p[0], p[1], p[2], p[3], p[4], p[5], p[6]);
    int k[7] = {0};
    for (int e = 1; e <= 6; ++e) {
      k[e] = d.k[e];
      ASSERT_TRUE(k[e] >= 1 && k[e] <= 6) << where;
    }
    // Printed stiffnesses and force magnitudes of the scheme.
    const SchemeTable& scheme = kSchemes[p[0] - 1];
    for (const auto& sp : scheme.springs) {
      const std::string text = "$k_" + std::to_string(sp[2]) + "=" + std::to_string(k[sp[2]]) + "$";
      ASSERT_NE(texts.main.find(text), std::string::npos) << where << " " << text;
    }
    const int force[3] = {d.F, d.P, d.Q};
    for (int f = 0; f < 3; ++f) ASSERT_NE(force[f], 0) << where;
    ASSERT_NE(std::abs(d.F), std::abs(d.P)) << where;
    const std::vector<Ratio> u = SolveChain(scheme, k, force);
    ASSERT_EQ(u.size(), 4u) << where;
    // The number format rounds to a whole number within 0.01, to one decimal within 0.009.
    const std::vector<double> row = AnswerRow(texts.answers);
    ASSERT_EQ(row.size(), 5u) << texts.answers;
    for (int i = 0; i < 4; ++i) {
      const double exact = static_cast<double>(u[i].n) / u[i].d;
      ASSERT_NEAR(row[i + 1], exact, 0.0101) << where << " u" << i + 2;
    }
    ++checked;
  }
  EXPECT_TRUE(testing_support::SweepCovered(checked, full_count));
}

TEST(FiniteElementChainTest, StiffnessAndForceRules) {
  // 32 = 100000b: k1..k5 = 1, then k1 = 3 (equal to k2) and k3 = 2.
  FiniteElementChainData d = DeriveFiniteElementChainData(1, 32, 32, 32, 1, 2, 3);
  EXPECT_EQ(d.k[1], 3);
  EXPECT_EQ(d.k[2], 1);
  EXPECT_EQ(d.k[3], 2);
  EXPECT_EQ(d.k[6], 4);
  // A zero base value is replaced: F = 60, P = 70, Q = 80.
  d = DeriveFiniteElementChainData(1, 1, 1, 1, 5, 5, 5);
  EXPECT_EQ(d.F, 60);
  EXPECT_EQ(d.P, 70);
  EXPECT_EQ(d.Q, 80);
  // Equal magnitudes of F and P: P becomes 60.
  d = DeriveFiniteElementChainData(1, 1, 1, 1, 2, 8, 1);
  EXPECT_EQ(d.F, -30);
  EXPECT_EQ(d.P, 60);
}

TEST(FiniteElementChainTest, GoldenLines) {
  // Scheme 1 with P2 = P3 = P4 = 32 and the replaced forces, and scheme 4 (one force).
  const auto texts = RunRow({{1, 32, 32, 32, 5, 5, 5}, {4, 3, 5, 9, 2, 1, 1}});
  EXPECT_NE(texts.answers.find("\\No\\ru & $u_2$& $u_3$& $u_4$& $u_5$\\\\\\hline"
                               "1&$70$ &$130$ &$105$ &$150$  \\\\"
                               "2&$-5.28$ &$-4.86$ &$-23.03$ &$-11.2$  \\\\"),
            std::string::npos)
      << texts.answers;
  const char* lines[] = {
      // Scheme 1: spring 2 between nodes 2 and 3 at the height of node 3, the three forces.
      "\\put(96,-24){\\usebox{\\Pruzina}}\\mt{80}{-24}\\pp{100}{-24}\\mt{160}{-24}"
      "\\pp{136}{-24}\\put(80,-24){\\circle*{2}}\\put(160,-24){\\circle*{2}}"
      "\\put(118,-16){\\small \\Blue{$k_2$}}\\put(155,-22){\\scriptsize 3}\r\n",
      "\\mt{80}{-24}\\pp{80}{24}\\spe%\r\n\\put(0,-24){\\strichl{24}}\r\n\\end{picture}\r\n"
      "\\unitlength=1pt\\par $k_1=3$, \r\n$k_2=1$, \r\n$k_3=2$, \r\n$k_4=1$, \r\n"
      "\\par $F=60$, \r\n$P=70$, \r\n$Q=80$. \r\n\\par ",
      // Scheme 4: F = -30 at node 4, pointing left; the one force ends the data.
      "{\\thicklines\\Red{\\put(200,-5){\\vector(-1,0){20}}\r\n"
      "\\put(198,-2){\\scriptsize \\Brown{$F$}}\r\n}}%\r\n",
      "$k_5=1$, \r\n$k_6=1$, \r\n\\par $F=30$. \r\n\\par ",
  };
  for (const char* line : lines) EXPECT_NE(texts.main.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace structural
