#include "subjects/dynamics/unknown_parameter_mechanism.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kG = 9.81;
constexpr int kVelocityCap = 130;

// Savebox of A, by its kind.
constexpr const char* kBoxOfA[] = {"gruz",  "cilindr", "blokA",      "blka",
                                   "vertgruz", "cilin", "vertgruzAD", "blkb"};

bool OneOf(int x, std::initializer_list<int> values) {
  return std::find(values.begin(), values.end(), x) != values.end();
}

std::string Fixed(double x, int w, int d) { return toolkit::FormatFixed(x, w, d); }

void SetLayout(UnknownParameterVariant& v) {
  v.yC = v.p1 == 3 ? 36 : 12;
  v.xC = v.p1 == 3 ? 14 : 60;
  const bool odd = v.e == 1;
  switch (v.p1) {
    case 1: v.yT = v.yC + 14, v.y0 = v.yC - 8, v.h = odd ? 16 : 8; break;
    case 2: v.yT = v.yC + 8, v.y0 = v.yC - 14, v.h = odd ? 6 : 14; break;
    case 3: v.yT = v.yC - 14, v.y0 = v.yC - 8, v.h = odd ? 16 : 8; break;
    default: v.yT = v.yC - 8, v.y0 = v.yC - 14, v.h = odd ? 22 : 14; break;  // 4
  }
  v.rhoDpic = v.p3 == 2 ? static_cast<int>(v.h) / 2 : v.h;
  v.yD = v.y0 + v.h - (v.p3 - 1) * v.rhoDpic;
  v.b = v.p3 == 3 ? v.h : 0;
  v.LD = v.rhoDpic + 14 - v.b + 5;
  v.xD = v.p1 == 3 ? v.xC + v.LD : v.xC - v.LD - v.b;
  v.rD = v.p3 * v.rhoDpic;
  v.lambdaC = std::fabs(v.yT - v.y0) * v.p3;
  v.rhoC = std::fabs(v.yC - v.y0) * v.p3;
}

