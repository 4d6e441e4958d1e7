#include "subjects/dynamics/stepped_block_disc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kG = 9.81;

// Picture constants: C's centre, the x of D's centre (close to C, so that the figure leaves
// the data columns their room in the box).
constexpr double kCentreX = 25, kCentreY = 42, kDiscX = 75;

// Levels above 2 are written as level 2: otherwise the answers table would be opened with no
// heading and no rows while the data of level 2 (i_C, m_C) are printed.
int EffectiveLevel(int level) { return std::min(level, 2); }

std::string Int(double x, int w) { return toolkit::FormatFixed(x, w, 0); }

// Scheme table: where the threads of A and B leave C, the height of D's thread and the radii
// of C that carry them (rho_B > 0 when B rises while A descends).
void SetScheme(SteppedBlockVariant& v) {
  const double r = v.rC, R = v.RC;
  switch (v.K) {
    case 1: case 9: v.xA = 15, v.yT = 62, v.xB = 35, v.rhoA = r, v.rhoD = R, v.rhoB = r; break;
    case 2: case 10: v.xA = 5, v.yT = 52, v.xB = 45, v.rhoA = R, v.rhoD = r, v.rhoB = R; break;
    case 3: v.xA = 5, v.yT = 62, v.xB = 15, v.rhoA = R, v.rhoD = R, v.rhoB = -r; break;
    case 4: v.xA = 5, v.yT = 52, v.xB = 15, v.rhoA = R, v.rhoD = r, v.rhoB = -r; break;
    case 5: v.xA = 5, v.yT = 62, v.xB = 35, v.rhoA = R, v.rhoD = R, v.rhoB = r; break;
    default: v.xA = 15, v.yT = 52, v.xB = 45, v.rhoA = r, v.rhoD = r, v.rhoB = R; break;  // 6
  }
}

// Disc table: the arm of D's thread above the contact point, the signed arm of D's centre,
// and the picture heights of D's centre and of the base.
void SetDisc(SteppedBlockVariant& v) {
  const double r = v.rD, R = v.RD, y = v.yT;
  switch (v.D) {
    case 1: v.lambda = r + R, v.rho0 = r, v.yD = y - 10, v.yB0 = y - 15; break;
    case 2: v.lambda = r + R, v.rho0 = R, v.yD = y - 5, v.yB0 = y - 15; break;
    case 3: v.lambda = R - r, v.rho0 = -r, v.yD = y + 10, v.yB0 = y + 5; break;
    case 4: v.lambda = R - r, v.rho0 = R, v.yD = y + 5, v.yB0 = y - 5; break;
    case 5: v.lambda = r, v.rho0 = r, v.yD = y, v.yB0 = y - 5; break;
    default: v.lambda = 2 * r, v.rho0 = r, v.yD = y - 5, v.yB0 = y - 10; break;  // 6
  }
}

void SolveKineticEnergyTheorem(SteppedBlockVariant& v, int p5) {
  const double kD = v.rhoD / v.rhoA / v.lambda;
  const double lift = v.mB * v.rhoB / v.rhoA;
  v.mA = toolkit::RoundHalfEven(1.5 * (kD * v.mD * v.delta + std::fabs(lift))) + p5;
  v.workA = (std::sin(v.alpha) - v.f * std::cos(v.alpha)) * kG * v.S * v.mA;
  v.workB = -lift * kG * v.S;
  v.workD = -kD * v.mD * kG * v.delta * 0.1 * v.S;
  v.muB = std::pow(v.rhoB / v.rhoA, 2) * v.mB;
  v.muC = v.level == 1 ? 0 : std::pow(v.iC / v.rhoA, 2) * v.mC;
  v.muD = (std::pow(v.iD * kD, 2) + std::pow(v.rho0 * kD, 2)) * v.mD;
  const double mu = v.mA + v.muB + v.muC + v.muD;
  v.v = std::sqrt(2 * (v.workA + v.workB + v.workD) / mu);
}

