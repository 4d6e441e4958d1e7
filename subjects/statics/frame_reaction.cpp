#include "subjects/statics/frame_reaction.h"

#include <cmath>
#include <numbers>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// The letters at the two ends of the frame: the hinge A and the rod H change ends for P4 = 3.
struct EndLetters {
  std::string node_one, node_six;
  double gamma_x = 0, gamma_y = 0;  // where the rod's support box writes its angle gamma
};

// Where the rod's support box at (x, y) writes gamma: under the hinge, or over it when the
// rod hangs.
void NoteGamma(EndLetters& letters, double x, double y, bool up) {
  letters.gamma_x = up ? x + 1 : x - 0.2;
  letters.gamma_y = up ? y + 4 : y - 6.87;
}

std::string Fixed(double x, int w, int d) { return toolkit::FormatFixed(x, w, d); }

// The end of the frame at which the frame runs downwards from its support gets the hanging
// ("up") form of the support.
bool HangsAtNodeOne(const SharedState& s) { return s.FrameSlopeLen1 < 0 && s.FrameHorizLen1 == 0; }
bool HangsAtNodeSix(const SharedState& s) { return s.FrameSlopeLen2 < 0 && s.FrameHorizLen3 == 0; }

void PutUpInclinedHingeAtNode(SharedState& s, int node) {
  PutBox(s, "uphingnakl", s.PointX[node], s.PointY[node]);
  s.FrameAngle2Rad = std::numbers::pi - s.FrameAngle2Rad;
}

// Whether the standing rod's gamma at `node` would be written over the letter of Q, which
// points at the rod from the frame's middle segment in some frames; the hanging form of the
// rod then keeps gamma above the frame. The figure and the reactions both follow the form
// drawn, so the answers stay those of the drawn frame.
bool GammaMeetsForceLetter(const SharedState& s, int node) {
  const auto q = structural::NodeForceLetterAt(s, 7, s.ForceKSignX, s.ForceKSignY, 2);
  if (!q) return false;
  EndLetters standing;
  NoteGamma(standing, s.PointX[node], s.PointY[node], false);
  const double gx = standing.gamma_x, gy = standing.gamma_y;  // about 5 x 7.3 pt
  const double qx = q->first, qy = q->second, qw = figures::LabelWidth("$\\vec Q$", 8), qh = 7;
  constexpr double kAir = 1;
  return qx < gx + 5 + kAir && gx < qx + qw + kAir && qy < gy + 7.3 + kAir &&
         gy < qy + qh + kAir;
}

EndLetters PutSupports(SharedState& s) {
  if (s.P4 == 1 || s.P4 == 2) {
    if (HangsAtNodeOne(s)) {
      PutUpHingeBox(s, s.PointX[1], s.PointY[1]);
    } else {
      PutHingeBox(s, s.PointX[1], s.PointY[1]);
    }
    const bool hangs = HangsAtNodeSix(s) || GammaMeetsForceLetter(s, 6);
    if (hangs) {
      PutUpInclinedHingeAtNode(s, 6);
    } else {
      PutBox(s, "hingnakl", s.PointX[6], s.PointY[6]);
    }
    EndLetters letters{"A", "H"};
    NoteGamma(letters, s.PointX[6], s.PointY[6], hangs);
    return letters;
  }
  EndLetters letters{"H", "A"};
  const bool hangs = HangsAtNodeOne(s) || GammaMeetsForceLetter(s, 1);
  NoteGamma(letters, s.PointX[1], s.PointY[1], hangs);
  if (hangs) {
    PutUpInclinedHingeAtNode(s, 1);
  } else {
    PutBox(s, "hingnakl", s.PointX[1], s.PointY[1]);
  }
  if (HangsAtNodeSix(s)) {
    PutUpHingeBox(s, s.PointX[6], s.PointY[6]);
  } else {
    PutHingeBox(s, s.PointX[6], s.PointY[6]);
  }
  return letters;
}

