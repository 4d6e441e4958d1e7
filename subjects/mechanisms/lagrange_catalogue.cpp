#include "subjects/mechanisms/lagrange_catalogue.h"

#include "figures/point_set.h"
#include "subjects/mechanisms/catalogue.h"
#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace mechanisms {

void BeginLagrangeCatalogueProblem(SharedState& s) {
  toolkit::WriteText(s, "\\input{kolco.txt}");
  toolkit::WriteBookReference(s, 300);
  s.ParboxWidth = 370;
  // The answer of every variant is an equation in letters that the student writes: the key
  // says so under its heading instead of standing empty.
  toolkit::AnsWriteLine(s,
                        "{\\small Ключа ответов нет: в каждом варианте требуется составить "
                        "уравнение движения системы в общем виде.}\\par");
}

std::string CoordinateSymbolLine(int scheme, int p4, int p5, int p7) {
  const std::string x = " $x$. ";
  const std::string phi = " $\\varphi$. ";
  switch (scheme) {
    case 36:
    case 40:
    case 41:
    case 48:
    case 123:
      return x;
    case 49:
    case 68:
      return " $y$. ";
    case 60:
    case 84:
    case 87:
      return p4 == 1 ? x : phi;
    case 67:
    case 70:
      return "";
    case 126:
      return p5 == 5 && (p7 == 1 || p7 == 3 || p7 == 5) ? x : phi;
    default:
      return phi;
  }
}

void WriteLagrangeCatalogueVariant(SharedState& s, int p1, int /*p2*/, int /*p3*/, int p4,
                                   int p5, int /*p6*/) {
  CatalogueVariables c;
  s.BoxWidth = 80;
  s.BoxHeight = 60;
  s.BlockCentred = true;
  figures::ClearPoints(s, 10);
  LayOutScheme(s, c);

  // Each drawer draws only its own schemes; the last one closes the picture for every
  // scheme, so it must stay last.
  DrawSchemes1To19(s, c);
  DrawSchemes20To29(s);
  DrawSchemes30To39(s);
  DrawSchemes40To58(s);
  DrawSchemes59To99(s, c);
  DrawScheme123(s);
  DrawScheme124(s);
  DrawScheme125(s);
  DrawScheme126(s);
  DrawSchemes100To127(s);

  WriteSchemeStatement(s, c);
  toolkit::WriteLine(
      s, " Составить уравнение движения системы. За обобщенную координату принять " +
             c.CoordinateName);
  toolkit::WriteLine(s, CoordinateSymbolLine(p1, p4, p5, s.P7));
  toolkit::WriteLine(s, "}%%");
}

}  // namespace mechanisms
