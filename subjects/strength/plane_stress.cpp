#include "subjects/strength/plane_stress.h"

#include <cmath>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr int kLegBD[11] = {0, 2, 6, 3, 4, 4, 8, 4, 3, 3, 3};
constexpr int kLegBF[11] = {0, 4, 8, 3, 3, 4, 6, 2, 4, 4, 4};

// Arrows of the five face stresses: the one for a positive value and for a negative value,
// and the label point. tau_xy has a second arrow on the other leg.
struct StressArrow {
  int dx, dy;
  double x, y, len;
};
struct StressFigure {
  StressArrow positive, negative;
  StressArrow positive2, negative2;  // len 0: none
  double label_x, label_y;
};
constexpr StressFigure kSigmaX{{-1, 0, 20, 40, 17}, {1, 0, 3, 40, 17}, {}, {}, 2, 42};
constexpr StressFigure kSigmaY{{0, -1, 50, 20, 17}, {0, 1, 50, 3, 17}, {}, {}, 52, 2};
constexpr StressFigure kTauXY{{-1, 0, 60, 15, 20},
                              {1, 0, 40, 15, 20},
                              {0, -1, 15, 50, 20},
                              {0, 1, 15, 30, 20},
                              35,
                              13};
constexpr StressFigure kSigma{{2, 3, 50, 40, 15}, {-2, -3, 65, 64, 12}, {}, {}, 62, 63};
constexpr StressFigure kTau{{-3, 2, 62, 36, 25}, {3, -2, 38, 50, 25}, {}, {}, 42, 53};

void Draw(SharedState& s, const StressArrow& a) {
  if (a.len > 0) DrawVector(s, a.dx, a.dy, a.x, a.y, a.len);
}

void DrawGiven(SharedState& s, const StressFigure& f, double v) {
  if (v == 0) return;
  if (v > 0) {
    Draw(s, f.positive);
    Draw(s, f.positive2);
  } else {
    Draw(s, f.negative);
    Draw(s, f.negative2);
  }
  PutValueLabel(s, f.label_x, f.label_y, std::fabs(v));
}

void DrawUnknown(SharedState& s, const StressFigure& f, double v) {
  if (v != 0) return;
  Draw(s, f.positive);
  Draw(s, f.positive2);
}

}  // namespace

PlaneStressVariant DerivePlaneStress(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  if (p7 < 1 || p7 > 10 || p1 < 1 || p1 > 4) {
    throw toolkit::DegenerateDataError("plane stress: parameters out of range");
  }
  PlaneStressVariant v;
  // A stress of 0 is replaced, always by P2 + 1.
  auto nz = [p2](int k) { return static_cast<double>(k != 0 ? k : p2 + 1); };
  v.Case = p1;
  v.TauXY = -nz(p2 - 4);
  v.Tau = -nz(p3 - 4);
  v.SigmaX = -nz(p4 - 4);
  v.SigmaY = -nz(p5 - 4);
  v.Sigma = nz(p6 - 4);
  v.a = kLegBD[p7];
  v.b = kLegBF[p7];
  const double hyp = std::sqrt(static_cast<double>(v.a * v.a + v.b * v.b));
  const double l = v.b / hyp;
  const double m = std::sqrt(1 - l * l);
  const double l2 = l * l, m2 = m * m, lm = l * m;
  switch (p1) {
    case 1:
      v.SigmaX = (v.Sigma - l2 * v.SigmaY - 2 * v.TauXY * lm) / m2;
      v.Tau = v.TauXY + (v.SigmaY - v.Sigma) * l / m;
      v.UnknownSigmaX = v.UnknownTau = true;
      break;
    case 2:
      v.SigmaY = (v.Sigma - m2 * v.SigmaX - 2 * v.TauXY * lm) / l2;
      v.Tau = (v.Sigma - v.SigmaX) * m / l - v.TauXY;
      v.UnknownSigmaY = v.UnknownTau = true;
      break;
    case 3:
      v.SigmaY = (v.Tau - v.TauXY * (2 * m2 - 1) + v.SigmaX * lm) / lm;
      v.Sigma = v.SigmaX + (v.TauXY + v.Tau) * l / m;
      v.UnknownSigmaY = v.UnknownSigma = true;
      break;
    default:
      v.SigmaX = (v.SigmaY * lm - v.Tau + v.TauXY * (2 * m2 - 1)) / lm;
      v.Sigma = v.SigmaY + (v.TauXY - v.Tau) * m / l;
      v.UnknownSigmaX = v.UnknownSigma = true;
      break;
  }
  const double c = (v.SigmaX + v.SigmaY) / 2;
  const double R = std::sqrt(std::pow((v.SigmaX - v.SigmaY) / 2, 2) + v.TauXY * v.TauXY);
  v.SigmaMax = c + R;
  v.SigmaMin = c - R;
  v.Eps1 = (v.SigmaMax - 0.3 * v.SigmaMin) * 10 * 0.1;
  v.Eps2 = (v.SigmaMin - 0.3 * v.SigmaMax) * 10 * 0.1;
  return v;
}