// The frame line with its letters; returns the four printed lengths in order.
void DrawFrameAndLetters(SharedState& s, const EndLetters& letters, double (&lengths)[4]) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  const auto sign = [](double v) { return toolkit::SignOf(v); };
  // The rod's letter H stands beside its support, whose box writes gamma there too: where
  // their boxes (about 6 x 5.5 and 5 x 7.3 pt, gamma's tail 2 pt below its line) meet, H
  // moves up or down the least that clears gamma.
  const auto put_end = [&](const std::string& letter, double lx, double ly) {
    const double gx = letters.gamma_x, gy = letters.gamma_y;
    if (letter == "H" && lx < gx + 5 && gx < lx + 6 && ly < gy + 7.3 && gy - 2 < ly + 5.5) {
      ly = ly >= gy ? gy + 7.8 : gy - 7.5;
    }
    PutLabel(s, "$" + letter + "$", lx, ly);
  };
  if (s.FrameHorizLen1 != 0) {
    DrawSegmentFromNodeRev(s, 2, 1);
    LineToPoint(s, 3);
    LineToPoint(s, 4);
    DrawSegmentFromNodeRev(s, 4, 5);
    put_end(letters.node_one, x[1] - 6 * sign(s.FrameHorizLen1) - 4, y[1] - 2);
    PutLabel(s, "$B$", x[2] + 2, y[2] - 6 * sign(s.FrameSlopeLen1) - 3);
    PutLabel(s, "$C$", x[3] - 9, y[3] - 3);
    PutLabel(s, "$D$", x[4] + 2, y[4] - 3);
    put_end(letters.node_six, x[5] + 4, y[5] - 3);
    lengths[0] = std::abs(s.FrameHorizLen1);
    lengths[1] = std::abs(s.FrameSlopeLen1);
    lengths[2] = std::abs(s.FrameHorizLen2);
    lengths[3] = std::abs(s.FrameSlopeLen2);
  } else {
    DrawSegmentFromNodeRev(s, 3, 2);
    LineToPoint(s, 4);
    LineToPoint(s, 5);
    DrawSegmentFromNodeRev(s, 5, 6);
    put_end(letters.node_one, x[2] - 10, y[2] - 3);
    PutLabel(s, "$B$", x[3] - 10, y[3] - 4);
    PutLabel(s, "$C$", x[4] + 3, y[4] - 4);
    PutLabel(s, "$D$", x[5] + 2, y[5] + 2);
    put_end(letters.node_six, x[6] + 6 * sign(s.FrameHorizLen3) - 4, y[6] - 3);
    lengths[0] = std::abs(s.FrameSlopeLen1);
    lengths[1] = std::abs(s.FrameHorizLen2);
    lengths[2] = std::abs(s.FrameSlopeLen2);
    lengths[3] = std::abs(s.FrameHorizLen3);
  }
}

void SolveFrameReactions(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  double weight = 0;
  for (int i = 1; i <= 5; ++i) weight += s.FrameSegmentLength[i] * s.FrameWeightPerMetre;
  const int a = s.P4 == 3 ? 6 : 1;  // the hinge
  const int r = s.P4 == 3 ? 1 : 6;  // the rod
  const double gamma = s.FrameAngle2Rad;
  const double moment = SumMomentsAboutNode(s, a);
  const double h = (x[r] - x[a]) * std::sin(gamma) - (y[r] - y[a]) * std::cos(gamma);
  const std::string variant = std::to_string(toolkit::PrintedVariantNumber(s));
  if (std::fabs(h) < 1e-9) {
    throw toolkit::DegenerateDataError("Statics row 4, variant " + variant +
                                       ": the line of the rod H passes through the hinge A");
  }
  const double rod = -moment / h;
  const double ya = weight - s.NodeForceY[7] - rod * std::sin(gamma);
  const double xa = -rod * std::cos(gamma) - s.NodeForceX[7] - s.ForcePHorizontal;
  std::string cells = "&" + Fixed(s.PartialMoment2, 9, 3) + "&" + Fixed(s.PartialMoment3, 9, 3);
  if (s.Level != 1) cells += "&" + Fixed(s.PartialMoment1, 9, 1);
  cells +=
      "&" + Fixed(h, 9, 3) + "&" + Fixed(xa, 8, 3) + "&" + Fixed(ya, 8, 3) + "&" + Fixed(rod, 9, 3);
  AnsWrite(s, cells);
  // The moments about the rod node must balance too. A window program has no console for a
  // diagnostic, so a failure stops the Start with a message instead of passing unseen.
  const double residual = SumMomentsAboutNode(s, r) + (x[a] - x[r]) * ya - (y[a] - y[r]) * xa;
  if (!(std::fabs(residual) <= 1e-6)) {
    throw toolkit::DegenerateDataError("Statics row 4, variant " + variant +
                                       ": the reactions leave a moment of " +
                                       Fixed(residual, 6, 3) + " kNm about the rod node");
  }
}

}  // namespace

