#include "subjects/structural/two_joint_frame.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

using toolkit::RoundHalfEven;

constexpr int kBar = 1, kColumn1 = 2, kColumn2 = 3, kBeam = 4;

int Digit(int value, int base, int k) {
  for (int i = 0; i < k; ++i) value /= base;
  return value % base;
}

// Fixed-end moments of member k from its load, far end fixed or hinged.
void EndMoments(TwoJointFrameVariant& v, int k) {
  const double l = v.L[k], a = v.A[k], b = v.B[k], s = v.Sign[k];
  const bool fixed = v.FarKind[k] == 1;
  double far = 0, joint = 0;
  switch (v.LoadKind[k]) {
    case 1: {
      const double w = s * v.Q * l * l;
      far = fixed ? w / 12 : 0;
      joint = fixed ? w / 12 : w / 8;
      break;
    }
    case 2: {
      const double u = -s * v.M / (l * l);
      joint = fixed ? u * a * (2 * l - 3 * a) : u / 2 * (l * l - 3 * a * a);
      far = fixed ? -u * b * (2 * l - 3 * b) : 0;
      v.C[k] = s * v.M;
      break;
    }
    case 3:
      joint = fixed ? s * v.P * a * a * b / (l * l) : s * v.P * a * (l * l - a * a) / (2 * l * l);
      far = fixed ? s * v.P * a * b * b / (l * l) : 0;
      break;
    default:
      break;
  }
  v.EFar[k] = far;
  v.EJoint[k] = joint;
}

}  // namespace

