#include "subjects/kinematics/two_degrees_of_freedom.h"

#include <array>
#include <cstdlib>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/indexed_array.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kO = 1, kA = 2, kB = 3, kC = 4, kF = 5, kD = 6, kE = 7;

struct BytePair {
  int first = 1, second = 1;
};
const toolkit::IndexedArray<BytePair, 1, 4> SideSignPairs = [] {
  toolkit::IndexedArray<BytePair, 1, 4> t;
  t[1] = {1, 1};
  t[2] = {1, 2};
  t[3] = {2, 1};
  t[4] = {2, 2};
  return t;
}();
const toolkit::IndexedArray<BytePair, 1, 9> LengthGridPairs = [] {
  toolkit::IndexedArray<BytePair, 1, 9> t;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) t[3 * (i - 1) + j] = {i, j};
  }
  return t;
}();

struct Step {
  int dx = 0, dy = 0;
};
// The eight unit steps of the grid, numbered row by row with the centre left out.
toolkit::IndexedArray<Step, 1, 8> BuildGridDirections() {
  toolkit::IndexedArray<Step, 1, 8> t;
  int n = 0;
  for (int i = 1; i <= 3; ++i) {
    for (int j = 1; j <= 3; ++j) {
      if (i == 2 && j == 2) continue;
      t[++n] = {i - 2, j - 2};
    }
  }
  return t;
}

bool IsDiagonal(int d) { return d == 1 || d == 3 || d == 6 || d == 8; }

// The six angular velocities in answer order: OA, AB, BC, CF, DB, DE.
enum Link { kOA, kAB, kBC, kCF, kDB, kDE };

struct Dimensions {
  int a = 1, b = 1, k = 1;
  int e = 0, f = 0, r = 0;
  Step d1, d2;
  std::array<int, 6> w{};
};

// Closed forms of the velocity relations; the given pair carries the factor e f, so every
// division of the general solution is exact.
void ComputeAngularVelocities(Dimensions& m, int given, int sigma, int g) {
  const int s = sigma * g, e = m.e, f = m.f, r = m.r, k = m.k;
  const int DX1 = m.d1.dx, DY1 = m.d1.dy, DX2 = m.d2.dx, DY2 = m.d2.dy;
  auto& w = m.w;
  if (given == 1) {
    const int X = e * f * DY1;
    w[kDE] = X;
    w[kCF] = s * X;
    w[kOA] = e * f * (k - s * DX2);
    w[kAB] = r * f * (k * DX1 - s * DX2 * (DX1 + DY1));
    w[kBC] = r * e * DY1 * (k - s * (DX2 + DY2));
    w[kDB] = -e * f * DY1 * (k - s * DX2);
  } else if (given == 2) {
    const int X = e * f * DX2;
    w[kOA] = X;
    w[kDE] = s * X;
    w[kAB] = r * f * DX2 * (DX1 + DY1 - k * s);
    w[kBC] = r * e * (DY1 * (DX2 + DY2) - k * s * DY2);
    w[kCF] = e * f * (k * s - DY1);
    w[kDB] = -e * f * DX2 * DY1;
  } else {
    const int X = e * f * k;
    w[kOA] = X;
    w[kCF] = s * X;
    w[kAB] = r * k * f * (DX1 - s * DX2);
    w[kBC] = r * k * e * (DY1 - s * DY2);
    w[kDE] = e * f * (s * DX2 + DY1);
    w[kDB] = -e * f * k * DY1;
  }
  // The layout keeps the given value away from zero; a zero here would print a void problem.
  if (w[given == 1 ? kDE : kOA] == 0) {
    throw toolkit::DegenerateDataError("mechanism with two degrees of freedom: given rate 0");
  }
  toolkit::NormalizeIntVector(w.data(), 6);
}

void WriteTwoDegreesOfFreedomAnswers(SharedState& s, const Dimensions& m) {
  const auto& w = m.w;
  toolkit::AnsWriteTextNumber(s, "", toolkit::PrintedVariantNumber(s), "");
  const std::string no(toolkit::kNoValue);
  if (s.P4 == 1) {
    toolkit::AnsWriteText4NumbersLn(s, " &$", w[kOA], "$&$", w[kAB], "$&$", w[kBC],
                                    "$& " + no + " &$", w[kDB], "$ & " + no);
  } else if (s.P4 == 2) {
    toolkit::AnsWriteText4NumbersLn(s, " & " + no + " &$", w[kAB], "$&$", w[kBC], "$&$", w[kCF],
                                    "$&$", w[kDB], "$& " + no);
  } else {
    toolkit::AnsWriteText4NumbersLn(s, " & " + no + " & $", w[kAB], "$ & $", w[kBC],
                                    "$ & " + no + " & $", w[kDB], "$&$", w[kDE], "$ ");
  }
}

