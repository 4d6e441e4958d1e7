#include "tests/support/plane_frame.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace testing_support {

int PlaneFrame::AddNode(double x, double y) {
  nodes_.push_back(Node{x, y});
  solved_ = false;
  return static_cast<int>(nodes_.size()) - 1;
}

int PlaneFrame::AddMember(int a, int b, double ei, double ea, bool hinge_a, bool hinge_b) {
  Member m{a, b, ei, ea, {hinge_a, hinge_b}, {-1, -1}, 0, {}};
  members_.push_back(m);
  solved_ = false;
  return static_cast<int>(members_.size()) - 1;
}

void PlaneFrame::Fix(int node, bool x, bool y, bool rotation) {
  nodes_.at(node).fixed[0] = nodes_.at(node).fixed[0] || x;
  nodes_.at(node).fixed[1] = nodes_.at(node).fixed[1] || y;
  nodes_.at(node).fixed[2] = nodes_.at(node).fixed[2] || rotation;
  solved_ = false;
}

void PlaneFrame::NodalLoad(int node, double fx, double fy, double m) {
  nodes_.at(node).load[0] += fx;
  nodes_.at(node).load[1] += fy;
  nodes_.at(node).load[2] += m;
  solved_ = false;
}

void PlaneFrame::UniformLoad(int member, double q) {
  members_.at(member).q += q;
  solved_ = false;
}

void PlaneFrame::PointLoad(int member, double a, double p) {
  members_.at(member).points.emplace_back(a, p);
  solved_ = false;
}

double PlaneFrame::Length(int m) const {
  const Node& a = nodes_[members_[m].a];
  const Node& b = nodes_[members_[m].b];
  return std::hypot(b.x - a.x, b.y - a.y);
}

void PlaneFrame::Cosines(int m, double& c, double& s) const {
  const Node& a = nodes_[members_[m].a];
  const Node& b = nodes_[members_[m].b];
  const double l = Length(m);
  c = (b.x - a.x) / l;
  s = (b.y - a.y) / l;
}

void PlaneFrame::Dofs(int m, int dof[6]) const {
  const Member& e = members_[m];
  for (int k = 0; k < 3; ++k) {
    dof[k] = 3 * e.a + k;
    dof[3 + k] = 3 * e.b + k;
  }
  if (e.hinge[0]) dof[2] = e.rot_dof[0];
  if (e.hinge[1]) dof[5] = e.rot_dof[1];
}

void PlaneFrame::LocalStiffness(int m, double k[6][6]) const {
  const Member& e = members_[m];
  const double l = Length(m);
  for (int i = 0; i < 6; ++i)
    for (int j = 0; j < 6; ++j) k[i][j] = 0;
  const double a = e.ea / l;
  k[0][0] = k[3][3] = a;
  k[0][3] = k[3][0] = -a;
  const double b12 = 12 * e.ei / (l * l * l), b6 = 6 * e.ei / (l * l), b4 = 4 * e.ei / l,
               b2 = 2 * e.ei / l;
  const int v1 = 1, r1 = 2, v2 = 4, r2 = 5;
  k[v1][v1] = k[v2][v2] = b12;
  k[v1][v2] = k[v2][v1] = -b12;
  k[v1][r1] = k[r1][v1] = k[v1][r2] = k[r2][v1] = b6;
  k[v2][r1] = k[r1][v2] = k[v2][r2] = k[r2][v2] = -b6;
  k[r1][r1] = k[r2][r2] = b4;
  k[r1][r2] = k[r2][r1] = b2;
}

// Forces the ends of the member, both clamped, apply to it under its own loads (local axes).
void PlaneFrame::FixedEndForces(int m, double f[6]) const {
  const Member& e = members_[m];
  const double l = Length(m);
  for (int i = 0; i < 6; ++i) f[i] = 0;
  f[1] -= e.q * l / 2;
  f[2] -= e.q * l * l / 12;
  f[4] -= e.q * l / 2;
  f[5] += e.q * l * l / 12;
  for (const auto& [a, p] : e.points) {
    const double b = l - a;
    f[1] -= p * b * b * (3 * a + b) / (l * l * l);
    f[2] -= p * a * b * b / (l * l);
    f[4] -= p * a * a * (a + 3 * b) / (l * l * l);
    f[5] += p * a * a * b / (l * l);
  }
}

