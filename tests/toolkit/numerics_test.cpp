#include "toolkit/numerics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/memory_files.h"
#include "toolkit/errors.h"

namespace toolkit {
namespace {

using testing_support::MainText;

TEST(NumericsTest, LengthsAndGuardedRoots) {
  EXPECT_DOUBLE_EQ(Hypot(3, -4), 5);
  EXPECT_DOUBLE_EQ(Hypot3(2, 3, 6), 7);
  EXPECT_DOUBLE_EQ(SqrtDiffSquares(-5, 3), 4);
  EXPECT_DOUBLE_EQ(SqrtDiffSquares(2, -2), 0);
}

TEST(NumericsTest, SqrtDiffSquaresRefusesSmallerFirstArgument) {
  try {
    SqrtDiffSquares(3, -5);
    FAIL() << "no error";
  } catch (const DegenerateDataError& e) {
    EXPECT_NE(std::string(e.what()).find("|a| < |b|"), std::string::npos) << e.what();
  }
}

TEST(NumericsTest, PowerNeedsAPositiveBaseUnlessTheExponentIsZero) {
  EXPECT_DOUBLE_EQ(Power(2, 0), 1);
  EXPECT_DOUBLE_EQ(Power(0, 0), 1);
  EXPECT_DOUBLE_EQ(Power(-3, 0), 1);
  EXPECT_NEAR(Power(2, 10), 1024, 1e-9);
  EXPECT_NEAR(Power(9, 0.5), 3, 1e-12);
  EXPECT_THROW(Power(0, 2), DegenerateDataError);
  EXPECT_THROW(Power(-8, 1.0 / 3), DegenerateDataError);
}

TEST(NumericsTest, ArrayMaxOrMinSkipsElementZero) {
  TPointArray a{};
  a[0] = 1000;
  a[1] = -2;
  a[2] = 7.5;
  a[3] = 3;
  EXPECT_DOUBLE_EQ(ArrayMaxOrMin(3, a, 'a'), 7.5);
  EXPECT_DOUBLE_EQ(ArrayMaxOrMin(3, a, 'i'), -2);
  EXPECT_DOUBLE_EQ(ArrayMaxOrMin(0, a, 'a'), -10000000);
  EXPECT_DOUBLE_EQ(ArrayMaxOrMin(0, a, 'i'), 10000000);
  EXPECT_DOUBLE_EQ(ArrayMaxOrMin(3, a, 'x'), 0);
  EXPECT_THROW(ArrayMaxOrMin(101, a, 'a'), IndexRangeError);
}

TEST(NumericsTest, ByteArithmetic) {
  struct Case {
    int a, b, div, mod;
  };
  for (const Case& c :
       std::vector<Case>{{7, 3, 3, 2}, {6, 3, 3, 1}, {0, 6, 1, 1}, {35, 6, 6, 6}, {255, 1, 0, 1}}) {
    EXPECT_EQ(DivPlusOne(c.a, c.b), c.div) << c.a << "," << c.b;
    EXPECT_EQ(ModPlusOne(c.a, c.b), c.mod) << c.a << "," << c.b;
  }
  EXPECT_THROW(DivPlusOne(4, 0), DegenerateDataError);
  EXPECT_THROW(ModPlusOne(4, 0), DegenerateDataError);
}

TEST(NumericsTest, BinaryDigitsLeastSignificantFirst) {
  TBinaryDigits d{};
  d.Fill(9);
  ByteToBinaryDigits(6, d);
  EXPECT_EQ(std::vector<int>(d.begin(), d.end()), (std::vector<int>{0, 1, 1, 0, 0, 0, 0, 0}));
  ByteToBinaryDigits(255, d);
  EXPECT_EQ(std::vector<int>(d.begin(), d.end()), (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1}));
  ByteToBinaryDigits(0, d);
  EXPECT_EQ(std::vector<int>(d.begin(), d.end()), (std::vector<int>(8, 0)));
}

TEST(NumericsTest, CountSetMembersOnlyCountsOneToSeven) {
  EXPECT_EQ(CountSetMembers1To7({0, 1, 3, 7, 8, 200}), 3);
  EXPECT_EQ(CountSetMembers1To7({}), 0);
}

TEST(NumericsTest, NormalizeIntVector) {
  struct Case {
    std::vector<int> in;
    std::vector<int> out;
  };
  const std::vector<Case> cases = {
      {{4, -6, 8}, {2, -3, 4}},
      {{-2, -4}, {1, 2}},
      {{26, 39}, {26, 39}},  // 13 is not among the factors
      {{0, -12, 0, 18}, {0, -2, 0, 3}},
      {{-77, 0, -154}, {1, 0, 2}},  // 7 and 11, then negated
      {{0, 0, 0}, {0, 0, 0}},       // all zero: left unchanged (it never ended before)
      {{-3}, {1}},
  };
  for (const Case& c : cases) {
    IndexedArray<int, 1, 8> v{};
    for (std::size_t i = 0; i < c.in.size(); ++i) v[static_cast<long>(i) + 1] = c.in[i];
    NormalizeIntVector(v, static_cast<int>(c.in.size()));
    std::vector<int> got;
    for (std::size_t i = 0; i < c.in.size(); ++i) got.push_back(v[static_cast<long>(i) + 1]);
    EXPECT_EQ(got, c.out);
  }
  TIntVector3 untouched{};
  untouched[1] = -4;
  NormalizeIntVector(untouched, 0);  // n = 0 does nothing
  EXPECT_EQ(untouched[1], -4);
  EXPECT_THROW(NormalizeIntVector(untouched, 4), IndexRangeError);
}

TEST(NumericsTest, BuildVariantPermutationFromTheStoredRecord) {
  toolkit::Run r;
  r.VariantIndex = 3;
  r.P1 = 2;
  r.P2 = 2;
  r.P3 = 1;
  TVariantRecord& record = r.StoredVariants[3];
  record[1] = 2;
  record[2] = 2;
  record[3] = 1;
  record[4] = 3;
  TPermutation p{};
  p.Fill(77);
  BuildVariantPermutation(r, p, 4);
  EXPECT_EQ(std::vector<int>(p.begin(), p.begin() + 4), (std::vector<int>{3, 1, 4, 2}));
  EXPECT_EQ(record[8], 3);  // P1 + (P2 + P3) div 3

  r.P1 = 8;       // 8 + 1 = 9 is above 8: stored as 1
  record[1] = 0;  // a byte outside 1..n takes no position
  record[5] = 5;
  record[6] = 6;
  record[7] = 7;
  BuildVariantPermutation(r, p, 8);
  EXPECT_EQ(record[8], 1);
  EXPECT_EQ(std::vector<int>(p.begin(), p.end()), (std::vector<int>{3, 2, 4, 1, 5, 6, 7, 8}));

  EXPECT_THROW(BuildVariantPermutation(r, p, 9), IndexRangeError);
}

TEST(NumericsTest, SwapAndComposePermutations) {
  TPermutation a{};
  TPermutation b{};
  a[1] = 2, a[2] = 3, a[3] = 1;
  b[1] = 3, b[2] = 1, b[3] = 2;
  TPermutation c{};
  ComposePermutations(a, b, 3, c);
  EXPECT_EQ(std::vector<int>(c.begin(), c.begin() + 3), (std::vector<int>{1, 2, 3}));
  ComposePermutations(a, a, 3, a);  // in place: a(a(k))
  EXPECT_EQ(std::vector<int>(a.begin(), a.begin() + 3), (std::vector<int>{3, 1, 2}));
  SwapBytes(1, 3, a);
  EXPECT_EQ(std::vector<int>(a.begin(), a.begin() + 3), (std::vector<int>{2, 1, 3}));
  EXPECT_THROW(SwapBytes(0, 3, a), IndexRangeError);
  EXPECT_THROW(ComposePermutations(a, b, 4, c), IndexRangeError);  // b[4] = 0 is no position
}

TEST(NumericsTest, WritePermutationTexOneNumberPerLine) {
  toolkit::Run r;
  testing_support::OpenMemoryFiles(r);
  TPermutation p{};
  p[1] = 3, p[2] = 1, p[3] = 2;
  WritePermutationTex(r, 3, "\\alpha", p);
  EXPECT_EQ(MainText(r),
            "$\\alpha=\\left[\\begin{array}{cccccccc}1&\r\n2&\r\n3\\\\\r\n3&\r\n1&\r\n"
            "2\\end{array}\\right]$");
  toolkit::Run cut;
  testing_support::OpenMemoryFiles(cut);
  WritePermutationTex(cut, 1, "ПерестановкаX", p);
  EXPECT_EQ(MainText(cut),
            "$Перестановка=\\left[\\begin{array}{cccccccc}1\\\\\r\n3\\end{array}\\right]$");
}

TEST(NumericsTest, SeriesTerms) {
  toolkit::Run r;
  r.P1 = 2;
  r.P2 = 4;
  const std::vector<std::string> expected = {
      "",
      "13",
      "\\sin(3n)\r\n",
      "\\cos(3n)\r\n",
      "\\sqrt[4]{\\sin(5n)+2}\r\n",
      "\\cos(3n)\r\n",
      "1/n^{3}\r\n",
      "1/\\sqrt[4]{n}\r\n",
      "\\sin(3/n)\r\n",
      "1/\\sqrt[4]{5n+2}\r\n",
      "\\sin^n(3n)\r\n",
      "\\cos^n(3n)\r\n",
      "3^{1/n}\r\n",
      "",
  };
  for (int kind = 0; kind <= 13; ++kind) {
    toolkit::Run run;
    testing_support::OpenMemoryFiles(run);
    run.P1 = r.P1;
    run.P2 = r.P2;
    WriteSeriesTerm(run, kind);
    EXPECT_EQ(MainText(run), expected[static_cast<std::size_t>(kind)]) << "kind " << kind;
  }
}

}  // namespace
}  // namespace toolkit
