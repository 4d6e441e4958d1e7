#include "subjects/kinematics/three_angular_accelerations.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/kinematics/linkage/linkage_solver.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kO = 1, kA = 2, kB = 3, kC = 4, kD = 5, kE = 6;

double Round(double x) { return toolkit::RoundHalfEven(x); }

const char* const kBetaBoxes[] = {"anGLL", "anGLS", "anGLB"};  // 30, 45, 60 degrees
const char* const kAlphaBoxes[] = {"angLL", "angLB"};          // 45, 60 degrees

struct Layout {
  int alpha_index = 1, beta_index = 1;
  int alpha = 45, beta = 30;
  int a = 0, b = 0, c = 0, d = 0, e = 0;
};

void SetPoint(SharedState& s, int i, double x, double y) {
  s.PointX[i] = x;
  s.PointY[i] = y;
}
// Point i := point j + k (dx, dy).
void Offset(SharedState& s, int i, int j, double k, double dx, double dy) {
  SetPoint(s, i, s.PointX[j] + k * dx, s.PointY[j] + k * dy);
}

Layout PlaceLinkage(SharedState& s) {
  Layout l;
  l.alpha_index = s.P4 <= 2 ? 1 : 2;
  l.beta_index = s.P5 <= 2 ? 1 : 4 - l.alpha_index;
  l.alpha = 15 * l.alpha_index + 30;
  l.beta = 15 * l.beta_index + 15;
  const double ca = std::cos(l.alpha * kPi / 180), sa = std::sin(l.alpha * kPi / 180);
  const double cb = std::cos(l.beta * kPi / 180), sb = std::sin(l.beta * kPi / 180);
  l.a = 2 * s.P4 + 20;
  SetPoint(s, kO, 0, 0);
  switch (s.P1) {
    case 1:
      l.b = static_cast<int>(Round(1.1 * l.a - s.P5)) - 10;
      l.c = l.a - s.P3;
      l.d = 30 - s.P2 + s.P3;
      l.e = static_cast<int>(std::fabs(Round(l.c - l.d * ca))) + 2;
      SetPoint(s, kA, l.a * cb, l.a * sb);
      Offset(s, kB, kA, l.b, 1, 0);
      Offset(s, kC, kB, l.c, 0, -1);
      Offset(s, kD, kB, l.d, ca, -sa);
      Offset(s, kE, kD, l.e, 0, -1);
      break;
    case 2:
      l.b = 2 * l.a + 3 * s.P5;
      l.c = l.a + s.P3;
      l.d = 25 - s.P2 + s.P3;
      l.e = 2 * s.P4 + l.a;
      SetPoint(s, kA, 0, l.a);
      Offset(s, kB, kA, l.b, ca, -sa);
      Offset(s, kC, kB, l.c, 0, 1);
      Offset(s, kD, kB, l.d, cb, sb);
      Offset(s, kE, kD, l.e, ca, -sa);
      break;
    case 3:
      l.b = 2 * l.a + 3 * s.P5 + 20;
      l.c = l.a + s.P3 + 8;
      l.d = 25 - s.P2 + s.P3;
      l.e = 2 * s.P4 + l.a - 10;
      SetPoint(s, kA, -l.a * ca, l.a * sa);
      Offset(s, kB, kA, l.b, 1, 0);
      Offset(s, kC, kB, l.c, -cb, -sb);
      Offset(s, kD, kB, l.d, 0, -1);
      Offset(s, kE, kD, l.e, 1, 0);
      break;
    case 4:
      l.b = 2 * l.a + 8 + 3 * s.P5;
      l.c = l.a + s.P3;
      l.d = 25 - s.P2 + s.P3;
      l.e = 2 * s.P4 + l.a;
      SetPoint(s, kA, 0, l.a);
      Offset(s, kB, kA, l.b, 1, 0);
      Offset(s, kC, kB, l.c, 0, -1);
      Offset(s, kD, kB, l.d, -cb, -sb);
      Offset(s, kE, kD, l.e, ca, -sa);
      break;
    default:  // 5: the crank is longer when BC drives
      l.a = 2 * s.P4 + 10 + 18 * (s.P2 - 1);
      l.b = l.a - s.P5;
      l.c = s.P5 + 30;
      l.d = s.P3 + 45;
      l.e = 2 * s.P4 + l.a + 5;
      SetPoint(s, kA, l.a, 0);
      Offset(s, kB, kA, l.b, 0, -1);
      Offset(s, kC, kB, l.c, 1, 0);
      Offset(s, kD, kB, l.d, cb, sb);
      Offset(s, kE, kD, l.e, ca, -sa);
      break;
  }
  return l;
}