void BeginPlaneStressProblem(SharedState& s) {
  WriteText(s, "\\tabcolsep=2pt");
  s.ParboxWidth = 185;
  WriteLine(s, "\\newsavebox{\\treug}\\sbox{\\treug}{%");
  BeginPicture(s, 2, 2, 0, 0);
  WriteText(s, "\\Blue{");
  DrawVector(s, 1, 0, 0, 0, 100);
  DrawVector(s, 0, 1, 0, 0, 80);
  PutLabel(s, "$y$", 3, 80);
  PutLabel(s, "$B$", 13, 15);
  PutLabel(s, "$D$", 13, 62);
  PutLabel(s, "$F$", 82, 15);
  PutLabel(s, "$x$", 100, 4);
  WriteText(s, "}");
  SetLineWidth(s, 8);
  MoveTo(s, 20, 20);
  LineTo(s, 20, 60);
  LineTo(s, 80, 20);
  LineTo(s, 20, 20);
  SetLineWidth(s, 1);
  EndSaveBox(s);
  WriteText(s, "Найти деформации пластинки. Дано: $E=1000$ МПа, $\\nu=0.3$.\\par\\noindent ");
  AnsBeginTable(s, 9);
  // The last two columns hold the principal strains.
  AnsWriteLine(s,
               " & $\\sigma_x$ & $\\sigma_y$ & $\\sigma$ &$ \\tau_{xy}$ &$ \\tau$ & "
               "$\\sigma_{max}$& $\\sigma_{min}$ & $\\varepsilon_1\\cdot 10^3$& "
               "$\\varepsilon_2\\cdot 10^3$ \\\\\\hline");
}

void WritePlaneStressVariant(SharedState& s) {
  PlaneStressVariant v = DerivePlaneStress(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & ");
  std::string row = " ";
  const double cells[9] = {v.SigmaX, v.SigmaY,   v.Sigma,   v.TauXY, v.Tau,
                           v.SigmaMax, v.SigmaMin, v.Eps1, v.Eps2};
  for (int i = 0; i < 9; ++i) {
    if (i > 0) row += "&";
    // Rounding noise of a stress that is 0 would print as "-0.000".
    row += toolkit::FormatFixed(std::fabs(cells[i]) < 1e-9 ? 0.0 : cells[i], 6, 3);
  }
  AnsWriteLine(s, row);

  // The figure shows the given stresses only.
  if (v.UnknownSigmaX) v.SigmaX = 0;
  if (v.UnknownSigmaY) v.SigmaY = 0;
  if (v.UnknownSigma) v.Sigma = 0;
  if (v.UnknownTau) v.Tau = 0;

  WriteText2NumbersLn(s, "$BF=$", v.b, " см, $BD=$", v.a, " см.\\\\");
  // The element with its stress arrows and values lies between x = 2 and 108.
  BeginPicture(s, 115, 92, -5, -5);
  PutBox(s, "treug", 0, 0);
  DrawGiven(s, kSigmaX, v.SigmaX);
  DrawGiven(s, kSigmaY, v.SigmaY);
  DrawGiven(s, kTauXY, v.TauXY);
  DrawGiven(s, kSigma, v.Sigma);
  DrawGiven(s, kTau, v.Tau);
  WriteText(s, "\\thicklines ");
  WriteText(s, " \\Red{");
  DrawUnknown(s, kSigmaX, v.SigmaX);
  DrawUnknown(s, kSigmaY, v.SigmaY);
  DrawUnknown(s, kTauXY, v.TauXY);
  DrawUnknown(s, kSigma, v.Sigma);
  DrawUnknown(s, kTau, v.Tau);
  WriteText(s, "} ");
  EndPicture(s);
}

}  // namespace strength
