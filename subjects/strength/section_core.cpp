#include "subjects/strength/section_core.h"

#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kPi = std::numbers::pi;

struct Part {
  double A, y, Jx, Jy;
};

}  // namespace

SectionCoreVariant DeriveSectionCore(int p2, int p3, int p4, int p5, int p6, int p7) {
  SectionCoreVariant r;
  const double B = r.B = 2 * p4 + 20;
  const double H = r.H = p5 + 17;
  const double d = r.d = p6 + 2;
  const double g = r.g = p7 + 2;
  const int k3 = p7 / 3;
  const double e = r.e = k3 + 3;
  const double c = r.c = k3 + 4;
  const double G = r.G = p7 / 2 + 6;
  const double w = B - 2 * d;  // width of the bottom cut-outs and of the top hole

  Part parts[3];
  parts[0] = {B * H, H / 2, B * H * H * H / 12, H * B * B * B / 12};
  switch (p2) {
    case 1:
      parts[1] = {-56.5487, H - 8 / kPi, -0.10975696064646578 * 1296, -kPi * 1296 / 8};
      break;
    case 2:
      parts[1] = {-B * d / 2, H - d / 3, -B * d * d * d / 36, -d * B * B * B / 48};
      break;
    default:
      parts[1] = {-w * e, H - 3 - e / 2, -w * e * e * e / 12, -e * w * w * w / 12};
      break;
  }
  switch (p3) {
    case 1: parts[2] = {-w * g, g / 2, -w * g * g * g / 12, -g * w * w * w / 12}; break;
    case 2: parts[2] = {-w * g / 2, g / 3, -w * g * g * g / 36, -g * w * w * w / 48}; break;
    case 3: parts[2] = {-28.2743, c, -kPi * 81 / 4, -kPi * 81 / 4}; break;
    default: {
      const double q = G - 3;
      parts[2] = {-w * q / 2, 3 + 2 * q / 3, -w * q * q * q / 36, -q * w * w * w / 48};
      break;
    }
  }
  double Sy = 0;
  for (const Part& p : parts) {
    r.F += p.A;
    Sy += p.A * p.y;
  }
  r.xc = 0;  // every part is centred on the symmetry axis
  r.yc = Sy / r.F;
  double Jx = 0, Jy = 0;
  for (const Part& p : parts) {
    Jx += p.Jx + p.A * (p.y - r.yc) * (p.y - r.yc);
    Jy += p.Jy;
  }
  r.ix2 = Jx / r.F;
  r.iy2 = Jy / r.F;
  // Each side of the rectangle (its convex hull) as the neutral line: left, top, right,
  // bottom, in the central axes.
  const double X[6] = {0, -B / 2, -B / 2, B / 2, B / 2, -B / 2};
  const double Y[6] = {0, 0, H, H, 0, 0};
  for (int i = 1; i <= 4; ++i) {
    const double x1 = X[i] - r.xc, y1 = Y[i] - r.yc, x2 = X[i + 1] - r.xc, y2 = Y[i + 1] - r.yc;
    const double D = x2 * y1 - x1 * y2;
    r.u[i] = r.iy2 * (y2 - y1) / D;
    r.v[i] = r.ix2 * (x1 - x2) / D;
  }
  return r;
}

void BeginSectionCoreProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsWriteLine(s, "\\small\\tabcolsep=2pt");
  AnsBeginTable(s, 21);
  AnsWriteLine(s, "\\ru &\\mc{$F$}&\\mc{$x_c$}&\\mc{$y_c$}&\\mc{$i_x^2$}&\\mc{$i_y^2$}");
  for (int i = 1; i <= 4; ++i) AnsWriteText2Numbers(s, " & $x_{", i, "}$ &$y_{", i, "}$");
  AnsWriteLine(s, "\\\\\\hline ");
  WriteLine(s,
            "Найти ядро сечения. Указать координаты угловых точек ядра в главных центральных "
            "осях. Размеры даны в сантиметрах.\\\\\\noindent ");
}

