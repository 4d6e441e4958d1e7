#include <cmath>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/kinematics/problems.h"
#include "toolkit/answers.h"
#include "toolkit/indexed_array.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

using toolkit::FormatFixed;

// Radii of the two stepped pulleys (cm) by P3: R_A, r_A, R_B, r_B.
struct PulleyRadii {
  double RA, rA, RB, rB;
};
// A checked 1-based table from its rows in order.
template <class T, int N>
toolkit::IndexedArray<T, 1, N> Table(const T (&rows)[N]) {
  toolkit::IndexedArray<T, 1, N> t;
  for (int i = 1; i <= N; ++i) t[i] = rows[i - 1];
  return t;
}

constexpr PulleyRadii kRadiiRows[] = {
    {20, 16, 15, 5},
    {40, 30, 25, 10},
    {30, 20, 15, 6},
    {25, 15, 10, 8},
};
const auto kRadii = Table(kRadiiRows);

// Figure radii (picture units).
constexpr double kFigRA = 20, kFigrA = 16, kFigRB = 12, kFigrB = 8;

// Which steps carry the belt, by P1: on A the big step or not, on B the big step or not, the
// run's slope dx (dy = 1) and the kind (1 open, -1 crossed).
struct BeltArrangement {
  bool on_big_A, on_big_B;
  int dx, kind;
};
constexpr BeltArrangement kArrangementRows[] = {
    {true, false, 4, 1},
    {true, false, 2, -1},
    {true, true, 1, -1},
    {true, true, 6, 1},
    {false, false, 5, 1},
    {false, false, 2, -1},
    {false, true, 2, -1},
    {false, true, 6, 1},
};
const auto kArrangements = Table(kArrangementRows);

// The centre distance at which belt runs of slope (dx, +-dy) touch circles of radii ra (A) and
// rb (B); kind 1 is an open belt, -1 a crossed one.
double BeltCentreDistance(int dx, int dy, int kind, double ra, double rb) {
  return (ra - kind * rb) * toolkit::Hypot(1, static_cast<double>(dx) / dy);
}

// The two straight runs of the belt about pulley A at (xa, ya): slope (dx, +-dy), touching the
// circles of radii ra (A) and rb (B). Returns the centre distance d at which runs of that slope
// touch both circles.
double DrawBeltLines(SharedState& s, double xa, double ya, int dx, int dy, int kind, double ra,
                     double rb) {
  const double m = static_cast<double>(dx) / dy;
  const double L = ra - kind * rb;
  const double d = BeltCentreDistance(dx, dy, kind, ra, rb);
  s.SpareReal1 = d;
  const double sin_b = L / d, cos_b = m * L / d;
  const double e = d - sin_b * L;
  for (int k = 1; k <= 2; ++k) {
    const int f = 3 - 2 * k;
    figures::DrawThickLatexLine(s, dx, f * dy, xa + ra * sin_b, ya - f * ra * cos_b, e);
  }
  return d;
}

}  // namespace

void BeginBeltTransmissionProblem(SharedState& s) {
  s.ParboxWidth = 380;
  toolkit::AnsBeginTable(s, 4);
  toolkit::AnsWrite(s, " &\\scriptsize Скорость, см/c");
  toolkit::AnsWrite(s, "&\\multicolumn{3}{|c|}{\\scriptsize Ускорения, см/c$^2$}\\\\[2pt]\\hline");
  toolkit::AnsWrite(s, "& $v_x$& $a_\\tau$ &$a_n$ &$a$ \\\\[2pt]\\hline");
  s.BlockCentred = true;
  figures::DefineWeightBox(s, "C", 22);
  figures::DefineWeightBox(s, "D", 23);
  toolkit::WriteBookReference(s, 149);
}