void DrawLinkage(SharedState& s, const Layout& l) {
  const int scheme = s.P1;
  auto x = [&](int i) { return s.PointX[i]; };
  auto y = [&](int i) { return s.PointY[i]; };
  figures::FitPointsToBox(s, 6, 0);
  toolkit::WriteText(s, "\\begin{center}");
  // The fitted joints with the supports, angle marks and letters round them.
  toolkit::BeginPicture(s, s.RangeX * s.Scale + 12 + 17, s.BoxHeight + 22, -12, -11);
  figures::LabelSpacing placed;  // each letter kept clear of those before it
  figures::SetLineWidth(s, 2);
  const int beta_at = scheme == 1 ? kO : scheme == 3 ? kC : scheme == 4 ? kD : kB;
  figures::PutBox(s, kBetaBoxes[l.beta_index - 1], x(beta_at), y(beta_at));
  const char* alpha_box = kAlphaBoxes[l.alpha_index - 1];
  const int alpha_at = scheme == 1 ? kD : scheme == 2 ? kB : scheme == 3 ? kO : kE;
  figures::PutBox(s, alpha_box, x(alpha_at), y(alpha_at));
  if (scheme == 2) figures::PutBox(s, alpha_box, x(kE), y(kE));
  // The drive mark at the middle of the driving crank.
  const bool oa_drives = s.P2 == 1;
  const int from = oa_drives ? kO : kB, to = oa_drives ? kA : kC;
  const double mx = figures::MidX(s, from, to), my = figures::MidY(s, from, to);
  static constexpr const char* kDriveBoxes[5][2] = {{"rmomentp", "umomentp"},
                                                    {"umomentp", "dmomentp"},
                                                    {"umomentp", "rmomentp"},
                                                    {"umomentp", "umomentp"},
                                                    {"rmomentp", "vmomentp"}};
  const double shift = scheme == 5 && !oa_drives ? 8 : 0;
  figures::PutBox(s, kDriveBoxes[scheme - 1][oa_drives ? 0 : 1], mx + shift, my);

  auto label = [&](const char* text, int i, double dx, double dy) {
    figures::PutBlueLabelClear(s, placed, text, x(i) + dx, y(i) + dy);
  };
  if (scheme == 3) {
    label("$O$", kO, 3, -3);
  } else {
    label("$O$", kO, -11, -2);
  }
  if (scheme == 5) {
    label("$A$", kA, -2, 3);
  } else {
    label("$A$", kA, -11, -2);
  }
  if (scheme == 2) {
    label("$B$", kB, -3, -10);
  } else if (scheme == 5) {
    label("$B$", kB, -9, -4);
  } else {
    label("$B$", kB, 4, -3);
  }
  if (scheme == 1 || scheme == 3) {
    label("$C$", kC, -8, 0);
  } else if (scheme == 2) {
    label("$C$", kC, -10, -4);
  } else {
    label("$C$", kC, 3, -4);
  }
  if (scheme == 1) {
    label("$D$", kD, 3, -3);
  } else if (scheme == 3) {
    label("$D$", kD, -4, -10);
  } else if (scheme == 4) {
    label("$D$", kD, -9, -3);
  } else {
    label("$D$", kD, -4, 3);
  }
  label("$E$", kE, 3, -3);

  figures::SetLineWidth(s, 8);
  figures::DrawBar(s, kO, kA);
  figures::DrawBar(s, kA, kB);
  figures::DrawBar(s, kB, kC);
  figures::DrawBar(s, kB, kD);
  figures::DrawBar(s, kD, kE);
  figures::SetLineWidth(s, 3);
  figures::DrawNodeMarker(s, kA);
  figures::DrawNodeMarker(s, kB);
  figures::DrawNodeMarker(s, kD);
  figures::PutHingeBoxAtPoint(s, kO);
  if (scheme == 2) {
    figures::PutUpHingeBoxAtPoint(s, kC);  // C hangs above B
  } else {
    figures::PutHingeBoxAtPoint(s, kC);
  }
  figures::PutHingeBoxAtPoint(s, kE);
  toolkit::EndPicture(s);
}

void SolveAngularAccelerationsLinkage(SharedState& s) {
  figures::ScalePoints(s, 6);
  ClearLinkagePoints(s, 6);
  ClearLinkOmega(s, 5);
  if (s.P2 == 1) {
    s.LinkOmega[kA][kO] = s.P3;
    s.LinkEpsilon[kA][kO] = s.P4;
    SolveRigidLinkPoint(s, kA, kO, kA);
    SolveTwoLinkGroup(s, kA, kB, kC, "linkage");
  } else {
    s.LinkOmega[kB][kC] = s.P3;
    s.LinkEpsilon[kB][kC] = s.P4;
    SolveRigidLinkPoint(s, kB, kC, kB);
    SolveTwoLinkGroup(s, kB, kA, kO, "linkage");
  }
  SolveTwoLinkGroup(s, kB, kD, kE, "linkage");
}

