#include "figures/supports.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/text_forms.h"
#include "toolkit/cp1251.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace figures {
namespace {

constexpr double kPi = std::numbers::pi;
// With this problem the spring labels are written by the problem itself.
constexpr int kProblemWithoutSpringLabels = 15;

void HatchRow(Figure& f, std::string_view macro, double x, double y, double len) {
  toolkit::WriteLine(f, "\\put(" + toolkit::FormatNumber(x) + "," + toolkit::FormatNumber(y) +
                            "){\\" + std::string(macro) + "{" +
                            toolkit::FormatNumber(toolkit::RoundHalfEven(len / 2)) + "}}");
}

bool SpringLabelled(const Figure& f) { return f.ProblemNumber != kProblemWithoutSpringLabels; }

// The coils of a vertical spring, shared by "pruzVl" and "pruzV".
void DrawVerticalSpring(Figure& f, int W, int n, int p, int e, std::string_view label) {
  DrawSegment(f, 0, 0, 0, -4 * p);
  for (int k = 1; k <= n; ++k) {
    LineTo(f, -W / 2.0, -(2 * k - 1) * p - 4 * p);
    SetLineWidth(f, 8);
    LineTo(f, W / 2.0, -2 * k * p - 4 * p);
    SetLineWidth(f, 1);
  }
  LineTo(f, 0, -2 * n * p - 4 * p);
  LineTo(f, 0, -2 * n * p - 4 * p - e);
  DrawHatchRowV(f, -1, -2 * W, -2 * n * p - 4 * p - e, 4 * W);
  if (SpringLabelled(f)) PutBlueLabel(f, toolkit::CutToChars(label, 8), W, -2 * n * p - e - 1);
}

}  // namespace

void DrawHatchRowH(Figure& f, int flag, double x, double y, double len) {
  HatchRow(f, flag == -1 ? "strichl" : "strichr", x, y, len);
}

void DrawHatchRowV(Figure& f, int flag, double x, double y, double len) {
  HatchRow(f, flag == -1 ? "strichd" : "strichu", x, y, len);
}

void DrawHatchRowsH(Figure& f, double x, double y, double len) {
  DrawHatchRowH(f, -1, x - 2, y, len);
  DrawHatchRowH(f, 1, x + 2, y, len);
}

void DrawHatchRowsV(Figure& f, double x, double y, double len) {
  DrawHatchRowV(f, 1, x, y + 1.6, len);
  DrawHatchRowV(f, -1, x, y - 1.6, len);
}

void DefineHatchBox(Figure& f, int n, int flag, std::string_view name, double x, double y) {
  toolkit::BeginSaveBox(f, name);
  DrawHatchRowV(f, flag, x, y, n);
  toolkit::EndSaveBox(f);
}

void DrawHatchTicks(Figure& f, int n, double x0, double y0, double dx, double dy, double t,
                    double L) {
  // A single tick has no spacing; a zero direction puts every tick at the start.
  const double step = n > 1 ? L / (n - 1) : 0;
  const double length = toolkit::Hypot(dx, dy);
  const double ux = length != 0 ? dx / length : 0;
  const double uy = length != 0 ? dy / length : 0;
  for (int k = 1; k <= n; ++k) {
    const double px = x0 + (k - 1) * step * ux;
    const double py = y0 + (k - 1) * step * uy;
    if (f.HatchTickStyle) {
      DrawLineBySlope(f, px, py, 0, -1, t / 2);
    } else {
      DrawLineBySlope(f, px, py, -3, -5, t / 2);
    }
    if (k % 4 == 0) toolkit::WriteLine(f, "");
  }
}

void PutHingeBox(Figure& f, double x, double y) { PutBox(f, "hing", x, y); }
void PutUpHingeBox(Figure& f, double x, double y) { PutBox(f, "uphing", x, y); }
void PutRollerBox(Figure& f, double x, double y) { PutBox(f, "hingmobil", x, y); }
void PutUpRollerBox(Figure& f, double x, double y) { PutBox(f, "uphingmobil", x, y); }
void PutFixedSupportBox(Figure& f, double x, double y) { PutBox(f, "zadelka", x, y); }
void PutUpFixedSupportBox(Figure& f, double x, double y) { PutBox(f, "upzadelka", x, y); }
void PutRightRodBox(Figure& f, double x, double y) { PutBox(f, "rster", x, y); }
void PutLeftRodBox(Figure& f, double x, double y) { PutBox(f, "lster", x, y); }

void PutBoxAtPoint(Figure& f, int i, std::string_view name) {
  PutBox(f, name, f.PointX[i], f.PointY[i]);
}

