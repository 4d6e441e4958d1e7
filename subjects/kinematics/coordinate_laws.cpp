#include "subjects/kinematics/coordinate_laws.h"

#include <cmath>

namespace kinematics {

CoordinateLawCoefficients CoordinateLawCoefficientsOf(int kind, int p4, int p5) {
  switch (kind) {
    case 1:
    case 7:
      return {p4 + 1, p5 + 1, p4 + 1};
    case 2:
      return {p5 + 4, p4 + 1, p4};
    case 3:
      return {p5 + 2, 0, p4};
    case 4:
      return {p5 + 11, 0, p4 + 1};
    case 5:
      return {p5, 0, 5 - p4};
    case 6:
      return {p4, p5 + 1, 5 - p4};
    case 8:
      return {p4 + 1, p5 + 2, 5 - p4};
    case 9:
      return {p5 + 1, p5 + 1, 5 - p4};
    case 10:
      return {p4 + 1, p4 + 2, 0};
    case 11:
      return {p5 + 1, p4 + 1, 0};
    case 12:
      return {0, p5 + 1, 0};
    default:
      return {};
  }
}

CoordinateLawValue CoordinateLawAt(int kind, int p4, int p5, double t) {
  const CoordinateLawCoefficients c = CoordinateLawCoefficientsOf(kind, p4, p5);
  const double a = c.A, b = c.B, n = c.N;
  switch (kind) {
    case 1:  // (A/2N) sin 2Nt + Bt
      return {a / (2 * n) * std::sin(2 * n * t) + b * t, a * std::cos(2 * n * t) + b,
              -2 * n * a * std::sin(2 * n * t)};
    case 2: {  // A/(Nt + B)
      const double u = n * t + b;
      return {a / u, -a * n / (u * u), 2 * a * n * n / (u * u * u)};
    }
    case 3: {  // A (t+1)^(N/10)
      const double p = n / 10;
      const double u = t + 1;
      return {a * std::pow(u, p), a * p * std::pow(u, p - 1), a * p * (p - 1) * std::pow(u, p - 2)};
    }
    case 4: {  // A e^(t/N)
      const double f = a * std::exp(t / n);
      return {f, f / n, f / (n * n)};
    }
    case 5: {  // A ln(Nt + 2)
      const double u = n * t + 2;
      return {a * std::log(u), a * n / u, -a * n * n / (u * u)};
    }
    case 6:  // At^2 + Bt + N
      return {a * t * t + b * t + n, 2 * a * t + b, 2 * a};
    case 7: {  // (A/2N) sin^2 2Nt - Bt
      const double s = std::sin(2 * n * t);
      return {a / (2 * n) * s * s - b * t, a * std::sin(4 * n * t) - b,
              4 * n * a * std::cos(4 * n * t)};
    }
    case 8: {  // Bt + (A/2N) cos^2 2Nt
      const double co = std::cos(2 * n * t);
      return {b * t + a / (2 * n) * co * co, b - a * std::sin(4 * n * t),
              -4 * n * a * std::cos(4 * n * t)};
    }
    case 9: {  // A sqrt(Nt + B)
      const double u = n * t + b;
      return {a * std::sqrt(u), a * n / (2 * std::sqrt(u)), -a * n * n / (4 * u * std::sqrt(u))};
    }
    case 10: {  // B tg(t/A)
      const double co = std::cos(t / a);
      const double tg = std::tan(t / a);
      return {b * tg, b / (a * co * co), 2 * b * tg / (a * a * co * co)};
    }
    case 11: {  // B arcsin(t/A)
      const double u = a * a - t * t;
      return {b * std::asin(t / a), b / std::sqrt(u), b * t / (u * std::sqrt(u))};
    }
    case 12: {  // B e^(t^2)
      const double e = std::exp(t * t);
      return {b * e, 2 * b * t * e, b * (2 + 4 * t * t) * e};
    }
    default:
      return {};
  }
}

}  // namespace kinematics
