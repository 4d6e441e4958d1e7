#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

constexpr double kPi = 3.14159265358979323846;

toolkit::TBinaryDigits DigitsOf(int n) {
  toolkit::TBinaryDigits d;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(n), d);
  return d;
}

double PositivePart(double x) { return x > 0 ? x : 0; }

}  // namespace

void BeginHammingNetworkProblem(SharedState& s) {
  s.ParboxWidth = 200;
  toolkit::AnsBeginTable(s, 16);
  toolkit::AnsWrite(s, " \\No &$d_{H(x,y)}$&$y_1$&$y_2$ &$y_3$ &$y_4$ \\\\\\hline");
  toolkit::Ans2Write(s, "\\eject Коды образцов\\\\[4pt] ");
  toolkit::Ans2BeginTable(s, 14);
  std::string head = " \\No & ";
  for (int i = 1; i <= 4; ++i) head += "$x_" + std::to_string(i) + "$ &";
  // The student's column only in students mode: no empty column without a head otherwise.
  toolkit::Ans2Write(s, head + (s.StudentsMode ? " $y$ & \\\\\\hline " : " $y$ \\\\\\hline "));
  toolkit::WriteLine(s,
                     "Даны четыре плоских образца $\\bar X_k$, $k=1,..,4$ и искаженный образец "
                     "$y$. Найти выход сети после первого цикла распознавания $y$ сетью "
                     "Хемминга. Образцы кодируются от основания (выделено утолщением). Левый "
                     "поворот кодируется как -1, правый поворот +1.  Во втором слое принять "
                     "внедиагональные веса равными $-1/4$.\\\\\\noindent ");
}

void WriteHammingNetworkVariant(SharedState& s) {
  toolkit::Ans2Write(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & ");
  int z[6][6] = {};  // z[m][k]: turn m of sample k; sample 5 is y
  // Sample k's polyline in the points 1..7, fitted into 50 x 50.
  const auto shape = [&](int k) {
    const auto a = DigitsOf(s.P1 + k);
    const auto b = DigitsOf(s.P2 + 2 * k);
    for (int m = 1; m <= 5; ++m) z[m][k] = 2 * b[m] - 1;
    figures::ClearPoints(s, 7);
    double theta = (s.P1 + a[1] + 2 * b[1]) * kPi / 4;
    s.PointX[2] = s.PointX[1] + 12 * std::cos(theta);
    s.PointY[2] = s.PointY[1] + 12 * std::sin(theta);
    for (int m = 1; m <= 5; ++m) {
      theta -= z[m][k] * kPi / 4;
      s.PointX[m + 2] = s.PointX[m + 1] + 8 * std::cos(theta);
      s.PointY[m + 2] = s.PointY[m + 1] + 8 * std::sin(theta);
    }
    s.BoxWidth = 50;
    s.BoxHeight = 50;
    figures::FitPointsToBox(s, 7, 1);
  };
  // The five pictures stand in a row in the 240 pt box, a blank apart: what it leaves free goes
  // between them (up to 14 pt), so that one sample's end and number keep apart from the next
  // one's.
  double widths = 0;
  for (int k = 1; k <= 5; ++k) {
    shape(k);
    widths += s.RangeX * s.Scale + 4;
  }
  const double gap = std::clamp((222 - widths) / 4, 0.0, 14.0);
  for (int k = 1; k <= 5; ++k) {
    shape(k);
    const bool is_y = k == 5;
    // The markers of the fitted points reach 1.5 beyond the fitted range, the label $y$ under
    // the figure 1.8 below y = -10.
    toolkit::BeginPicture(s, s.RangeX * s.Scale + 4 + (k < 5 ? gap : 0), 62, -2, -12);
    figures::SetLineWidth(s, 10);
    toolkit::WriteText(s, is_y ? "\\Red{" : "\\Blue{");
    figures::DrawBar(s, 1, 2);
    toolkit::WriteLine(s, "}%");
    figures::SetLineWidth(s, 3);
    if (is_y) toolkit::WriteText(s, "\\speh\\Red{");
    for (int i = 2; i <= 7; ++i) figures::DrawNodeMarker(s, i);
    for (int i = 2; i <= 6; ++i) figures::DrawBar(s, i, i + 1);
    if (is_y) toolkit::WriteText(s, "}");
    if (is_y) {
      figures::PutLabel(s, "$y$", 0, -10);
    } else {
      figures::PutSmallValueLabel(s, 0, -10, k);
    }
    toolkit::EndPicture(s);
    std::string codes;
    for (int m = 1; m <= 5; ++m) codes += (m > 1 ? "," : "") + std::to_string(z[m][k]);
    toolkit::Ans2Write(s, codes);
    toolkit::Ans2WriteLine(s, k < 5 || s.StudentsMode ? "&" : "");
  }
  if (s.StudentsMode) toolkit::Ans2Write(s, s.StudentNames[s.VariantIndex + 1]);

  int h[5] = {};
  double e[5] = {};
  for (int j = 1; j <= 4; ++j) {
    int sum = 0;
    for (int m = 1; m <= 5; ++m) sum += z[m][j] * z[m][5];
    h[j] = (5 - sum) / 2;
    e[j] = 1 - 0.2 * h[j];
  }
  double u[5] = {};
  for (int j = 1; j <= 4; ++j) {
    double others = 0;
    for (int m = 1; m <= 4; ++m) {
      if (m != j) others += e[m];
    }
    u[j] = e[j] - 0.25 * others;
  }
  toolkit::AnsWriteTextNumberLn(s, "", toolkit::PrintedVariantNumber(s), "& ");
  toolkit::AnsWriteTextNumber(s, "", h[1], ",");
  toolkit::AnsWriteTextNumber(s, "", h[2], ",");
  toolkit::AnsWriteTextNumber(s, "", h[3], ",");
  toolkit::AnsWriteTextNumber(s, "", h[4], "&");
  toolkit::AnsWriteTextNumber(s, "", PositivePart(u[1]), "&");
  toolkit::AnsWriteTextNumber(s, "", PositivePart(u[2]), "&");
  toolkit::AnsWriteTextNumber(s, "", PositivePart(u[3]), "&");
  toolkit::AnsWriteTextNumber(s, "", PositivePart(u[4]), " ");
}

}  // namespace ai
