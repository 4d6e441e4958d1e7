#include "subjects/dynamics/system_theorems.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/dynamics/dynamics.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kG = 9.81;
constexpr int kMaxDoublings = 10;

double Rad(double deg) { return deg * kPi / 180; }

// Angle of A's face by P1 (rows 1..3) and P4. Row 10 admits P1 = 4 (a horizontal face for the
// rolling body), which takes row 1's angles.
constexpr double kFaceAngles[4][4] = {
    {0, -30, -45, -60}, {-90, 0, -30, -45}, {-30, -45, -60, -90}, {0, -30, -45, -60}};

// Row 6: reduced masses and works for the displacement S (signed) of A.
void ReducedMassesAndWorks(SystemTheoremsVariant& v, double S, double f, double delta) {
  const double a = Rad(-v.alpha), b = Rad(v.beta);
  const double turn2 = v.rhoB / (v.rhoA * v.rhoD);  // rolling body's angular speed per unit
  v.muA = v.mA;
  v.mu1 = v.m1 * (v.s1 / v.rhoA) * (v.s1 / v.rhoA);
  v.mu2 = v.m2 * (std::pow(v.s2 * turn2, 2) + std::pow(v.ratio, 2));
  v.mu = v.muA + v.mu1 + v.mu2;
  v.workA = v.mA * kG * (std::sin(a) - f * std::cos(a)) * S;
  v.work2 = -v.m2 * kG * std::sin(b) * S * v.ratio - 0.1 * delta * v.m2 * kG * std::cos(b) * S * turn2;
  v.work = v.workA + v.work2;
}

}  // namespace

