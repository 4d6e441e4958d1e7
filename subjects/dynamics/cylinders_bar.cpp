#include "subjects/dynamics/cylinders_bar.h"

#include <string>

#include "figures/forces.h"
#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "subjects/dynamics/dynamics.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

// Radii, ratios and heights of a scheme's sub-variant (n = 0 stands for P3).
struct BarLayout {
  int r1, r2, k, n;
  double y1, y2, y3, h, yb;
};

BarLayout LayoutOf(int scheme, int sub, int p3) {
  const bool low = sub <= 2;
  BarLayout l{};
  switch (scheme) {
    case 1: {
      const int t[4][6] = {{16, 10, 2, 2, 6, 16}, {16, 10, 1, 1, 0, 0}, {26, 10, 2, 1, -10, 0},
                           {14, 20, 1, 2, 14, 14}};
      const int* r = t[sub - 1];
      l = {r[0], r[1], r[2], r[3], 0, double(r[4]), double(r[5]), 0, 0};
      l.h = l.y2 - l.r2 + l.r1;
      l.yb = l.y2 - l.r2 - l.h / 2;
      break;
    }
    case 2: {
      const int t[4][6] = {{10, 20, 2, 1, 10, 10}, {20, 20, 2, 2, 0, 20}, {20, 20, 1, 1, 0, 0},
                           {20, 10, 1, 2, -10, 0}};
      const int* r = t[sub - 1];
      l = {r[0], r[1], r[2], r[3], 0, double(r[4]), double(r[5]), 12, 0};
      l.yb = l.y2 - l.r2 - 6;
      break;
    }
    case 3:
      l = low ? BarLayout{20, 20, 2, p3, 0, 0, 20, 12, -26}
              : BarLayout{20, 10, 1, p3, 0, -10, 0, 12, -26};
      break;
    case 4:
      l = low ? BarLayout{12, 20, 2, p3, 0, -8, 12, 0, 0} : BarLayout{10, 30, 1, p3, 0, 10, 10, 0, 0};
      l.h = -l.r1 - 3 - (l.y2 - l.r2);
      l.yb = -l.r1 - l.h / 2 - 3;
      break;
    case 5:
      l = low ? BarLayout{12, 14, 2, p3, 20, -9, 5, 31, -10.5}
              : BarLayout{12, 14, 1, p3, 20, -9, -9, 31, -10.5};
      break;
    default:
      l = low ? BarLayout{12, 14, 1, p3, 20, -12, 0, 6, -30} : BarLayout{12, 16, 2, p3, 20, -14, 0, 6, -30};
      break;
  }
  return l;
}

}  // namespace

CylindersBarVariant DeriveCylindersBarVariant(int p1, int p2, int p3, int p4, int p5, int p6,
                                              int p7) {
  CylindersBarVariant v;
  v.m1 = p4, v.m2 = p6, v.m3 = p7;
  if (v.m1 == v.m2 && v.m2 == v.m3) ++v.m3;
  const BarLayout l = LayoutOf(p1, p5, p3);
  const long long m1 = v.m1, m2 = v.m2, m3 = v.m3, k = l.k, n = l.n, K = k * k;
  const long long t1 = p3 - 1, t2 = 2 - p3, f = p2 > 2 ? 2 : 1, P3 = p3;
  long long D = 0, N = 0;
  switch (p1) {
    case 1:
      D = 6 * K * m1 * m2 + 6 * K * m1 * m3 - 12 * k * m1 * m2 + 6 * n * n * m2 * m3 +
          9 * m1 * m2 + 2 * n * n * m2 * m2;
      N = m2 * (4 * n * k * t1 - 6 * n * t1 + 6 * n * n * t2) + 6 * t2 * K * m1;
      break;
    case 2:
      D = n * n * m1 * (m1 + 3 * m2 + 3 * m3) + 3 * K * m1 * m2 + 3 * K * m2 * m3 + K * m2 * m2 -
          4 * k * n * m1 * m2;
      N = K * m2 * (3 - 2 * P3) + 3 * n * n * m1 - 2 * P3 * k * n * m1;
      break;
    case 3:
      D = 6 * m1 * m3 + 2 * K * m2 * m3 + 2 * K * m1 * m2 + 3 * m1 * m2 + 2 * m1 * m1 -
          4 * k * m1 * m2;
      N = 2 * m2 * (k * P3 - k - K) + 4 * P3 * m1 - 10 * m1;
      break;
    case 4:
      D = 2 * K * m1 * m1 + 6 * m2 * m3 + 9 * m1 * m2 + 2 * K * m1 * m3;
      N = (6 * f - 12) * m2 + 2 * f * K * m1 + 2 * f * k * n * m1 - 4 * K * m1 - 2 * k * n * m1;
      break;
    case 5:
      D = 6 * K * m3 + 9 * m2 + 2 * K * m1;
      N = 2 * f * K + 6 * f * k * n - 4 * K - 6 * k * n;
      break;
    default:
      D = 12 * K * m3 + 4 * K * m1 + 6 * m2 + 3 * K * K * m2 - 6 * k * K * m2 + 3 * K * m2;
      N = (20 - 8 * n) * K;
      break;
  }
  v.D = D, v.N = N;
  int pair[2] = {static_cast<int>(N), static_cast<int>(D)};
  toolkit::NormalizeIntVector(pair, 2);
  v.a = pair[0];
  v.F = pair[1];
  return v;
}

