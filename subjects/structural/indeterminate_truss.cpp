#include "subjects/structural/indeterminate_truss.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "subjects/structural/common/mechanics_state.h"
#include "subjects/structural/common/truss_figures.h"
#include "subjects/structural/common/truss_solvers.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

constexpr int kBars = 13;  // U1..U3, V1..V4, O1..O3, D1..D3; unknowns 14..16 are reactions

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

std::string Padded(int v, int width) {
  std::string t = std::to_string(v);
  return t.size() < static_cast<std::size_t>(width) ? std::string(width - t.size(), ' ') + t : t;
}

// A force that is zero but for rounding noise prints as 0.000, not -0.000.
std::string Fixed(double x, int width) {
  return toolkit::FormatFixed(std::fabs(x) < 1e-9 ? 0.0 : x, width, 3);
}

// The first lower joint from `from` in steps of `step` that carries no support.
int FirstFreeLowerJoint(const IndeterminateTrussVariant& v, int from, int step) {
  for (int k = from; k >= 1 && k <= 4; k += step) {
    if (k != v.PinJoint && k != v.SecondJoint) return k;
  }
  throw toolkit::DegenerateDataError("indeterminate truss: no lower joint is free for P");
}

// End joints of the diagonal of panel k that the figure draws for `flag`: the regular one
// for flag 1, the other (the extra diagonal) for flag 0.
void PanelDiagonalJoints(const toolkit::IndexedArray<int, 1, 4>& bits, int k, int flag, int& a,
                         int& b) {
  if (bits[k] == flag) {
    a = k;
    b = k + 5;
  } else {
    a = k + 4;
    b = k + 1;
  }
}

// Joint equilibrium of the basic truss under the loads (joint, fx, fy); the unknowns go to
// `out`, the bar lengths to `length`.
struct JointLoad {
  int joint;
  double fx, fy;
};

void SolveBasicTruss(Mechanics& m, const IndeterminateTrussVariant& v,
                     std::initializer_list<JointLoad> loads,
                     toolkit::IndexedArray<double, 1, 16>& out,
                     toolkit::IndexedArray<double, 1, 13>& length) {
  m.TrussSupportNodeB = v.PinJoint;
  m.TrussSupportNodeA = v.SecondJoint;
  for (int k = 1; k <= 3; ++k) m.TrussPanelExtents[k] = v.X[k + 1] - v.X[k];
  for (int k = 1; k <= 4; ++k) {
    m.TrussPostHeights[k] = v.Y[k];
    m.TrussPanelBits[k] = v.Bits[k];
  }
  int count = 0;
  for (const JointLoad& load : loads) {
    m.LoadNodes[++count] = load.joint;
    m.NodeLoads[load.joint] = {load.fx, load.fy};
  }
  SolveTrussByJointsA(m, 3, count);
  for (int i = 1; i <= 16; ++i) out[i] = m.SystemRhs[i][1];
  for (int i = 1; i <= kBars; ++i) length[i] = m.TrussBarLength[i];
}

double Product(const IndeterminateTrussVariant& v, const toolkit::IndexedArray<double, 1, 16>& a,
               const toolkit::IndexedArray<double, 1, 16>& b) {
  double sum = 0;
  for (int i = 1; i <= kBars; ++i) sum += a[i] * b[i] * v.Length[i];
  return sum;
}

// Figure units: data units times Scale, the truss drawn 10 units above the origin.
double FigX(const SharedState& s, int k) { return s.Scale * s.TrussPanelX[k]; }
double FigTop(const SharedState& s, int k) { return s.Scale * s.TrussChordY[k] + 10; }

void DrawTrussPanelDiagonal(SharedState& s, int k, int flag) {
  if (s.TrussPanelBits[k] == flag) {
    DrawSegmentShortenedCopy(s, FigX(s, k), 10, FigX(s, k + 1), FigTop(s, k + 1), 1.5);
  } else {
    DrawSegmentShortenedCopy(s, FigX(s, k), FigTop(s, k), FigX(s, k + 1), 10, 1.5);
  }
}

