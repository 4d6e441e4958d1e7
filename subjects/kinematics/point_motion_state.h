#pragma once

#include <string>

namespace kinematics {

/// The point-kinematics part of the program-wide state: the velocity and acceleration of a
/// moving point and what follows from them, and the law state that the law routines of the
/// point-motion rows share. Every routine sets what it uses before reading it.
struct PointMotion {
  // Velocity and acceleration components at t1 (cm/s, cm/s^2). PointAx and PointAy also serve
  // other generators as scratch for a point's acceleration components.
  double PointVx = 0, PointVy = 0, PointVz = 0;
  double PointAx = 0, PointAy = 0, PointAz = 0;
  double PointSpeed = 0;        ///< v
  double PointAccel = 0;        ///< |a|
  double TangentialAccel = 0;   ///< a_tau, signed
  double NormalAccel = 0;       ///< a_n, not negative
  double CurvatureRadius = 0;   ///< v^2 / a_n, or -1 on a straight path
  double LawFrequency = 0;      ///< the instant t1 (s) at which the current law is evaluated
  std::string FractionNumText;  ///< numerator digits left by ReduceFractionText (<= 6 chars)
  std::string FractionDenText;  ///< denominator digits left by ReduceFractionText (<= 6 chars)

  // The law state: coefficients and intermediate values of the current law.
  int LawA = 0, LawB = 0, LawC = 0, LawN = 0;
  double LawR1 = 0, LawR2 = 0, LawR3 = 0;
  double LawX1 = 0, LawY1 = 0;
  std::string T1Text;                           ///< the instant t1 as printed (<= 40 chars)
  std::string CurveName;                        ///< name of the current curve (<= 40 chars)
  std::string CoefTextA, CoefTextB, CoefTextC;  ///< coefficient digits pasted into law texts
};

}  // namespace kinematics
