#include "subjects/statics/shaft_equilibrium.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// Savebox and half-width along the shaft of each kind of part.
const toolkit::IndexedArray<const char*, 1, 5> ShaftElementBoxes = [] {
  toolkit::IndexedArray<const char*, 1, 5> t;
  t[1] = "axhing";
  t[2] = "axhing";
  t[3] = "scillit";
  t[4] = "scilbig";
  t[5] = "baraban";
  return t;
}();
const toolkit::IndexedArray<double, 1, 5> ShaftElementHalfWidth = [] {
  toolkit::IndexedArray<double, 1, 5> t;
  t[1] = 3;
  t[2] = 3;
  t[3] = 6.5;
  t[4] = 8.5;
  t[5] = 6.5;
  return t;
}();

constexpr double kDegree = std::numbers::pi / 180;

// A pulley of radius r with its belt run off along the shaft's direction, label at its hub.
void DefinePulleyBox(SharedState& s, double r, double w, const char* label) {
  BeginPicture(s, 6, 6, 0, 0);
  DrawCircle(s, 0, 0, 2 * r);
  DrawSegment(s, -0.4472 * r, 0.8944 * r, -0.4472 * r + 2 * w, 0.8944 * r + w);
  DrawSegment(s, 0.4472 * r, -0.8944 * r, 0.4472 * r + 2 * w, -0.8944 * r + w);
  for (int i = 1; i <= 15; ++i) {
    const double th = 0.20943951 * i - 1.1071963;
    LineTo(s, r * std::cos(th) + 2 * w, r * std::sin(th) + w);
    if (i == 10) WriteLine(s, "");
  }
  DrawFilledCircle(s, 0, 0, 2);
  PutLabel(s, label, 2.5, 0.7);
  EndSaveBox(s);
}

// The cargo on its wire, written into the drum's box before the pulley's picture.
void DrawCargoBlock(SharedState& s) {
  SetLineWidth(s, 3);
  MoveTo(s, 14, 0);
  LineTo(s, 14, -16);
  MoveTo(s, 9, -17);
  const double block[][2] = {{13, -15}, {19, -15}, {19, -18}, {15, -20},
                             {15, -17}, {9, -17},   {9, -20},  {15, -20}};
  for (const auto& p : block) LineTo(s, p[0], p[1]);
  MoveTo(s, 15, -17);
  LineTo(s, 19, -15);
  PutBlueLabel(s, "$Q$", 20, -15);
}

void DefineShaftBoxes(SharedState& s) {
  WriteText(s, "\\newsavebox{\\scilbig}\\sbox{\\scilbig}{");
  DefinePulleyBox(s, 18, 2, "1");
  WriteText(s, "\\newsavebox{\\scillit}\\sbox{\\scillit}{");
  DefinePulleyBox(s, 14, 2, "2");
  WriteText(s, "\\newsavebox{\\baraban}\\sbox{\\baraban}{");
  DrawCargoBlock(s);
  DefinePulleyBox(s, 14, 2, "3");
  WriteText(s, "\\newsavebox{\\axhing}\\sbox{\\axhing}{");
  PutBracedText(s, "\\oval(8,8)[t]", 0, 0);
  PutBracedText(s, "\\oval(8,8)[tr]", 2, 1);
  DrawFilledCircle(s, 0, 0, 1);
  DrawCircle(s, 0, 0, 3);
  DrawSegment(s, 4, 0, 6, -4);
  LineTo(s, 8, -3);
  DrawSegment(s, -4, 0, -6, -4);
  const double outline[][2] = {{-10, -4}, {-10, -6}, {10, -6}, {10, -4},
                               {12, -3},  {12, -5},  {10, -6}};
  for (const auto& p : outline) LineTo(s, p[0], p[1]);
  DrawSegment(s, 6, 1, 8, -3);
  LineTo(s, 12, -3);
  MoveTo(s, -10, -4);
  LineTo(s, -8, -3);
  LineTo(s, -6, -3);
  DrawSegment(s, 6, -4, 10, -4);
  DrawSegment(s, -1.5, 4, 1, 5);
  DrawHatchTicks(s, 9, -10, -6, 1, 0, 2, 20);
  WriteLine(s, "}%");
}

void PutShaftElement(SharedState& s, int kind, double u) {
  WriteLine(s, "%");
  PutBox(s, ShaftElementBoxes[kind], 2 * u, u);
}

