#include "subjects/dynamics/lagrange_acceleration.h"

#include <cstdlib>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

// Dynamics row 13: the Lagrange equation of a mechanism with one degree of freedom lying in a
// horizontal plane, and the acceleration at a given position. Five mechanisms share the row;
// every answer is a fraction of small integers because the given position's sine and cosine
// come from the 3-4-5 triangle. Every mechanism fills the answers row alike: the acceleration
// as a fraction and as a decimal, the generalized force and its decimal, the coefficient A of
// the second derivative at the given position and its decimal, and B, the coefficient of the
// squared velocity (" --- " where the equation has none).

namespace dynamics {

namespace {

constexpr double kPi = std::numbers::pi;

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}

void WriteNumberCell(SharedState& s, const char* after) {
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), after);
}

// Mechanism 1: a piston A on a vertical guide, the rod A-B of length L and a block B on a
// horizontal guide that turns a cylinder of radius r lying on it; the coordinate is the rod's
// angle.
void WritePistonRodBlockVariant(SharedState& s) {
  const int sigma = s.P3 <= 3 ? -1 : 1;
  const int r = s.P7 / 5 + 1;
  const int L = s.P5 / 3 + r + 1;
  int F = 5 * L * (s.P5 / 5 + 1);
  int P = F;
  int Mr = 5 * L * (r - 1);
  if (Mr == 0) Mr = -10 * L;
  const int s5 = (s.P4 + 2) * sigma;
  const int c5 = (5 - s.P4) * sigma;
  if (s.P2 == 1 || s.P2 == 4) s.P6 = 1;  // only the moment acts on these layouts
  int mp = s.P3, mb = s.P3, mc = s.P3, mr = s.P3, m = s.P3;
  switch (s.P2) {
    case 1: mc = 0, mr = 0, m = mb; break;
    case 2: mb = 0, mc = 2 * s.P3, mr = 0, m = mp; break;
    case 3:
      mp = s.P3 / 3 + s.P3 + 2, mb = s.P3, mc = 2 * (mp - mb), mr = 0, m = mp;
      break;
    default: mp = 0, mb = 0, mc = 0, m = mr; break;
  }
  if (s.P6 == 1) {
    F = 0, P = 0;
  } else if (s.P6 == 2) {
    Mr = 0, P = 0;
  } else {
    Mr = 0, F = 0;
  }
  const int M = r * Mr;
  const int Q = -sigma * (F * c5 + (Mr + P) * s5);

  const char* head = "\\parbox[b]{285pt}{ Стержень $AB$ длиной ";
  switch (s.P2) {
    case 1:
      toolkit::WriteText3NumbersLn(s, head, L, "~м   соединяет поршень массой $m_1=$", mp,
                                   "~кг и движущийся брусок  массой $m_2=$ ", mb, "~кг. ");
      break;
    case 2:
      toolkit::WriteText2NumbersLn(s, "\\parbox[b]{285pt}{ Стержень $AB=", L,
                                   "$~м  соединяет поршень массой $m_1=$ ", mp,
                                   "~кг  и движущийся брусок.");
      break;
    case 3:
      toolkit::WriteText3NumbersLn(s, head, L, "~м   соединяет поршень $m_1=$ ", mp,
                                   "~кг и движущийся брусок  массой $m_2=$ ", mb, "~кг. ");
      break;
    default:
      toolkit::WriteText2NumbersLn(s, head, L, "~м  массой $m_1=$", mr,
                                   "~кг соединяет поршень  и движущийся брусок.");
      break;
  }
  if (s.P2 == 2 || s.P2 == 3) {
    toolkit::WriteText2NumbersLn(s, " Брусок вращает цилиндр радиуса ", r,
                                 s.P2 == 2 ? "~м  массой $m_2=$" : "~м  массой $m_3=$", mc,
                                 "~кг. ");
  } else {
    toolkit::WriteTextNumberLn(s, " Брусок вращает цилиндр радиуса ", r, "~м. ");
  }
  if (s.P6 == 1) {
    toolkit::WriteTextNumberLn(s, "К цилиндру приложен момент ", std::abs(M), "~Нм.");
  } else if (s.P6 == 2) {
    toolkit::WriteTextNumberLn(s, "К поршню приложена сила $F=", F, "$~Н.");
  } else {
    toolkit::WriteTextNumberLn(s, "К бруску приложена сила $P=", P, "$~Н. ");
  }
  toolkit::WriteText2NumbersLn(
      s,
      "Механизм расположен в горизонтальной плоскости. Найти угловое ускорение стержня при "
      "$\\sin(\\varphi)= ",
      0.2 * s5, "$, $\\dot\\varphi=", 2, "\\, с^{-1}$.}\\unitlength=1.3pt\\parbox[b]{50pt}{");

  // The figure: A at the origin, B up and right of it, the cylinder's axis above the block.
  figures::SetPointPolar(s, 2, 1, 30, kPi / 6);
  SetPoint(s, 3, s.PointX[2] + 20, s.PointY[2] + 12);
  s.BlockCentred = true;
  const double x1 = s.PointX[1], y1 = s.PointY[1], x2 = s.PointX[2], y2 = s.PointY[2];
  const double x3 = s.PointX[3], y3 = s.PointY[3];
  toolkit::BeginPicture(s, 94.5, 62, -12, -4);
  switch (s.P2) {
    case 1:
      figures::PutLabel(s, "1", -6, 32);
      figures::PutLabel(s, "2", 55, 10);
      break;
    case 2:
      figures::PutLabel(s, "1", -6, 32);
      figures::PutLabel(s, "2", 50, 31);
      break;
    case 3:
      figures::PutLabel(s, "1", -6, 32);
      figures::PutLabel(s, "2", 55, 10);
      figures::PutLabel(s, "3", 45, 31);
      break;
    default: figures::PutLabel(s, "1", 9, 7); break;
  }
  figures::SetLineWidth(s, 8);
  figures::DrawBar(s, 1, 2);
  figures::DrawLineBySlope(s, x1 - 2, y1 + 41, 1, 0, 4);
  figures::DrawLineBySlope(s, x1, y1 + 1, 0, 1, 40);
  figures::SetLineWidth(s, 1);
  if (s.P6 == 1) {
    figures::PutNamedBoxBySign(s, toolkit::SignOf(M), 3, "MomentpLeftmm", "MomentpLeft");
    figures::PutLabel(s, "M", x3 + 11, y3 + 8);
  } else if (s.P6 == 2) {
    figures::DrawThickRedForce(s, 0, 1, "$\\vec F$", F, x1, y1 + 42, 15, 3, 7);
  } else {
    figures::DrawThickRedForce(s, 1, 0, "$\\vec P$", P, 67, 12, 15, 10, 3);
  }
  figures::PutBox(s, "vnpr", x1, y2 - 3);
  figures::DrawCircleAtPoint(s, 3, 24);
  if (sigma > 0) {
    figures::DrawMomentAtPoint(s, 1, 1, "\\varphi", kPi / 6, 12, 1, 0);
  } else {
    figures::DrawMomentAtPoint(s, 2, 1, "\\varphi", 7 * kPi / 6, 8, 1, 1);
  }
  figures::DrawNodeMarker(s, 2);
  figures::DrawNodeMarker(s, 1);
  figures::PutLabel(s, "$A$", x1 - 9, y1 - 3);
  if (sigma > 0) {
    figures::PutLabel(s, "$B$", x2 - 6, y2 + 3);
  } else {
    figures::PutLabel(s, "$B$", x2 + 3, y2 - 8);
  }
  figures::PutHingeBoxAtPoint(s, 3);
  figures::DrawRotatedBlock(s, 5, x2 + 21, y2 - 4.5, 0, 40, 10);
  figures::PutBox(s, "hosnv", x2 - 5, y2 - 10);
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s, "\\unitlength=1pt");

  WriteNumberCell(s, "&");
  const int mLL = m * L * L;
  if (s.P2 != 4) {
    toolkit::AnsWriteFraction(s, Q, 5 * m * L);
    toolkit::AnsWriteTextNumber(s, "&", static_cast<double>(Q) / (5 * m * L), "& ");
    toolkit::AnsWriteFraction(s, L * Q, 5);
    toolkit::AnsWriteTextNumber(s, "&", 0.2 * Q * L, "&");
    toolkit::AnsWriteFraction(s, mLL, 1);
    toolkit::AnsWriteTextNumber(s, "&", mLL, "& --- ");
  } else {
    toolkit::AnsWriteFraction(s, 3 * Q, 5 * m * L);
    toolkit::AnsWriteTextNumber(s, "&", 3.0 * Q / (5 * m * L), "& ");
    toolkit::AnsWriteFraction(s, L * Q, 5);
    toolkit::AnsWriteTextNumber(s, "&", 0.2 * Q * L, "&");
    toolkit::AnsWriteFraction(s, mLL, 3);
    toolkit::AnsWriteTextNumber(s, "&", mLL / 3.0, "& --- ");
  }
}

