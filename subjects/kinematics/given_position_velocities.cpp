#include "subjects/kinematics/given_position_velocities.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

// (1, 1), (1, -1), (-1, 1), (-1, -1), indexed 1..4.
int SignA(int i) { return i <= 2 ? 1 : -1; }
int SignB(int i) { return i % 2 == 1 ? 1 : -1; }

int OrIfZero(int v, int replacement) { return v == 0 ? replacement : v; }

using Data = GivenPositionVelocitiesData;

void Set(Data& d, int i, int x, int y) {
  d.x[static_cast<std::size_t>(i)] = x;
  d.y[static_cast<std::size_t>(i)] = y;
}

void DeriveScheme1(Data& d, int p2, int p3, int p4, int p5) {
  const int s1 = OrIfZero(3 * (p4 - 2), 4), s2 = OrIfZero(5 * (p3 - 2), 9);
  const int s3 = OrIfZero(9 * (p2 - 3), 9), s4 = OrIfZero(3 * (p5 - 3), 3);
  d.s1 = s1, d.s2 = s2, d.s3 = s3, d.s4 = s4;
  Set(d, 1, 0, s1);           // O
  Set(d, 2, 0, 0);            // A
  Set(d, 3, 8, -6);           // B
  Set(d, 4, 8 + s2, -6);      // C
  Set(d, 5, 6, 8);            // F
  Set(d, 6, 6 + s3, 8);       // D
  Set(d, 7, 6 + s3, 8 - s4);  // E
  d.w = {6 * s2 * s3 * s4, -s1 * s2 * s3 * s4, 8 * s1 * s3 * s4, 6 * s1 * s2 * s4,
         -14 * s1 * s2 * s3};
}

void DeriveScheme2(Data& d, int p3, int p4, int p5, int p6) {
  int s1 = OrIfZero(3 * (p4 - 2), 4);
  const int s2 = p3 == 1 ? 4 : -4;
  int s3 = OrIfZero(3 * (p6 - 5), 5);
  if (s3 >= 1 && s3 <= 4) s3 += 3;
  const int s4 = OrIfZero(3 * (p5 - 3), 5);
  if (s2 > 0 && s1 > 0 && s3 < 0) s3 = -4;
  if (s1 > 0 && s2 > 0) s1 = p4;
  d.s1 = s1, d.s2 = s2, d.s3 = s3, d.s4 = s4;
  Set(d, 1, -7, 4 - s2 - s1);  // O
  Set(d, 2, -7, 4 - s2);       // A
  Set(d, 3, -3, 4);            // B
  Set(d, 4, 0, 0);             // C
  Set(d, 5, 4, 3);             // F
  Set(d, 6, 4, 3 - s3);        // D
  Set(d, 7, 4 + s4, 3 - s3);   // E
  const int m = std::abs(s2);
  d.w = {(4 * m + 3 * s2) * s3 * s4, -3 * s1 * s3 * s4, m * s1 * s3 * s4, 3 * m * s1 * s4,
         -4 * m * s1 * s3};
}

void DeriveScheme3(Data& d, int p1, int p2, int p3, int p4, int p5, int p6) {
  d.beta45 = p6 < 4;
  const int s1 = OrIfZero(6 * (p4 - 2), 8), s2 = OrIfZero(2 * (p3 - 2), 5);
  const int s3 = OrIfZero(5 * (p2 - 3), 4);
  const int sigma = p5 <= 2 ? 1 : -1;
  const int s4 = d.beta45 ? (p1 + 2) * sigma : 3 * sigma;
  // |s4| tan(beta): 45 degrees, or 3 tan(arctan 4/3) = 4.
  const int s5 = d.beta45 ? std::abs(s4) : 4;
  d.s1 = s1, d.s2 = s2, d.s3 = s3, d.s4 = s4, d.s5 = s5;
  d.points = 6;
  Set(d, 1, 0, 0);                 // O
  Set(d, 2, 3, 4);                 // A
  Set(d, 3, 3 + s1, 4);            // B
  Set(d, 4, 3 + s1, 4 - s2);       // C
  Set(d, 5, 3 + s1 + s4, 4 + s5);  // D
  Set(d, 6, 3 + s1 + s4 + s3, 4 + s5);  // E
  d.w = {s1 * s2 * s3 * s5, -3 * s2 * s3 * s5, 4 * s1 * s3 * s5, -4 * s1 * s2 * s3,
         4 * s1 * s2 * s4};
}