// The energy balance: masses, given values, m_A, the stated velocity, the unknown parameter
// and the velocity under the changed condition.
void SolveUnknownParameterMechanism(UnknownParameterVariant& v) {
  const int KA = v.KA, p1 = v.p1, p3 = v.p3, p4 = v.p4, p5 = v.p5;
  if (KA <= 3) {
    v.mC = 20 * (v.e + p3);
    v.mB = (p5 + 15) * p3 + 40 * (KA - 1) * p1;
    v.mD = 30 * p1;
  } else {
    v.mC = p5 + 1;
    v.mB = 3 * p4;
    v.mD = 4 * p3;
  }
  const double sa = std::sin(v.alpha), ca = std::cos(v.alpha);
  switch (KA) {
    case 1: v.gA = sa - v.f * ca; break;
    case 2: case 6: v.gA = sa - 0.1 * v.delta / v.rA * ca; break;
    case 3: case 8: v.gA = sa - 0.1 * v.delta / v.RA * ca; break;
    default: v.gA = 1; break;
  }
  switch (KA) {
    case 1: case 2: v.k = 1; break;
    case 3: v.k = (v.RA - v.rA) / v.RA; break;
    case 4: v.k = 2 * v.RB / (v.RB - v.rB); break;
    case 5: v.k = v.RB / v.rB; break;
    case 6: v.k = 2 * v.RB / v.rB; break;
    case 7: v.k = 2; break;
    default: v.k = (v.RB / v.rB) * (v.rA / v.RA + 1); break;  // 8
  }
  const double k = v.k, S = v.S, lc = v.lambdaC;
  double FD = p3 == 3 ? k * v.f * v.mD * v.rD / lc : k * 0.1 * v.delta * v.mD / lc;
  const double FC = k * 0.1 * v.delta * v.mC / lc;
  v.s = k * S * v.rD / lc;
  if (KA == 7) v.s = (p3 == 2 ? 4 : 2) * S * v.rD / lc;
  const double w = KA <= 3 ? 1 : KA == 4 ? 4 : KA == 5 ? 3 : 25;
  v.M = toolkit::RoundHalfEven((FD + FC) * 0.01 * v.RB * kG / k * w * 0.3);
  if (KA == 7) FD = -v.mD;  // D descends with A: its weight drives
  v.c = toolkit::RoundHalfEven((FD + FC) * S * kG * 0.04 * w * 2 / (v.s * v.s));
  if (KA == 4) {
    v.c = p3 / 10.0, v.M = p4;
  } else if (KA >= 5 && KA <= 7) {
    v.c = p3, v.M = 2 * p4;
  } else if (KA == 8) {
    v.c = p3 + p1, v.M = p4 + p1;
  }
  v.givenM = v.M;
  v.givenC = v.c;
  v.workC = -FC * S * kG;
  v.workD = -FD * S * kG;
  v.workS = -0.5 * v.c * v.s * v.s;
  v.workM = -100 * k * S * v.M / v.RB;
  v.z = p4 == 2 ? 1.0 / (p3 + 1) : p4 == 3 ? 1 - p1 / 10.0 : 1;
  const double resist = v.workM + v.workS + v.workD + v.workC;
  v.mA = toolkit::RoundHalfEven(std::fabs(resist) / (v.gA * S * kG)) + 1;

  switch (KA) {
    case 1: case 5: case 7: v.muA = v.mA; break;
    case 2: case 6: v.muA = 1.5 * v.mA; break;
    case 3: case 8: v.muA = (1 + std::pow(v.iA / v.RA, 2)) * v.mA; break;
    default: v.muA = (1 + 2 * std::pow(v.rA / (v.RB - v.rB), 2)) * v.mA; break;  // 4
  }
  v.muB = std::pow(v.iB * k / v.RB, 2) * v.mB;
  v.muC = (std::pow(k * v.iC / lc, 2) + std::pow(k * v.rhoC / lc, 2)) * v.mC;
  const double kd = k * v.rD / lc;
  v.muD = KA == 7 ? 1.5 * v.mD : (p3 == 3 ? 1 : 1.5) * kd * kd * v.mD;
  const double mu = v.muA + v.muB + v.muC + v.muD;

  v.workA = v.gA * S * kG * v.mA;
  const double A = resist + v.workA;
  v.v = static_cast<int>(toolkit::RoundHalfEven(100 * std::sqrt(2 * A / mu)));
  v.v = std::min(v.v, kVelocityCap);

  // The unknown is solved from the stated velocity. A velocity rounded up past what the
  // works allow gives a negative stiffness or friction moment: the stated velocity is then
  // lowered, strictly, until the unknown is not negative.
  const bool moment_unknown = p4 == 1 || p4 == 4;
  for (;;) {
    const double K = 0.00005 * mu * v.v * v.v;
    if (moment_unknown) {
      v.M = 0.01 * (v.workS + v.workD + v.workC + v.workA - K) * v.RB / (k * S);
    } else {
      v.c = 2 * (v.workM + v.workD + v.workC + v.workA - K) / (v.s * v.s);
    }
    if ((moment_unknown ? v.M : v.c) >= 0) break;
    if (v.v <= 1) {
      v.unsolvable = true;
      return;
    }
    v.v = std::min(v.v - 1, static_cast<int>(toolkit::RoundHalfEven(0.8 * v.v)));
    ++v.lowerings;
  }
  double kept = 0;
  if (p4 == 1) {
    kept = v.workS + v.workD + v.workC + v.workA - 100 * k * S * (v.M / v.q) / v.RB;
  } else if (p4 == 4) {
    kept = v.workD + v.workC + v.workA - 100 * k * S * v.M / v.RB;
  } else {
    kept = v.workM + v.workD + v.workC + v.workA - 0.5 * v.s * v.s * v.z * v.c;
  }
  v.vA = 100 * std::sqrt(2 * kept / mu);
}

