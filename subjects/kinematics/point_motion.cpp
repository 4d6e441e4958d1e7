#include "subjects/kinematics/point_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "toolkit/numerics.h"
#include "toolkit/writers.h"

namespace kinematics {

namespace {

std::string Cut(const std::string& s, std::size_t n) { return s.size() > n ? s.substr(0, n) : s; }

}  // namespace

int IntMin(int a, int b) { return a < b ? a : b; }

void ReduceFractionText(PointMotion& m, int a, int b) {
  int i = 2;
  for (;;) {
    // 0/0 is divisible by everything: stop there instead of dividing forever.
    while (!(a == 0 && b == 0) && a % i == 0 && b % i == 0) {
      a /= i;
      b /= i;
    }
    if (i <= IntMin(a, b)) {
      ++i;
    } else {
      break;
    }
  }
  m.FractionNumText = Cut(std::to_string(a), 6);
  m.FractionDenText = Cut(std::to_string(b), 6);
}

std::string FormatTexFraction(PointMotion& m, int a, int b) {
  ReduceFractionText(m, a, b);
  const std::string& n = m.FractionNumText;
  const std::string& d = m.FractionDenText;
  std::string out;
  if (n == "1" && d != "1") out = "\\frac{1}{" + d + "}";
  if (n != "1" && d != "1") out = "\\frac{" + n + "}{" + d + "}";
  if (n != "1" && d == "1") out = n;
  if (a == b) out = " ";
  return Cut(out, 25);
}

std::string FormatTimeCoefficient(PointMotion& m, int a, int b) {
  ReduceFractionText(m, a, b);
  const std::string& n = m.FractionNumText;
  const std::string& d = m.FractionDenText;
  std::string out;
  if (n == "1" && d != "1") out = "t/" + d;
  if (n != "1" && d != "1") out = n + "t/" + d;
  if (n != "1" && d == "1") out = n + "t";
  if (a == b) out = "t";
  return Cut(out, 25);
}

void SetInstantFromP4(SharedState& s) {
  if (s.P4 == 3) s.P4 = 11;
  if (s.P4 == 9) s.P4 = 13;
  if (s.P4 == 6) s.P4 = 14;
  s.LawFrequency = s.P4 * std::numbers::pi / 6 / s.LawN;
  ReduceFractionText(s, s.P4, 6 * s.LawN);
  const std::string num = s.FractionNumText == "1" ? " " : s.FractionNumText;
  s.T1Text = Cut(num + "\\pi/" + s.FractionDenText, 40);
}

void WriteYEquals(SharedState& s) { toolkit::WriteText(s, "$ \\\\[2pt] $ y= "); }

void PointMotionCharacteristics(PointMotion& m) {
  m.PointSpeed = std::sqrt(m.PointVx * m.PointVx + m.PointVy * m.PointVy + m.PointVz * m.PointVz);
  m.PointAccel = std::sqrt(m.PointAx * m.PointAx + m.PointAy * m.PointAy + m.PointAz * m.PointAz);
  const double scale = std::max(1.0, m.PointAccel);
  if (m.PointSpeed < 1e-9 * scale) {
    // At rest the direction of motion is undefined: the whole acceleration is tangential.
    m.TangentialAccel = m.PointAccel;
    m.NormalAccel = 0;
  } else {
    m.TangentialAccel =
        (m.PointAx * m.PointVx + m.PointAy * m.PointVy + m.PointAz * m.PointVz) / m.PointSpeed;
    // a_n = |v x a| / v is sqrt(a^2 - a_tau^2) without its cancellation: on a straight path
    // |a_tau| equals a only up to rounding, and the difference of squares would leave a
    // normal acceleration of about 1e-8 a (or a negative radicand) where the cross product
    // leaves about 1e-16 a.
    const double cx = m.PointVy * m.PointAz - m.PointVz * m.PointAy;
    const double cy = m.PointVz * m.PointAx - m.PointVx * m.PointAz;
    const double cz = m.PointVx * m.PointAy - m.PointVy * m.PointAx;
    m.NormalAccel = toolkit::Hypot3(cx, cy, cz) / m.PointSpeed;
    if (m.NormalAccel < 1e-9 * scale) m.NormalAccel = 0;
  }
  m.CurvatureRadius = m.NormalAccel != 0 ? m.PointSpeed * m.PointSpeed / m.NormalAccel : -1;
}

}  // namespace kinematics