void BeginFrameReactionProblem(SharedState& s) {
  s.ParboxWidth = 200;
  s.SpareReal5 = 48;
  structural::DefineAngleMarkBoxes(s);
  DefineInclinedHingeBox(s, "\\gamma", 1);
  DefineUpInclinedHingeBox(s);
  AnsWrite(s, "\\tabcolsep=1pt");
  AnsBeginTable(s, 8);
  AnsWriteLine(s, "  &\\mc{$ M_A(Q) $}&\\mc{$ M_A(P) $}&");
  if (s.Level == 1) {
    AnsWriteLine(s, " \\mc{$h$}&\\mc{$ X_A $}&\\mc{$ Y_A $}&\\mc{$ R_H $}\\\\\\hline");
  } else {
    AnsWriteLine(s,
                 "\\mc{ $ \\Sigma_k M_A(G_k) $}&\\mc{$h$}&\\mc{$ X_A $}&\\mc{$ Y_A $}&"
                 "\\mc{$ R_H $}\\\\\\hline");
  }
  if (s.Level == 1) {
    // Level 1 gives no weight and no couple: the statement names only what is given.
    WriteLine(s,
              "A weightless frame is located in the vertical plane and is based on a fixed "
              "hinge $A$ and the inclined weightless rod $H$.");
    WriteLine(s,
              "The horizontal force $P$ and the inclined force $Q$ are attached to the frame. "
              "Determine the reaction of the supports.\\vskip2mm");
  } else {
    WriteLine(s,
              "A heavy uniform frame is located in the vertical plane and is based on a fixed "
              "hinge $A$ and the inclined weightless rod $H$.");
    WriteLine(s,
              "The horizontal force $P$, inclined force $Q$ and couple of moment $M$ are "
              "attached to the frame. Given the linear weight of the frame $\\rho$. Determine "
              "the reaction of the supports.\\vskip2mm");
  }
  WriteBookReference(s, 31);
}

void WriteFrameReactionVariant(SharedState& s) {
  structural::SetUpHeavyFrame(s);
  s.FrameSegmentLength[1] = std::abs(s.FrameHorizLen1);
  s.FrameSegmentLength[2] = std::abs(s.FrameSlopeLen1);
  s.FrameSegmentLength[3] = std::abs(s.FrameHorizLen2);
  s.FrameSegmentLength[4] = std::abs(s.FrameSlopeLen2);
  s.FrameSegmentLength[5] = std::abs(s.FrameHorizLen3);
  FitPointsToBox(s, 6, 8);
  WriteText(s, "\\par");
  // The loads, supports and letters reach 34 pt past the frame's right end (x = 118) and
  // 3 pt over its top: the picture reserves them, with 3 pt of air under the heading.
  BeginPicture(s, 175, s.SpareReal5 + 31, -22, -12);
  structural::DrawForcePAtPointN(s);
  structural::DrawCoupleAndForceK(s);
  const EndLetters letters = PutSupports(s);
  structural::PutAngleMarkBoxes(s);
  SetLineWidth(s, 9);
  double lengths[4] = {0, 0, 0, 0};
  DrawFrameAndLetters(s, letters, lengths);
  SetLineWidth(s, 1);
  EndPicture(s);

  WriteLine(s, "\\vskip2mm\\parbox[b]{195pt}{\\small ");
  if (s.Level != 1) WriteTextNumberLn(s, "$\\rho=", s.FrameWeightPerMetre, "$~kN/m, ");
  WriteText2NumbersLn(s, " $P=", s.ForceValue[1], "$~kN, $Q=", s.ForceValue[2], "$~kN, \\\\ ");
  if (s.Level != 1) WriteTextNumberLn(s, "$M=", std::abs(s.CoupleMoment), "$~kNm,");
  WriteTextNumberLn(s, " $\\alpha=60^\\circ,$ $\\beta=", s.LoadAngle1, "^\\circ,$ ");
  WriteTextNumberLn(s, "  $\\gamma=", s.LoadAngle2, "^\\circ$,\\\\");
  WriteTextNumberLn(s, " $" + letters.node_one + "B=", lengths[0], "$~m, ");
  WriteTextNumberLn(s, "$BC=", lengths[1], "$~m, ");
  WriteTextNumberLn(s, "$CD=", lengths[2], "$~m,\\\\ ");
  WriteTextNumberLn(s, "$D" + letters.node_six + "=", lengths[3], "$~m,");
  WriteTextNumberLn(s, s.FrameHorizLen1 == 0 ? "$BK=" : "$CK=", s.ForceKDistance, "$~m,");
  WriteTextNumberLn(s, " $CN=", s.ForcePDistance, "$~m.\\vskip1mm} ");

  AnsWrite(s, Fixed(toolkit::PrintedVariantNumber(s), 2, 0));
  ScalePoints(s, 8);
  SolveFrameReactions(s);
}

}  // namespace statics
