#include <cmath>
#include <numbers>
#include <string>

#include "subjects/kinematics/complex_motion.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"
#include "figures/labels.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;

using toolkit::FormatFixed;

// The room a flat figure (1..12) takes in its picture: its saved outline with the letters and the
// mark of the transport rotation at the axis, for either sense.
struct FigureRoom {
  double x0, x1, y0, y1;
};
constexpr FigureRoom kFlatFigureRoom[12] = {
    {-5, 63, -12, 88}, {-8, 71, -1, 53}, {-5, 63, -8, 76}, {-15, 65, -12, 88},
    {-8, 65, -1, 70},  {-2, 74, -1, 70}, {-3, 76, -1, 69}, {-6, 70, -1, 53},
    {-8, 68, -12, 88}, {-13, 65, -1, 70}, {-9, 69, -1, 70}, {-6, 76, -1, 73},
};

double Round(double x) { return toolkit::RoundHalfEven(x); }

bool OneOf(int k, std::initializer_list<int> set) {
  for (int m : set) {
    if (m == k) return true;
  }
  return false;
}

char FactorClass(int figure) {
  if (OneOf(figure, {1, 3, 4, 9})) return 'A';
  if (OneOf(figure, {2, 8})) return 'B';
  return 'C';
}

}  // namespace

void BeginComplexMotionFlatProblem(SharedState& s) {
  s.ParboxWidth = 180;
  DefineChannelRingBoxes(s);
  for (int k = 1; k <= 12; ++k) DefineFlatFigureBox(s, k);
  // Eight columns of up to eight digits fill the text width: the first table is set a size
  // smaller so that it keeps clear of the margins.
  toolkit::AnsWrite(s, "\\small");
  toolkit::AnsBeginTable(s, 12);
  toolkit::Ans2BeginTable(s, 12);
  toolkit::WriteText(
      s,
      " Геометрическая фигура  вращается  вокруг  оси, перпендикулярной ее плоскости.  По  "
      "каналу,  расположенному  на  фигуре, движется точка $M$ по известному закону "
      "$\\sigma(t)$. Найти абсолютную  скорость  и абсолютное ускорение точки при $t=t_1$.  "
      "Даны  функция  $\\sigma(t)$,  закон  вращения фигуры $\\varphi_e(t)$ (или постоянная  "
      "угловая  скорость  $\\omega_e$), время $t_1$ и размеры фигуры. $BM$ или $AM$ --- длина "
      "отрезка прямой или дуги окружности.");
  toolkit::AnsWriteLine(
      s,
      "\\No\\ru &\\mc{$ R_e$}&\\mc{$v_r$}&\\mc{$ v_e$}&\\mc{$ v$}&\\mc{$\\wa_r$}&\\mc{$\\wa_e$}"
      "&\\mc{$ \\wa_c$}&\\mc{$ \\wa$}\\\\\\cline{2-9}  &\\scriptsize Радиус, см&\\multicolumn{3}"
      "{|c|}{\\scriptsize Скорости, см/c}&\\multicolumn{4}{|c|}{\\scriptsize Ускорения, "
      "см/$c^2$}\\\\\\hline");
  toolkit::Ans2Write(s,
                     "\\No\\ru &\\mc{$\\wa_r^n$}&\\mc{$\\wa_r^\\tau$}&\\mc{$\\wa_e^n$}&\\mc{$"
                     "\\wa_e^\\tau$}&\\mc{$\\wa_x$}&\\mc{$\\wa_y$}\\\\\\hline ");
  toolkit::WriteText(s, "\\newcommand{\\omge}{\\omega_e}\\newcommand{\\phie}{\\varphi_e}");
  toolkit::WriteBookReference(s, 195);
}