void DefineBoxes(SharedState& s) {
  using namespace figures;
  toolkit::BeginSaveBox(s, "blokA");
  DrawTwoCircles(s, 16, 8, -15.5, -12.5);
  DrawCircle(s, -15.5, -12.5, 1);
  DrawLineBySlope(s, -14, -16, 2, 1, 18);
  PutBlueLabel(s, "$A$", -28, -23);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "vertgruzAD");
  DrawRotatedBlock(s, 5, -4, -26, 0, 16, 5);
  DrawLatexLine(s, 0, -1, 8, 0, 14);
  DrawLatexLine(s, 0, -1, 0, 0, 14);
  PutBlueLabel(s, "$A$", 12, -26);
  PutBlueLabel(s, "$D$", 9, -17);
  DrawLatexLine(s, 0, -1, 4, -14, 7);
  DrawTwoCircles(s, 8, 1, 4, -14);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "blka");
  DrawCircle(s, 0, 0, 8);
  PutBlueLabel(s, "$A$", -12, -22);
  DrawTwoCircles(s, 12, 1, 2, -20);
  DrawLineBySlope(s, 8, 0, 0, -1, 20);
  DrawLineBySlope(s, -4, 0, 0, -1, 20);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "nakl");
  DrawSegment(s, -24, -26.5, 0, -26.5);
  DrawHatchTicks(s, 6, -12, -20, 2, 1, 4, 16);
  DrawThickLatexLine(s, 2, 1, -24, -26, 27);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "osnbig");
  DrawHatchRowV(s, -1, 0, 0, 74);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "cilindr");
  DrawTwoCircles(s, 8, 1, -10, -14);
  DrawLineBySlope(s, -10, -14, 2, 1, 14);
  PutBlueLabel(s, "$A$", -21, -20);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "cilin");
  DrawTwoCircles(s, 8, 1, -10, -14);
  DrawLineBySlope(s, -11.9, -10.2, 2, 1, 14);
  PutBlueLabel(s, "$A$", -22, -20);
  DrawCircle(s, 0, 0, 8);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "blokC");
  toolkit::WriteText(s, "\\Brown{");
  DrawTwoCircles(s, 16, 1, 0, 0);
  DrawCircle(s, 0, 0, 28);
  PutBlueLabel(s, "$C$", 2, 16);
  toolkit::WriteText(s, "}");
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "gruz");
  DrawRotatedBlock(s, 5, -16, -22, std::atan(0.5), 8, 8);
  DrawLatexLine(s, 2, 1, -10.5, -14.3, 12.5);
  PutBlueLabel(s, "$A$", -25, -22);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "blkb");
  DrawTwoCircles(s, 6, 12, -11, -12.3);
  DrawCircle(s, -11, -12.3, 1);
  DrawLatexLine(s, 2, 1, -12.5, -9.5, 14);
  PutBlueLabel(s, "$A$", -23, -20);
  DrawCircle(s, 0, 0, 6);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "vertgruz");
  DrawRotatedBlock(s, 5, -4, -20, 0, 16, 8);
  DrawLatexLine(s, 0, -1, 4, 0, 12);
  PutBlueLabel(s, "$A$", 12, -18);
  DrawCircle(s, 0, 0, 8);
  toolkit::EndSaveBox(s);

  toolkit::BeginSaveBox(s, "blokb");
  SetLineWidth(s, 3);
  DrawSegment(s, 0.7, 1, 10, 4.8);
  LineTo(s, 10, 5.8);
  LineTo(s, 12, 6.8);
  DrawSegment(s, 0.7, -1, 10, -4.8);
  LineTo(s, 10, -5.8);
  LineTo(s, 12, -6.8);
  SetLineWidth(s, 1);
  DrawHatchRowH(s, 1, 12, -8, 16);
  DrawTwoCircles(s, 16, 2, 0, 0);
  PutBlueLabel(s, "$B$", -16, -2);
  toolkit::EndSaveBox(s);
}

