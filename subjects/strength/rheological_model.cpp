#include "subjects/strength/rheological_model.h"

#include <string>
#include <string_view>

#include "figures/labels.h"
#include "figures/lines.h"
#include "figures/supports.h"
#include "toolkit/answers.h"
#include "toolkit/errors.h"
#include "toolkit/picture_frames.h"
#include "toolkit/writers.h"

namespace strength {

namespace {

void Node(SharedState& s, double x, double y) { DrawFilledCircle(s, x, y, 2); }
void Line(SharedState& s, double x1, double y1, double x2, double y2) {
  DrawSegment(s, x1, y1, x2, y2);
}
// A bar with two short uprights through four points.
void Bracket(SharedState& s, double x1, double y1, double x2, double y2, double x3, double y3,
             double x4, double y4) {
  MoveTo(s, x1, y1);
  LineTo(s, x2, y2);
  LineTo(s, x3, y3);
  LineTo(s, x4, y4);
}
void Spring(SharedState& s, double x, double y) { PutBox(s, "pruz", x, y); }
void Dashpot(SharedState& s, double x, double y) { PutBox(s, "pors", x, y); }
void Label(SharedState& s, std::string_view text, double x, double y) {
  PutBlueLabel(s, text, x, y);
}

constexpr std::string_view kE1 = "$E_1$", kE2 = "$E_2$", kE = "$E$", kEta1 = "$\\eta_1$",
                           kEta2 = "$\\eta_2$", kEta = "$\\eta$";

void DrawModel(SharedState& s, int model) {
  switch (model) {
    case 1:
      Node(s, 0, 53);
      Node(s, 0, 5);
      Line(s, 0, 0, 0, 5);
      Bracket(s, -20, 12, -20, 5, 20, 5, 20, 12);
      Dashpot(s, -20, 12), Label(s, kEta1, -35, 15);
      Dashpot(s, 20, 12), Label(s, kEta2, 30, 15);
      Spring(s, 20, 48), Label(s, kE2, 28, 40);
      Spring(s, -20, 48), Label(s, kE1, -35, 40);
      Line(s, 0, 53, 0, 58);
      Bracket(s, -20, 48, -20, 53, 20, 53, 20, 48);
      break;
    case 2:
      Node(s, 0, 53);
      Line(s, 0, 0, 0, 5);
      Node(s, 0, 5);
      Bracket(s, -20, 12, -20, 5, 20, 5, 20, 12);
      Dashpot(s, -20, 12), Label(s, kEta, -35, 15);
      Line(s, 20, 12, 20, 30);
      Spring(s, 20, 48), Label(s, kE2, 28, 40);
      Spring(s, -20, 48), Label(s, kE1, -35, 40);
      Line(s, 0, 53, 0, 58);
      Bracket(s, -20, 48, -20, 53, 20, 53, 20, 48);
      break;
    case 3:
      Line(s, 0, 0, 0, 5);
      Node(s, 0, 5);
      Node(s, 0, 53);
      Bracket(s, -20, 12, -20, 5, 20, 5, 20, 12);
      Dashpot(s, -20, 12), Label(s, kEta1, -35, 15);
      Dashpot(s, 20, 12), Label(s, kEta2, 30, 15);
      Line(s, 20, 48, 20, 30);
      Spring(s, -20, 48), Label(s, kE, -35, 40);
      Line(s, 0, 53, 0, 58);
      Bracket(s, -20, 48, -20, 53, 20, 53, 20, 48);
      break;
    case 4:
      Node(s, 0, 20);
      Node(s, 0, 48);
      Bracket(s, -20, 25, -20, 20, 20, 20, 20, 25);
      Dashpot(s, 20, 25), Label(s, kEta1, 30, 30);
      Spring(s, -20, 43), Label(s, kE, -35, 30);
      Dashpot(s, 0, 2), Label(s, kEta2, 10, 6);
      Bracket(s, -20, 43, -20, 48, 20, 48, 20, 43);
      Line(s, 0, 48, 0, 53);
      break;
    case 5:
      Node(s, 0, 10);
      Bracket(s, -20, 15, -20, 10, 20, 10, 20, 15);
      Dashpot(s, 20, 15), Label(s, kEta1, 30, 20);
      Spring(s, -20, 33), Label(s, kE1, -35, 20);
      Label(s, kE2, 6, 45);
      Dashpot(s, 0, -8), Label(s, kEta2, 10, -4);
      Bracket(s, -20, 33, -20, 38, 20, 38, 20, 33);
      Spring(s, 0, 57);
      Node(s, 0, 38);
      break;
    case 6:
      Line(s, 0, 0, 0, 25);
      Node(s, 0, 5);
      Bracket(s, -30, 12, -30, 5, 30, 5, 30, 12);
      Dashpot(s, -30, 12), Label(s, kEta1, -45, 15);
      Line(s, 30, 12, 30, 30);
      Dashpot(s, 0, 25), Label(s, kEta2, -17, 30);
      Spring(s, 30, 48), Label(s, kE2, 38, 40);
      Spring(s, -30, 48), Label(s, kE1, -45, 40);
      Line(s, 0, 43, 0, 58);
      Bracket(s, -30, 48, -30, 53, 30, 53, 30, 48);
      Node(s, 0, 53);
      break;
    case 7:
      Dashpot(s, 0, -6), Label(s, kEta2, -17, 0);
      Dashpot(s, -20, 12), Label(s, kEta1, -37, 20);
      Spring(s, -20, 48), Label(s, kE1, -35, 36);
      Spring(s, 20, 38), Label(s, kE2, 28, 25);
      Line(s, 0, 48, 0, 52);
      Line(s, -20, 48, 20, 48);
      Line(s, -20, 12, 20, 12);
      Line(s, 20, 12, 20, 20);
      Line(s, 20, 38, 20, 48);
      Node(s, 0, 12);
      Node(s, 0, 48);
      break;
    case 8:
      Dashpot(s, 20, 25), Label(s, kEta2, 30, 33);
      Dashpot(s, -20, 12), Label(s, kEta1, -37, 20);
      Spring(s, -20, 48), Label(s, kE1, -35, 36);
      Spring(s, 0, 12), Label(s, kE2, -15, -1);
      Line(s, 0, 48, 0, 52);
      Line(s, -20, 48, 20, 48);
      Line(s, -20, 12, 20, 12);
      Line(s, 20, 12, 20, 25);
      Line(s, 20, 40, 20, 48);
      Node(s, 0, 12);
      Node(s, 0, 48);
      break;
    case 9:
    case 10:
      Node(s, 0, 12);
      Node(s, 0, 48);
      Node(s, -15, 30);
      Line(s, -30, 48, 30, 48);
      Line(s, 0, 48, 0, 52);
      Spring(s, -30, 48), Label(s, kE1, -45, 36);
      if (model == 9) {
        Dashpot(s, 0, 30), Label(s, kEta1, 10, 36);
        Dashpot(s, 30, 30), Label(s, kEta2, 40, 36);
        Line(s, -30, 30, 0, 30);
        Spring(s, -15, 30), Label(s, kE2, -32, 18);
      } else {
        Dashpot(s, 0, 30), Label(s, kEta1, 9, 36);
        Spring(s, 30, 48), Label(s, kE2, 38, 35);
        Line(s, -30, 30, 0, 30);
        Dashpot(s, -15, 12), Label(s, kEta2, -32, 18);
      }
      Line(s, -15, 12, 30, 12);
      Line(s, 30, 12, 30, 30);
      Line(s, 0, 12, 0, 5);
      break;
    default:
      throw toolkit::DegenerateDataError("rheological model: no model " + std::to_string(model));
  }
}

}  // namespace

RheologicalModelVariant DeriveRheologicalModel(int p1, int p2, int p3, int p4, int p5) {
  RheologicalModelVariant v;
  v.Model = p1;
  v.E1 = p5;
  v.E2 = p2 == p5 ? 3 : p2;
  v.Eta1 = p3;
  v.Eta2 = p4 == p3 ? 4 : p4;
  const int E1 = v.E1, E2 = v.E2, n1 = v.Eta1, n2 = v.Eta2;
  // A model with one spring calls it E (value E2), one with one dashpot calls it eta (eta1).
  const int E = E2, n = n1;
  auto set = [&v](int a2, int a1, int a0, int b2, int b1, int b0) {
    v.A[2] = a2, v.A[1] = a1, v.A[0] = a0;
    v.B[2] = b2, v.B[1] = b1, v.B[0] = b0;
  };
  switch (p1) {
    case 1: set(n1 * n2, n1 * E2 + E1 * n2, E1 * E2, n1 * n2 * (E1 + E2), E1 * E2 * (n1 + n2), 0); break;
    case 2: set(0, n, E1, 0, (E1 + E2) * n, E1 * E2); break;
    case 3: set(0, n1, E, n1 * n2, (n1 + n2) * E, 0); break;
    case 4: set(0, n1 + n2, E, n1 * n2, E * n2, 0); break;
    case 5: set(n1 * n2, E2 * n1 + E1 * n2 + E2 * n2, E1 * E2, n1 * n2 * E2, E1 * E2 * n2, 0); break;
    case 6: set(0, n1, E1, n1 * n2, E1 * n2 + E2 * n1 + E1 * n1, E1 * E2); break;
    case 7: set(n1 * n2, (E1 + E2) * n1 + E1 * n2, E1 * E2, n1 * n2 * (E1 + E2), E1 * E2 * n2, 0); break;
    case 8: set(n1 * n2, E2 * n1 + (n1 + n2) * E1, E1 * E2, n1 * n2 * E2, E1 * E2 * (n1 + n2), 0); break;
    case 9: set(0, n1, E1 + E2, n1 * n2, (n1 + n2) * E2 + E1 * n2, E1 * E2); break;
    case 10: set(0, n1 + n2, E1, n1 * n2, (n1 + n2) * E2 + E1 * n2, E1 * E2); break;
    default:
      throw toolkit::DegenerateDataError("rheological model: no model " + std::to_string(p1));
  }
  return v;
}

void BeginRheologicalModelProblem(SharedState& s) {
  BeginSaveBox(s, "pruz");
  MoveTo(s, 0, 0);
  for (int c = 1; c <= 4; ++c) {
    LineTo(s, -4, -2 * (2 * c - 1));
    SetLineWidth(s, 8);
    LineTo(s, 4, -4 * c);
    SetLineWidth(s, 1);
  }
  LineTo(s, 0, -18);
  EndSaveBox(s);
  DefinePistonBox(s, 14, 10);
  s.ParboxWidth = 180;
  AnsBeginTable(s, 7);
  WriteLine(s, "Вывести определяющее уравнение среды.\\vskip1mm");
  WriteLine(s, "{\\small Модули упругости и коэффициенты вязкости даны в безразмерном виде.");
  WriteLine(s, " В ответах приведены коэффициенты уравнения} ");
  WriteLine(s,
            "$$A_2\\ddot\\sigma+A_1\\dot\\sigma+A_0\\sigma=B_2\\ddot\\varepsilon+B_1\\dot"
            "\\varepsilon+B_0\\varepsilon.$$");
  AnsWriteLine(s, " &$A_2$&$A_1$&$A_0$&$B_2$&$B_1$&$B_0$\\\\\\hline");
}

void WriteRheologicalModelVariant(SharedState& s) {
  const RheologicalModelVariant v = DeriveRheologicalModel(s.P1, s.P2, s.P3, s.P4, s.P5);
  WriteText(s, "\\par");
  // The model spans x = -45..51 and reaches 8 below its base.
  BeginPicture(s, 102, 68, -50, -9);
  DrawModel(s, v.Model);
  EndPicture(s);
  WriteLine(s, "\\hskip10mm\\parbox[b]{164pt}{");
  switch (v.Model) {
    case 1:
      WriteTextNumberLn(s, "$E_1=", v.E1, "$,");
      WriteTextNumberLn(s, "$E_2=", v.E2, "$,");
      WriteTextNumberLn(s, "$\\eta_1=", v.Eta1, "$,");
      WriteTextNumberLn(s, "$\\eta_2=", v.Eta2, "$.");
      break;
    case 2:
      // The last line has no full stop.
      WriteTextNumberLn(s, "$E_1=", v.E1, "$,");
      WriteTextNumberLn(s, "$E_2=", v.E2, "$,");
      WriteTextNumberLn(s, "$\\eta=", v.Eta1, "$");
      break;
    case 3:
    case 4:
      WriteTextNumberLn(s, "$E=", v.E2, "$, ");
      WriteTextNumberLn(s, "$\\eta_1=", v.Eta1, "$, ");
      WriteTextNumberLn(s, "$\\eta_2=", v.Eta2, "$. ");
      break;
    default:
      WriteTextNumberLn(s, "$E_1=", v.E1, "$, ");
      WriteTextNumberLn(s, "$E_2=", v.E2, "$, ");
      WriteTextNumberLn(s, "$\\eta_1=", v.Eta1, "$, ");
      WriteTextNumberLn(s, "$\\eta_2=", v.Eta2, "$. ");
      break;
  }
  WriteLine(s, "}\\vskip3.1mm");

  AnsWriteNumber(s, toolkit::PrintedVariantNumber(s));
  for (int i = 2; i >= 0; --i) AnsWriteTextNumberLn(s, "&", v.A[i], "");
  for (int i = 2; i >= 0; --i) AnsWriteTextNumberLn(s, "&", v.B[i], "");
}

}  // namespace strength
