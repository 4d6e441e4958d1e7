#include <string>

#include "subjects/kinematics/coordinate_laws.h"
#include "subjects/kinematics/point_motion.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;

std::string Int(int n) { return std::to_string(n); }

/// Writes the text of law `kind` and returns its derivatives at t1 (LawFrequency).
CoordinateLawValue CoordinateLaw(SharedState& s, int kind) {
  const CoordinateLawCoefficients c = CoordinateLawCoefficientsOf(kind, s.P4, s.P5);
  const std::string a = Int(c.A), b = Int(c.B), n = Int(c.N);
  switch (kind) {
    case 1:
      toolkit::WriteText(
          s, FormatTexFraction(s, c.A, 2 * c.N) + "\\sin " + Int(2 * c.N) + "t+" + b + "t");
      break;
    case 2:
      toolkit::WriteText(s, "\\frc{" + a + "}{ " + (c.N == 1 ? " " : n) + "t+" + b + "}");
      break;
    case 3:
      ReduceFractionText(s, c.N, 10);
      toolkit::WriteText(s, a + "(t+1)^{" + s.FractionNumText + "/" + s.FractionDenText + "}");
      break;
    case 4:
      toolkit::WriteText(s, a + "e^{t/" + n + "}");
      break;
    case 5:
      toolkit::WriteTextNumberLn(s, (c.A == 1 ? " " : a) + "\\ln{(", c.N, "t+2)}");
      break;
    case 6:
      toolkit::WriteText(s, (c.A == 1 ? " " : a) + "t^2+" + b + "t+" + n);
      break;
    case 7:
      toolkit::WriteText(
          s, FormatTexFraction(s, c.A, 2 * c.N) + "\\sin^2 " + Int(2 * c.N) + "t-" + b + "t");
      break;
    case 8:
      toolkit::WriteText(
          s, b + "t+" + FormatTexFraction(s, c.A, 2 * c.N) + "\\cos^2 " + Int(2 * c.N) + "t");
      break;
    case 9:
      toolkit::WriteText(s, a + "\\sqrt{" + n + "t+" + b + "}");
      break;
    case 10:
      toolkit::WriteText(s, b + "\\mbox{tg}(t/" + a + ")");
      break;
    case 11:
      toolkit::WriteText(s, b + "\\mbox{arcsin}(t/" + a + ")");
      break;
    case 12:
      toolkit::WriteText(s, b + "e^{(t^2)}");
      break;
    default:
      return {};
  }
  return CoordinateLawAt(kind, s.P4, s.P5, s.LawFrequency);
}

}  // namespace

void BeginCartesianSpatialProblem(SharedState& s) {
  s.ParboxWidth = 160;
  toolkit::WriteLine(s,
                     " Точка движется по закону $x = x(t), y=y(t),$ $z=z(t)$. Определить  "
                     "скорость,  ускорение  точки  и  радиус  кривизны  траектории при $t=t_1$ "
                     "($x, y$ и $z$ даны в см, $t$ и $t_1$ --- в c).");
  // Twelve columns at the default spacing run past the sheet's right edge.
  toolkit::AnsWriteLine(s, "\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 12);
  toolkit::AnsWriteLine(s,
                        "\\No\\ru &\\mc{$ v_x$}&\\mc{$v_y$}&\\mc{$ v_z$}&\\mc{$ v$}&\\mc{$\\wa_x$}"
                        "&\\mc{$\\wa_y$}&\\mc{$ \\wa_z$}&\\mc{$ \\wa$}&\\mc{$ \\wa_\\tau$}"
                        "&\\mc{$ \\wa_n$}&\\mc{$ R$}\\\\\\hline ");
  toolkit::WriteBookReference(s, 137);
}

void WriteCartesianSpatialVariant(SharedState& s) {
  // The three kinds are made distinct as far as these steps go (two may stay equal).
  if (s.P1 == s.P2 && s.P3 == s.P2) {
    ++s.P3;
    --s.P2;
  }
  if (s.P3 > 12) s.P3 = 1;
  if (s.P2 < 1) s.P2 = 12;
  s.LawFrequency = 0.1 * s.P5;

  toolkit::WriteText(s, "\\vskip6mm $x = ");
  const CoordinateLawValue x = CoordinateLaw(s, s.P1);
  toolkit::WriteText(s, "$,\\\\[4pt]$   y = ");
  if (s.P2 == s.P1) ++s.P2;
  if (s.P2 > 12) s.P2 = 1;
  const CoordinateLawValue y = CoordinateLaw(s, s.P2);
  toolkit::WriteText(s, "$,\\\\[4pt]$   z = ");
  if (s.P3 == s.P1) ++s.P3;
  if (s.P3 > 12) s.P3 = 1;
  if (s.P3 == s.P2) --s.P3;
  if (s.P3 < 1) s.P3 = 11;
  const CoordinateLawValue z = CoordinateLaw(s, s.P3);
  toolkit::WriteTextNumberLn(s, ",\\ t_1=", s.LawFrequency, ".$\\vskip6mm ");

  s.PointVx = x.d1, s.PointVy = y.d1, s.PointVz = z.d1;
  s.PointAx = x.d2, s.PointAy = y.d2, s.PointAz = z.d2;
  PointMotionCharacteristics(s);

  std::string row = FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + "&$";
  row += FormatFixed(s.PointVx, 8, 2) + "$&$" + FormatFixed(s.PointVy, 8, 2) + "$&$";
  row += FormatFixed(s.PointVz, 8, 2) + "$&$" + FormatFixed(s.PointSpeed, 8, 2) + "$&$";
  row += FormatFixed(s.PointAx, 8, 2) + "$&$" + FormatFixed(s.PointAy, 9, 2) + "$&$";
  row += FormatFixed(s.PointAz, 8, 2) + "$&$" + FormatFixed(s.PointAccel, 9, 2) + "$&$";
  row += FormatFixed(s.TangentialAccel, 9, 2) + "$&$" + FormatFixed(s.NormalAccel, 9, 2) + "$&";
  // A straight path at t1 has no finite radius: printed as the flat row prints it.
  row += s.CurvatureRadius > 0 ? FormatFixed(s.CurvatureRadius, 8, 3) : "$\\infty$";
  toolkit::AnsWrite(s, row);
}

}  // namespace kinematics
