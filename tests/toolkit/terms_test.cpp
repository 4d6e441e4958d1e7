#include "toolkit/terms.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "toolkit/errors.h"

namespace {

using toolkit::SignedTerm;
using toolkit::TermPlace;
using toolkit::TermSum;

TEST(TermsTest, SignedTermLeavesOutZeroUnitAndLeadingPlus) {
  struct Case {
    double coef;
    const char* factor;
    TermPlace place;
    const char* expected;
  };
  const Case cases[] = {
      {0, "X_A", TermPlace::kNext, ""},
      {-0.004, "X_A", TermPlace::kFirst, ""},  // prints as 0: no term, no "-0"
      {0.004, "", TermPlace::kNext, ""},
      {1, "X_A", TermPlace::kFirst, "X_A"},
      {1, "X_A", TermPlace::kNext, "+X_A"},
      {-1, "X_A", TermPlace::kFirst, "-X_A"},
      {1.004, "Y_E", TermPlace::kNext, "+Y_E"},  // prints as 1
      {-1, "", TermPlace::kNext, "-1"},          // a constant keeps its 1
      {3, "x^2", TermPlace::kFirst, "3\\cdot x^2"},
      {-2.5, "y", TermPlace::kNext, "-2.5\\cdot y"},
      {44, "", TermPlace::kFirst, "44"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SignedTerm(c.coef, c.factor, c.place, "\\cdot "), c.expected)
        << c.coef << " " << c.factor;
  }
  EXPECT_THROW(SignedTerm(std::numeric_limits<double>::quiet_NaN(), "x", TermPlace::kFirst),
               toolkit::DegenerateDataError);
}

TEST(TermsTest, SumStartsWithoutPlusAndIsZeroWhenEmpty) {
  EXPECT_EQ(TermSum("\\cdot ").Add(0, "X_E").Add(16, "Y_E").Add(-44.89).Text(),
            "16\\cdot Y_E-44.89");
  EXPECT_EQ(TermSum().Add(1, "Y_B").Add(0).Text(), "Y_B");
  EXPECT_EQ(TermSum().Add(3, "x^2").Add(44, "y").Add(400).Text(), "3x^2+44y+400");
  EXPECT_EQ(TermSum().Add(-0.001, "x").Add(0).Text(), "0");
  EXPECT_EQ(TermSum().Text(), "0");
}

}  // namespace