void SolveTwoDofAcceleration(SteppedBlockVariant& v, int p5) {
  const double k = v.rhoD / v.rhoA;
  const double kD = k / v.lambda;
  const double lift = v.mB * v.rhoB / v.rhoA;
  v.mA = toolkit::RoundHalfEven(1.5 * (kD * v.mD * v.delta + std::fabs(lift))) + p5;
  v.mE = p5;
  v.muB = std::pow(v.rhoB / v.rhoA, 2) * v.mB;
  v.muC = std::pow(v.iC / v.rhoA, 2) * v.mC;
  v.muD = (std::pow(v.iD * kD, 2) + std::pow(v.rho0 * kD, 2)) * v.mD;
  if (v.E) {
    v.a11 = v.mA + v.mE / 2;
    v.a12 = v.mA;
    v.a22 = v.muB + v.muC + v.muD + v.mA + v.mE;
    v.Q1 = v.mA * kG;
    v.Q2 = (v.mA + v.mE - lift) * kG;
  } else {
    const double l = v.lambda;
    v.a11 = v.muB + v.muC + v.muD + v.mA;
    v.a22 = (std::pow(1 - v.rho0 / l, 2) + std::pow(v.iD / l, 2)) * v.mD + v.mE;
    v.a12 = (v.rho0 * (l - v.rho0) - v.iD * v.iD) * k * v.mD / (l * l);
    v.Q1 = (v.mA - lift) * kG;
    v.Q2 = 0;
  }
  const double det = v.a11 * v.a22 - v.a12 * v.a12;
  const double x1 = (v.a22 * v.Q1 - v.a12 * v.Q2) / det;
  const double x2 = (v.a11 * v.Q2 - v.a12 * v.Q1) / det;
  v.aA = v.E ? x1 + x2 : x1;
}

void DefineBaseBox(SharedState& s, int row) {
  toolkit::BeginSaveBox(s, "ochobahie");
  figures::SetLineWidth(s, 1);
  if (row == 8) {
    figures::DrawHatchRowV(s, -1, kDiscX - 10, 0, 20);
  } else {
    figures::DrawHatchRowV(s, -1, kDiscX - 20, -0.5, 30);
  }
  toolkit::EndSaveBox(s);
  s.BlockCentred = false;
}

void DefineBlockCBox(SharedState& s) {
  toolkit::BeginSaveBox(s, "BlokC");
  toolkit::WriteText(s, "\\BrickRed{");
  figures::DrawTwoCircles(s, 20, 40, kCentreX, kCentreY);
  toolkit::WriteText(s, "}");
  figures::PutBlueLabel(s, "$C$", 5, 57);
  figures::PutHingeBox(s, kCentreX, kCentreY);
  toolkit::EndSaveBox(s);
}

void DefineTrolleyBox(SharedState& s) {
  toolkit::BeginSaveBox(s, "telezka");
  figures::SetLineWidth(s, 4);
  figures::DrawRotatedBlock(s, 5, -5, 8, 0, 33, 6.5);
  figures::SetLineWidth(s, 1);
  figures::PutBlueLabel(s, "$E$", 30, 10);
  for (const double c : {0.0, 20.0}) {
    figures::DrawTwoCircles(s, 6, 1, c, 3);
    figures::DrawSegment(s, c - 3, 8, c - 1, 3.5);
    figures::LineTo(s, c + 1, 3.5);
    figures::LineTo(s, c + 3, 8);
  }
  toolkit::EndSaveBox(s);
}