void WriteBeltTransmissionVariant(SharedState& s) {
  const bool short_question = s.Level == 2;
  const std::string text_d = short_question ? "~см/с. Найти $V_D$ и $a_M$ "
                                            : "~см/с. Определить скорость  груза $D$  ";
  const std::string text_c = short_question ? "~см/с. Найти $V_C$ и $a_M$ "
                                            : "~см/с. Определить скорость  груза $C$ ";
  s.Scale = 4;
  const PulleyRadii& r = kRadii[s.P3];
  double fig_RB = kFigRB;

  const double xa = kFigRA, ya = 2 * kFigRA + 15;
  const BeltArrangement& belt = kArrangements[s.P1];
  // On pulley B of arrangement 8 both steps are drawn at the small size.
  if (s.P1 == 8) fig_RB = kFigrB;
  const double belt_fig_A = belt.on_big_A ? kFigRA : kFigrA;
  const double belt_fig_B = belt.on_big_B ? fig_RB : kFigrB;
  // The picture reaches from load C left of A to the rim of B and the letter M beside it.
  const double right =
      xa + BeltCentreDistance(belt.dx, 1, belt.kind, belt_fig_A, belt_fig_B) + fig_RB + 12;
  toolkit::BeginPicture(s, toolkit::RoundHalfEven(right + 15), 3 * kFigRA + 20, -15, 5);
  figures::DrawCircle(s, xa, ya, 2 * kFigRA);
  figures::DrawCircle(s, xa, ya, 2 * kFigrA);
  figures::PutHingeBox(s, xa, ya);

  const double ZA = belt.on_big_A ? r.RA : r.rA;
  const double ZB = belt.on_big_B ? r.RB : r.rB;

  const double d = DrawBeltLines(s, xa, ya, belt.dx, 1, belt.kind, belt_fig_A, belt_fig_B);
  const double xb = xa + d;
  figures::PutBox(s, "weightD", xb + (fig_RB + kFigrB) - belt_fig_B, ya);
  figures::PutBox(s, "weightC", xa - (kFigRA + kFigrA - belt_fig_A), ya);
  figures::DrawCircle(s, xb, ya, 2 * fig_RB);
  figures::DrawCircle(s, xb, ya, 2 * kFigrB);
  figures::PutHingeBox(s, xb, ya);
  figures::PutBlueLabel(s, "$A$", xa + 8, ya + kFigRA + 1);
  figures::PutBlueLabel(s, "$B$", xb + 5, ya + fig_RB + 1);

  // The law V = c t^n drives load C on A (P2 = 1, 2) or load D on B (P2 = 3).
  const double T = (s.P5 / 10) + 1;
  const double DA = r.RA + r.rA - ZA;  // the step of A that carries load C
  const double DB = r.RB + r.rB - ZB;  // the step of B that carries load D
  const int n = s.P2 + 1;
  const double c = toolkit::RoundHalfEven(DB * n / toolkit::Power(T, n + 1));
  const std::string coef = c == 1 ? " " : FormatFixed(c, 1, 0);
  const double V = c * toolkit::Power(T, n);
  const double dV = c * n * toolkit::Power(T, n - 1);
  double omega_a, eps_a, omega_b, eps_b, v;
  if (s.P2 == 3) {
    omega_b = V / DB;
    eps_b = dV / DB;
    omega_a = omega_b * ZB / ZA;
    eps_a = eps_b * ZB / ZA;
    v = DA * omega_a;
  } else {
    omega_a = V / DA;
    eps_a = dV / DA;
    omega_b = omega_a * ZA / ZB;
    eps_b = eps_a * ZA / ZB;
    v = DB * omega_b;
  }
  double rm = r.rA, omega_m = omega_a, eps_m = eps_a;
  if (s.P4 == 2) {
    rm = r.RB;
  } else if (s.P4 == 3) {
    rm = r.rB;
  } else if (s.P4 == 4) {
    rm = r.RA;
  }
  if (s.P4 == 2 || s.P4 == 3) {
    omega_m = omega_b;
    eps_m = eps_b;
  }
  const double a_tau = eps_m * rm;
  const double a_n = omega_m * omega_m * rm;
  const double a = toolkit::Hypot(a_n, a_tau);

  toolkit::AnsWrite(s, FormatFixed(toolkit::PrintedVariantNumber(s), 2, 0) + " & " +
                           FormatFixed(v, 9, 3) + "  & " + FormatFixed(a_tau, 9, 3) + "  & " +
                           FormatFixed(a_n, 9, 3) + "  & " + FormatFixed(a, 9, 3));

  double dot_x = xa, dot_y = ya + kFigrA, label_x = xa, label_y = ya + kFigRA * 0.5 - 3;
  if (s.P4 == 2) {
    dot_x = xb + fig_RB;
    dot_y = ya;
    label_x = xb + fig_RB + 2;
    label_y = ya;
  } else if (s.P4 == 3) {
    dot_x = xb + kFigrB;
    dot_y = ya;
    label_x = xb + fig_RB + 2;
    label_y = ya;
  } else if (s.P4 == 4) {
    dot_y = ya + kFigRA;
    label_x = xa - 9;
    label_y = ya + kFigRA + 2;
  }
  figures::PutBracedText(s, "\\circle*{3}", dot_x, dot_y);
  figures::PutBlueLabel(s, "$M$", label_x, label_y);
  toolkit::EndPicture(s);

  toolkit::WriteText(s, "\\hfill\\parbox[b]{300pt}{\\small ");
  if (s.P2 == 1) {
    toolkit::WriteText2NumbersLn(s, " Шкив $A$ (${R_A=", r.RA, "}$~см, ${r_A=", r.rA, "}$~cм)");
    toolkit::WriteText2NumbersLn(s, " соединен со шкивом $B$ (${R_B=", r.RB, "}$~см, ${r_B=",
                                 r.rB, "}$~см) ремнем.");
    toolkit::WriteText2NumbersLn(
        s, "Груз $C$ опускается с переменной  скоростью ${V_C=" + coef + "t^{", n,
        "}} $" + text_d + " через ", T, "~c после начала движения.}");
  } else if (s.P2 == 2) {
    toolkit::WriteText2NumbersLn(s, " Движение шкива $A$ (${R_A=", r.RA, "}$~см, {$r_A=", r.rA,
                                 "$~cм)}");
    toolkit::WriteText2NumbersLn(s, " передается ремнем шкиву $B$ ({$R_B=", r.RB,
                                 "$~см}, ${r_B=", r.rB, "}$~см).");
    toolkit::WriteText2NumbersLn(
        s, " Скорость груза $С$ увеличивается ${V_C=" + coef + "t^{", n,
        "}} $" + text_d + " через ", T, "~c после начала движения.}");
  } else {
    toolkit::WriteText2NumbersLn(s, " Механическая передача состоит из шкива $A$ (${R_A=", r.RA,
                                 "}$~см, ${r_A=", r.rA, "}$~cм),");
    toolkit::WriteText2NumbersLn(s, " шкива~$B$ (${R_B=", r.RB, "}$~cм, ${r_B=", r.rB,
                                 "}$~см),");
    toolkit::WriteText2NumbersLn(
        s,
        "соединенных ремнем, и двух грузов $C$ и $D$. Груз $D$ опускается с переменной "
        "скоростью ${V_D=" +
            coef + "t^{",
        n, "}}$" + text_c + " через ", T, "~c после начала движения.}");
  }
}

}  // namespace kinematics
