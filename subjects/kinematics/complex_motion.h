#pragma once

#include <string>

#include "subjects/shared_state.h"

// What the two complex-motion rows (a point in a channel of a turning figure) share: the law
// of the point along its channel, the factor that scales it, the transport-law line, the
// channel and bearing boxes, the rotation markers and the two figure catalogues.

namespace kinematics {

/// The polynomial part sigma0 of a channel law, with its value and derivatives at t1.
struct ChannelLaw {
  std::string ChannelLawText;       ///< e.g. "(t^2+50)", at most 29 characters
  int ChannelLawValue = 0;          ///< n = sigma0(t1), the figure's basic length R
  double RelativeVelocity = 0;      ///< sigma0'(t1)
  double RelativeAcceleration = 0;  ///< sigma0''(t1)
};

/// The law of kind 1..4 with constant b at t1; throws DegenerateDataError for another kind.
ChannelLaw MakeChannelLaw(int kind, int b, int t1);

/// The factor of the law by its class ('A', 'B' or 'C') and P5 (1..7): its text after \frc and
/// its value; throws IndexRangeError outside 1..7.
struct ChannelFactor {
  std::string text;
  double value = 0;
};
ChannelFactor ChannelLawFactor(char factor_class, int p5);

/// "$\omega_e=" |omega| "$~рад/с, \\ " for a figure turning at constant omega, else
/// "$\varphi_e=" c "t^2$, \\", each as one line; the rate (on the 0.01 grid) is written
/// with all its digits.
void WriteTransportLawLine(SharedState& s, bool constant_rate, double omega, double c);

/// The saveboxes "Hcirc" (a full circular channel) and "HcircD" (its lower half).
void DefineChannelRingBoxes(SharedState& s);
/// The savebox "ching": the hatching of a shaft bearing.
void DefineBearingHatchBox(SharedState& s);

/// A hinge with the rotation marker "Lmomp" (sense 1) or "Lmomm" and the label \omega_e.
void PutAngularVelocityMarker(SharedState& s, int sense, double x, double y);
/// The same with the label \varphi_e.
void PutRotationAngleMarker(SharedState& s, int sense, double x, double y);

/// Savebox "plan" + letter k of the figures turning about an axis perpendicular to them.
void DefineFlatFigureBox(SharedState& s, int k);
/// Where figure k (1..12) of that catalogue has its axis, in its savebox's coordinates.
double FlatFigureAxisX(int k);
double FlatFigureAxisY(int k);

/// Savebox "Plan" + letter k of the figures turning about an axis in their plane, with the
/// shaft and its bearings.
void DefineAxisFigureBox(SharedState& s, int k);

}  // namespace kinematics
