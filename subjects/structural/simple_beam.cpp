#include "subjects/structural/simple_beam.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "figures/dimensions.h"
#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/structural/common/beam_diagrams.h"
#include "subjects/structural/common/frame_helpers.h"
#include "subjects/structural/common/mechanics_state.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

// Pairs of point numbers: the supports (by P4) and the ends of the uniform load (by P5).
constexpr int SupportPairTable[6][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};

double Bracket(double x, double a) { return x >= a ? x - a : 0; }

int Sign(int x) { return (x > 0) - (x < 0); }

// The mark of an abscissa x (m) under a diagram: a dimension line from the beam's left end.
void AnsDistanceMark(SharedState& s, double x) {
  AnsSetLineWidth(s, 1);
  if (x == 0) return;
  const double end = s.Scale * x;
  AnsWrite(s, "\\put(0,-14){");
  AnsMoveTo(s, 0, -21);
  AnsLineTo(s, 0, -19);
  AnsMoveTo(s, 0, -20);
  AnsLineTo(s, end, -20);
  AnsMoveTo(s, end, -21);
  AnsLineTo(s, end, -19);
  AnsPutValueLabelOneDecimal(s, end / 2 - 2, -18, x);
  AnsWrite(s, "}");
}

// The place of AnsDistanceMark's number, taken before the diagram's values are placed so
// that they keep clear of it.
void ReserveDistanceMark(const SharedState& s, figures::LabelSpacing& placed, double x) {
  if (x == 0) return;
  placed.Clear(s.Scale * x / 2 - 2, -32, figures::LabelWidth(toolkit::FormatNumberOneDecimal(x), 8),
               6);
}

}  // namespace

