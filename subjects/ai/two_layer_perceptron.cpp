#include <cmath>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

double Sigmoid(double x) { return 1 / (1 + std::exp(-x)); }

void SetPoints(SharedState& s, const double (&xy)[6][2]) {
  for (int i = 1; i <= 6; ++i) {
    s.PointX[i] = xy[i - 1][0];
    s.PointY[i] = xy[i - 1][1];
  }
}

void SetPerceptronLayoutA(SharedState& s) {
  SetPoints(s, {{0, 80}, {50, 80}, {0, 40}, {50, 40}, {0, 0}, {50, 0}});
}

// Three inputs to two hidden neurons make six crossing bars; drawn 100 pt wide their weights
// stand on the bars and at the crossings, so the layout is half as wide again.
void SetPerceptronLayoutB(SharedState& s) {
  SetPoints(s, {{75, 80}, {37.5, 40}, {112.5, 40}, {0, 0}, {75, 0}, {150, 0}});
}

// The weight of the bar from point a to point b: centred `at` of the way from a, 5 pt to the
// bar's left (side 1, looking from a) or right (side -1).
void PutWeightBeside(SharedState& s, int a, int b, double at, int side, double value) {
  const double dx = s.PointX[b] - s.PointX[a], dy = s.PointY[b] - s.PointY[a];
  const double length = std::hypot(dx, dy);
  const double cx = s.PointX[a] + at * dx - side * 5 * dy / length;
  const double cy = s.PointY[a] + at * dy + side * 5 * dx / length;
  const double width = figures::LabelWidth(toolkit::FormatNumberSci(value), 7);
  figures::PutValueLabel(s, cx - width / 2, cy - 2.5, value);
}

void OpenPerceptronBox(SharedState& s, std::string_view name) {
  const std::string n(name);
  toolkit::WriteLine(s, "\\newsavebox{\\" + n + "}\\sbox{\\" + n + "}{%");
  toolkit::BeginPicture(s, 2, 2, 0, 0);
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 6; ++i) figures::DrawCircleAtPoint10(s, i);
  toolkit::WriteText(s, "}{\\thicklines\\Red{");
}

void DefineShapeABox(SharedState& s) {
  SetPerceptronLayoutA(s);
  OpenPerceptronBox(s, "vrsa");
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  for (int j = 1; j <= 2; ++j) {
    figures::DrawVector(s, 1, 0, x[1] - 20, y[2 * j - 1], 15);
    figures::DrawVector(s, -1, 0, x[2] + 20, y[2 * j], 15);
  }
  toolkit::WriteText(s, "}\\Blue{");
  for (int k = 1; k <= 2; ++k) figures::DrawVector(s, 0, 1, x[k], y[1] + 5, 15);
  toolkit::WriteText(s, "}\\OliveGreen{");
  for (int i = 5; i <= 6; ++i) figures::DrawVector(s, 0, 1, x[i], y[5] - 20, 15);
  toolkit::WriteText(s, "}}");
  figures::SetLineWidth(s, 9);
  for (int d = 1; d <= 2; ++d) {
    for (int i = 1; i <= 2; ++i) {
      figures::DrawBar(s, 2 * d - 2 + i, 2 * d + i);
      figures::DrawBar(s, 2 * d - 2 + i, 2 * d + 3 - i);
    }
  }
  figures::SetLineWidth(s, 1);
  toolkit::EndSaveBox(s);
}

void DefineShapeBBox(SharedState& s) {
  SetPerceptronLayoutB(s);
  OpenPerceptronBox(s, "vrsb");
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  figures::DrawVector(s, -1, 0, x[3] + 20, y[3], 15);
  figures::DrawVector(s, 1, 0, x[2] - 20, y[2], 15);
  figures::DrawVector(s, 1, 0, x[1] - 20, y[1], 15);
  toolkit::WriteText(s, "}\\Blue{");
  figures::DrawVector(s, 0, 1, x[1], y[1] + 5, 15);
  toolkit::WriteText(s, "}\\OliveGreen{");
  for (int i = 4; i <= 6; ++i) figures::DrawVector(s, 0, 1, x[i], y[5] - 20, 15);
  toolkit::WriteText(s, "}}");
  figures::SetLineWidth(s, 9);
  for (int d = 2; d <= 3; ++d) {
    figures::DrawBar(s, d, 4);
    figures::DrawBar(s, d, 5);
    figures::DrawBar(s, d, 6);
    figures::DrawBar(s, 1, d);
  }
  figures::SetLineWidth(s, 1);
  toolkit::EndSaveBox(s);
}

/// Weights, inputs, targets and errors of one variant; rows and columns from 1.
struct Perceptron {
  bool shape_a = true;
  double w[3][5] = {};
  double v[3][4] = {};
  double x[4] = {};
  double t[3] = {};
  double e[3] = {};
};