TwoJointFrameVariant DeriveTwoJointFrameVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                                int p7) {
  if (p1 < 1 || p1 > 8 || p2 < 1 || p2 > 63 || p3 < 1 || p3 > 3 || p4 < 1 || p5 < 1 || p6 < 1 ||
      p7 < 1 || p7 > 8) {
    throw toolkit::DegenerateDataError("frame with two joints: parameters out of range");
  }
  TwoJointFrameVariant v;
  v.Q = p2 / 9 + p3 + 4;
  v.P = p2 / 5 + 3;
  v.M = (p2 + p5) / 3 + 3;
  const int d1 = Digit(p1 - 1, 2, 0), d2 = Digit(p1 - 1, 2, 1), d3 = Digit(p1 - 1, 2, 2);
  v.BarJoint = d1 + 1;
  v.ColumnUp[1] = d2 == 1;
  v.ColumnUp[2] = d3 == 1;
  v.LoadKind[kBar] = Digit(p2, 4, 0);
  v.LoadKind[kColumn1] = Digit(p2, 4, 1);
  v.LoadKind[kColumn2] = Digit(p2, 4, 2);
  v.LoadKind[kBeam] = p3 + 1 == 4 ? 0 : p3 + 1;
  for (int k = 1; k <= 3; ++k) v.FarKind[k] = Digit(p7 - 1, 2, k - 1) + 1;
  if (v.FarKind[1] == 2 && v.FarKind[2] == 2 && v.FarKind[3] == 2) v.FarKind[p3] = 1;
  v.FarKind[kBeam] = 1;
  for (int k = 1; k <= 3; ++k) v.Sign[k] = 2 * Digit(p6 - 1, 2, k - 1) - 1;
  v.Sign[kBeam] = toolkit::SignNonZero(p5 - 3);

  const int c = 1 - (2 * d2 - 1) * (2 * d3 - 1);
  auto& x = v.X;
  auto& y = v.Y;
  x[1] = 0;
  x[2] = p4 + 3 + 2 * c;
  const double h = p7 / 3 + 4;
  x[4] = x[1];
  y[4] = h * (2 * d2 - 1);
  x[5] = x[2];
  y[5] = h * (2 * d3 - 1);
  const double e = p3 + 2 + 2 * c;
  x[3] = d1 == 0 ? -e : x[2] + e + p6 / 3;
  const double xj = x[v.BarJoint];
  auto middle = [](int kind) { return kind == 2 || kind == 3; };
  if (middle(v.LoadKind[kBar])) {
    x[6] = RoundHalfEven((xj + x[3]) / 2);
  } else {
    x[6] = x[3];
  }
  x[7] = x[1];
  y[7] = middle(v.LoadKind[kColumn1]) ? RoundHalfEven(y[4] / 2) : y[4];
  x[8] = x[2];
  y[8] = middle(v.LoadKind[kColumn2]) ? RoundHalfEven(y[5] / 2) : y[5];
  x[9] = middle(v.LoadKind[kBeam]) ? RoundHalfEven((x[1] + x[2]) / 2) : x[1];
  v.L[kBar] = RoundHalfEven(std::fabs(x[3] - xj));
  v.L[kColumn1] = RoundHalfEven(std::fabs(y[4]));
  v.L[kColumn2] = RoundHalfEven(std::fabs(y[5]));
  v.L[kBeam] = RoundHalfEven(x[2] - x[1]);
  v.A[kBar] = RoundHalfEven(std::fabs(x[3] - x[6]));
  v.A[kColumn1] = RoundHalfEven(std::fabs(y[4] - y[7]));
  v.A[kColumn2] = RoundHalfEven(std::fabs(y[5] - y[8]));
  v.A[kBeam] = RoundHalfEven(x[2] - x[9]);
  for (int k = 1; k <= 4; ++k) {
    v.B[k] = v.L[k] - v.A[k];
    EndMoments(v, k);
  }

  // Load resultants: V (up) on the bar and the beam, H (right) on the columns.
  for (int k = 1; k <= 4; ++k) {
    const int kind = v.LoadKind[k];
    const double size = kind == 1 ? v.Q * v.L[k] : kind == 3 ? v.P : 0;
    const double offset = kind == 1 ? v.L[k] / 2 : v.B[k];
    if (k == kBar) {
      v.Resultant[k] = v.Sign[k] * (2 * d1 - 1) * size;
      v.ResultantAt[k] = d1 == 0 ? -offset : x[2] + offset;
    } else if (k == kBeam) {
      v.Resultant[k] = v.Sign[k] * size;
      v.ResultantAt[k] = offset;
    } else {
      const int dk = k == kColumn1 ? d2 : d3;
      v.Resultant[k] = v.Sign[k] * (1 - 2 * dk) * size;
      v.ResultantAt[k] = (2 * dk - 1) * offset;
    }
  }

  // Stiffness entries (EI = 1, i = 1/L): near and far ends for the joint each member meets.
  auto near = [&](int k) { return (v.FarKind[k] == 1 ? 4.0 : 3.0) / v.L[k]; };
  auto far = [&](int k) { return v.FarKind[k] == 1 ? -2.0 / v.L[k] : 0.0; };
  const double l4 = v.L[kBeam];
  const bool bar1 = v.BarJoint == 1;
  v.R11 = (bar1 ? near(kBar) : 0) + near(kColumn1) + 4 / l4;
  v.R22 = near(kColumn2) + (bar1 ? 0 : near(kBar)) + 4 / l4;
  v.R12 = 2 / l4;
  v.R1p = (bar1 ? v.EJoint[kBar] : 0) + v.EJoint[kColumn1] + v.EJoint[kBeam];
  v.R2p = v.EJoint[kColumn2] + (bar1 ? 0 : v.EJoint[kBar]) - v.EFar[kBeam];
  const double det = v.R12 * v.R12 - v.R11 * v.R22;
  if (std::fabs(det) < 1e-12) {
    throw toolkit::DegenerateDataError("frame with two joints: singular canonical equations");
  }
  v.Z1 = (v.R1p * v.R22 - v.R12 * v.R2p) / det;
  v.Z2 = (v.R11 * v.R2p - v.R12 * v.R1p) / det;

  // Final end moments.
  for (int k = 1; k <= 3; ++k) {
    const int joint = k == kBar ? v.BarJoint : k == kColumn1 ? 1 : 2;
    const double z = joint == 1 ? v.Z1 : v.Z2;
    v.MJoint[k] = v.EJoint[k] + z * near(k);
    v.MFar[k] = v.EFar[k] + z * far(k);
  }
  v.MJoint[kBeam] = v.EJoint[kBeam] + v.Z1 * 4 / l4 + v.Z2 * 2 / l4;
  v.MFar[kBeam] = v.EFar[kBeam] - v.Z1 * 2 / l4 - v.Z2 * 4 / l4;

  // Reactions: the columns' shears, then the horizontal balance, the bar's shear, the moment
  // balance about point 4 and the vertical balance.
  for (int k : {kColumn1, kColumn2}) {
    const double yf = y[k == kColumn1 ? 4 : 5];
    v.RX[k] = (v.C[k] + v.MFar[k] - v.MJoint[k] - v.ResultantAt[k] * v.Resultant[k]) / yf;
  }
  v.RX[1] = -(v.RX[2] + v.RX[3] + v.Resultant[kColumn1] + v.Resultant[kColumn2]);
  // The bar's moment balance about its joint: its load acts at ResultantAt, on the side of
  // support A.
  v.RY[1] = (v.MFar[kBar] - v.MJoint[kBar] + v.Resultant[kBar] * (v.ResultantAt[kBar] - xj) +
             v.C[kBar]) /
            (xj - x[3]);
  for (int k = 1; k <= 3; ++k) v.RM[k] = v.FarKind[k] == 1 ? v.MFar[k] : 0;
  const double couples = v.C[1] + v.C[2] + v.C[3] + v.C[4];
  v.RY[3] = -(v.RM[1] + v.RM[2] + v.RM[3] + couples + v.RX[1] * (y[4] - y[3]) +
              v.RX[3] * (y[4] - y[5]) + v.RY[1] * (x[3] - x[4]) +
              v.Resultant[kBar] * (v.ResultantAt[kBar] - x[4]) +
              v.Resultant[kBeam] * (v.ResultantAt[kBeam] - x[4]) +
              v.Resultant[kColumn1] * (y[4] - v.ResultantAt[kColumn1]) +
              v.Resultant[kColumn2] * (y[4] - v.ResultantAt[kColumn2])) /
            l4;
  v.RY[2] = -(v.RY[1] + v.RY[3] + v.Resultant[kBar] + v.Resultant[kBeam]);

  // Moment of everything about (1, 1).
  const double ox = 1, oy = 1;
  auto moment = [&](double px, double py, double fx, double fy) {
    return (px - ox) * fy - (py - oy) * fx;
  };
  double sum = v.RM[1] + v.RM[2] + v.RM[3] + couples;
  sum += moment(x[3], y[3], v.RX[1], v.RY[1]) + moment(x[4], y[4], v.RX[2], v.RY[2]) +
         moment(x[5], y[5], v.RX[3], v.RY[3]);
  sum += moment(v.ResultantAt[kBar], 0, 0, v.Resultant[kBar]) +
         moment(v.ResultantAt[kBeam], 0, 0, v.Resultant[kBeam]) +
         moment(x[1], v.ResultantAt[kColumn1], v.Resultant[kColumn1], 0) +
         moment(x[2], v.ResultantAt[kColumn2], v.Resultant[kColumn2], 0);
  v.Residual = sum;
  return v;
}

