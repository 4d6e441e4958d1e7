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

// Products equal on paper may differ in the last bits of a double (the factors are tenths);
// such a tie still goes to the smaller cluster number, as the statement says.
constexpr double kTieTolerance = 1e-9;

toolkit::TBinaryDigits DigitsOf(int n) {
  toolkit::TBinaryDigits d;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(n), d);
  return d;
}

int ParameterNumber(const SharedState& s, int k) {
  const int p[8] = {0, s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7};
  return p[k];
}

}  // namespace

void BeginKohonenClustersProblem(SharedState& s) {
  s.ParboxWidth = 204;
  toolkit::AnsWrite(s, "\\tabcolsep=2pt");
  toolkit::AnsBeginTable(s, 16);
  toolkit::AnsWrite(s, " \\No& Кластеры &");
  for (int i = 1; i <= 2; ++i) {
    toolkit::AnsWriteTextNumber(s, "\\multicolumn{4}{|c|}{", i, "}&");
  }
  toolkit::AnsWrite(s, s.StudentsMode ? "\\multicolumn{4}{c|}{3} & \\\\\\hline "
                                      : "\\multicolumn{4}{c|}{3}\\\\\\hline ");
  toolkit::Ans2BeginTable(s, 14);
  std::string head = " \\No & ";
  for (int i = 1; i <= 4; ++i) head += std::to_string(i) + " &";
  // The student's column only in students mode: no empty column without a head otherwise.
  toolkit::Ans2Write(s, head + (s.StudentsMode ? " 5 & \\\\\\hline " : " 5 \\\\\\hline "));
  toolkit::WriteLine(
      s,
      "Даны пять плоских образцов $\\bar X_k$, $k=1,..,5$ и три кластера $\\bar W_1$, "
      "$\\bar W_2$, $\\bar W_3$. Найти номера кластеров образцов после первого цикла обработки в "
      "сети Кохоненна. Образцы кодируются от основания (выделено утолщением). Правый поворот "
      "кодируется как 1, движение прямо --- 2, поворот налево --- 3.  Кластер-победитель для "
      "каждого образца $i$ определяется по максимуму величины  скалярного произведения  "
      "$r_j=\\bar X_i\\cdot \\bar W_js_j$, вычисленной для всех кластеров $j$, где $s_j$ "
      "штрафной коэффициент кластера $j$, уменьшающийся на $\\delta=0.1$ после каждой его "
      "победы. Начальные значения $s_j=1$.  При равных расстояниях $r_j$ преимущество имеет "
      "кластер с меньшим номером.  В случае победы кластер приближается к образцу "
      "$\\bar W_j'=\\bar W_j+\\eta(\\bar X_i-\\bar W_j)$. Коэффициент обучения $\\eta$ принять "
      "равным 0.5.\\\\\\noindent ");
}

void WriteKohonenClustersVariant(SharedState& s) {
  toolkit::Ans2Write(s, std::to_string(toolkit::PrintedVariantNumber(s)) + " & ");
  int z[5][6] = {};  // z[m][k]: turn m of sample k
  for (int k = 1; k <= 5; ++k) {
    const auto a = DigitsOf(s.P1 + k);
    const auto b = DigitsOf(s.P2 + 2 * k);
    figures::ClearPoints(s, 6);
    double theta = (s.P1 + a[1] + 2 * b[1]) * kPi / 4;
    s.PointX[2] = s.PointX[1] + 14 * std::cos(theta);
    s.PointY[2] = s.PointY[1] + 14 * std::sin(theta);
    for (int m = 1; m <= 4; ++m) {
      const int r = a[m] + b[m];
      theta += (r - 1) * kPi / 4;
      s.PointX[m + 2] = s.PointX[m + 1] + 10 * std::cos(theta);
      s.PointY[m + 2] = s.PointY[m + 1] + 10 * std::sin(theta);
      z[m][k] = r + 1;
    }
    s.BoxWidth = 50;
    s.BoxHeight = 50;
    figures::FitPointsToBox(s, 6, 1);
    // The markers of the fitted points reach 1.5 beyond the fitted range on every side; the
    // pattern's number under it is wider than a vertical pattern.
    toolkit::BeginPicture(s, std::max(s.RangeX * s.Scale + 4, 9.0), s.RangeY * s.Scale + 12, -2,
                          -10);
    figures::SetLineWidth(s, 10);
    toolkit::WriteText(s, "\\Blue{");
    figures::DrawBar(s, 1, 2);
    toolkit::WriteLine(s, "}%");
    figures::SetLineWidth(s, 3);
    for (int i = 2; i <= 6; ++i) figures::DrawNodeMarker(s, i);
    for (int i = 2; i <= 5; ++i) figures::DrawBar(s, i, i + 1);
    figures::PutSmallValueLabel(s, 0, -10, k);
    toolkit::EndPicture(s);
    toolkit::Ans2Write(s, std::to_string(z[1][k]) + "," + std::to_string(z[2][k]) + "," +
                              std::to_string(z[3][k]) + "," + std::to_string(z[4][k]));
    toolkit::Ans2WriteLine(s, k < 5 || s.StudentsMode ? "&" : "");
  }
  if (s.StudentsMode) toolkit::Ans2Write(s, s.StudentNames[s.VariantIndex + 1]);

  double w[4][5] = {};
  const auto a = DigitsOf(s.P6);
  for (int j = 1; j <= 3; ++j) {
    const auto b = DigitsOf(ParameterNumber(s, z[1][1] + j));
    w[j][1] = 4 - j;
    w[j][2] = a[3] + b[3] + 1;
    w[j][3] = a[4] + b[4] + 1;
    w[j][4] = j;
  }
  toolkit::WriteText(s, "\\hfill\\small\\rule{0pt}{30pt}\\begin{tabular}{|c|cccc|}");
  for (int j = 1; j <= 3; ++j) {
    toolkit::WriteTextNumberLn(s, "\\rule{0pt}{11pt}$\\bar W_{", j, "}$&");
    for (int i = 1; i <= 3; ++i) toolkit::WriteTextNumberLn(s, "", w[j][i], "&");
    toolkit::WriteTextNumberLn(s, "", w[j][4], "\\\\");
  }
  toolkit::WriteText(s, "\\end{tabular}");

  double factor[4] = {0, 1, 1, 1};
  int winner[6] = {};
  for (int k = 1; k <= 5; ++k) {
    double r[4] = {};
    for (int j = 1; j <= 3; ++j) {
      double dot = 0;
      for (int m = 1; m <= 4; ++m) dot += w[j][m] * z[m][k];
      r[j] = factor[j] * dot;
    }
    int best = 1;
    for (int j = 2; j <= 3; ++j) {
      if (r[j] > r[best] + kTieTolerance) best = j;
    }
    winner[k] = best;
    factor[best] -= 0.1;
    for (int m = 1; m <= 4; ++m) w[best][m] -= 0.5 * (w[best][m] - z[m][k]);
  }

  toolkit::AnsWriteTextNumberLn(s, "", toolkit::PrintedVariantNumber(s), "& ");
  std::string cells;
  for (int k = 1; k <= 4; ++k) cells += std::to_string(winner[k]) + ",";
  cells += std::to_string(winner[5]) + " & ";
  for (int j = 1; j <= 3; ++j) {
    for (int m = 1; m <= 4; ++m) {
      cells += (j + m > 2 ? "&" : "") + toolkit::FormatFixed(w[j][m], 8, 2);
    }
  }
  toolkit::AnsWrite(s, cells);
}

}  // namespace ai