void DeriveScheme4(Data& d, int p1, int p2, int p3, int p4, int p5) {
  const int q3 = p3 == 4 ? 1 : p3, q4 = p4 == 4 ? 1 : p4;
  const int m1 = SignA(p1) * q3;
  int m2 = SignB(p1) * q4;
  const int sx = SignA(p2), sy = SignB(p2), tau = SignB(p5);
  const int w = sy == 1 ? 1 : p5 + 1;
  const int q = q3 == 3 ? 2 : q3;
  if (tau < 0 && sy < 0 && sx < 0) m2 = p5 - 1;
  if (m2 == 0) m2 = 1;
  if (tau < 0 && m2 < 0 && sx > 0) m2 = -1;
  d.m1 = m1, d.m2 = m2, d.bf = w, d.q = q, d.sx = sx, d.sy = sy, d.tau = tau;
  Set(d, 1, 0, -m1);      // O
  Set(d, 2, 0, 0);        // A
  Set(d, 3, p5, 0);       // B
  Set(d, 4, p5, -m2);     // C
  Set(d, 5, p5 + w, 0);   // F
  Set(d, 6, p5 + w + sy * p5, sx * p5);        // D
  Set(d, 7, p5 + w + sy * p5 + q * tau, sx * p5);  // E
  d.w = {p5 * m2 * sx * q * tau, 0, m1 * p5 * sx * q * tau, -m1 * m2 * q * tau,
         sy * p5 * m1 * m2};
}

void DeriveScheme5(Data& d, int p1, int p2, int p3, int p4, int p6) {
  const int s1a = SignA(p1), s1b = SignB(p1), s2a = SignA(p2), s2b = SignB(p2);
  const int q = p6 / 6, t = 2;
  const int u = (s2a == s1a || (s2a == -1 && s2b == 1)) ? 4 + q : p3;
  const int r = (s1b == -1 && s2a == -1) ? 2 : p4 + 1;
  d.u = u, d.r = r, d.t = t, d.s1a = s1a, d.s1b = s1b, d.s2a = s2a, d.s2b = s2b;
  Set(d, 1, 4 - 7 * s2b, -3 - s2a * u);  // O
  Set(d, 2, 4, -3 - s2a * u);            // A
  Set(d, 3, 4, -3);                      // B
  Set(d, 4, -3, -4);                     // C
  Set(d, 5, -3, -4 - 2 * s1a);           // E
  Set(d, 6, 0, 0);                       // F
  Set(d, 7, -r * s1b, 0);                // D
  d.w = {t * u * r * s1a * s1b * s2a, -3 * s2b * t * r * s1a * s1b,
         s2b * t * u * r * s1a * s1b * s2a, -4 * s2b * u * r * s1b * s2a,
         3 * s2b * t * u * s1a * s2a};
}

double X(const SharedState& s, int i) { return s.PointX[i]; }
double Y(const SharedState& s, int i) { return s.PointY[i]; }

void SupportAt(SharedState& s, int i, bool up) {
  if (up) {
    figures::PutUpHingeBoxAtPoint(s, i);
  } else {
    figures::PutHingeBoxAtPoint(s, i);
  }
}

// Records the room of a pin support's symbol at (x, y) (hanging from a ceiling when `up`), so
// that the letters placed after it keep off the triangle and the hatching.
void ReserveSupport(figures::LabelSpacing& placed, double x, double y, bool up) {
  if (up) {
    placed.Reserve(x - 7, y + 0.5, 14, 9.5);
  } else {
    placed.Reserve(x - 7, y - 8, 14, 9.5);
  }
}

constexpr double kPi = std::numbers::pi;
// The angle of the 3-4-5 triangle whose cosine is 0.8.
double Phi() { return std::atan2(0.75, 1.0); }