// Mechanism 2: a plate clamped between an inclined press, on whose smooth face it slides, and a
// cylinder of radius 1 m rolling on the floor; the coordinate is the press's rise.
void WriteInclinedPressVariant(SharedState& s) {
  int m_pl = s.P3 > 2 ? 1 : 2;
  int m_pr = s.P5 > 5 ? 1 : 2;
  const int F = (s.P7 > 5 ? 1 : 2) + s.P4 - 1;
  int m_c = s.P6;
  int M = s.P3 - 3;
  if (M == 0) M = 1;
  int P = M;
  if (s.P6 == 1) {
    if (m_pl == m_c) ++m_pl;
    m_pr = 0;
  } else if (s.P6 == 2) {
    if (m_pl == m_pr) ++m_c;
    m_pl = 0;
  } else {
    if (m_pl == m_pr) ++m_pl;
    m_c = 0;
  }
  if (s.P4 == 1) {
    P = 0;
  } else {
    M = 0;
  }
  const int N = 4 * M - 3 * F - 4 * P;
  // The press's face makes the angle with sine 3/5 with the floor: when the press rises by v,
  // the cylinder's centre moves 4v/3, and the plate, which rolls on the cylinder and slides
  // along the face at 3v, moves at (12v/5, 4v/5) in all, so its kinetic energy is
  // (32/5) m_pl v^2 / 2. A = 8 m_c/3 + 32 m_pl/5 + m_pr = D/15.
  const int D = 40 * m_c + 96 * m_pl + 15 * m_pr;

  toolkit::WriteTextNumberLn(s,
                             " \\parbox[b]{285pt}{Между цилиндром радиусом  $R=1$~м  и скошенным "
                             "прессом (призмой) зажата пластина, скользящая по гладкой поверхности "
                             "пресса, $\\sin(\\alpha)= ",
                             0.8, "$.");
  toolkit::WriteLine(s, "Механизм расположен в горизонтальной плоскости. ");
  if (s.P6 == 1) {
    toolkit::WriteText2NumbersLn(s, "Масса цилиндра $m_1=$", m_c, "~кг, пластины $m_2=$", m_pl,
                                 "~кг.  ");
  } else if (s.P6 == 2) {
    toolkit::WriteText2NumbersLn(s, "Масса цилиндра $m_1=$", m_c, "~кг, пресса $m_2=$", m_pr,
                                 "~кг.");
  } else {
    toolkit::WriteText2NumbersLn(s, "Масса пластины $m_1=$", m_pl, "~кг, пресса $m_2=$", m_pr,
                                 "~кг.");
  }
  toolkit::WriteTextNumberLn(s, " К  прессу приложена  сила $F=", std::abs(F), "$~Н,");
  if (s.P4 == 1) {
    toolkit::WriteTextNumberLn(s, " к цилиндру --- момент $M=$", std::abs(M), "~Нм.");
  } else {
    toolkit::WriteTextNumberLn(s, " к оси цилиндра ---  сила $P=", std::abs(P), "$~Н.");
  }
  toolkit::WriteLine(s, " Найти ускорение пресса.}\\unitlength=1.3pt\\parbox[b]{50pt}{");

  SetPoint(s, 2, 32, 16);
  const double x2 = s.PointX[2], y2 = s.PointY[2];
  toolkit::BeginPicture(s, 100, 77, -25, -5);
  if (s.P6 == 1 || s.P6 == 2) {
    figures::PutLabel(s, "$1$", 10, 22);
    figures::DrawSegment(s, 14, 23, 18, 23);
  }
  if (s.P6 == 1) {
    figures::PutLabel(s, "$2$", 51, 28);
    figures::DrawSegment(s, 49, 30, 40, 35);
  } else if (s.P6 == 2) {
    figures::PutLabel(s, "$2$", 8, 45);
  } else {
    figures::PutLabel(s, "$2$", 8, 45);
    figures::PutLabel(s, "$1$", 51, 28);
    figures::DrawSegment(s, 49, 30, 40, 35);
  }
  if (s.P4 == 1) {
    figures::PutNamedBoxBySign(s, toolkit::SignOf(M), 2, "rmomentm", "rmomentp");
    figures::PutLabel(s, "$M$", x2 - 12, y2 - 3);
  } else {
    figures::DrawThickRedForce(s, 1, 0, "$\\vec P$", P, x2 + 1, y2, 25, 19, 3);
  }
  figures::DrawRedForceWithLabel(s, 0, -1, "$\\vec F$", 24, 57, 15, 3, -8);
  figures::DrawHatchRowV(s, -1, 0, 0, 65);
  figures::DrawHatchRowH(s, 1, 51.5, 40, 25);
  figures::DrawHatchRowH(s, -1, 0, 0, 65);
  figures::MoveTo(s, 1, 30);
  figures::LineTo(s, 50, 40);
  figures::LineTo(s, 50, 60);
  figures::LineTo(s, 1, 60);
  figures::LineTo(s, 1, 30);
  figures::DrawLabelledArc(s, 0, "$\\alpha$", 2, 1, 30, 0.27, kPi / 2, 6);
  s.BlockCentred = true;
  figures::DrawCircleAtPoint(s, 2, 32);
  figures::SetLineWidth(s, 1);
  figures::DrawRotatedBlock(s, 5, 34, 35, 0.2013, 28, 3.8);
  toolkit::EndSaveBox(s);

  WriteNumberCell(s, "&");
  toolkit::AnsWriteFraction(s, 5 * N, D);
  toolkit::AnsWriteTextNumber(s, "&", 5.0 * N / D, "& ");
  toolkit::AnsWriteFraction(s, N, 3);
  toolkit::AnsWriteTextNumber(s, "&", 4.0 / 3 * M - F - 4.0 / 3 * P, "&");
  toolkit::AnsWriteFraction(s, D, 15);
  toolkit::AnsWriteTextNumber(s, "&", D / 15.0, " & --- ");
}

