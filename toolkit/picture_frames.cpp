#include "toolkit/picture_frames.h"

#include <string>

#include "toolkit/number_format.h"
#include "toolkit/writers.h"

namespace toolkit {
namespace {

template <class Format>
std::string PictureHead(double w, double h, double x0, double y0, Format format) {
  return R"(\noindent\begin{picture}()" + format(w) + "," + format(h) + ")(" + format(x0) + "," +
         format(y0) + ")%";
}

}  // namespace

void BeginPicture(Run& r, double w, double h, double x0, double y0) {
  WriteLine(r, PictureHead(w, h, x0, y0, FormatNumber));
}

void EndPicture(Run& r) { WriteLine(r, R"(\end{picture})"); }

void BeginLoweredPicture(Run& r, double w, double h, double x0, double y0, double lower) {
  WriteText(r, R"(\raisebox{-)" + FormatNumber(lower) + "pt}{");
  BeginPicture(r, w, h, x0, y0);
}

void EndLoweredPicture(Run& r) { WriteLine(r, R"(\end{picture}})"); }

void BeginSaveBox(Run& r, std::string_view name) {
  const std::string n(name);
  WriteLine(r, R"(\newsavebox{\)" + n + R"(}\sbox{\)" + n + "}{%");
  BeginPicture(r, 2, 2, 0, 0);
}

void EndSaveBox(Run& r) { WriteLine(r, R"(\end{picture}})"); }

void AnsBeginPicture(Run& r, double w, double h, double x0, double y0) {
  AnsWriteLine(r, PictureHead(w, h, x0, y0, FormatNumberSci));
}

void AnsEndPicture(Run& r) { AnsWrite(r, R"(\end{picture})"); }

}  // namespace toolkit