void DrawFigure(SharedState& s, const SteppedBlockVariant& v) {
  // The room of everything drawn: C and its letter, D with its letter, the loads below C.
  const double t = v.D <= 4 ? 10 : 5;
  const double top = std::max({kCentreY + 23.5, v.yD + t, v.yD + 13});
  const double bottom = v.E ? -22 : -13;
  toolkit::BeginPicture(s, kDiscX + (v.row == 11 && !v.E ? 38 : 29), top - bottom, -10, bottom);
  figures::PutBox(s, "BlokC", 0, 0);
  if (v.E) {
    figures::DrawLatexLine(s, 0, -1, v.xA, kCentreY, 36);
    figures::DrawTwoCircles(s, 16, 1, v.xA, 6);
    figures::PutBlueLabel(s, "$E$", v.xA - 14, 10);
    figures::DrawLatexLine(s, 0, -1, v.xA - 8, 6, 18);
    figures::DrawRotatedBlock(s, 5, v.xA - 12.5, -21, 0, 9, 9);
    figures::PutBlueLabel(s, "$A$", s.LineEndX + 8, s.LineEndY + 1);
  } else {
    const double rho = kCentreX - v.xA;
    const double sa = std::sin(v.alpha), ca = std::cos(v.alpha);
    figures::DrawPolarSegment(s, kCentreX - rho * sa, kCentreY - rho * ca, -v.alpha, 32);
    figures::DrawRotatedBlock(s, 5, s.LineEndX + 4.5 * sa, s.LineEndY + 4.5 * ca,
                              -kPi / 2 - v.alpha, 9, 9);
    if (v.K >= 9) {
      figures::PutBlueLabel(s, "$A$", s.LineEndX + 3, s.LineEndY - 2);
      figures::SetLineWidth(s, 4);
      figures::DrawPolarSegment(s, kCentreX - (rho + 4.5) * sa + 20 * ca,
                                kCentreY - (rho + 4.5) * ca - 20 * sa, -v.alpha, 27);
      figures::SetLineWidth(s, 1);
      const double px = s.LineEndX, py = s.LineEndY;
      figures::DrawLatexLine(s, -1, 0, px, py, 20);
      figures::DrawLabelledArc(s, 0, "$60^\\circ$", 2, px, py, 2 * kPi / 3, kPi, 10);
      figures::DrawHatchTicks(s, 6, px - 1, py + 1.73, -0.5, 0.866, 2, 8);
    } else {
      figures::PutBlueLabel(s, "$A$", s.LineEndX - 18, s.LineEndY - 6);
    }
  }
  if (v.K <= 6) {
    figures::DrawLatexLine(s, 0, -1, v.xB, kCentreY, 45);
    figures::DrawRotatedBlock(s, 5, v.xB - 4.5, -12, 0, 9, 9);
    figures::PutBlueLabel(s, "$B$", v.xB + 7, -5);
  }
  figures::DrawLatexLine(s, 1, 0, kCentreX, v.yT, kDiscX - kCentreX);
  figures::DrawTwoCircles(s, 10, 1, kDiscX, v.yD);
  if (v.row == 11 && !v.E) {
    figures::PutBox(s, "ochobahie", 0, v.yB0 - 15);
    figures::PutBox(s, "telezka", kDiscX - 15, v.yB0 - 15);
  } else {
    figures::PutBox(s, "ochobahie", 0, v.yB0);
  }
  if (v.D <= 4) figures::DrawCircle(s, kDiscX, v.yD, 20);
  figures::PutBlueLabel(s, "$D$", kDiscX + 10, v.yD + 5);
  toolkit::EndPicture(s);
}