// Mechanism 3: a disk of radius 1 m at the end of a sliding rod rolls on a fixed wall and drives
// a sleeve on the opposite side; a point mass sits on its rim. The coordinate is the disk's
// angle.
void WriteDiskAndSleeveVariant(SharedState& s) {
  const int sw = s.P3 > 2 ? 1 : 2;
  const int u = s.P5 > 5 ? 1 : 2;
  const int w = s.P7 > 5 ? 1 : 2;
  const int m1 = 5 * w;
  int m_d = 2 * sw, m_s = u, m_r = u + sw;
  const int rate = s.P2 > 2 ? 1 : s.P2;
  const double sin_phi = 0.2 * (s.P4 + 2);
  int M = s.P3 - 3;
  if (M == 0) M = 1;
  int F = s.P7 + w - 5;
  if (F == 0) F = 1;
  if (s.P6 == 1) {
    m_s = 0, m_r = 0;
  } else if (s.P6 == 2) {
    m_d = 0, m_r = 0;
  } else {
    m_d = 0, m_s = 0;
  }
  const int twice_a0 = 3 * m_d + 4 * m1 + 8 * m_s + 2 * m_r;
  const int num = 2 * (M - 2 * F - w * rate * rate * (s.P4 + 2));
  const int den = twice_a0 - 4 * w * (5 - s.P4);

  toolkit::WriteLine(s,
                     "\\parbox[b]{285pt}{ Диск радиусом $R=1$~м, шарнирно закрепленный на конце "
                     "штока, катится по  неподвижной поверхности и касается муфты, скользящей по "
                     "направляющей, параллельной поверхности и штоку. ");
  toolkit::WriteTextNumberLn(s, " На ободе диска находится точка массой $m_1=$", m1, "~кг. ");
  toolkit::WriteText2NumbersLn(s, "  К диску приложен момент $M=$", std::abs(M),
                               "~Нм, к муфте --- сила $F=$", std::abs(F), "~Н.");
  if (s.P6 == 1) {
    toolkit::WriteTextNumberLn(s, "Масса диска $m_2=$", m_d, "~кг.");
  } else if (s.P6 == 2) {
    toolkit::WriteTextNumberLn(s, "Масса муфты $m_2=$", m_s, "~кг.");
  } else {
    toolkit::WriteTextNumberLn(s, "Масса штока $m_2=$", m_r, "~кг.");
  }
  toolkit::WriteText2NumbersLn(
      s,
      "Механизм расположен в горизонтальной плоскости. Найти угловое ускорение диска при "
      "$\\sin(\\varphi)= ",
      sin_phi, "$, $\\dot\\varphi=", rate, "\\, с^{-1}$.}\\unitlength=1.4pt\\parbox[b]{50pt}{");

  toolkit::BeginPicture(s, 68, 77, -45, -46);
  figures::SetLineWidth(s, 14);
  toolkit::WriteText(s, "\\Blue{");
  figures::MoveTo(s, 0, -1.5);
  figures::LineTo(s, 0, -45);
  figures::MoveTo(s, 2, -45);
  figures::LineTo(s, -2, -45);
  figures::DrawSegment(s, -24, -10.5, -24, -33);
  figures::DrawSegment(s, -24, 10.2, -24, 30);
  toolkit::WriteText(s, "}");
  figures::SetLineWidth(s, 1);
  figures::DrawHatchRowV(s, -1, -39, -30, 36);
  figures::DrawHatchRowV(s, -1, 2, -30, 18);
  figures::DrawHatchRowH(s, -1, -2, -41, 10);
  figures::DrawHatchRowH(s, 1, 2, -41, 10);
  figures::DrawRotatedBlock(s, 5, -24, 0, 0, 8, 20);
  figures::DrawTwoCirclesAtPoint(s, 1, 40, 3);
  figures::DrawHatchRowH(s, 1, 20, -30, 60);
  figures::PutLabel(s, "$1$", 12, 24);
  figures::DrawSegment(s, 14, 23, 14, 16);
  if (s.P6 == 1) {
    figures::DrawLabelledSegment(s, "2", -15, -27, -11, -22, -9, -17);
  } else if (s.P6 == 2) {
    figures::DrawLabelledSegment(s, "2", -12, -27, -12, -26, -21, -10);
  } else {
    figures::DrawLabelledSegment(s, "2", -12, -27, -9, -26, 0, -22);
  }
  figures::DrawMomentAtPoint(s, 1, 1, "\\varphi", kPi / 4, 10, 2, 1);
  figures::DrawSegment(s, 1, 1, 14, 14);
  figures::DrawFilledCircle(s, 14, 14, 3);
  figures::PutNamedBoxBySign(s, toolkit::SignOf(M), 1, "Momentm", "Momentp");
  figures::PutLabel(s, "$M$", -11, -9);
  figures::DrawThickRedForce(s, 0, 1, "$\\vec F$", F, -28, 11, 15, -11, 3);
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s, "\\unitlength=1pt");

  WriteNumberCell(s, "& ");
  // The equation at the given angle: A = A0 - 2 m1 cos(phi) = den / 2, and the squared
  // velocity's coefficient A'/2 = m1 sin(phi) = w (P4 + 2).
  toolkit::AnsWriteFraction(s, num, den);
  toolkit::AnsWriteTextNumber(s, "&", static_cast<double>(num) / den, "&");
  toolkit::AnsWriteFraction(s, M - 2 * F, 1);
  toolkit::AnsWriteTextNumber(s, "&", M - 2 * F, "&");
  toolkit::AnsWriteFraction(s, den, 2);
  toolkit::AnsWriteTextNumber(s, "&", den / 2.0, "&");
  toolkit::AnsWriteTextNumber(s, "", w * (s.P4 + 2), "");
}