SystemTheoremsVariant DeriveSystemTheoremsVariant(int row, int p1, int p2, int p3, int p4,
                                                  int p5, int p6, int p7, int level) {
  SystemTheoremsVariant v;
  v.row = row;
  const int k = p4 + 1;
  v.alpha = kFaceAngles[p1 - 1][p4 - 1];
  v.beta = p1 == 4 ? 0 : 15 * p1 + 15;
  if (p1 == 3 && p3 == 1) v.beta = 30;
  if (p1 == 3 && v.alpha == -90) v.beta = 15;

  const int factors[3][3] = {{14, 4, 8}, {6, 8, 12}, {6, 8, 14}};
  const int* F = factors[p2 - 1];
  v.R = F[2] * k;
  v.r = F[1] * k;
  v.Rc = F[0] * k;
  v.iB = (v.R + v.r) / 2 + p1;
  v.RE = v.Rc + 1;
  if (p2 == 1) {
    v.rhoA = v.rhoB = v.Rc;
    v.rhoD = (p3 == 1 ? 12 : 4) * k;
  } else {
    v.rhoA = p2 == 2 ? v.R : v.r;
    v.rhoB = p2 == 2 ? v.r : v.R;
    v.rhoD = 6 * p3 * k;
  }
  v.mA = 3 * p3 + 3 * p1;
  v.mB = 3 * p3;
  v.mC = v.mA + p7;
  v.mD = p3;
  v.mE = p5 + 1;

  auto set_bodies = [&v, p2] {
    if (p2 == 1) {
      v.m1 = v.mC, v.s1 = v.Rc / std::sqrt(2.0);
      v.m2 = v.mB, v.s2 = v.iB, v.w2 = v.R;
    } else {
      v.m1 = v.mB, v.s1 = v.iB;
      v.m2 = v.mC, v.s2 = v.Rc / std::sqrt(2.0), v.w2 = v.Rc;
    }
    v.ratio = v.w2 * v.rhoB / (v.rhoA * v.rhoD);
  };
  set_bodies();
  const double a = Rad(-v.alpha), b = Rad(v.beta);

  if (row == 4) {
    const double M = 10 * p6 + 30;
    v.mD = M - (v.mA + v.mB + v.mC);
    if (v.mD <= 0) v.mD = 45;
    if (v.mD > 99) v.mD = 2 * p7;
    // The centre of mass keeps its place: the prism moves against A (1 m down its face, to the
    // left) and the rolling body (up its face, to the left). The printed masses make the whole
    // system's mass, also when m_D was replaced.
    const double total = v.mA + v.mB + v.mC + v.mD;
    v.deltaD = 100 * (v.mA * std::cos(a) + v.m2 * std::cos(b) * v.ratio) / total;
    return v;
  }

  // Rows 6 and 10 share the reduced masses (row 10 at Level 1's frictionless data).
  v.SA = p3;
  const bool friction = row == 6 && level > 1;
  v.f = friction ? 0.01 * p5 : 0;
  v.delta = friction ? 0.1 * p4 : 0;
  if (row == 6) {
    for (int doublings = 0;; ++doublings) {
      set_bodies();
      ReducedMassesAndWorks(v, v.SA, v.f, v.delta);
      // Works that balance (within rounding) would leave the system at rest, with nothing to
      // find: such a set is taken with the heavier load, as a set whose works are negative both
      // ways is.
      constexpr double kBalanced = 1e-9;
      if (v.work < -kBalanced) ReducedMassesAndWorks(v, -v.SA, -v.f, -v.delta);
      if (v.work > kBalanced) break;
      if (doublings == kMaxDoublings) {
        v.noMotion = true;
        return v;
      }
      v.mA *= 2;
    }
    v.v = std::sqrt(std::max(0.0, 2 * v.work / v.mu));
    return v;
  }

  // Row 10: x1 the prism (to the right, the direction of F > 0), x2 A along its face, s = +1
  // down the face (to the left), -1 up it.
  ReducedMassesAndWorks(v, 1, 0, 0);
  v.F = p5 % 2 == 1 ? 2 * p7 + 5 : -(2 * p7 + 10);
  v.a11 = v.mA + v.mB + v.mC + v.mD + 3 * v.mE;
  v.a22 = v.mu;
  v.Q1 = v.F;
  double dir = 1;
  v.Q2 = dir * kG * (v.mA * std::sin(a) - v.m2 * std::sin(b) * v.ratio);
  if (v.Q2 < 0) {
    dir = -1;
    v.Q2 = -v.Q2;
  }
  // A and the rolling body both move to the left when x2 grows with s = +1.
  v.a12 = -dir * (v.mA * std::cos(a) + v.m2 * std::cos(b) * v.ratio);
  v.aD = (v.a12 * v.Q2 - v.a22 * v.Q1) / (v.a12 * v.a12 - v.a22 * v.a11);
  return v;
}

