// Typesets a document that draws every figure primitive and places every box, with the real
// latex and the support files of tex/. It stays in the build tree (figures_gallery/) so that
// the rendered pages can be looked at.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace figures {
namespace {

namespace fs = std::filesystem;
using toolkit::AnsBeginPicture;
using toolkit::AnsEndPicture;
using toolkit::BeginPicture;
using toolkit::EndPicture;
using toolkit::WriteLine;

constexpr double kPi = std::numbers::pi;

bool OnPath(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

int RunIn(const fs::path& dir, const std::string& command) {
  const std::string line = "cd '" + dir.string() + "' && TEXINPUTS='" TARBEL_SOURCE_DIR "/tex:' " +
                           command + " >/dev/null 2>&1";
  return std::system(line.c_str());
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The document frame of the program's documents, with the input encoding of current LaTeX.
void WritePreamble(Figure& f) {
  WriteLine(f, "\\documentclass[12pt]{report}");
  WriteLine(f, "\\usepackage{colordvi}\\usepackage{eepico}");
  WriteLine(f, "\\usepackage{amsfonts}\\usepackage{mathtext}");
  WriteLine(f, "\\usepackage[cp1251]{inputenc}\\usepackage[T2A]{fontenc}\\usepackage{amssymb}");
  WriteLine(f, "\\usepackage{color}\\pagestyle{empty}");
  WriteLine(f, "\\voffset=-30mm\\hoffset=-25mm");
  WriteLine(f, "\\newcounter{zdch}\\setcounter{page}{1}\\hfuzz=0.5pt\\righthyphenmin=2");
  WriteLine(f, "\\textheight735pt\\textwidth430pt\\begin{document}\\input{sav.txt}");
}

void Caption(Figure& f, const std::string& text) {
  WriteLine(f, "\\par\\vskip4mm\\noindent{\\small\\bf " + text + "}\\par\\vskip2mm");
}

void DefineProgramBoxes(Figure& f) {
  DefineInclinedHingeBox(f, "\\alpha", 1);
  DefineUpInclinedHingeBox(f);
  DefineUpStrutBox(f);
  DefineRightRollerBox(f);
  DefineLeftRollerBox(f);
  DefineWeightBox(f, "A", 10);
  f.BlockCentred = true;
  DefineWeightBox(f, "B", 6);
  f.BlockCentred = false;
  DefineSpringBoxLeft(f, 5, 4, 2, "$c_1$");
  DefineSpringBoxH(f, 5, 4, 2, 3, 5);
  DefineSpringBoxRight(f, 5, 4, 2, 3, "c_2");
  DefineSpringBoxVLeft(f, 5, 4, 2, 3, "$c_3$");
  DefineSpringBoxV(f, 5, 3, 2, 3, "$c_4$");
  DefinePistonBox(f, 14, 10);
  DefineHatchBox(f, 24, -1, "floorrow", 0, 0);
}

// Every support symbol with a thick member coming into it, named underneath.
void DrawSupportPanel(Figure& f) {
  Caption(f, "Supports of sav.txt");
  BeginPicture(f, 420, 60, 0, -25);
  struct Symbol {
    const char* name;
    double mx, my;  // the member runs from the symbol towards this offset
  };
  const Symbol symbols[] = {{"hing", 12, 14},          {"uphing", 12, -14}, {"hingmobil", -12, 14},
                            {"uphingmobil", -12, -14}, {"zadelka", 0, 18},  {"upzadelka", 0, -18},
                            {"rster", -16, 0},         {"lster", 16, 0},    {"dnst", 16, 0},
                            {"slblockh", 14, 12},      {"slblockv", 14, 12}};
  double x = 14;
  for (const Symbol& s : symbols) {
    SetLineWidth(f, 8);
    DrawSegmentFromNode(f, x, 5, x + s.mx, 5 + s.my);
    SetLineWidth(f, 1);
    PutBox(f, s.name, x, 5);
    PutBracedText(f, std::string("\\tiny ") + s.name, x - 8, -22);
    WriteLine(f, "%");
    x += 38;
  }
  EndPicture(f);
}

void DrawProgramBoxPanel(Figure& f) {
  Caption(f, "Boxes the program defines");
  BeginPicture(f, 420, 90, 0, -55);
  PutBox(f, "hingnakl", 15, 10);
  PutBox(f, "uphingnakl", 50, 0);
  PutBox(f, "upstr", 80, 0);
  PutBox(f, "righthingmobil", 105, 0);
  PutBox(f, "lefthingmobil", 140, 0);
  PutBox(f, "weightA", 170, 10);
  PutBox(f, "weightB", 200, 10);
  PutBox(f, "pruzL", 270, 0);
  PutBox(f, "pruzh", 290, 0);
  PutBox(f, "pruzR", 330, 0);
  PutBox(f, "pruzVl", 390, 25);
  PutBox(f, "pruzV", 410, 25);
  PutBox(f, "pors", 230, -40);
  PutBox(f, "floorrow", 260, -40);
  WriteLine(f, "%");
  EndPicture(f);
}

void DrawLinePanel(Figure& f) {
  Caption(f, "Lines, bars, dashes, circles, widths");
  ClearPoints(f, 6);
  f.PointX[1] = 0, f.PointY[1] = 0;
  f.PointX[2] = 30, f.PointY[2] = 20;
  f.PointX[3] = 60, f.PointY[3] = 0;
  f.PointX[4] = 90, f.PointY[4] = 20;
  f.NodeKinds[3] = 1, f.NodeKinds[4] = 2;
  BeginPicture(f, 420, 70, 0, -10);
  for (int i = 1; i <= 4; ++i) DrawNodeMarker(f, i);
  SetLineWidth(f, 6);
  DrawTwoBars(f, 1, 2, 3);
  DrawBarByNodeKinds(f, 3, 4);
  SetLineWidth(f, 1);
  WriteLine(f, "%");
  DrawSegmentWithRing(f, 110, 0, 140, 20);
  DrawDashedLine(f, 5, 110, 30, 0, 60, 0.6);
  DrawDashedLineMultiput(f, 6, 110, 40, 170, 55);
  DrawLatexLine(f, -1, 2, 190, 0, 10);
  DrawThickLatexLine(f, 1, 0, 180, 30, 30);
  WriteLine(f, "%");
  DrawLineBySlope(f, 220, 0, 3, 4, 15);
  DrawPolarSegment(f, 220, 40, -kPi / 6, 20);
  WriteLine(f, "%");
  DrawCircle(f, 260, 10, 10);
  DrawFilledCircle(f, 280, 10, 4);
  DrawTwoCircles(f, 6, 14, 300, 10);
  DrawSmallDot(f, 320, 10);
  WriteLine(f, "%");
  const int widths[] = {1, 3, 4, 5, 6, 8, 10};
  double y = 50;
  for (int w : widths) {
    SetLineWidth(f, w);
    DrawSegment(f, 340, y, 400, y);
    PutValueLabel(f, 405, y - 2, w);
    WriteLine(f, "%");
    y -= 7;
  }
  SetLineWidth(f, 1);
  EndPicture(f);
}

void DrawForcePanel(Figure& f) {
  Caption(f, "Forces, arrows, arcs, moments");
  ClearPoints(f, 8);
  f.PointX[1] = 10, f.PointY[1] = 10;
  f.PointX[2] = 40, f.PointY[2] = 30;
  f.PointX[3] = 250, f.PointY[3] = 20;
  f.PointX[4] = 290, f.PointY[4] = 20;
  f.PointX[5] = 330, f.PointY[5] = 10;
  f.PointX[6] = 370, f.PointY[6] = 10;
  BeginPicture(f, 420, 70, 0, -10);
  DrawVector(f, 1, 0, 0, 50, 20);
  DrawRedForceWithLabel(f, 0, -1, "$\\vec F$", 40, 60, 20, 2, -8);
  DrawDirectedVectorWithLabel(f, 1, 1, "$P$", -1, 70, 40, 15, 2, -6);
  DrawThickRedForce(f, -1, 0, "$Q$", 1, 110, 50, 20, -12, 2);
  f.ArrowHeadLength = 4;
  DrawEmArrow(f, 120, 10, 25, 15);
  WriteLine(f, "%");
  DrawArrowBetweenPoints(f, 1, 2, 2);
  DrawArrowBetweenCoords(f, 1, 2, 2, 6);
  SetLineWidth(f, 1);
  DrawArcPolyline(f, 0, 170, 20, 0, kPi, 12);
  WriteLine(f, "%");
  DrawLabelledArc(f, 1, "$\\varphi$", 1, 200, 10, 0, kPi / 3, 15);
  WriteLine(f, "%");
  DrawLabelledArcArrow(f, 1, "\\omega", 0, 225, 40, kPi, 0, 8, 0);
  DrawNodeMarker(f, 3);
  DrawMomentAtPoint(f, 3, 1, "M", 3 * kPi / 2, 8, 0, 0);
  DrawNodeMarker(f, 4);
  DrawStrokesAcrossRay(f, 4, 6, kPi / 4);
  DrawNodeMarker(f, 5);
  DrawNodeMarker(f, 6);
  DrawArcThroughPoints(f, 5, 6, 25, 0.15);
  WriteLine(f, "%");
  EndPicture(f);
}

void DrawHatchPanel(Figure& f) {
  Caption(f, "Hatching, ticks, blocks");
  BeginPicture(f, 420, 60, 0, -10);
  DrawHatchRowH(f, -1, 10, 0, 30);
  DrawHatchRowH(f, 1, 30, 0, 30);
  DrawHatchRowV(f, 1, 50, 30, 40);
  DrawHatchRowV(f, -1, 50, 10, 40);
  DrawHatchRowsH(f, 120, 0, 40);
  DrawHatchRowsV(f, 140, 20, 40);
  DrawThickLatexLine(f, 1, 0, 200, 30, 40);
  DrawHatchTicks(f, 11, 200, 30, 1, 0, 6, 40);
  f.HatchTickStyle = true;
  DrawThickLatexLine(f, 1, 0, 200, 10, 40);
  DrawHatchTicks(f, 9, 200, 10, 1, 0, 6, 40);
  f.HatchTickStyle = false;
  WriteLine(f, "%");
  DrawRotatedBlock(f, 5, 260, 5, kPi / 6, 30, 15);
  f.BlockCentred = true;
  f.BlockColour = "\\Blue";
  DrawRotatedBlock(f, 4, 340, 25, -kPi / 8, 30, 15);
  DrawFilledCircle(f, 340, 25, 2);
  f.BlockCentred = false;
  f.BlockColour = "\\OliveGreen";
  WriteLine(f, "%");
  EndPicture(f);
}

// A frame in problem units fitted into its box, with every kind of dimension.
void DrawDimensionPanel(Figure& f) {
  Caption(f, "Dimensions");
  ClearPoints(f, 5);
  f.PointX[1] = 0, f.PointY[1] = 0;
  f.PointX[2] = 0, f.PointY[2] = 3;
  f.PointX[3] = 4, f.PointY[3] = 3;
  f.PointX[4] = 6, f.PointY[4] = 3;
  f.PointX[5] = 6, f.PointY[5] = 1;
  toolkit::TPointArray true_x = f.PointX;
  f.BoxWidth = 120;
  f.BoxHeight = 60;
  FitPointsToBox(f, 5, 0);
  BeginPicture(f, 420, 120, -40, -50);
  SetLineWidth(f, 8);
  for (int i = 1; i < 5; ++i) DrawSegmentPoints(f, i, i + 1);
  SetLineWidth(f, 1);
  WriteLine(f, "%");
  PutFixedSupportBox(f, f.PointX[1], f.PointY[1]);
  PutHingeBoxAtPoint(f, 5);
  DrawDimensionChains(f, 5, f.Scale * f.RangeX + 15, -20, 1, f.Scale, f.Scale, 0);
  DrawDimensionH(f, f.PointX[2], f.PointX[3], f.PointY[2] + 10);
  DrawDimensionHText(f, "$a$", f.PointX[3], f.PointX[4], f.PointY[3] + 10);
  DrawDimensionV(f, 0, f.PointY[1], f.PointY[2], -1.5);
  DrawDimensionVText(f, "$h$", f.PointX[5] - 10, f.PointY[5], f.PointY[4]);
  // A second figure to the right: the single chains.
  for (int i = 1; i <= 5; ++i) f.PointX[i] += 200;
  SetLineWidth(f, 8);
  for (int i = 1; i < 5; ++i) DrawSegmentPoints(f, i, i + 1);
  SetLineWidth(f, 1);
  WriteLine(f, "%");
  for (int i = 1; i <= 5; ++i) f.PointX[i] -= 200;
  DrawDimensionChainX(f, 5, -30, f.Scale);
  DrawDimensionChainY(f, true_x, 5, -42);
  for (int i = 1; i <= 5; ++i) f.PointX[i] += 200;
  DrawDimensionHValue(f, f.PointX[1], f.PointX[5], f.PointY[2] + 12, 6);
  DrawDimensionVValue(f, 3, f.PointX[5] + 10, f.PointY[5], f.PointY[4], 2);
  WriteLine(f, "%");
  EndPicture(f);
}

void DrawLabelPanel(Figure& f) {
  Caption(f, "Labels and text");
  DefineMacro(f, "tbforce", "\\vec F");
  BeginPicture(f, 420, 40, 0, -5);
  PutBracedText(f, "braced", 0, 20);
  PutMathText(f, "\\alpha+\\beta", 40, 20);
  PutScriptLabel(f, "script", 80, 20);
  PutBlueLabel(f, "blue", 120, 20);
  PutLabel(f, "$\\tbforce$", 160, 20);
  PutValueLabel(f, 0, 0, 0.005);
  PutItalicValueLabel(f, 40, 0, 2.5);
  PutSmallValueLabel(f, 80, 0, -3);
  PutValueLabelNonZero(f, 120, 0, 7);
  PutPlainValueLabel(f, 160, 0, 0.25);
  PutFixedValueLabel(f, 200, 0, 2);
  PutIntValueLabel(f, 250, 0, 7.6);
  PutMathValueLabel(f, "R_A=", 290, 0, 12.5);
  WriteLine(f, "%");
  DrawLabelledSegment(f, "l", 220, 22, 200, 20, 240, 30);
  PutMathText(f, FormatCoefficient(3) + "J+" + FormatCoefficient(0.47) + "EI", 260, 20);
  WriteLine(f, "%");
  EndPicture(f);
  WriteLine(f,
            "\\par\\noindent Задача \\No~1: $\\tg x+\\ctg x+\\sh x+\\ch x+\\arctg x+\\arcctg x$.");
}

void DrawAnswersPanel(Figure& f) {
  Caption(f, "Answers file");
  ClearPoints(f, 3);
  f.PointX[1] = 10, f.PointY[1] = 10;
  f.PointX[2] = 60, f.PointY[2] = 10;
  f.PointX[3] = 100, f.PointY[3] = 30;
  WriteLine(f, "\\input{gallery_ans.tex}");
  AnsBeginPicture(f, 420, 50, 0, -5);
  toolkit::AnsWriteLine(f, "%");
  AnsSetLineWidth(f, 8);
  AnsDrawSegmentPoints(f, 1, 2);
  AnsDrawBar(f, 2, 3);
  AnsSetLineWidth(f, 1);
  AnsDrawSegmentShortened(f, 10, 40, 60, 40, 3);
  AnsMoveToPoint(f, 1);
  AnsLineToPoint(f, 3);
  toolkit::AnsWriteLine(f, "%");
  AnsDrawDotAtPoint(f, 1);
  AnsDrawDotAtPoint(f, 3);
  AnsDrawRedVectorWithLabel(f, 0, 1, "{$R$}", 130, 0, 25, 3, 10);
  AnsPutBox(f, "hing", 150, 10);
  AnsPutValueLabel(f, 170, 10, 1.5);
  AnsPutBlackValueLabel(f, 190, 10, -2);
  AnsPutAbsValueLabel(f, 210, 10, -3.25);
  f.LabelAbsolute = true;
  AnsPutValueLabelOneDecimal(f, 240, 10, -4.44);
  f.LabelAbsolute = false;
  AnsPutFixedValueLabel(f, 270, 10, 0.5);
  AnsPutFixedValueLabel(f, 300, 10, 0);
  AnsEndPicture(f);
  toolkit::AnsWriteLine(f, "");
}

TEST(GalleryTest, EveryPrimitiveAndBoxTypesetsWithoutErrors) {
  if (!OnPath("latex")) GTEST_SKIP() << "latex is not on PATH";
  const fs::path dir = fs::path(TARBEL_GALLERY_DIR);
  fs::create_directories(dir);
  for (const char* name : {"gallery.dvi", "gallery.log", "gallery.ps", "gallery.pdf"}) {
    fs::remove(dir / name);
  }

  Figure f;
  f.MainFile.OpenFile(dir / "gallery.tex");
  f.AnswersFile.OpenFile(dir / "gallery_ans.tex");
  WritePreamble(f);
  DefineProgramBoxes(f);
  DrawSupportPanel(f);
  DrawProgramBoxPanel(f);
  DrawLinePanel(f);
  DrawForcePanel(f);
  DrawHatchPanel(f);
  DrawDimensionPanel(f);
  DrawLabelPanel(f);
  DrawAnswersPanel(f);
  toolkit::WriteText(f, "\\end{document}");
  f.MainFile.Close();
  f.AnswersFile.Close();

  const int status = RunIn(dir, "latex -interaction=nonstopmode -halt-on-error gallery.tex");
  const std::string log = ReadAll(dir / "gallery.log");
  EXPECT_EQ(status, 0) << log.substr(log.size() > 3000 ? log.size() - 3000 : 0);
  EXPECT_EQ(log.find("Undefined control sequence"), std::string::npos);
  EXPECT_EQ(log.find("\n! "), std::string::npos);
  ASSERT_TRUE(fs::exists(dir / "gallery.dvi"));

  // dvips is the driver that draws the em-lines; it must take the document as well.
  if (OnPath("dvips")) {
    EXPECT_EQ(RunIn(dir, "dvips -q gallery.dvi -o gallery.ps"), 0);
    if (OnPath("ps2pdf")) {
      EXPECT_EQ(RunIn(dir, "ps2pdf gallery.ps gallery.pdf"), 0);
    }
  }
}

}  // namespace
}  // namespace figures
