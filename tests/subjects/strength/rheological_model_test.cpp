#include "subjects/strength/rheological_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "strength_run.h"

namespace strength {
namespace {

using strength_check::AnswersRow;
using strength_check::NumberAfter;
using strength_check::RunRow;

constexpr int kRow = 2;

// A linear element as the operator relation A(s) sigma = B(s) epsilon, polynomials in the
// time derivative s, coefficients from the constant term up.
using Poly = std::vector<double>;
struct Element {
  Poly A, B;
};

Poly Add(const Poly& a, const Poly& b) {
  Poly r(std::max(a.size(), b.size()), 0.0);
  for (std::size_t i = 0; i < a.size(); ++i) r[i] += a[i];
  for (std::size_t i = 0; i < b.size(); ++i) r[i] += b[i];
  return r;
}
Poly Mul(const Poly& a, const Poly& b) {
  Poly r(a.size() + b.size() - 1, 0.0);
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j) r[i + j] += a[i] * b[j];
  return r;
}

Element Spring(double E) { return {{1}, {E}}; }
Element Dashpot(double eta) { return {{1}, {0, eta}}; }
// In series the compliances A/B add; in parallel the moduli B/A add.
Element Series(const Element& x, const Element& y) {
  return {Add(Mul(x.A, y.B), Mul(y.A, x.B)), Mul(x.B, y.B)};
}
Element Parallel(const Element& x, const Element& y) {
  return {Mul(x.A, y.A), Add(Mul(x.B, y.A), Mul(y.B, x.A))};
}

// The schemes of the ten models, from their printed values.
Element Scheme(int model, double E1, double E2, double E, double n1, double n2, double n) {
  switch (model) {
    case 1: return Parallel(Series(Spring(E1), Dashpot(n1)), Series(Spring(E2), Dashpot(n2)));
    case 2: return Parallel(Series(Spring(E1), Dashpot(n)), Spring(E2));
    case 3: return Parallel(Series(Spring(E), Dashpot(n1)), Dashpot(n2));
    case 4: return Series(Parallel(Spring(E), Dashpot(n1)), Dashpot(n2));
    case 5: return Series(Series(Parallel(Spring(E1), Dashpot(n1)), Dashpot(n2)), Spring(E2));
    case 6: return Parallel(Parallel(Series(Spring(E1), Dashpot(n1)), Spring(E2)), Dashpot(n2));
    case 7: return Series(Parallel(Series(Spring(E1), Dashpot(n1)), Spring(E2)), Dashpot(n2));
    case 8: return Series(Parallel(Series(Spring(E1), Dashpot(n1)), Dashpot(n2)), Spring(E2));
    case 9: return Parallel(Series(Parallel(Spring(E1), Dashpot(n1)), Spring(E2)), Dashpot(n2));
    default: return Parallel(Series(Parallel(Spring(E1), Dashpot(n1)), Dashpot(n2)), Spring(E2));
  }
}

TEST(RheologicalModelTest, PrintedCoefficientsGiveTheSchemesOperatorEquation) {
  int checked = 0;
  for (int model = 1; model <= 10; ++model)
    for (int p2 = 1; p2 <= 2; ++p2)
      for (int p3 = 1; p3 <= 2; ++p3)
        for (int p4 = 1; p4 <= 2; ++p4)
          for (int p5 = 1; p5 <= 2; ++p5) {
            const auto t = RunRow(kRow, {{model, p2, p3, p4, p5, 1, 1}});
            const std::string at = std::to_string(model) + " " + std::to_string(p2) +
                                   std::to_string(p3) + std::to_string(p4) + std::to_string(p5);
            const double E1 = NumberAfter(t.main, "$E_1="), E2 = NumberAfter(t.main, "$E_2=");
            const double E = NumberAfter(t.main, "$E="), n = NumberAfter(t.main, "$\\eta=");
            const double n1 = NumberAfter(t.main, "$\\eta_1="), n2 = NumberAfter(t.main, "$\\eta_2=");
            const Element want = Scheme(model, E1, E2, E, n1, n2, n);
            const auto cells = strength_check::RowNumbers(AnswersRow(t.answers));
            ASSERT_EQ(cells.size(), 7u) << at;
            const Poly A = {cells[3], cells[2], cells[1]}, B = {cells[6], cells[5], cells[4]};
            ASSERT_TRUE(cells[1] != 0 || cells[2] != 0 || cells[3] != 0) << at;
            // A sigma = B eps and want.A sigma = want.B eps are one equation: A want.B = B want.A.
            const Poly left = Mul(A, want.B), right = Mul(B, want.A);
            for (std::size_t i = 0; i < std::max(left.size(), right.size()); ++i) {
              const double l = i < left.size() ? left[i] : 0, r = i < right.size() ? right[i] : 0;
              ASSERT_EQ(l, r) << at << " power " << i;
            }
            // The two values of a pair differ.
            if (!std::isnan(E1) && !std::isnan(E2)) { EXPECT_NE(E1, E2) << at; }
            if (!std::isnan(n1) && !std::isnan(n2)) { EXPECT_NE(n1, n2) << at; }
            ++checked;
          }
  EXPECT_EQ(checked, 160);
}

TEST(RheologicalModelTest, GoldenRows) {
  struct Case {
    int model;
    std::string row;
  };
  const Case cases[] = {
      {2, "1&0\r\n&2\r\n&1\r\n&0\r\n&8\r\n&3"},
      {5, "1&8\r\n&22\r\n&3\r\n&24\r\n&12\r\n&0"},
      {9, "1&0\r\n&2\r\n&4\r\n&8\r\n&22\r\n&3"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AnswersRow(RunRow(kRow, {{c.model, 1, 2, 2, 1, 1, 1}}).answers), c.row) << c.model;
  }
  const auto t = RunRow(kRow, {{2, 1, 2, 2, 1, 1, 1}});
  // Model 2's last data line has no full stop.
  EXPECT_NE(t.main.find("\\hskip10mm\\parbox[b]{164pt}{\r\n$E_1=1$,\r\n$E_2=3$,\r\n$\\eta=2$\r\n"
                        "}\\vskip3.1mm\r\n"),
            std::string::npos)
      << t.main;
  EXPECT_NE(t.answers.find(" \\No&$A_2$&$A_1$&$A_0$&$B_2$&$B_1$&$B_0$\\\\\\hline\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace strength