// A fixed hinge at point i whose link leaves it in grid direction d, with the 45-degree mark of
// a diagonal link and the label.
void DrawDirectedSupport(SharedState& s, int i, int d, std::string_view label,
                         figures::LabelSpacing& placed) {
  const double x = s.PointX[i], y = s.PointY[i];
  struct Mark {
    double a1, a2, R;
    int ox, oy, ray;
  };
  const Mark marks[] = {{0, kPi / 4, 10, 1, 1, 1},
                        {-kPi / 4, 0, 12, 1, -1, 1},
                        {3 * kPi / 4, kPi, 10, -3, -1, -1},
                        {kPi, 5 * kPi / 4, 10, -3, -1, -1}};
  const int mark = d == 1 ? 0 : d == 3 ? 1 : d == 6 ? 2 : d == 8 ? 3 : -1;
  if (mark >= 0) {
    const Mark& m = marks[mark];
    figures::DrawLabelledArcArrow(s, 0, "\\alpha", m.ox, x, y, m.a1, m.a2, m.R, m.oy,
                                  &placed);
    figures::DrawSegment(s, x + m.ray, y, x + 14 * m.ray, y);
  }
  if (d <= 5) {
    figures::PutLabelClear(s, placed, label, x - 9, y - 4);
  } else if (d == 6) {
    figures::PutLabelClear(s, placed, label, x - 1, y + 3);
  } else if (d == 7) {
    figures::PutLabelClear(s, placed, label, x + 3, y - 1);
  } else {
    figures::PutLabelClear(s, placed, label, x + 3, y - 2);
  }
  // A support that lies above its joint hangs from above.
  if (d == 3 || d == 5 || d == 8) {
    figures::PutUpHingeBoxAtPoint(s, i);
  } else {
    figures::PutHingeBoxAtPoint(s, i);
  }
}

void DrawMechanism(SharedState& s) {
  auto x = [&](int i) { return s.PointX[i]; };
  auto y = [&](int i) { return s.PointY[i]; };
  s.BoxWidth = 160;
  s.BoxHeight = 85;
  figures::FitPointsToBox(s, 7, 0);
  toolkit::BeginPicture(s, 185, 105, -15, -10);
  figures::LabelSpacing placed;  // letters and angle marks kept clear of each other
  figures::SetLineWidth(s, 9);
  figures::DrawBar(s, kO, kA);
  figures::DrawBar(s, kA, kB);
  figures::DrawBar(s, kB, kC);
  figures::DrawBar(s, kC, kF);
  figures::DrawBar(s, kD, kB);
  figures::DrawBar(s, kD, kE);
  for (int i : {kA, kB, kC, kD}) figures::DrawNodeMarker(s, i);
  figures::PutHingeBoxAtPoint(s, kE);
  if (s.P2 == 5) {
    figures::PutLabelClear(s, placed, "$C$", x(kC) + 3, y(kC) - 3);
  } else {
    figures::PutLabelClear(s, placed, "$C$", x(kC) - 3, y(kC) + 3);
  }
  figures::PutLabelClear(s, placed, "$A$", x(kA) + (s.P1 == 5 ? 2 : -2), y(kA) + 3);
  figures::PutLabelClear(s, placed, "$D$", x(kD), y(kD) + 2);
  figures::PutLabelClear(s, placed, "$E$", x(kE) - 1, y(kE) + 3);
  figures::PutLabelClear(s, placed, "$B$", x(kB) - 8, y(kB) - 8);
  figures::SetLineWidth(s, 1);
  DrawDirectedSupport(s, kO, s.P1, "$O$", placed);
  DrawDirectedSupport(s, kF, s.P2, "$F$", placed);
  figures::DrawLabelledArcArrow(s, 0, "\\alpha", 2, x(kB), y(kB), -kPi / 4, 0, 12, -1, &placed);
  figures::DrawSegment(s, x(kB) + 1, y(kB), x(kB) + 14, y(kB));
  toolkit::WriteLine(s, "%%%%%%%");
  toolkit::WriteLine(s, "%%%%%%%");
  toolkit::EndPicture(s);
}

void WriteGivenPair(SharedState& s, const Dimensions& m) {
  const auto& w = m.w;
  struct Given {
    Link first, second;
    const char* a;
    const char* b;
  };
  const Given g = s.P4 == 1   ? Given{kCF, kDE, "CF", "DE"}
                  : s.P4 == 2 ? Given{kOA, kDE, "OA", "DE"}
                              : Given{kOA, kCF, "OA", "CF"};
  const std::string a = g.a, b = g.b;
  if (w[g.first] == w[g.second]) {
    toolkit::WriteTextNumberLn(s,
                               std::string(s.P4 == 1 ? " " : "") + "$\\omega_{" + a +
                                   "_z}=\\omega_{" + b + "_z}=",
                               w[g.first], " \\frac{1}{c}$, ");
  } else {
    toolkit::WriteText2NumbersLn(s, "$\\omega_{" + a + "_z}=", w[g.first],
                                 " \\frac{1}{c}$,  $\\omega_{" + b + "_z}=", w[g.second],
                                 " \\frac{1}{c}$, ");
  }
}

}  // namespace

