#include <string>

#include "subjects/kinematics/plane_curve_laws.h"
#include "subjects/kinematics/point_motion.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace kinematics {

void BeginCartesianFlatProblem(SharedState& s) {
  toolkit::WriteText(s, "\\small\\tabcolsep=2pt");
  // Ten cells of nine characters: the answers take the narrow spacing of the statement.
  toolkit::AnsWrite(s, "\\tabcolsep=1pt");
  toolkit::AnsBeginTable(s, 10);
  toolkit::AnsWriteLine(
      s, " &\\ \\ $ v_x\\ \\  $ &\\ \\ $ v_y\\ \\  $ &\\ \\ $ v\\ \\  $ &\\rule[-4pt]{0pt}{10pt}");
  toolkit::AnsWriteLine(
      s,
      "\\ \\ $  \\wa_x \\ \\ $ &\\ \\ $ \\wa_y\\ \\  $ &\\ \\ $ \\wa\\ \\  $ &\\ \\ $ "
      "\\wa_\\tau\\ \\  $ & ");
  toolkit::AnsWriteLine(
      s, "\\ \\ $ \\wa_n\\ \\  $ &\\ \\ $ R\\ \\ \\ $\\\\\\hline" + std::string(38, ' '));
  toolkit::AnsWriteLine(s,
                        " &\\multicolumn{3}{|c|}{см/с}&\\multicolumn{5}{|c|}{см/с$^2$}&см "
                        "\\\\\\hline");
  s.ParboxWidth = 120;
  toolkit::WriteLine(s,
                     " Точка движется по закону $x = x(t), y=y(t)$. Для момента времени $t=t_1$");
  toolkit::WriteLine(s, "найти скорость, ускорение точки и радиус кривизны траектории");
  toolkit::WriteLine(s, "($x$ и $y$ даны в см,  $t_1$ --- в c).");
  toolkit::WriteBookReference(s, 131);
}

void WriteCartesianFlatVariant(SharedState& s) {
  toolkit::WriteText(s, " $x = ");
  WritePlaneCurveLaw(s);
  toolkit::WriteLine(s, ",$ \\\\[3pt] $t_1=" + s.T1Text + ".$");
  s.PointVz = 0;
  s.PointAz = 0;
  PointMotionCharacteristics(s);
  const std::string radius =
      s.CurvatureRadius > 0 ? toolkit::FormatFixed(s.CurvatureRadius, 7, 2) : " \\infty";
  std::string row = " $" + toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0);
  for (double v : {s.PointVx, s.PointVy, s.PointSpeed, s.PointAx, s.PointAy, s.PointAccel,
                   s.TangentialAccel, s.NormalAccel}) {
    row += "$&$" + toolkit::FormatFixed(v, 9, 2);
  }
  row += "$&$" + radius + std::string(30, ' ') + "$";
  toolkit::AnsWrite(s, row);
}

}  // namespace kinematics
