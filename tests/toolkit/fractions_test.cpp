#include "toolkit/fractions.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "tests/support/memory_files.h"
#include "toolkit/errors.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

using testing_support::AnsText;
using testing_support::MainText;

using FractionWriter = std::function<void(toolkit::Run&, int, int)>;

struct FractionCase {
  const char* writer_name;
  FractionWriter writer;
  int a;
  int b;
  const char* expected;
};

std::string Answers(const FractionWriter& writer, int a, int b) {
  toolkit::Run r;
  testing_support::OpenMemoryFiles(r);
  writer(r, a, b);
  return AnsText(r);
}

TEST(FractionsTest, FractionWritersReduceAndPlaceSigns) {
  const std::vector<FractionCase> cases = {
      {"AnsWriteFraction", AnsWriteFraction, 6, -4, "3/-2"},
      {"AnsWriteFraction", AnsWriteFraction, 0, 5, "0"},  // an exact zero, not 0/5
      {"AnsWriteFraction", AnsWriteFraction, 0, -14, "0"},
      {"AnsWriteTexFraction", AnsWriteTexFraction, 0, 6, "0"},
      {"AnsWriteFraction", AnsWriteFraction, 0, 1, "0"},
      {"AnsWriteFraction", AnsWriteFraction, 12, 18, "2/3"},
      {"AnsWriteFraction", AnsWriteFraction, 7, 1, "7"},
      {"AnsWriteFraction", AnsWriteFraction, -8, 4, "-2"},
      {"AnsWriteFraction", AnsWriteFraction, 8, 12, "2/3"},  // 2 is tried twice over passes
      {"AnsWriteFraction", AnsWriteFraction, 7, 0, "7/0"},
      {"AnsWriteTexFraction", AnsWriteTexFraction, 3, 6, "\\frac{1}{2}"},
      {"AnsWriteTexFraction", AnsWriteTexFraction, -9, 3, "-3"},
      {"AnsWriteFractionUnlessOne", AnsWriteFractionUnlessOne, 4, 4, ""},
      {"AnsWriteFractionUnlessOne", AnsWriteFractionUnlessOne, 4, -4, "1/-1"},
      {"AnsWriteTexFractionUnlessOne", AnsWriteTexFractionUnlessOne, 5, 5, ""},
      {"AnsWriteTexFractionUnlessOne", AnsWriteTexFractionUnlessOne, 2, 10, "\\frac{1}{5}"},
      {"AnsWriteSignedFraction", AnsWriteSignedFraction, -2, 2, "-"},
      {"AnsWriteSignedFraction", AnsWriteSignedFraction, 2, 2, ""},
      {"AnsWriteSignedFraction", AnsWriteSignedFraction, -3, 6, "-1/2"},
      {"AnsWriteSignedFraction", AnsWriteSignedFraction, 3, -6, "-1/2"},
      {"AnsWriteSignedFraction", AnsWriteSignedFraction, -4, -6, "+2/3"},
      {"AnsWriteSignedFraction", AnsWriteSignedFraction, 0, 3, "+0"},
      {"AnsWriteFractionInParens", AnsWriteFractionInParens, 3, 6, "(1/2)"},
      {"AnsWriteFractionInParens", AnsWriteFractionInParens, 6, 3, "2"},
      {"AnsWriteFractionInParens", AnsWriteFractionInParens, -6, 3, "2"},
      {"AnsWriteFractionInParens", AnsWriteFractionInParens, -3, 3, ""},
      {"AnsWriteFractionInParens", AnsWriteFractionInParens, 3, 3, ""},
      {"AnsWriteFractionInParens", AnsWriteFractionInParens, -4, 6, "(2/3)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Answers(c.writer, c.a, c.b), c.expected)
        << c.writer_name << "(" << c.a << ", " << c.b << ")";
  }
}

TEST(FractionsTest, ReductionLeavesSignsWhereTheyAre) {
  int a = 18;
  int b = -12;
  ReduceFraction(a, b);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, -2);
  a = 0;
  b = 6;
  ReduceFraction(a, b);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 6);
  a = -2147483647 - 1;  // the extreme magnitude does not overflow
  b = 4;
  ReduceFraction(a, b);
  EXPECT_EQ(a, -536870912);
  EXPECT_EQ(b, 1);
}

class CoefficientsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::OpenMemoryFiles(r); }
  toolkit::Run r;
};