void PutHingeBoxAtPoint(Figure& f, int i) { PutBoxAtPoint(f, i, "hing"); }
void PutUpHingeBoxAtPoint(Figure& f, int i) { PutBoxAtPoint(f, i, "uphing"); }
void PutRollerBoxAtPoint(Figure& f, int i) { PutBoxAtPoint(f, i, "hingmobil"); }
void PutDownBoxAtPoint(Figure& f, int i) { PutBoxAtPoint(f, i, "dnst"); }

void PutNamedBoxBySign(Figure& f, int sign, int i, std::string_view negative_name,
                       std::string_view other_name) {
  PutBoxAtPoint(f, i, toolkit::CutToChars(sign < 0 ? negative_name : other_name, 35));
}

void PutSlidingBlockAtPoint(Figure& f, int i, int b) {
  PutBoxAtPoint(f, i, b == 1 ? "slblockh" : "slblockv");
  toolkit::WriteLine(f, "%");
}

void DefineInclinedHingeBox(Figure& f, std::string_view s, int sel) {
  toolkit::BeginSaveBox(f, "hingnakl");
  DrawCircle(f, 0, 0, 3);
  DrawSegmentShortenedCopy(f, 0, 0, -5, -8.66025, 1.5);
  DrawHatchRowV(f, -1, -8, -10.16025, 12);
  DrawCircle(f, -5, -8.66025, 3);
  DrawLabelledArc(f, 0, "$" + std::string(s) + "$ ", sel, -5, -8.66025, -0.2, kPi / 3, 5);
  toolkit::EndSaveBox(f);
}

void DefineUpInclinedHingeBox(Figure& f) {
  toolkit::BeginSaveBox(f, "uphingnakl");
  DrawCircle(f, 0, 0, 3);
  DrawSegmentShortenedCopy(f, 0, 0, -5, 8.66, 1.5);
  DrawThickLatexLine(f, 1, 0, -8, 10, 12);
  DrawHatchTicks(f, 7, -6, 13, 1, 0, 3, 12);
  DrawCircle(f, -5, 8.66, 3);
  DrawLabelledArc(f, 0, " ", 1, -5, 8.66, 5 * kPi / 3, 2 * kPi + 0.2, 5);
  PutLabel(f, "$\\gamma$", 1, 4);
  toolkit::EndSaveBox(f);
}

void DefineUpStrutBox(Figure& f) {
  toolkit::BeginSaveBox(f, "upstr");
  toolkit::WriteText(f, "\\Red{");
  DrawCircle(f, 0, 10.5, 3);
  toolkit::WriteText(f, "}");
  DrawCircle(f, 0, 0, 3);
  SetLineWidth(f, 4);
  DrawSegment(f, 0, 1.5, 0, 9);
  SetLineWidth(f, 1);
  DrawHatchRowV(f, 1, -3, 12, 6);
  toolkit::EndSaveBox(f);
}

void DefineRightRollerBox(Figure& f) {
  toolkit::BeginSaveBox(f, "righthingmobil");
  DrawCircle(f, 0, 0, 3);
  SetLineWidth(f, 4);
  toolkit::WriteText(f, "\\mt{1}{1}\\pp{4}{4}\\pp{4}{-4}\\pp{1}{-1}");
  SetLineWidth(f, 1);
  DrawCircle(f, 5, -3, 2);
  DrawCircle(f, 5, 3, 2);
  DrawHatchRowH(f, 1, 6.2, -5, 10);
  toolkit::EndSaveBox(f);
}

void DefineLeftRollerBox(Figure& f) {
  toolkit::BeginSaveBox(f, "lefthingmobil");
  DrawCircle(f, 0, 0, 3);
  SetLineWidth(f, 4);
  toolkit::WriteText(f, "\\mt{-1}{1}\\pp{-4}{4}\\pp{-4}{-4}\\pp{-1}{-1}");
  SetLineWidth(f, 1);
  DrawCircle(f, -5, -3, 2);
  DrawCircle(f, -5, 3, 2);
  DrawHatchRowH(f, -1, -6, -5, 10);
  toolkit::EndSaveBox(f);
}

void DefineWeightBox(Figure& f, std::string_view c, int L) {
  const double S = f.WeightBoxSize;
  toolkit::BeginSaveBox(f, "weight" + std::string(c));
  DrawSegment(f, 0, -1.5, 0, -L);
  DrawRotatedBlock(f, 5, 0, -S / 2 - L, 0, S, S);
  if (f.WeightBoxLabelled) PutBlueLabel(f, "$" + std::string(c) + "$", -S / 2 - 8, -S - L - 6);
  toolkit::EndSaveBox(f);
}

