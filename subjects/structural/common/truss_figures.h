#pragma once

#include "subjects/shared_state.h"

namespace structural {

/// Main file: the savebox "baseferm<L>" (L = 'A' for shape 1) of the four-panel lower chord of
/// shape `shape`, whose panel points it sets in TrussPanelX.
void DefineTrussBoxA(SharedState& s, int shape);
/// Main file: the savebox "basefrm<L>" of the three-panel lower chord on TrussPanelX[1..4].
void DefineTrussBoxB(SharedState& s, int shape);

/// Places "hingmobil" (mode 1) or "hing" at joint TrussSupportNodeA and "hing" at
/// TrussSupportNodeB, ends the line and sets line width 6.
void PutTrussSupportBoxes(SharedState& s, int mode);
/// Places "hingnakl" at joint TrussSupportNodeA and "hing" at TrussSupportNodeB.
void PutTrussSupportBoxesInclined(SharedState& s);

/// The vertical dimension chain of TrussPanelLength and TrussPanelHeight right of the truss.
void DrawTrussDimensions(SharedState& s);

/// The horizontal load Q at the first apex after which the chord drops (the last apex,
/// TrussPanelCount, when it never drops); sets TrussQPoint and TrussLoadQ.
void DrawTrussLoadQ(SharedState& s);
/// The load Q (horizontal in mode 2, else inclined at 2 : 3) at the first of the panel points
/// 1..panel_points-1 after which the chord drops; none: TrussQPoint := 0 and nothing drawn.
void DrawTrussLoadQInclined(SharedState& s, int panel_points, int mode);
/// The inclined load F at the first lower joint that carries no support and no load P;
/// sets TrussFPoint (and TrussPPoint2 := 0 unless TrussFreeMode).
void DrawTrussLoadFInclined(SharedState& s);
/// Marks the joint that DrawTrussLoadFInclined would choose: a roller (mode 1) or a circle.
void MarkTrussFreeJoint(SharedState& s, int mode);
/// The load P at the first lower joint without a support; sets TrussPPoint1.
void DrawTrussLoadP(SharedState& s);
/// Two loads P: at the first joint without a support from 1 up and from 6 - shift down;
/// sets TrussPPoint1 and TrussPPoint2.
void DrawTrussLoadsPTwoSides(SharedState& s, int shift);

}  // namespace structural
