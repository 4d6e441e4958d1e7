#include "subjects/kinematics/complex_motion.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/errors.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;

std::string Int(int n) { return std::to_string(n); }

void Dot(SharedState& s, double x, double y) { figures::PutBracedText(s, "\\circle*{3}", x, y); }

void PointM(SharedState& s, double dx, double dy, double lx, double ly) {
  Dot(s, dx, dy);
  figures::PutLabel(s, "$M$", lx, ly);
}

void Label(SharedState& s, const char* letter, double x, double y) {
  figures::PutLabel(s, std::string("$") + letter + "$", x, y);
}

// A block with its corner at (x, y): a x b, line width 5, not turned.
void Block(SharedState& s, double x, double y, double a, double b) {
  s.BlockCentred = false;
  figures::DrawRotatedBlock(s, 5, x, y, 0, a, b);
}

// One half of a shaft: from (x1, y1) out to (xo, y1), down to (xo, y2) and back to (x2, y2).
void OpenBar(SharedState& s, double x1, double y1, double xo, double y2, double x2) {
  figures::MoveTo(s, x1, y1);
  figures::LineTo(s, xo, y1);
  figures::LineTo(s, xo, y2);
  figures::LineTo(s, x2, y2);
}

struct Axis {
  double x, y;
};
constexpr Axis kFlatAxes[] = {{29, 9},  {5, 20},  {29, 13},   {48, 9},   {5, 20},    {10.5, 20},
                              {10, 20}, {53, 20}, {5, 9},     {47.5, 20}, {52, 20},  {58.8, 20}};
// Row 19's axes: only the height of the shaft is read.
constexpr Axis kAxisAxes[] = {{14, 9}, {9, 9},  {57, 49}, {19, 33}, {41, 19}, {57, 9},
                              {12, 43}, {10, 33}, {25, 9}, {25, 9},  {3, 38},  {4, 33}};

void CheckFigure(int k) {
  if (k < 1 || k > 12) throw toolkit::IndexRangeError("figure " + Int(k) + " outside 1..12");
}

void PutAxisBearings(SharedState& s, int k, double b) {
  figures::PutBox(s, "ching", 0, kAxisAxes[k - 1].y);
  figures::PutBox(s, "ching", b, kAxisAxes[k - 1].y);
}

// Figures 5 and 10 of the flat catalogue: a plate with a straight channel along its top.
void PlateWithTopChannel(SharedState& s, double shift) {
  Block(s, 5 + shift, 20, 52.5, 42);
  figures::DrawLatexLine(s, 1, 0, 5 + shift, 60, 52.5);
  PointM(s, 26 + shift, 61.3, 29 + shift, 64);
  Label(s, "A", 7 + shift, 20);
  Label(s, "B", -2 + shift, 63);
  Label(s, "C", 57.5 + shift, 63);
  Label(s, "D", 58.5 + shift, 20);
}

// Figures 2 and 8: a plate with a half-ring channel cut into its top.
void PlateWithHalfRing(SharedState& s, double shift) {
  figures::PutBox(s, "HcircD", 34 + shift, 44);
  Block(s, 5 + shift, 20, 58, 24);
  PointM(s, 19.5 + shift, 21.06, 19.5 + shift, 24);
  Label(s, "A", 5 + shift, 47);
  Label(s, "B", 61 + shift, 47);
  Label(s, "D", 6.2 + shift, 22);
  Label(s, "C", 64 + shift, 20);
}

}  // namespace

ChannelLaw MakeChannelLaw(int kind, int b, int t1) {
  ChannelLaw law;
  const int t = t1;
  switch (kind) {
    case 1:
      law.ChannelLawText = "(t^2+" + Int(b + 49) + ")";
      law.ChannelLawValue = t * t + b + 49;
      law.RelativeVelocity = 2 * t;
      law.RelativeAcceleration = 2;
      break;
    case 2:
      law.ChannelLawText = "(t^3+" + Int(b + 1) + ")";
      law.ChannelLawValue = t * t * t + b + 1;
      law.RelativeVelocity = 3 * t * t;
      law.RelativeAcceleration = 6 * t;
      break;
    case 3:
      law.ChannelLawText = "(t^2+" + Int(2 * b) + "t)";
      law.ChannelLawValue = (t + 2 * b) * t;
      law.RelativeVelocity = 2 * t + 2 * b;
      law.RelativeAcceleration = 2;
      break;
    case 4:
      law.ChannelLawText = "(t^2+" + Int(b + 1) + ")t";
      law.ChannelLawValue = (t * t + b + 1) * t;
      law.RelativeVelocity = 3 * t * t + b + 1;
      law.RelativeAcceleration = 6 * t;
      break;
    default:
      throw toolkit::DegenerateDataError("channel law of kind " + Int(kind) + " outside 1..4");
  }
  return law;
}