// The belt forces at pulley 2 (picture position u): T1 down and T2 slanted, or T2 across and
// T1 slanted.
void DrawBeltForces(SharedState& s, double u, int p2) {
  if (p2 <= 2) {
    DrawThickRedVector(s, 0, -1, 2 * u + 14, u, 17);
    PutLabel(s, "$\\vec T_1$", 2 * u + 16, u - 15);
    DrawThickRedVector(s, -2, 1, 2 * u + 6.2608, u + 12.5216, 22);
    DrawDashedLineMultiput(s, 4, 2 * u, u + 14, 2 * u - 20, u + 14);
    PutLabel(s, "$\\vec T_2$", 2 * u - 15, u + 27);
    DrawSegment(s, 2 * u, u, 2 * u + 6.2608, u + 12.5216);
    DrawLabelledArc(s, 0, "$\\alpha$", 1, 2 * u + 6.2608, u + 12.5216, 2.6779927, 3.0415927, 12);
  } else {
    DrawThickRedVector(s, 1, 0, 2 * u, u - 14, 20);
    PutLabel(s, "$\\vec T_2$", 2 * u + 17, u - 11);
    const double x0 = 2 * u - 12.5216, y0 = u + 6.2608;
    DrawDashedLineMultiput(s, 4, x0, y0, x0, y0 + 14);
    DrawLabelledArc(s, 0, "$\\alpha$", 1, x0, y0, 1.1071963, std::numbers::pi / 2, 12);
    DrawThickRedVector(s, 1, 2, x0, y0, 7);
    DrawSegment(s, x0, y0, 2 * u, u);
    PutLabel(s, "$\\vec T_1$", x0 - 10, y0 + 12);
  }
}

// The drag F and the pressure N at pulley 1 (picture position u).
void DrawPulleyForces(SharedState& s, double u, int p5) {
  if (p5 == 1 || p5 == 5) {
    DrawThickRedVector(s, -1, 0, 2 * u, u + 18, 15);
    PutLabel(s, "$\\vec F$", 2 * u - 18, u + 19);
    DrawThickRedVector(s, 0, -1, 2 * u, u + 30, 12);
    PutLabel(s, "$\\vec N$", 2 * u + 3, u + 24);
    DrawDashedLineMultiput(s, 3, 2 * u, u, 2 * u, u + 18);
  } else {
    DrawThickRedVector(s, 0, 1, 2 * u - 18, u, 20);
    PutLabel(s, "$\\vec F$", 2 * u - 25, u + 18);
    PutLabel(s, "$\\vec N$", 2 * u - 28, u + 3);
    DrawThickRedVector(s, 1, 0, 2 * u - 31, u, 12);
    DrawDashedLineMultiput(s, 3, 2 * u - 18, u, 2 * u, u);
  }
}

// Picture positions u_1..u_5 of the parts along the shaft.
std::array<double, 6> PicturePositions(const ShaftVariant& v) {
  std::array<double, 6> u{};
  for (int j = 1; j < 5; ++j) u[j + 1] = u[j] + ShaftElementHalfWidth[v.kind_at[j]] + 12;
  return u;
}

}  // namespace