void WriteDataText(SharedState& s, const SteppedBlockVariant& v) {
  toolkit::WriteLine(s, "\\hfill\\parbox[b]{60pt}{\\small$r_c$=" + Int(v.rC, 3) +
                            "~см,\\\\ $R_c$=" + Int(v.RC, 3) + "~см,\\\\");
  if (v.muC != 0) toolkit::WriteTextNumberLn(s, "$i_c$=", v.iC, "~см,\\\\");
  if (v.D <= 4) {
    toolkit::WriteLine(s, " $r_D$=" + Int(v.rD, 3) + "~см,\\\\ $R_D$=" + Int(v.RD, 3) +
                              "~см,\\\\ $i_D$=" + toolkit::FormatFixed(v.iD, 4, 0) +
                              "~см.\\\\ ");
  } else {
    toolkit::WriteTextNumberLn(s, " $r_D$=", v.rD, "~см,\\\\  ");
  }
  if (v.row == 11) {
    toolkit::WriteTextNumberLn(s, "}\\hskip1mm\\parbox[b]{50pt}{\\small $m_A$=", v.mA,
                               "~кг,\\\\ ");
    toolkit::WriteTextNumberLn(s, " $m_B$=", v.mB, "~кг,\\\\ ");
    toolkit::WriteLine(s, " $m_C$=" + Int(v.mC, 2) + "~кг, \\\\ $m_D$=" + Int(v.mD, 2) +
                              "~кг,\\\\ $m_E$=" + Int(v.mE, 2) + "~кг.\\\\");
    if (v.D <= 4) toolkit::WriteText(s, " \\rule{0pt}{20pt}");
    toolkit::WriteLine(s, "}} \\rule{0pt}{20pt}");
    return;
  }
  toolkit::WriteLine(s, "\\raggedright\\par }\\hskip2mm\\parbox[b]{60pt}{\\small");
  if (v.K >= 9) toolkit::WriteTextNumberLn(s, " $f$=", v.f, ",\\\\");
  if (v.level == 2) toolkit::WriteTextNumberLn(s, "$\\delta$=", v.delta, "~мм,\\\\ ");
  toolkit::WriteTextNumberLn(s, "  $m_A$=", v.mA, "~кг,\\\\ ");
  if (v.mB != 0) toolkit::WriteTextNumberLn(s, " $m_B$=", v.mB, "~кг,\\\\");
  if (v.muC != 0) toolkit::WriteTextNumberLn(s, "$m_C$=", v.mC, "~кг,\\\\");
  if (v.mD != 0) toolkit::WriteTextNumberLn(s, "$m_D$=", v.mD, "~кг.\\\\ ");
  if (v.D <= 4) toolkit::WriteText(s, "\\rule{0pt}{20pt}");
  toolkit::WriteText(s, "}}\\vskip3.1mm");
}

void WriteAnswersRow(SharedState& s, const SteppedBlockVariant& v) {
  using toolkit::FormatFixed;
  const int n = toolkit::PrintedVariantNumber(s);
  std::string row;
  if (v.row == 8) {
    row = " " + Int(n, 2) + "&" + FormatFixed(v.muB, 7, 3) + "&";
    if (v.level == 2) row += FormatFixed(v.muC, 7, 3) + "&";
    row += FormatFixed(v.muD, 8, 3) + "&" + FormatFixed(v.workA, 9, 3) + "&" +
           FormatFixed(v.workB, 9, 3) + "&";
    if (v.level == 2) row += FormatFixed(v.workD, 8, 3) + "&";
    row += FormatFixed(v.v, 7, 3);
  } else {
    row = Int(n, 2) + "&" + FormatFixed(v.a11, 8, 3) + "&" + FormatFixed(v.a12, 8, 3) + "&" +
          FormatFixed(v.a22, 8, 3) + "&" + FormatFixed(v.Q1, 9, 3) + "&" +
          FormatFixed(v.Q2, 9, 3) + "&" + FormatFixed(v.aA, 8, 3);
  }
  toolkit::AnsWrite(s, row);
}

}  // namespace

SteppedBlockVariant DeriveSteppedBlockVariant(int row, int p1, int p2, int p3, int p4, int p5,
                                              int level) {
  SteppedBlockVariant v;
  v.row = row;
  v.level = EffectiveLevel(level);
  v.E = row == 11 && p2 > 3;
  v.D = (p1 - 1) % 6 + 1;
  v.K = (p1 - 1) / 6 + 1;
  if (v.K == 7 || v.K == 8) v.K = 13 - v.K;
  v.mB = v.K <= 6 ? p3 / 3 + p5 / 3 + 1 : 0;
  v.mC = p4 / 3 + p5 + 2;
  v.mD = p4 + 2;
  v.rC = 2 * p2 + 10;
  v.RC = p4 + 23 + 2 * p2;
  v.iC = 2 * p2 + 24;
  v.rD = p3 + 10;
  v.RD = p3 + 17 + p4 / 2;
  v.iD = v.D >= 5 ? v.rD / std::sqrt(2.0) : p5 / 3 + p3 + 14;
  v.delta = v.level == 2 ? p5 / 3 + 1 : 0;
  v.alpha = kPi / 2;
  v.f = 0;
  if (v.K >= 9) {
    v.alpha = kPi / 3;
    v.f = p4 / 10.0;
  }
  SetScheme(v);
  SetDisc(v);
  if (row == 8) {
    SolveKineticEnergyTheorem(v, p5);
  } else {
    SolveTwoDofAcceleration(v, p5);
  }
  return v;
}