void BeginSystemTheoremsProblem(SharedState& s, int row) {
  s.ParboxWidth = 200;
  toolkit::BeginSaveBox(s, "koles");
  DrawTwoCircles(s, 10, 1, 0, -5);
  SetLineWidth(s, 4);
  DrawSegment(s, -8, 2, 0, -5);
  DrawSegment(s, 0, -5, 8, 2);
  SetLineWidth(s, 1);
  PutBlueLabel(s, "$E$", 7, -8);
  toolkit::EndSaveBox(s);
  if (row == 4) {
    AnsBeginTable(s, 2);
    AnsWrite(s, "\\No &$\\Delta_D$\\\\\\hline");
    AnsWrite(s, "  &см\\\\\\hline");
    WriteLine(s,
              " Механизм, состоящий из груза $A$,  блока  $B$ (больший  радиус  $R$,  меньший  "
              "$r$) и цилиндра  $С$  радиуса  $R_C$, установлен на  призме  $D$,  находящейся  "
              "на  горизонтальной  плоскости. Трение между  призмой  и  плоскостью  "
              "отсутствует. Груз $A$ получает  перемещение  $S=1$~м  относительно призмы  "
              "вдоль ее поверхности влево или (в тех вариантах, где он висит) по вертикали "
              "вниз. Куда и на какое расстояние переместится призма?");
    WriteBookReference(s, 236);
  } else if (row == 6) {
    AnsBeginTable(s, 10);
    AnsWrite(s,
             "\\No &$\\mu_A$&$\\mu_B$&$\\mu_C$&$A_A$&$A_B$&$A_C$&$A$&$\\mu$&$v$\\\\\\hline");
    WriteLine(s,
              " Механизм, состоящий из груза $A$, блока  $B$ (больший  радиус  $R$,  меньший  "
              "$r$)  и  цилиндра  $С$  радиусом  $R_C$, установлен на призме, закрепленной на "
              "плоскости. Под  действием  сил тяжести из  состояния покоя механизм пришел в "
              "движение. ");
    if (s.Level > 1) {
      WriteText(s,
                "Между грузом  $A$ и призмой имеется трение (кроме тех вариантов, где груз "
                "висит).");
    }
    WriteText(s, " Качение цилиндра (блока)  происходит  без  проскальзывания. ");
    if (s.Level > 1) {
      WriteText(s,
                " Коэффициент  трения скольжения груза о плоскость $f$, коэффициент  трения  "
                "качения цилиндра (блока) $\\delta$.");
    }
    WriteLine(s,
              " Трения на неподвижной оси вращающегося блока (цилиндра) нет. Нити, "
              "соединяющие тела, параллельны плоскостям. Какую  скорость развил груз $A$, "
              "переместившись на расстояние $S_A$?\\vskip2mm {\\small В ответах даны "
              "приведенные массы тел,  работы сил, приложенных к отдельным телам, и искомая "
              "скорость.}");
    WriteBookReference(s, 247);
  } else {
    AnsBeginTable(s, 7);
    s.ParboxWidth = 370;
    AnsWrite(s,
             "\\No \\ru &\\mc{$a_{11}$}&\\mc{$a_{12}$}&\\mc{$a_{22}$}&\\mc{$Q_1$}&\\mc{$Q_2$}&"
             "\\mc{$\\wa_D$}\\\\\\hline");
    WriteLine(s,
              " Консервативная  механическая  система   с  идеальными стационарными   связями "
              "  имеет   две   степени   свободы   и представляет собой механизм, состоящий из "
              "груза $A$, блока $B$  (больший радиус $R$, меньший $r$, радиус инерции $i_B$) и "
              " цилиндра  $C$  радиусом $R_C$. Механизм установлен на призме  $D$,  "
              "закрепленной  на  осях  двух  однородных цилиндров $E$. К  призме  приложена  "
              "постоянная  по  величине  горизонтальная сила $F$. Качение цилиндра $C$ (блока "
              " $B$)  и  цилиндров  $E$  происходит  без  проскальзывания.  Трением  качения  "
              "и   скольжения  пренебречь. Используя уравнение Лагранжа   2-го  рода  для "
              "консервативных систем, найти ускорение призмы.");
    WriteLine(s,
              "\\vskip2mm{\\small Систему уравнений Лагранжа записываем в виде  "
              "$$\\begin{array}{l} a_{11}\\ddot x_1+a_{12}\\ddot x_2=Q_1,\\\\[2pt] "
              "a_{21}\\ddot x_1+a_{22}\\ddot x_2=Q_2,\\\\[2pt]   \\end{array}                  "
              "           $$");
    WriteLine(s,
              " где  введены обобщенные координаты:\\  $x_1$ --- горизонтальное смещение  "
              "призмы $D$, $x_2$ --- смещение груза относительно призмы.  В таблице ответов "
              "приведены инерционные коэффициенты системы  $a_{11}$,  $a_{12}$, $a_{22}$ в "
              "кг,\\ обобщенные силы $Q_1$, $Q_2$ --- в Н и ускорение призмы $\\wa_D$ в "
              "проекции на ось $x$ ---  в м/$c^2$.}");
    WriteBookReference(s, 318);
  }
}