void BeginCylindersAndBarProblem(SharedState& s) {
  DefineHatchBox(s, 20, -1, "osnvnie", -10, -0.5);
  s.ParboxWidth = 170;
  AnsBeginTable(s, 7);
  WriteLine(s,
            "Механическая  система из двух однородных цилиндров 1 и 2  и бруска 3 с идеальными "
            "стационарными связями имеет две степени свободы и движется под действием силы  "
            "$F$. Трением пренебречь.   Массы даны в килограммах, сила --- в ньютонах.   Найти "
            "ускорение  бруска, скользящего по гладкой поверхности. \\vskip2mm ");
  AnsWriteLine(s, "\\ru   \\No  & $a$ \\\\\\hline");
  WriteBookReference(s, 300);
}

void WriteCylindersAndBarVariant(SharedState& s) {
  const int scheme = s.P1, p3 = s.P3;
  const BarLayout l = LayoutOf(scheme, s.P5, p3);
  const CylindersBarVariant v =
      DeriveCylindersBarVariant(s.P1, s.P2, s.P3, s.P4, s.P5, s.P6, s.P7);
  const double x1 = 0, x2 = 50, y1 = l.y1, y2 = l.y2, y3 = l.y3, h = l.h, yb = l.yb;
  const double r1 = l.r1, r2 = l.r2;

  s.BlockCentred = true;
  // Room for the bar and the force beside the right cylinder and the hatching under both.
  toolkit::BeginPicture(s, 148, 83, -50, -35);
  WriteText(s, "\\Blue{");
  DrawTwoCircles(s, 2 * l.r1, 2, x1, y1);
  DrawTwoCircles(s, 2 * l.r2, 2, x2, y2);
  WriteText(s, "}");
  auto bar = [&](double x, double y, double width) { DrawRotatedBlock(s, 5, x, y, 0, width, h - 1); };
  auto force = [&](int dx, double x, double y, double len, int ox) {
    DrawRedForceWithLabel(s, dx, 0, "$F$", x, y, len, ox, 2);
  };
  auto legs = [&](double xc, double yTop, double yBottom) {
    SetLineWidth(s, 5);
    DrawSegment(s, xc - 1, yTop, xc - 8, yBottom);
    DrawSegment(s, xc + 1, yTop, xc + 8, yBottom);
    SetLineWidth(s, 1);
  };
  auto rope = [&] { DrawLatexLine(s, 1, 0, x1, y3, 50); };
  switch (scheme) {
    case 1:
      if (p3 == 1) {
        force(1, 71, yb, 20, 15);
      } else {
        force(-1, x1 - 1, y1, 35, -37);
      }
      bar(x2, yb, 40);
      DrawHatchRowV(s, -1, -r1, -r1 - 0.5, 98);
      PutLabel(s, "3", x2 - 25, yb + h / 2);
      rope();
      break;
    case 2:
      force(1, x2 + 1, y2 + r2 * (p3 - 1), 30, 25);
      bar(x2 - 25, yb, 80);
      DrawHatchRowV(s, -1, -r1 - 12, -r1 - 0.5 - h, 118);
      PutLabel(s, "3", x2 - 25, yb - 2);
      rope();
      break;
    case 3:
      if (p3 == 1) {
        force(-1, -25, yb, 20, -20);
      } else {
        force(-1, -1, 0, 30, -31);
      }
      bar(x2 - 50, yb, 50);
      DrawHatchRowV(s, -1, -r1 - 12, -r1 - 0.5 - h, 108);
      PutLabel(s, "3", x2 - 30, yb - 2);
      legs(x2, y2 - 1, -r1 - h - 1);
      rope();
      break;
    case 4:
    case 5:
      if (s.P2 >= 3) {
        force(1, x2, y2 + r2 * (l.n - 1), r2 + 10, static_cast<int>(r2 + 10));
      } else if (scheme == 4) {
        force(-1, -26, yb, 18, -12);
      } else {
        force(-1, -1, y1, 21, -28);
      }
      if (scheme == 4) {
        bar(x2 - 50, yb, 50);
        DrawHatchRowV(s, -1, -r1 - 20, y2 - r2 - 0.4, 112);
        PutLabel(s, "3", x2 - 32, yb + h / 2 + 1);
        legs(0, -1, -r1 - 4);
        rope();
      } else {
        bar(0, yb + 3, 50);
        DrawHatchRowV(s, -1, -2 * r1, y2 - r2 - 0.4, 112);
        PutLabel(s, "3", x2 - 34, yb + h / 2 - 7);
        DrawSegment(s, x1 + 25, y3, x2, y3);
      }
      break;
    default:
      if (l.n == 1) {
        force(1, 65, y1 - r1 - h / 2, 20, 18);
      } else {
        force(1, x1 + 1, y1, 30, 30);
      }
      bar(20, y1 - r1 - h / 2, 90);
      DrawHatchRowV(s, -1, -30, y1 - r1 - h, 12);
      DrawHatchRowV(s, -1, -17.5, yb, 82);
      PutLabel(s, "3", x2 - 34, -h);
      DrawHatchRowH(s, -1, -17.1, yb - 0.7, 32);
      if (l.k == 1) legs(x2, y2 - 1, yb);
      break;
  }
  PutLabel(s, "1", x1 + 2, y1 + 2);
  PutLabel(s, "2", x2 + 2, y2 + 2);
  toolkit::EndPicture(s);

  AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "&" +
                      toolkit::FormatFixed(v.a, 3, 0));
  WriteText4NumbersLn(s, "\\vskip1mm $F=", v.F, "$, $m_1=", v.m1, "$, $m_2=", v.m2, "$, $m_3=",
                      v.m3, "$. ");
}

}  // namespace dynamics
