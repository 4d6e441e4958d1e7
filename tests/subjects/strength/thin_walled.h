#pragma once

#include <string>
#include <utility>
#include <vector>

// A thin-walled section made of straight walls, integrated along their mid-lines (the
// moment of inertia of a wall about its own mid-line neglected).
namespace thin_walled {

struct Wall {
  double x1, y1, x2, y2, t;
};

struct Characteristics {
  double A = 0, Sx = 0, Sy = 0, Jx = 0, Jy = 0, Jxy = 0;  // about the given axes
  double xc = 0, yc = 0, Jxc = 0, Jyc = 0, Jxyc = 0;      // about the centroid
  double xP = 0, yP = 0;                                  // shear centre
  double Jw = 0;                                          // principal sectorial moment
  double Jd = 0;                                          // sum of L t^3 / 3
};

class Section {
 public:
  /// Walls are split where an end of one lies inside another; the walls must form one
  /// open (tree-like) profile.
  explicit Section(std::vector<Wall> walls);
  Characteristics Solve() const;
  /// The principal sectorial coordinate at (x, y), a point on the mid-line (NaN elsewhere).
  double PrincipalOmega(double x, double y) const;

 private:
  struct Node {
    double x, y;
  };
  std::vector<Node> nodes_;
  struct Edge {
    int i, j;
    double t;
  };
  std::vector<Edge> edges_;
  std::vector<double> omega_;  // principal sectorial coordinate at the nodes
  int NodeAt(double x, double y);
  std::vector<double> Sectorial(double p, double q) const;
  double Integral(const std::vector<double>& f, const std::vector<double>& g) const;
  Characteristics result_;
};

/// The thick lines of a figure: the \mt/\pp paths written before the first return to the
/// thin pen ("\spe%"), dashed \multiput lines left out. Each \mt starts a new polyline.
std::vector<std::vector<std::pair<double, double>>> ThickPaths(const std::string& main);

/// The labels of the horizontal and of the vertical dimension chain, in order.
std::pair<std::vector<double>, std::vector<double>> ChainLabels(const std::string& main);

/// values (picture coordinates) mapped to problem units through a chain: the distinct sorted
/// values are the chain's stops, labels the lengths between them. Empty when the counts differ.
std::vector<double> ThroughChain(const std::vector<double>& values,
                                 const std::vector<double>& labels);

/// Twice the signed area of a closed polygon.
double DoubleArea(const std::vector<std::pair<double, double>>& polygon);

}  // namespace thin_walled
