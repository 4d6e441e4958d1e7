#include "subjects/dynamics/lagrange_given_energy.h"

#include <cmath>
#include <string>

#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

// Assigns the text of term kind 1..5; other kinds leave the text as it is.
void TrigTermText(int kind, std::string& text) {
  switch (kind) {
    case 1: text = "\\sin^2 x"; break;
    case 2: text = "\\cos^2 x"; break;
    case 3: text = "\\sin x"; break;
    case 4: text = "\\cos x"; break;
    case 5: text = "\\sin 2x"; break;
    default: break;
  }
}

}  // namespace

void BeginLagrangeGivenEnergyProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 14);
  toolkit::AnsWriteLine(s, "\\No & $\\ddot x$ \\\\\\hline ");
  toolkit::WriteLine(s,
                     "Дано выражение кинетической энергии и обобщенной силы механической "
                     "системы с одной степенью свободы.  В некоторый момент известны значения "
                     "обобщенной координаты $x$ и  скорости $\\dot x$.  Найти ускорение "
                     "$\\ddot x$.\\\\ \\noindent");
}

void WriteLagrangeGivenEnergyVariant(SharedState& s) {
  const int k1 = s.P1;
  int k2 = s.P2;
  if (k2 == k1) ++k2;
  if (k2 == 6) k2 = 1;
  const int c0 = s.P3;
  const int a = s.P4 + 1;
  const int b = s.P5 + 1;
  const int q = s.P6;
  const int x = (2 * s.P3 - s.P2) / 2;  // C++ division truncates toward zero, as div does
  const int xdot = s.P7;
  double w[6] = {0, 0, 0, 0, 0, 0};
  if (k1 >= 1 && k1 <= 5) w[k1] = a;
  if (k2 >= 1 && k2 <= 5) w[k2] = b;

  std::string text1, text2;
  TrigTermText(k1, text1);
  TrigTermText(k2, text2);
  toolkit::WriteText3NumbersLn(s, "$$T=\\dot x^2(", c0, "+", a, text1 + "+", b, text2 + ")$$");
  toolkit::WriteTextNumberLn(s, "$Q=", q, "$,");
  toolkit::WriteTextNumberLn(s, "$ x=", x, "$,");
  toolkit::WriteTextNumberLn(s, "$\\dot x=", xdot, "$.");

  toolkit::AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&");
  const double m = c0 + w[1] * std::pow(std::sin(x), 2) + w[2] * std::pow(std::cos(x), 2) +
                   w[3] * std::sin(x) + w[4] * std::cos(x) + w[5] * std::sin(2.0 * x);
  if (m == 0) {
    // No acceleration follows from a vanishing inertia coefficient.
    toolkit::WriteLine(s, "Ошибка!");
    toolkit::AnsWriteLine(s, "-");
    return;
  }
  const double dm = (w[1] - w[2]) * std::sin(2.0 * x) + w[3] * std::cos(x) - w[4] * std::sin(x) +
                    2 * w[5] * std::cos(2.0 * x);
  const double xddot = 0.5 * (q - dm * xdot * xdot) / m;
  toolkit::AnsWriteLine(s, toolkit::FormatFixed(xddot, 6, 3));
}

}  // namespace dynamics