// Mechanism 4: a disk hinged at its rim point A to a rod sliding vertically and rolling on a
// weightless rod sliding horizontally; the coordinate is the disk's angle.
void WriteDiskOnTwoRodsVariant(SharedState& s) {
  const int sw = s.P3 > 2 ? 1 : 2;
  const int u = s.P5 > 5 ? 1 : 2;
  const int w = s.P7 > 5 ? 1 : 2;
  const int d = s.P7 < 2 && s.P5 > 3 ? 1 : 2;
  const int m = 4 * (d + s.P4);
  int F0 = s.P7 + w - 5;
  if (F0 == 0) F0 = 1;
  int F2 = F0, F3 = F0;
  const int G = std::abs(F0) + 2 * sw;
  int M = s.P3 - 3;
  if (M == 0) M = 1;
  const int k = s.P6 == 1 ? 5 - s.P4 : (s.P6 == 2 ? s.P4 + 7 : u + 5);
  const double R = 0.1 * k;
  const double sin_phi = 0.2 * (s.P4 + 2);
  if (s.P6 == 1) {
    F3 = 0, M = 0;
  } else if (s.P6 == 2) {
    F2 = 0, M = 0;
  } else {
    F2 = 0, F3 = 0;
  }
  const int S = (5 - s.P4) * F2 + (s.P4 + 7) * F3 + 5 * M;

  toolkit::WriteLine(s, "\\parbox[b]{275pt}{");
  toolkit::WriteText3NumbersLn(
      s, " Однородный диск 1 массой $m_1=", m, "$~кг радиуса $R=", R,
      "$~м шарнирно соединен в точке $A$ с  движущимся штоком 2 массой $m_2=", m,
      "$~кг. Диск катится по невесомому подвижному штоку 3. Направляющие штоков взаимно "
      "перпендикулярны.");
  toolkit::WriteTextNumberLn(s, "К оси диска приложена сила $G=", G, "$~Н%");
  if (s.P6 == 1) {
    toolkit::WriteTextNumberLn(s, ", к штоку 2 --- сила $F=$", std::abs(F2), "~Н. ");
  } else if (s.P6 == 2) {
    toolkit::WriteTextNumberLn(s, ", к штоку 3 --- сила $F=$", std::abs(F3), "~Н. ");
  } else {
    toolkit::WriteTextNumberLn(s, "\\ и момент $M=$", std::abs(R * M), "~Нм. ");
  }
  toolkit::WriteTextNumberLn(
      s,
      "Механизм расположен в горизонтальной плоскости. Найти угловое ускорение диска при "
      "$\\sin(\\varphi)= ",
      sin_phi, "$.}\\unitlength=1.4pt\\parbox[b]{50pt}{");

  SetPoint(s, 1, 20, 20);
  SetPoint(s, 2, 34, 34);
  SetPoint(s, 3, 50, 20);
  const double x1 = 20, y1 = 20, x2 = 34, y2 = 34, y3 = 20;
  toolkit::BeginPicture(s, 92, 85, -25, -10);
  figures::SetLineWidth(s, 16);
  figures::DrawSegment(s, x1 + 31, y1 - 18, x1 + 31, y1 - 23);
  figures::DrawSegment(s, x2 - 3, y2 + 24, x2 + 3, y2 + 24);
  figures::SetLineWidth(s, 10);
  figures::DrawSegment(s, x1 + 31, y1 - 20.5, x1 - 38, y1 - 20.5);
  figures::DrawSegment(s, x2, y2 + 1, x2, y2 + 24);
  figures::SetLineWidth(s, 1);
  figures::DrawDashedLineMultiput(s, 5, x1, y1, x2, y2);
  figures::DrawNodeMarker(s, 2);
  figures::DrawFilledCircle(s, x1, y1, 1);
  figures::DrawCircleAtPoint(s, 1, 40);
  figures::DrawMomentAtPoint(s, 1, 1, "\\varphi", kPi / 4, 10, 1, 0);
  figures::PutBox(s, "hnpr", x1 - 35, y1 - 20.5);
  figures::PutBox(s, "hnpr", x1 + 17, y1 - 20.5);
  figures::PutBox(s, "vnpr", x2, y2 + 10);
  figures::DrawLabelledSegment(s, "2", x2 + 7, y3 + 30, x2 + 5, y3 + 33, x2, y3 + 36);
  figures::DrawLabelledSegment(s, "3", -5, -9, -1, -6, 3, 0);
  figures::PutLabel(s, "$A$", x2 + 3, y2 - 1);
  figures::PutLabel(s, "1", x1 - 15, y1 - 11);
  if (s.P6 == 1) {
    figures::DrawThickRedForce(s, 0, 1, "$\\vec F$", F2, x2, y2 + 25, 15, -9, 7);
  } else if (s.P6 == 2) {
    figures::DrawThickRedForce(s, 1, 0, "$\\vec F$", F3, x1 + 31, y1 - 20.5, 15, 9, 3);
  } else {
    figures::PutNamedBoxBySign(s, toolkit::SignOf(M), 1, "Momentm", "Momentp");
    figures::PutLabel(s, "$M$", x1 - 16, y1 + 4);
  }
  figures::DrawThickRedVector(s, 0, -1, x1, y1 - 1, 14);
  figures::PutLabel(s, "$\\vec G$", x1 + 3, y1 - 17);
  toolkit::EndSaveBox(s);
  toolkit::WriteText(s, "\\unitlength=1pt");

  WriteNumberCell(s, "&");
  toolkit::AnsWriteFraction(s, 4 * S, 3 * m * k);
  toolkit::AnsWriteTextNumber(s, "&", 4.0 * S / (3 * m * k), "&");
  toolkit::AnsWriteFraction(s, S * k, 50);
  toolkit::AnsWriteTextNumber(s, "&", 0.02 * S * k, "&");
  toolkit::AnsWriteFraction(s, 3 * k * k * m, 200);
  toolkit::AnsWriteTextNumber(s, "&", 0.005 * 3 * k * k * m, "& --- ");
}