void WriteSectionCoreVariant(SharedState& s) {
  const int p2 = s.P2, p3 = s.P3;
  const SectionCoreVariant v = DeriveSectionCore(p2, p3, s.P4, s.P5, s.P6, s.P7);
  auto& X = s.PointX;
  auto& Y = s.PointY;

  ClearPoints(s, 9);
  X[2] = 0, Y[2] = v.H;
  X[3] = v.B, Y[3] = v.H;
  X[4] = v.B, Y[4] = 0;
  s.BlockCentred = true;
  s.BlockColour = "\\Black";
  FitPointsToBox(s, 9, 3);
  const double mid = MidX(s, 2, 3);
  const double D = 3.0 * v.d;
  // The section from the origin with its dimensions right of it and below it.
  BeginPicture(s, 145, 80, -12, -15);
  SetLineWidth(s, 8);
  DrawSegmentPoints(s, 1, 2);
  DrawSegmentPoints(s, 3, 4);
  switch (p2) {
    case 1:
      X[7] = mid, Y[7] = Y[2] - 18;
      WriteText(s, "{\\thicklines ");
      PutText(s, "{\\oval(36,36)[b]}}", mid, Y[2]);
      DrawSegment(s, X[2], Y[2], mid - 18, Y[2]);
      DrawSegment(s, X[3], Y[3], mid + 18, Y[2]);
      DrawVector(s, -1, -2, mid, Y[2], 8);
      SetLineWidth(s, 2);
      DrawDashedLineMultiput(s, 8, mid - 18, Y[2], mid + 18, Y[2]);
      DrawDashedLineMultiput(s, 8, mid, Y[2], mid, Y[3] - 21);
      PutLabel(s, "$R$", mid - 13, Y[2] - 8);
      break;
    case 2:
      X[7] = mid, Y[7] = Y[2] - 3 * v.d;
      MoveToPoint(s, 2);
      LineTo(s, X[7], Y[7]);
      LineToPoint(s, 3);
      break;
    default:
      X[8] = X[1] + D, Y[8] = Y[2] - 3 * (v.e + 3);
      X[7] = X[3] - D, Y[7] = Y[2] - 9;
      SetLineWidth(s, 8);
      MoveTo(s, X[8], Y[7]);
      LineToPoint(s, 7);
      LineTo(s, X[7], Y[8]);
      LineTo(s, X[8], Y[8]);
      LineTo(s, X[8], Y[7]);
      MoveToPoint(s, 2);
      LineToPoint(s, 3);
      break;
  }
  switch (p3) {
    case 1:
      X[5] = X[1] + D, Y[5] = Y[1] + 3 * v.g;
      X[6] = X[3] - D, Y[6] = Y[1] + 3 * v.g;
      SetLineWidth(s, 8);
      MoveToPoint(s, 1);
      LineTo(s, X[5], Y[1]);
      LineToPoint(s, 5);
      LineToPoint(s, 6);
      LineTo(s, X[6], Y[1]);
      LineToPoint(s, 4);
      break;
    case 2:
      X[5] = X[1] + D, Y[5] = Y[1];
      X[6] = X[3] - D, Y[6] = Y[1];
      X[9] = mid, Y[9] = Y[1] + 3 * v.g;
      SetLineWidth(s, 8);
      MoveToPoint(s, 1);
      LineToPoint(s, 5);
      LineToPoint(s, 9);
      LineToPoint(s, 6);
      LineToPoint(s, 4);
      break;
    case 3:
      X[9] = mid, Y[9] = Y[1] + 3 * v.c;
      WriteText(s, "{\\thicklines ");
      DrawCircle(s, X[9], Y[9], 18);
      WriteText(s, "}");
      SetLineWidth(s, 2);
      DrawDashedLineMultiput(s, 6, X[9] - 9, Y[9], X[9] + 9, Y[9]);
      DrawDashedLineMultiput(s, 8, X[9], Y[9] - 9, X[9], Y[9] + 9);
      PutLabel(s, "$r$", X[9] - 15, Y[9] - 8);
      DrawVector(s, -1, -2, X[9], Y[9], 4);
      SetLineWidth(s, 8);
      MoveToPoint(s, 1);
      LineToPoint(s, 4);
      break;
    default:
      X[9] = mid, Y[9] = Y[1] + 9;
      X[5] = X[1] + D, Y[5] = Y[1] + 3 * v.G;
      X[6] = X[3] - D, Y[6] = Y[1] + 3 * v.G;
      SetLineWidth(s, 8);
      MoveToPoint(s, 5);
      LineToPoint(s, 6);
      LineToPoint(s, 9);
      LineToPoint(s, 5);
      MoveToPoint(s, 1);
      LineToPoint(s, 4);
      break;
  }
  SetLineWidth(s, 1);
  DrawDimensionChains(s, 9, X[3] + 15, -14, 0, 3, 3, 8);
  EndPicture(s);
  WriteText(s, "\\hfill\\parbox[b]{40pt}{");
  if (p3 == 3) WriteText(s, "$r=3$\\\\ ");
  if (p2 == 1) WriteText(s, "$R=6$\\\\ ");
  WriteText(s, "} ");

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                      toolkit::FormatFixed(v.F, 6, 3) + "&" + toolkit::FormatFixed(v.xc, 6, 3) +
                      "&" + toolkit::FormatFixed(v.yc, 6, 3) + "&" +
                      toolkit::FormatFixed(v.ix2, 6, 3) + "&" + toolkit::FormatFixed(v.iy2, 6, 3));
  for (int i = 1; i <= 4; ++i) {
    AnsWriteLine(s, "&" + toolkit::FormatFixed(v.u[i], 6, 3) + "&" +
                        toolkit::FormatFixed(v.v[i], 6, 3));
  }
}

}  // namespace strength