void DrawScheme1(SharedState& s, const Data& d) {
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  constexpr int O = 1, A = 2, B = 3, C = 4, F = 5, D = 6, E = 7;
  figures::DrawTwoBars(s, F, A, B);
  figures::DrawTwoBars(s, F, D, E);
  figures::DrawBar(s, B, F);
  figures::DrawNodeMarker(s, F);
  figures::DrawNodeMarker(s, D);
  figures::PutHingeBoxAtPoint(s, C);
  SupportAt(s, O, d.s1 > 0);
  SupportAt(s, E, d.s4 <= 0);
  figures::PutBlueLabelClear(s, placed, "$F$", X(s, F) - 2, Y(s, F) + 4);
  figures::PutBlueLabelClear(s, placed, "$D$", X(s, D) + 1, Y(s, D) + 3);
  figures::PutBlueLabelClear(s, placed, "$O$", X(s, O) + 3, Y(s, O) - 2);
  figures::PutBlueLabelClear(s, placed, "$E$", X(s, E) - 11, Y(s, E) - 4);
  figures::PutBlueLabelClear(s, placed, "$C$", X(s, C) - 3, Y(s, C) + 4);
  figures::PutBlueLabelClear(s, placed, "$A$", X(s, A) - 10, Y(s, A) - 2);
  figures::PutBlueLabelClear(s, placed, "$B$", X(s, B) - 8, Y(s, B) - 9);
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 1, X(s, B), Y(s, B), kPi - Phi(), kPi, 12, &placed);
  figures::DrawSegment(s, X(s, B), Y(s, B), X(s, B) - 14, Y(s, B));
}

void DrawScheme2(SharedState& s, const Data& d) {
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  constexpr int O = 1, A = 2, B = 3, C = 4, F = 5, D = 6, E = 7;
  figures::DrawBar(s, F, C);
  figures::DrawTwoBars(s, F, D, E);
  figures::DrawTwoBars(s, A, B, F);
  figures::DrawNodeMarker(s, D);
  figures::DrawNodeMarker(s, F);
  figures::PutHingeBoxAtPoint(s, C);
  SupportAt(s, O, d.s1 < 0);
  figures::PutHingeBoxAtPoint(s, E);
  figures::PutBlueLabelClear(s, placed, "$F$", X(s, F) + 2, Y(s, F) - 2);
  figures::PutBlueLabelClear(s, placed, "$D$", X(s, D) - 9, Y(s, D) + 3);
  figures::PutBlueLabelClear(s, placed, "$O$", X(s, O) + 3, Y(s, O) - 2);
  figures::PutBlueLabelClear(s, placed, "$E$", X(s, E) - 2, Y(s, E) + 3);
  figures::PutBlueLabelClear(s, placed, "$C$", X(s, C) - 12, Y(s, C) - 3);
  figures::PutBlueLabelClear(s, placed, "$A$", X(s, A) - 10, Y(s, A) - 2);
  figures::PutBlueLabelClear(s, placed, "$B$", X(s, B), Y(s, B) + 4);
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 1, X(s, C), Y(s, C), 0, Phi(), 12, &placed);
  figures::DrawSegment(s, X(s, C), Y(s, C), X(s, C) + 14, Y(s, C));
  if (d.s2 > 0) {
    figures::DrawLabelledArc(s, 0, "$45^\\circ$", 1, X(s, A), Y(s, A), 0, kPi / 4, 12,
                             &placed);
  } else {
    figures::DrawLabelledArc(s, 0, "$45^\\circ$", 1, X(s, A), Y(s, A), -kPi / 4, 0, 12,
                             &placed);
  }
  figures::DrawSegment(s, X(s, A) + 2, Y(s, A), X(s, A) + 14, Y(s, A));
}

void DrawScheme3(SharedState& s, const Data& d) {
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  constexpr int O = 1, A = 2, B = 3, C = 4, D = 5, E = 6;
  const double beta = d.beta45 ? kPi / 4 : std::atan2(4.0, 3.0);
  figures::DrawBar(s, A, B);
  figures::DrawTwoBars(s, B, D, E);
  figures::DrawNodeMarker(s, D);
  figures::PutHingeBoxAtPoint(s, O);
  SupportAt(s, C, d.s2 <= 0);
  figures::PutHingeBoxAtPoint(s, E);
  figures::SetLineWidth(s, 1);
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 1, X(s, O), Y(s, O), 0, std::atan2(4.0, 3.0), 12, &placed);
  if (d.p5 <= 2) {
    figures::DrawLabelledArc(s, 0, "$\\beta$", 1, X(s, B), Y(s, B), 0, beta, 12, &placed);
  } else {
    figures::DrawLabelledArc(s, 0, "$\\beta$", 1, X(s, B), Y(s, B), kPi - beta, kPi, 12, &placed);
  }
  figures::DrawSegment(s, X(s, O), Y(s, O), X(s, O) + 14, Y(s, O));
  figures::DrawSegment(s, X(s, B), Y(s, B), X(s, B) + (d.p5 <= 2 ? 14 : -14), Y(s, B));
  figures::PutBlueLabelClear(s, placed, "$O$", X(s, O) - 11, Y(s, O) - 2);
  figures::PutBlueLabelClear(s, placed, "$A$", X(s, A) - 5, Y(s, A) + 3);
  figures::PutBlueLabelClear(s, placed, "$B$", X(s, B) - 10, Y(s, B) - 11);
  // A support C above B with BD rising to the right would cross the label: it goes left.
  if (d.s2 < 0 && d.p5 <= 2) {
    figures::PutBlueLabelClear(s, placed, "$C$", X(s, C) - 11, Y(s, C) - 4);
  } else {
    figures::PutBlueLabelClear(s, placed, "$C$", X(s, C) + 4, Y(s, C) - 4);
  }
  figures::PutBlueLabelClear(s, placed, "$D$", X(s, D), Y(s, D) + 3);
  figures::PutBlueLabelClear(s, placed, "$E$", X(s, E), Y(s, E) + 3);
}

