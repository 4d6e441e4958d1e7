#include <cmath>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "subjects/ai/pattern_pictures.h"
#include "subjects/ai/problems.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace ai {

namespace {

// Distances closer than this are equal: the weights are sums of a few tenths, so two distances
// that are equal on paper may differ in the last bits of a double.
constexpr double kTieTolerance = 1e-9;

void SetKohonenLayout(SharedState& s) {
  const double xs[7] = {0, 0, 40, 80, 120, 40, 80};
  const double ys[7] = {0, 0, 0, 0, 0, 40, 40};
  for (int i = 1; i <= 6; ++i) {
    s.PointX[i] = xs[i];
    s.PointY[i] = ys[i];
  }
}

double LearningRate(int p2) {
  switch (p2) {
    case 1:
      return 0.4;
    case 2:
      return 0.6;
    case 3:
      return 0.7;
    case 4:
      return 0.8;
    default:
      return 0.5;
  }
}

}  // namespace

void BeginKohonenNetworkProblem(SharedState& s) {
  s.ParboxWidth = 190;
  SetKohonenLayout(s);
  DefinePatternBoxes(s);

  toolkit::BeginSaveBox(s, "vrsc");
  toolkit::WriteText(s, "\\Blue{");
  for (int i = 1; i <= 6; ++i) figures::DrawCircleAtPoint10(s, i);
  toolkit::WriteText(s, "}");
  figures::PutLabel(s, "1)", 140, 45);
  figures::PutLabel(s, "2)", 180, 45);
  figures::PutLabel(s, "3)", 140, 5);
  figures::PutLabel(s, "4)", 180, 5);
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  for (int c = 1; c <= 2; ++c) {
    figures::DrawVector(s, 0, 1, x[c + 1], y[c + 1] + 5, 30);
    figures::DrawVector(s, 1, 1, x[c] + 4, y[c] + 4, 33);
    figures::DrawVector(s, -1, 1, x[c + 2] - 4, y[c + 2] + 4, 33);
  }
  figures::DrawVector(s, 2, 1, x[1] + 4, y[1] + 4, 70);
  figures::DrawVector(s, -2, 1, x[4] - 4, y[4] + 4, 70);
  toolkit::EndSaveBox(s);

  toolkit::AnsBeginTable(s, 10);
  toolkit::WriteText(s,
                     " Для обучения сети SOFM, имеющей  четыре входных элемента и два кластерных,");
  toolkit::WriteText(s,
                     " используются четыре образца, закодированные 1 (закрашенный квадрат) и 0 "
                     "(пустой квадрат) слева направо, сверху вниз. ");
  toolkit::WriteLine(s,
                     " Даны начальные весовые значения $W_{i,j}$ и норма обучения $\\eta$. "
                     "Используя ");
  toolkit::WriteText(s,
                     " евклидову метрику, определить принадлежность образцов кластерным "
                     "элементам и ");
  toolkit::WriteLine(
      s, " вычислить весовые значения после первого цикла обработки данных.\\\\\\noindent");
  toolkit::AnsWriteLine(s, " № & Кластеры &\\multicolumn{8}{c}{W} \\\\\\hline");
}

void WriteKohonenNetworkVariant(SharedState& s) {
  const double eta = LearningRate(s.P2);
  toolkit::WriteTextNumberLn(s, "$\\eta=", eta, "$\\\\");
  double w[3][5] = {{},
                    {0, (s.P1 - 1) / 10.0, s.P2 / 10.0, s.P3 / 10.0, s.P4 / 10.0},
                    {0, s.P5 / 10.0, s.P6 / 10.0, s.P7 / 10.0, s.P1 / 10.0}};
  int p[5] = {};
  for (int k = 1; k <= 4; ++k) p[k] = WrapToTen(s.P1 / 2 + k);

  // The picture holds all it draws (x = 5..226: the first input circle's left edge is at 5;
  // y up to 56) inside the 228 pt of the box.
  toolkit::BeginPicture(s, 225, 68, 5, -10);
  figures::PutBox(s, "vrsc", 10, 0);
  PutPatternBox(s, 160, 40, p[1]);
  PutPatternBox(s, 200, 40, p[2]);
  PutPatternBox(s, 160, 0, p[3]);
  PutPatternBox(s, 200, 0, p[4]);
  toolkit::EndPicture(s);

  toolkit::WriteText(s, "\\\\ $ W = \\begin{array}{|cccc|}");
  for (int i = 1; i <= 3; ++i) toolkit::WriteTextNumberLn(s, "", w[1][i], " &");
  toolkit::WriteTextNumberLn(s, "", w[1][4], "\\\\");
  for (int i = 1; i <= 3; ++i) toolkit::WriteTextNumberLn(s, "", w[2][i], "&");
  toolkit::WriteTextNumberLn(s, "", w[2][4], "\\end{array}$");

  int winner[5] = {};
  bool tie_noted = false;
  for (int k = 1; k <= 4; ++k) {
    double d[3] = {};
    for (int j = 1; j <= 2; ++j) {
      for (int i = 1; i <= 4; ++i) {
        const double diff = PatternBits[p[k]][i] - w[j][i];
        d[j] += diff * diff;
      }
    }
    const bool tie = std::fabs(d[1] - d[2]) < kTieTolerance;
    winner[k] = !tie && d[2] < d[1] ? 2 : 1;
    if (tie && !tie_noted) {
      // The student meets the tie too: say which rule the answer follows.
      toolkit::WriteLine(s, "\\\\ {\\small При равных расстояниях побеждает кластер 1.}");
      tie_noted = true;
    }
    const int c = winner[k];
    for (int i = 1; i <= 4; ++i) w[c][i] = w[c][i] - eta * (w[c][i] - PatternBits[p[k]][i]);
  }

  toolkit::AnsWriteTextNumberLn(s, "", toolkit::PrintedVariantNumber(s), "&");
  toolkit::AnsWriteTextNumberLn(s, "", winner[1], ",");
  toolkit::AnsWriteTextNumberLn(s, "", winner[2], ",");
  toolkit::AnsWriteTextNumberLn(s, "", winner[3], ",");
  toolkit::AnsWriteTextNumberLn(s, "", winner[4], " & ");
  for (int j = 1; j <= 2; ++j) {
    for (int i = 1; i <= 4; ++i) {
      if (j == 2 && i == 4) {
        toolkit::AnsWriteLine(s, toolkit::FormatFixed(w[j][i], 8, 3));
      } else {
        toolkit::AnsWriteLine(s, toolkit::FormatFixed(w[j][i], 8, 3) + "&");
      }
    }
  }
}

}  // namespace ai
