#include "subjects/discrete/variant_graph.h"

#include <cmath>
#include <numbers>

#include "figures/labels.h"
#include "figures/lines.h"
#include "toolkit/int_matrix.h"
#include "toolkit/numerics.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace discrete {

void ByteToBinaryDigits7(SharedState& s, std::uint8_t x, int count) {
  for (int k = 1; k <= count && k <= 7; ++k) s.BinaryDigits7[k] = 0;
  toolkit::TBinaryDigits digits{};
  toolkit::ByteToBinaryDigits(x, digits);
  int written = 1;  // at least one digit, also for x = 0
  for (int rest = x >> 1; rest != 0; rest >>= 1) ++written;
  for (int k = 1; k <= written && k <= 7; ++k) {
    s.BinaryDigits7[k] = static_cast<std::uint8_t>(digits[k]);
  }
}

void BuildVariantGraph(SharedState& s, int n) {
  toolkit::ClearIntMatrix(s.GraphMatrix, n);
  // Byte arithmetic as stored; with the tab's bounds every seed stays below 32.
  const std::uint8_t seeds[6] = {
      static_cast<std::uint8_t>(s.P1 + n), static_cast<std::uint8_t>(s.P2 + n),
      static_cast<std::uint8_t>(s.P3 + n), static_cast<std::uint8_t>(s.P4),
      static_cast<std::uint8_t>(s.P5),     static_cast<std::uint8_t>(s.P1 + 11),
  };
  for (int i = 1; i <= n - 1 && i <= 6; ++i) {
    ByteToBinaryDigits7(s, seeds[i - 1], 7);
    for (int j = 1; j <= n - i; ++j) {
      s.GraphMatrix[i][i + j] = s.BinaryDigits7[j];
      s.GraphMatrix[i + j][i] = s.BinaryDigits7[j];
    }
  }
  for (int k = 1; k <= n; ++k) s.GraphMatrix[k][k] = 0;
}

void DrawGraphOnCircle(SharedState& s, const toolkit::TIntMatrix& a, int n, int p, int r,
                       int label_r) {
  const double pi = std::numbers::pi;
  const auto plain = [&](int k) { return 2 * pi * k / n; };
  const auto bent = [&](int k) { return plain(k) * (1 + static_cast<double>(k) / (5 * p + 80)); };
  for (int k = 0; k < n; ++k) {
    s.PointX[k + 1] = r * (1 + std::sin(bent(k)));
    s.PointY[k + 1] = r * (1 + std::cos(plain(k)));
  }
  // The numbers on the label circle reach from 7 left of it to about 2 * label_r - 2.
  toolkit::BeginPicture(s, 2 * label_r + 7, 2 * r + 28, -9, -10);
  for (int i = 1; i <= n; ++i) figures::DrawNodeMarker(s, i);
  figures::SetLineWidth(s, 6);
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (a[i][j] == 1) figures::DrawBar(s, i, j);
    }
  }
  for (int k = 0; k < n; ++k) {
    figures::PutValueLabel(s, label_r * (1 + std::sin(bent(k))) - 7,
                           label_r * (1 + std::cos(plain(k))) - 8, k + 1);
  }
  toolkit::EndPicture(s);
}

void DrawVariantGraphSmall(SharedState& s, int n) {
  const double pi = std::numbers::pi;
  const auto x_of = [&](int k, double r) { return r * (1 + std::sin(2 * pi / n * k * (1 + k / 130.0))); };
  const auto y_of = [&](int k, double r) { return r * (1 + std::cos(2 * pi * k / n)); };
  for (int k = 0; k < n; ++k) {
    s.PointX[k + 1] = x_of(k, 24);
    s.PointY[k + 1] = y_of(k, 24);
  }
  // The vertex numbers stand 6 outside the ring of radius 24 (their boxes reach from -7 to
  // about 58 across and from -8 to 58 upwards): the picture holds them, so that the number
  // of the lowest vertex stays off the line under the figure.
  toolkit::BeginPicture(s, 74, 68, -9, -9);
  toolkit::WriteText(s, "\\Red{");
  for (int i = 1; i <= n; ++i) figures::DrawNodeMarker(s, i);
  toolkit::WriteText(s, "}");
  figures::SetLineWidth(s, 6);
  for (int i = 1; i <= n; ++i) {
    for (int j = i + 1; j <= n; ++j) {
      if (s.GraphMatrix[i][j] == 1) figures::DrawBar(s, i, j);
    }
  }
  for (int k = 0; k < n; ++k) figures::PutValueLabel(s, x_of(k, 30) - 7, y_of(k, 30) - 8, k + 1);
  toolkit::EndPicture(s);
}

}  // namespace discrete
