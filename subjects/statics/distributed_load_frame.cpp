#include "subjects/statics/distributed_load_frame.h"

#include <array>
#include <cmath>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Radians(double degrees) { return degrees * kPi / 180; }

// The supports: A1 pin A, rollers D and E; A2 pins A and E; B clamp A, roller E; C roller A,
// clamp E.
enum class Supports { A1, A2, B, C };

struct Vec {
  double x = 0, y = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }

// Moment about p of the force f acting at q, counter-clockwise positive.
double MomentAbout(Vec p, Vec q, Vec f) { return f.y * (q.x - p.x) - f.x * (q.y - p.y); }

// Everything one variant shows, in metres and kN, derived from P1..P7 alone.
struct FrameVariant {
  int b = 0;          // 2 for P2 = 1, 1 for P2 = 2
  double a = 0;       // AB
  double L2 = 0;      // BC
  double L3 = 0;      // DE
  double R = 0;       // arc radius
  double q1 = 0, q2 = 0;
  int theta = 0;      // loaded arc, degrees
  Supports supports = Supports::A2;
  bool vertical_de = false;
  int side = 1;       // +1: q1 largest at A, -1: at B
  int normal = 1;     // side of AB the q1 arrows point to
  int d = 1;          // +1: q2 arrows outside the arc, -1: inside
  int sense = 1;      // +1: q2 pulls away from the arc, -1: presses on it
  double phi0 = 0;    // start of the arc about O, degrees
  Vec A, B, C, D, E, O;
  Vec K1;             // where the resultant of q1 acts
  Vec Q1, Q2;         // the resultants; Q2 acts through O
};

