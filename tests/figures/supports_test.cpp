#include "figures/supports.h"

#include <gtest/gtest.h>

#include <functional>

#include "figure_fixture.h"

namespace figures {
namespace {

TEST(SupportsTest, HatchRows) {
  ExpectTexts({
      {"wall, strokes left", [](Figure& f) { DrawHatchRowH(f, -1, 0, 0, 10); },
       "\\put(0,0){\\strichl{5}}\r\n"},
      {"wall, strokes right", [](Figure& f) { DrawHatchRowH(f, 1, 6.2, -5, 10); },
       "\\put(6.2,-5){\\strichr{5}}\r\n"},
      {"ceiling", [](Figure& f) { DrawHatchRowV(f, 1, -3, 12, 6); },
       "\\put(-3,12){\\strichu{3}}\r\n"},
      {"floor, 2.5 strokes round to 2", [](Figure& f) { DrawHatchRowV(f, -1, 0, 0, 5); },
       "\\put(0,0){\\strichd{2}}\r\n"},
      {"3.5 strokes round to 4", [](Figure& f) { DrawHatchRowV(f, 0, 0, 0, 7); },
       "\\put(0,0){\\strichu{4}}\r\n"},
      {"wall hatched on both sides", [](Figure& f) { DrawHatchRowsH(f, 10, 0, 20); },
       "\\put(8,0){\\strichl{10}}\r\n\\put(12,0){\\strichr{10}}\r\n"},
      {"floor hatched on both sides", [](Figure& f) { DrawHatchRowsV(f, 0, 10, 20); },
       "\\put(0,11.6){\\strichu{10}}\r\n\\put(0,8.4){\\strichd{10}}\r\n"},
      {"hatch box", [](Figure& f) { DefineHatchBox(f, 12, -1, "pol", 1, 2); },
       "\\newsavebox{\\pol}\\sbox{\\pol}{%\r\n\\noindent\\begin{picture}(2,2)(0,0)%\r\n"
       "\\put(1,2){\\strichd{6}}\r\n\\end{picture}}\r\n"},
  });
}

TEST(SupportsTest, HatchTicks) {
  ExpectTexts({
      {"slanted ticks every 2 units, a line end after the fourth",
       [](Figure& f) { DrawHatchTicks(f, 7, -6, 13, 1, 0, 3, 12); },
       "\\mt{-6}{13}\\pp{-7.5}{10.5}\\mt{-4}{13}\\pp{-5.5}{10.5}"
       "\\mt{-2}{13}\\pp{-3.5}{10.5}\\mt{0}{13}\\pp{-1.5}{10.5}\r\n"
       "\\mt{2}{13}\\pp{0.5}{10.5}\\mt{4}{13}\\pp{2.5}{10.5}\\mt{6}{13}\\pp{4.5}{10.5}"},
      {"vertical ticks along a slope",
       [](Figure& f) {
         f.HatchTickStyle = true;
         DrawHatchTicks(f, 2, 0, 0, 3, 4, 4, 5);
       },
       "\\mt{0}{0}\\pp{0}{-2}\\mt{3}{4}\\pp{3}{2}"},
      {"a single tick stands at the start",
       [](Figure& f) { DrawHatchTicks(f, 1, 1, 1, 1, 0, 2, 10); }, "\\mt{1}{1}\\pp{0}{-0.67}"},
  });
}

TEST(SupportsTest, PlacingBoxes) {
  auto at_point = [](Figure& f) {
    f.PointX[4] = 3;
    f.PointY[4] = -2;
  };
  ExpectTexts({
      {"by coordinates",
       [](Figure& f) {
         PutHingeBox(f, 1, 0);
         PutUpHingeBox(f, 1, 0);
         PutRollerBox(f, 1, 0);
         PutUpRollerBox(f, 1, 0);
         PutFixedSupportBox(f, 1, 0);
         PutUpFixedSupportBox(f, 1, 0);
         PutRightRodBox(f, 1, 0);
         PutLeftRodBox(f, 1, 0);
       },
       "\\put(1,0){\\usebox{\\hing}}\\put(1,0){\\usebox{\\uphing}}"
       "\\put(1,0){\\usebox{\\hingmobil}}\\put(1,0){\\usebox{\\uphingmobil}}"
       "\\put(1,0){\\usebox{\\zadelka}}\\put(1,0){\\usebox{\\upzadelka}}"
       "\\put(1,0){\\usebox{\\rster}}\\put(1,0){\\usebox{\\lster}}"},
      {"at a point",
       [&](Figure& f) {
         at_point(f);
         PutHingeBoxAtPoint(f, 4);
         PutUpHingeBoxAtPoint(f, 4);
         PutRollerBoxAtPoint(f, 4);
         PutDownBoxAtPoint(f, 4);
       },
       "\\put(3,-2){\\usebox{\\hing}}\\put(3,-2){\\usebox{\\uphing}}"
       "\\put(3,-2){\\usebox{\\hingmobil}}\\put(3,-2){\\usebox{\\dnst}}"},
      {"by sign",
       [&](Figure& f) {
         at_point(f);
         PutNamedBoxBySign(f, -1, 4, "hing", "uphing");
         PutNamedBoxBySign(f, 0, 4, "hing", "uphing");
       },
       "\\put(3,-2){\\usebox{\\hing}}\\put(3,-2){\\usebox{\\uphing}}"},
      {"sliders end their line",
       [&](Figure& f) {
         at_point(f);
         PutSlidingBlockAtPoint(f, 4, 2);
         PutSlidingBlockAtPoint(f, 4, 1);
       },
       "\\put(3,-2){\\usebox{\\slblockv}}%\r\n\\put(3,-2){\\usebox{\\slblockh}}%\r\n"},
  });
}

TEST(SupportsTest, RotatedBlock) {
  ExpectTexts({
      {"from its corner", [](Figure& f) { DrawRotatedBlock(f, 4, 0, 0, 0, 10, 6); },
       "\\OliveGreen{\\special{em:linewidth0.4pt}%\r\n"
       "\\mt{0}{0}\\pp{10}{0}\\mt{10}{0}\\pp{10}{6}\\mt{10}{6}\\pp{0}{6}\\mt{0}{6}\\pp{0}{0}}"
       "\\spe%\r\n"},
      {"centred, in another colour",
       [](Figure& f) {
         f.BlockCentred = true;
         f.BlockColour = "\\Blue";
         DrawRotatedBlock(f, 5, 0, 0, 0, 10, 6);
       },
       "\\Blue{\\speh%\r\n"
       "\\mt{-5}{-3}\\pp{5}{-3}\\mt{5}{-3}\\pp{5}{3}\\mt{5}{3}\\pp{-5}{3}\\mt{-5}{3}\\pp{-5}{-3}}"
       "\\spe%\r\n"},
  });
}

TEST(SupportsTest, WeightBox) {
  const std::string frame =
      "\\newsavebox{\\weightA}\\sbox{\\weightA}{%\r\n"
      "\\noindent\\begin{picture}(2,2)(0,0)%\r\n";
  const std::string block =
      "\\mt{0}{-1.5}\\pp{0}{-10}\\OliveGreen{\\speh%\r\n"
      "\\mt{0}{-14}\\pp{8}{-14}\\mt{8}{-14}\\pp{8}{-6}\\mt{8}{-6}\\pp{0}{-6}"
      "\\mt{0}{-6}\\pp{0}{-14}}\\spe%\r\n";
  ExpectTexts({
      {"labelled", [](Figure& f) { DefineWeightBox(f, "A", 10); },
       frame + block + "\\put(-12,-24){\\small \\Blue{$A$}}\\end{picture}}\r\n"},
      {"unlabelled",
       [](Figure& f) {
         f.WeightBoxLabelled = false;
         DefineWeightBox(f, "A", 10);
       },
       frame + block + "\\end{picture}}\r\n"},
      {"centred block hangs from the cord",
       [](Figure& f) {
         f.BlockCentred = true;
         f.WeightBoxSize = 6;
         f.WeightBoxLabelled = false;
         DefineWeightBox(f, "A", 10);
       },
       frame + "\\mt{0}{-1.5}\\pp{0}{-10}\\OliveGreen{\\speh%\r\n"
               "\\mt{-3}{-16}\\pp{3}{-16}\\mt{3}{-16}\\pp{3}{-10}\\mt{3}{-10}\\pp{-3}{-10}"
               "\\mt{-3}{-10}\\pp{-3}{-16}}\\spe%\r\n\\end{picture}}\r\n"},
  });
}

TEST(SupportsTest, Springs) {
  const std::string head = "\\noindent\\begin{picture}(2,2)(0,0)%\r\n";
  ExpectTexts({
      {"free spring: coils, back to the axis, lead",
       [](Figure& f) { DefineSpringBoxH(f, 4, 2, 2, 3, 5); },
       "\\newsavebox{\\pruzh}\\sbox{\\pruzh}{%\r\n" + head +
           "\\mt{0}{0}\\pp{3}{0}\\pp{5}{-2}\\special{em:linewidth0.8pt}%\r\n\\pp{7}{2}\\spe%\r\n"
           "\\pp{9}{-2}\\special{em:linewidth0.8pt}%\r\n\\pp{11}{2}\\spe%\r\n"
           "\\pp{12}{0}\\pp{16}{0}\\end{picture}}\r\n"},
      {"to a wall on the left", [](Figure& f) { DefineSpringBoxLeft(f, 4, 1, 2, "$c$"); },
       "\\newsavebox{\\pruzL}\\sbox{\\pruzL}{%\r\n" + head +
           "\\mt{0}{0}\\pp{-4}{0}\\pp{-6}{-2}\\special{em:linewidth0.8pt}%\r\n\\pp{-8}{2}\\spe%\r\n"
           "\\put(-8,-4){\\strichl{4}}\r\n\\put(-4,5){\\small \\Blue{$c$}}\\end{picture}}\r\n"},
      {"to a wall on the right", [](Figure& f) { DefineSpringBoxRight(f, 4, 1, 2, 3, "c"); },
       "\\newsavebox{\\pruzR}\\sbox{\\pruzR}{%\r\n" + head +
           "\\mt{0}{0}\\pp{4}{0}\\pp{6}{-2}\\special{em:linewidth0.8pt}%\r\n\\pp{8}{2}\\spe%\r\n"
           "\\pp{8}{0}\\pp{11}{0}\\put(11,-4){\\strichr{4}}\r\n"
           "\\put(-2,4){\\small \\Blue{$c$}}\\end{picture}}\r\n"},
      {"hanging to a floor", [](Figure& f) { DefineSpringBoxV(f, 4, 1, 2, 3, "$c$"); },
       "\\newsavebox{\\pruzV}\\sbox{\\pruzV}{%\r\n" + head +
           "\\mt{0}{0}\\pp{0}{-8}\\pp{-2}{-10}\\special{em:linewidth0.8pt}%\r\n\\pp{2}{-12}\\spe%"
           "\r\n"
           "\\pp{0}{-12}\\pp{0}{-15}\\put(-8,-15){\\strichd{8}}\r\n"
           "\\put(4,-8){\\small \\Blue{$c$}}\\end{picture}}\r\n"},
  });
}

TEST(SupportsTest, ProblemFifteenWritesNoSpringLabels) {
  const std::function<void(Figure&)> definers[] = {
      [](Figure& f) { DefineSpringBoxLeft(f, 4, 2, 2, "c"); },
      [](Figure& f) { DefineSpringBoxRight(f, 4, 2, 2, 3, "c"); },
      [](Figure& f) { DefineSpringBoxVLeft(f, 4, 2, 2, 3, "c"); },
      [](Figure& f) { DefineSpringBoxV(f, 4, 2, 2, 3, "c"); },
  };
  for (const auto& define : definers) {
    for (int problem : {14, 15}) {
      Figure f;
      testing_support::OpenMemoryFiles(f);
      f.ProblemNumber = problem;
      define(f);
      EXPECT_EQ(Count(testing_support::MainText(f), "\\Blue"), problem == 15 ? 0 : 1);
    }
  }
}

// Each definer writes exactly one box of its name and closes it; the drawings themselves are
// checked by typesetting them in the gallery test.
TEST(SupportsTest, EveryDefinerWritesOneClosedBox) {
  struct Row {
    const char* name;
    std::function<void(Figure&)> define;
  };
  const Row rows[] = {
      {"hingnakl", [](Figure& f) { DefineInclinedHingeBox(f, "\\alpha", 1); }},
      {"uphingnakl", [](Figure& f) { DefineUpInclinedHingeBox(f); }},
      {"upstr", [](Figure& f) { DefineUpStrutBox(f); }},
      {"righthingmobil", [](Figure& f) { DefineRightRollerBox(f); }},
      {"lefthingmobil", [](Figure& f) { DefineLeftRollerBox(f); }},
      {"pruzVl", [](Figure& f) { DefineSpringBoxVLeft(f, 4, 2, 2, 3, "c"); }},
      {"pors", [](Figure& f) { DefinePistonBox(f, 14, 10); }},
  };
  for (const Row& row : rows) {
    Figure f;
    testing_support::OpenMemoryFiles(f);
    row.define(f);
    const std::string text = testing_support::MainText(f);
    const std::string name = row.name;
    EXPECT_EQ(text.rfind("\\newsavebox{\\" + name + "}\\sbox{\\" + name + "}{%\r\n", 0), 0u)
        << name;
    EXPECT_EQ(Count(text, "\\newsavebox"), 1) << name;
    EXPECT_EQ(text.substr(text.size() - 16), "\\end{picture}}\r\n") << name;
  }
  Figure f;
  testing_support::OpenMemoryFiles(f);
  DefineRightRollerBox(f);
  EXPECT_NE(
      testing_support::MainText(f).find(
          "\\special{em:linewidth0.4pt}%\r\n\\mt{1}{1}\\pp{4}{4}\\pp{4}{-4}\\pp{1}{-1}\\spe%\r\n"),
      std::string::npos);
}

}  // namespace
}  // namespace figures
