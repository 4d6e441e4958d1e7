#include "subjects/statics/compound_structure.h"

#include <cmath>
#include <string>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/point_set.h"
#include "figures/supports.h"
#include "subjects/structural/common/frame_helpers.h"
#include "toolkit/answers.h"
#include "toolkit/number_format.h"
#include "toolkit/picture_frames.h"
#include "toolkit/terms.h"
#include "toolkit/writers.h"

namespace statics {

namespace {

// A reaction the structure of this variant does not have.
const std::string kNoValueCell = " & " + std::string(toolkit::kNoValue) + " & ";

// A spare point index that holds the rod's foot L while the moments about it are summed.
constexpr int kPointL = 9;

std::string Fixed(double x, int w, int d) { return toolkit::FormatFixed(x, w, d); }

bool HangsAtNodeOne(const SharedState& s) { return s.FrameSlopeLen1 < 0 && s.FrameHorizLen1 == 0; }
bool HangsAtNodeSix(const SharedState& s) { return s.FrameSlopeLen2 < 0 && s.FrameHorizLen3 == 0; }

// The supports; returns the rod's foot x_L in picture units (scheme 2).
double DrawSupports(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  double x_l = 0;
  if (s.P4 == 1 || s.P4 == 2) {
    if (HangsAtNodeOne(s)) {
      PutUpHingeBox(s, x[1], y[1]);
    } else {
      PutHingeBox(s, x[1], y[1]);
    }
  }
  if (s.P4 == 1) {
    if (HangsAtNodeSix(s)) {
      PutBox(s, "uphing", x[6], y[6]);
    } else {
      PutHingeBoxAtPoint(s, 6);
    }
  } else if (s.P4 == 2) {
    x_l = x[4] - s.Scale * s.SupportOffset;
    const double l = s.Scale * 0.7 * std::abs(s.FrameSlopeLen2);
    if (HangsAtNodeSix(s)) {
      PutBox(s, "uphingmobil", x[6], y[6]);
    } else {
      PutRollerBoxAtPoint(s, 6);
    }
    // The rod's foot L may stand at the point K of the force Q, whose letter is already
    // written 5 pt left of K: then L goes beside it on the rod's far side.
    const double k_label_x = x[7] - 5, k_label_y = y[7] - 5 * s.ForceKSignY - 3;
    const auto put_l = [&](double label_y) {
      double label_x = x_l - 3;
      if (std::abs(label_x - k_label_x) < 7 && std::abs(label_y - k_label_y) < 6) {
        label_x = x_l >= x[7] ? k_label_x + 7 : k_label_x - 7;
      }
      PutLabel(s, "$L$", label_x, label_y);
    };
    if (s.FrameSlopeLen2 < 0) {
      DrawCircle(s, x_l, y[4] + 1.9, 3);
      DrawLatexLine(s, 0, 1, x_l, y[4] + 2.5, l - 2.5);
      PutUpHingeBox(s, x_l, y[4] + l + 2);
      PutLabel(s, "$O$", x_l - 8, y[4] + l);
      put_l(y[4] - 8);
    } else {
      DrawCircle(s, x_l, y[4] - 1.7, 3);
      DrawLatexLine(s, 0, -1, x_l, y[4] - 2.3, l - 2);
      PutHingeBox(s, x_l, y[4] - l - 2);
      PutLabel(s, "$O$", x_l + 3, y[4] - l - 3);
      put_l(y[4] + 2);
    }
  } else {
    const int clamp = s.FrameHorizLen1 != 0 ? 6 : 1;
    const int roller = 7 - clamp;
    if (s.FrameSlopeLen1 < 0) {
      PutUpFixedSupportBox(s, x[clamp], y[clamp] - 1);
      PutBox(s, "uphingmobil", x[roller], y[roller]);
    } else {
      PutFixedSupportBox(s, x[clamp], y[clamp]);
      PutRollerBoxAtPoint(s, roller);
    }
  }
  return x_l;
}

void DrawFrame(SharedState& s) {
  SetLineWidth(s, 1);
  structural::PutAngleMarkBoxes(s);
  SetLineWidth(s, 10);
  WriteText(s, "\\OliveGreen{");
  if (s.FrameHorizLen1 != 0) {
    DrawSegmentFromNodeRev(s, 2, 1);
    DrawSegmentFromNodeRev(s, 2, 3);
    DrawSegmentFromNodeRev(s, 4, 3);
    DrawSegmentFromNodeRev(s, 4, 5);
    DrawNodeMarker(s, 3);
  } else {
    DrawSegmentFromNodeRev(s, 3, 2);
    DrawSegmentFromNodeRev(s, 3, 4);
    DrawSegmentFromNodeRev(s, 5, 4);
    DrawSegmentFromNodeRev(s, 5, 6);
    DrawNodeMarker(s, 4);
  }
  WriteText(s, "}");
}

void DrawLetters(SharedState& s) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  const auto sign = [](double v) { return toolkit::SignOf(v); };
  if (s.FrameHorizLen1 != 0) {
    PutLabel(s, "$A$", x[1] - 6 * sign(s.FrameHorizLen1) - 4, y[1] - 2);
    PutLabel(s, "$B$", x[2] + 1, y[2] - 6 * sign(s.FrameSlopeLen1) - 3);
    PutLabel(s, "$C$", x[3] - 9, y[3] - 3);
    PutLabel(s, "$D$", x[4] + 2, y[4] - 3);
    if (s.P4 == 3) {
      PutLabel(s, "$E$", x[5] + 6 + 5.5 * sign(s.FrameSlopeLen1),
               y[5] + 5.5 * sign(s.FrameSlopeLen1) - 2);
    } else {
      PutLabel(s, "$E$", x[5] + 6, y[5] + 2);
    }
  } else {
    if (s.P4 == 3) {
      PutLabel(s, "$A$", x[1] - 10, y[1] + 6 * sign(s.FrameSlopeLen1) - 2);
    } else {
      PutLabel(s, "$A$", x[1] - 10, y[1] - 3);
    }
    PutLabel(s, "$B$", x[3] - 9, y[3] - 5);
    PutLabel(s, "$C$", x[4] + 3, y[4] - 4);
    PutLabel(s, "$D$", x[5] + 2, y[5] + 2);
    PutLabel(s, "$E$", x[6] + 6 * sign(s.FrameHorizLen3) - 3, y[6] - 3);
  }
}

void WriteData(SharedState& s) {
  const int first = s.FrameHorizLen1 != 0 ? 1 : 2;  // AB is segment 1-2 or 2-3
  const auto length = [&s, first](int k) { return s.FrameSegmentLength[first + k]; };
  WriteLine(s, "\\vskip2mm\\noindent\\parbox[b]{217pt}{\\small ");
  WriteTextNumberLn(s, " $P=", s.ForceValue[1], "$~kN,");
  WriteTextNumberLn(s, "  $Q=", s.ForceValue[2], "$~kN,");
  if (s.Level != 1) {
    WriteText2NumbersLn(s, " $M=", std::abs(s.CoupleMoment),
                        "$~kNm,\\\\  $\\rho=", s.FrameWeightPerMetre, "$~kN/m, ");
  }
  WriteTextNumberLn(s, " $\\alpha=60^\\circ,$ $\\beta=", s.LoadAngle1, "^\\circ,$ \\\\ ");
  WriteText2NumbersLn(s, " $AB=", length(0), "$~m, $BC=", length(1), "$~m,  ");
  WriteText2NumbersLn(s, " $CD=", length(2), "$~m, \\\\ $DE=", length(3), "$~m, ");
  WriteTextNumberLn(s, " $CN=", s.ForcePDistance, "$~m, ");
  if (s.FrameHorizLen1 == 0) {
    WriteTextNumberLn(s, " $BK=", s.ForceKDistance, "$~m. ");
    if (s.P4 == 2) {
      WriteTextNumberLn(s, " $LC=", s.SupportOffset, "$~m.\\par }");
    } else {
      WriteLine(s, "\\par }");
    }
  } else {
    WriteTextNumberLn(s, "$CK=", s.ForceKDistance, "$~m.");
    if (s.P4 == 2) {
      WriteTextNumberLn(s, " $LD=", s.SupportOffset, "$~m\\par }");
    } else {
      WriteLine(s, "\\par }");
    }
  }
}

// The solution by scheme; points in metres, x_l the rod's foot.
void SolveCompoundStructure(SharedState& s, double x_l) {
  const auto& x = s.PointX;
  const auto& y = s.PointY;
  const double rho = s.FrameWeightPerMetre;
  double weight = 0;
  for (int i = 1; i <= 5; ++i) weight += rho * s.FrameSegmentLength[i];
  const double left_weight_moment = rho * (std::abs(s.FrameSlopeLen1) * (x[3] - x[2]) / 2 +
                                           std::abs(s.FrameHorizLen1) * (x[3] - (x[1] + x[2]) / 2));
  const double right_weight_moment =
      s.FrameHorizLen3 == 0 ? -rho * (std::abs(s.FrameSlopeLen2) * ((x[4] + x[5]) / 2 - x[3]) +
                                      s.FrameHorizLen2 * s.FrameHorizLen2 / 2.0)
                            : -rho * (std::abs(s.FrameSlopeLen2) * (x[5] - x[4]) / 2 +
                                      std::abs(s.FrameHorizLen3) * ((x[5] + x[6]) / 2 - x[4]));
  const double p_h = s.ForcePHorizontal;
  const bool c_is_three = s.FrameHorizLen1 != 0;
  const std::string n = Fixed(toolkit::PrintedVariantNumber(s), 2, 0);
  double xa = 0, ya = 0, xe = 0, ye = 0, rod = 0, clamp = 0;
  switch (s.P4) {
    case 1:
      Ans2WriteLine(s, n);
      if (c_is_three) {
        s.UnknownName1 = "X_A";
        s.UnknownName2 = "Y_A";
        structural::Solve2x2Cramer(s, y[3] - y[1], x[1] - x[3],
                                   left_weight_moment + (y[3] - y[8]) * p_h, y[5] - y[1],
                                   x[1] - x[5], structural::SumMomentsAboutNode(s, 5));
        xa = s.CramerSolution1;
        ya = s.CramerSolution2;
        ye = weight - ya - s.NodeForceY[7];
        xe = -xa - s.NodeForceX[7] - p_h;
      } else {
        s.UnknownName1 = "X_E";
        s.UnknownName2 = "Y_E";
        structural::Solve2x2Cramer(s, y[4] - y[5], x[6] - x[4],
                                   right_weight_moment + (y[4] - y[8]) * p_h, y[2] - y[6],
                                   x[6] - x[2], structural::SumMomentsAboutNode(s, 2));
        xe = s.CramerSolution1;
        ye = s.CramerSolution2;
        ya = weight - ye - s.NodeForceY[7];
        xa = -xe - s.NodeForceX[7] - p_h;
      }
      AnsWriteLine(s, n + "&" + Fixed(xa, 8, 3) + "&" + Fixed(ya, 8, 3) + "&" + Fixed(xe, 9, 3) +
                          "&" + Fixed(ye, 8, 3) + kNoValueCell);
      break;
    case 2:
      Ans2WriteLine(s, n);
      xa = -s.NodeForceX[7] - p_h;
      if (c_is_three) {
        s.UnknownName1 = "Y_E";
        s.UnknownName2 = "S ";
        structural::Solve2x2Cramer(
            s, x[5] - x[1], x_l - x[1], structural::SumMomentsAboutNode(s, 1), x[5] - x[3],
            x_l - x[3], (x[7] - x[3]) * s.NodeForceY[7] + s.CoupleMoment + right_weight_moment);
        ye = s.CramerSolution1;
        rod = s.CramerSolution2;
        ya = weight - ye - s.NodeForceY[7] - rod;
      } else {
        const double right_about_c = right_weight_moment + (y[4] - y[8]) * p_h;
        ye = right_about_c / (x[4] - x[6]);
        rod = -((x[6] - x[1]) * ye + structural::SumMomentsAboutNode(s, 1)) / (x_l - x[2]);
        ya = weight - ye - s.NodeForceY[7] - rod;
        Ans2WriteLine(s, "&$");
        Ans2Write(s,
                  toolkit::TermSum("\\cdot ").Add(x[4] - x[6], "Y_E").Text() + "=" +
                      toolkit::TermSum().Add((y[4] - y[8]) * p_h).Add(right_weight_moment).Text() +
                      ";$ $");
        // The whole structure about the rod's foot L, where the rod force has no moment.
        s.PointX[kPointL] = x_l;
        s.PointY[kPointL] = y[4];
        const double loads_about_l = structural::SumMomentsAboutNode(s, kPointL);
        Ans2Write(s, toolkit::TermSum("\\cdot ").Add(x_l - x[2], "Y_A").Text() + "=" +
                         toolkit::TermSum("\\cdot ")
                             .Add(x[6] - x_l, "Y_E")
                             .Add(y[4] - y[1], "X_A")
                             .Add(loads_about_l)
                             .Text() +
                         ";$  ");
      }
      AnsWrite(s, n + "&" + Fixed(xa, 8, 3) + "&" + Fixed(ya, 8, 3) + kNoValueCell +
                      Fixed(ye, 8, 3) + "&" + Fixed(rod, 9, 3) + " & ");
      break;
    default:
      Ans2Write(s, n + " & $");
      if (c_is_three) {
        const double left_about_c = left_weight_moment + (y[3] - y[8]) * p_h;
        const double loads_about_e = structural::SumMomentsAboutNode(s, 5);
        ya = left_about_c / (x[3] - x[1]);
        xe = -s.NodeForceX[7] - p_h;
        ye = weight - ya - s.NodeForceY[7];
        clamp = (x[5] - x[1]) * ya - loads_about_e;
        AnsWriteLine(s, n + kNoValueCell + Fixed(ya, 8, 3) + "&" + Fixed(xe, 8, 3) + "&" +
                            Fixed(ye, 8, 3) + kNoValueCell + Fixed(clamp, 9, 3));
        Ans2Write(s, "Y_A=");
        Ans2WriteNumber(s, left_about_c);
        Ans2Write(s, "/(");
        Ans2WriteNumber(s, x[3] - x[1]);
        Ans2Write(s, ")$;\\  $M_E=");
        Ans2WriteNumber(s, -loads_about_e);
        Ans2Write(s, "+Y_A(");
        Ans2WriteNumber(s, x[5] - x[1]);
        Ans2Write(s, ") $");
      } else {
        const double right_about_c = right_weight_moment + (y[4] - y[8]) * p_h;
        const double loads_about_a = structural::SumMomentsAboutNode(s, 2);
        ye = right_about_c / (x[4] - x[6]);
        xa = -s.NodeForceX[7] - p_h;
        ya = weight - ye - s.NodeForceY[7];
        clamp = (x[2] - x[6]) * ye - loads_about_a;
        AnsWriteLine(s, n + " &" + Fixed(xa, 8, 3) + "&" + Fixed(ya, 8, 3) + kNoValueCell +
                            Fixed(ye, 8, 3) + kNoValueCell + Fixed(clamp, 9, 3));
        Ans2Write(
            s, toolkit::TermSum("\\cdot ").Add(x[4] - x[6], "Y_E").Text() + "=" +
                   toolkit::TermSum().Add((y[4] - y[8]) * p_h).Add(right_weight_moment).Text() +
                   "; $ $M_A=" +
                   toolkit::TermSum("\\cdot ").Add(-loads_about_a).Add(x[2] - x[6], "Y_E").Text() +
                   "$; ");
      }
      break;
  }
}

}  // namespace

