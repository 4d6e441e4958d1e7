#include "subjects/strength/stepped_rod_stability.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kStiffnessRatio[] = {0.7, 0.8, 0.9, 1.1, 1.2};

// The relations of C0..C3 to the free coefficients C4, C5 that the end conditions impose.
constexpr const char* kRelations[] = {
    "$C_0=0,\\ C_1 = C_4+(7/3)C_5,\\ C_2 = 0, \\  C_3 = -2C_4-(10/3)C_5$",
    "$C_0=0,\\ C_1 = 0, \\ C_2 = C_4+2C_5,\\      C_3 = -2C_4-3C_5 $",
    "$C_0=0,\\ C_1 = 0, \\ C_2 = (3C_4+7C_5)/2,\\ C_3 = -(5C_4+9C_5)/2$",
    "$C_0=0,\\ C_1 = 0, \\ C_2 = 4C_4+(25/2)C_5, C_3 = -4C_4-10C_5$",
    "$C_0=0,\\ C_1 = 8C_4+25C_5, \\ C_2 = 0,\\    C_3 = -4C_4-10C_5$",
};

// The load integrals of the deflection polynomial, per unit multiple at the step (m1) and at
// the end (m2), and the bending integrals per unit of r (left half) and of 1 (right half).
struct EnergyCoefficients {
  double e1m2, e1m1, e2m2, e2m1, e3m2, e3m1;
  double f1r, f1, f2r, f2, f3r, f3;
};

constexpr EnergyCoefficients kEnergy[] = {
    {17.0 / 35, 17.0 / 70, 2.42857142857, 1.18173363095, 3.04761904762, 1.44242931548, 2.4, 2.4,
     10.75, 13.25, 2035.0 / 168, 3085.0 / 168},
    // The C4^2 integral of the slope is 2/105 over the rod and 1/105 over its left half.
    {2.0 / 105, 1.0 / 105, 0.0952380952381, 0.0463169642857, 0.120634920635, 0.0570622519841,
     0.4, 0.4, 1.75, 2.25, 109.0 / 56, 179.0 / 56},
    {0.0857142857143, 0.0350446428571, 0.485714285714, 0.192075892857, 0.692063492063,
     0.264651537698, 0.9, 0.9, 4.5, 5.5, 319.0 / 56, 473.0 / 56},
    {1.21904761905, 0.734523809524, 8.52380952381, 5.01060267857, 14.9206349206, 8.55081225198,
     7.9, 4.9, 52.75, 35.25, 88.5714285714, 63.5714285714},
    {31.0857142857, 25.6678571429, 197.857142857, 162.385602679, 314.920634921, 256.858103919,
     15.9, 60.9, 92.75, 395.25, 135.446428571, 641.696428571},
};

// The stability equation a x^2 + b x + c = 0 in x = P l^2 / (EJ).
struct Quadratic {
  double a22, a11, a12;            // a = a22 m2^2 + a11 m1^2 + a12 m1 m2
  double brm1, brm2, bm2, bm1;     // b = -(brm1 r m1 + brm2 r m2 + bm2 m2 + bm1 m1)
  double crr, cr, c0;              // c = crr r^2 + cr r + c0
};

constexpr Quadratic kEquation[] = {
    {1.29523809524, 0.264469788566, 1.29523809524, 11.5950892857, 32.3047619048, 32.3047619048,
     20.709672619, 40.5, 431, 40.5},
    {0.0338624338624, 0.00799089058366, 0.0338624338624, 0.935168650794, 2.23492063492,
     2.23492063492, 1.29975198413, 14.5, 99, 14.5},
    {0.0952380952381, 0.0143728104849, 0.0813492063492, 1.58058035714, 5.11428571429,
     3.11428571429, 1.67433035714, 18, 99, 11},
    {2.25185185185, 0.379938874421, 2.5712962963, 40.7316468254, 92.3174603175, 33.6507936508,
     25.2524801587, 365, 582, 77},
    {239.288888889, 65.0610731337, 302.830555556, 2690.78720238, 3768.76190476, 2216.76190476,
     1986.97470238, 265, 10926, 2121},
};

std::string ForceLabel(int m) { return m == 1 ? "$P$" : std::to_string(m) + "$P$"; }

}  // namespace

SteppedRodStabilityVariant DeriveSteppedRodStability(int p1, int p2, int p3, int p4) {
  SteppedRodStabilityVariant v;
  int m1 = p2 - 1, m2 = p3 - 1;
  if (m1 == m2) m1 = m2 = 1;
  if (m1 == 0) m2 = 1;
  if (m2 == 0) m1 = 1;
  v.m1 = m1;
  v.m2 = m2;
  v.r = kStiffnessRatio[p4 - 1];
  const double r = v.r;
  const EnergyCoefficients& en = kEnergy[p1 - 1];
  v.e[0] = en.e1m2 * m2 + en.e1m1 * m1;
  v.e[1] = en.e2m2 * m2 + en.e2m1 * m1;
  v.e[2] = en.e3m2 * m2 + en.e3m1 * m1;
  v.f[0] = en.f1r * r + en.f1;
  v.f[1] = en.f2r * r + en.f2;
  v.f[2] = en.f3r * r + en.f3;
  const Quadratic& q = kEquation[p1 - 1];
  const double a = q.a22 * m2 * m2 + q.a11 * m1 * m1 + q.a12 * m1 * m2;
  const double b = -(q.brm1 * r * m1 + q.brm2 * r * m2 + q.bm2 * m2 + q.bm1 * m1);
  const double c = q.crr * r * r + q.cr * r + q.c0;
  const double x = (-b - std::sqrt(b * b - 4 * a * c)) / (2 * a);
  v.mu = std::numbers::pi / std::sqrt(x);
  return v;
}

void BeginSteppedRodStabilityProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 4);
  AnsWriteLine(s, "\\No & выражение энергии \\\\\\hline ");
  Ans2BeginTable(s, 4);
  Ans2Write(s, "\\No\\ru &\\mc{$\\mu $} & $C_0,\\ldots,C_3$ \\\\\\hline");

  // A guided end for the thick rod, and for the thin one.
  for (const double h : {4.0, 3.0}) {
    BeginSaveBox(s, h == 4 ? "slhrtbig" : "slhrtsml");
    SetLineWidth(s, 11);
    DrawSegment(s, -3.5, h, -3.5, 17);
    DrawSegment(s, -3.5, -h, -3.5, -17);
    DrawSegment(s, -8, h, 0, h);
    DrawSegment(s, -8, -h, 0, -h);
    SetLineWidth(s, 1);
    DrawHatchRowsH(s, -3.5, 8, 7);
    DrawHatchRowsH(s, -3.5, -17, 7);
    EndSaveBox(s);
  }
  // A clamp for the thin rod, and for the thick one.
  for (const double h : {3.0, 4.0}) {
    BeginSaveBox(s, h == 3 ? "rskzdsml" : "rskzdbig");
    DrawHatchRowV(s, 1, -8, h, 6);
    DrawHatchRowV(s, -1, -8, -h, 6);
    EndSaveBox(s);
  }
  s.BlockCentred = true;
  BeginSaveBox(s, "sterstupa");
  DrawRotatedBlock(s, 4, 0, 0, 0, 60, 5);
  DrawRotatedBlock(s, 4, 60, 0, 0, 60, 3);
  EndSaveBox(s);
  BeginSaveBox(s, "sterstupb");
  DrawRotatedBlock(s, 4, 0, 0, 0, 60, 3);
  DrawRotatedBlock(s, 4, 60, 0, 0, 60, 5);
  EndSaveBox(s);

  WriteLine(s,
            "\\tabcolsep=1pt Прямолинейный стержень длиной $l$, закрепленный по концам, "
            "сжимается одной или двумя продольными силами.  Задано соотношение моментов "
            "инерции участков стержня.  Определить коэффициент $\\mu$ приведения длины стержня "
            "в формуле для критической силы $P_{кр}=\\pi^2EJ/(\\mu l)^2$.\\\\ \\noindent ");
}

void WriteSteppedRodStabilityVariant(SharedState& s) {
  const int p1 = s.P1;
  const SteppedRodStabilityVariant v = DeriveSteppedRodStability(p1, s.P2, s.P3, s.P4);
  const std::string number = std::to_string(toolkit::PrintedVariantNumber(s));
  Ans2WriteLine(s, number + " & " + toolkit::FormatFixed(v.mu, 5, 3) + "&");
  Ans2WriteLine(s, kRelations[p1 - 1]);
  AnsWriteLine(s, number);
  if (p1 == 2) {
    AnsWriteText3Numbers(s, " & $Pl^2(", 100 * v.e[0], "\\cdot10^{-2}C_4^2+", v.e[1],
                         "C_4C_5+", v.e[2], "C_5^2)");
  } else {
    AnsWriteText3Numbers(s, " & $Pl^2(", v.e[0], "C_4^2+", v.e[1], "C_4C_5+", v.e[2], "C_5^2)");
  }
  AnsWriteText3Numbers(s, "-EJ(", v.f[0], "C_4^2+", v.f[1], "C_4C_5+", v.f[2], "C_5^2)$");

  const bool thickLeft = v.r > 1;
  // The rod from -30 to 90 with its supports, the end force and its letter beyond, the
  // dimensions 22 below.
  BeginPicture(s, 160, 52, -42, -28);
  if (v.m2 != 0) DrawRedForceWithLabel(s, -1, 0, ForceLabel(v.m2), 107, 0, 15, -3, 4);
  if (v.m1 != 0) DrawRedForceWithLabel(s, -1, 0, ForceLabel(v.m1), 45, 0, 15, -3, 4);
  if (p1 == 1 || p1 == 5) {
    PutHingeBox(s, -31.5, 0);
  } else {
    DrawHatchRowH(s, -1, -30, -6, 12);
  }
  if (p1 == 1 || p1 == 3) {
    PutBox(s, "dnst", 91.5, 0);
  } else if (p1 == 2) {
    PutBox(s, thickLeft ? "rskzdsml" : "rskzdbig", 91.5, 0);
  } else {
    PutBox(s, thickLeft ? "slhrtsml" : "slhrtbig", 90.5, 0);
  }
  PutBox(s, thickLeft ? "sterstupa" : "sterstupb", 0, 0);
  DrawDimensionHText(s, "$l/2$", -30, 30, -22);
  DrawDimensionHText(s, "$l/2$", 30, (p1 == 1 || p1 == 3) ? 90 : 85, -22);
  EndPicture(s);
  WriteTextNumberLn(s, "\\vskip5mm $J_1=", v.r, "J$, $J_2=J$");
}

}  // namespace strength