void BeginIndeterminateFrameDisplacement1Problem(SharedState& s) {
  // Two variant boxes share a line: 210pt each would run past the sheet's right margin.
  s.ParboxWidth = 200;
  DefineUpStrutBox(s);
  // Small type, 2pt between columns: the seven columns of coefficients run past the sheet
  // otherwise.
  AnsWrite(s, " Коэффициенты системы уравнений и решение системы\\\\ \\small\\tabcolsep=2pt");
  AnsBeginTable(s, 10);
  Ans2WriteLine(s, " Реакции опор.\\\\ ");
  Ans2Write(s, "\\small\\tabcolsep=2pt");
  Ans2BeginTable(s, 10);
  AnsWriteLine(s,
               "\\No & \\mc{$ r_{11}$}& \\mc{$ r_{12} $}&\\mc{$ r_{22} $}& \\mc{$ R_{1p} $}& "
               "\\mc{$ R_{2p} $}&\\mc{$ Z_1 $}&\\mc{$ Z_2 $}\\\\\\hline");
  Ans2WriteLine(s, "\\No");
  for (const char* letter : {"A", "B", "C"}) {
    Ans2WriteLine(s, std::string("&\\mc{$ M_") + letter + "$}&\\mc{$ X_" + letter +
                         "$}&\\mc{$Y_" + letter + "$}");
  }
  Ans2WriteLine(s, "\\\\\\hline");
  WriteLine(s, "Найти реакции опор рамы. \\vskip2mm\\noindent ");
}