FrameVariant DeriveFrameVariant(int P1, int P2, int P3, int P4, int P5, int P6, int P7) {
  FrameVariant v;
  v.b = 3 - P2;
  v.a = P2 + 5;
  if (P1 == 3 && P2 == 1) v.a = 9;
  if (P1 == 1 && P2 == 2) v.a = P3 + 7;
  v.L2 = 10 - P2;
  if (P1 == 4) v.L2 = toolkit::RoundHalfEven(v.a / 0.866) + 2;
  v.L3 = P4 + 4;
  v.R = P7 + 5;
  v.q1 = 10 - P5 + P6;
  v.q2 = 2 * v.b + P5;
  v.theta = P5 <= 2 ? 30 : P5 <= 4 ? 45 : P5 <= 6 ? 60 : 90;
  if (P5 <= 4) {
    v.supports = P5 <= 3 && (P4 == 2 || P3 == 1) && P2 == 1 ? Supports::A1 : Supports::A2;
  } else {
    v.supports = P5 % 2 == 1 ? Supports::B : Supports::C;
  }
  v.vertical_de = P3 == 2 && P4 == 1;
  v.side = P5 <= 4 && (P1 == 2 || P1 == 4) ? -1 : 1;
  v.normal = P1 == 3 || (P1 == 4 && P2 == 1) ? -1 : 1;
  v.d = 3 - 2 * P3;
  v.sense = P5 <= 4 ? 1 : -1;
  // AB down, right, up or left; BC at -30 or +30 degrees.
  static const int kAxis[5][2] = {{0, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};
  const Vec u{static_cast<double>(kAxis[P1][0]), static_cast<double>(kAxis[P1][1])};
  v.A = {0, 0};
  v.B = v.a * u;
  v.C = v.B + v.L2 * Vec{std::sqrt(3.0) / 2, P2 == 1 ? -0.5 : 0.5};
  v.D = v.C + Vec{v.R, v.R * (2 * v.b - 3)};
  v.E = v.vertical_de ? v.D + Vec{0, (3 - 2 * v.b) * v.L3} : v.D + Vec{(2 * P4 - 3) * v.L3, 0};
  if (P3 == 1) {
    v.O = {v.C.x, v.D.y};
    v.phi0 = -(v.b - 1) * 90;
  } else {
    v.O = {v.D.x, v.C.y};
    v.phi0 = (3 - v.b) * 90;
  }
  // The triangular load: its resultant, half of q1 times AB, a third of AB from the larger end.
  v.K1 = v.side == 1 ? v.A + (1.0 / 3) * (v.B - v.A) : v.A + (2.0 / 3) * (v.B - v.A);
  const Vec n{-u.y * v.normal, u.x * v.normal};
  v.Q1 = (v.q1 * v.a / 2) * n;
  // The radial load on the arc: 2 q2 R sin(theta/2) along the bisector of the loaded part.
  const double phim = Radians(v.phi0 + v.theta / 2.0);
  const double q2r = 2 * v.q2 * v.R * std::sin(Radians(v.theta / 2.0)) * v.sense * v.d;
  v.Q2 = {q2r * std::cos(phim), q2r * std::sin(phim)};
  return v;
}

// The answer text of one reaction: fixed with three decimals in nine places, cut to eight.
std::string AnswerText(double x) { return toolkit::FormatFixed(x, 9, 3).substr(0, 8); }

// Reactions by case, with the second answers file's equations; returns the six answer texts
// X_A, Y_A, Y_D, X_E, Y_E, M.
std::array<std::string, 6> SolveDistributedLoadFrame(SharedState& s, const FrameVariant& v) {
  std::array<std::string, 6> out;
  out.fill("  -  ");
  toolkit::Ans2Write(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
  const Vec A = v.A, C = v.C, D = v.D, E = v.E;
  const auto M1 = [&](Vec p) { return MomentAbout(p, v.K1, v.Q1); };
  const auto M2 = [&](Vec p) { return MomentAbout(p, v.O, v.Q2); };
  const double Fx = v.Q1.x + v.Q2.x, Fy = v.Q1.y + v.Q2.y;
  switch (v.supports) {
    case Supports::A1: {
      s.UnknownName1 = "Y_E";
      s.UnknownName2 = "Y_D";
      // Moments about A of the whole frame and about C of body CDE.
      structural::Solve2x2Cramer(s, E.x - A.x, D.x - A.x, M2(A) + M1(A), E.x - C.x, D.x - C.x,
                                 M2(C));
      const double YE = s.CramerSolution1, YD = s.CramerSolution2;
      out[0] = AnswerText(-Fx);
      out[1] = AnswerText(-(Fy + YD + YE));
      out[2] = AnswerText(YD);
      out[4] = AnswerText(YE);
      break;
    }
    case Supports::A2: {
      s.UnknownName1 = "X_A";
      s.UnknownName2 = "Y_A";
      // Moments about E of the whole frame and about C of body ABC.
      structural::Solve2x2Cramer(s, E.y - A.y, A.x - E.x, M2(E) + M1(E), C.y - A.y, A.x - C.x,
                                 M1(C));
      const double XA = s.CramerSolution1, YA = s.CramerSolution2;
      out[0] = AnswerText(XA);
      out[1] = AnswerText(YA);
      out[3] = AnswerText(-(Fx + XA));
      out[4] = AnswerText(-(Fy + YA));
      break;
    }
    case Supports::B: {
      const double YE = -M2(C) / (E.x - C.x);
      const double MA = -((E.x - A.x) * YE + M2(A) + M1(A));
      toolkit::Ans2Write(
          s, "& $Y_E=" + toolkit::FormatNumber(-M2(C)) + "/(" + toolkit::FormatNumber(E.x - C.x) +
                 ")$, $M_A=" +
                 toolkit::TermSum("\\cdot ").Add(-M2(A)).Add(-M1(A)).Add(A.x - E.x, "Y_E").Text() +
                 "$");
      out[0] = AnswerText(-Fx);
      out[1] = AnswerText(-(Fy + YE));
      out[4] = AnswerText(YE);
      out[5] = AnswerText(MA);
      break;
    }
    case Supports::C: {
      const double YA = -M1(C) / (A.x - C.x);
      const double ME = -((A.x - E.x) * YA + M2(E) + M1(E));
      toolkit::Ans2Write(
          s, "& $Y_A=" + toolkit::FormatNumber(-M1(C)) + "/(" + toolkit::FormatNumber(A.x - C.x) +
                 ")$, $M_E=" +
                 toolkit::TermSum("\\cdot ").Add(-M2(E)).Add(-M1(E)).Add(E.x - A.x, "Y_A").Text() +
                 "$");
      out[1] = AnswerText(YA);
      out[3] = AnswerText(-Fx);
      out[4] = AnswerText(-(Fy + YA));
      out[5] = AnswerText(ME);
      break;
    }
  }
  return out;
}

void SetPoint(SharedState& s, int i, Vec p) {
  s.PointX[i] = p.x;
  s.PointY[i] = p.y;
}

Vec PointOf(const SharedState& s, int i) { return {s.PointX[i], s.PointY[i]}; }

// The linear load q1 on member i-j (picture units) and the start of the answers row.
void DrawTriangularLoad(SharedState& s, const FrameVariant& v, int i, int j) {
  const Vec Pi = PointOf(s, i), Pj = PointOf(s, j);
  const double D = toolkit::RoundHalfEven(std::hypot(Pj.x - Pi.x, Pj.y - Pi.y));
  const Vec u = (1 / D) * (Pj - Pi);
  const int n = static_cast<int>(toolkit::RoundHalfEven(D / 6));
  const Vec w{-u.y * v.normal, u.x * v.normal};
  SetPoint(s, 7, v.side == 1 ? Pi + (1.0 / 3) * (Pj - Pi) : Pi + (2.0 / 3) * (Pj - Pi));
  SetLineWidth(s, 2);
  WriteText(s, "\\Magenta{");
  if (v.side == 1) {
    for (int k = 0; k <= n - 1; ++k) {
      const Vec from = Pi + (static_cast<double>(k) / n) * (Pj - Pi);
      const Vec arrow = (12.0 * (1 - static_cast<double>(k) / n)) * w;
      DrawEmArrow(s, from.x, from.y, arrow.x, arrow.y);
      WriteLine(s, "");
    }
    const Vec top = Pi + 12.0 * w;
    DrawSegment(s, Pj.x, Pj.y, top.x, top.y);
  } else {
    for (int k = 1; k <= n; ++k) {
      const Vec from = Pi + (static_cast<double>(k) / n) * (Pj - Pi);
      const Vec arrow = (12.0 * k / n) * w;
      DrawEmArrow(s, from.x, from.y, arrow.x, arrow.y);
      WriteLine(s, "");
    }
    const Vec top = Pj + 12.0 * w;
    DrawSegment(s, Pi.x, Pi.y, top.x, top.y);
  }
  SetLineWidth(s, 1);
  const Vec label = v.side == 1 ? Pi + 16.0 * w + 3.0 * u - Vec{0, 1} : Pj + 16.0 * w - 3.0 * u;
  PutLabel(s, "$q_1$", label.x, label.y);
  WriteText(s, "}");
  s.NodeForceX[7] = -(Pj.y - Pi.y) * v.q1 * v.normal / (2 * s.Scale);
  s.NodeForceY[7] = (Pj.x - Pi.x) * v.q1 * v.normal / (2 * s.Scale);
  toolkit::AnsWrite(s, "$" + toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
}

// The radial load q2 on the part of the arc from phi0 (picture units, O = point 6).
void DrawArcRadialLoad(SharedState& s, const FrameVariant& v, int P5) {
  const Vec O = PointOf(s, 6);
  const double Rs = v.R * s.Scale;
  const double theta = Radians(v.theta);
  const double phi0 = Radians(v.phi0);
  const double phim = phi0 + theta / 2;
  const int n = static_cast<int>(toolkit::RoundHalfEven(theta * Rs / 8));
  const double step = theta / n;
  const auto e = [](double phi) { return Vec{std::cos(phi), std::sin(phi)}; };
  const int d = v.d, sense = v.sense;
  SetLineWidth(s, 2);
  WriteText(s, "\\Red{");
  for (int k = 0; k <= n; ++k) {
    const double phi = phi0 + k * step;
    const Vec from = O + (Rs - 5.0 * d * (sense - 1)) * e(phi);
    const Vec arrow = (10.0 * sense * d) * e(phi);
    DrawEmArrow(s, from.x, from.y, arrow.x, arrow.y);
  }
  DrawArcPolyline(s, 0, O.x, O.y, phi0, phi0 + theta, Rs + 10 * d);
  const Vec label = O + (Rs + 12.5 * d) * e(phim);
  PutLabel(s, "$q_2$", label.x, label.y);
  WriteText(s, "}");
  SetLineWidth(s, 1);
  if (P5 <= 6) {
    const Vec k = O + (Rs - 7.5 * d) * e(phi0 + theta);
    PutLabel(s, "$K$", k.x, k.y);
  }
  s.NodeForceX[6] = v.Q2.x;
  s.NodeForceY[6] = v.Q2.y;
}

void PutSupports(SharedState& s, const FrameVariant& v, int P1, int P2, int P4) {
  const Vec A = PointOf(s, 1), D = PointOf(s, 4), E = PointOf(s, 5);
  const bool up_at_a = P1 == 1 || (P1 == 4 && P2 == 2);
  const bool up_at_e = v.vertical_de && P2 == 2;
  switch (v.supports) {
    case Supports::A1:
    case Supports::A2:
      PutLabel(s, "$A$", A.x + (P1 == 4 ? 2 : -11), A.y - 2);
      PutBox(s, up_at_a ? "uphing" : "hing", A.x, A.y);
      if (v.supports == Supports::A1) {
        PutBox(s, "uphingmobil", D.x, D.y + 1.9);
        PutBox(s, "hingmobil", E.x, E.y);
      } else {
        PutBox(s, up_at_e ? "uphing" : "hing", E.x, E.y);
      }
      break;
    case Supports::B: {
      static const double kLabel[5][2] = {{0, 0}, {-8, -8}, {-9, -8}, {-8, 3}, {-7, -9}};
      static const char* const kClamp[5] = {"", "upzadelka", "leftzadelka", "zadelka",
                                            "rightzadelka"};
      double dy = P1 == 4 && P2 == 2 ? 2 : kLabel[P1][1];
      // A clamp right of a short bar AB: the letter under the bar's end would touch the
      // 30 degree mark at B (up to 30 pt right of B); 4 pt lower it clears the mark and
      // stays above BC.
      if (P1 == 4 && P2 != 2 && A.x - PointOf(s, 2).x < 37) dy -= 4;
      PutLabel(s, "$A$", A.x + kLabel[P1][0], A.y + dy);
      PutBox(s, kClamp[P1], A.x, A.y);
      PutBox(s, up_at_e ? "uphingmobil" : "hingmobil", E.x, E.y);
      break;
    }
    case Supports::C: {
      static const double kLabel[5][2] = {{0, 0}, {-10, 0}, {-10, -2}, {-9, 3}, {3, 0}};
      PutLabel(s, "$A$", A.x + kLabel[P1][0], A.y + kLabel[P1][1]);
      PutBox(s, up_at_a ? "uphingmobil" : "hingmobil", A.x, A.y);
      const char* clamp = P4 == 2             ? "rightzadelka"
                          : !v.vertical_de    ? "leftzadelka"
                          : P2 == 1           ? "zadelka"
                                              : "upzadelka";
      PutBox(s, clamp, E.x, E.y);
      break;
    }
  }
}

void DefineAngleBox(SharedState& s, const char* name, double from, double to) {
  WriteLine(s, std::string("\\newsavebox{\\") + name + "}\\sbox{\\" + name + "}{%");
  BeginPicture(s, 9, 9, 0, 0);
  DrawLabelledArc(s, 0, "$30^\\circ$", 2, 0, 0, Radians(from), Radians(to), 14);
  DrawDashedLine(s, 4, 0, 0, 0, 17, 0.5);
  EndSaveBox(s);
}

}  // namespace

void BeginDistributedLoadFrameProblem(SharedState& s) {
  s.ParboxWidth = 400;
  WriteLine(s, "\\font\\circl=lcircle10");
  DefineAngleBox(s, "ugn", -30, 0);
  DefineAngleBox(s, "ugv", 0, 30);
  WriteLine(s,
            " Determine the reaction of supports of the flat composite frame under the action "
            "of a linearly distributed load with a maximum intensity of $q_1$ and load with "
            "intensity $q_2$,");
  WriteLine(s,
            "  uniformly distributed along the arc of a circle. Arc $CD$ represents a quarter "
            "of a circle of radius $R$ centered at $O$.");
  WriteBookReference(s, 61);
  AnsBeginTable(s, 8);
  Ans2BeginTable(s, 8);
  Ans2WriteLine(s, "\\No & equations \\\\\\hline ");
  AnsWriteLine(s, " & $ X_A $&$ Y_A$&$ Y_D $&$ X_E $&$ Y_E $&$ M_{A(E)}$\\\\\\hline");
}

void WriteDistributedLoadFrameVariant(SharedState& s) {
  const int P1 = s.P1, P2 = s.P2, P3 = s.P3, P4 = s.P4, P5 = s.P5, P6 = s.P6, P7 = s.P7;
  s.ArrowHeadLength = 2.3;
  s.BoxHeight = 95;
  s.BoxWidth = 150;
  const FrameVariant v = DeriveFrameVariant(P1, P2, P3, P4, P5, P6, P7);
  ClearPoints(s, 7);
  SetPoint(s, 1, v.A);
  SetPoint(s, 2, v.B);
  SetPoint(s, 3, v.C);
  SetPoint(s, 4, v.D);
  SetPoint(s, 5, v.E);
  FitPointsToBox(s, 5, 0);
  // Body CDE is drawn 1.5 units away from the hinge.
  for (int i = 4; i <= 5; ++i) {
    if (P3 == 1) {
      s.PointX[i] += 1.5;
    } else {
      s.PointY[i] += (2 * v.b - 3) * 1.5;
    }
  }
  WriteLine(s, "%%%%%%%%%%%%%%%%   Вариант  " + toolkit::FormatNumber(s.VariantIndex) + "%");
  WriteLine(s, "\\vskip8pt");
  // The frame fills 150 x 95 pt; the loads, supports and letters reach up to 13 pt beyond it
  // (a support's hatching over the top, the arc's load past the right end).
  BeginPicture(s, 192, s.RangeY * s.Scale + 26, -21, -13);
  DrawTriangularLoad(s, v, 1, 2);
  SetLineWidth(s, 10);
  DrawSegmentFromNodeRev(s, 2, 1);
  WriteLine(s, "");
  DrawSegmentFromNodeRev(s, 2, 3);
  WriteLine(s, "");
  DrawSegmentFromNodeRev(s, 4, 5);
  WriteLine(s, "");
  DrawNodeMarker(s, 3);
  WriteLine(s, "");
  const Vec C = PointOf(s, 3), D = PointOf(s, 4), E = PointOf(s, 5);
  const Vec O = P3 == 1 ? Vec{C.x + 1.5, D.y} : Vec{D.x, C.y + (2 * v.b - 3) * 1.5};
  SetPoint(s, 6, O);
  const double Rs = v.R * s.Scale;
  DrawArcPolyline(s, 0, O.x, O.y, Radians(v.phi0), Radians(v.phi0 + 90), Rs);
  SetLineWidth(s, 1);
  DrawDashedLine(s, 7, O.x, O.y, Radians((2 * P2 - 3) * (3 - 2 * P3) * 90), Rs, 0.5);
  DrawDashedLine(s, 7, O.x, O.y, Radians((P3 - 1) * 180), Rs, 0.5);
  const Vec B = PointOf(s, 2);
  PutLabel(s, "$B$", B.x - 9, B.y - 9);
  PutLabel(s, "$O$", O.x - 9 + 10 * (P3 - 1), O.y - 4);
  PutLabel(s, "$C$", C.x - 8, C.y - 13 * (2 - P2) + 2);
  PutLabel(s, "$D$", D.x + 3 - 12 * (P4 - 1), D.y - 9 * (P2 - 1));
  if (v.vertical_de && P2 == 2) {
    PutLabel(s, "$E$", E.x + 3, E.y - 9);
  } else {
    PutLabel(s, "$E$", E.x + 3 + 11 * (P4 - 2), E.y + 2);
  }
  DrawArcRadialLoad(s, v, P5);
  PutSupports(s, v, P1, P2, P4);
  PutBox(s, P2 == 1 ? "ugn" : "ugv", B.x, B.y);
  EndPicture(s);
  const std::array<std::string, 6> answers = SolveDistributedLoadFrame(s, v);
  // 172pt: the widest line of the table ("$q_2=10$~kN/m, & $CK=\pi R/3$~m,") stays inside
  // the variant's frame.
  WriteLine(s, "\\hfill\\parbox[b]{172pt}{\\small\\begin{tabular}{ll}");
  WriteTextNumberLn(s, "$ q_1=", v.q1, "$~kN/m,& ");
  WriteTextNumberLn(s, " $R=", v.R, "$~m, \\\\");
  WriteTextNumberLn(s, " $q_2=", v.q2, "$~kN/m, & ");
  WriteTextNumberLn(s, "  $AB=", v.a, "$~m,\\\\ ");
  WriteTextNumberLn(s, "  $BC=", v.L2, "$~m, & ");
  if (P5 <= 6) {
    WriteTextNumberLn(s, P3 == P2 ? " $CK=\\pi R/" : " $DK=\\pi R/", 180 / v.theta, "$~m,\\\\ ");
  }
  WriteTextNumberLn(s, "$DE=", v.L3, "$~m.\\\\ ");
  WriteLine(s, "\\end{tabular}\\par\\rule{0pt}{15pt}}\\vskip3mm");
  for (const std::string& cell : answers) toolkit::AnsWrite(s, "$&$" + cell);
  toolkit::AnsWrite(s, "$ ");
}

}  // namespace statics