void DrawScheme4(SharedState& s, const Data& d) {
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  constexpr int O = 1, A = 2, B = 3, C = 4, F = 5, D = 6, E = 7;
  s.PointY[B] -= d.m2 > 0 ? 1 : -1;  // toward C
  figures::DrawBar(s, A, F);
  figures::DrawTwoBars(s, F, D, E);
  SupportAt(s, C, d.m2 <= 0);
  SupportAt(s, O, d.m1 <= 0);
  figures::PutHingeBoxAtPoint(s, E);
  figures::SetLineWidth(s, 1);
  figures::DrawNodeMarker(s, D);
  figures::DrawNodeMarker(s, F);
  constexpr double q = kPi / 4;
  const double arcs[4][2] = {{0, q}, {3 * q, 4 * q}, {-q, 0}, {4 * q, 5 * q}};
  const auto& arc = arcs[d.p2 - 1];
  figures::DrawLabelledArc(s, 0, "$45^\\circ$", 2, X(s, F), Y(s, F), arc[0], arc[1], 12,
                           &placed);
  if (d.sy == 1) figures::DrawSegment(s, X(s, F) + 2, Y(s, F), X(s, F) + 14, Y(s, F));
  figures::PutBlueLabelClear(s, placed, "$O$", X(s, O) - 11, Y(s, O) - 2);
  figures::PutBlueLabelClear(s, placed, "$A$", X(s, A) - 11, Y(s, A) - 2);
  figures::PutBlueLabelClear(s, placed, "$B$", X(s, B) - 10, Y(s, B) - 11);
  figures::PutBlueLabelClear(s, placed, "$C$", X(s, C) + 3, Y(s, C) - 2);
  figures::PutBlueLabelClear(s, placed, "$F$", X(s, F) - d.sy - 3, Y(s, F) - d.sx - 3);
  figures::PutBlueLabelClear(s, placed, "$D$", X(s, D) + d.sy - 2, Y(s, D) + 3);
  figures::PutBlueLabelClear(s, placed, "$E$", X(s, E) + d.tau - 4, Y(s, E) - 2);
}

void DrawScheme5(SharedState& s, const Data& d) {
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  constexpr int O = 1, A = 2, B = 3, C = 4, E = 5, F = 6, D = 7;
  figures::DrawBar(s, F, D);
  figures::DrawTwoBars(s, E, C, F);
  figures::DrawTwoBars(s, A, B, F);
  SupportAt(s, O, d.s2a <= 0);
  SupportAt(s, E, d.s1a <= 0);
  figures::PutHingeBoxAtPoint(s, D);
  figures::SetLineWidth(s, 1);
  figures::DrawNodeMarker(s, F);
  figures::DrawNodeMarker(s, C);
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 1, X(s, F), Y(s, F), 0, Phi(), 11, &placed);
  figures::DrawSegment(s, X(s, F), Y(s, F), X(s, F) + 14, Y(s, F));
  // The supports' symbols are kept clear of the letters: O's letter goes to the side of its
  // joint the symbol leaves free (below a hanging hinge, above a standing one), A's beside its
  // joint away from the bar OA.
  ReserveSupport(placed, X(s, O), Y(s, O), d.s2a <= 0);
  ReserveSupport(placed, X(s, E), Y(s, E), d.s1a <= 0);
  placed.Reserve(X(s, A) - 2, Y(s, A) + 0.5, 4, 1.5);
  figures::PutBlueLabelClear(s, placed, "$O$", X(s, O) - d.s2b - 4,
                             Y(s, O) + (d.s2a <= 0 ? -12 : 5));
  figures::PutBlueLabelClear(s, placed, "$A$", X(s, A) + (d.s2b > 0 ? 3 : -11), Y(s, A) - 3);
  figures::PutBlueLabelClear(s, placed, "$B$", X(s, B) - 9, Y(s, B) - 10);
  figures::PutBlueLabelClear(s, placed, "$C$", X(s, C) - 11, Y(s, C) - 2);
  figures::PutBlueLabelClear(s, placed, "$F$", X(s, F) + d.s1b - 3, Y(s, F) + 3);
  figures::PutBlueLabelClear(s, placed, "$D$", X(s, D) - d.s1b - 3, Y(s, D) + 3);
  figures::PutBlueLabelClear(s, placed, "$E$", X(s, E) - 11, Y(s, E) - 4);
}

