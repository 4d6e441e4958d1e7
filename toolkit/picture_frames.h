#pragma once

#include <string_view>

#include "toolkit/state.h"

namespace toolkit {

// The frames of LaTeX pictures and saveboxes. Lines inside pictures and boxes end with "%".
// Every writer throws IoError when its file cannot be written.

/// Main file: the line "\noindent\begin{picture}(w,h)(x0,y0)%" (numbers by FormatNumber).
void BeginPicture(Run& r, double w, double h, double x0, double y0);
/// Main file: the line "\end{picture}".
void EndPicture(Run& r);
/// Main file: "\raisebox{-<lower>pt}{" (FormatNumber) and BeginPicture: the picture's box
/// reaches `lower` pt below the baseline, so the line reserves the depth the drawing takes.
void BeginLoweredPicture(Run& r, double w, double h, double x0, double y0, double lower);
/// Main file: the line "\end{picture}}", closing a lowered picture.
void EndLoweredPicture(Run& r);
/// Main file: "\newsavebox{\name}\sbox{\name}{%" and a 2 x 2 picture at (0,0).
void BeginSaveBox(Run& r, std::string_view name);
/// Main file: the line "\end{picture}}", closing the picture and the \sbox argument.
void EndSaveBox(Run& r);
/// Answers file: as BeginPicture with the numbers by FormatNumberSci.
void AnsBeginPicture(Run& r, double w, double h, double x0, double y0);
/// Answers file: "\end{picture}" without a line end.
void AnsEndPicture(Run& r);

}  // namespace toolkit
