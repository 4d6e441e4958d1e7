#include "figures/labels.h"

#include <cmath>
#include <string>

#include "figures/lines.h"
#include "figures/text_forms.h"
#include "toolkit/cp1251.h"
#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace figures {
namespace {

using toolkit::FormatFixed;
using toolkit::FormatNumberSci;

// Values this close to 0 are treated as 0 by the conditional answer labels.
constexpr double kZeroLabel = 1e-8;

// The small-magnitude form of FormatNumberSci ("0.5\cdot10^{-2}") is mathematics; a label
// in text mode would stop latex with "Missing $ inserted", so that form gets its dollars.
std::string TextModeNumber(const std::string& number) {
  return number.find('\\') == std::string::npos ? number : "$" + number + "$";
}

std::string Braced(std::string_view macro, const std::string& value) {
  return "{" + std::string(macro) + TextModeNumber(value) + "}";
}

}  // namespace

void PutBracedText(Figure& f, std::string_view s, double x, double y) {
  PutText(f, "{" + std::string(s) + "}", x, y);
}

void PutMathText(Figure& f, std::string_view s, double x, double y) {
  PutText(f, "{$" + std::string(s) + "$}", x, y);
}

void PutScriptLabel(Figure& f, std::string_view s, double x, double y) {
  PutText(f, "{\\scriptsize " + std::string(s) + "}", x, y);
}

void PutBlueLabel(Figure& f, std::string_view s, double x, double y) {
  PutText(f, "{\\small \\Blue{" + std::string(s) + "}}", x, y);
}

void PutLabel(Figure& f, std::string_view s, double x, double y) {
  PutTextLn(f, "{\\scriptsize " + f.LabelStyle + "{" + std::string(s) + "}}", x, y);
}

void PutBox(Figure& f, std::string_view name, double x, double y) {
  PutText(f, "{\\usebox{\\" + std::string(name) + "}}", x, y);
}

void AnsPutBox(Figure& f, std::string_view name, double x, double y) {
  AnsPutText(f, "{\\usebox{\\" + std::string(name) + "}}", x, y);
}

void PutValueLabel(Figure& f, double x, double y, double v) {
  PutText(f, Braced("\\scriptsize ", FormatNumberSci(v)), x, y);
}

void PutItalicValueLabel(Figure& f, double x, double y, double v) {
  PutText(f, Braced("\\it\\scriptsize ", FormatNumberSci(v)), x, y);
}

void PutSmallValueLabel(Figure& f, double x, double y, double v) {
  PutText(f, Braced("\\small ", FormatNumberSci(v)), x, y);
}

void PutValueLabelNonZero(Figure& f, double x, double y, double v) {
  if (v != 0) PutValueLabel(f, x, y, v);
}

void PutPlainValueLabel(Figure& f, double x, double y, double v) {
  PutText(f, Braced("", FormatNumberOrZero(v)), x, y);
}

void PutFixedValueLabel(Figure& f, double x, double y, double v) {
  PutText(f, Braced("\\footnotesize  ", FormatFixed(v, 6, 4)), x, y);
}

void PutIntValueLabel(Figure& f, double x, double y, double v) {
  PutText(f, Braced("\\scriptsize ", FormatFixed(v, 4, 0).substr(0, 5)), x, y);
}

void PutMathValueLabel(Figure& f, std::string_view prefix, double x, double y, double v) {
  PutText(f, "{$" + toolkit::CutToChars(prefix, 12) + FormatNumberSci(v) + "$}", x, y);
}

void AnsPutValueLabel(Figure& f, double x, double y, double v) {
  AnsPutText(f, Braced("\\scriptsize ", FormatNumberSci(v)), x, y);
}

void AnsPutBlackValueLabel(Figure& f, double x, double y, double v) {
  AnsPutText(f, "{\\Black" + Braced("\\scriptsize ", FormatNumberSci(v)) + "}", x, y);
}

void AnsPutAbsValueLabel(Figure& f, double x, double y, double v) {
  if (std::fabs(v) > kZeroLabel) {
    AnsPutText(f, Braced("\\scriptsize ", toolkit::FormatNumber(std::fabs(v))), x, y);
  }
}

void AnsPutValueLabelOneDecimal(Figure& f, double x, double y, double v) {
  if (std::fabs(v) > kZeroLabel) {
    const double w = f.LabelAbsolute ? std::fabs(v) : v;
    AnsPutText(f, Braced("\\scriptsize ", toolkit::FormatNumberOneDecimal(w)), x, y);
  }
}

void AnsPutFixedValueLabel(Figure& f, double x, double y, double v) {
  if (std::fabs(v) > kZeroLabel) {
    AnsPutText(f, Braced("\\scriptsize ", FormatFixed(v, 4, 2).substr(0, 8)), x, y);
  } else {
    AnsPutText(f, "{\\scriptsize 0}", x, y);
  }
}

std::string FormatNumberOrZero(double x) {
  if (x == 0) return "0";
  return FormatNumberSci(x).substr(0, 8);
}

std::string FormatCoefficient(double x) {
  if (x == 1) return " ";
  return (x < 1 ? FormatFixed(x, 3, 1) : FormatFixed(x, 3, 0)).substr(0, 4);
}

void DefineMacro(Figure& f, std::string_view name, std::string_view body) {
  toolkit::WriteLine(f, "\\newcommand{\\" + std::string(name) + "}{" + std::string(body) + "}");
}

void DrawLabelledSegment(Figure& f, std::string_view c, double lx, double ly, double x1, double y1,
                         double x2, double y2) {
  PutLabel(f, "$" + std::string(c) + "$", lx, ly);
  DrawSegment(f, x1, y1, x2, y2);
}

}  // namespace figures
