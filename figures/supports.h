#pragma once

#include <string_view>

#include "figures/figure_state.h"

namespace figures {

// Supports, springs, blocks and hatching. Recurring symbols are saveboxes: the program
// defines some (Define...Box, once per document each, since a name cannot be defined twice)
// and places them and the boxes of sav.txt with \put and \usebox. Every routine throws
// IoError when the main file cannot be written.

/// The line "\put(x,y){\strichl{n}}" (f = -1) or "\strichr" (otherwise), n = round(len/2):
/// a wall of length len from (x, y) upward.
void DrawHatchRowH(Figure& f, int flag, double x, double y, double len);
/// The line "\put(x,y){\strichd{n}}" (f = -1) or "\strichu" (otherwise): a floor or ceiling.
void DrawHatchRowV(Figure& f, int flag, double x, double y, double len);
/// A wall hatched on both sides: rows at x - 2 (left) and x + 2 (right).
void DrawHatchRowsH(Figure& f, double x, double y, double len);
/// A floor hatched on both sides: rows at y + 1.6 (up) and y - 1.6 (down).
void DrawHatchRowsV(Figure& f, double x, double y, double len);
/// Defines the savebox name holding DrawHatchRowV(flag, x, y, n).
void DefineHatchBox(Figure& f, int n, int flag, std::string_view name, double x, double y);
/// n ticks of size t/2 evenly spaced over L along (dx, dy) from (x0, y0), vertical when
/// HatchTickStyle, else slanted down-left; a line end after every fourth. One tick stands at
/// (x0, y0).
void DrawHatchTicks(Figure& f, int n, double x0, double y0, double dx, double dy, double t,
                    double L);

/// Places "hing" (pin support) at (x, y).
void PutHingeBox(Figure& f, double x, double y);
/// Places "uphing" at (x, y).
void PutUpHingeBox(Figure& f, double x, double y);
/// Places "hingmobil" (roller support) at (x, y).
void PutRollerBox(Figure& f, double x, double y);
/// Places "uphingmobil" at (x, y).
void PutUpRollerBox(Figure& f, double x, double y);
/// Places "zadelka" (clamped end) at (x, y).
void PutFixedSupportBox(Figure& f, double x, double y);
/// Places "upzadelka" at (x, y).
void PutUpFixedSupportBox(Figure& f, double x, double y);
/// Places "rster" (support rod on the right) at (x, y).
void PutRightRodBox(Figure& f, double x, double y);
/// Places "lster" (support rod on the left) at (x, y).
void PutLeftRodBox(Figure& f, double x, double y);
/// Places the box name at point i.
void PutBoxAtPoint(Figure& f, int i, std::string_view name);
/// Places "hing" at point i.
void PutHingeBoxAtPoint(Figure& f, int i);
/// Places "uphing" at point i.
void PutUpHingeBoxAtPoint(Figure& f, int i);
/// Places "hingmobil" at point i.
void PutRollerBoxAtPoint(Figure& f, int i);
/// Places "dnst" at point i.
void PutDownBoxAtPoint(Figure& f, int i);
/// Places negative_name at point i when sign < 0, other_name otherwise (names cut to 35).
void PutNamedBoxBySign(Figure& f, int sign, int i, std::string_view negative_name,
                       std::string_view other_name);
/// Places "slblockh" (b = 1) or "slblockv" at point i, then the line "%".
void PutSlidingBlockAtPoint(Figure& f, int i, int b);

/// Box "hingnakl": an inclined two-pin bar on the ground, its angle labelled "$" s "$ "
/// at distance choice sel.
void DefineInclinedHingeBox(Figure& f, std::string_view s, int sel);
/// Box "uphingnakl": the same bar hanging from a ceiling, angle labelled "$\gamma$".
void DefineUpInclinedHingeBox(Figure& f);
/// Box "upstr": a vertical strut hanging from a ceiling with a red pin at its top.
void DefineUpStrutBox(Figure& f);
/// Box "righthingmobil": a roller support on a wall to the right.
void DefineRightRollerBox(Figure& f);
/// Box "lefthingmobil": a roller support on a wall to the left.
void DefineLeftRollerBox(Figure& f);
/// Box "weight" + c: a block of side WeightBoxSize on a cord of length L, labelled with c when
/// WeightBoxLabelled.
void DefineWeightBox(Figure& f, std::string_view c, int L);
/// Box "pruzL": a spring (coil width W, n coils, half pitch p) running left to a wall,
/// labelled unless ProblemNumber is 15 (label cut to 8 characters).
void DefineSpringBoxLeft(Figure& f, int W, int n, int p, std::string_view label);
/// Box "pruzh": a free horizontal spring with leads of lengths a and b.
void DefineSpringBoxH(Figure& f, int W, int n, int p, int a, int b);
/// Box "pruzR": a spring running right, a lead e, to a wall; labelled "$" label "$" unless
/// ProblemNumber is 15.
void DefineSpringBoxRight(Figure& f, int W, int n, int p, int e, std::string_view label);
/// Box "pruzVl": a spring hanging down to a floor; labelled unless ProblemNumber is 15.
void DefineSpringBoxVLeft(Figure& f, int W, int n, int p, int e, std::string_view label);
/// Box "pruzV": drawn as "pruzVl".
void DefineSpringBoxV(Figure& f, int W, int n, int p, int e, std::string_view label);
/// Box "pors": a piston of width a in an open cylinder of height scale b, with its rod.
void DefinePistonBox(Figure& f, int a, int b);

/// An a x b rectangle turned by angle (side a along it) in BlockColour and line width w, from
/// its corner (x, y), or centred there when BlockCentred; leaves the width at 1.
void DrawRotatedBlock(Figure& f, int w, double x, double y, double angle, double a, double b);

}  // namespace figures