TEST_F(CoefficientsTest, RationalAndIntTermsEndTheLineOnlyWhenWritten) {
  AnsWriteRationalTerm(r, 0, 3, "x^{", 2, "}");
  AnsWriteRationalTerm(r, -2, 6, "x^{", 2, "}");
  AnsWriteRationalTerm(r, 4, 4, "x^{", 3, "}");
  AnsWriteSignedIntTerm(r, 0, "y", 1, "");
  AnsWriteSignedIntTerm(r, -1, "y^{", 5, "}");
  EXPECT_EQ(AnsText(r), "-1/3x^{2}\r\nx^{3}\r\n-1y^{5}\r\n");
}

TEST_F(CoefficientsTest, IntegerCoefficientTerms) {
  struct Case {
    void (*writer)(toolkit::Run&, int, std::string_view);
    int a;
    const char* s;
    const char* expected;
  };
  const std::vector<Case> cases = {
      {WriteSignedCoefTerm, -1, "x", "-x"},      {WriteSignedCoefTerm, 1, "x", "+x"},
      {WriteSignedCoefTerm, -3, "x", "-3x"},     {WriteSignedCoefTerm, 0, "x", ""},
      {WriteLeadingCoefTerm, -1, "x^2", "-x^2"}, {WriteLeadingCoefTerm, 5, "x", "5x"},
      {WriteLeadingCoefTerm, -5, "x", "-5x"},    {WriteLeadingCoefTerm, 1, "x", "x"},
      {WriteLeadingCoefTerm, 0, "x", ""},        {WriteLeadingCoefTermMinus, -1, "z", "-z"},
  };
  for (const auto& c : cases) {
    toolkit::Run run;
    testing_support::OpenMemoryFiles(run);
    c.writer(run, c.a, c.s);
    EXPECT_EQ(MainText(run), c.expected) << c.a << " " << c.s;
  }
  AnsWriteSignedCoefTerm(r, 7, "t");
  AnsWriteSignedCoefTerm(r, -1, "t");
  EXPECT_EQ(AnsText(r), "+7t-t");
  EXPECT_EQ(MainText(r), "");
}

TEST_F(CoefficientsTest, RealCoefficientsMainFile) {
  WriteSignedNumberLn(r, 0);
  WriteSignedNumberLn(r, -2.5);
  WriteNumberWithPlus(r, 3);
  WriteNumberWithPlus(r, -3);
  WriteNumberWithPlus(r, 0);
  WriteLine(r, "");
  WriteSignedCoefLn(r, 0);
  WriteSignedCoefLn(r, -1);
  WriteText(r, "x");
  WriteSignedCoefLn(r, 1.5);
  WriteMinusOrSpaceCoefLn(r, 1);
  WriteMinusOrSpaceCoefLn(r, 2);
  WriteNumberUnlessUnit(r, -1);
  WriteNumberUnlessUnit(r, -2);
  WriteTextCoefText(r, "[", 1, "]");
  WriteTextCoefText(r, "[", 0.5, "]");
  EXPECT_EQ(MainText(r), "-2.5\r\n+3-30\r\n+0\r\n-x+1.5\r\n  2\r\n-2[][0.5]");
}

TEST_F(CoefficientsTest, RealCoefficientsAnswersFile) {
  AnsWriteSignedNumber(r, 0);
  AnsWriteSignedNumber(r, -0.25);
  AnsWriteSignedCoefLn(r, -1);
  AnsWriteSignedCoefLn(r, 0.005);
  AnsWriteMinusOrSpaceCoefLn(r, -4);
  AnsWriteMinusOrSpaceCoefLn(r, 1);
  AnsWriteNumberUnlessUnit(r, 1);
  AnsWriteNumberUnlessUnit(r, 0.002);
  AnsWriteSignedRatio(r, "a", -0.004);
  AnsWriteSignedRatio(r, "b", 2);
  EXPECT_EQ(AnsText(r), "-0.25-+0.5\\cdot10^{-2}\r\n-4\r\n 0-a/0.4\\cdot10^{-2} b/2");
  EXPECT_EQ(MainText(r), "");
}

TEST_F(CoefficientsTest, NonFiniteCoefficientIsRefused) {
  EXPECT_THROW(WriteSignedCoefLn(r, std::numeric_limits<double>::quiet_NaN()), DegenerateDataError);
  EXPECT_THROW(AnsWriteSignedNumber(r, std::numeric_limits<double>::infinity()),
               DegenerateDataError);
}

}  // namespace
}  // namespace toolkit