namespace {

struct Vec {
  double x = 0, y = 0;
};
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(double k, Vec a) { return {k * a.x, k * a.y}; }

// The mechanism on its prism. Picture units; the apex of the prism is point 1, the fixed axis
// is placed where both cords run parallel to their faces.
void DrawSystemFigure(SharedState& s, const SystemTheoremsVariant& v) {
  const double a = Rad(-v.alpha), b = Rad(v.beta);
  const Vec uL{-std::cos(a), -std::sin(a)}, nL{-std::sin(a), std::cos(a)};
  const Vec uR{std::cos(b), -std::sin(b)}, nR{std::sin(b), std::cos(b)};
  const bool rollingIsB = s.P2 == 1;
  // Drawn radii: the block B 8 and 5, the cylinder C 7.
  const double rA = rollingIsB ? 7 : (s.P2 == 2 ? 8 : 5);
  const double rB = rollingIsB ? 7 : (s.P2 == 2 ? 5 : 8);
  const double w = rollingIsB ? 8 : 7;
  const double eB = rollingIsB ? (s.P3 == 1 ? 13 : 3) : (s.P3 == 1 ? 7 : 14);
  const double eA = v.alpha == -90 ? 5 : 3;
  const double H = 28;
  const Vec T{0, H};
  // The axis X: each cord runs at its height above its face and touches its circle on the
  // outer side, so nL.(X - T) = eA - rA and nR.(X - T) = eB - rB.
  Vec X;
  const double det = nL.x * nR.y - nL.y * nR.x;
  if (std::fabs(det) < 1e-9) {
    X = T + Vec{0, eA - rA};
  } else {
    const double c1 = eA - rA, c2 = eB - rB;
    X = T + Vec{(c1 * nR.y - c2 * nL.y) / det, (nL.x * c2 - nR.x * c1) / det};
  }
  const double dl = a == 0 ? 40 : H / std::sin(a);
  const double dr = b == 0 ? 52 : H / std::sin(b);
  const Vec L = T + dl * uL, Rt = T + dr * uR;
  const Vec PA = X + rA * nL, PB = X + rB * nR;
  // A along its cord, the rolling body on its face with its cord attachment on the cord line.
  const double tA = v.alpha == -90 ? 14 : 0.5 * dl;
  const Vec CA = PA + tA * uL;
  const double tR = 0.55 * dr;
  const Vec CR = T + tR * uR + w * nR;
  const Vec attach = CR + (eB - w) * nR;

  ClearPoints(s, 10);
  const Vec pts[10] = {T, L, {L.x, 0}, {Rt.x, 0}, Rt, X, CA, CR, PB, attach};
  for (int i = 0; i < 10; ++i) {
    s.PointX[i + 1] = pts[i].x;
    s.PointY[i + 1] = pts[i].y;
  }
  FitPointsToBox(s, 10, 1);
  const double ox = s.PointX[1] - T.x, oy = s.PointY[1] - T.y;
  auto P = [ox, oy](Vec p) { return Vec{p.x + ox, p.y + oy}; };
  const Vec t = P(T), l = P(L), bl = P({L.x, 0}), br = P({Rt.x, 0}), rt = P(Rt);
  const Vec x = P(X), ca = P(CA), cr = P(CR), pa = P(PA), pb = P(PB), at = P(attach);
  const double fixedR = rollingIsB ? 7 : 8, rollingR = rollingIsB ? 8 : 7;

  // The fixed-axis body stands in front of the prism's apex: each face, followed from its
  // foot, stops where it first meets the body's rim instead of running through it.
  auto rim_point = [&](Vec foot) {
    const Vec d{t.x - foot.x, t.y - foot.y};
    const double len = std::hypot(d.x, d.y);
    const Vec u{d.x / len, d.y / len};
    const Vec m{foot.x - x.x, foot.y - x.y};
    const double bq = m.x * u.x + m.y * u.y, cq = m.x * m.x + m.y * m.y - fixedR * fixedR;
    const double disc = bq * bq - cq;
    if (disc <= 0) return t;  // the face passes the rim
    const double along = -bq - std::sqrt(disc);
    return along >= 0 && along < len ? foot + along * u : t;
  };
  const Vec el = rim_point(l), er = rim_point(rt);

  // Everything drawn, so that the picture declares the room it takes.
  double x0 = std::min({bl.x, l.x, ca.x - 8, x.x - fixedR, cr.x - rollingR}) - 10;
  double x1 = std::max({br.x, rt.x, x.x + fixedR, cr.x + rollingR + 14, x.x + 6}) + 8;
  double y0 = bl.y - 3;
  const double y1 = std::max({t.y, x.y + 17, x.y + fixedR, cr.y + 14, cr.y + rollingR, ca.y + 12});

  // The force on the prism starts on its outline, low enough to pass under the rolling body,
  // on the side it pulls.
  const double yF = bl.y + 4;
  auto outline_x = [&](bool right) {
    const Vec path[] = {bl, l, t, rt, br};
    double best = right ? -1e300 : 1e300;
    for (int i = 0; i + 1 < 5; ++i) {
      const Vec p = path[i], q = path[i + 1];
      if ((p.y - yF) * (q.y - yF) > 0 || p.y == q.y) continue;
      const double xs = p.x + (q.x - p.x) * (yF - p.y) / (q.y - p.y);
      best = right ? std::max(best, xs) : std::min(best, xs);
    }
    return best;
  };
  const double xF = v.row == 10 ? outline_x(v.F > 0) : 0;
  if (v.row == 10) {
    y0 = bl.y - 19;
    x0 = std::min(x0, bl.x - 41);
    x1 = std::max(x1, br.x + 17);
    if (v.F > 0) x1 = std::max(x1, xF + 27);
    else x0 = std::min(x0, xF - 26);
  }

  // The prism's letter: at the foot between the angle marks, higher up where they leave no
  // room, or beside the left foot.
  const double aLabel = a > 0 && a < kPi / 2 - 1e-9 ? l.x + 13 * std::cos(a / 2) + 2.5 : bl.x;
  const double bLabel = b > 0 ? rt.x + 13 * std::cos(kPi - b / 2) - 3 : br.x;
  Vec dLabel{(aLabel + bLabel) / 2 - 4, bl.y + 5};
  if (bLabel - aLabel < 10) {
    dLabel = {(bl.x + br.x) / 2 - 4, bl.y + 11.5};
    const double cx = std::clamp(dLabel.x + 4, x.x - fixedR, x.x + fixedR);
    const double cy = std::clamp(dLabel.y + 4, x.y - fixedR, x.y + fixedR);
    if (std::hypot(cx - x.x, cy - x.y) < fixedR + 4) dLabel = {bl.x - 12, bl.y + 2};
  }
  x0 = std::min(x0, dLabel.x - 2);

  toolkit::BeginPicture(s, x1 - x0, y1 - y0, x0, y0);
  // The prism.
  WriteText(s, "\\Brown{");
  SetLineWidth(s, 8);
  MoveTo(s, el.x, el.y);
  LineTo(s, l.x, l.y);
  if (l.y != bl.y) LineTo(s, bl.x, bl.y);
  LineTo(s, br.x, br.y);
  if (rt.y != br.y) LineTo(s, rt.x, rt.y);
  LineTo(s, er.x, er.y);
  // The closing brace ends its line with a comment: a line end would be a space in the
  // picture and move everything after it to the right.
  WriteLine(s, "}%");
  SetLineWidth(s, 1);
  PutBlueLabel(s, "$D$", dLabel.x, dLabel.y);
  const double width = br.x - bl.x;
  if (v.row == 10) {
    PutBox(s, "koles", bl.x + 10, bl.y);
    PutBox(s, "koles", br.x - 10, bl.y);
    DrawHatchRowV(s, -1, bl.x - 10, bl.y - 10.5, width + 20);
    // The letter stands past the arrow's head, clear of the bodies on the faces.
    if (v.F > 0) {
      DrawThickRedVector(s, 1, 0, xF, yF, 16);
      PutLabel(s, "$\\vec F$", xF + 17, yF - 3);
    } else {
      DrawThickRedVector(s, -1, 0, xF, yF, 16);
      PutLabel(s, "$\\vec F$", xF - 25, yF - 3);
    }
    DrawVector(s, 1, 0, bl.x - 40, bl.y - 16, 14);
    PutLabel(s, "$x$", bl.x - 26, bl.y - 14);
  } else {
    DrawHatchRowV(s, -1, bl.x - 8, bl.y - 0.5, width + 16);
  }
  // The fixed-axis body on the prism's top and the rolling body.
  if (rollingIsB) {
    DrawCircle(s, x.x, x.y, 2 * fixedR);
    DrawTwoCircles(s, 16, 10, cr.x, cr.y);
  } else {
    DrawTwoCircles(s, 16, 10, x.x, x.y);
    DrawCircle(s, cr.x, cr.y, 2 * rollingR);
  }
  DrawSmallDot(s, x.x, x.y);
  DrawSmallDot(s, cr.x, cr.y);
  PutBlueLabel(s, rollingIsB ? "$C$" : "$B$", x.x - 3, x.y + 9);
  PutBlueLabel(s, rollingIsB ? "$B$" : "$C$", cr.x + 6, cr.y + 6);
  // The load A and the cords.
  const bool centred = s.BlockCentred;
  s.BlockCentred = true;
  if (v.alpha == -90) {
    DrawRotatedBlock(s, 3, ca.x, ca.y - 4, 0, 8, 8);
  } else {
    DrawRotatedBlock(s, 3, ca.x, ca.y, kPi - a, 10, 6);
  }
  s.BlockCentred = centred;
  if (v.alpha == -90) {
    PutBlueLabel(s, "$A$", ca.x - 14, ca.y - 8);
  } else {
    PutBlueLabel(s, "$A$", ca.x - 4 - 6 * std::cos(a), ca.y + 5);
  }
  DrawSegment(s, pa.x, pa.y, ca.x, ca.y);
  DrawSegment(s, pb.x, pb.y, at.x, at.y);
  // The angles of the faces.
  if (a > 0 && a < kPi / 2 - 1e-9) DrawLabelledArc(s, 0, "$\\alpha$", 1, l.x, l.y, 0, a, 10);
  if (b > 0) DrawLabelledArc(s, 0, "$\\beta$", 1, rt.x, rt.y, kPi - b, kPi, 10);
  toolkit::EndPicture(s);
}

}  // namespace

