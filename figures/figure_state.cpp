#include "figures/figure_state.h"

namespace figures {

void ResetDrawingState(Figure& f) {
  f.NodeGap = 1.5;
  f.ArrowSize = 3;
  f.ArrowHeadLength = 0;
  f.LabelStyle = "\\Brown";
  f.BlockColour = "\\OliveGreen";
  f.BlockCentred = false;
  f.WeightBoxSize = 8;
  f.WeightBoxLabelled = true;
  f.HatchTickStyle = false;
  f.DimensionXFixed = false;
  f.LabelAbsolute = false;
  f.LineEndX = 0;
  f.LineEndY = 0;
  f.NodeKinds.Fill(0);
}

}  // namespace figures