ChannelFactor ChannelLawFactor(char factor_class, int p5) {
  if (p5 < 1 || p5 > 7) throw toolkit::IndexRangeError("factor " + Int(p5) + " outside 1..7");
  static const char* const kTextA[] = {"{2\\pi}3",   "\\pi4",     "\\pi 3",    "{3\\pi}{2}",
                                       "{4\\pi}{3}", "{3\\pi}{4}", "{5\\pi}{3}"};
  static const double kValueA[] = {2.0 / 3, 1.0 / 4, 1.0 / 3, 3.0 / 2, 4.0 / 3, 3.0 / 4, 5.0 / 3};
  static const char* const kTextB[] = {"\\pi6",       "\\pi4",      "\\pi3",      "\\pi2",
                                       "{2\\pi}{3}", "{3\\pi}{4}", "{5\\pi}{6}"};
  static const char* const kTextC[] = {"16", "14", "13", "12", "23", "34", "56"};
  static const double kValueBC[] = {1.0 / 6, 1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 3.0 / 4, 5.0 / 6};
  const int i = p5 - 1;
  if (factor_class == 'A') return {kTextA[i], kValueA[i] * kPi};
  if (factor_class == 'B') return {kTextB[i], kValueBC[i] * kPi};
  return {kTextC[i], kValueBC[i]};
}

namespace {

// A rate on the 0.01 grid with every digit it has: the usual number format would print 0.01 as
// 0 and 2.01 as 2, while the answers are worked out with the exact rate.
std::string RateText(double x) {
  std::string t = toolkit::FormatFixed(x, 1, 2);
  while (t.back() == '0') t.pop_back();
  if (t.back() == '.') t.pop_back();
  return t;
}

}  // namespace

void WriteTransportLawLine(SharedState& s, bool constant_rate, double omega, double c) {
  if (constant_rate) {
    toolkit::WriteLine(s, "$\\omega_e=" + RateText(std::fabs(omega)) + "$~рад/с, \\\\ ");
  } else {
    toolkit::WriteLine(s, "$\\varphi_e=" + RateText(c) + "t^2$, \\\\");
  }
}

void DefineChannelRingBoxes(SharedState& s) {
  toolkit::BeginSaveBox(s, "Hcirc");
  figures::DrawVector(s, 1, -1, 0.2, 0, 20);
  figures::PutLabel(s, "$R$", 15, -10);
  figures::DrawTwoCircles(s, 60, 58, 0, 0);
  figures::DrawDashedLineMultiput(s, 7, -33, 0, 33, 0);
  figures::DrawDashedLineMultiput(s, 7, 0, -31, 0, 33);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "HcircD");
  figures::SetLineWidth(s, 4);
  figures::DrawArcPolyline(s, 0, 0, 0, kPi, 2 * kPi, 27);
  figures::DrawArcPolyline(s, 0, 0, 0, kPi, 2 * kPi, 28.5);
  figures::SetLineWidth(s, 1);
  figures::DrawVector(s, 1, -2, 0.2, 0, 11.5);
  // R stands right of the radius, clear of M and D along the bottom of the channel.
  figures::PutLabel(s, "$R$", 10, -17);
  figures::DrawDashedLineMultiput(s, 3, 0, -31, 0, 3);
  toolkit::EndSaveBox(s);
}

void DefineBearingHatchBox(SharedState& s) {
  toolkit::BeginSaveBox(s, "ching");
  figures::DrawHatchRowV(s, -1, -6, -3, 5);
  figures::DrawHatchRowV(s, 1, -6, 3, 5);
  toolkit::EndSaveBox(s);
}