ShaftVariant DeriveShaftVariant(int p1, int p2, int p3, int p4, int p5, int variant) {
  ShaftVariant v;
  v.m = p4 <= 2 ? 1 : 2;
  v.a = 2 * v.m + 20;
  v.b = v.a + p5;
  v.c = v.b + p3;
  v.d = v.a + p2;
  v.T1 = 10 * (p1 + 2);
  v.T2 = (p5 == 1 || p5 == 5) ? v.T1 / 2 + p4 : 2 * v.T1 - p5;
  v.P2 = 10 * p3;
  v.P3 = 4 * v.m + 10 * p3;
  v.P1 = 2 * p2 + v.P3;
  v.Q = 4 * p5 + 6;
  v.G = 5 * p1 + 10;
  v.alpha = 15 * p3 + 15;
  v.R2 = 2 * (p3 + 3);
  v.R3 = v.R2 + v.m;
  v.R1 = 4 * p2 + v.R2 + 2;
  v.f = 0.1 * p4;
  v.s = (p5 == 1 || p5 == 5) ? 1 : -1;

  // Order along the shaft: each candidate, moved on past kinds already placed.
  const int candidates[5] = {p1, p2, p3, v.m, 1};
  std::array<bool, 7> placed{};
  for (int j = 1; j <= 5; ++j) {
    int k = candidates[j - 1];
    while (k <= 5 && placed[static_cast<std::size_t>(k)]) ++k;
    if (k > 5) throw toolkit::DegenerateDataError("shaft: no free part for position " +
                                                  std::to_string(j));
    placed[static_cast<std::size_t>(k)] = true;
    v.kind_at[static_cast<std::size_t>(j)] = k;
    v.position_of[static_cast<std::size_t>(k)] = j;
  }

  // Moment about the shaft's axis gives F; a negative drag is made positive by raising the
  // cargo (s = +1) or the slack belt force (s = -1), as printed.
  auto drag = [&] { return v.s * (v.Q * v.R3 + (v.T1 - v.T2) * v.R2) / double(v.R1); };
  v.F = drag();
  while (v.F < 0) {
    if (v.s == 1) ++v.Q;
    else ++v.T2;
    v.raised = true;
    v.F = drag();
  }
  v.N = v.F / v.f;

  // Positions along the shaft (cm) and the loads (x, z) of pulley 2, pulley 1, the drum and
  // the shaft's own weight.
  const double along[6] = {0, 0, double(v.a), double(v.a + v.b), double(v.a + v.b + v.c),
                           double(v.a + v.b + v.c + v.d)};
  auto at = [&](int kind) { return along[v.position_of[static_cast<std::size_t>(kind)]]; };
  const double al = v.alpha * kDegree;
  double lx[4], lz[4];
  const double zs[4] = {at(3), at(4), at(5), along[5] / 2};
  if (p2 <= 2) {
    lx[0] = -v.T2 * std::cos(al);
    lz[0] = v.T2 * std::sin(al) - v.T1 - v.P2;
  } else {
    lx[0] = v.T1 * std::sin(al) + v.T2;
    lz[0] = v.T1 * std::cos(al) - v.P2;
  }
  if (v.s == 1) {
    lx[1] = -v.F;
    lz[1] = -v.N - v.P1;
  } else {
    lx[1] = v.N;
    lz[1] = v.F - v.P1;
  }
  lx[2] = 0;
  lz[2] = -v.Q - v.P3;
  lx[3] = 0;
  lz[3] = -v.G;
  // Each hinge's reaction from the moment about the other hinge.
  const double zA = at(1), zB = at(2);
  auto reaction = [&](const double* load, double zt, double zo) {
    double sum = 0;
    for (int i = 0; i < 4; ++i) sum += (zs[i] - zo) * load[i];
    return -sum / (zt - zo);
  };
  v.XA = reaction(lx, zA, zB);
  v.ZA = reaction(lz, zA, zB);
  v.XB = reaction(lx, zB, zA);
  v.ZB = reaction(lz, zB, zA);
  const double sum_x = v.XA + v.XB + lx[0] + lx[1] + lx[2] + lx[3];
  const double sum_z = v.ZA + v.ZB + lz[0] + lz[1] + lz[2] + lz[3];
  for (double sum : {sum_x, sum_z}) {
    if (std::fabs(sum) > 1e-4) {
      throw toolkit::DegenerateDataError("Shaft (statics row 19), variant " +
                                         std::to_string(variant) +
                                         ": the force balance leaves sum = " +
                                         toolkit::FormatFixed(sum, 7, 4));
    }
  }
  return v;
}

void BeginShaftEquilibriumProblem(SharedState& s) {
  s.ParboxWidth = 360;
  DefineShaftBoxes(s);
  AnsBeginTable(s, 6);
  AnsWriteLine(s, " & $N$&$ X_A  $&$  Z_A $&$  X_B $&$   Z_B$\\\\\\hline");
  WriteLine(s,
            " Horizontal shaft weight $G$ can be rotated in the cylindrical hinges $A$ and $B$. "
            "Pulley attached to a normal pressure of $N$ and  tangential drag force $F$, which is "
            "proportional to $N$. On the pulley 2");
  WriteLine(s,
            " act the belt forces $T_1$ and $T_2$. Cargo $Q$ hangs on wire,      wound on the "
            "pulley 3. Determine the pressure of $N$ and the reaction joints in the condition  of "
            "equilibrium of the shaft (in N). Take into account the weight of the pulleys  $P_1$, "
            "$P_2$, $P_3$. All loads are in the vertical plane. Forces are in N, dimensions in "
            "cm. \\vskip2mm");
  WriteBookReference(s, 94);
}