void DefineSpringBoxLeft(Figure& f, int W, int n, int p, std::string_view label) {
  toolkit::BeginSaveBox(f, "pruzL");
  DrawSegment(f, 0, 0, -2 * p, 0);
  for (int k = 1; k <= n; ++k) {
    LineTo(f, -(2 * k + 1) * p, -W / 2.0);
    SetLineWidth(f, 8);
    LineTo(f, -(2 * k + 2) * p, W / 2.0);
    SetLineWidth(f, 1);
  }
  DrawHatchRowH(f, -1, -(2 * n + 2) * p, -W, 2 * W);
  if (SpringLabelled(f)) PutBlueLabel(f, toolkit::CutToChars(label, 8), -2 * n * p, W / 2.0 + 3);
  toolkit::EndSaveBox(f);
}

void DefineSpringBoxH(Figure& f, int W, int n, int p, int a, int b) {
  toolkit::BeginSaveBox(f, "pruzh");
  DrawSegment(f, 0, 0, a, 0);
  for (int k = 1; k <= n; ++k) {
    LineTo(f, (2 * k - 1) * p + a, -W / 2.0);
    SetLineWidth(f, 8);
    LineTo(f, 2 * k * p + a, W / 2.0);
    SetLineWidth(f, 1);
  }
  LineTo(f, 2 * n * p + a + p / 2.0, 0);
  LineTo(f, 2 * n * p + a + b, 0);
  toolkit::EndSaveBox(f);
}

void DefineSpringBoxRight(Figure& f, int W, int n, int p, int e, std::string_view label) {
  toolkit::BeginSaveBox(f, "pruzR");
  DrawSegment(f, 0, 0, 2 * p, 0);
  for (int k = 1; k <= n; ++k) {
    LineTo(f, (2 * k + 1) * p, -W / 2.0);
    SetLineWidth(f, 8);
    LineTo(f, (2 * k + 2) * p, W / 2.0);
    SetLineWidth(f, 1);
  }
  LineTo(f, (2 * n + 2) * p, 0);
  LineTo(f, (2 * n + 2) * p + e, 0);
  DrawHatchRowH(f, 1, (2 * n + 2) * p + e, -W, 2 * W);
  if (SpringLabelled(f)) {
    PutBlueLabel(f, "$" + toolkit::CutToChars(label, 8) + "$", 2 * n * p - e - 3, W / 2.0 + 2);
  }
  toolkit::EndSaveBox(f);
}

void DefineSpringBoxVLeft(Figure& f, int W, int n, int p, int e, std::string_view label) {
  toolkit::BeginSaveBox(f, "pruzVl");
  DrawVerticalSpring(f, W, n, p, e, label);
  toolkit::EndSaveBox(f);
}

void DefineSpringBoxV(Figure& f, int W, int n, int p, int e, std::string_view label) {
  toolkit::BeginSaveBox(f, "pruzV");
  DrawVerticalSpring(f, W, n, p, e, label);
  toolkit::EndSaveBox(f);
}

void DefinePistonBox(Figure& f, int a, int b) {
  toolkit::BeginSaveBox(f, "pors");
  DrawSegment(f, 0, 0, 0, b / 2.0);
  SetLineWidth(f, 3);
  MoveTo(f, -a / 2.0, 1.25 * b);
  LineTo(f, -a / 2.0, b / 2.0);
  LineTo(f, a / 2.0, b / 2.0);
  LineTo(f, a / 2.0, 1.25 * b);
  SetLineWidth(f, 1);
  DrawSegment(f, 0, 1.5 * b + 3, 0, b);
  DrawRotatedBlock(f, 5, -a / 2.0 + 1, b / 2.0 + 2, 0, a - 2, b / 2.0 - 2);
  toolkit::EndSaveBox(f);
}

void DrawRotatedBlock(Figure& f, int w, double x, double y, double angle, double a, double b) {
  toolkit::WriteText(f, f.BlockColour + "{");
  SetLineWidth(f, w);
  double kx = x;
  double ky = y;
  if (f.BlockCentred) {
    kx = x + (b / 2) * std::sin(angle) - (a / 2) * std::cos(angle);
    ky = y - (b / 2) * std::cos(angle) - (a / 2) * std::sin(angle);
  }
  DrawPolarSegment(f, kx, ky, angle, a);
  DrawPolarSegment(f, f.LineEndX, f.LineEndY, angle + kPi / 2, b);
  DrawPolarSegment(f, f.LineEndX, f.LineEndY, angle + kPi, a);
  DrawPolarSegment(f, f.LineEndX, f.LineEndY, angle + 3 * kPi / 2, b);
  toolkit::WriteText(f, "}");
  SetLineWidth(f, 1);
}

}  // namespace figures