namespace {

void PutRotationMarker(SharedState& s, int sense, double x, double y, const char* label) {
  figures::PutHingeBox(s, x, y);
  if (sense == 1) {
    figures::PutMathText(s, label, x + 5, y - 18);
    figures::PutBox(s, "Lmomp", x, y);
  } else {
    figures::PutMathText(s, label, x - 12, y - 18);
    figures::PutBox(s, "Lmomm", x, y);
  }
}

}  // namespace

void PutAngularVelocityMarker(SharedState& s, int sense, double x, double y) {
  PutRotationMarker(s, sense, x, y, "\\omega_e");
}

void PutRotationAngleMarker(SharedState& s, int sense, double x, double y) {
  PutRotationMarker(s, sense, x, y, "\\varphi_e");
}

double FlatFigureAxisX(int k) {
  CheckFigure(k);
  return kFlatAxes[k - 1].x;
}

double FlatFigureAxisY(int k) {
  CheckFigure(k);
  return kFlatAxes[k - 1].y;
}

void DefineFlatFigureBox(SharedState& s, int k) {
  CheckFigure(k);
  toolkit::BeginSaveBox(s, std::string("plan") + static_cast<char>(64 + k));
  const double ax = kFlatAxes[k - 1].x;
  switch (k) {
    case 1:
      figures::PutBox(s, "Hcirc", 29, 54);
      figures::SetLineWidth(s, 10);
      figures::DrawLineBySlope(s, 29, 10, 0, 1, 15);
      figures::SetLineWidth(s, 1);
      PointM(s, 12.5, 31.06, 14.5, 34);
      Label(s, "A", 32, 7);
      Label(s, "B", 31, 31);
      break;
    case 2:
      PlateWithHalfRing(s, 0);
      break;
    case 3:
      figures::PutBox(s, "Hcirc", 29, 42);
      PointM(s, 14.5, 66.11, 14.5, 53.94);
      Label(s, "A", 21, 19);
      break;
    case 4:
      figures::PutBox(s, "Hcirc", 19, 54);
      figures::DrawThickLatexLine(s, 0, 1, 47.7, 10, 44);
      figures::DrawThickLatexLine(s, 0, 1, 48.4, 10, 44);
      figures::PutBracedText(s, "\\vector(0,1){2}", 47.5, 44.5);
      PointM(s, 33.5, 78.11, 36.5, 81.94);
      Label(s, "A", 51, 7);
      // B stands beside the top of the rod.
      Label(s, "B", ax + 2, 47);
      break;
    case 5:
      PlateWithTopChannel(s, 0);
      break;
    case 6:
      Block(s, 10.5, 20, 52.5, 42);
      figures::DrawLatexLine(s, 0, 1, 61, 20, 42);
      PointM(s, 61, 41, 65, 43);
      Label(s, "A", 2.5, 20);
      Label(s, "B", 0, 64);
      Label(s, "C", 63, 64);
      Label(s, "D", 64, 20);
      break;
    case 7:
      figures::DrawLatexLine(s, 1, 0, 10, 20, 58.8);
      figures::DrawLatexLine(s, 0, 1, 10, 20, 44.1);
      figures::DrawLatexLine(s, 4, -3, 10, 64.1, 58.8);
      figures::DrawLatexLine(s, 4, -3, 10, 62.1, 56.8);
      PointM(s, 31, 46.25, 33, 48.25);
      Label(s, "A", -1, 20);
      Label(s, "B", -1, 63);
      Label(s, "C", 68.8, 22);
      break;
    case 8:
      PlateWithHalfRing(s, -10);
      break;
    case 9:
      figures::PutBox(s, "Hcirc", 34, 54);
      figures::DrawThickLatexLine(s, 0, 1, 5.7, 10, 44);
      figures::DrawThickLatexLine(s, 0, 1, 5, 10, 44);
      figures::DrawVector(s, 0, 1, 5.6, 44.5, 2);
      PointM(s, 48.5, 78.11, 51.5, 81.94);
      Label(s, "A", 8, 7);
      Label(s, "B", ax + 2, 47);
      break;
    case 10:
      PlateWithTopChannel(s, -10);
      break;
    case 11:
      Block(s, -0.5, 20, 52.5, 42);
      figures::DrawLatexLine(s, 0, 1, 1.5, 20, 42);
      PointM(s, 1.5, 41, 5.5, 43);
      Label(s, "A", -8.5, 20);
      Label(s, "B", 0, 64);
      Label(s, "C", 52, 64);
      Label(s, "D", 53, 20);
      break;
    default:  // 12
      figures::DrawLatexLine(s, 1, 0, 0, 20, 58.8);
      figures::DrawLatexLine(s, 0, 1, 58.8, 20, 44.1);
      figures::DrawLatexLine(s, 4, 3, 0, 20, 58.8);
      figures::DrawLatexLine(s, 4, 3, 2, 20, 56.8);
      PointM(s, 21, 35.75, 14, 37.75);
      Label(s, "A", 59.8, 23);
      Label(s, "B", 59.8, 66.1);
      Label(s, "C", -5, 24);
      break;
  }
  toolkit::EndSaveBox(s);
}