void WriteAnswers(SharedState& s, const Data& d) {
  toolkit::AnsWriteTextNumber(s, " ", toolkit::PrintedVariantNumber(s), "");
  const auto& w = d.w;
  auto m = [&](int i) { return std::abs(w[static_cast<std::size_t>(i)]); };
  // The links a scheme does not have get the dash of a missing value.
  const std::string no = "& " + std::string(toolkit::kNoValue) + " &";
  const std::string end = "& " + std::string(toolkit::kNoValue);
  switch (d.scheme) {
    case 1:
    case 4:
      toolkit::AnsWriteText4NumbersLn(s, "&", m(1), no, m(2),
                                      no + " " + std::string(toolkit::kNoValue) + " &", m(3), "&",
                                      m(4), end);
      break;
    case 2:
      toolkit::AnsWriteText4NumbersLn(s, no, m(1), no, m(2), no, m(3), "&", m(4), end);
      break;
    case 3:
      toolkit::AnsWriteText4NumbersLn(s, no, m(1), "& ", m(2), no, m(3), no, m(4), end);
      break;
    default:
      toolkit::AnsWriteText4NumbersLn(s, no, m(1), no, m(2), no, m(4), no, m(3), "");
      break;
  }
}

void WriteData(SharedState& s, const Data& d) {
  using toolkit::WriteText;
  using toolkit::WriteTextNumberLn;
  WriteTextNumberLn(s, "\\vskip1mm \\small $\\omega_{OA}=", std::abs(d.w[0]), "$~рад/c, ");
  switch (d.scheme) {
    case 1:
      WriteTextNumberLn(s, "$OA=", std::abs(d.s1), "$, ");
      WriteTextNumberLn(s, "$AB$=$AF$=10, \\\\ $BC=", std::abs(d.s2), "$, ");
      WriteTextNumberLn(s, "$DF$=", std::abs(d.s3), ", ");
      WriteTextNumberLn(s, "$DE$=", std::abs(d.s4), ", ");
      WriteText(s, " $\\cos\\alpha$=0.8, $AB\\perp AF$. ");
      break;
    case 2:
      WriteTextNumberLn(s, "$OA=", std::abs(d.s1), "$, ");
      WriteTextNumberLn(s, "$DF$=", std::abs(d.s3), ", ");
      WriteTextNumberLn(s, "$BC$=$CF$=5, \\\\ $AB=", 4, "\\sqrt{2}$, ");
      WriteTextNumberLn(s, "$DE$=", std::abs(d.s4), ", ");
      WriteText(s, " $\\cos\\alpha$=0.8, $CB\\perp CF$. ");
      break;
    case 3:
      WriteTextNumberLn(s, "$OA=5$, $AB=", std::abs(d.s1), "$, ");
      WriteTextNumberLn(s, "$BC=", std::abs(d.s2), "$, ");
      WriteTextNumberLn(s, "$DE=", std::abs(d.s3), "$, ");
      if (d.beta45) {
        WriteTextNumberLn(s, "$BD=", std::abs(d.s4), "\\sqrt{2}$, ");
      } else {
        toolkit::WriteLine(s, "$BD=5$, ");
      }
      toolkit::WriteLine(s, "$\\cos\\alpha=0.6 $, ");
      WriteText(s, d.beta45 ? "$\\beta = 45^\\circ$." : "$\\cos\\beta =0.6$.");
      break;
    case 4:
      WriteTextNumberLn(s, "$OA=", std::abs(d.m1), "$, ");
      WriteTextNumberLn(s, "$AB=", d.p5, "$, ");
      WriteTextNumberLn(s, "$BF=", d.bf, "$, ");
      WriteTextNumberLn(s, "$BC=", std::abs(d.m2), "$, ");
      WriteTextNumberLn(s, "$DE=", d.q, "$, ");
      if (d.p5 == 1) {
        WriteText(s, "$DF=\\sqrt{2}$. ");
      } else {
        WriteText(s, "$DF=" + toolkit::FormatNumber(d.p5) + "\\sqrt{2}$. ");
      }
      break;
    default:
      WriteTextNumberLn(s, "$OA=7$, $AB=", std::abs(d.u), "$, $BF=FC=5$, ");
      WriteTextNumberLn(s, "$CE=", d.t, "$, ");
      WriteTextNumberLn(s, "$DF=", d.r, "$, ");
      WriteText(s, " $\\cos\\alpha$=0.8, $FB\\perp CF$. ");
      break;
  }
}

}  // namespace

