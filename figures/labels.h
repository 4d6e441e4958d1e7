#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "figures/figure_state.h"

namespace figures {

// Text, boxes and value labels placed with "\put(x,y)" (coordinates by FormatNumber).
// Routines named Ans... write the answers file, all others the main file; only PutLabel,
// DefineMacro and DrawLabelledSegment end a line. A value whose text is the small-magnitude
// form of FormatNumberSci ("0.5\cdot10^{-2}") is written in dollars wherever the label is in
// text mode. Every routine throws IoError when its file cannot be written.

/// "{" s "}".
void PutBracedText(Figure& f, std::string_view s, double x, double y);
/// "{$" s "$}".
void PutMathText(Figure& f, std::string_view s, double x, double y);
/// "{\scriptsize " s "}".
void PutScriptLabel(Figure& f, std::string_view s, double x, double y);
/// "{\small \Blue{" s "}}".
void PutBlueLabel(Figure& f, std::string_view s, double x, double y);
/// "{\scriptsize " LabelStyle "{" s "}}", then a line end.
void PutLabel(Figure& f, std::string_view s, double x, double y);
/// The labels of one picture placed so far, for drawings that keep each new label clear of
/// the labels before it (boxes estimated from the characters at the label's font size).
class LabelSpacing {
 public:
  /// Label sizes are in points; coordinates in picture units of `unit_pt` points each.
  explicit LabelSpacing(double unit_pt = 1) : unit_(unit_pt) {}

  /// The point nearest (x, y) (moving up or down first, then sideways, by whole points up to
  /// `reach`) at which a label `width` x `height` with its reference point at the lower left
  /// clears every box recorded so far, or (x, y) when none does; the box there is recorded.
  std::pair<double, double> Clear(double x, double y, double width, double height,
                                  double reach = 12);
  /// The point Clear would choose, or nothing when no point within `reach` clears; nothing
  /// is recorded.
  std::optional<std::pair<double, double>> Find(double x, double y, double width, double height,
                                                double reach = 12) const;
  /// Whether a label `width` x `height` with its reference point at (x, y) clears every box
  /// recorded so far (nothing is recorded).
  bool Clears(double x, double y, double width, double height) const;
  /// Records a label `width` x `height` placed at (x, y) by other means, so that later labels
  /// keep clear of it.
  void Reserve(double x, double y, double width, double height);

 private:
  struct Box {
    double x0, y0, x1, y1;
  };
  double unit_;
  std::vector<Box> boxes_;
};

/// Approximate width in points of label text s (TeX source, math or text) at font size `size`.
double LabelWidth(std::string_view s, double size);

/// PutLabel at the point LabelSpacing::Clear gives for the label's scriptsize box.
void PutLabelClear(Figure& f, LabelSpacing& placed, std::string_view s, double x, double y,
                   double reach = 12);
/// PutBlueLabel at the point LabelSpacing::Clear gives for the label's small box.
void PutBlueLabelClear(Figure& f, LabelSpacing& placed, std::string_view s, double x, double y,
                       double reach = 12);

/// "{\usebox{\" name "}}".
void PutBox(Figure& f, std::string_view name, double x, double y);
/// Answers file: "{\usebox{\" name "}}".
void AnsPutBox(Figure& f, std::string_view name, double x, double y);

/// "{\scriptsize " FormatNumberSci(v) "}".
void PutValueLabel(Figure& f, double x, double y, double v);
/// "{\it\scriptsize " FormatNumberSci(v) "}".
void PutItalicValueLabel(Figure& f, double x, double y, double v);
/// "{\small " FormatNumberSci(v) "}".
void PutSmallValueLabel(Figure& f, double x, double y, double v);
/// As PutValueLabel; nothing at all when v = 0.
void PutValueLabelNonZero(Figure& f, double x, double y, double v);
/// "{" FormatNumberOrZero(v) "}".
void PutPlainValueLabel(Figure& f, double x, double y, double v);
/// "{\footnotesize  " v "}" with v fixed to 4 decimals in a field of 6.
void PutFixedValueLabel(Figure& f, double x, double y, double v);
/// "{\scriptsize " v "}" with v rounded to an integer in a field of 4 (at most 5 characters).
void PutIntValueLabel(Figure& f, double x, double y, double v);
/// "{$" prefix FormatNumberSci(v) "$}", prefix cut to 12 characters.
void PutMathValueLabel(Figure& f, std::string_view prefix, double x, double y, double v);
/// Answers file: "{\scriptsize " FormatNumberSci(v) "}".
void AnsPutValueLabel(Figure& f, double x, double y, double v);
/// Answers file: "{\Black{\scriptsize " FormatNumberSci(v) "}}".
void AnsPutBlackValueLabel(Figure& f, double x, double y, double v);
/// Answers file: "{\scriptsize " FormatNumber(|v|) "}"; nothing when |v| <= 1e-8.
void AnsPutAbsValueLabel(Figure& f, double x, double y, double v);
/// Answers file: "{\scriptsize " FormatNumberOneDecimal(w) "}" with w = |v| when
/// LabelAbsolute, else v; nothing when |v| <= 1e-8.
void AnsPutValueLabelOneDecimal(Figure& f, double x, double y, double v);
/// Answers file: "{\scriptsize " v "}" with v fixed to 2 decimals in a field of 4 (at most 8
/// characters); "{\scriptsize 0}" when |v| <= 1e-8.
void AnsPutFixedValueLabel(Figure& f, double x, double y, double v);

/// "0" for 0, otherwise FormatNumberSci(x) cut to 8 characters.
std::string FormatNumberOrZero(double x);
/// A coefficient before a symbol: " " for 1, x with 1 decimal in a field of 3 below 1, with
/// 0 decimals in a field of 3 from 1 on; at most 4 characters.
std::string FormatCoefficient(double x);
/// The line "\newcommand{\" name "}{" body "}".
void DefineMacro(Figure& f, std::string_view name, std::string_view body);
/// PutLabel("$" c "$", lx, ly) (line ended), then DrawSegment(x1, y1, x2, y2).
void DrawLabelledSegment(Figure& f, std::string_view c, double lx, double ly, double x1, double y1,
                         double x2, double y2);

}  // namespace figures