void DrawPost(SharedState& s, int k) {
  DrawSegmentShortenedCopy(s, FigX(s, k), 10, FigX(s, k), FigTop(s, k), 1.5);
}

void BeginBarForcesTable(SharedState& s) {
  Ans2BeginTable(s, 17);
  Ans2WriteLine(s,
                " &$U_1$&$U_2$&$U_3$&$ V_1 $&$V_2$&$V_3$&$V_4$&$O_1$&$O_2$&$O_3$&$D_1$&$D_2$&$D_3$"
                "\\\\\\hline ");
}

// Variants of three force lines whose table still fits a page; the next ones start a new table.
constexpr int kBarForceVariantsPerTable = 20;

void PutSupportLabel(SharedState& s, std::string_view label, int joint) {
  const double x = FigX(s, joint);
  if (joint == 1) {
    PutLabel(s, label, x - 9, 7);
  } else if (joint == 4) {
    PutLabel(s, label, x + 3, 7);
  } else {
    PutLabel(s, label, x + 7, 3);
  }
}

}  // namespace

IndeterminateTrussVariant DeriveIndeterminateTrussVariant(int mode, int level, int p1, int p2,
                                                          int p3, int p4, int p5, int p6,
                                                          int p7) {
  IndeterminateTrussVariant v;
  v.Mode = mode;
  v.Shape = p7;
  const int idx = p2 * 10 / 31 + 1;
  v.BaseHeight = TrussLengthTable[idx];
  v.Rise = TrussHeightTable[idx];
  v.Sign = p1 % 2 == 0 ? 1 : -1;
  v.ExtraPanel = p1 <= 9 ? 1 : (p1 <= 15 ? 2 : 3);
  const int p2m = p2 % 6;
  v.QInclined = level == 2;
  v.Beta = v.QInclined ? 15 * (p2m / 2 + 1) : 0;
  v.SecondJoint = TrussSupportTableA[p6];
  v.PinJoint = TrussSupportTableB[p6];
  v.P = p5 + 4;
  v.QMagnitude = p4 + 2;

  toolkit::IndexedArray<int, 1, 5> bits;
  ByteToBinaryDigits5(p3, bits);
  v.X[1] = 0;
  for (int k = 1; k <= 4; ++k) {
    v.Y[k] = Round(v.BaseHeight + v.Rise * bits[k]);
    v.Bits[k] = bits[k];
    if (k <= 3) v.X[k + 1] = v.X[k] + TrussPanelWidthTable[p7][k];
  }
  for (int k = 1; k <= 4; ++k) {
    v.JointX[k] = v.JointX[k + 4] = v.X[k];
    v.JointY[k] = 0;
    v.JointY[k + 4] = v.Y[k];
  }

  // Q at the first upper joint after which the chord drops; a chord that never drops takes it
  // horizontally, pointing the other way, at the top of its last rise.
  for (int k = 1; k <= 3 && v.QPanelPoint == 0; ++k) {
    if (v.Y[k + 1] < v.Y[k]) v.QPanelPoint = k;
  }
  const double q = static_cast<double>(v.QMagnitude) * v.Sign;
  if (v.QPanelPoint != 0) {
    const double alpha = v.Beta * std::numbers::pi / 180;
    v.QX = q * std::cos(alpha);
    v.QY = q * std::sin(alpha);
  } else {
    v.QFallback = true;
    v.QInclined = false;
    v.Beta = 0;
    for (int k = 4; k >= 2 && v.QPanelPoint == 0; --k) {
      if (v.Y[k - 1] < v.Y[k]) v.QPanelPoint = k;
    }
    if (v.QPanelPoint == 0) {
      throw toolkit::DegenerateDataError("indeterminate truss: the upper chord is level");
    }
    v.QX = -q;
    v.QY = 0;
  }

  v.PJoint1 = FirstFreeLowerJoint(v, 1, 1);
  if (mode == 2) {
    v.PJoint2 = FirstFreeLowerJoint(v, 4, -1);
    PanelDiagonalJoints(v.Bits, v.ExtraPanel, 0, v.ExtraJoint1, v.ExtraJoint2);
    v.ExtraLength = toolkit::Hypot(v.JointX[v.ExtraJoint2] - v.JointX[v.ExtraJoint1],
                                   v.JointY[v.ExtraJoint2] - v.JointY[v.ExtraJoint1]);
  } else {
    for (int k = 1; k <= 4 && v.RollerCJoint == 0; ++k) {
      if (k != v.PJoint1 && k != v.PinJoint && k != v.SecondJoint) v.RollerCJoint = k;
    }
  }

  auto m = std::make_unique<Mechanics>();
  const int q_joint = v.QPanelPoint + 4;
  const double p = -static_cast<double>(v.P);
  if (mode == 1) {
    SolveBasicTruss(*m, v, {{q_joint, v.QX, v.QY}, {v.PJoint1, 0, p}}, v.NP, v.Length);
    SolveBasicTruss(*m, v, {{v.RollerCJoint, 0, 1}}, v.N1, v.Length);
    v.d11 = Product(v, v.N1, v.N1);
    v.D1P = Product(v, v.N1, v.NP);
    if (!(v.d11 > 1e-12)) {
      throw toolkit::DegenerateDataError("indeterminate truss: the unit state has no forces");
    }
    v.X1 = -v.D1P / v.d11;
    v.XA = v.NP[14] + v.X1 * v.N1[14];
    v.YA = v.NP[15] + v.X1 * v.N1[15];
    v.YB = v.NP[16] + v.X1 * v.N1[16];
    return v;
  }

  SolveBasicTruss(*m, v, {{q_joint, v.QX, v.QY}, {v.PJoint1, 0, p}, {v.PJoint2, 0, p}}, v.NP,
                  v.Length);
  SolveBasicTruss(*m, v, {{v.SecondJoint, 1, 0}}, v.N1, v.Length);
  // A unit tension in the extra diagonal pulls its ends towards each other.
  const double ux = (v.JointX[v.ExtraJoint2] - v.JointX[v.ExtraJoint1]) / v.ExtraLength;
  const double uy = (v.JointY[v.ExtraJoint2] - v.JointY[v.ExtraJoint1]) / v.ExtraLength;
  SolveBasicTruss(*m, v, {{v.ExtraJoint1, ux, uy}, {v.ExtraJoint2, -ux, -uy}}, v.N2, v.Length);
  v.d11 = Product(v, v.N1, v.N1);
  v.d12 = Product(v, v.N1, v.N2);
  // The extra diagonal carries N2 = 1 itself: its own length belongs to delta22.
  v.d22 = Product(v, v.N2, v.N2) + v.ExtraLength;
  v.D1P = Product(v, v.N1, v.NP);
  v.D2P = Product(v, v.N2, v.NP);
  const double det = v.d12 * v.d12 - v.d11 * v.d22;
  if (!(std::fabs(det) > 1e-12) || !(v.d11 > 1e-12)) {
    throw toolkit::DegenerateDataError("indeterminate truss: the canonical equations are singular");
  }
  v.X2 = (v.d11 * v.D2P - v.d12 * v.D1P) / det;
  v.X1 = -(v.D1P + v.d12 * v.X2) / v.d11;
  v.XA = v.NP[14] + v.X1 * v.N1[14] + v.X2 * v.N2[14];
  v.YA = v.NP[15] + v.X1 * v.N1[15] + v.X2 * v.N2[15];
  v.YB = v.NP[16] + v.X1 * v.N1[16] + v.X2 * v.N2[16];
  return v;
}

