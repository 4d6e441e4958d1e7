#pragma once

// A plane-frame solver for answer checks, written from the direct stiffness method and kept
// apart from every generator: beam-column members (axial and bending stiffness), end releases
// for hinges, pin, roller and clamped supports, nodal forces and couples, and uniform and
// point loads across members. Axes: x to the right, y up, couples and rotations
// counter-clockwise positive.

#include <string>
#include <vector>

namespace testing_support {

class PlaneFrame {
 public:
  /// Adds a node and returns its index (from 0).
  int AddNode(double x, double y);
  /// Adds a member from node a to node b; `hinge_a` / `hinge_b` release the bending moment at
  /// that end. Returns its index (from 0).
  int AddMember(int a, int b, double ei = 1, double ea = 1e9, bool hinge_a = false,
                bool hinge_b = false);

  /// Supports: restrained translations and rotation of a node.
  void Fix(int node, bool x, bool y, bool rotation);
  void Pin(int node) { Fix(node, true, true, false); }
  void RollerY(int node) { Fix(node, false, true, false); }  ///< holds y only
  void RollerX(int node) { Fix(node, true, false, false); }  ///< holds x only
  void Clamp(int node) { Fix(node, true, true, true); }

  /// A force (fx, fy) and a couple m at a node.
  void NodalLoad(int node, double fx, double fy, double m = 0);
  /// A uniform load of intensity q across the whole member, in the direction of the member's
  /// local y axis (the member's direction turned a quarter counter-clockwise: up for a member
  /// drawn to the right).
  void UniformLoad(int member, double q);
  /// A point load p across the member (local y, as above) at distance `a` from its first end.
  void PointLoad(int member, double a, double p);

  /// Solves the frame; false (with Error() saying why) when the structure is a mechanism.
  bool Solve();
  const std::string& Error() const { return error_; }

  double Ux(int node) const;
  double Uy(int node) const;
  /// Rotation of the node (or of the member ends rigidly joined to it).
  double Rotation(int node) const;
  /// Reaction the supports apply to the structure at a node: 0 = x, 1 = y, 2 = couple.
  double Reaction(int node, int component) const;

  /// End forces the nodes apply to the member, in its local axes: N1, V1, M1, N2, V2, M2.
  std::vector<double> EndForces(int member) const;
  /// Bending moment at distance s from the member's first end; positive when it stretches
  /// the side opposite the local y axis (sagging, for a member drawn to the right with loads
  /// downward).
  double Moment(int member, double s) const;
  /// Shear at distance s, positive when the part before the section is pushed along local y.
  double Shear(int member, double s) const;
  /// Axial force at distance s, tension positive.
  double Axial(int member, double s) const;
  double Length(int member) const;

 private:
  struct Node {
    double x, y;
    bool fixed[3] = {false, false, false};
    double load[3] = {0, 0, 0};
  };
  struct Member {
    int a, b;
    double ei, ea;
    bool hinge[2];
    int rot_dof[2] = {-1, -1};  // a released end has a rotation of its own
    double q = 0;
    std::vector<std::pair<double, double>> points;  // (a, p)
  };
  void Dofs(int m, int dof[6]) const;
  void LocalStiffness(int m, double k[6][6]) const;
  void FixedEndForces(int m, double f[6]) const;
  void Cosines(int m, double& c, double& s) const;

  std::vector<Node> nodes_;
  std::vector<Member> members_;
  std::vector<double> u_, reaction_;
  std::string error_;
  bool solved_ = false;
};

}  // namespace testing_support