void BeginTwoDegreesOfFreedomProblem(SharedState& s) {
  s.ParboxWidth = 199;
  toolkit::AnsBeginTable(s, 11);
  toolkit::AnsWriteLine(s,
                        "\\No &\\mc{$\\omega_{OA}$}&\\mc{$\\omega_{AB}$}&\\mc{$\\omega_{BC}$}&\\mc{$"
                        "\\omega_{FC}$}&\\mc{$\\omega_{DB}$}&\\mc{$\\omega_{DE}$}\\\\ \\hline");
  toolkit::WriteLine(s,
                     "В указанном положении механизма заданы угловые скорости двух его звеньев. "
                     "Длины звеньев даны в сантиметрах. Стержни, направление которых не "
                     "указано, считать горизонтальными или вертикальными. Найти угловые "
                     "скорости всех звеньев механизма. ");
  toolkit::WriteBookReference(s, 158);
}

void WriteTwoDegreesOfFreedomVariant(SharedState& s) {
  Dimensions m;
  m.a = SideSignPairs[s.P3].first;
  m.b = SideSignPairs[s.P3].second;
  const auto directions = BuildGridDirections();
  // O never on the horizontal through A when CF and DE are given, CF never vertical when OA and
  // DE are given: the given pair would not fix the motion.
  if (s.P4 == 1 && s.P1 == 7) s.P1 = 1;
  if (s.P4 == 1 && s.P1 == 2 && m.a == 1) s.P1 = 3;
  if (s.P4 == 2 && s.P2 == 5) s.P2 = 6;
  const int u = LengthGridPairs[s.P6].first, v = LengthGridPairs[s.P6].second;
  m.r = LengthGridPairs[s.P7].first + 1;
  m.k = 3 - 2 * m.b;
  if (m.a == 1) {
    if (s.P1 == 7) s.P1 = 8;
    m.e = s.P1 <= 3 ? u + m.r - 1 : u + m.r + 3;
  } else {
    if (s.P1 == 2) s.P1 = 8;
    m.e = s.P1 == 1 && m.b == 1 ? -u - 3 * m.r - 1 : -u - m.r - 4;
    if (s.P1 == 3 && s.P2 == 6) m.e -= 1;
  }
  if (s.P2 == 4) s.P2 = 8;  // F never straight below C
  m.d1 = directions[s.P1];
  m.d2 = directions[s.P2];
  if (s.P2 == 3 || s.P2 == 5 || s.P2 == 8) {
    m.f = v;
  } else if (s.P2 == 2 || s.P2 == 7) {
    m.f = v + 1;
  } else if (s.P2 == 1) {
    m.f = v + m.r + 2;
  } else {
    m.f = v + m.r;
  }
  const int sigma = 3 - 2 * SideSignPairs[s.P5].second;
  ComputeAngularVelocities(m, s.P4, sigma, LengthGridPairs[s.P7].second);
  WriteTwoDegreesOfFreedomAnswers(s, m);

  figures::ClearPoints(s, 7);
  auto set = [&](int i, double x, double y) {
    s.PointX[i] = x;
    s.PointY[i] = y;
  };
  const int r = m.r;
  set(kO, r * m.d1.dx, r * m.d1.dy);
  set(kA, 0, 0);
  set(kB, m.e, 0);
  set(kC, m.e, m.f);
  set(kF, m.e + r * m.d2.dx, m.f + r * m.d2.dy);
  set(kD, m.e + r, -r);
  set(kE, m.e + r + m.k * r, -r);
  DrawMechanism(s);

  toolkit::WriteText(s, "\\small\\vskip1mm ");
  WriteGivenPair(s, m);
  toolkit::WriteTextNumberLn(s, "$ AB=", std::abs(m.e), "$, ");
  toolkit::WriteTextNumberLn(s, "$ BC=", m.f, "$,\\\\ ");
  toolkit::WriteTextNumberLn(s, "$DE=", r, "$, ");
  if (!IsDiagonal(s.P1)) toolkit::WriteTextNumberLn(s, " $ OA=", r, "$, ");
  if (!IsDiagonal(s.P2)) toolkit::WriteTextNumberLn(s, " $ CF=", r, "$, ");
  if (IsDiagonal(s.P1)) toolkit::WriteText(s, " $OA=$ ");
  if (IsDiagonal(s.P2)) toolkit::WriteText(s, " $CF=$ ");
  toolkit::WriteTextNumberLn(s, " $ BD=", r, "\\sqrt{2}$, $\\alpha=45^\\circ$. ");
}

}  // namespace kinematics