void DefineAxisFigureBox(SharedState& s, int k) {
  CheckFigure(k);
  toolkit::BeginSaveBox(s, std::string("Plan") + static_cast<char>(64 + k));
  double bearing = 75;
  switch (k) {
    case 1:
      bearing = 65;
      figures::PutBox(s, "Hcirc", 29, 50);
      figures::DrawThickLatexLine(s, 0, 1, 28.7, 10, 12);
      figures::DrawThickLatexLine(s, 0, 1, 29.3, 10, 12);
      Block(s, -6, 8, 70, 2);
      PointM(s, 14.5, 27.06, 14.5, 30);
      Label(s, "A", 31, 0);
      Label(s, "B", 30, 14);
      break;
    case 2:
      figures::PutBox(s, "Hcirc", 39, 39);
      figures::DrawThickLatexLine(s, 1, 0, 32, 10.5, 14);
      Block(s, -6, 8, 80, 2);
      PointM(s, 24.5, 16.06, 24.5, 19);
      Label(s, "A", 41, 0);
      break;
    case 3:
      figures::PutBox(s, "Hcirc", 29, 29);
      OpenBar(s, 8, 50, -6, 48, 7);
      OpenBar(s, 50.5, 50, 75, 48, 51.5);
      figures::DrawLineBySlope(s, 12, 49, 1, 0, 35);
      PointM(s, 14.5, 6.06, 14.5, 9);
      Label(s, "A", 3, 53);
      Label(s, "B", 50, 53);
      break;
    case 4:
      figures::PutBox(s, "Hcirc", 34, 33);
      Block(s, -6, 32, 11.7, 2);
      Block(s, 63.3, 32, 11, 2);
      PointM(s, 19.5, 57.11, 7.5, 57.94);
      Label(s, "A", 9, 35);
      Label(s, "B", 51, 35);
      break;
    case 5:
      figures::PutBox(s, "HcircD", 34, 40);
      Block(s, 5, 20, 58, 20);
      Block(s, -6, 18, 80, 2);
      PointM(s, 19.5, 17.06, 19.5, 20);
      Label(s, "A", 5, 44);
      Label(s, "B", 61, 44);
      Label(s, "D", 4, 9);
      Label(s, "C", 58, 9);
      break;
    case 6:
      figures::PutBox(s, "Hcirc", 29, 29);
      OpenBar(s, 7, 10, -6, 8, 8);
      OpenBar(s, 51.5, 10, 75, 8, 50.5);
      figures::DrawLatexLine(s, 1, 0, 12, 9, 35);
      PointM(s, 14.5, 52.94, 4.5, 54);
      Label(s, "A", 3, 0);
      Label(s, "B", 49, 0);
      break;
    case 7:
      figures::DrawLatexLine(s, -5, 3, 53.5, 43, 48);
      figures::DrawLatexLine(s, 0, -1, s.LineEndX, s.LineEndY, 57.6);
      figures::DrawLatexLine(s, -5, 3, 50.5, 43, 44);
      figures::DrawLatexLine(s, 0, -1, s.LineEndX, s.LineEndY, 53);
      figures::DrawLatexLine(s, -5, -3, 53.5, 43, 48);
      figures::DrawLatexLine(s, -5, -3, 50.5, 43, 44);
      OpenBar(s, 5, 44, -6, 42, 5);
      OpenBar(s, 53, 44, 75, 42, 53);
      figures::DrawLatexLine(s, 1, 0, 7, 42.5, 44);
      PointM(s, 22.5, 61.61, 26.5, 59.94);
      Label(s, "A", -2, 70);
      Label(s, "B", 54, 46);
      Label(s, "C", -2, 8);
      break;
    case 8:
      bearing = 71;
      figures::DrawLatexLine(s, 2, -1, 0, 54, 64);
      figures::DrawLatexLine(s, 2, -1, 0, 52, 64);
      figures::DrawLatexLine(s, 0, -1, 0, 54, 2);
      figures::DrawLatexLine(s, 0, -1, 64, 22, 2);
      figures::PutLabel(s, ")", 59, 26);
      figures::PutMathText(s, "\\alpha", 55, 37);
      OpenBar(s, 36, 34, -6, 32, 39);
      OpenBar(s, 40.5, 34, 71, 32, 43.5);
      PointM(s, 20, 43, 22, 44);
      Label(s, "A", 1, 54);
      Label(s, "B", 38, 36);
      break;
    case 9:
    case 10: {
      Block(s, -6, 8, 80, 2);
      const int up = k == 9 ? 1 : -1;
      const double left = k == 9 ? 20 : 35, right = k == 9 ? 35 : 20;
      figures::DrawLatexLine(s, 0, 1, 15, 9, left);
      figures::DrawLatexLine(s, 3, up, s.LineEndX, s.LineEndY, 45);
      figures::DrawLatexLine(s, 0, -1, s.LineEndX, s.LineEndY, right);
      figures::DrawLatexLine(s, 3, up, 15, k == 9 ? 27 : 42, 45);
      if (k == 9) {
        PointM(s, 30, 34, 28, 40);
      } else {
        PointM(s, 30, 39, 28, 42);
      }
      Label(s, "D", 9, -1);
      Label(s, "C", 60, -1);
      Label(s, "A", 8, k == 9 ? 21 : 45);
      Label(s, "B", 61, k == 9 ? 45 : 21);
      break;
    }
    case 11:
      Block(s, 15, 4, 48, 48);
      Block(s, 17, 6, 44, 44);
      figures::DrawVector(s, 0, 1, 50, 43, 7);
      figures::DrawVector(s, 0, -1, 50, 43, 5);
      figures::PutLabel(s, "h", 52, 42);
      figures::DrawLatexLine(s, 1, 0, 17, 38, 44);
      OpenBar(s, 15, 39, -6, 37, 15);
      OpenBar(s, 63.5, 39, 75, 37, 63.5);
      PointM(s, 32.5, 51.11, 36.5, 54.94);
      Label(s, "A", 8, 54);
      Label(s, "B", 65, 54);
      Label(s, "D", 6, 2);
      Label(s, "C", 65, 2);
      break;
    default:  // 12
      for (int dy : {5, -5}) {
        figures::DrawLatexLine(s, 3, dy, 15, 33, 20);
        figures::DrawLatexLine(s, -3, dy, 55.5, 33, 20);
        figures::DrawLatexLine(s, 3, dy, 17, 33, 18);
        figures::DrawLatexLine(s, -3, dy, 53.5, 33, 18);
      }
      figures::PutBracedText(s, "{\\Large )} $\\alpha$", 19, 30);
      figures::PutBox(s, "ching", 0, 33);
      figures::PutBox(s, "ching", 75, 33);
      OpenBar(s, 15, 34, -6, 32, 15);
      OpenBar(s, 55.5, 34, 75, 32, 55.5);
      PointM(s, 26.5, 50.11, 31.5, 43.94);
      Label(s, "A", 12, 43);
      Label(s, "B", 39, 62);
      Label(s, "C", 55, 36);
      Label(s, "D", 40, -4);
      break;
  }
  PutAxisBearings(s, k, bearing);
  toolkit::EndSaveBox(s);
}

}  // namespace kinematics
