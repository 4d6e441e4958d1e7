#include "subjects/dynamics/reduced_masses.h"

#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

// The three lengths of a stepped body rolling on a fixed line: rho1 (so that rho3 - b rho1
// is the height of the driven rack), rho2 (the centre's height) and rho3 (the driving rope
// or rack's height).
struct Radii {
  int rho1, rho2, rho3;
};

Radii RadiiOf(int kind, int b, int big, int small) {
  const int R = big, r = small;
  const bool up = b > 0;
  switch (kind) {
    case 1: return {R - r, R, up ? 2 * R : R + r};
    case 2: return {R + r, R, up ? 2 * R : R - r};
    case 3: return {R, R, up ? 2 * R : R};
    case 4: return {r, R, up ? R + r : R};
    case 5: return {2 * r, R, up ? R + r : R - r};
    case 6: return {R - r, r, up ? R + r : 2 * r};
    case 7: return {R, r, up ? R + r : r};
    case 8: return {2 * R, r, up ? R + r : r - R};
    case 9: return {R, r, up ? r : r - R};
    case 10: return {R + r, r, up ? 2 * r : r - R};
    default:
      throw toolkit::IndexRangeError("stepped body kind " + std::to_string(kind) +
                                     " outside 1..10");
  }
}

// Squared radius of inertia: a homogeneous cylinder (kind 3) or a block with i = R - 1.
int InertiaSquared(int kind, int big) { return kind == 3 ? big * big / 2 : (big - 1) * (big - 1); }

void Reduce(int& k, int& l) {
  int v[2] = {k, l};
  toolkit::NormalizeIntVector(v, 2);
  k = v[0];
  l = v[1];
}

// The drawing of body C (t = 0) or D (t = 1) in its own frame, y0 the driving line's height.
void DrawSteppedBody(SharedState& s, const ReducedMassesVariant& v, int t, double y0) {
  using namespace figures;  // NOLINT
  const int kind = t == 0 ? v.kind_c : v.kind_d;
  const int b = t == 0 ? v.b_c : v.b_d;
  const int big = t == 0 ? v.big_c : v.big_d;
  const int small = t == 0 ? v.small_c : v.small_d;
  const Radii k = RadiiOf(kind, b, big, small);
  const double yc = y0 - 5 * k.rho3 + 5 * k.rho2;
  const double yr = y0 - b * 5 * k.rho1;
  PutBlueLabel(s, t == 0 ? "$C$" : "$D$", -3, yc + 5 * big + 3);
  DrawSegment(s, 0, y0, -38, y0);
  if (t == 0 && kind >= 8) {
    toolkit::WriteText(s, "\\speh\\Blue{");
    DrawSegment(s, 1, yr, 75, yr);
    if (s.P1 == 8 || s.P1 == 10 || (s.P1 == 9 && v.b_c == 1)) DrawSegment(s, -11, yr, 1, yr);
    const int p2 = s.P2;
    if (p2 == 1 || p2 == 2 || p2 == 5 || p2 == 6 || p2 == 8 || p2 == 10 ||
        (p2 == 9 && v.b_d == -1) || ((p2 == 3 || p2 == 4 || p2 == 7) && v.b_d == 1)) {
      DrawSegment(s, 75, yr, 87, yr);
    }
    toolkit::WriteText(s, "}\\spe");
    PutBox(s, "hopora", 35, yr);
  } else {
    DrawSegment(s, 0, yr, 38, yr);
  }
  SetLineWidth(s, 1);
  DrawHatchRowV(s, -1, -35, y0 - 5 * k.rho3, 70);
  if (kind == 3) {
    DrawCircle(s, 0, yc, 10 * big);
  } else {
    DrawTwoCircles(s, 10 * big, 10 * small, 0, yc);
  }
  DrawCircle(s, 0, yc, 2);
}

}  // namespace

