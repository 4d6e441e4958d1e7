#include "toolkit/writers.h"

#include <gtest/gtest.h>

#include "tests/support/memory_files.h"

namespace toolkit {
namespace {

using testing_support::AnsText;
using testing_support::Ans2Text;
using testing_support::MainText;

class WritersTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::OpenMemoryFiles(r); }
  toolkit::Run r;
};

TEST_F(WritersTest, MainWritersJoinTextsAndNumbers) {
  WriteTextNumber(r, "a=", 2.5, ";");
  WriteText3NumbersLn(r, "(", 1, ",", 2.25, ",", -3, ")");
  WriteText5NumbersLn(r, "", 1, " ", 2, " ", 3, " ", 4, "|", 5, "!");
  WriteCoordinatePair(r, 1.5, -2);
  EXPECT_EQ(MainText(r), "a=2.5;(1,2.25,-3)\r\n1 2 3 4|\r\n5!\r\n(1.5,-2)\r\n");
}

TEST_F(WritersTest, AnswersWritersUseSciFormOnlyInTextNumberWriters) {
  AnsWriteTextNumber(r, "[", 0.005, "]");
  AnsWriteNumber(r, 0.005);
  AnsWriteLine(r, "");
  AnsWriteTextExponent(r, "x^{", 1, "}");
  AnsWriteTextExponent(r, "|x^{", 2, "}");
  AnsWriteText4NumbersFixed(r, "", 2.5, " ", -0.25, " ", 10, " ", 0, ".");
  EXPECT_EQ(AnsText(r), "[0.5\\cdot10^{-2}]0\r\nx^{}|x^{2}\r\n2.500 -0.250 10.000 0.000.");
}

TEST_F(WritersTest, SecondAnswersSignedNumber) {
  Ans2WriteSignedNumber(r, 0);
  Ans2WriteSignedNumber(r, -1.5);
  Ans2WriteLine(r, "");
  EXPECT_EQ(Ans2Text(r), "+0-1.5\r\n");
}

}  // namespace
}  // namespace toolkit
