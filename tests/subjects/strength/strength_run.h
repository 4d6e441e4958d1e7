#pragma once

#include <array>
#include <string>
#include <vector>

#include "tests/support/run_harness.h"

// Running Mechanics of Materials rows through the shell's table in memory, and reading their
// printed data and answers back.
namespace strength_check {

inline constexpr int kMechanicsSubject = 2;

/// Begin and `params.size()` variants of Mechanics of Materials row `row`, numbered from
/// `first_number`.
testing_support::RunTexts RunRow(int row, const std::vector<testing_support::VariantParams>& params,
                                 int first_number = 1);

/// `count` parameter sets spread over Pk in 1..hi[k] by a fixed hash of their index: the same
/// on every run, every value of every parameter met once count is well above the bounds. For
/// spaces too large to visit whole even under TARBEL_FULL.
std::vector<testing_support::VariantParams> SamplePoints(const std::array<int, 7>& hi, int count);

/// The answers row of a one-variant run: what stands between the last heading line and the
/// table's closing, without the row end.
std::string AnswersRow(const std::string& answers);

/// The printed variant number and then the numbers of the cells of an answers row (each cell
/// after an "&"; "$" and blanks ignored).
std::vector<double> RowNumbers(const std::string& row);

/// The number printed right after the first `prefix` in text; NaN when there is none.
double NumberAfter(const std::string& text, const std::string& prefix, std::size_t from = 0);

/// One "\put(x,y){\vector(dx,dy){len}}" of a figure.
struct Arrow {
  double x = 0, y = 0;
  int dx = 0, dy = 0;
  double len = 0;
};
/// Every vector of the main text, in order.
std::vector<Arrow> Arrows(const std::string& text);

/// The positions of the "\put(x,y)" before each occurrence of key in the text, in order.
std::vector<std::pair<double, double>> PutsOf(const std::string& text, const std::string& key);

/// Every "\put(x,y){...name...}" box placement of `name` in the text: the positions.
std::vector<std::pair<double, double>> BoxPlacements(const std::string& text,
                                                     const std::string& name);

/// Every "\put(x,y){\circle*{d}}" dot of the text: the positions, in order.
std::vector<std::pair<double, double>> Dots(const std::string& text);

/// A point of a figure, in picture units.
struct PicturePoint {
  double x = 0, y = 0;
};
/// Every line chain of the text: one per "\mt{x}{y}" with the points of the "\pp{x}{y}"
/// commands that follow it, in order.
std::vector<std::vector<PicturePoint>> Polylines(const std::string& text);

/// How often `part` occurs in text.
int Count(const std::string& text, const std::string& part);

}  // namespace strength_check