SimpleBeamVariant DeriveSimpleBeamVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  if (p4 < 1 || p4 > 6 || p5 < 1 || p5 > 6) {
    throw toolkit::DegenerateDataError("simple beam: no such pair of points");
  }
  SimpleBeamVariant v;
  v.C[0] = 0;
  v.C[1] = p1 / 2 + 2;
  v.C[2] = v.C[1] + p2 / 2 + 2;
  v.C[3] = v.C[2] + p3 / 2 + 2;
  v.Pin = SupportPairTable[p4 - 1][0];
  v.Roller = SupportPairTable[p4 - 1][1];
  v.LoadFrom = SupportPairTable[p5 - 1][0];
  v.LoadTo = SupportPairTable[p5 - 1][1];
  v.q = p6 / 2 + 4;
  int free_points[2] = {0, 0};
  for (int i = 1, k = 0; i <= 4; ++i) {
    if (i != v.Pin && i != v.Roller) free_points[k++] = i;
  }
  v.ForcePoint = p2 <= 3 ? free_points[0] : free_points[1];
  v.CouplePoint = p2 <= 3 ? free_points[1] : free_points[0];
  v.P = (p7 - 5) + Sign(p7 - 5) * p1;
  if (v.P == 0) v.P = 3;
  v.m = 10 * (p6 - 5);
  if (v.m == 0) v.m = 20;

  const double xa = v.C[v.Pin - 1], xb = v.C[v.Roller - 1];
  const double xs = v.C[v.LoadFrom - 1], xe = v.C[v.LoadTo - 1];
  const double xp = v.C[v.ForcePoint - 1], xm = v.C[v.CouplePoint - 1];
  const double span = xb - xa;
  const double P = v.P, m = v.m, q = v.q;
  for (int i = 1; i <= 3; ++i) {
    const double mid = (v.C[i - 1] + v.C[i]) / 2.0;
    v.SegmentLoad[i] = mid > xs && mid < xe ? v.q : 0;
  }

  // Reactions from the moments about each support.
  const double resultant = q * (xe - xs);
  v.RA = P * (xb - xp) / span + m / span + resultant * (xb - (xs + xe) / 2) / span;
  v.RB = P + resultant - v.RA;

  const auto moment = [&](double x) {
    return P * Bracket(x, xp) - v.RA * Bracket(x, xa) - v.RB * Bracket(x, xb) +
           q / 2 * (Bracket(x, xs) * Bracket(x, xs) - Bracket(x, xe) * Bracket(x, xe)) +
           (x >= xm ? m : 0);
  };
  // Shear just right of x (`after`) or just left of it.
  const auto shear = [&](double x, bool after) {
    const auto counts = [&](double a) { return after ? x >= a : x > a; };
    double value = q * std::min(std::max(x - xs, 0.0), xe - xs);
    if (counts(xp)) value += P;
    if (counts(xa)) value -= v.RA;
    if (counts(xb)) value -= v.RB;
    return value;
  };
  for (int i = 1; i <= 3; ++i) {
    v.MomentLeft[i] = moment(v.C[i - 1]);
    v.MomentRight[i] = moment(v.C[i]);
    if (std::fabs(v.C[i] - xm) < 1e-10) v.MomentRight[i] -= m;
    v.ShearLeft[i] = shear(v.C[i - 1], true);
    v.ShearRight[i] = shear(v.C[i], false);
    // Round-off leaves traces such as 1e-15 where a value is zero; a trace would count as a
    // change of sign of the shear.
    for (double* value : {&v.MomentLeft[i], &v.MomentRight[i], &v.ShearLeft[i], &v.ShearRight[i]})
      if (std::fabs(*value) < 1e-9) *value = 0;
  }

  // Zero shear inside a segment. Two segments may both hold one (a loaded overhang beside a
  // loaded span): the moment of larger magnitude is kept, a later segment winning a tie.
  for (int i = 1; i <= 3; ++i) {
    const double qa = v.ShearLeft[i], qb = v.ShearRight[i];
    if (qa * qb < 0) {
      const double l = v.C[i] - v.C[i - 1];
      const double x0 = l * std::fabs(qa) / (std::fabs(qa) + std::fabs(qb));
      const double m0 = v.MomentLeft[i] + x0 * (v.MomentRight[i] - v.MomentLeft[i]) / l +
                        (x0 - l) * x0 * v.SegmentLoad[i] / 2;
      if (v.XStar == 0 || std::fabs(m0) >= std::fabs(v.MStar) - 1e-9) {
        v.XStar = v.C[i - 1] + x0;
        v.MStar = m0;
      }
    }
  }
  v.MaxMoment = std::fabs(v.MStar);
  v.XMax = v.XStar;
  for (int i = 1; i <= 3; ++i) {
    if (std::fabs(v.MomentLeft[i]) > v.MaxMoment) {
      v.MaxMoment = std::fabs(v.MomentLeft[i]);
      v.XMax = v.C[i - 1];
    }
    if (std::fabs(v.MomentRight[i]) > v.MaxMoment) {
      v.MaxMoment = std::fabs(v.MomentRight[i]);
      v.XMax = v.C[i];
    }
  }

  // Mohr's integral with a unit load at the force point, segment by segment.
  const double ra1 = (xb - xp) / span, rb1 = 1 - ra1;
  for (int k = 0; k <= 3; ++k) {
    const double x = v.C[k];
    v.UnitMoment[k] = Bracket(x, xp) - ra1 * Bracket(x, xa) - rb1 * Bracket(x, xb);
  }
  for (int i = 1; i <= 3; ++i) {
    const double l = v.C[i] - v.C[i - 1];
    const double ma = v.UnitMoment[i - 1], mb = v.UnitMoment[i];
    const double a = v.MomentLeft[i], b = v.MomentRight[i];
    v.EIDeflection += l / 6 * (2 * a * ma + 2 * b * mb + a * mb + b * ma);
    if (xs <= v.C[i - 1] && xe >= v.C[i]) {
      const int ql2 = v.q * static_cast<int>(l) * static_cast<int>(l);
      v.EIDeflection -= 2.0 / 3 * (ql2 * 0.125) * l * (ma + mb) / 2;
    }
  }
  return v;
}

void BeginSimpleBeamProblem(SharedState& s) {
  s.ParboxWidth = 200;
  s.BlockCentred = false;
  Ans2BeginTable(s, 14);
  Ans2Write(s,
            "\\No\\ru & \\mc{$ R_A $}&\\mc{$ R_B $}&\\mc{max$|M|$}&\\mc{$x_*$}& $EI\\Delta y$ " +
                NamesHeadCell(s) + "\\\\\\hline");
  WriteLine(s,
            "Построить эпюры моментов и перерезывающих сил в балке. Найти сечение балки с "
            "максимальным моментом. Определить прогиб $\\Delta y$ балки в точке приложения силы "
            "$P$.\\vskip2mm\\noindent ");
}