void WriteComplexMotionFlatVariant(SharedState& s) {
  const int t1 = s.P4;
  const int sense = 3 - 2 * s.P3;
  const int figure = s.P1;
  const ChannelLaw law = MakeChannelLaw(s.P2, s.P4, t1);
  const ChannelFactor factor = ChannelLawFactor(FactorClass(figure), s.P5);
  const std::string relative_law = ("\\frc" + factor.text + law.ChannelLawText).substr(0, 29);
  const double f = factor.value;
  const double R = law.ChannelLawValue;
  const double sigma = f * R;
  const double vr = f * law.RelativeVelocity;
  const double ar_tau = f * law.RelativeAcceleration;
  const double psi = sigma / R;
  const double h = Round(R / 2);
  const double L = Round(R * std::cos(kPi / 6)) + 1;
  const double gamma = std::atan(h / L);

  double x = 0, y = 0, theta = 0;
  switch (figure) {
    case 1: x = -R * std::sin(psi), y = R * (1 - std::cos(psi)) + 2, theta = kPi - psi; break;
    case 3: x = -R * std::sin(psi), y = R * (1 - std::cos(psi)), theta = kPi - psi; break;
    case 2: x = R * (1 - std::cos(psi)), y = (R + 2) - R * std::sin(psi), theta = psi - kPi / 2; break;
    case 8: x = R * (1 - std::cos(psi)) - 2 * R, y = (R + 2) - R * std::sin(psi), theta = psi - kPi / 2; break;
    case 4: x = R * (std::cos(psi) - 1), y = R * std::sin(psi) + R + 5, theta = psi + kPi / 2; break;
    case 9: x = R * (1 - std::cos(psi)), y = R * std::sin(psi) + R + 5, theta = kPi / 2 - psi; break;
    case 5: x = sigma, y = h, theta = 0; break;
    case 10: x = sigma - R, y = h, theta = 0; break;
    case 6: x = R + 2, y = sigma, theta = kPi / 2; break;
    case 11: x = -2 - R, y = sigma, theta = kPi / 2; break;
    case 7: x = sigma * std::cos(gamma), y = h - sigma * std::sin(gamma), theta = -gamma; break;
    default: x = -sigma * std::cos(gamma), y = h - sigma * std::sin(gamma), theta = gamma + kPi; break;
  }
  const double Re = std::sqrt(x * x + y * y);

  const bool constant_rate = OneOf(figure, {1, 2, 3, 4, 8, 9});
  double c = Round(100 * vr / Re / t1 * 0.5) * 0.01;
  // A coefficient that rounds to nothing would leave the figure standing still.
  if (c == 0) c = 0.01;
  double omega_e, eps_e;
  if (constant_rate) {
    omega_e = 0.01 * Round(100 * vr / Re) * sense;
    eps_e = 0;
  } else {
    omega_e = 2 * c * t1 * sense;
    eps_e = 2 * c * sense;
  }

  toolkit::WriteText(s, "\\hfill $\\sigma(t)=");
  if (OneOf(figure, {1, 4, 5, 7, 9, 10, 12})) {
    toolkit::WriteText(s, "BM=");
  } else if (figure == 6) {
    toolkit::WriteText(s, "DM=");
  } else {
    toolkit::WriteText(s, "AM=");
  }
  toolkit::WriteText(s, relative_law + "$~см.\\\\");
  // Each figure's own room: its outline, letters and the mark of the transport rotation. The
  // law above and the data beside stay clear of it.
  const FigureRoom& room = kFlatFigureRoom[static_cast<std::size_t>(figure - 1)];
  toolkit::BeginPicture(s, room.x1 - room.x0, room.y1 - room.y0, room.x0, room.y0);
  if (constant_rate) {
    PutAngularVelocityMarker(s, sense, FlatFigureAxisX(figure), FlatFigureAxisY(figure));
  } else {
    PutRotationAngleMarker(s, sense, FlatFigureAxisX(figure), FlatFigureAxisY(figure));
  }
  figures::PutBox(s, std::string("plan") + static_cast<char>(64 + figure), 0, 0);
  toolkit::EndPicture(s);
  toolkit::WriteLine(s, "\\hfill\\parbox[b]{80pt}{\\small ");
  WriteTransportLawLine(s, constant_rate, omega_e, c);
  switch (figure) {
    case 1: toolkit::WriteText2NumbersLn(s, "$R=", R, "$~см,\\\\ $AB=", 2, "$~см,"); break;
    case 2:
    case 8: toolkit::WriteText2NumbersLn(s, "$R=", R, "$~см,\\\\ $AD=", R + 2, "$~см,"); break;
    case 3: toolkit::WriteTextNumberLn(s, "$R=", R, "$~см,"); break;
    case 4:
    case 9: toolkit::WriteText2NumbersLn(s, "$R=", R, "$~см,\\\\$AB=", R + 5, "$~см,"); break;
    case 5:
    case 10: toolkit::WriteText2NumbersLn(s, "$AB=", h, "$~см,\\\\ $BC=", R, "$~см,"); break;
    case 6:
    case 11: toolkit::WriteText2NumbersLn(s, "$AB=", R, "$~см, \\\\$BC=", R + 2, "$~см,"); break;
    default: toolkit::WriteText2NumbersLn(s, "$AB=", h, "$~см,\\\\ $AC=", L, "$~см,"); break;
  }
  toolkit::WriteTextNumberLn(s, "\\\\ $t_1=", t1, "$~c.}");

  const double ve = omega_e * Re;
  const double vx = -(y / Re) * ve + std::cos(theta) * vr;
  const double vy = (x / Re) * ve + std::sin(theta) * vr;
  const double v = std::sqrt(vx * vx + vy * vy);

  const double ae_tau = Re * eps_e;
  const double ae_n = Re * omega_e * omega_e;
  const double ar_n = constant_rate ? vr * vr / R : 0;
  const double ac = 2 * omega_e * vr;
  const int k = OneOf(figure, {1, 3, 9}) ? 1 : -1;
  const double ax = -(y / Re) * ae_tau - (x / Re) * ae_n + std::sin(theta) * (k * ar_n - ac) +
                    std::cos(theta) * ar_tau;
  const double ay = (x / Re) * ae_tau - (y / Re) * ae_n - std::cos(theta) * (k * ar_n - ac) +
                    std::sin(theta) * ar_tau;
  s.PointAx = ax;
  s.PointAy = ay;
  const double a = std::sqrt(ax * ax + ay * ay);
  const double ar = std::sqrt(ar_n * ar_n + ar_tau * ar_tau);
  const double ae = std::sqrt(ae_n * ae_n + ae_tau * ae_tau);

  const std::string number = FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  toolkit::AnsWrite(s, number + "&" + FormatFixed(Re, 8, 3) + " &" + FormatFixed(vr, 8, 3) + " &" +
                           FormatFixed(std::fabs(ve), 8, 3) + "&" + FormatFixed(v, 8, 3) + "&" +
                           FormatFixed(ar, 9, 3) + " &" + FormatFixed(ae, 9, 3) + " &" +
                           FormatFixed(std::fabs(ac), 9, 3) + "&" + FormatFixed(a, 9, 3));
  toolkit::Ans2Write(s, number + "&" + FormatFixed(ar_n, 9, 3) + "&" + FormatFixed(ar_tau, 9, 3) +
                            "&" + FormatFixed(ae_n, 9, 3) + "&" + FormatFixed(ae_tau, 9, 3) + "&" +
                            FormatFixed(ax, 9, 3) + "&" + FormatFixed(ay, 9, 3));
}

}  // namespace kinematics
