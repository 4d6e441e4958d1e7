#pragma once

// A plane system of rigid bodies joined by pins, sliders on fixed straight guides and rolling
// contacts, solved for its velocity state (and then its acceleration state) from one given
// angular velocity and acceleration. Each body's unknowns are the velocity of its material
// point at the origin and its angular velocity, so no loop has to be chosen by hand: the
// answer checks describe the drawn mechanism joint by joint and this solves it.

#include <cmath>
#include <cstddef>
#include <vector>

namespace planar_bodies {

struct V2 {
  double x = 0, y = 0;
};

class System {
 public:
  static constexpr int kGround = -1;

  int AddBody() { return bodies_++; }
  /// Bodies b1 and b2 (kGround for the frame) share the point p. A rolling contact without
  /// slip is the same condition on the velocities.
  void Pin(int b1, int b2, V2 p) { rows_.push_back({Row::kPin, b1, b2, p, {}}); }
  /// The point p of body b slides along a fixed straight guide of direction t.
  void Slider(int b, V2 p, V2 t) { rows_.push_back({Row::kSlider, b, kGround, p, t}); }
  /// Body b turns at w with angular acceleration e.
  void Drive(int b, double w, double e = 0) {
    driven_ = b;
    w_given_ = w;
    e_given_ = e;
  }

  /// Solves the velocities, then the accelerations; false when the joints do not fix one
  /// state (a singular or contradictory system).
  bool Solve() {
    if (!SolveLinear(false, vel_)) return false;
    return SolveLinear(true, acc_);
  }

  double Omega(int b) const { return vel_[Index(b, 2)]; }
  double Epsilon(int b) const { return acc_[Index(b, 2)]; }
  V2 Velocity(int b, V2 p) const {
    const double w = Omega(b);
    return {vel_[Index(b, 0)] - w * p.y, vel_[Index(b, 1)] + w * p.x};
  }

 private:
  struct Row {
    enum Kind { kPin, kSlider } kind;
    int b1, b2;
    V2 p, t;
  };
  static std::size_t Index(int b, int k) { return static_cast<std::size_t>(3 * b + k); }

  // One equation: coefficients over all unknowns and its right-hand side.
  struct Equation {
    std::vector<double> a;
    double r = 0;
  };

  // The linear part of a point's velocity (or acceleration) component k (0: x, 1: y) of body
  // b at p, added with factor f.
  void AddPoint(Equation& q, int b, V2 p, int k, double f) const {
    if (b == kGround) return;
    q.a[Index(b, k)] += f;
    q.a[Index(b, 2)] += f * (k == 0 ? -p.y : p.x);
  }
  // The centripetal part -w^2 p of body b's acceleration at p, component k.
  double Centripetal(int b, V2 p, int k) const {
    if (b == kGround) return 0;
    const double w = Omega(b);
    return -w * w * (k == 0 ? p.x : p.y);
  }

  bool SolveLinear(bool accelerations, std::vector<double>& out) const {
    const std::size_t n = Index(bodies_, 0);
    std::vector<Equation> eq;
    for (const Row& r : rows_) {
      if (r.kind == Row::kPin) {
        for (int k = 0; k < 2; ++k) {
          Equation q{std::vector<double>(n, 0), 0};
          AddPoint(q, r.b1, r.p, k, 1);
          AddPoint(q, r.b2, r.p, k, -1);
          if (accelerations) q.r = Centripetal(r.b2, r.p, k) - Centripetal(r.b1, r.p, k);
          eq.push_back(q);
        }
      } else {
        const V2 nrm{-r.t.y, r.t.x};
        Equation q{std::vector<double>(n, 0), 0};
        AddPoint(q, r.b1, r.p, 0, nrm.x);
        AddPoint(q, r.b1, r.p, 1, nrm.y);
        if (accelerations) {
          q.r = -(nrm.x * Centripetal(r.b1, r.p, 0) + nrm.y * Centripetal(r.b1, r.p, 1));
        }
        eq.push_back(q);
      }
    }
    Equation drive{std::vector<double>(n, 0), accelerations ? e_given_ : w_given_};
    drive.a[Index(driven_, 2)] = 1;
    eq.push_back(drive);
    // Gaussian elimination with row pivoting over the (possibly taller) system; the rows left
    // after n pivots must vanish.
    std::vector<std::size_t> pivot_row(n);
    std::size_t top = 0;
    for (std::size_t c = 0; c < n; ++c) {
      std::size_t best = top;
      for (std::size_t i = top; i < eq.size(); ++i) {
        if (std::abs(eq[i].a[c]) > std::abs(eq[best].a[c])) best = i;
      }
      if (best >= eq.size() || std::abs(eq[best].a[c]) < 1e-9) return false;
      std::swap(eq[top], eq[best]);
      for (std::size_t i = 0; i < eq.size(); ++i) {
        if (i == top || eq[i].a[c] == 0) continue;
        const double f = eq[i].a[c] / eq[top].a[c];
        for (std::size_t j = c; j < n; ++j) eq[i].a[j] -= f * eq[top].a[j];
        eq[i].r -= f * eq[top].r;
      }
      pivot_row[c] = top++;
    }
    for (std::size_t i = top; i < eq.size(); ++i) {
      if (std::abs(eq[i].r) > 1e-6 * (1 + std::abs(w_given_))) return false;
    }
    out.assign(n, 0);
    for (std::size_t c = 0; c < n; ++c) out[c] = eq[pivot_row[c]].r / eq[pivot_row[c]].a[c];
    return true;
  }

  int bodies_ = 0;
  int driven_ = 0;
  double w_given_ = 0, e_given_ = 0;
  std::vector<Row> rows_;
  std::vector<double> vel_, acc_;
};

}  // namespace planar_bodies
