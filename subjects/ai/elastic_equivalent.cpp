#include <cmath>
#include <cstdio>
#include <string>

#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/fractions.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

struct ElasticData {
  double beta = 0, alpha = 0;
  int n = 0, m = 0;
};

ElasticData ElasticDataOf(const SharedState& s) {
  ElasticData d;
  d.m = s.P5 + 1;
  d.beta = s.P3 + 1;
  if (s.P1 == 1) d.beta += 3;
  d.n = static_cast<int>(toolkit::RoundHalfEven(d.beta + 1));
  if (s.P2 == 2 || s.P2 == 3) d.n = 2;
  if (s.P1 == 2 || s.P1 == 3) d.beta *= 4;
  if (s.P1 == 4) d.beta = s.P5 == 1 ? 2 : 1;
  d.alpha = 0.2 * s.P4;
  if (s.P1 == 4) d.alpha = toolkit::RoundHalfEven(100 * (3 * d.beta / 8 + 0.1 * s.P4)) / 100;
  if (s.P2 == 4) d.n = s.P1 + d.m;
  if (s.P1 == 5) d.beta = toolkit::RoundHalfEven(1 / d.alpha) + s.P3;
  return d;
}

}  // namespace

void BeginElasticEquivalentProblem(SharedState& s) {
  s.ParboxWidth = 180;
  toolkit::WriteLine(s,
                     " В точке нестабильности 2-го порядка найти упругий эквивалент $G_*$ среды ");
  toolkit::WriteLine(s,
                     " в соотношении $\\Delta\\sigma=G_*\\Delta p$.\\\\ Напряжение $\\sigma$ и "
                     "модуль  $G_*$  --- в МПа.\\\\\\noindent");
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, " &$G_{*1}$ & $G_{*2}$\\\\\\hline");
}

void WriteElasticEquivalentVariant(SharedState& s) {
  const ElasticData d = ElasticDataOf(s);
  const double al = d.alpha, be = d.beta, m = d.m, n = d.n;
  double f = 0, f1 = 0, f2 = 0;
  switch (s.P1) {
    case 1:
      f = toolkit::Power(al, be);
      f1 = be * toolkit::Power(al, be - 1);
      f2 = be * (be - 1) * toolkit::Power(al, be - 2);
      break;
    case 2:
      f = std::sinh(al * be);
      f1 = be * std::cosh(al * be);
      f2 = be * be * std::sinh(al * be);
      break;
    case 3:
      f = std::exp(al * be);
      f1 = be * f;
      f2 = be * be * f;
      break;
    case 4:
      f = al / (be - al);
      f1 = be / ((be - al) * (be - al));
      f2 = 2 * be / ((be - al) * (be - al) * (be - al));
      break;
    default:
      f = al * std::exp(al * be);
      f1 = (al * be + 1) * std::exp(al * be);
      f2 = be * (al * be + 2) * std::exp(al * be);
      break;
  }
  double g = 0, g1 = 0;
  switch (s.P2) {
    case 1:
      g = toolkit::Power(m, n);
      g1 = n * toolkit::Power(m, n - 1);
      break;
    case 2:
      g = std::sinh(m * n);
      g1 = n * std::cosh(m * n);
      break;
    case 3:
      g = std::exp(m * n);
      g1 = n * g;
      break;
    case 4:
      g = m / (n - m);
      g1 = n / ((n - m) * (n - m));
      break;
    default:
      g = n * toolkit::Power(m, n) - m;
      g1 = n * n * toolkit::Power(m, n - 1) - 1;
      break;
  }
  const double k = f1 / f;
  const double disc = 4 * f2 / f - 3 * k * k;
  if (!(disc >= 0) || g1 == 0) {
    throw toolkit::DegenerateDataError(
        "AI row 3, elastic equivalent: no real G* for P1..P5 = " + std::to_string(s.P1) + " " +
        std::to_string(s.P2) + " " + std::to_string(s.P3) + " " + std::to_string(s.P4) + " " +
        std::to_string(s.P5));
  }
  const double g_1 = (3 * k + std::sqrt(disc)) * g / (2 * g1);
  const double g_2 = (3 * k - std::sqrt(disc)) * g / (2 * g1);
  char number[16];
  std::snprintf(number, sizeof number, "%2d", toolkit::PrintedVariantNumber(s));
  s.AnswersFile.WriteLine(std::string(number) + "&" + toolkit::FormatFixed(g_1, 10, 4) + "&" +
                          toolkit::FormatFixed(g_2, 10, 4));

  toolkit::WriteText(s, "\\par");
  toolkit::WriteLine(s, " $\\dot p");
  switch (s.P1) {
    case 1:
      toolkit::WriteTextNumberLn(s, "p^", be, "");
      break;
    case 2:
      toolkit::WriteTextCoefText(s, "\\sh (", be, "p)");
      break;
    case 3:
      toolkit::WriteTextCoefText(s, "e^{", be, "p}");
      break;
    case 4:
      toolkit::WriteTextNumberLn(s, "p/(", be, "{-}p)");
      break;
    default:
      toolkit::WriteTextCoefText(s, "pe^{", be, "p}");
      break;
  }
  toolkit::WriteText(s, "{=}A");
  switch (s.P2) {
    case 1:
      toolkit::WriteTextNumberLn(s, "\\sigma^{", n, "}");
      break;
    case 2:
      toolkit::WriteTextCoefText(s, "\\sh (", n, "\\sigma)");
      break;
    case 3:
      toolkit::WriteTextCoefText(s, "e^{", n, "\\sigma}");
      break;
    case 4:
      toolkit::WriteTextNumberLn(s, "\\sigma/(", n, "{-}\\sigma)");
      break;
    default:
      toolkit::WriteText2NumbersLn(s, "(", n, "\\sigma^", n, "{-}\\sigma)");
      break;
  }
  toolkit::WriteLine(s, " $,");
  if (s.P1 == 3 && s.P2 != 3) {
    toolkit::WriteTextNumberLn(s, "  $\\sigma{=}", m, "$.");
  } else if (s.P1 != 3 && s.P2 == 3) {
    toolkit::WriteTextNumberLn(s, "$p{=}", al, "$.");
  } else if (s.P1 != 3) {
    toolkit::WriteText2NumbersLn(s, "$p{=}", al, "$, $\\sigma{=}", m, "$.");
  }
  toolkit::WriteLine(s, "\\vskip3.1mm");
}

}  // namespace ai