void BeginCompoundStructureProblem(SharedState& s) {
  s.ParboxWidth = 205;
  structural::DefineAngleMarkBoxes(s);
  AnsBeginTable(s, 9);
  Ans2BeginTable(s, 5);
  Ans2WriteLine(s, "\\No & equations \\\\\\hline ");
  WriteLine(s, "Determine the reaction of the supports.");
  if (s.Level != 1) {
    WriteLine(s, "The system located in a vertical plane. Linear weight $ \\rho$ is given.");
  }
  AnsWriteLine(s,
               "\\ru  &\\mc{$X_A$}&\\mc{$Y_A$}&\\mc{$X_E$}&\\mc{$Y_E $}&\\mc{$S_{OL}$}&"
               "\\mc{$M$}\\\\\\hline");
}

void WriteCompoundStructureVariant(SharedState& s) {
  structural::SetUpHeavyFrame(s);
  s.ForceValue[2] = s.P5 / 3 + 1;
  s.CoupleMoment = s.P5 % 2 == 0 ? 2 * s.P3 + 1 : -3 * s.P4;
  if (s.Level == 1) s.CoupleMoment = 0;
  s.ForceValue[1] = s.P3 + s.P4 + 2;
  FitPointsToBox(s, 6, 10);
  WriteText(s, "\\vskip2mm");
  // The frame is up to 17 m wide at 10 pt/m, with the supports' hatching and the letters
  // around it: the picture reserves the box's whole width and room for the hatching under
  // the lowest support, so that it stays clear of the data lines below.
  BeginPicture(s, 246, 88, -59, -10);
  structural::DrawForcePAtPointN(s);
  structural::DrawCoupleAndForceK(s);
  const double x_l = DrawSupports(s);
  DrawFrame(s);
  DrawLetters(s);
  SetLineWidth(s, 1);
  EndPicture(s);
  ScalePoints(s, 8);
  s.FrameSegmentLength[1] = std::abs(s.FrameHorizLen1);
  s.FrameSegmentLength[2] = std::abs(s.FrameSlopeLen1);
  s.FrameSegmentLength[3] = s.FrameHorizLen2;
  s.FrameSegmentLength[4] = std::abs(s.FrameSlopeLen2);
  s.FrameSegmentLength[5] = std::abs(s.FrameHorizLen3);
  WriteData(s);
  SolveCompoundStructure(s, x_l / s.Scale);
}

}  // namespace statics
