#include "subjects/structural/beam_mass_oscillation.h"

#include <cmath>

#include "figures/dimensions.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

double MassBeamMohrIntegral(const toolkit::IndexedArray<double, 1, 5>& x,
                            const toolkit::IndexedArray<double, 1, 5>& a,
                            const toolkit::IndexedArray<double, 1, 5>& b, int n) {
  double sum = 0;
  for (int i = 1; i < n; ++i) {
    const double l = x[i + 1] - x[i];
    sum += l / 6 * (2 * a[i] * b[i] + a[i + 1] * b[i] + a[i] * b[i + 1] + 2 * a[i + 1] * b[i + 1]);
  }
  return sum;
}

BeamMassVariant DeriveBeamMassVariant(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  BeamMassVariant v;
  v.Scheme = p1;
  v.m1 = p6 + 3;
  v.m2 = p6 == p7 ? p7 + 4 : p7 + 3;
  auto& dx = v.DiagramX;
  auto& m1 = v.M1;
  auto& m2 = v.M2;
  auto points = [&](std::initializer_list<double> xs) {
    int i = 0;
    for (double x : xs) dx[++i] = x;
    v.DiagramPointCount = i;
  };
  double A = 0, C = 0, S = 0, H = 0;
  switch (p1) {
    case 1:
      A = p4 + 25;
      v.Clamped = true;
      v.Mass1X = A, v.Mass2X = 100;
      points({0, A, 100});
      m1[1] = A;
      m2[1] = 100;
      m2[2] = 100 - A;
      break;
    case 2:
      A = p4 + 25, C = p5 + 65;
      v.HasRoller = true, v.RollerX = 100;
      v.Mass1X = A, v.Mass2X = C;
      points({0, A, C, 100});
      m1[2] = A * (100 - A) / 100;
      m1[3] = A * (100 - C) / 100;
      m2[2] = A * (100 - C) / 100;
      m2[3] = C * (100 - C) / 100;
      break;
    case 3:
      A = p4 + 25, S = p2 + 55;
      v.HasRoller = true, v.RollerX = S;
      v.Mass1X = A, v.Mass2X = 100;
      points({0, A, S, 100});
      m1[2] = A * (S - A) / S;
      // A load at the free end lifts the span: the diagram has the opposite sign there.
      m2[2] = -A * (100 - S) / S;
      m2[3] = -(100 - S);
      break;
    case 4:
      A = p4 + 65, S = p2 + 55;
      v.HasRoller = true, v.RollerX = S;
      v.Mass1X = A, v.Mass2X = 100;
      points({0, S, A, 100});
      m1[2] = A - S;
      m2[2] = 100 - S;
      m2[3] = 100 - A;
      break;
    case 5:
      A = p4 + 25, S = p2 + 65;
      v.PinX = A;
      v.HasRoller = true, v.RollerX = S;
      v.Mass1X = 0, v.Mass2X = 100;
      points({0, A, S, 100});
      m1[2] = A;
      m2[3] = 100 - S;
      break;
    case 6: {
      A = p4 + 25, H = p3 + 45, C = p5 + 65;
      v.Mass1X = A, v.Mass2X = C;
      v.HasRoller = true, v.RollerX = 100;
      points({0, A, H, C, 100});
      const double k = (100 - C) / (100 - H);
      m1[1] = A;
      m2[1] = k * H;
      m2[2] = k * (H - A);
      m2[4] = -k * (C - H);
      break;
    }
    case 7: {
      A = p4 + 25, H = p3 + 45, S = p2 + 65;
      v.Mass1X = A, v.Mass2X = 100;
      v.HasRoller = true, v.RollerX = S;
      points({0, A, H, S, 100});
      const double k = (100 - S) / (S - H);
      m1[1] = A;
      // A load at the free end lifts the hinge, so the cantilever sags.
      m2[1] = -k * H;
      m2[2] = -k * (H - A);
      m2[4] = 100 - S;
      break;
    }
    case 8:
      H = p3 + 45, S = p2 + 65, A = p4 + 75;
      v.Mass1X = A, v.Mass2X = 100;
      v.HasRoller = true, v.RollerX = S;
      points({0, H, S, A, 100});
      m1[1] = H * (A - S) / (S - H);
      m1[3] = S - A;
      m2[1] = H * (100 - S) / (S - H);
      m2[3] = S - 100;
      m2[4] = A - 100;
      break;
    case 9:
      H = p3 + 25, A = p4 + 45, C = p5 + 75;
      v.Mass1X = A, v.Mass2X = C;
      v.HasRoller = true, v.RollerX = 100;
      points({0, H, A, C, 100});
      m1[1] = H * (100 - A) / (100 - H);
      m1[3] = (H - A) * (100 - A) / (100 - H);
      m1[4] = (100 - C) * (H - A) / (100 - H);
      m2[1] = H * (100 - C) / (100 - H);
      m2[3] = (100 - C) * (H - A) / (100 - H);
      m2[4] = (H - C) * (100 - C) / (100 - H);
      break;
    default:
      if (p1 != 10) throw toolkit::DegenerateDataError("beam mass oscillation: no such scheme");
      H = p3 + 20, A = p3 + p4 + 40, S = p2 + 65;
      v.Mass1X = A, v.Mass2X = 100;
      v.HasRoller = true, v.RollerX = S;
      points({0, H, A, S, 100});
      m1[1] = H * (A - S) / (S - H);
      m1[3] = (A - H) * (S - A) / (S - H);
      m2[1] = H * (100 - S) / (S - H);
      m2[3] = (A - H) * (S - 100) / (S - H);
      m2[4] = S - 100;
      break;
  }
  v.A = static_cast<int>(A), v.C = static_cast<int>(C), v.S = static_cast<int>(S);
  v.H = static_cast<int>(H);
  v.Clamped = p1 == 1 || p1 >= 6;
  v.HasHinge = p1 >= 6;
  v.HingeX = v.H;

  const int n = v.DiagramPointCount;
  // cm^3 / EJ with EJ = 1000 N m^2, written as 10^6 delta (m/N).
  v.d11 = MassBeamMohrIntegral(dx, m1, m1, n) * 1e-3;
  v.d12 = MassBeamMohrIntegral(dx, m1, m2, n) * 1e-3;
  v.d22 = MassBeamMohrIntegral(dx, m2, m2, n) * 1e-3;

  // u = 1/omega^2 from u^2 + b u + c = 0, delta in m/N.
  const double d11 = v.d11 * 1e-6, d12 = v.d12 * 1e-6, d22 = v.d22 * 1e-6;
  const double b = -(d11 * v.m1 + d22 * v.m2);
  const double c = (d11 * d22 - d12 * d12) * v.m1 * v.m2;
  const double disc = b * b - 4 * c;
  if (!(c > 0) || disc < 0) {
    throw toolkit::DegenerateDataError("beam mass oscillation: the frequency equation fails");
  }
  const double up = (-b + std::sqrt(disc)) / 2;
  const double um = (-b - std::sqrt(disc)) / 2;
  v.Omega1 = std::sqrt(up / c);
  v.Omega2 = std::sqrt(um / c);
  return v;
}

void BeginBeamMassOscillationProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsWriteLine(s, "\\small\\tabcolsep=2pt");
  AnsBeginTable(s, 11);
  AnsWriteLine(s,
               "\\ru &\\mc{$\\delta_{11}$}&\\mc{$\\delta_{12}$}&\\mc{$\\delta_{22}$}&"
               "\\mc{$\\omega_1$}&\\mc{$\\omega_2$}\\\\ \\hline ");
  AnsWriteLine(s, " & \\multicolumn{3}{c|}{$см^3$} & \\multicolumn{2}{c|}{рад/c}\\\\ \\hline ");
  WriteLine(s,
            "Найти собственные частоты колебаний грузов на упругой балке. Принять жесткость "
            "балки на изгиб $EJ=1000~Нм^2$. Размеры даны в сантиметрах.\\\\\\noindent ");
}

void WriteBeamMassOscillationVariant(SharedState& s) {
  const BeamMassVariant v = DeriveBeamMassVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const int scheme = v.Scheme;

  ClearPoints(s, 5);
  auto& x = s.PointX;
  auto& y = s.PointY;
  y[1] = -1.5;
  if (scheme == 5) x[1] = v.A;
  x[2] = v.Mass1X;
  x[3] = v.Mass2X;
  x[4] = v.RollerX;
  x[5] = v.HingeX;

  BeginPicture(s, 140, 50, -15, -30);
  SetLineWidth(s, 1);
  if (v.Clamped) {
    DrawHatchRowH(s, -1, 1, -8, 16);
  } else {
    PutHingeBoxAtPoint(s, 1);
  }
  if (v.HasRoller) PutBox(s, "dnst", x[4], -1.8);

  SetLineWidth(s, 12);
  if (scheme == 1 || scheme == 5) {
    DrawSegment(s, 1, 0, 100, 0);
  } else if (scheme == 2) {
    DrawSegment(s, 0, 0, 98.5, 0);
  } else if (scheme == 3 || scheme == 4) {
    DrawSegment(s, 0, 0, 100, 0);
  } else {
    DrawSegment(s, 1, 0, v.H - 1.5, 0);
    DrawSegment(s, v.H + 1.5, 0, 100, 0);
    DrawNodeMarker(s, 5);
  }
  SetLineWidth(s, 1);
  DrawFilledCircle(s, x[2], 0, 5);
  DrawFilledCircle(s, x[3], 0, 5);
  PutLabel(s, "$m_1$", x[2] - 2, 7);
  PutLabel(s, "$m_2$", x[3] - 2, 7);
  DrawDimensionChainX(s, scheme == 1 ? 3 : scheme <= 5 ? 4 : 5, -24, 1);
  EndPicture(s);

  WriteText2NumbersLn(s, " \\parbox[b]{60pt}{$m_1=", v.m1, "$~кг,\\\\ $m_2=", v.m2, "$~кг.}");

  // The shell ends the row.
  AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&" +
                      toolkit::FormatFixed(v.d11, 8, 3) + "&" + toolkit::FormatFixed(v.d12, 8, 3) +
                      "&" + toolkit::FormatFixed(v.d22, 8, 3) + "&" +
                      toolkit::FormatFixed(v.Omega1, 8, 3) + "&" +
                      toolkit::FormatFixed(v.Omega2, 8, 3));
}

}  // namespace structural