void BeginIndeterminateTrussProblem(SharedState& s, int mode) {
  s.ParboxWidth = 204;
  s.TrussFreeMode = true;
  s.Scale = 14;
  s.TrussPanelCount = 3;
  for (int shape = 1; shape <= 5; ++shape) {
    // Each base box is drawn on the panel points of its own shape.
    SetTrussPanelOffsetsFromTable(s, shape);
    DefineTrussBoxB(s, shape);
  }
  AnsWrite(s, "\\tabcolsep=1pt");
  // Thirteen bar forces a row: narrow column spacing keeps the table within the sheet.
  Ans2Write(s, "\\scriptsize\\tabcolsep=1pt ");
  AnsBeginTable(s, 12);
  Ans2WriteLine(s,
                "\\vfill\\eject В первой строке --- усилия от действия основной нагрузки, во "
                "второй --- ");
  if (mode == 1) {
    Ans2WriteLine(s, "от единичной  вертикальной силы в опоре $C$. \\vskip2mm");
    WriteText(s, "Найти реакции опор фермы.\\\\ \\noindent");
  } else {
    Ans2WriteLine(s,
                  " от единичной  горизонтальной силы  в опоре $B$, в третьей --- от единичных "
                  "сил в дополнительном раскосе. \\vskip2mm");
    WriteText(s,
              "Найти реакции опор фермы и усилие $S$ в дополнительном раскосе, выделенным "
              "утолщенной линией.\\\\ \\noindent");
  }
  BeginBarForcesTable(s);
  if (mode == 1) {
    AnsWriteLine(s, " &$\\delta_{11}$&$\\Delta_{1P}$&$ X_A $&$Y_A$&$Y_B$&$Y_C$\\\\\\hline ");
  } else {
    AnsWriteLine(s,
                 " &$\\delta_{11}$&$\\delta_{12}$&$ \\delta_{22}$&$\\Delta_{1p}$&$\\Delta_{2p}$"
                 "&$X_B$& $S$ &$X_A $&$Y_A$&$Y_B$\\\\\\hline ");
  }
}