void WriteIndeterminateFrameDisplacement1Variant(SharedState& s) {
  const TwoJointFrameVariant v =
      DeriveTwoJointFrameVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  if (std::fabs(v.Residual) > 1e-8) {
    throw toolkit::DegenerateDataError(
        "frame with two joints: the reactions fail the equilibrium check for P1..P7 = " +
        std::to_string(s.P1) + " " + std::to_string(s.P2) + " " + std::to_string(s.P3) + " " +
        std::to_string(s.P4) + " " + std::to_string(s.P5) + " " + std::to_string(s.P6) + " " +
        std::to_string(s.P7));
  }

  ClearPoints(s, 10);
  auto& x = s.PointX;
  auto& y = s.PointY;
  for (int i = 1; i <= 9; ++i) {
    x[i] = v.X[i];
    y[i] = v.Y[i];
  }
  x[10] = v.X[2] + 0.1;
  y[10] = -1;
  // The frame takes 140 x 70; the vertical dimension chain stands right of the loads of the
  // rightmost column, the horizontal one under everything that hangs below the frame.
  s.BoxWidth = 140;
  s.BoxHeight = 70;
  FitPointsToBox(s, 10, 0);
  BeginPicture(s, 195, 127, -20, -32);
  // Letters of loads and supports, each kept clear of those placed before it ("m" is wider
  // than the other italic letters).
  figures::LabelSpacing placed;
  const auto put_letter = [&](const char* text, double lx, double ly) {
    const auto [px, py] = placed.Clear(lx, ly, text[1] == 'm' ? 6.5 : 6, 6);
    PutLabel(s, text, px, py);
  };
  const auto put_q = [&](double lx, double ly) {
    const auto [px, py] = placed.Clear(lx, ly, 6, 8.5);
    PutBlueLabel(s, "$q$", px, py);
  };
  SetLineWidth(s, 12);
  auto member_line = [&](int joint, int far_point, int k) {
    if (v.FarKind[k] == 1) {
      DrawSegmentPoints(s, joint, far_point);
    } else {
      DrawSegmentFromNodePoints(s, far_point, joint);
    }
  };
  member_line(v.BarJoint, 3, kBar);
  member_line(1, 4, kColumn1);
  member_line(2, 5, kColumn2);
  member_line(1, 2, kBeam);
  SetLineWidth(s, 1);

  // Loads: the load point of member k and the member's span in picture units. Each letter
  // stands beside its own arrows or off its couple's arc; `lowest` follows what hangs below
  // the frame.
  const int load_point[5] = {0, 6, 7, 8, 9};
  double lowest = 0;
  for (int point : {3, 4, 5}) lowest = std::min(lowest, y[point] - 13.5);
  for (int k = 1; k <= 4; ++k) {
    const int kind = v.LoadKind[k];
    if (kind == 0) continue;
    const bool column = k == kColumn1 || k == kColumn2;
    const int joint = k == kBar ? v.BarJoint : k == kColumn1 ? 1 : k == kColumn2 ? 2 : 1;
    const int far_point = k == kBar ? 3 : k == kColumn1 ? 4 : k == kColumn2 ? 5 : 2;
    const double px = x[load_point[k]], py = y[load_point[k]];
    // The direction of the load: up (+1) or down on horizontal members, right or left on
    // columns.
    const int dir = kind == 2 ? 0
                              : toolkit::SignOf(v.Resultant[k] != 0 ? v.Resultant[k]
                                                                    : static_cast<double>(v.Sign[k]));
    if (kind == 1) {
      WriteText(s, "\\Blue{");
      if (column) {
        const double y0 = std::min(y[joint], y[far_point]), y1 = std::max(y[joint], y[far_point]);
        const double xl = x[joint] - 8 * dir;
        DrawSegment(s, xl, y0, xl, y1);
        const int n = std::max(1, static_cast<int>(RoundHalfEven((y1 - y0) / 7)));
        for (int j = 0; j <= n; ++j) DrawDirectedVector(s, dir, 0, 1, xl, y0 + j * (y1 - y0) / n, 8);
        put_q(xl - 6 * dir - 2, (y0 + y1) / 2 + 2);
        placed.Clear(std::min(xl, x[joint]), y0 - 2, 8, y1 - y0, 0);  // no letter on the arrows
      } else {
        const double x0 = std::min(x[joint], x[far_point]), x1 = std::max(x[joint], x[far_point]);
        const double yl = y[joint] - 8 * dir;
        DrawSegment(s, x0, yl, x1, yl);
        const int n = std::max(1, static_cast<int>(RoundHalfEven((x1 - x0) / 7)));
        for (int j = 0; j <= n; ++j) DrawDirectedVector(s, 0, dir, 1, x0 + j * (x1 - x0) / n, yl, 8);
        put_q((x0 + x1) / 2 - 2, yl - 6 * dir + (dir > 0 ? -2 : 1));
        placed.Clear(x0, std::min(yl, y[joint]) - 2, x1 - x0, 8, 0);  // no letter on the arrows
        if (dir > 0) lowest = std::min(lowest, yl - 10);
      }
      WriteText(s, "}");
    } else if (kind == 3) {
      WriteText(s, "\\Red{{\\thicklines");
      if (column) {
        DrawDirectedVector(s, 1, 0, dir, dir > 0 ? px - 20 : px, py, 20);
        put_letter("$P$", dir > 0 ? px - 14 : px + 8, py + 2);
      } else {
        DrawDirectedVector(s, 0, 1, dir, px, dir > 0 ? py - 20 : py, 20);
        put_letter("$P$", px + 2, dir > 0 ? py - 14 : py + 9);
        if (dir > 0) lowest = std::min(lowest, py - 20);
      }
      WriteText(s, "}}");
    } else {
      const bool positive = v.Sign[k] > 0;
      if (column) {
        PutBox(s, positive ? "dmomentp" : "dmomentm", px, py);
        put_letter("$m$", px + 7, py + 8);
      } else {
        PutBox(s, positive ? "vmomentp" : "vmoment", px, py);
        put_letter("$m$", px + 10, py + 11);
      }
    }
  }

  // Supports.
  const bool bar_left = v.BarJoint == 1;
  if (v.FarKind[kBar] == 1) {
    PutBoxAtPoint(s, 3, bar_left ? "leftzadelka" : "rightzadelka");
  } else if (bar_left) {
    PutUpHingeBoxAtPoint(s, 3);
  } else {
    PutHingeBoxAtPoint(s, 3);
  }
  for (int k : {kColumn1, kColumn2}) {
    const int point = k == kColumn1 ? 4 : 5;
    const bool up = v.ColumnUp[k - 1];
    if (v.FarKind[k] == 1) {
      PutBoxAtPoint(s, point, up ? "upzadelka" : "zadelka");
    } else if (up) {
      PutUpHingeBoxAtPoint(s, point);
    } else {
      PutHingeBoxAtPoint(s, point);
    }
  }
  // The vertical chain stands clear of the rightmost member and its support.
  DrawDimensionChains(s, 9, s.Scale * s.RangeX + 28, std::min(-15.0, lowest - 10), 1, s.Scale,
                      s.Scale, 1);
  for (int k : {kColumn1, kColumn2}) {
    const int point = k == kColumn1 ? 4 : 5;
    const char* label = k == kColumn1 ? "$B$" : "$C$";
    if (!v.ColumnUp[k - 1]) {
      put_letter(label, x[point] - 9, y[point] + 2);
    } else {
      put_letter(label, x[point] + 2, y[point] - 6);
    }
  }
  if (bar_left && v.FarKind[kBar] == 1) {
    put_letter("$A$", x[3] + 2, y[3] + 2);
  } else if (bar_left) {
    put_letter("$A$", x[3] - 7, y[3] - 5);
  } else {
    put_letter("$A$", x[3] - 11, y[3] - 7);
  }
  EndPicture(s);

  bool has[4] = {false, false, false, false};
  for (int k = 1; k <= 4; ++k) has[v.LoadKind[k]] = true;
  WriteText(s, "\\vfill\\parbox[b]{180pt}{\\small");
  WriteFrameLoadData(s, has[1], has[3], has[2], v.Q, v.P, v.M);
  WriteText(s, "}\\\\");

  auto fixed = [](double value) { return toolkit::FormatFixed(value, 6, 3); };
  const std::string number = toolkit::FormatNumber(toolkit::PrintedVariantNumber(s));
  AnsWriteLine(s, number + "&" + fixed(v.R11) + "&" + fixed(v.R12) + "&" + fixed(v.R22) + "&" +
                      fixed(v.R1p) + "&" + fixed(v.R2p) + "&" + fixed(v.Z1) + "&" + fixed(v.Z2));
  Ans2WriteLine(s, number);
  for (int k = 1; k <= 3; ++k) {
    if (v.FarKind[k] == 1) {
      Ans2WriteLine(s, " & " + fixed(v.RM[k]) + " & " + fixed(v.RX[k]) + " & " + fixed(v.RY[k]));
    } else {
      // A hinge takes no moment: the cell has no value.
      Ans2WriteLine(s, " & " + std::string(toolkit::kNoValue) + " & " + fixed(v.RX[k]) + " & " +
                           fixed(v.RY[k]));
    }
  }
}

}  // namespace structural