void WriteShaftEquilibriumVariant(SharedState& s) {
  const ShaftVariant v = DeriveShaftVariant(s.P1, s.P2, s.P3, s.P4, s.P5,
                                            toolkit::PrintedVariantNumber(s));
  WriteText(s, "\\par ");
  // The shaft rises to the right with the forces on its pulleys above it: the picture holds
  // all of it, the data column standing at the right of the variant's box.
  BeginPicture(s, 275, 121, -40, -21);
  const std::array<double, 6> u = PicturePositions(v);
  const char* letters[] = {"a", "b", "c", "d"};
  for (int j = 1; j <= 5; ++j) {
    const int kind = v.kind_at[static_cast<std::size_t>(j)];
    const double uj = u[static_cast<std::size_t>(j)];
    PutShaftElement(s, kind, uj);
    if (j < 5) {
      const double un = u[static_cast<std::size_t>(j + 1)];
      const double h = ShaftElementHalfWidth[kind];
      SetLineWidth(s, 12);
      DrawSegment(s, 2 * uj + 2 * h, uj + h, 2 * un, un);
    }
    SetLineWidth(s, 3);
    DrawSegment(s, 2 * uj + 75, uj, 2 * uj + 88, uj);
    if (j < 5) {
      const double un = u[static_cast<std::size_t>(j + 1)];
      PutLabel(s, std::string(" $ ") + letters[j - 1] + " $", uj + un + 79, (uj + un) / 2);
    }
  }
  DrawSegment(s, 2 * u[1] + 85, u[1], 2 * u[5] + 85, u[5]);
  WriteLine(s, "% Оси ");
  DrawDashedLineMultiput(s, 4, 0, 0, 24, 0);
  DrawVector(s, 1, 0, 24, 0, 1);
  // Past the arrow's tip, clear of the belt force's label of a pulley at the first place.
  PutBlueLabel(s, "$x$", 27, -7);
  DrawDashedLineMultiput(s, 6, 0, 0, 0, 45);
  DrawVector(s, 0, 1, 0, 45, 1);
  PutBlueLabel(s, "$z$", -6, 45);
  DrawDashedLineMultiput(s, 4, 2 * u[5], u[5], 2 * u[5] + 28, u[5] + 14);
  DrawVector(s, 2, 1, 2 * u[5] + 28, u[5] + 14, 1);
  PutBlueLabel(s, "$y$", 2 * u[5] + 29, u[5] + 17);
  WriteLine(s, "% Оси end ");
  const double uA = u[static_cast<std::size_t>(v.position_of[1])];
  const double uB = u[static_cast<std::size_t>(v.position_of[2])];
  PutLabel(s, "$A$", 2 * uA - 13, uA - 1);
  PutLabel(s, "$B$", 2 * uB - 13, uB - 2);
  DrawBeltForces(s, u[static_cast<std::size_t>(v.position_of[3])], s.P2);
  DrawPulleyForces(s, u[static_cast<std::size_t>(v.position_of[4])], s.P5);
  EndPicture(s);

  WriteLine(s, "\\hfill\\parbox[b]{110pt}{\\small");
  WriteTextNumberLn(s, "$F=", v.f, "N,$ ");
  WriteTextNumberLn(s, "$ T_1=", v.T1, "$, \\\\");
  WriteTextNumberLn(s, "$ T_2=", v.T2, "$, ");
  WriteTextNumberLn(s, "$ P_1=", v.P1, "$, \\\\");
  WriteTextNumberLn(s, "$ P_2=", v.P2, "$, ");
  WriteTextNumberLn(s, "$ P_3=", v.P3, "$,\\\\ ");
  WriteTextNumberLn(s, "$ Q=", v.Q, "$, ");
  WriteTextNumberLn(s, "$ G=", v.G, "$,\\\\ ");
  WriteTextNumberLn(s, "$ \\alpha=", v.alpha, "^\\circ,$ ");
  WriteTextNumberLn(s, "$ R_1=", v.R1, "$,\\\\ ");
  WriteTextNumberLn(s, "$ R_2=", v.R2, "$, ");
  WriteTextNumberLn(s, "$ R_3=", v.R3, "$,\\\\ ");
  WriteTextNumberLn(s, "$a=", v.a, "$,");
  WriteTextNumberLn(s, "$b=", v.b, "$,\\\\");
  WriteTextNumberLn(s, "$c=", v.c, "$, ");
  WriteTextNumberLn(s, "$d=", v.d, "$.\\\\\\rule{0pt}{5.1pt}}\\vskip2mm");

  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                  toolkit::FormatFixed(v.N, 9, 3) + "&" + toolkit::FormatFixed(v.XA, 9, 3) +
                  "&" + toolkit::FormatFixed(v.ZA, 9, 3) + "&" + toolkit::FormatFixed(v.XB, 9, 3) +
                  "&" + toolkit::FormatFixed(v.ZB, 9, 3));
}

}  // namespace statics
