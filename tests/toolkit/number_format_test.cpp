#include "toolkit/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "toolkit/errors.h"

namespace toolkit {
namespace {

struct FormatCase {
  double x;
  const char* expected;
};

TEST(FormatNumberTest, WritesIntegersOneOrTwoDecimalsAndCutsToEight) {
  const FormatCase cases[] = {
      {2.991, "3"},       {3.004, "3"},         {2.98, "2.98"},        {2.96, "2.96"},
      {1.2, "1.2"},       {1.205, "1.2"},       {1.25, "1.25"},        {0.15, "0.15"},
      {0.51, "0.51"},     {0.004, "0"},         {-0.004, "0"},         {123456.78, "123456.7"},
      {-1234567.5, "-1234567"}, {0, "0"},       {-2.5, "-2.5"},        {7, "7"},
      {-0.25, "-0.25"},   {100.5, "100.5"},     {0.125, "0.13"},       {1e6, "1000000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.x), c.expected) << c.x;
}

TEST(FormatNumberTest, OneDecimalAndSciVariants) {
  EXPECT_EQ(FormatNumberOneDecimal(4.04), "4");
  EXPECT_EQ(FormatNumberOneDecimal(4.06), " 4.1");
  EXPECT_EQ(FormatNumberOneDecimal(0.25), " 0.3");
  EXPECT_EQ(FormatNumberSci(0.005), "0.5\\cdot10^{-2}");
  EXPECT_EQ(FormatNumberSci(-0.0042), "-0.42\\cdot10^{-2}");
  EXPECT_EQ(FormatNumberSci(0.02), "0.02");
  EXPECT_EQ(FormatNumberSci(0.0005), "0");
  EXPECT_EQ(FormatNumberSci(0.001), "0");
}

TEST(FormatFixedTest, RoundsHalfAwayFromZeroAndPadsTheField) {
  EXPECT_EQ(FormatFixed(2.5, 1, 0), "3");
  EXPECT_EQ(FormatFixed(-2.5, 1, 0), "-3");
  EXPECT_EQ(FormatFixed(0.125, 1, 2), "0.13");
  EXPECT_EQ(FormatFixed(2.5, 5, 3), "2.500");
  EXPECT_EQ(FormatFixed(-0.25, 5, 3), "-0.250");
  EXPECT_EQ(FormatFixed(9.996, 6, 2), " 10.00");
  EXPECT_EQ(FormatFixed(0.0004, 1, 2), "0.00");
  EXPECT_EQ(FormatFixed(-0.004, 1, 0), "0");
  EXPECT_EQ(FormatFixed(-0.0004, 7, 3), "  0.000");  // no negative zero in a field either
  EXPECT_EQ(FormatFixed(1.0 / 3, 8, 4), "  0.3333");
}

TEST(FormatNumberTest, NonFiniteValuesAreAnErrorNotText) {
  EXPECT_THROW(FormatNumber(std::nan("")), DegenerateDataError);
  EXPECT_THROW(FormatNumber(std::numeric_limits<double>::infinity()), DegenerateDataError);
  EXPECT_THROW(FormatNumberSci(-std::numeric_limits<double>::infinity()), DegenerateDataError);
}

TEST(SignHelpersTest, ZeroCountsAsPositive) {
  EXPECT_EQ(SignChar(0), '+');
  EXPECT_EQ(SignChar(-1e-9), '-');
  EXPECT_EQ(MinusOrSpace(0), ' ');
  EXPECT_EQ(MinusOrSpace(-3), '-');
  EXPECT_EQ(SignNonZero(0), 1);
  EXPECT_EQ(SignOf(0), 0);
  EXPECT_EQ(SignOf(-0.3), -1);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
}

}  // namespace
}  // namespace toolkit
