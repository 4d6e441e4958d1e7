#include "subjects/strength/open_profile_twist.h"

#include <cstdint>
#include <string>

#include "figures/dimensions.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

constexpr double kShearModulus = 0.7e11 / 2.6;  // Pa

}  // namespace

OpenProfileTwistVariant DeriveOpenProfileTwist(int p1, int p2, int p3, int p4, int p5, int p6,
                                               int p7) {
  OpenProfileTwistVariant v;
  toolkit::TBinaryDigits b5, b6, b7;
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p5 - 1), b5);
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p6 - 1), b6);
  toolkit::ByteToBinaryDigits(static_cast<std::uint8_t>(p7 - 1), b7);

  // Element 1 always, then four more in the order of P1..P4, each moving on (past 8 to 1)
  // while its element is taken.
  v.Chosen[1] = true;
  for (int c : {p1, p2, p3, p4}) {
    while (v.Chosen[c]) c = c == 8 ? 1 : c + 1;
    v.Chosen[c] = true;
  }
  for (int k = 1; k <= 8; ++k) v.len[k] = 3 + b5[k] + b6[k] + b7[k];
  v.len[1] = v.len[5];
  v.len[6] = v.len[7];
  v.len[4] = v.len[8];
  int sum = 0;
  for (int k = 1; k <= 8; ++k) {
    v.a[k] = v.Chosen[k] ? v.len[k] : 0;
    sum += v.a[k];
  }
  v.H = 20 + b5[1] + 2 * b6[2] + 4 * b7[3];
  v.W = 10 + b5[2] + 2 * b6[3] + b7[4];
  const double t3 = toolkit::Power(1, 3);
  v.Jd = t3 * (sum + 2 * (v.W + 1) + (v.H - 1)) / 3;
  v.theta = (1 / kShearModulus) / v.Jd * 1e12;
  return v;
}

void BeginOpenProfileTwistProblem(SharedState& s) {
  s.ParboxWidth = 170;
  AnsBeginTable(s, 21);
  AnsWrite(s, "\\No\\ru & \\mc{$ J_d$}& \\mc{$ \\theta $} \\\\\\hline");
  AnsWrite(s, "  & \\mc{мм$^4$}& \\mc{1/м} \\\\\\hline");
  WriteLine(s,
            "\\hskip5mm К тонкостенному стержню открытого профиля приложен крутящий момент "
            "$M=1$Нм.  Найти относительный угол закручивания $\\theta$. Модуль упругости "
            "материала $E=0.7\\cdot 10^5$МПа, коэффициент Пуассона $\\nu=0.3$. Размеры даны в "
            "мм.\\\\ \\noindent");
}

void WriteOpenProfileTwistVariant(SharedState& s) {
  const OpenProfileTwistVariant v =
      DeriveOpenProfileTwist(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  double a[9];
  for (int k = 1; k <= 8; ++k) a[k] = v.a[k];
  a[0] = 0;
  const double H = v.H, W = v.W;

  ClearPoints(s, 28);
  const double pts[29][2] = {{0, 0},
                             {0, 0},
                             {a[2], 0},
                             {a[2], -1},
                             {-a[1] - 1.0, -1},
                             {-a[1] - 1.0, 0},
                             {-1, 0},
                             {-1, W - 1},
                             {-a[5] - 1.0, W - 1},
                             {-a[5] - 1.0, W},
                             {-1, W},
                             {-1, W + a[6]},
                             {0, W + a[6]},
                             {0, W},
                             {H, W},
                             {H, W + a[7]},
                             {H + 1, W + a[7]},
                             {H + 1, W},
                             {H + 1 + a[8], W},
                             {H + 1 + a[8], W - 1},
                             {H + 1, W - 1},
                             {H + 1, 0},
                             {H + 1 + a[4], 0},
                             {H + 1 + a[4], -1},
                             {H - a[3], -1},
                             {H - a[3], 0},
                             {H, 0},
                             {H, W - 1},
                             {0, W - 1}};
  for (int i = 1; i <= 28; ++i) {
    s.PointX[i] = pts[i][0];
    s.PointY[i] = pts[i][1];
  }

  // The profile takes 135 of the 170pt box; its lips and dimensions reach beyond.
  s.BoxWidth = 135;
  s.BoxHeight = 90;
  FitPointsToBox(s, 28, 0);
  BeginPicture(s, 172, 122, -14, -15);
  SetLineWidth(s, 3);
  MoveToPoint(s, 1);
  for (int i = 2; i <= 28; ++i) LineToPoint(s, i);
  LineToPoint(s, 1);
  SetLineWidth(s, 1);

  const auto& X = s.PointX;
  const auto& Y = s.PointY;
  DrawDashedLineMultiput(s, 20, X[8], MidY(s, 9, 8), X[18], MidY(s, 9, 8));
  DrawDashedLineMultiput(s, 17, MidX(s, 1, 6), Y[3], MidX(s, 1, 6), Y[11]);
  DrawDashedLineMultiput(s, 17, MidX(s, 15, 16), Y[23], MidX(s, 15, 16), Y[15]);
  DrawDashedLineMultiput(s, 5, X[4], MidY(s, 4, 5), X[2], MidY(s, 4, 5));
  if (v.Chosen[3] || v.Chosen[4]) {
    DrawDashedLineMultiput(s, 5, X[24], MidY(s, 4, 5), X[23], MidY(s, 4, 5));
  }

  const double sc = s.Scale;
  const double lip = v.Chosen[6] || v.Chosen[7] ? sc * v.len[7] : 0;
  DrawDimensionHValue(s, X[6], X[1], Y[3] - 11, 1);
  DrawDimensionHValue(s, X[26], X[21], Y[3] - 11, 1);
  DrawDimensionHValue(s, MidX(s, 6, 1), MidX(s, 26, 21), lip + Y[14] + 5, v.H);
  DrawDimensionHValue(s, X[6] - sc * v.len[1], X[6], Y[3] - 11, v.len[1]);
  if (v.Chosen[8] || v.Chosen[4]) {
    DrawDimensionHValue(s, X[21], X[21] + sc * v.len[4], Y[3] - 11, v.len[4]);
  }
  if (v.Chosen[2]) DrawDimensionHValue(s, X[1], X[2], Y[3] - 11, v.len[2]);
  if (v.Chosen[3]) DrawDimensionHValue(s, X[25], X[26], Y[3] - 11, v.len[3]);

  const double out = v.Chosen[4] || v.Chosen[8] ? sc * v.len[4] : 0;
  DrawDimensionVValue(s, 2, out + X[20] + 6, MidY(s, 2, 3), MidY(s, 7, 10), v.W);
  if (v.Chosen[6] || v.Chosen[7]) {
    DrawDimensionVValue(s, 2, out + X[20] + 6, Y[18], Y[18] + sc * v.len[6], v.len[6]);
  }
  DrawDimensionVValue(s, 2, X[2] + 6, Y[4], Y[5], 1);
  DrawDimensionVValue(s, -5, X[8] - 6, Y[8], Y[9], 1);
  EndPicture(s);

  AnsWrite(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                  toolkit::FormatFixed(v.Jd, 6, 3) + "&" + toolkit::FormatFixed(v.theta, 6, 3));
}

}  // namespace strength