namespace {

// The data lines of the face angles, as the figure marks them: alpha, the face of A, unless A
// hangs on its cord; beta, the face of the rolling body.
std::string FaceAngleLines(const SystemTheoremsVariant& v) {
  std::string text;
  if (v.alpha != -90) text += " $\\alpha=" + toolkit::FormatNumber(-v.alpha) + "^\\circ$,\\\\";
  return text + " $\\beta=" + toolkit::FormatNumber(v.beta) + "^\\circ$,\\\\";
}

}  // namespace

void WriteSystemTheoremsVariant(SharedState& s, int row) {
  const SystemTheoremsVariant v = DeriveSystemTheoremsVariant(row, s.P1, s.P2, s.P3, s.P4, s.P5,
                                                              s.P6, s.P7, s.Level);
  // In a ticket the statement runs on before the variant: the figure starts a line of its own.
  if (s.TicketMode) WriteText(s, "\\par ");
  DrawSystemFigure(s, v);
  const std::string n = std::to_string(toolkit::PrintedVariantNumber(s));
  if (row == 4) {
    WriteText3NumbersLn(s, "\\hfill\\parbox[b]{52pt}{\\small  $R$=", v.R, "~см,\\\\ $r$=", v.r,
                        "~см,\\\\ $R_c$=", v.Rc, "~см,\\\\");
    WriteLine(s, FaceAngleLines(v));
    WriteText4NumbersLn(s, " $m_A$=", v.mA, "~кг,\\\\ $m_B$=", v.mB, "~кг,\\\\ $m_C$=", v.mC,
                        "~кг,\\\\ $m_D$=", v.mD, "~кг.\\par}");
    AnsWrite(s, " " + n + "& $" + toolkit::FormatFixed(v.deltaD, 8, 3) + "$");
    return;
  }
  if (row == 6) {
    WriteText3NumbersLn(s, "\\hfill\\parbox[b]{55pt}{\\small $R$=", v.R, " см,\\\\ $r$=", v.r,
                        " см,\\\\ $R_c$=", v.Rc, " см,\\\\");
    WriteLine(s, FaceAngleLines(v));
    // Two decimals: the number format would print f = 0.01 as 0.
    if (v.alpha != -90 && s.Level > 1) {
      WriteLine(s, " $f=" + toolkit::FormatFixed(std::fabs(v.f), 1, 2) + "$,\\\\");
    }
    // The column ends without a comma, as row 10's first column does; the line below goes on.
    WriteText2NumbersLn(s, " $i=", v.iB, "$~см,\\\\  $m_A$=", v.mA, "~кг}");
    if (s.Level == 1) {
      WriteText3NumbersLn(s, "\\vfill\\hfill\\noindent\\parbox[b]{220pt}{\\small $m_B$=", v.mB,
                          "~кг,  $m_C$=", v.mC, " кг,   $S_A=", std::fabs(v.SA), "$~м.}");
    } else {
      WriteText4NumbersLn(s, "\\vfill\\hfill\\noindent\\parbox[b]{220pt}{\\small $m_B$=", v.mB,
                          "~кг,  $m_C$=", v.mC, " кг,  $\\delta=", std::fabs(v.delta),
                          "$~мм,  $S_A=", std::fabs(v.SA), "$~м.}");
    }
    AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0));
    if (v.noMotion) {
      // No direction of motion gives positive work for these data.
      WriteLine(s, "\\par Данные этого варианта вырождены: механизм остается в покое.");
      std::string cells;
      for (int i = 0; i < 9; ++i) cells += "&" + std::string(toolkit::kNoValue);
      AnsWrite(s, cells);
      return;
    }
    // The fixed-axis body does no work; P2 = 1 makes B the rolling body.
    const bool rollingIsB = s.P2 == 1;
    const double muB = rollingIsB ? v.mu2 : v.mu1, muC = rollingIsB ? v.mu1 : v.mu2;
    const double workB = rollingIsB ? v.work2 : 0, workC = rollingIsB ? 0 : v.work2;
    std::string cells = "&" + toolkit::FormatFixed(v.muA, 8, 0);
    for (double x : {muB, muC, v.workA, workB, workC, v.work, v.mu}) {
      cells += "&" + toolkit::FormatFixed(x, 8, 3);
    }
    cells += "&" + toolkit::FormatFixed(v.v, 11, 3);
    AnsWrite(s, cells);
    return;
  }
  WriteText4NumbersLn(s, "\\hfill\\parbox[b]{75pt}{\\small  $R_B=", v.R, "$~см,\\\\ $r_B=", v.r,
                      "$~см,\\\\ $R_c=", v.Rc, "$~см,\\\\ $i_B=", v.iB, "$~см,\\\\ ");
  WriteTextNumberLn(s, " $R_E=", v.RE, "$~см,\\\\");
  std::string angles = FaceAngleLines(v);
  angles.replace(angles.size() - 3, 3, "}");  // the first column ends with the angles
  WriteLine(s, angles);
  WriteText2NumbersLn(s, "\\hskip2mm\\parbox[b]{75pt}{\\small $m_A=", v.mA,
                      "$~кг,\\\\ $m_B=", v.mB, "$~кг,\\\\");
  WriteText4NumbersLn(s, " $m_C=", v.mC, "$~кг,\\\\ $m_D=", v.mD, "$~кг,\\\\ $m_E=", v.mE,
                      "$~кг,\\\\ $F=", std::fabs(v.F), "$~Н.}");
  // Each number is a cell of its own, so each cell closes its own formula.
  std::string cells = toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 3, 0);
  for (double x : {v.a11, v.a12, v.a22, v.Q1, v.Q2, v.aD}) {
    cells += "&$" + toolkit::FormatFixed(x, 8, 3) + "$";
  }
  AnsWrite(s, cells);
}

}  // namespace dynamics