GivenPositionVelocitiesData DeriveGivenPositionVelocities(int p1, int p2, int p3, int p4, int p5,
                                                         int p6, int p7) {
  Data d;
  d.scheme = p7;
  d.p2 = p2;
  d.p5 = p5;
  switch (p7) {
    case 1:
      DeriveScheme1(d, p2, p3, p4, p5);
      break;
    case 2:
      DeriveScheme2(d, p3, p4, p5, p6);
      break;
    case 3:
      DeriveScheme3(d, p1, p2, p3, p4, p5, p6);
      break;
    case 4:
      DeriveScheme4(d, p1, p2, p3, p4, p5);
      break;
    case 5:
      DeriveScheme5(d, p1, p2, p3, p4, p6);
      break;
    default:
      throw toolkit::DegenerateDataError("five-link mechanism: no scheme " + std::to_string(p7));
  }
  toolkit::NormalizeIntVector(d.w.data(), 5);
  // The crank's rate scales every answer; no parameter set of the row makes it 0.
  if (d.w[0] == 0) {
    throw toolkit::DegenerateDataError("five-link mechanism: the crank does not turn");
  }
  return d;
}

void BeginGivenPositionVelocitiesProblem(SharedState& s) {
  s.ParboxWidth = 195;
  toolkit::AnsWriteLine(s, "\\tabcolsep=2pt");
  toolkit::AnsBeginTable(s, 11);
  toolkit::AnsWriteLine(
      s,
      "\\No &\\mc{$\\omega_{ABF}$}&\\mc{$\\omega_{AB}$}&\\mc{$\\omega_{BC}$}&\\mc{$\\omega_{BCF}$}"
      "&\\mc{$\\omega_{DB}$}&\\mc{$\\omega_{DF}$}&\\mc{$\\omega_{DE}$}&\\mc{$\\omega_{CE}$}"
      "\\\\ \\hline");
  toolkit::WriteLine(s,
                     "В указанном положении механизма задана угловая скорость одного из его "
                     "звеньев. Длины звеньев даны в сантиметрах. Стержни, направление которых не "
                     "указано, считать вертикальными или горизонтальными. Найти угловые скорости "
                     "звеньев механизма. ");
  toolkit::WriteBookReference(s, 158);
}

void WriteGivenPositionVelocitiesVariant(SharedState& s) {
  const Data d = DeriveGivenPositionVelocities(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  WriteAnswers(s, d);
  figures::ClearPoints(s, d.points);
  for (int i = 1; i <= d.points; ++i) {
    s.PointX[i] = d.x[static_cast<std::size_t>(i)];
    s.PointY[i] = d.y[static_cast<std::size_t>(i)];
  }
  s.BoxWidth = 165;
  s.BoxHeight = 100;
  figures::FitPointsToBox(s, d.points, 0);
  // The picture holds the supports and letters round the fitted joints: hatching and letters
  // reach 11 below the lowest joint and 12 right of the rightmost one.
  toolkit::BeginPicture(s, s.RangeX * s.Scale + 15 + 12, 128, -15, -11);
  figures::DrawNodeMarker(s, 2);
  figures::SetLineWidth(s, 10);
  figures::DrawBar(s, 1, 2);
  switch (d.scheme) {
    case 1:
      DrawScheme1(s, d);
      break;
    case 2:
      DrawScheme2(s, d);
      break;
    case 3:
      DrawScheme3(s, d);
      break;
    case 4:
      DrawScheme4(s, d);
      break;
    default:
      DrawScheme5(s, d);
      break;
  }
  figures::SetLineWidth(s, 10);
  figures::DrawBar(s, 3, 4);
  figures::SetLineWidth(s, 1);
  figures::DrawNodeMarker(s, 3);
  toolkit::EndPicture(s);
  WriteData(s, d);
}

}  // namespace kinematics