void WriteQuestion(SharedState& s, const UnknownParameterVariant& v) {
  toolkit::WriteTextNumberLn(s, "\\noindent\\parbox[b]{", 1.2 * s.ParboxWidth - 2, "pt}{");
  toolkit::WriteLine(s, "{\\small~Переместившись из состояния покоя");
  toolkit::WriteText(s, OneOf(v.KA, {4, 5, 7}) ? " по вертикали на  "
                                               : " вдоль наклонной плоскости на расстояние ");
  const char* word = OneOf(v.KA, {1, 5, 7}) ? "груз" : OneOf(v.KA, {2, 6}) ? "цилиндр" : "блок";
  toolkit::WriteLine(s, " " + toolkit::FormatNumber(v.S) + "~м, " + word + " $A$ приобретает");
  toolkit::WriteTextNumberLn(s, "  скорость ", v.v, " cм/с.");
  toolkit::WriteLine(s, " Чему будет равна эта скорость, если  ");
  switch (v.p4) {
    case 1:
      toolkit::WriteTextNumberLn(s, "  момент трения на оси $B$ уменьшить в ", v.q,
                                 " раз  ?\\par}");
      break;
    case 2: {
      const char* count = v.p3 == 1 ? "две" : v.p3 == 2 ? "три" : "четыре";
      toolkit::WriteText(s, std::string(" пружину заменить на ") + count +
                                " такие же, соединенные последовательно  ?\\par}");
      break;
    }
    case 3:
      toolkit::WriteTextNumberLn(s, " жесткость пружины уменьшить на ", 10 * v.p1,
                                 "\\%  ?\\par}");
      break;
    default:
      toolkit::WriteText(s, " убрать пружину? Учесть момент трения на оси блока $B$.\\par}");
      break;
  }
  toolkit::WriteLine(s, "}");
}

void DrawFigure(SharedState& s, const UnknownParameterVariant& v) {
  using namespace figures;
  const bool arc_rim = v.p1 == 4 && v.p3 <= 2 && v.e == 1;
  double extra = arc_rim ? 15 : 0;
  if (v.p3 == 3) extra = v.h - 10;
  const double t = v.p1 == 4 && v.p2 == 1 ? 25 : 13;
  // Room below for the hatching under the base, above for D's letter over a large rim.
  const double y_origin = v.p1 == 4 ? -31 : -16;
  const double above = v.p1 == 4 ? 5 : 0;
  toolkit::WriteText(s, "\\unitlength=1.4pt");
  // Wide enough for block B and body A on its incline to the right of C (x up to 127).
  toolkit::BeginPicture(s, 147, v.yC + 14 + t + extra + 21 + above, -20, y_origin);
  PutBox(s, "osnbig", 0, v.y0);
  PutBox(s, "blokC", v.xC, v.yC);
  DrawLatexLine(s, 1, 0, v.xC, v.yT, 46);
  DrawLatexLine(s, v.p1 == 3 ? 1 : -1, 0, v.xC, v.y0 + v.h, v.LD);
  const char* spring = v.p1 == 3 ? "pruzR" : "pruzL";
  if (v.KA == 7) {
    PutBox(s, spring, v.p1 == 3 ? v.xC + v.LD : v.xC - v.LD, v.y0 + v.h);
  } else if (v.p3 == 3) {
    PutBox(s, spring, v.p1 == 3 ? v.xD + v.h : v.xD, v.y0 + v.h);
    DrawRotatedBlock(s, 5, v.xD, v.y0, 0, v.h, 2 * v.h);
    PutBlueLabel(s, "$D$", v.xD + 1, v.y0 + v.h + 1);
  } else {
    PutBox(s, spring, v.xD, v.yD);
    if (arc_rim) {
      DrawArcPolyline(s, 0, v.xD, v.yD, 0, 2 * kPi, v.rhoDpic);
    } else {
      DrawCircle(s, v.xD, v.yD, 2 * v.rhoDpic);
    }
    DrawCircle(s, v.xD, v.yD, 1);
    PutBlueLabel(s, "$D$", v.xD, v.yD + v.rhoDpic + 1);
  }
  const double xB = v.xC + 46, yB = v.yT - 8;
  PutBox(s, "blokb", xB, yB);
  if (OneOf(v.KA, {1, 2, 3, 6, 8})) {
    PutBox(s, "nakl", xB, yB);
    // The drawn incline keeps the slope 1:2 whatever the stated angle.
    DrawLabelledArcArrow(s, 0, std::to_string(v.degrees) + "^\\circ", 4, xB - 24, yB - 26, 0,
                         std::atan(0.5), 14, -1);
  }
  PutBox(s, kBoxOfA[v.KA - 1], xB, yB);
  toolkit::EndPicture(s);
}