// Mechanism 5: the rhombus O-A-B-C with fixed hinges O and C; the sleeve at A slides on the
// coulisse D-C turning about C at half the rate of O-A.
void WriteRhombusCoulisseVariant(SharedState& s) {
  const int w = s.P7 > 5 ? 1 : 2;
  const int b = s.P5 >= 4 && s.P5 <= 10 ? 1 : 2;
  const int a = s.P7 > 2 && s.P2 < 3 ? 1 : 2;
  const int c1 = a + 2, c2 = 5 - a;
  const int t = s.P3 <= 3 ? s.P3 : 1;
  int sign = t - 2;
  if (sign == 0) sign = 1;
  const int e = (s.P4 + a - 1) * sign;
  int m_c = w;
  int r1 = s.P3 > 2 ? 1 : 2;
  int r2 = s.P5 > 5 ? 1 : 2;
  const int e1 = s.P2 == 1 ? e : 0, e2 = s.P2 == 2 ? e : 0;
  const int e3 = s.P2 == 3 ? e : 0, e4 = s.P2 == 4 ? e : 0;
  const int K = -(b + 1) * (c1 * e1 - c2 * e2) - 2 * b * (c2 * e3 + c1 * e4);
  const int M = s.P7 * sign - K;
  int rod = r1;
  if (s.P6 == 2) {
    if (r2 == m_c) m_c += w;
    r1 = 0;
    rod = r2;
  } else {
    if (m_c == r1) r1 += w;
    r2 = 0;
    rod = r1;
  }
  const int E = m_c * (b + 1) * (b + 1) + 4 * r1 * b * b + 12 * r2 * b * b;

  toolkit::WriteText(s, "Муфта, шарнирно закрепленная в узле $A$ четырехзвенника $OABC$,\\vskip1mm");
  toolkit::WriteText(s, "\\parbox[b]{260pt}{");
  toolkit::WriteText2NumbersLn(s, " имеющего форму ромба,  надета на кулису $DC$ длиной ", b + 1,
                               "~м; $OA=", b, "$~м. ");
  toolkit::WriteTextNumberLn(s, " На кулису действует момент $M=", std::abs(M), "$~Нм, ");
  const char* force_text[] = {" к точке  $D$  параллельно $OC$ приложена  сила $F=",
                              " к точке  $D$ перпендикулярно $OC$ приложена  сила $F=",
                              " к точке  $B$ перпендикулярно $OC$ приложена  сила $F=",
                              " к точке  $B$  параллельно $OC$ приложена  сила $F="};
  const int which = s.P2 >= 1 && s.P2 <= 4 ? s.P2 : 1;
  toolkit::WriteTextNumberLn(s, force_text[which - 1], std::abs(5 * e), "$~Н. ");
  const char* rod_text = s.P6 == 1 ? " кг, стержня  $OA$ --- $m_2="
                                   : (s.P6 == 2 ? " кг, стержня  $AB$ --- $m_2="
                                                : " кг, стержня  $BC$ --- $m_2=");
  toolkit::WriteText2NumbersLn(s, " Масса  кулисы  $m_1$ равна ", m_c, rod_text, rod, "$~кг.");
  toolkit::WriteLine(s, "Механизм расположен в горизонтальной плоскости. ");
  if (b == 1) {
    toolkit::WriteTextNumberLn(s, " Найти угловое ускорение стержня $OA$  при $\\sin(\\alpha)=",
                               0.2 * c1, " $.}\\parbox[b]{70pt}{");
  } else {
    toolkit::WriteTextNumberLn(s, " Найти угловое ускорение кулисы  при $\\sin(\\alpha) =",
                               0.2 * c1, " $.}\\parbox[b]{70pt}{");
  }

  const double h = s.P2 == 2 ? 5 : 3;
  SetPoint(s, 1, 0, 0);
  SetPoint(s, 2, 50, 50);
  SetPoint(s, 3, 120, 50);
  SetPoint(s, 4, 70, 0);
  SetPoint(s, 5, 50 - 2 * h, 50 + 5 * h);
  SetPoint(s, 6, 0.5 * (50 + 70) + 2, 0.5 * (50 + 0) - 5);
  const double x5 = s.PointX[5], y5 = s.PointY[5], x6 = s.PointX[6], y6 = s.PointY[6];
  toolkit::BeginPicture(s, 148, 91, -10, -10);
  figures::PutLabel(s, "$O$", -8, 0);
  figures::PutLabel(s, "$A$", 53, 52);
  figures::PutLabel(s, "$B$", 118, 53);
  figures::PutLabel(s, "$C$", 75, 0);
  figures::PutLabel(s, "$D$", x5 - 9, y5);
  figures::DrawNodeMarker(s, 2);
  figures::DrawNodeMarker(s, 3);
  figures::PutHingeBoxAtPoint(s, 1);
  figures::PutHingeBoxAtPoint(s, 4);
  figures::DrawRotatedBlock(s, 5, 50, 50, 1.95, 16, 4);
  figures::SetLineWidth(s, 8);
  toolkit::WriteText(s, "\\Blue{");
  figures::DrawSegment(s, 69.4, 1.5, 53, 42.5);
  figures::DrawSegment(s, 47, 57.5, x5, y5);
  figures::DrawTwoBars(s, 1, 2, 3);
  figures::DrawBar(s, 4, 3);
  toolkit::WriteText(s, "}");
  figures::SetLineWidth(s, 1);
  if (s.P2 == 3 || s.P2 == 4) {
    figures::DrawLabelledArcArrow(s, 0, "\\alpha", 0, 0, 0, 0, 0.8, 10, 0);
    figures::DrawSegment(s, 0, 0, 13, 0);
  } else {
    figures::DrawLabelledArcArrow(s, 0, "\\alpha", 0, 70, 0, 1.9, kPi, 10, 0);
    figures::DrawSegment(s, 70, 0, 57, 0);
  }
  figures::DrawLabelledSegment(s, "1", 64, 32, 62, 34, 56, 34);
  if (s.P6 == 1) {
    figures::DrawLabelledSegment(s, "2", 25, 32, 29, 34, 34, 34);
  } else if (s.P6 == 2) {
    figures::DrawLabelledSegment(s, "2", 86, 34, 91, 40, 95, 50);
  } else {
    figures::DrawLabelledSegment(s, "2", 89, 34, 106, 36, 92, 36);
  }
  switch (which) {
    case 1: figures::DrawThickRedForce(s, 1, 0, "$\\vec F$", 5 * e, x5, y5, 18, 12, 3); break;
    case 2: figures::DrawThickRedForce(s, 0, -1, "$\\vec F$", 5 * e, x5, y5, 18, -9, -17); break;
    case 3: figures::DrawThickRedForce(s, 0, -1, "$\\vec F$", 5 * e, 120, 50, 18, 3, -17); break;
    default: figures::DrawThickRedForce(s, 1, 0, "$\\vec F$", 5 * e, 120, 50, 18, 12, 3); break;
  }
  figures::PutNamedBoxBySign(s, toolkit::SignOf(M), 6, "umomentm", "umomentp");
  figures::PutLabel(s, "$M$", x6 - 15, y6 + 1);
  toolkit::EndSaveBox(s);

  const int p7s = s.P7 * sign;
  WriteNumberCell(s, "& ");
  toolkit::AnsWriteFraction(s, 6 * p7s, b * E);
  toolkit::AnsWriteTextNumber(s, "&", 6.0 * p7s / (b * E), "&");
  toolkit::AnsWriteFraction(s, p7s, 2);
  toolkit::AnsWriteTextNumber(s, "&", 0.5 * p7s, "& ");
  toolkit::AnsWriteFraction(s, E, 12);
  toolkit::AnsWriteTextNumber(s, "&", E / 12.0, "& --- ");
}

}  // namespace

void BeginLagrangeAccelerationProblem(SharedState& s) {
  s.ParboxWidth = 340;
  toolkit::AnsWriteLine(s,
                        "{\\small Уравнение Лагранжа в заданном положении: $A\\ddot q+B\\dot "
                        "q^2=Q$. Даны искомое ускорение (уск.), $Q$ и $A$ --- дробью и числом, "
                        "$B$ (--- , если члена с $\\dot q^2$ нет).}");
  toolkit::AnsBeginTable(s, 8);
  toolkit::AnsWriteLine(s,
                        "\\No &\\scriptsize уск.&\\scriptsize уск.(числ) & $Q$&$Q_{числ}$&$A$ "
                        "&$A_{числ}$&$B$\\\\\\hline");
}

void WriteLagrangeAccelerationVariant(SharedState& s) {
  s.BlockCentred = true;
  SetPoint(s, 1, 0, 0);
  switch (s.P1) {
    case 1: WritePistonRodBlockVariant(s); break;
    case 2: WriteInclinedPressVariant(s); break;
    case 3: WriteDiskAndSleeveVariant(s); break;
    case 4: WriteDiskOnTwoRodsVariant(s); break;
    default: WriteRhombusCoulisseVariant(s); break;
  }
}

}  // namespace dynamics
