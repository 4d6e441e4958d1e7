#include "figures/labels.h"

#include <gtest/gtest.h>

#include "figure_fixture.h"

namespace figures {
namespace {

TEST(LabelsTest, TextAndBoxes) {
  ExpectTexts({
      {"label ends its line", [](Figure& f) { PutLabel(f, "$F$", 10, 5); },
       "\\put(10,5){\\scriptsize \\Brown{$F$}}\r\n"},
      {"label in an empty style",
       [](Figure& f) {
         f.LabelStyle = "";
         PutLabel(f, "s", 0, 0);
       },
       "\\put(0,0){\\scriptsize {s}}\r\n"},
      {"blue label stays on the line", [](Figure& f) { PutBlueLabel(f, "$c$", 1, 2); },
       "\\put(1,2){\\small \\Blue{$c$}}"},
      {"braced, math, script",
       [](Figure& f) {
         PutBracedText(f, "a", 0, 0);
         PutMathText(f, "b", 0, 0);
         PutScriptLabel(f, "c", 0, 0);
       },
       "\\put(0,0){a}\\put(0,0){$b$}\\put(0,0){\\scriptsize c}"},
      {"box", [](Figure& f) { PutBox(f, "hing", 2.5, -1); }, "\\put(2.5,-1){\\usebox{\\hing}}"},
      {"macro", [](Figure& f) { DefineMacro(f, "tbF", "\\vec F"); },
       "\\newcommand{\\tbF}{\\vec F}\r\n"},
      {"labelled segment", [](Figure& f) { DrawLabelledSegment(f, "l", 1, 2, 0, 0, 3, 4); },
       "\\put(1,2){\\scriptsize \\Brown{$l$}}\r\n\\mt{0}{0}\\pp{3}{4}"},
  });
  ExpectTexts({{"answers box", [](Figure& f) { AnsPutBox(f, "dnst", 1, 1); },
                "\\put(1,1){\\usebox{\\dnst}}"}},
              true);
}

// The small-magnitude form 0.5\cdot10^{-2} is mathematics: in a text-mode label it is put in
// dollars, or latex stops with "Missing $ inserted".
TEST(LabelsTest, ValueLabelsInTheirFormats) {
  ExpectTexts({
      {"sci form in dollars", [](Figure& f) { PutValueLabel(f, 0, 0, 0.005); },
       "\\put(0,0){\\scriptsize $0.5\\cdot10^{-2}$}"},
      {"plain value", [](Figure& f) { PutValueLabel(f, 0, 0, 12.5); },
       "\\put(0,0){\\scriptsize 12.5}"},
      {"italic", [](Figure& f) { PutItalicValueLabel(f, 0, 0, 3); },
       "\\put(0,0){\\it\\scriptsize 3}"},
      {"small", [](Figure& f) { PutSmallValueLabel(f, 0, 0, -0.25); }, "\\put(0,0){\\small -0.25}"},
      {"non-zero, zero", [](Figure& f) { PutValueLabelNonZero(f, 0, 0, 0); }, ""},
      {"non-zero, -2", [](Figure& f) { PutValueLabelNonZero(f, 0, 0, -2); },
       "\\put(0,0){\\scriptsize -2}"},
      {"plain or zero, 0", [](Figure& f) { PutPlainValueLabel(f, 0, 0, 0); }, "\\put(0,0){0}"},
      {"plain or zero, sci form cut to 8", [](Figure& f) { PutPlainValueLabel(f, 0, 0, 0.005); },
       "\\put(0,0){$0.5\\cdot$}"},
      {"fixed, two blanks", [](Figure& f) { PutFixedValueLabel(f, 0, 0, 2); },
       "\\put(0,0){\\footnotesize  2.0000}"},
      {"integer in a field of 4", [](Figure& f) { PutIntValueLabel(f, 0, 0, 7.6); },
       "\\put(0,0){\\scriptsize    8}"},
      {"math value, prefix cut to 12",
       [](Figure& f) { PutMathValueLabel(f, "R_A=R_B=R_C=R_D", 0, 0, 4); },
       "\\put(0,0){$R_A=R_B=R_C=4$}"},
  });
  ExpectTexts(
      {
          {"answers value", [](Figure& f) { AnsPutValueLabel(f, 1, 1, 0.25); },
           "\\put(1,1){\\scriptsize 0.25}"},
          {"black", [](Figure& f) { AnsPutBlackValueLabel(f, 1, 1, -2); },
           "\\put(1,1){\\Black{\\scriptsize -2}}"},
          {"absolute", [](Figure& f) { AnsPutAbsValueLabel(f, 0, 0, -3.25); },
           "\\put(0,0){\\scriptsize 3.25}"},
          {"absolute, below 1e-8", [](Figure& f) { AnsPutAbsValueLabel(f, 0, 0, 1e-9); }, ""},
          {"one decimal, signed", [](Figure& f) { AnsPutValueLabelOneDecimal(f, 0, 0, -4.44); },
           "\\put(0,0){\\scriptsize -4.4}"},
          {"one decimal, absolute",
           [](Figure& f) {
             f.LabelAbsolute = true;
             AnsPutValueLabelOneDecimal(f, 0, 0, -4.44);
             AnsPutValueLabelOneDecimal(f, 0, 0, 0);
           },
           "\\put(0,0){\\scriptsize  4.4}"},
          {"fixed, 0.5", [](Figure& f) { AnsPutFixedValueLabel(f, 0, 0, 0.5); },
           "\\put(0,0){\\scriptsize 0.50}"},
          {"fixed, zero body", [](Figure& f) { AnsPutFixedValueLabel(f, 0, 0, 0); },
           "\\put(0,0){\\scriptsize 0}"},
      },
      true);
}

TEST(LabelsTest, NumberTexts) {
  EXPECT_EQ(FormatCoefficient(1), " ");
  EXPECT_EQ(FormatCoefficient(3), "  3");
  EXPECT_EQ(FormatCoefficient(0.47), "0.5");
  EXPECT_EQ(FormatCoefficient(12345), "1234");
  EXPECT_EQ(FormatNumberOrZero(0), "0");
  EXPECT_EQ(FormatNumberOrZero(-1.25), "-1.25");
  EXPECT_EQ(FormatNumberOrZero(0.005), "0.5\\cdot");
}

}  // namespace
}  // namespace figures
