#include "subjects/structural/frame_displacement_method.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "figures/dimensions.h"
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
#include "toolkit/writers.h"

namespace structural {

namespace {

constexpr int kLoadState = 0, kRotation = 1, kSway = 2, kFinal = 3;

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

int WrapPosition(int x) { return x >= 6 ? x - 5 : x; }

int Bit(int value, int k) { return (value >> k) & 1; }

std::string Fixed(double x) { return toolkit::FormatFixed(x, 6, 3); }

// The load-state end moments and shears of member j by its load and the kinds of its ends.
void LoadEndForces(FrameDisplacementVariant& v, int j) {
  const bool first_rigid = v.Kind[v.First[j]] == 1;
  const bool second_rigid = v.Kind[v.Second[j]] == 1;
  const double l = v.Length[j];
  const double a = v.LoadDistance[j];
  const double c = l - a;
  const double s = v.Orientation[j];
  double m1 = 0, m2 = 0, v1 = 0, v2 = 0;
  switch (v.LoadKind[j]) {
    case 1: {
      const double qs = v.LoadSign[1] * v.q;
      const double w = qs * l * l;
      if (first_rigid && second_rigid) {
        m1 = w / 12;
        m2 = -w / 12;
      } else if (first_rigid) {
        m1 = w / 8;
      } else if (second_rigid) {
        m2 = -w / 8;
      }
      // A member hinged at both ends still carries its load to both ends.
      v2 = s * ((m1 + m2) - qs * l * l / 2) / l;
      v1 = -s * qs * l - v2;
      break;
    }
    case 2: {
      const double ps = v.LoadSign[2] * v.P;
      if (first_rigid && second_rigid) {
        m1 = ps * a * c * c / (l * l);
        m2 = -ps * a * a * c / (l * l);
      } else if (first_rigid) {
        m1 = ps * c * (l * l - c * c) / (2 * l * l);
      } else if (second_rigid) {
        m2 = -ps * a * (l * l - a * a) / (2 * l * l);
      }
      v2 = s * ((m1 + m2) - ps * a) / l;
      v1 = -s * ps - v2;
      break;
    }
    case 3: {
      const double ms = v.LoadSign[3] * v.m;
      const double k = ms / (l * l);
      if (first_rigid && second_rigid) {
        m1 = k * c * (2 * l - 3 * c);
        m2 = k * a * (2 * l - 3 * a);
      } else if (first_rigid) {
        m1 = k * (l * l - 3 * c * c) / 2;
      } else if (second_rigid) {
        m2 = k * (l * l - 3 * a * a) / 2;
      }
      v2 = s * (m1 + m2 + ms) / l;
      v1 = -v2;
      break;
    }
    default:
      break;
  }
  v.M1[kLoadState][j] = m1;
  v.M2[kLoadState][j] = m2;
  v.V1[kLoadState][j] = v1;
  v.V2[kLoadState][j] = v2;
}

// The end values of member j when its end at the rigid joint turns by one, counter-clockwise
// like every end moment here: the moment at the turned end, the carried-over one at the far
// end (none at a hinge), and the end forces across the member that balance them.
void SetUnitRotationForces(FrameDisplacementVariant& v, int j, bool second_end_turns) {
  const int far = second_end_turns ? v.First[j] : v.Second[j];
  const double i = 1.0 / v.Length[j];
  const bool far_rigid = v.Kind[far] == 1;
  const double near_moment = (far_rigid ? 4 : 3) * i;
  const double far_moment = far_rigid ? 2 * i : 0;
  v.M2[kRotation][j] = second_end_turns ? near_moment : far_moment;
  v.M1[kRotation][j] = second_end_turns ? far_moment : near_moment;
  v.V2[kRotation][j] = v.Orientation[j] * (v.M1[kRotation][j] + v.M2[kRotation][j]) / v.Length[j];
  v.V1[kRotation][j] = -v.V2[kRotation][j];
}

void SetUnitSwayForces(FrameDisplacementVariant& v, int k) {
  const bool first_rigid = v.Kind[v.First[k]] == 1;
  const bool second_rigid = v.Kind[v.Second[k]] == 1;
  const double l = v.Length[k];
  const double s = v.Orientation[k];
  double m1 = 0, m2 = 0;
  if (first_rigid && second_rigid) {
    m1 = m2 = 6 * s / (l * l);
  } else if (first_rigid) {
    m1 = 3 * s / (l * l);
  } else if (second_rigid) {
    m2 = 3 * s / (l * l);
  }
  v.M1[kSway][k] = m1;
  v.M2[kSway][k] = m2;
  v.V1[kSway][k] = -s * (m1 + m2) / l;
  v.V2[kSway][k] = -v.V1[kSway][k];
}

}  // namespace

FrameDisplacementVariant DeriveFrameDisplacementVariant(int p1, int p2, int p3, int p4, int p5,
                                                        int p6, int p7) {
  FrameDisplacementVariant v;
  v.q = p7 / 2 + p3 + p4;
  v.P = p2 + 1;
  v.m = (p2 + p5) / 3 + 2 * p3;

  // Three different members carry q, P and m: each later load moves on, wrapping 6 to 1,
  // past the members already loaded.
  v.QMember = p4;
  v.PMember = p5 == p4 ? WrapPosition(p5 + 1) : p5;
  v.MMember = p6;
  while (v.MMember == v.QMember || v.MMember == v.PMember) v.MMember = WrapPosition(v.MMember + 1);

  for (int k = 1; k <= 3; ++k) {
    v.Rises[k] = Bit(p2 - 1, k - 1);
    v.Orientation[k] = 1 - 2 * v.Rises[k];
    v.LoadSign[k] = 2 * Bit(p7 - 1, k - 1) - 1;
  }
  v.Orientation[4] = v.Orientation[5] = 1;
  const bool same = v.Rises[1] == v.Rises[2] && v.Rises[2] == v.Rises[3];
  const int w = same ? 0 : 5;

  v.X[4] = 0;
  v.Y[4] = 0;
  v.X[5] = p1 + 7 + w;
  v.Y[5] = 0;
  v.X[6] = v.X[5] + p2 / 3 + 7 + w;
  v.Y[6] = 0;
  for (int k = 1; k <= 3; ++k) {
    v.X[k] = v.X[k + 3];
    v.Y[k] = (p7 / 3 + 6) * (2 * v.Rises[k] - 1);
    v.First[k] = k;
    v.Second[k] = k + 3;
  }
  v.First[4] = 5;
  v.Second[4] = 4;
  v.First[5] = 6;
  v.Second[5] = 5;
  for (int j = 1; j <= 5; ++j) {
    v.Length[j] = Round(toolkit::Hypot(v.X[v.First[j]] - v.X[v.Second[j]],
                                       v.Y[v.First[j]] - v.Y[v.Second[j]]));
  }
  for (int n = 1; n <= 3; ++n) v.Kind[n] = 1;
  for (int n = 4; n <= 6; ++n) v.Kind[n] = 2;
  v.Kind[p1 + 3] = 1;
  v.Kind[p3] = 2;

  v.LoadKind[v.QMember] = 1;
  v.LoadKind[v.PMember] = 2;
  v.LoadKind[v.MMember] = 3;
  for (int j = 1; j <= 5; ++j) {
    const int point = j + 6;
    const int first = v.First[j];
    const bool at_middle = v.LoadKind[j] == 2 || v.LoadKind[j] == 3;
    if (j <= 3) {
      v.X[point] = v.X[first];
      v.Y[point] = at_middle ? Round(v.Y[first] / 2) : v.Y[first];
      v.LoadDistance[j] = std::fabs(v.Y[point] - v.Y[first]);
    } else {
      v.X[point] = at_middle ? Round((v.X[first] + v.X[v.Second[j]]) / 2) : v.X[v.Second[j]];
      v.Y[point] = 0;
      v.LoadDistance[j] = std::fabs(v.X[point] - v.X[first]);
    }
  }

  for (int j = 1; j <= 5; ++j) LoadEndForces(v, j);
  const int joint = p1 + 3;
  switch (joint) {
    case 4:
      SetUnitRotationForces(v, 1, true);
      SetUnitRotationForces(v, 4, true);
      break;
    case 5:
      SetUnitRotationForces(v, 4, false);
      SetUnitRotationForces(v, 2, true);
      SetUnitRotationForces(v, 5, true);
      break;
    default:
      SetUnitRotationForces(v, 5, false);
      SetUnitRotationForces(v, 3, true);
      break;
  }
  for (int k = 1; k <= 3; ++k) SetUnitSwayForces(v, k);

  const auto& load_m1 = v.M1[kLoadState];
  const auto& load_m2 = v.M2[kLoadState];
  const auto& rot_m1 = v.M1[kRotation];
  const auto& rot_m2 = v.M2[kRotation];
  // The canonical coefficients are the reactions of the two added constraints (the joint's
  // turn and the girder's sway to the right): r under unit displacements, R under the loads;
  // r Z + R = 0.
  switch (joint) {
    case 4:
      v.R1p = load_m2[1] + load_m2[4];
      v.r11 = rot_m2[1] + rot_m2[4];
      break;
    case 5:
      v.R1p = load_m1[4] + load_m2[2] + load_m2[5];
      v.r11 = rot_m1[4] + rot_m2[2] + rot_m2[5];
      break;
    default:
      v.R1p = load_m1[5] + load_m2[3];
      v.r11 = rot_m1[5] + rot_m2[3];
      break;
  }
  for (int k = 1; k <= 3; ++k) {
    v.R2p += v.V2[kLoadState][k];
    v.r22 += v.V2[kSway][k];
  }
  v.r12 = v.V2[kRotation][p1];
  const double d = v.r11 * v.r22 - v.r12 * v.r12;
  if (std::fabs(d) < 1e-12) {
    throw toolkit::DegenerateDataError(
        "frame by the displacement method: the canonical system is singular");
  }
  v.Z1 = (v.R2p * v.r12 - v.R1p * v.r22) / d;
  v.Z2 = (v.R1p * v.r12 - v.R2p * v.r11) / d;
  for (int j = 1; j <= 5; ++j) {
    v.M1[kFinal][j] = v.M1[kRotation][j] * v.Z1 + v.M1[kSway][j] * v.Z2 + v.M1[kLoadState][j];
    v.M2[kFinal][j] = v.M2[kRotation][j] * v.Z1 + v.M2[kSway][j] * v.Z2 + v.M2[kLoadState][j];
    v.V1[kFinal][j] = v.V1[kRotation][j] * v.Z1 + v.V1[kSway][j] * v.Z2 + v.V1[kLoadState][j];
    v.V2[kFinal][j] = v.V2[kRotation][j] * v.Z1 + v.V2[kSway][j] * v.Z2 + v.V2[kLoadState][j];
  }
  for (int k = 1; k <= 3; ++k) {
    v.RM[k] = v.M1[kFinal][k];
    v.RX[k] = v.V1[kFinal][k];
  }
  v.RY[1] = v.V2[kFinal][4];
  v.RY[2] = v.V1[kFinal][4] + v.V2[kFinal][5];
  v.RY[3] = v.V1[kFinal][5];

  // Equilibrium of the whole frame: moments about (1, 1), counter-clockwise positive.
  double sum = v.LoadSign[3] * v.m;
  for (int k = 1; k <= 3; ++k) {
    sum += v.RM[k] + v.RY[k] * (v.X[k] - 1) - v.RX[k] * (v.Y[k] - 1);
  }
  const int pj = v.PMember;
  const double ps = v.LoadSign[2] * v.P;
  if (pj <= 3) {
    sum -= v.Orientation[pj] * ps * (v.Y[pj + 6] - 1);
  } else {
    sum += ps * (v.X[pj + 6] - 1);
  }
  const int qj = v.QMember;
  const double resultant = v.LoadSign[1] * v.q * v.Length[qj];
  if (qj <= 3) {
    sum -= v.Orientation[qj] * resultant * ((v.Y[qj] + v.Y[qj + 3]) / 2 - 1);
  } else {
    sum += resultant * ((v.X[v.First[qj]] + v.X[v.Second[qj]]) / 2 - 1);
  }
  v.Residual = sum;
  if (!(std::fabs(sum) <= 1e-8)) {
    throw toolkit::DegenerateDataError(
        "frame by the displacement method: the reactions do not balance the loads for P1..P7 = " +
        std::to_string(p1) + " " + std::to_string(p2) + " " + std::to_string(p3) + " " +
        std::to_string(p4) + " " + std::to_string(p5) + " " + std::to_string(p6) + " " +
        std::to_string(p7));
  }
  return v;
}

void BeginFrameDisplacementMethodProblem(SharedState& s) {
  // Two boxes of 210 points run past the sheet's right margin; 200 keep 5 mm clear.
  s.ParboxWidth = 200;
  AnsWrite(s, " Коэффициенты системы уравнений и решение системы\\\\ \\tabcolsep=3pt");
  AnsBeginTable(s, 10);
  // Nine reactions of up to eight characters overrun the page at the usual column padding.
  Ans2Write(s, "\\tabcolsep=3pt");
  Ans2BeginTable(s, 10);
  AnsWriteLine(s,
               "\\No & \\mc{$ r_{11}$}& \\mc{$ r_{12} $}&\\mc{$ r_{22} $}& \\mc{$ R_{1p} $}& "
               "\\mc{$ R_{2p} $}&\\mc{$ Z_1 $}&\\mc{$ Z_2 $}\\\\\\hline");
  Ans2WriteLine(s, " & \\multicolumn{9}{|c|}{Реакции опор}\\\\ \\hline");
  for (const char* support : {"A", "B", "C"}) {
    Ans2WriteLine(s, std::string("&\\mc{$ M_") + support + "$}&\\mc{$ X_" + support +
                         "$}&\\mc{$Y_" + support + "$}");
  }
  Ans2WriteLine(s, "\\\\\\hline");
  WriteLine(s, "Найти реакции опор рамы. \\vskip2mm\\noindent ");
}

void WriteFrameDisplacementMethodVariant(SharedState& s) {
  const FrameDisplacementVariant v =
      DeriveFrameDisplacementVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  s.P5 = static_cast<std::int8_t>(v.PMember);
  s.P6 = static_cast<std::int8_t>(v.MMember);

  s.BoxWidth = 130;
  s.BoxHeight = 60;
  ClearPoints(s, 11);
  for (int i = 1; i <= 11; ++i) {
    s.PointX[i] = v.X[i];
    s.PointY[i] = v.Y[i];
  }
  for (int i = 1; i <= 6; ++i) s.NodeKinds[i] = static_cast<std::uint8_t>(v.Kind[i]);
  FitPointsToBox(s, 11, 0);
  auto& x = s.PointX;
  auto& y = s.PointY;
  // Room right of the frame for the vertical dimension chain, clear of the support letters.
  BeginPicture(s, 185, 120, -20, -25);
  // The letters of loads and supports, each kept clear of those placed before it (the
  // widths are those of the italic letters: "m" is wider than most).
  figures::LabelSpacing placed;
  const auto put_blue = [&](const char* text, double lx, double ly) {
    const auto [px, py] = placed.Clear(lx, ly, 6, 8.5);
    PutBlueLabel(s, text, px, py);
  };
  const auto put_letter = [&](const char* text, double lx, double ly) {
    const auto [px, py] = placed.Clear(lx, ly, text[1] == 'm' ? 6.5 : 6, 6);
    PutLabel(s, text, px, py);
  };
  for (int i = 1; i <= 6; ++i) {
    if (v.Kind[i] == 2) DrawNodeMarker(s, i);
  }
  SetLineWidth(s, 12);
  DrawBarByNodeKinds(s, 1, 4);
  DrawBarByNodeKinds(s, 2, 5);
  DrawBarByNodeKinds(s, 3, 6);
  DrawBarByNodeKinds(s, 4, 5);
  DrawBarByNodeKinds(s, 5, 6);
  SetLineWidth(s, 1);

  // A couple's arc is no place for a letter: its box is taken first (radius 12 over a beam,
  // 8 beside a column).
  for (int j = 1; j <= 5; ++j) {
    if (v.LoadKind[j] != 3) continue;
    const double cx = x[j + 6], cy = y[j + 6];
    if (j <= 3) {
      placed.Clear(cx - 8, cy - 6, 17, 15, 0);
    } else {
      placed.Clear(cx - 12, cy - 7, 24, 19, 0);
    }
  }
  const int t1 = v.LoadSign[1], t2 = v.LoadSign[2], t3 = v.LoadSign[3];
  for (int j = 1; j <= 5; ++j) {
    const int first = v.First[j], second = v.Second[j], l = j + 6;
    const double len = PointDistanceRounded(s, second, first) - 4;
    const int cnt = std::max(1, Round(len / 7));
    const double step = len / cnt;
    const int sk = v.Orientation[j];
    if (j <= 3) {
      switch (v.LoadKind[j]) {
        case 1: {
          const int e = y[first] < y[second] ? first : second;
          WriteText(s, "\\Blue{");
          put_blue("$q$", x[e] - 18.5, MidY(s, first, second) - 4);
          DrawLatexLine(s, 0, 1, x[e] - 11, y[e] + 2, len);
          for (int i = 0; i <= cnt; ++i) {
            DrawDirectedVector(s, 1, 0, sk * t1, x[e] - 11, y[e] + i * step + 2, 11);
          }
          WriteText(s, "}");
          break;
        }
        case 2:
          WriteText(s, "\\Red{{\\thicklines");
          DrawDirectedVector(s, 1, 0, sk * t2, x[l] - 20, y[l], 20);
          put_letter("$P$", x[l] - 14, y[l] + 3);
          WriteText(s, "}}");
          break;
        case 3:
          // The letter left of the arc, off its line.
          PutBoxAtPoint(s, l, t3 > 0 ? "dmomentp" : "dmomentm");
          put_letter("$m$", x[l] - 17, y[l] + 6);
          break;
        default:
          break;
      }
    } else {
      switch (v.LoadKind[j]) {
        case 1: {
          const int e = x[first] < x[second] ? first : second;
          WriteText(s, "\\Blue{");
          put_blue("$q$", x[e] + 4, y[e] + 14.5);
          DrawLatexLine(s, 1, 0, x[e] + 2, y[e] + 11, len);
          for (int i = 0; i <= cnt; ++i) {
            DrawDirectedVector(s, 0, 1, t1, x[e] + i * step + 2, y[e], 11);
          }
          WriteText(s, "}");
          break;
        }
        case 2:
          WriteText(s, "\\Red{{\\thicklines");
          DrawDirectedVector(s, 0, 1, t2, x[l], y[l], 20);
          WriteText(s, "}}");
          put_letter("$P$", x[l] + 2, y[l] + 20);
          break;
        case 3:
          // The letter above the arc's left shoulder, off its line.
          PutBoxAtPoint(s, l, t3 > 0 ? "vmomentp" : "vmoment");
          put_letter("$m$", x[l] - 17, y[l] + 11);
          break;
        default:
          break;
      }
    }
  }
  for (int k = 1; k <= 3; ++k) {
    const bool rises = v.Rises[k] == 1;
    if (v.Kind[k] == 1) {
      PutBoxAtPoint(s, k, rises ? "upzadelka" : "zadelka");
    } else if (rises) {
      PutUpHingeBoxAtPoint(s, k);
    } else {
      PutHingeBoxAtPoint(s, k);
    }
  }
  DrawDimensionChains(s, 11, s.RangeX * s.Scale + 22, -20, 1, s.Scale, s.Scale, 0);
  const char* names[3] = {"$A$", "$B$", "$C$"};
  for (int k = 1; k <= 3; ++k) {
    put_letter(names[k - 1], x[k] + 3, v.Rises[k] == 1 ? y[k] - 7 : y[k] + 2);
  }
  EndPicture(s);
  WriteText3NumbersLn(s, "\\vfill\\parbox[b]{180pt}{\\small $q=$", v.q, "~кН/м, $P=$", v.P,
                      "~кН, $m=$", v.m, "~кНм.}\\\\ ");

  AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  for (double value : {v.r11, v.r12, v.r22, v.R1p, v.R2p, v.Z1, v.Z2}) {
    AnsWrite(s, "&" + Fixed(value));
  }
  Ans2WriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)));
  for (int k = 1; k <= 3; ++k) {
    Ans2WriteLine(s, " & " + Fixed(v.RM[k]) + " & " + Fixed(v.RX[k]) + " & " + Fixed(v.RY[k]));
  }
}

}  // namespace structural