void WriteAngleBox(SharedState& s, const std::string& name, std::string_view label, double a1,
                   double a2, double radius, double ray) {
  toolkit::WriteLine(s, "\\newsavebox{\\" + name + "}\\sbox{\\" + name + "}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  figures::DrawLabelledArc(s, 0, label, 1, 0, 0, a1, a2, radius);
  figures::MoveTo(s, ray, 0);
  figures::LineTo(s, 18 * ray, 0);
  toolkit::EndSaveBox(s);
}

}  // namespace

void BeginThreeAngularAccelerationsProblem(SharedState& s) {
  s.ParboxWidth = 170;
  toolkit::WriteLine(s, "%");
  toolkit::WriteLine(s, "%------------------------ CAT ----");
  for (int i = 1; i <= 3; ++i) {
    WriteAngleBox(s, kBetaBoxes[i - 1], "$\\beta$", 0, (15 * i + 15) * kPi / 180, 12, 1);
  }
  for (int i = 1; i <= 2; ++i) {
    WriteAngleBox(s, kAlphaBoxes[i - 1], "$\\alpha$", kPi - (15 * i + 30) * kPi / 180, kPi, 11, -1);
  }
  toolkit::AnsWrite(s, "\\tabcolsep=2pt");
  toolkit::AnsBeginTable(s, 11);
  toolkit::AnsWrite(s,
                    "\\ru &\\mc{$ \\omega_{OA} $}&\\mc{$ \\omega_{AB} $}&\\mc{$\\omega_{BC}$}&"
                    "\\mc{$\\omega_{BD}$ }&\\mc{ $ \\omega_{DE}$");
  toolkit::AnsWriteLine(s,
                        "}&\\mc{$\\varepsilon_{OA}$}&\\mc{$\\varepsilon_{AB}$}&\\mc{$\\varepsilon_{"
                        "BC}$}&\\mc{ $\\varepsilon_{BD}$}&\\mc{ $ \\varepsilon_{DE}$}\\\\\\hline");
  toolkit::WriteLine(s, "Многозвенный  механизм  приводится  в  движение");
  toolkit::WriteLine(s,
                     "кривошипом $OA$ или $BC$, вращающимся с известной  угловой  скоростью  и");
  toolkit::WriteLine(s,
                     "известным угловым ускорением. Найти угловые скорости и угловые ускорения ");
  toolkit::WriteLine(s,
                     "звеньев механизма. Длины звеньев даны в см, угловые скорости --- в рад/c,");
  toolkit::WriteLine(s, "угловые ускорения --- в рад/c$^2$. Стержни, положение");
  toolkit::WriteLine(s, "которых не определено углом, вертикальны или горизонтальны.   ");
  toolkit::WriteBookReference(s, 183);
}

void WriteThreeAngularAccelerationsVariant(SharedState& s) {
  s.BoxWidth = 120;
  s.BoxHeight = 65;
  s.BlockCentred = true;
  const std::string crank = s.P2 == 1 ? "OA" : "BC";
  const Layout l = PlaceLinkage(s);
  DrawLinkage(s, l);
  SolveAngularAccelerationsLinkage(s);

  toolkit::WriteText(s, "\\end{center}");
  toolkit::WriteText(s, "\\small");
  toolkit::WriteTextNumberLn(s, "$\\omega_{" + crank + "}=", s.P3, "$,");
  toolkit::WriteTextNumberLn(s, "$\\varepsilon_{" + crank + "}=", s.P4, "$,");
  toolkit::WriteText2NumbersLn(s, "$\\alpha{=}", l.alpha, "^\\circ$, $\\beta{=}", l.beta,
                               "^\\circ$,\\\\");
  toolkit::WriteText2NumbersLn(s, "$OA{=}", l.a, "$, $AB{=}", l.b, "$,");
  toolkit::WriteText2NumbersLn(s, "$BC{=}", l.c, "$, $BD{=}", l.d, "$,\\\\");
  toolkit::WriteTextNumberLn(s, "$DE{=}", l.e, "$.");

  // Rows are numbered as the variants are printed, so a set that starts beyond 1 still finds
  // its answers.
  toolkit::AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  for (const auto* m : {&s.LinkOmega, &s.LinkEpsilon}) {
    for (const auto& [i, j] : {std::pair{kO, kA}, {kA, kB}, {kB, kC}, {kB, kD}, {kD, kE}}) {
      toolkit::AnsWrite(s, "&" + toolkit::FormatFixed((*m)[i][j], 8, 3));
    }
  }
}

}  // namespace kinematics