void BeginEnergyAndGeneralEquationProblem(SharedState& s, int row) {
  const int level = EffectiveLevel(s.Level);
  s.ParboxWidth = 205;
  DefineBaseBox(s, row);
  DefineBlockCBox(s);
  figures::DefineSpringBoxRight(s, 3, 5, 2, 9, "k");
  const char* radii = level == 2 ? " Радиусы  инерции  $i_C$, $i_D$." : " Радиус  инерции $i_D$.";
  if (row == 8) {
    toolkit::WriteLine(
        s,
        " Механическая  система  с  одной  степенью свободы состоит  из  тел,  совершающих  "
        "плоское  движение.  Под  действием  сил  тяжести система из состояния покоя  "
        "приходит в движение. Какую скорость приобретет груз $A$,  переместившись (вверх или "
        "вниз) на $S=1$~ м? Качение  цилиндра  {\\rm(}или  блока{\\rm)}  происходит  без ");
    toolkit::WriteText(s, level == 2 ? "проскальзывания с  коэффициентом  трения  качения "
                                       "$\\delta$. "
                                     : "проскальзывания.");
    toolkit::WriteLine(s, " Коэффициент трения  скольжения  $f$.");
    toolkit::WriteLine(s, radii);
    toolkit::WriteLine(s, " Внешние радиусы $R_C$, $R_D$,  внутренние  $r_C$,  $r_D$.");
    toolkit::WriteBookReference(s, 247);
    toolkit::AnsBeginTable(s, 8);
    toolkit::WriteLine(s, "\\tabcolsep=3pt ");
    toolkit::AnsWrite(s, level == 2 ? "\\No\\ru &\\mc{$\\mu_B$}&\\mc{$\\mu_C$}&\\mc{$\\mu_D$}"
                                      "&\\mc{$A_A$}&\\mc{$A_B$}&\\mc{$A_D$}&\\mc{$v$}\\\\\\hline"
                                    : "\\No\\ru &\\mc{$\\mu_B$}&\\mc{$\\mu_D$}&\\mc{$A_A$}"
                                      "&\\mc{$A_B$}&\\mc{$v$}\\\\\\hline");
    return;
  }
  DefineTrolleyBox(s);
  toolkit::WriteLine(
      s,
      " Механическая  система  с идеальными стационарными связями имеет две степени свободы "
      "и состоит из пяти тел. Блок  (или  однородный  цилиндр)  $D$  катится  без  "
      "проскальзывания  по неподвижной горизонтальной плоскости или  по  подвижной  тележке  "
      "массой  $m_E$. Массой колес тележки пренебречь. Грузы $A$, $B$ и ось однородного "
      "цилиндра $E$ перемещаются вертикально под действием сил тяжести. ");
  toolkit::WriteLine(s, radii);
  toolkit::WriteLine(s,
                     " Внешние радиусы $R_C$, $R_D$,  внутренние  $r_C$,  $r_D$.  Найти ускорение "
                     "груза $A$.");
  toolkit::WriteBookReference(s, 247);
  toolkit::AnsBeginTable(s, 9);
  toolkit::AnsWrite(s,
                    "\\No\\ru &\\mc{$a_{11}$}&\\mc{$a_{12}$}&\\mc{$a_{22}$}&\\mc{$Q_1$}"
                    "&\\mc{$Q_2$}&\\mc{$a_A$}\\\\\\hline");
}

void WriteEnergyAndGeneralEquationVariant(SharedState& s, int row) {
  toolkit::WriteText(s, "\\vbox{");
  const SteppedBlockVariant v =
      DeriveSteppedBlockVariant(row, s.P1, s.P2, s.P3, s.P4, s.P5, s.Level);
  WriteAnswersRow(s, v);
  DrawFigure(s, v);
  WriteDataText(s, v);
}

}  // namespace dynamics
