#include "thin_walled.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <limits>
#include <stdexcept>

namespace thin_walled {

namespace {
constexpr double kEps = 1e-9;
}

int Section::NodeAt(double x, double y) {
  for (std::size_t k = 0; k < nodes_.size(); ++k) {
    if (std::fabs(nodes_[k].x - x) < kEps && std::fabs(nodes_[k].y - y) < kEps) {
      return static_cast<int>(k);
    }
  }
  nodes_.push_back({x, y});
  return static_cast<int>(nodes_.size()) - 1;
}

Section::Section(std::vector<Wall> walls) {
  // Split every wall at the points inside it where another wall ends or crosses it.
  auto inside = [](const Wall& a, double px, double py) {
    const double dx = a.x2 - a.x1, dy = a.y2 - a.y1, L2 = dx * dx + dy * dy;
    if (L2 < kEps) return false;
    const double s = ((px - a.x1) * dx + (py - a.y1) * dy) / L2;
    const double cross = (px - a.x1) * dy - (py - a.y1) * dx;
    return std::fabs(cross) < kEps * std::sqrt(L2) && s > kEps && s < 1 - kEps;
  };
  std::vector<std::pair<double, double>> cuts;
  for (const Wall& a : walls) {
    cuts.push_back({a.x1, a.y1});
    cuts.push_back({a.x2, a.y2});
    for (const Wall& b : walls) {
      const double rx = a.x2 - a.x1, ry = a.y2 - a.y1, sx = b.x2 - b.x1, sy = b.y2 - b.y1;
      const double d = rx * sy - ry * sx;
      if (std::fabs(d) < kEps) continue;
      const double u = ((b.x1 - a.x1) * sy - (b.y1 - a.y1) * sx) / d;
      cuts.push_back({a.x1 + u * rx, a.y1 + u * ry});
    }
  }
  for (bool split = true; split;) {
    split = false;
    for (std::size_t w = 0; w < walls.size() && !split; ++w) {
      for (const auto& [px, py] : cuts) {
        bool both = false;
        for (const Wall& o : walls) both |= &o != &walls[w] && (inside(o, px, py) ||
                                                               (std::fabs(o.x1 - px) < kEps && std::fabs(o.y1 - py) < kEps) ||
                                                               (std::fabs(o.x2 - px) < kEps && std::fabs(o.y2 - py) < kEps));
        if (!both || !inside(walls[w], px, py)) continue;
        Wall b = walls[w];
        walls[w].x2 = px, walls[w].y2 = py;
        b.x1 = px, b.y1 = py;
        walls.push_back(b);
        split = true;
        break;
      }
    }
  }
  for (const Wall& w : walls) {
    if (std::hypot(w.x2 - w.x1, w.y2 - w.y1) < kEps) continue;
    edges_.push_back({NodeAt(w.x1, w.y1), NodeAt(w.x2, w.y2), w.t});
  }
  if (edges_.size() + 1 != nodes_.size()) throw std::logic_error("not an open tree profile");

  auto& r = result_;
  const std::size_t n = nodes_.size();
  std::vector<double> one(n, 1), x(n), y(n);
  for (std::size_t k = 0; k < n; ++k) x[k] = nodes_[k].x, y[k] = nodes_[k].y;
  r.A = Integral(one, one);
  r.Sx = Integral(one, y);
  r.Sy = Integral(one, x);
  r.Jx = Integral(y, y);
  r.Jy = Integral(x, x);
  r.Jxy = Integral(x, y);
  r.xc = r.Sy / r.A;
  r.yc = r.Sx / r.A;
  std::vector<double> xc(n), yc(n);
  for (std::size_t k = 0; k < n; ++k) xc[k] = x[k] - r.xc, yc[k] = y[k] - r.yc;
  r.Jxc = Integral(yc, yc);
  r.Jyc = Integral(xc, xc);
  r.Jxyc = Integral(xc, yc);
  // omega is affine in the pole: omega(p, q) = w0 + p wx + q wy. The shear centre makes
  // the products with both centred coordinates vanish: a 2x2 system.
  const auto w0 = Sectorial(0, 0), w1 = Sectorial(1, 0), w2 = Sectorial(0, 1);
  std::vector<double> wx(n), wy(n);
  for (std::size_t k = 0; k < n; ++k) wx[k] = w1[k] - w0[k], wy[k] = w2[k] - w0[k];
  const double a11 = Integral(wx, xc), a12 = Integral(wy, xc), b1 = -Integral(w0, xc);
  const double a21 = Integral(wx, yc), a22 = Integral(wy, yc), b2 = -Integral(w0, yc);
  const double det = a11 * a22 - a12 * a21;
  r.xP = (b1 * a22 - a12 * b2) / det;
  r.yP = (a11 * b2 - a21 * b1) / det;
  omega_ = Sectorial(r.xP, r.yP);
  const double mean = Integral(omega_, one) / r.A;
  for (double& w : omega_) w -= mean;
  r.Jw = Integral(omega_, omega_);
  for (const Edge& e : edges_) {
    r.Jd += std::hypot(x[e.j] - x[e.i], y[e.j] - y[e.i]) * e.t * e.t * e.t / 3;
  }
}

Characteristics Section::Solve() const { return result_; }

std::vector<double> Section::Sectorial(double p, double q) const {
  // Traverse the tree from node 0; along a wall from i to j the coordinate grows by the
  // double area swept by the ray from the pole: (y_i - q)(x_j - p) - (y_j - q)(x_i - p).
  const std::size_t n = nodes_.size();
  std::vector<double> w(n, 0);
  std::vector<bool> known(n, false);
  known[0] = true;
  for (std::size_t done = 1; done < n;) {
    for (const Edge& e : edges_) {
      for (const auto& [i, j] : {std::pair{e.i, e.j}, std::pair{e.j, e.i}}) {
        if (known[i] && !known[j]) {
          const Node &a = nodes_[i], &b = nodes_[j];
          w[j] = w[i] + (a.y - q) * (b.x - p) - (b.y - q) * (a.x - p);
          known[j] = true;
          ++done;
        }
      }
    }
  }
  return w;
}

double Section::Integral(const std::vector<double>& f, const std::vector<double>& g) const {
  double s = 0;
  for (const Edge& e : edges_) {
    const Node &a = nodes_[e.i], &b = nodes_[e.j];
    const double L = std::hypot(b.x - a.x, b.y - a.y);
    s += e.t * L / 6 *
         (2 * f[e.i] * g[e.i] + f[e.i] * g[e.j] + f[e.j] * g[e.i] + 2 * f[e.j] * g[e.j]);
  }
  return s;
}

double Section::PrincipalOmega(double x, double y) const {
  for (const Edge& e : edges_) {
    const Node &a = nodes_[e.i], &b = nodes_[e.j];
    const double dx = b.x - a.x, dy = b.y - a.y, L2 = dx * dx + dy * dy;
    const double s = ((x - a.x) * dx + (y - a.y) * dy) / L2;
    if (std::fabs((x - a.x) * dy - (y - a.y) * dx) < 1e-7 * std::sqrt(L2) && s > -1e-9 &&
        s < 1 + 1e-9) {
      return omega_[e.i] + s * (omega_[e.j] - omega_[e.i]);
    }
  }
  return std::numeric_limits<double>::quiet_NaN();
}

namespace {

double ReadNumber(const std::string& s, std::size_t& at) {
  std::size_t used = 0;
  const double v = std::stod(s.substr(at), &used);
  at += used;
  return v;
}

}  // namespace

std::vector<std::vector<std::pair<double, double>>> ThickPaths(const std::string& main) {
  std::string text = main.substr(0, main.find("\\spe%"));
  for (std::size_t m; (m = text.find("\\multiput")) != std::string::npos;) {
    text.erase(m, text.find("}%", m) + 2 - m);
  }
  std::vector<std::vector<std::pair<double, double>>> paths;
  for (std::size_t at = 0; (at = text.find('\\', at)) != std::string::npos;) {
    const bool move = text.compare(at, 4, "\\mt{") == 0;
    const bool line = text.compare(at, 4, "\\pp{") == 0;
    if (!move && !line) {
      ++at;
      continue;
    }
    at += 4;
    const double x = ReadNumber(text, at);
    at += 2;  // "}{"
    const double y = ReadNumber(text, at);
    if (move || paths.empty()) paths.emplace_back();
    paths.back().push_back({x, y});
  }
  return paths;
}

std::pair<std::vector<double>, std::vector<double>> ChainLabels(const std::string& main) {
  const std::size_t h = main.find("%RAZMeR%begin%");
  const std::size_t v = main.find("%RAZMeR Vert %begin%");
  const std::size_t e = main.find("%RAZMeR End%");
  std::pair<std::vector<double>, std::vector<double>> out;
  if (h == std::string::npos || v == std::string::npos || e == std::string::npos) return out;
  auto read = [&](std::size_t from, std::size_t to, std::vector<double>& into) {
    for (std::size_t at = from; (at = main.find("\\scriptsize ", at)) < to;) {
      at += 12;
      into.push_back(ReadNumber(main, at));
    }
  };
  read(h, v, out.first);
  read(v, e, out.second);
  return out;
}

std::vector<double> ThroughChain(const std::vector<double>& values,
                                 const std::vector<double>& labels) {
  std::vector<double> stops = values;
  std::sort(stops.begin(), stops.end());
  std::vector<double> distinct;
  for (double s : stops) {
    if (distinct.empty() || s - distinct.back() > 0.02) distinct.push_back(s);
  }
  if (distinct.size() != labels.size() + 1) return {};
  std::vector<double> out;
  for (double val : values) {
    double u = 0;
    for (std::size_t k = 0; k < distinct.size() && distinct[k] < val - 0.02; ++k) u += labels[k];
    out.push_back(u);
  }
  return out;
}

double DoubleArea(const std::vector<std::pair<double, double>>& polygon) {
  double s = 0;
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    const auto& a = polygon[k];
    const auto& b = polygon[(k + 1) % polygon.size()];
    s += a.first * b.second - b.first * a.second;
  }
  return s;
}

}  // namespace thin_walled
