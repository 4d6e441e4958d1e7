#include "subjects/structural/common/beam_diagrams.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace structural {

namespace {

int Round(double x) { return static_cast<int>(toolkit::RoundHalfEven(x)); }

}  // namespace

double MaxAbsDiagramValue(const TDiagramValues& values, int first, int last) {
  double largest = 0;
  for (int i = first; i <= last; ++i) {
    largest = std::max({largest, std::fabs(values[i].left), std::fabs(values[i].right)});
  }
  return largest;
}

void AnsDrawDiagramSegment(SharedState& s, const TDiagramValues& values, int segment, int load,
                           double x0, double x1, double max_value, int direction, bool straight,
                           int label_sign, figures::LabelSpacing* placed) {
  // A flat diagram has no scale: its ordinates are all 0.
  const double c = max_value != 0 ? 30 / max_value : 0;
  const double length = x1 - x0;
  const int steps = Round(length / 3);
  const double h = steps != 0 ? length / steps : 0;
  const double y_a = values[segment].left * direction * c;
  const double y_b = values[segment].right * direction * c;
  const double slope = length != 0 ? (y_b - y_a) / length : 0;
  const bool parabolic = load != 0 && !straight;
  const auto bulge = [&](double x) {
    return parabolic ? c * load * x * (length - x) / (2 * s.Scale * s.Scale) : 0.0;
  };

  AnsSetLineWidth(s, 3);
  AnsWrite(s, "\\Red{");
  AnsMoveTo(s, x0, 0);
  if (parabolic) {
    if (steps == 0) {
      AnsLineTo(s, x0, y_a);
      AnsLineTo(s, x1, y_b);
    }
    for (int j = 0; j <= steps; ++j) {
      const double x = j * h;
      AnsLineTo(s, x0 + x, bulge(x) + y_a + x * slope);
    }
  } else {
    AnsLineTo(s, x0, y_a);
    AnsLineTo(s, x1, y_b);
    AnsLineTo(s, x1, 0);
  }
  AnsWrite(s, "}\\Blue{");
  AnsSetLineWidth(s, 1);
  // A segment shorter than the hatching step (no steps) gets no hatching.
  for (int j = 1; j <= steps; ++j) {
    const double x = j * h;
    const double y = bulge(x) + y_a + x * slope;
    if (std::fabs(y) > 1) AnsDrawSegment(s, x0 + x, 0, x0 + x, y);
  }
  AnsWrite(s, "}");

  const auto label_height = [&](double u) { return c * u + 4 * toolkit::SignOf(u) - 3; };
  // The switch of absolute end values is the figure library's LabelAbsolute, which the
  // value label itself obeys as well.
  const auto shown = [&](double v) { return s.LabelAbsolute ? std::fabs(v) : v * label_sign; };
  const double left = values[segment].left;
  const double right = values[segment].right;
  // The left value starts 2 right of the segment's start and the right value ends 1 before
  // its end, so that two values meeting at a station read apart.
  const auto put = [&](double x, double y, double v, bool from_right) {
    const double w =
        figures::LabelWidth(toolkit::FormatNumberOneDecimal(s.LabelAbsolute ? std::fabs(v) : v), 8);
    if (from_right) x -= w;
    if (placed != nullptr && std::fabs(v) > 1e-8) std::tie(x, y) = placed->Clear(x, y, w, 6);
    AnsPutValueLabelOneDecimal(s, x, y, v);
  };
  if (std::fabs(left - values[segment - 1].left) > 1e-8) {
    put(x0 + 2, label_height(left * direction), shown(left), false);
  }
  if (std::fabs(values[segment + 1].left - right) > 1e-8 && left != right) {
    put(x1 - 1, label_height(right * direction), shown(right), true);
  }
}

void AnsBeginDiagramPicture(SharedState& s, double end) {
  // Values stand up to 10 beyond the ordinates and move a little more to clear each other;
  // the letter takes 20 right of the end.
  AnsBeginPicture(s, end + 32, 94, -12, -45);
}

void DrawBeamPointLoad(SharedState& s, int point, int letter) {
  WriteLine(s, "\\Blue{%");
  DrawThickRedVector(s, 0, -1, s.PointX[point], 15, 15);
  WriteLine(s, "}%");
  PutLabel(s, std::string("$") + LoadLetters[letter] + "$", s.PointX[point] - 7, 12);
  s.PointLoadValue[point] = s.ConcentratedLoadValue[letter];
}

void DrawBeamDistributedLoad(SharedState& s, int from_point, int to_point, int height, int number) {
  const double x0 = s.PointX[from_point];
  const double length = s.PointX[to_point] - x0;
  const int n = Round(length / 6);
  const double step = n != 0 ? length / n : 0;
  // The letter stands over the middle of its load: at an end it would touch the next load.
  PutLabel(s, "$q_" + std::to_string(number) + "$", x0 + length / 2 - 4, height + 12);
  WriteText(s, "\\Blue{");
  DrawLatexLine(s, 1, 0, x0, height + 9, length);
  WriteText5NumbersLn(s, "\\multiput(", x0, ",", height + 9, ")(", step, ",0){", n + 1,
                      "}{\\vector(0,-1){", height + 8, "}}}%");
}

void DefineMomentArcBox(SharedState& s) {
  BeginSaveBox(s, "brmomentp");
  WriteText(s, "\\Red{");
  PutBracedText(s, "\\oval(20,20)[r]", 0, 0);
  DrawVector(s, -1, 0, -2, 10, 1);
  WriteText(s, "}");
  EndSaveBox(s);
}

}  // namespace structural
