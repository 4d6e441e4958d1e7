#include <cmath>
#include <string>
#include <vector>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/answers_split.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

/// The learning rate the Level 1 statement gives.
constexpr double kLearningRate = 10;
/// Items of the Level 1 answers (the error terms, then the weights into each neuron) a table.
constexpr int kItemsPerTable = 2;

double Logistic(double x) { return 1 / (1 + std::exp(-x)); }

/// Kept to four decimals before it is used further, as the student writes it.
double FourDecimals(double x) { return toolkit::RoundHalfEven(x * 10000) * 0.0001; }

void SetBackPropLayout(SharedState& s) {
  const double xy[7][2] = {{60, 0}, {120, 0}, {180, 0}, {60, 80}, {120, 80}, {180, 80}, {120, 128}};
  for (int i = 1; i <= 7; ++i) {
    s.PointX[i] = xy[i - 1][0];
    s.PointY[i] = xy[i - 1][1];
  }
}

/// Weights, values and error terms of one variant; indices as printed (from 1, row 0 of w the
/// hidden biases).
struct BackPropNetwork {
  double w[4][4] = {};
  double u[4] = {};
  double b = 0;
  double x[4] = {};
  double net[4] = {};
  double y[4] = {};
  double net_out = 0;
  double o = 0;
  double t = 0;
  double delta_out = 0;
  double delta[4] = {};
};

BackPropNetwork DeriveBackPropNetwork(int p1, int p2, int p3, int p4, int p5, int p6, int p7) {
  BackPropNetwork n;
  const double rows[4][4] = {{},
                             {0, 1.0 * p1, 1.0 - p2, 1.0 * p3},
                             {0, 1.0 * p6, p5 + 1.0, 1.0 * p4},
                             {0, 1.0 - p6, p6 - 2.0, p7 - 3.0}};
  for (int k = 1; k <= 3; ++k) {
    for (int h = 1; h <= 3; ++h) n.w[k][h] = rows[k][h] == 0 ? -k : rows[k][h];
  }
  for (int h = 1; h <= 3; ++h) n.u[h] = -n.w[1][h];
  for (int k = 1; k <= 3; ++k) n.x[k] = (p1 + k) * 0.5;
  const int d[4] = {0, p1, p2, p3};
  for (int h = 1; h <= 3; ++h) {
    const double sum = n.w[1][h] * n.x[1] + n.w[2][h] * n.x[2] + n.w[3][h] * n.x[3];
    n.w[0][h] = -toolkit::RoundHalfEven(sum) + d[h] * 0.1;
    n.net[h] = sum + n.w[0][h];
    n.y[h] = FourDecimals(Logistic(n.net[h]));
  }
  const double sum = n.u[1] * n.y[1] + n.u[2] * n.y[2] + n.u[3] * n.y[3];
  n.b = p4 - toolkit::RoundHalfEven(sum) - 2;
  if (n.b == 0) n.b = 1;
  n.net_out = sum + n.b;
  n.o = FourDecimals(Logistic(n.net_out));
  n.t = toolkit::RoundHalfEven(n.o);
  n.delta_out = (n.t - n.o) * n.o * (1 - n.o);
  for (int h = 1; h <= 3; ++h) n.delta[h] = n.delta_out * n.u[h] * n.y[h] * (1 - n.y[h]);
  return n;
}

void DrawNeuron(SharedState& s, const BackPropNetwork& n, int i, bool top) {
  const double xi = s.PointX[i];
  const double yi = s.PointY[i];
  figures::DrawRotatedBlock(s, 5, xi, yi + 9, 0, 38, 12);
  toolkit::WriteText(s, "\\Blue{");
  if (s.Level == 1 || i <= 3) {
    const double value = i <= 3 ? n.x[i] : i <= 6 ? n.y[i - 3] : n.o;
    figures::PutFixedValueLabel(s, xi - 14, yi + 6, value);
  }
  toolkit::WriteText(s, "}");
  if (top) {
    figures::DrawCircle(s, xi, yi, 6);
    figures::DrawRotatedBlock(s, 5, xi, yi - 9, 0, 38, 12);
    toolkit::WriteText(s, "\\Red{");
    figures::PutValueLabel(s, xi + 19, yi + 14, i - 3);
    toolkit::WriteText(s, "}");
    if (s.Level == 1) {
      figures::PutFixedValueLabel(s, xi - 18, yi - 13, i <= 6 ? n.net[i - 3] : n.net_out);
    }
  }
}

}  // namespace

void BeginBackPropagationProblem(SharedState& s) {
  s.BlockCentred = true;
  s.ParboxWidth = 185;
  s.NodeGap = 5;
  SetBackPropLayout(s);
  const std::string delta_heads =
      " & $\\delta_4\\cdot 10^{-4}$& $\\delta_1\\cdot 10^{-4}$& $\\delta_2\\cdot 10^{-4}$& "
      "$\\delta_3\\cdot 10^{-4}$";
  if (s.Level == 1) {
    // The new weights after the cycle: sixteen numbers a variant, with the error terms too many
    // for one table across the page, so two items (four columns each) a table.
    std::vector<std::string> heads = {delta_heads.substr(1)};
    for (int j = 1; j <= 4; ++j) {
      std::string head;
      for (int k = 0; k <= 3; ++k) {
        head += "& $w'_{" + std::to_string(k) + std::to_string(j) + "}$";
      }
      heads.push_back(head);
    }
    toolkit::BeginSplitAnswers(s, heads, kItemsPerTable, "");
    toolkit::AnsWriteLine(
        s,
        "{\\small Новые веса: $w'_{kj}$ --- вес связи от нейрона $k$ предыдущего слоя к "
        "нейрону $j$ (номера нейронов $j$ --- красные на рисунке, входы $k$ --- слева "
        "направо), $w'_{0j}$ --- вес смещения нейрона $j$.}\\par");
  } else {
    toolkit::AnsBeginTable(s, 4);
    toolkit::AnsWrite(s, delta_heads + " \\\\\\hline ");
  }
  if (s.Level == 1) {
    toolkit::WriteText(s,
                       " С коэффициентом обучения 10 найти новые веса сети после 1 цикла обучения. "
                       "\\\\\\noindent");
  } else {
    // Levels above 2 ask the Level 2 question too: without it the student would see a network
    // and no task.
    toolkit::WriteText(s, " Найти ошибки сети первого прохода\\\\\\noindent");
  }
}