void WriteDataText(SharedState& s, const UnknownParameterVariant& v) {
  using toolkit::WriteText2NumbersLn;
  using toolkit::WriteTextNumberLn;
  toolkit::WriteText(s, "\\unitlength=1pt");
  toolkit::WriteText(s, "\\hfill\\parbox[b]{210pt}{\\small");
  toolkit::WriteText3NumbersLn(s, " $m_A=", v.mA, "$~кг, $m_B=", v.mB, "$~кг, $m_C=", v.mC,
                               "$~кг,\\\\ ");
  toolkit::WriteText3NumbersLn(s, " $m_D=", v.mD, "$~кг, $R_B=", v.RB, "$~см, $r_c=", v.rC,
                               "$~см,\\\\");
  WriteText2NumbersLn(s, " $R_c=", v.RC, "$~см, $i_c=", v.iC, "$~см, ");
  if (OneOf(v.KA, {4, 5, 6, 8})) {
    WriteText2NumbersLn(s, "$r_B=", v.rB, "$~см,\\\\ $i_B=", v.iB, "$~см, ");
  }
  if (v.p3 != 3) {
    if (v.KA == 7) {
      toolkit::WriteText(s, "$r_D$=$R_B/2,$ ");
    } else {
      WriteTextNumberLn(s, " $r_D=", v.rD, "$~см,");
    }
  }
  if (OneOf(v.KA, {2, 3, 4, 6, 8})) WriteTextNumberLn(s, " ${r_A=", v.rA, "}$~см, ");
  if (OneOf(v.KA, {3, 8})) {
    WriteText2NumbersLn(s, " ${R_A=", v.RA, "}$~см, ${i_A=", v.iA, "}$~см, ");
  }
  // f = 0.01 would be printed as 0 by the number format, though the solution uses 0.01.
  if (v.KA == 1 || (v.p3 == 3 && v.KA != 7)) {
    toolkit::WriteLine(s, " ${f=" + toolkit::FormatFixed(v.f, 1, 2) + ",}$");
  }
  WriteTextNumberLn(s, " ${\\delta_{fr}{=}", v.delta, "}$~мм, ");
  if (v.p4 == 1 || v.p4 == 4) {
    WriteTextNumberLn(s, " ${c=", v.givenC, "}$~Н/м. ");
  } else {
    WriteTextNumberLn(s, " ${M_{fr.B}=", v.givenM, "}$~Нм.");
  }
  toolkit::WriteText(s, "}");
}

void WriteAnswersRow(SharedState& s, const UnknownParameterVariant& v) {
  std::string row = Fixed(toolkit::PrintedVariantNumber(s), 2, 0);
  if (v.unsolvable) {
    for (int i = 0; i < 10; ++i) row += "&" + std::string(toolkit::kNoValue);
  } else {
    row += "&" + Fixed(v.M, 8, 1) + "&" + Fixed(v.c, 8, 2) + "&" + Fixed(v.muA, 10, 2) + "&" +
           Fixed(v.muB, 9, 3) + "&" + Fixed(v.muC, 9, 3) + "&" + Fixed(v.muD, 8, 3) + "&" +
           Fixed(v.vA, 9, 3) + "&" + Fixed(v.workA, 10, 3) + "&" + Fixed(v.workC, 8, 3) + "&" +
           Fixed(v.workD, 8, 3);
  }
  toolkit::AnsWriteLine(s, row);
}

}  // namespace

