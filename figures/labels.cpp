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

std::pair<double, double> LabelSpacing::Clear(double x, double y, double width, double height,
                                              double reach) {
  const std::pair<double, double> at =
      Find(x, y, width, height, reach).value_or(std::pair<double, double>{x, y});
  // Depth of descenders and subscripts below the reference point.
  boxes_.push_back(
      {at.first, at.second - 2 / unit_, at.first + width / unit_, at.second + height / unit_});
  return at;
}

std::optional<std::pair<double, double>> LabelSpacing::Find(double x, double y, double width,
                                                            double height, double reach) const {
  if (Clears(x, y, width, height)) return std::pair{x, y};
  for (int d = 1; d <= reach; ++d) {
    for (const auto& [dx, dy] :
         {std::pair{0, -d}, std::pair{0, d}, std::pair{-d, 0}, std::pair{d, 0}}) {
      if (Clears(x + dx, y + dy, width, height)) return std::pair{x + dx, y + dy};
    }
  }
  return std::nullopt;
}

bool LabelSpacing::Clears(double x, double y, double width, double height) const {
  // A little air around each box: the widths are estimates.
  const double kAir = 0.75 / unit_;
  width /= unit_;
  height /= unit_;
  for (const Box& b : boxes_) {
    if (x < b.x1 + kAir && b.x0 < x + width + kAir && y < b.y1 + kAir && b.y0 < y + height + kAir)
      return false;
  }
  return true;
}

void LabelSpacing::Reserve(double x, double y, double width, double height) {
  boxes_.push_back({x, y - 2 / unit_, x + width / unit_, y + height / unit_});
}

double LabelWidth(std::string_view s, double size) {
  double em = 0;
  double factor = 1;  // sub- and superscripts are smaller
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\\') {
      std::size_t j = i + 1;
      while (j < s.size() && ((s[j] >= 'a' && s[j] <= 'z') || (s[j] >= 'A' && s[j] <= 'Z'))) ++j;
      const std::string_view name = s.substr(i + 1, j - i - 1);
      if (name == "circ") {
        em += 0.5 * factor;
      } else if (name.size() > 1 && name != "vec" && name != "bar" && name != "rm" &&
                 name != "mathrm" && name != "scriptsize" && name != "small") {
        em += 0.6 * factor;  // a Greek letter or a symbol
      }
      i = j > i + 1 ? j - 1 : j;
    } else if (c == '^' || c == '_') {
      factor = 0.7;
    } else if (c == '$' || c == '{' || c == '}' || c == ' ' || c == '~') {
      if (c == '}' || c == '$') factor = 1;
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      if ((static_cast<unsigned char>(c) & 0xC0) == 0xC0) em += 0.6 * factor;
    } else {
      const double w = c == 'M' || c == 'W'   ? 0.95
                       : c >= 'A' && c <= 'Z' ? 0.75
                       : c == '.' || c == ',' ? 0.28
                                              : 0.5;
      em += w * factor;
      if (factor < 1 && i > 0 && (s[i - 1] == '^' || s[i - 1] == '_')) factor = 1;
    }
  }
  return em * size;
}

void PutLabelClear(Figure& f, LabelSpacing& placed, std::string_view s, double x, double y,
                   double reach) {
  const auto [px, py] = placed.Clear(x, y, LabelWidth(s, 8), 7, reach);
  PutLabel(f, s, px, py);
}

void PutBlueLabelClear(Figure& f, LabelSpacing& placed, std::string_view s, double x, double y,
                       double reach) {
  const auto [px, py] = placed.Clear(x, y, LabelWidth(s, 10.95), 7.5, reach);
  PutBlueLabel(f, s, px, py);
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
