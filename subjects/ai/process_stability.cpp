#include <cmath>
#include <cstdio>
#include <string>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

// The order m/n by selector (row) and equation type (column).
constexpr const char* kOrderLabels[2][11] = {
    {"0/3", "1/2", "0/3", "2/3", "1/3", "0/3", "0/3", "0/3", "0/2", "0/3", "0/3"},
    {"1/2", "0/3", "2/3", "0/3", "0/3", "1/2", "1/3", "2/3", "1/3", "2/3", "0/3"},
};

struct ProcessData {
  int type = 1, selector = 1;
  double a = 0, b = 0, c = 0, rate = 0;  // rate: the initial rate x-dot_0
};

ProcessData ProcessDataOf(const SharedState& s) {
  ProcessData d;
  d.type = s.P1;
  d.selector = s.P2;
  d.b = s.P3 + 1;
  d.a = s.P4 + 1;
  if (d.a == d.b) d.a += 1;
  d.rate = s.P5;
  d.c = s.P6 + 1;
  if (d.selector == 2) {
    if (d.type == 2) d.a = 2 * d.b + s.P4;
    if (d.type == 10) d.rate = -d.b - s.P4;
    if (d.type == 7) d.b = -d.b;
  }
  return d;
}

/// The square root of a positive argument; anything else is data the formulas never meet.
double RootOf(double x, const SharedState& s) {
  if (!(x > 0)) {
    throw toolkit::DegenerateDataError("AI row 1, process instability: square root of " +
                                       std::to_string(x) + " for P1..P6 = " + std::to_string(s.P1) +
                                       " " + std::to_string(s.P2) + " " + std::to_string(s.P3) +
                                       " " + std::to_string(s.P4) + " " + std::to_string(s.P5) +
                                       " " + std::to_string(s.P6));
  }
  return std::sqrt(x);
}

double ProcessAnswer(const ProcessData& d, const SharedState& s) {
  const double a = d.a, b = d.b, c = d.c, v = d.rate;
  // Type 11 has one formula: its order is 0/3 for both selectors.
  const bool first = d.selector == 1 || d.type == 11;
  switch (d.type) {
    case 1:
      return first ? RootOf(b * b / a + 2 * b * v, s) : RootOf(b * v, s);
    case 2:
      return first ? v * RootOf(b, s) : v * RootOf(3 * b * (2 * b + a) / (a - 2 * b), s);
    case 3:
      return first ? (a - 6 * b * b * v * v) / (2 * b) : a / (2 * b) - b * v * v;
    case 4:
      return first ? RootOf(b * v / 2, s) : b * b / (2 * a);
    case 5:
      return first ? -b * v / 2 : -2 * b * v / 3;
    case 6:
      return first ? -1 / b : -1 / (2 * b);
    case 7: {
      const double t = a / (2 * b * b);
      return first ? t * t : -a * v / (2 * b);
    }
    case 8:
      return first ? -4 * a * v * RootOf(v, s) / b : -RootOf(v, s) * (4 * a * v / b + b);
    case 9:
      return first ? -2 * b * v : -3 * b * v / 2;
    case 10:
      return first ? RootOf(a * (b + 2 * v), s) : RootOf(-a * (b + 2 * v), s);
    default:
      return std::exp(-(2 * std::log(2 / (c * b)) - 5 * std::log(v)) / (2 * (b + 1)));
  }
}

}  // namespace

void BeginProcessStabilityProblem(SharedState& s) {
  s.ParboxWidth = 120;
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, " &$x_{m/n_{(1)}}$&$x_{m/n_{(2)}}$\\\\\\hline");
  toolkit::WriteLine(s,
                     " Динамический процесс описывается дифференциальным уравнением.  Найти "
                     "условие нестабильности порядка $m/n$.                   ");
  toolkit::WriteLine(s,
                     " Вычислить значение $x_{m/n}$ при $\\dot x=\\dot x_0$.      \\\\\\noindent ");
}

void WriteProcessStabilityVariant(SharedState& s) {
  const ProcessData d = ProcessDataOf(s);
  const double x = ProcessAnswer(d, s);
  toolkit::WriteLine(s, " $$");
  switch (d.type) {
    case 1:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot xx+", d.b, "\\dot x+x^2");
      break;
    case 2:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot xx+", d.b, "\\dot x^2+x^2");
      break;
    case 3:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x+", d.b, "\\dot x^2+x");
      break;
    case 4:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x+", d.b, "\\dot x+x^2");
      break;
    case 5:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x\\dot x+", d.b, "\\dot x+x");
      break;
    case 6:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x\\dot x+", d.b, "x^2+x");
      break;
    case 7:
      toolkit::WriteText2NumbersLn(s, "", d.a, std::string("\\ddot x") + toolkit::SignChar(d.b),
                                   std::fabs(d.b), "\\dot x+\\sqrt{x}");
      break;
    case 8:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x+", d.b, "\\sqrt{\\dot x}+x");
      break;
    case 9:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x+", d.b, "\\dot x^2+x\\dot x");
      break;
    case 10:
      toolkit::WriteText2NumbersLn(s, "", d.a, "\\ddot x+", d.b, "x+x\\dot x");
      break;
    default:
      toolkit::WriteText3NumbersLn(s, "", d.c, "\\ddot x\\sqrt{\\dot x}+", d.a, "\\dot x+x^", d.b,
                                   " ");
      break;
  }
  toolkit::WriteLine(s, "=0.$$");
  toolkit::WriteText(s, std::string("$m/n$=(") + kOrderLabels[d.selector - 1][d.type - 1] + "),");
  toolkit::WriteText(s, " $\\dot x_0=");
  toolkit::WriteNumber(s, d.rate);
  toolkit::WriteText(s, "$.");

  char number[16];
  std::snprintf(number, sizeof number, "%2d", toolkit::PrintedVariantNumber(s));
  s.AnswersFile.Write(std::string(number) + "&" + toolkit::FormatFixed(x, 11, 4) + "& " +
                      std::string(toolkit::kNoValue));
}

}  // namespace ai
