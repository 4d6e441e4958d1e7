#pragma once

#include <cstdint>
#include <string>

#include "toolkit/indexed_array.h"
#include "toolkit/state.h"

namespace figures {

/// The figure library's part of the program-wide state (point set and drawing state),
/// on top of the toolkit's part, whose main file the drawing routines write.
struct Figure : toolkit::Run {
  // The point set: point k of a figure is element k (from 1); element 0 is never used.
  toolkit::TPointArray PointX{};
  toolkit::TPointArray PointY{};
  double Scale = 1;        ///< picture units per problem unit; set by FitPointsToBox or a generator
  int BoxWidth = 0;        ///< target box of a fit, picture units; each generator sets it
  int BoxHeight = 0;       ///< target box of a fit, picture units; each generator sets it
  double RangeX = 0;       ///< x extent of the last fitted points
  double RangeY = 0;       ///< y extent of the last fitted points
  double AxisFactorX = 0;  ///< x factor of FitPointsToBoxRounded
  double AxisFactorY = 0;  ///< y factor of FitPointsToBoxRounded
  double RoundedUnit = 0;  ///< the smaller of the two rounded axis factors
  toolkit::TPointArray DimensionStops{};  ///< sorted distinct coordinates, 1..DimensionStopCount
  int DimensionStopCount = 0;
  toolkit::IndexedArray<std::uint8_t, 1, 3> BaseDigits{};  ///< digits of ByteToBaseDigits

  // Drawing switches; ResetDrawingState restores these start-up values.
  double NodeGap = 1.5;                      ///< gap at both ends of a bar (DrawBar)
  int ArrowSize = 3;                         ///< barb length of em-line arrowheads
  double ArrowHeadLength = 0;                ///< barb length of DrawEmArrow
  std::string LabelStyle = "\\Brown";        ///< style macro of PutLabel
  std::string BlockColour = "\\OliveGreen";  ///< colour macro of DrawRotatedBlock
  bool BlockCentred = false;      ///< DrawRotatedBlock centres its rectangle on the point
  int WeightBoxSize = 8;          ///< side of the block in the weight savebox
  bool WeightBoxLabelled = true;  ///< the weight savebox carries its letter
  bool HatchTickStyle = false;    ///< DrawHatchTicks draws vertical ticks
  bool DimensionXFixed = false;   ///< DrawDimensionV uses its x unchanged
  bool LabelAbsolute = false;     ///< AnsPutValueLabelOneDecimal labels |v|
  double LineEndX = 0;            ///< end point of the last line that records it
  double LineEndY = 0;
  toolkit::IndexedArray<std::uint8_t, 1, 40> NodeKinds{};  ///< 1 plain end, 2 hinged end
};

/// Restores every drawing switch (gap, arrow sizes, styles, colours, flags, line end, node
/// kinds) to its start-up value; the point set, scale and box are left as they are.
void ResetDrawingState(Figure& f);

}  // namespace figures