void WriteBackPropagationVariant(SharedState& s) {
  const BackPropNetwork n = DeriveBackPropNetwork(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  SetBackPropLayout(s);
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  // The picture holds all it draws: the right-hand column reaches x = 203 and the target
  // value over the output neuron y[7] + 33.
  toolkit::BeginPicture(s, 205, y[7] + 34, 0, 0);
  for (int i = 1; i <= 3; ++i) {
    DrawNeuron(s, n, i, false);
    DrawNeuron(s, n, i + 3, true);
    figures::DrawVector(s, 0, 1, x[i], y[i] + 15, 50);
    figures::DrawVector(s, 1, 0, x[i + 3] - 33, y[4], 30);
  }
  figures::DrawVector(s, 1, 0, x[7] - 33, y[7], 30);
  toolkit::WriteText(s, "\\Red{");
  figures::DrawVector(s, 0, 1, x[7], y[7] + 15, 10);
  figures::PutItalicValueLabel(s, x[7] - 1, y[7] + 27, n.t);
  toolkit::WriteText(s, "}");
  figures::DrawVector(s, 2, 1, x[4], y[4] + 15, 42);
  figures::DrawVector(s, -2, 1, x[6], y[6] + 15, 42);
  figures::DrawVector(s, 0, 1, x[5], y[5] + 15, 18);
  figures::DrawVector(s, -1, 1, x[3], y[3] + 15, 50);
  figures::DrawVector(s, -2, 1, x[3] - 3, y[1] + 15, 100);
  figures::DrawVector(s, 1, 1, x[2], y[1] + 15, 50);
  figures::DrawVector(s, -1, 1, x[2], y[1] + 15, 50);
  figures::PutValueLabel(s, 114, 27, n.w[2][2]);
  figures::PutValueLabel(s, 182, 27, n.w[3][3]);
  figures::DrawVector(s, 1, 1, x[1], y[1] + 15, 50);
  figures::DrawVector(s, 2, 1, x[1] + 3, y[1] + 15, 100);
  toolkit::WriteText(s, "\\Blue{");
  figures::PutValueLabel(s, 71, 33, n.w[1][2]);
  figures::PutValueLabel(s, 82, 20, n.w[1][3]);
  figures::PutValueLabel(s, 54, 27, n.w[1][1]);
  toolkit::WriteText(s, "}");
  figures::PutValueLabel(s, 164, 33, n.w[3][2]);
  figures::PutValueLabel(s, 153, 20, n.w[3][1]);
  figures::PutValueLabel(s, 69, 56, n.w[2][1]);
  figures::PutValueLabel(s, 167, 56, n.w[2][3]);
  for (int h = 1; h <= 3; ++h) figures::PutValueLabel(s, x[h] - 38, y[4] + 2, n.w[0][h]);
  figures::PutValueLabel(s, 82, 130, n.b);
  figures::PutValueLabel(s, 65, 100, n.u[1]);
  figures::PutValueLabel(s, 114, 100, n.u[2]);
  figures::PutValueLabel(s, 168, 100, n.u[3]);
  DrawNeuron(s, n, 7, true);
  toolkit::EndPicture(s);

  if (s.Level != 1) {
    toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), " & ");
    toolkit::AnsWriteLine(s, toolkit::FormatFixed(n.delta_out * 10000, 6, 0));
    for (int h = 1; h <= 3; ++h) {
      toolkit::AnsWriteLine(s, "&" + toolkit::FormatFixed(n.delta[h] * 10000, 6, 0));
    }
    return;
  }
  std::vector<std::string> cells(5);
  cells[0] = " & " + toolkit::FormatFixed(n.delta_out * 10000, 6, 0);
  for (int h = 1; h <= 3; ++h) cells[0] += "&" + toolkit::FormatFixed(n.delta[h] * 10000, 6, 0);
  // One step of gradient descent: each weight moves by the rate times the error term of the
  // neuron it feeds times the value coming in along it (1 for a bias).
  const auto moved = [](double w, double delta, double in) {
    return "&" + toolkit::FormatFixed(w + kLearningRate * delta * in, 8, 4);
  };
  for (int h = 1; h <= 3; ++h) {
    cells[h] = moved(n.w[0][h], n.delta[h], 1);
    for (int k = 1; k <= 3; ++k) cells[h] += moved(n.w[k][h], n.delta[h], n.x[k]);
  }
  cells[4] = moved(n.b, n.delta_out, 1);
  for (int h = 1; h <= 3; ++h) cells[4] += moved(n.u[h], n.delta_out, n.y[h]);
  for (std::string& cell : cells) cell += "\r\n";
  toolkit::AddSplitAnswersRow(s, toolkit::FormatNumber(toolkit::PrintedVariantNumber(s)), cells);
}

}  // namespace ai