bool PlaneFrame::Solve() {
  error_.clear();
  int n = 3 * static_cast<int>(nodes_.size());
  for (Member& e : members_) {
    for (int k = 0; k < 2; ++k) e.rot_dof[k] = e.hinge[k] ? n++ : -1;
  }
  std::vector<double> kk(static_cast<size_t>(n) * n, 0.0), f(n, 0.0);
  auto K = [&](int i, int j) -> double& { return kk[static_cast<size_t>(i) * n + j]; };
  for (size_t i = 0; i < nodes_.size(); ++i)
    for (int k = 0; k < 3; ++k) f[3 * i + k] += nodes_[i].load[k];

  for (int m = 0; m < static_cast<int>(members_.size()); ++m) {
    double kl[6][6], fe[6], c, s;
    LocalStiffness(m, kl);
    FixedEndForces(m, fe);
    Cosines(m, c, s);
    // Global = T^T local T, T turning global components into local ones.
    double t[6][6] = {};
    for (int blk = 0; blk < 2; ++blk) {
      const int o = 3 * blk;
      t[o][o] = c;
      t[o][o + 1] = s;
      t[o + 1][o] = -s;
      t[o + 1][o + 1] = c;
      t[o + 2][o + 2] = 1;
    }
    int dof[6];
    Dofs(m, dof);
    for (int i = 0; i < 6; ++i) {
      for (int j = 0; j < 6; ++j) {
        double sum = 0;
        for (int p = 0; p < 6; ++p)
          for (int q = 0; q < 6; ++q) sum += t[p][i] * kl[p][q] * t[q][j];
        K(dof[i], dof[j]) += sum;
      }
      double load = 0;
      for (int p = 0; p < 6; ++p) load += t[p][i] * fe[p];
      f[dof[i]] -= load;
    }
  }

  std::vector<bool> fixed(n, false);
  for (size_t i = 0; i < nodes_.size(); ++i)
    for (int k = 0; k < 3; ++k) fixed[3 * i + k] = nodes_[i].fixed[k];
  // A node whose every member end is released (or a free-standing node) has a rotation
  // nothing resists; nothing loads it either unless a couple is applied there.
  for (int i = 0; i < n; ++i) {
    bool empty = true;
    for (int j = 0; j < n && empty; ++j) empty = K(i, j) == 0;
    if (empty && !fixed[i]) {
      if (f[i] != 0) {
        error_ = "a load acts on a freedom nothing resists";
        return false;
      }
      fixed[i] = true;
    }
  }

  std::vector<int> free;
  for (int i = 0; i < n; ++i)
    if (!fixed[i]) free.push_back(i);
  const int nf = static_cast<int>(free.size());
  std::vector<double> a(static_cast<size_t>(nf) * (nf + 1));
  auto A = [&](int i, int j) -> double& { return a[static_cast<size_t>(i) * (nf + 1) + j]; };
  // A pivot that has lost all but a trace of its freedom's own stiffness means a mechanism;
  // comparing with that freedom's diagonal keeps stiff axial terms from hiding soft bending.
  std::vector<double> own(nf);
  for (int i = 0; i < nf; ++i) {
    for (int j = 0; j < nf; ++j) A(i, j) = K(free[i], free[j]);
    A(i, nf) = f[free[i]];
    own[i] = std::fabs(A(i, i));
  }
  for (int col = 0; col < nf; ++col) {
    int piv = col;
    for (int r = col + 1; r < nf; ++r)
      if (std::fabs(A(r, col)) > std::fabs(A(piv, col))) piv = r;
    if (std::fabs(A(piv, col)) <= 1e-10 * own[col]) {
      error_ = "the structure is a mechanism";
      return false;
    }
    if (piv != col)
      for (int j = 0; j <= nf; ++j) std::swap(A(piv, j), A(col, j));
    for (int r = 0; r < nf; ++r) {
      if (r == col || A(r, col) == 0) continue;
      const double factor = A(r, col) / A(col, col);
      for (int j = col; j <= nf; ++j) A(r, j) -= factor * A(col, j);
    }
  }
  u_.assign(n, 0.0);
  for (int i = 0; i < nf; ++i) u_[free[i]] = A(i, nf) / A(i, i);

  reaction_.assign(3 * nodes_.size(), 0.0);
  for (size_t i = 0; i < 3 * nodes_.size(); ++i) {
    if (!nodes_[i / 3].fixed[i % 3]) continue;
    double sum = 0;
    for (int j = 0; j < n; ++j) sum += K(static_cast<int>(i), j) * u_[j];
    reaction_[i] = sum - f[i];
  }
  solved_ = true;
  return true;
}

double PlaneFrame::Ux(int node) const { return u_.at(3 * node); }
double PlaneFrame::Uy(int node) const { return u_.at(3 * node + 1); }
double PlaneFrame::Rotation(int node) const { return u_.at(3 * node + 2); }
double PlaneFrame::Reaction(int node, int component) const {
  return reaction_.at(3 * node + component);
}

std::vector<double> PlaneFrame::EndForces(int m) const {
  if (!solved_) throw std::logic_error("PlaneFrame: Solve() first");
  double kl[6][6], fe[6], c, s;
  LocalStiffness(m, kl);
  FixedEndForces(m, fe);
  Cosines(m, c, s);
  int dof[6];
  Dofs(m, dof);
  double ul[6];
  for (int blk = 0; blk < 2; ++blk) {
    const int o = 3 * blk;
    ul[o] = c * u_[dof[o]] + s * u_[dof[o + 1]];
    ul[o + 1] = -s * u_[dof[o]] + c * u_[dof[o + 1]];
    ul[o + 2] = u_[dof[o + 2]];
  }
  std::vector<double> out(6);
  for (int i = 0; i < 6; ++i) {
    out[i] = fe[i];
    for (int j = 0; j < 6; ++j) out[i] += kl[i][j] * ul[j];
  }
  return out;
}

double PlaneFrame::Moment(int m, double s) const {
  const std::vector<double> e = EndForces(m);
  double moment = e[1] * s - e[2] + members_[m].q * s * s / 2;
  for (const auto& [a, p] : members_[m].points)
    if (a < s) moment += p * (s - a);
  return moment;
}

double PlaneFrame::Shear(int m, double s) const {
  const std::vector<double> e = EndForces(m);
  double shear = e[1] + members_[m].q * s;
  for (const auto& [a, p] : members_[m].points)
    if (a < s) shear += p;
  return shear;
}

double PlaneFrame::Axial(int m, double /*s*/) const { return -EndForces(m)[0]; }

}  // namespace testing_support