void WriteIndeterminateTrussVariant(SharedState& s, int mode) {
  const IndeterminateTrussVariant v =
      DeriveIndeterminateTrussVariant(mode, s.Level, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);

  // The shared truss state the drawing helpers read.
  ClearPoints(s, 8);
  for (int k = 1; k <= 8; ++k) {
    s.PointX[k] = v.JointX[k];
    s.PointY[k] = v.JointY[k];
  }
  s.TrussPanelLength = v.BaseHeight;
  s.TrussPanelHeight = v.Rise;
  s.TrussLoadSign = v.Sign;
  s.TrussLoadNode = v.Beta;
  s.TrussAngleAlpha = v.Beta * std::numbers::pi / 180;
  s.TrussSupportNodeB = v.PinJoint;
  s.TrussSupportNodeA = v.SecondJoint;
  s.TrussLoadQValue = static_cast<double>(v.QMagnitude) * v.Sign;
  for (int k = 1; k <= 4; ++k) {
    s.TrussChordY[k] = v.Y[k];
    s.TrussPostHeights[k] = v.Y[k];
    s.TrussPanelBits[k] = v.Bits[k];
    s.TrussPanelX[k] = v.X[k];
    if (k <= 3) s.TrussPanelExtents[k] = v.X[k + 1] - v.X[k];
  }
  // The truss has four panel points: no drop past the last one.
  s.TrussChordY[5] = v.Y[4];

  WriteText(s, "\\par ");
  // The truss with its supports, the loads beyond its last panel and the dimensions under it.
  BeginPicture(s, 158, 103, -10, -21);
  PutBox(s, std::string("basefrm") + static_cast<char>(64 + v.Shape), 0, 0);

  s.TrussSecondLoad = v.QInclined ? 1 : 2;
  DrawTrussLoadQInclined(s, 5, s.TrussSecondLoad);
  if (s.TrussQPoint == 0) {
    s.TrussLoadNode = 0;
    s.TrussAngleAlpha = 0;
    s.TrussSecondLoad = 2;
    const int k = v.QPanelPoint;
    s.TrussQPoint = k;
    DrawThickRedVector(s, -v.Sign, 0, FigX(s, k) - 1 - 10 * (1 - v.Sign), FigTop(s, k), 20);
    PutBlueLabel(s, "$\\vec Q$", FigX(s, k) - 21, s.Scale * s.TrussChordY[k] + 14);
    s.TrussLoadQ = -s.TrussLoadQValue;
  }

  if (mode == 1) {
    DrawTrussLoadP(s);
    DrawCircle(s, FigX(s, s.TrussPPoint1), 10, 3);
    // Only the one load P of this truss may keep a joint from carrying support C.
    s.TrussPPoint2 = 0;
    MarkTrussFreeJoint(s, 1);
  } else {
    DrawTrussLoadsPTwoSides(s, 2);
    DrawCircle(s, FigX(s, s.TrussPPoint1), 10, 3);
    DrawCircle(s, FigX(s, s.TrussPPoint2), 10, 3);
  }
  DrawTrussDimensions(s);
  PutTrussSupportBoxes(s, mode);

  PutSupportLabel(s, "$B$", s.TrussSupportNodeA);
  PutSupportLabel(s, "$A$", s.TrussSupportNodeB);
  if (mode == 1) PutLabel(s, "$C$", FigX(s, s.TrussFPoint) + 5, 3);

  SetLineWidth(s, 5);
  for (int k = 1; k <= 3; ++k) {
    DrawPost(s, k);
    DrawTrussPanelDiagonal(s, k, 1);
    DrawSegmentShortenedCopy(s, FigX(s, k), FigTop(s, k), FigX(s, k + 1), FigTop(s, k + 1), 1.5);
  }
  if (mode == 2) {
    WriteText(s, "\\Blue{");
    SetLineWidth(s, 10);
    DrawTrussPanelDiagonal(s, v.ExtraPanel, 0);
    SetLineWidth(s, 5);
    WriteText(s, "}");
  }
  for (int k = 1; k <= 4; ++k) {
    DrawPost(s, k);
    DrawCircle(s, FigX(s, k), FigTop(s, k), 3);
  }
  EndPicture(s);

  WriteLine(s, "\\hfill\\parbox[b]{60pt}{\\small");
  WriteText2NumbersLn(s, "$P=", v.P, "$~кН,\\\\ $Q=", v.QMagnitude, "$");
  if (s.TrussSecondLoad == 1) {
    WriteText(s, "кН,\\\\ $\\beta=" + Padded(v.Beta, 2) + "^\\circ$.}");
  } else {
    WriteText(s, "кН.}");
  }

  // The loads as the joint system takes them, left in the shared state.
  const int q_joint = s.TrussQPoint + 4;
  s.LoadNodes[1] = q_joint;
  s.NodeLoads[q_joint] = {s.TrussLoadQ * std::cos(s.TrussAngleAlpha),
                          s.TrussLoadQ * std::sin(s.TrussAngleAlpha)};
  s.LoadNodes[2] = s.TrussPPoint1;
  s.NodeLoads[s.TrussPPoint1] = {0, -static_cast<double>(v.P)};
  if (mode == 2) {
    s.LoadNodes[3] = s.TrussPPoint2;
    s.NodeLoads[s.TrussPPoint2] = {0, -static_cast<double>(v.P)};
  }

  const int n = toolkit::PrintedVariantNumber(s);
  AnsWriteTextNumber(s, "", n, "");
  if (mode == 2 && s.Ans2TableOpen && s.VariantIndex > 1 &&
      (s.VariantIndex - 1) % kBarForceVariantsPerTable == 0) {
    Ans2Write(s, "\\hline\\end{tabular}\\end{center}");
    BeginBarForcesTable(s);
  }
  Ans2Write(s, Padded(n, 2));
  const int width = mode == 1 ? 9 : 6;
  for (int i = 1; i <= kBars; ++i) Ans2Write(s, "&" + Fixed(v.NP[i], width));
  Ans2Write(s, "\\\\[-3pt]");
  for (int i = 1; i <= kBars; ++i) Ans2Write(s, "&" + Fixed(v.N1[i], 6));
  if (mode == 1) {
    Ans2WriteLine(s, "");
    for (double x : {v.d11, v.D1P, v.XA, v.YA, v.YB, v.X1}) AnsWrite(s, "&" + Fixed(x, 6));
  } else {
    Ans2Write(s, "\\\\[-3pt]");
    for (int i = 1; i <= kBars; ++i) Ans2Write(s, "&" + Fixed(v.N2[i], 6));
    Ans2WriteLine(s, " ");
    for (double x : {v.d11, v.d12, v.d22, v.D1P, v.D2P, v.X1, v.X2, v.XA, v.YA, v.YB}) {
      AnsWrite(s, "&" + Fixed(x, 6));
    }
  }
  AnsWriteLine(s, "");
}

}  // namespace structural
