#include "subjects/dynamics/time_laws.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/tex_formula.h"
#include "toolkit/errors.h"

namespace dynamics {
namespace {

TEST(TimeLawsTest, EdgeValuesOfTheIntegrals) {
  for (int k = 1; k <= 19; ++k) EXPECT_NEAR(TimeLawIntegral(k, 0), 0, 1e-15) << "law " << k;
  EXPECT_NEAR(TimeLawIntegral(11, 3), 3, 1e-12);
  EXPECT_NEAR(TimeLawIntegral(15, 3), 15, 1e-12);
  EXPECT_NEAR(TimeLawIntegral(1, 5), 5 + std::exp(1.0) - 1, 1e-12);
  EXPECT_NEAR(TimeLawIntegral(16, 1), 5 * std::log(3.0), 1e-12);
}

TEST(TimeLawsTest, TextsInTheCallersLetter) {
  EXPECT_EQ(TimeLawText(13, 't'), "t\\exp(t/4)");
  EXPECT_EQ(TimeLawText(2, 't'), "0.1\\exp(t/6)$+$3t");
  EXPECT_EQ(TimeLawText(17, 's'), "8s/(2+3s)");
  EXPECT_EQ(TimeLawText(0, 't', "kept"), "kept");
  EXPECT_EQ(TimeLawText(21, 't', "kept"), "kept");
}

TEST(TimeLawsTest, LawTwentyNeedsAPositiveTime) {
  EXPECT_NEAR(TimeLawIntegral(20, 2), 3 * std::log(5.0), 1e-12);
  EXPECT_NEAR(TimeLawIntegral(25, 2), 3 * std::log(5.0), 1e-12);  // numbers beyond 20 too
  EXPECT_THROW(TimeLawIntegral(20, 0), toolkit::DegenerateDataError);
}

// Each printed law, read back with the formula evaluator ("$+$" leaves and re-enters math
// mode around the sign), integrated by Simpson's rule on (0, t] against the closed form.
TEST(TimeLawsTest, EveryPrintedLawIntegratesToItsClosedForm) {
  for (int k = 1; k <= 20; ++k) {
    std::string text = TimeLawText(k, 't');
    for (std::size_t at; (at = text.find("$+$")) != std::string::npos;) text.replace(at, 3, "+");
    const tex_formula::Formula f(text, 't');
    for (const double t : {0.5, 1.0, 3.0, 7.3, 10.0}) {
      const int n = 4000;
      const double h = t / n;
      double sum = f(0.0) + f(t);
      for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(i * h);
      const double quadrature = sum * h / 3;
      EXPECT_NEAR(TimeLawIntegral(k, t), quadrature, 1e-9 * (1 + std::fabs(quadrature)))
          << "law " << k << " at t = " << t;
    }
  }
}

}  // namespace
}  // namespace dynamics