UnknownParameterVariant DeriveUnknownParameterVariant(int p1, int p2, int p3, int p4, int p5) {
  UnknownParameterVariant v;
  v.p1 = p1, v.p2 = p2, v.p3 = p3, v.p4 = p4, v.p5 = p5;
  v.KA = (p2 + 1) / 2;
  v.e = p2 % 2 == 1 ? 1 : 2;
  v.degrees = p5 < 5 ? 30 : 45;
  v.alpha = v.degrees * kPi / 180;
  v.f = p5 / 100.0;
  v.delta = v.e + 2 * p3 + 1;
  v.S = v.KA == 4 ? v.e / 2.0 : v.e;
  v.q = p3 + 5;
  v.rC = 8 * p3;
  v.RC = 14 * p3;
  v.iC = 8 * p3 + 4;
  v.RB = 8 * p3 + 1;
  v.rB = v.RB - 1;
  v.rA = v.RB - p1;
  v.RA = p4 + v.rA + 1;
  v.iA = v.rA + 1;
  if (v.KA == 4) {
    v.rB = v.RB - 8;
    v.rA = v.RB - 4;
  }
  v.iB = OneOf(v.KA, {4, 5, 6, 8}) ? v.RB - 1 : v.RB / std::sqrt(2.0);
  SetLayout(v);
  SolveUnknownParameterMechanism(v);
  return v;
}

void BeginUnknownParameterMechanismProblem(SharedState& s, int /*row*/) {
  s.BlockCentred = false;
  s.ParboxWidth = 390;
  toolkit::WriteText(s, "\\unitlength=1.4pt");
  figures::DefineSpringBoxLeft(s, 3, 7, 2, "c");
  figures::DefineSpringBoxRight(s, 3, 5, 2, 4, "c");
  DefineBoxes(s);
  toolkit::AnsWrite(s, "\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 13);
  toolkit::WriteLine(s,
                     " Механическая   система, состоящая из четырех  тел  $A$,  $B$, $C$, $D$ и  "
                     "пружины, под действием внешних сил приходит в движение  из состояния "
                     "покоя.");
  toolkit::WriteLine(s,
                     "  Один из параметров системы (жесткость пружины  $c$ или момент трения "
                     "$M_{fr.B}$  на оси $B$) неизвестен. Учитывается  трение  скольжения   с   "
                     "коэффициентом $f$ и трение качения с коэффициентом $\\delta_{fr}$. Заданы  "
                     "радиусы ");
  toolkit::WriteLine(s,
                     " цилиндра  и  блока.  Радиусы  инерции  даны  для  блоков,  цилиндры  "
                     "считать однородными.");
  toolkit::WriteLine(s,
                     "\\vskip2mm{\\small В таблице ответов даны момент трения на оси $B$ (в "
                     "Нм), жесткость пружины (в Н/м), приведенные массы тел (в кг) и искомая "
                     "скорость (в cм/с).}");
  toolkit::WriteBookReference(s, 257);
  // The last heading cell heads the students' names: outside students mode the rows end
  // with A_D, and an empty heading cell would stand out of the table.
  toolkit::AnsWriteLine(s, std::string("   & $M_{f} $&$ c $&$\\mu_A$&$ \\mu_B$&$ \\mu_C$&$ \\mu_D$&$ "
                           "v_A$ &$A_A$  &$A_C$ &$A_D$") +
                               (s.StudentsMode ? "&" : "") + "\\\\\\hline ");
}

void WriteUnknownParameterMechanismVariant(SharedState& s, int /*row*/) {
  s.BlockCentred = false;
  const UnknownParameterVariant v = DeriveUnknownParameterVariant(s.P1, s.P2, s.P3, s.P4, s.P5);
  if (v.unsolvable) {
    // No stated velocity makes the stiffness non-negative: the variant is marked, not solved.
    toolkit::WriteLine(s, "{\\small Данные варианта не допускают решения.}");
  } else {
    WriteQuestion(s, v);
    DrawFigure(s, v);
    WriteDataText(s, v);
  }
  WriteAnswersRow(s, v);
}

}  // namespace dynamics