void WriteSimpleBeamVariant(SharedState& s) {
  const SimpleBeamVariant v = DeriveSimpleBeamVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const int sign_p = Sign(v.P);

  // Figure.
  s.Scale = 150.0 / v.C[3];
  for (int i = 1; i <= 4; ++i) {
    s.PointX[i] = s.Scale * v.C[i - 1];
    s.PointY[i] = 0;
  }
  // The beam spans 150; the supports, the couple's arc and letters and the dimensions under
  // the beam reach a little beyond.
  BeginPicture(s, 180, 58, -14, -31);
  DrawUniformLoad(s, 0, v.LoadFrom, v.LoadTo, 12);
  DrawThickRedVector(s, 0, -sign_p, s.PointX[v.ForcePoint], 1 + 8.5 * (sign_p - 1), 19);
  DrawRotatedBlock(s, 5, 0, 2, 0, 150, 2);
  PutBox(s, v.m > 0 ? "vmomentp" : "rmomentm", s.PointX[v.CouplePoint], 0);
  PutMathText(s, "m", s.PointX[v.CouplePoint], -16);
  PutMathText(s, "P", s.PointX[v.ForcePoint] + 3, -18);
  PutHingeBoxAtPoint(s, v.Pin);
  PutRollerBoxAtPoint(s, v.Roller);
  for (int i = 1; i <= 3; ++i) DrawDimensionH(s, s.PointX[i], s.PointX[i + 1], -28);
  EndPicture(s);

  WriteTextNumberLn(s, "\\vskip4mm $P=", std::abs(v.P), "$~кН,\\ ");
  WriteTextNumberLn(s, "$m=", std::abs(v.m), "$~кНм,\\ ");
  WriteTextNumberLn(s, "$q=", v.q, "$~кН/м. ");

  // Second answers table.
  const int number = toolkit::PrintedVariantNumber(s);
  Ans2WriteLine(s, toolkit::FormatNumber(number) + " & $" + toolkit::FormatFixed(v.RA, 6, 2) +
                       " $&$ " + toolkit::FormatFixed(v.RB, 6, 2));
  WriteText(s, "\\\\ ");
  Ans2WriteLine(s, "$&$" + toolkit::FormatFixed(v.MaxMoment, 6, 2) + "$ &$ " +
                       toolkit::FormatFixed(v.XMax, 6, 2) + "$ ");
  // The name stands in the row only in students mode: the head has no column for it.
  Ans2WriteLine(s, "&$" + toolkit::FormatFixed(-v.EIDeflection, 7, 2) + "$" +
                       (s.StudentsMode ? "&" + s.StudentNames[s.VariantIndex + 1] : ""));

  // Diagrams: moments with absolute end values, shears with signed ones.
  TDiagramValues moments{}, shears{};
  double largest_shear = 0;
  for (int i = 1; i <= 3; ++i) {
    moments[i] = {v.MomentLeft[i], v.MomentRight[i]};
    shears[i] = {v.ShearLeft[i], v.ShearRight[i]};
    largest_shear =
        std::max({largest_shear, std::fabs(v.ShearLeft[i]), std::fabs(v.ShearRight[i])});
  }
  s.LabelAbsolute = true;
  AnsWrite(s, "\\unitlength=0.8pt");  // the label spacings below know this unit
  if (s.StudentsMode) {
    AnsWriteTextNumber(s, " ", number,
                       ".\\hskip52mm{\\small " + s.StudentNames[s.VariantIndex + 1] + " }\\\\ ");
  } else {
    AnsWriteTextNumber(s, " ", number, ". \\\\ ");
  }
  // Each diagram's picture holds the letter right of the beam's end (150).
  AnsBeginPicture(s, 200, 95, -20, -45);
  figures::LabelSpacing moment_labels(0.8);
  ReserveDistanceMark(s, moment_labels, v.XMax);
  for (int i = 1; i <= 3; ++i) {
    AnsDrawDiagramSegment(s, moments, i, v.SegmentLoad[i], s.PointX[i], s.PointX[i + 1],
                          v.MaxMoment, -1, false, 1, &moment_labels);
  }
  AnsSetLineWidth(s, 12);
  AnsDrawSegmentPoints(s, 1, 4);
  AnsPutText(s, "M", 160, 0);
  AnsDistanceMark(s, v.XMax);
  AnsEndPicture(s);
  AnsWrite(s, "\\hfill ");
  s.LabelAbsolute = false;
  AnsBeginPicture(s, 200, 95, -20, -45);
  figures::LabelSpacing shear_labels(0.8);
  ReserveDistanceMark(s, shear_labels, v.XStar);
  for (int i = 1; i <= 3; ++i) {
    AnsDrawDiagramSegment(s, shears, i, v.SegmentLoad[i], s.PointX[i], s.PointX[i + 1],
                          largest_shear, -1, true, 1, &shear_labels);
  }
  AnsSetLineWidth(s, 12);
  AnsDrawSegmentPoints(s, 1, 4);
  AnsPutText(s, "Q", 160, 0);
  AnsDistanceMark(s, v.XStar);
  AnsEndPicture(s);
  AnsWrite(s, "}\\par \\parbox{430pt}{");
}

}  // namespace structural