ReducedMassesVariant DeriveReducedMassesVariant(const SharedState& s) {
  ReducedMassesVariant v;
  const int p1 = s.P1, p2 = s.P2, p3 = s.P3, p4 = s.P4, p5 = s.P5, p6 = s.P6, p7 = s.P7;
  v.rolling_a = p5 == p7;
  v.m_a = v.rolling_a ? 2 * p7 : p7 + p1 + p2;
  v.mu_a = v.rolling_a ? 3 * p7 : v.m_a;
  v.m_b = v.rolling_a ? 4 * p6 : 2 * p6;
  v.mu_b = v.rolling_a ? 9 * p6 : p6;
  v.b_c = p3 <= 2 ? 1 : -1;
  v.b_d = p3 % 2 == 1 ? 1 : -1;
  v.kind_c = p1;
  v.kind_d = p2;
  v.small_c = p4 % 2 == 1 ? 1 : 2;
  v.big_c = p5 + v.small_c;
  if (v.kind_c == 3 && v.big_c % 2 != 0) ++v.big_c;
  v.small_d = p5 == 2 ? 2 : 1;
  v.big_d = v.small_d + (p6 <= 3 ? p6 : 7 - p6);
  if (v.kind_d == 3 && v.big_d % 2 != 0) ++v.big_d;
  v.disc_e = p4 <= 2;

  const Radii c = RadiiOf(v.kind_c, v.b_c, v.big_c, v.small_c);
  const Radii d = RadiiOf(v.kind_d, v.b_d, v.big_d, v.small_d);
  const int q_c = c.rho3, w_c = c.rho3 - v.b_c * c.rho1, s_c = c.rho2;
  const int q_d = d.rho3, w_d = d.rho3 - v.b_d * d.rho1, s_d = d.rho2;

  int k = q_c * q_c, l = s_c * s_c + InertiaSquared(v.kind_c, v.big_c);
  Reduce(k, l);
  v.m_c = k;
  v.mu_c = l;
  k = q_d * q_c * q_d * q_c;
  l = (s_d * s_d + InertiaSquared(v.kind_d, v.big_d)) * w_c * w_c;
  Reduce(k, l);
  v.m_d = k;
  v.mu_d = l;
  k = q_d * q_c * q_d * q_c;
  l = w_d * w_c * w_d * w_c;
  Reduce(k, l);
  v.mu_e = l;
  v.m_e = v.disc_e ? 2 * k : k;
  // Small masses are scaled up, keeping each share's ratio to its mass.
  int* pairs[3][2] = {{&v.m_c, &v.mu_c}, {&v.m_d, &v.mu_d}, {&v.m_e, &v.mu_e}};
  for (int j = 2; j <= 4; ++j) {
    int& m = *pairs[j - 2][0];
    int& mu = *pairs[j - 2][1];
    if (m < 100 && mu < 120) {
      m *= p7 + 5 - j;
      mu *= p7 + 5 - j;
    }
  }
  v.mu = v.mu_a + v.mu_b + v.mu_c + v.mu_d + v.mu_e;
  return v;
}

void BeginReducedMassesProblem(SharedState& s) {
  s.ParboxWidth = 360;
  toolkit::AnsBeginTable(s, 7);
  toolkit::WriteLine(s,
                     " Механическая   система, состоящая из пяти тел  $A$,  $B$, $C$, $D$ и  "
                     "$E$, движется под действием внешних сил.");
  toolkit::WriteLine(
      s,
      "  Заданы  радиусы  цилиндров  и  блоков.  Радиусы  инерции  даны  для  блоков,  "
      "цилиндры  считать однородными.  Горизонтальный стержень, находящийся в зацеплении с "
      "блоками, считать невесомым. Массы даны в килограммах, радиусы --- в сантиметрах.  "
      "Вычислить приведенную массу системы $\\mu$ в формуле $T=\\mu v_A^2/2$, где $v_A$ --- "
      "скорость груза $A$ (или центра цилиндра $A$).");
  toolkit::WriteBookReference(s, 257);
  toolkit::AnsWriteLine(
      s, " \\No &$\\mu_A$ & $\\mu_B$ & $\\mu_C$ & $\\mu_D$ & $\\mu_E$& $\\mu$ \\\\\\hline ");
  toolkit::BeginSaveBox(s, "hopora");
  figures::DrawHatchRowsV(s, 0, 0, 6);
  toolkit::EndSaveBox(s);
}