Perceptron DerivePerceptron(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  Perceptron n;
  n.shape_a = p1 == 1;
  const double rows[3][5] = {{},
                             {0, 6.0 - p2, p2 - 1.0, 2.0 * p2 - 3, -1.0 * p2},
                             {0, 1.0 * p3, p4 + 1.0, 1.0 * p5, 5.0 - 2 * p5}};
  for (int r = 1; r <= 2; ++r) {
    for (int c = 1; c <= 4; ++c) n.w[r][c] = rows[r][c] == 0 ? r : rows[r][c];
  }
  for (int o = 1; o <= 2; ++o) {
    for (int k = 1; k <= 2; ++k) {
      n.v[o][k] = o - n.w[k][o] + p1;
      if (n.v[o][k] == 0) n.v[o][k] = -o;
    }
  }
  switch (p5) {
    case 1:
      n.x[1] = 1, n.x[2] = 2;
      break;
    case 2:
      n.x[1] = 2, n.x[2] = 1;
      break;
    case 3:
      n.x[1] = 2, n.x[2] = 2;
      break;
    case 4:
      n.x[1] = 0, n.x[2] = 1;
      break;
    default:
      n.x[1] = 1, n.x[2] = 1;
  }
  n.x[3] = 1;
  double u[3] = {0, 0.2 * p7 - 0.4, 0.2 * p6 - 0.3};
  if (p7 == 2) u[1] = -1;  // 0.2 P7 - 0.4 is zero only for P7 = 2
  double q[3] = {0, 0.2 * p4 - 0.4, 0.2 * p3 - 0.2};
  if (p4 == 2) q[1] = 0.5;
  if (p3 == 1) q[2] = -0.5;
  const int j_bias = n.shape_a ? 3 : 4;
  for (int h = 1; h <= 2; ++h) {
    double sum = 0;
    for (int k = 1; k <= j_bias - 1; ++k) sum += n.w[h][k] * n.x[k];
    n.w[h][j_bias] = u[h] - sum;
  }
  for (int o = 1; o <= 5 - j_bias; ++o) {
    const double sum = n.v[o][1] * Sigmoid(u[1]) + n.v[o][2] * Sigmoid(u[2]);
    n.v[o][3] = toolkit::RoundHalfEven(10 * (q[o] - sum)) / 10;
    const double y = Sigmoid(sum + n.v[o][3]);
    n.t[o] = toolkit::RoundHalfEven(y);
    n.e[o] = (n.t[o] - y) * (n.t[o] - y) * 0.5;
  }
  return n;
}

}  // namespace

void BeginTwoLayerPerceptronProblem(SharedState& s) {
  s.ParboxWidth = 185;
  s.NodeGap = 5;
  DefineShapeABox(s);
  DefineShapeBBox(s);
  toolkit::AnsBeginTable(s, 3);
  toolkit::AnsWriteLine(s, "\\No & $E_1$ & $E_2$ \\\\\\hline ");
  toolkit::WriteText(s, " Найти среднеквадратичные ошибки сети $E=(t-o)^2/2$.\\\\\\noindent");
}

void WriteTwoLayerPerceptronVariant(SharedState& s) {
  const Perceptron n = DerivePerceptron(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  // The picture holds all it draws: the right-hand inputs' arrows and numbers reach x = 111
  // (x = 161 in the wider layout of three inputs).
  toolkit::BeginPicture(s, n.shape_a ? 145 : 195, 131, -30, -20);
  if (n.shape_a) {
    SetPerceptronLayoutA(s);
    figures::PutPlainValueLabel(s, s.PointX[5] - 12, -18, n.x[1]);
    figures::PutPlainValueLabel(s, s.PointX[6] - 12, -18, n.x[2]);
    figures::PutBox(s, "vrsa", 0, 0);
    const struct {
      double value, x, y;
    } labels[] = {
        {n.w[1][1], -7, 20},  {n.w[2][2], 53, 20}, {n.w[2][1], 7, 10},   {n.w[1][2], 37, 10},
        {n.w[1][3], -27, 43}, {n.w[2][3], 72, 43}, {n.v[1][1], -7, 60},  {n.v[2][2], 53, 60},
        {n.v[2][1], 7, 50},   {n.v[1][2], 37, 50}, {n.v[1][3], -20, 83}, {n.v[2][3], 65, 83},
    };
    for (const auto& l : labels) figures::PutValueLabel(s, l.x, l.y, l.value);
    figures::PutPlainValueLabel(s, -4, 102, n.t[1]);
    figures::PutPlainValueLabel(s, 46, 102, n.t[2]);
  } else {
    SetPerceptronLayoutB(s);
    for (int i = 4; i <= 6; ++i) figures::PutPlainValueLabel(s, s.PointX[i] - 11, -18, n.x[i - 3]);
    figures::PutBox(s, "vrsb", 0, 0);
    // Each hidden neuron's weights beside its own bars: the long bars' near the neuron, on
    // their upper side, where the other bars are still apart; the others further down.
    PutWeightBeside(s, 2, 4, 0.5, -1, n.w[1][1]);
    PutWeightBeside(s, 2, 5, 0.3, -1, n.w[1][2]);
    PutWeightBeside(s, 2, 6, 0.2, 1, n.w[1][3]);
    PutWeightBeside(s, 3, 4, 0.2, -1, n.w[2][1]);
    PutWeightBeside(s, 3, 5, 0.3, 1, n.w[2][2]);
    PutWeightBeside(s, 3, 6, 0.5, 1, n.w[2][3]);
    PutWeightBeside(s, 1, 2, 0.5, -1, n.v[1][1]);
    PutWeightBeside(s, 1, 3, 0.5, 1, n.v[1][2]);
    figures::PutValueLabel(s, s.PointX[3] + 19, 42, n.w[2][4]);
    figures::PutValueLabel(s, s.PointX[2] - 28, 42, n.w[1][4]);
    figures::PutValueLabel(s, s.PointX[1] - 28, 83, n.v[1][3]);
    figures::PutPlainValueLabel(s, s.PointX[1] - 4, 102, n.t[1]);
  }
  toolkit::EndPicture(s);
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " & ");
  if (n.shape_a) {
    toolkit::AnsWriteLine(
        s, toolkit::FormatFixed(n.e[1], 6, 4) + " & " + toolkit::FormatFixed(n.e[2], 6, 4));
  } else {
    toolkit::AnsWriteLine(
        s, toolkit::FormatFixed(n.e[1], 6, 4) + " & " + std::string(toolkit::kNoValue) + " ");
  }
}

}  // namespace ai