void WriteReducedMassesVariant(SharedState& s) {
  using namespace figures;  // NOLINT
  const ReducedMassesVariant v = DeriveReducedMassesVariant(s);
  const Radii c = RadiiOf(v.kind_c, v.b_c, v.big_c, v.small_c);
  const Radii d = RadiiOf(v.kind_d, v.b_d, v.big_d, v.small_d);
  const double y_d = -v.b_c * 5.0 * c.rho1;  // the rack between C and D
  const double y_e = y_d - v.b_d * 5.0 * d.rho1;  // the rack out of D

  // The extent of the two bodies fixes the picture's height.
  ClearPoints(s, 5);
  s.PointX[1] = 100;
  const double yc_c = 0 - 5 * c.rho3 + 5 * c.rho2;
  const double yc_d = y_d - 5 * d.rho3 + 5 * d.rho2;
  s.PointY[1] = yc_c + 5 * v.big_c;
  s.PointY[2] = yc_c - 5 * v.big_c;
  s.PointY[3] = yc_d + 5 * v.big_d;
  s.PointY[4] = yc_d - 5 * v.big_d;
  s.PointY[5] = -32;
  const double lowest = toolkit::ArrayMaxOrMin(5, s.PointY, 'i');
  s.BoxWidth = 100;
  s.BoxHeight = 100;
  FitPointsToBox(s, 5, 1);
  // From A's load on the left (x = -80) to E and its moment or force on the right (x = 160),
  // and from the lowest load to the letter over the higher body.
  toolkit::BeginPicture(s, 240, s.RangeY + 36, -80, lowest - 16);
  s.BlockCentred = true;

  if (v.rolling_a) {
    DrawTwoCircles(s, 20, 32, -53, -10);
    PutHingeBox(s, -53, -10);
    DrawCircle(s, -61, -40, 16);
    DrawSegment(s, -69, -12, -69, -40);
    DrawSegment(s, -53, -30, -53, -40);
    DrawHatchRowV(s, 1, -57, -31, 8);
    PutBlueLabel(s, "$A$", -66, -39);
  } else {
    DrawCircle(s, -53, -12, 24);
    PutHingeBox(s, -53, -12);
    DrawRotatedBlock(s, 5, -65, -32, 0, 16, 10);
    DrawSegment(s, -65, -12, -65, -27);
    PutBlueLabel(s, "$A$", -70, -34);
  }
  DrawSegment(s, -53, 0, -38, 0);
  PutBlueLabel(s, "$B$", -62, -10);

  DrawSteppedBody(s, v, 0, 0);
  toolkit::WriteTextNumberLn(s, "\\put(", 76, ",0){");
  DrawSteppedBody(s, v, 1, y_d);
  toolkit::WriteText(s, "}\\spehh ");
  SetLineWidth(s, 1);

  if (v.disc_e) {
    const double yd = y_e + 12 * v.b_d;
    PutBlueLabel(s, "$E$", 114, yd);
    DrawSegment(s, 114, y_e, 134, y_e);
    DrawCircle(s, 134, yd, 24);
    PutHingeBox(s, 134, yd);
    PutBox(s, v.b_d == 1 ? "umomentp" : "umomentm", 134, yd + 2);
    PutBlueLabel(s, "$M$", 148, yd);
  } else {
    PutBlueLabel(s, "$E$", 120, y_e - 3);
    SetLineWidth(s, 1);
    DrawSegment(s, 114, y_e, 118, y_e);
    DrawRotatedBlock(s, 6, 125, y_e, 0, 14, 10);
    DrawHatchRowV(s, -1, 114, y_e - 6, 20);
    DrawRedForceWithLabel(s, 1, 0, "$F$", 133, y_e, 14, 11, 2);
  }
  toolkit::EndPicture(s);

  toolkit::WriteText(s, "\\hfill\\parbox[b]{150pt}{");
  if (v.rolling_a) {
    toolkit::WriteText3NumbersLn(s, "$R_B=", 4, "$, $r_B=", 2, "$, $i_B=", 3, "$,\\\\ ");
  }
  toolkit::WriteTextNumberLn(s, "$R_C=", v.big_c, "$, ");
  if (v.kind_c != 3) {
    toolkit::WriteText2NumbersLn(s, "$r_C=", v.small_c, "$, $i_C=", v.big_c - 1, "$, \\\\");
  } else {
    toolkit::WriteText(s, "\\\\ ");
  }
  toolkit::WriteTextNumberLn(s, " $R_D=", v.big_d, "$,");
  if (v.kind_d != 3) {
    toolkit::WriteText2NumbersLn(s, "$r_D=", v.small_d, "$, $i_D=", v.big_d - 1, "$,");
  }
  toolkit::WriteText2NumbersLn(s, "\\\\ $m_A=", v.m_a, "$, $m_B=", v.m_b, "$,\\\\ ");
  toolkit::WriteText3NumbersLn(s, "$m_C=", v.m_c, "$, $m_D=", v.m_d, "$,\\\\ $m_E=", v.m_e,
                               "$.} ");

  toolkit::AnsWrite(s, toolkit::FormatFixed(toolkit::PrintedVariantNumber(s), 4, 0));
  for (const int x : {v.mu_a, v.mu_b, v.mu_c, v.mu_d, v.mu_e, v.mu}) {
    toolkit::AnsWrite(s, "&" + toolkit::FormatFixed(x, 4, 0));
  }
  toolkit::AnsWriteLine(s, "");
}

}  // namespace dynamics
