#include "subjects/dynamics/hamiltonian.h"

#include <string>
#include <string_view>

#include "toolkit/answers.h"
#include "toolkit/writers.h"

namespace dynamics {

namespace {

// Writes the terms of L: "+" between written terms, nothing for a zero coefficient, the text
// alone for a coefficient 1.
class LagrangianTerms {
 public:
  explicit LagrangianTerms(SharedState& s) : s_(s) {}
  void Write(int coefficient, std::string_view text) {
    if (coefficient == 0) return;
    if (written_) toolkit::WriteText(s_, "+");
    if (coefficient == 1) {
      toolkit::WriteText(s_, text);
    } else {
      toolkit::WriteTextNumberLn(s_, "", coefficient, text);
    }
    written_ = true;
  }

 private:
  SharedState& s_;
  bool written_ = false;
};

struct Coefficients {
  int c1, c2, c3, c4, c5, c6;
};

// Form A: the quadratic Lagrangian; returns D = 4 c1 c2 - c3^2.
int WriteQuadraticLagrangian(SharedState& s, const Coefficients& c) {
  toolkit::WriteText(s, "$L=");
  LagrangianTerms terms(s);
  terms.Write(c.c1, "\\dot q_1^2");
  terms.Write(c.c2, "\\dot q_2^2");
  terms.Write(c.c3, "\\dot q_1\\dot q_2");
  terms.Write(c.c4, " q_1^2");
  terms.Write(c.c5, " q_2^2");
  terms.Write(c.c6, " q_1q_2");
  toolkit::WriteLine(s, ".$");
  toolkit::AnsWrite(s, "$ ");
  return 4 * c.c1 * c.c2 - c.c3 * c.c3;
}

void WriteCosineLagrangian(SharedState& s, const Coefficients& c) {
  toolkit::WriteText(s, "$L=");
  LagrangianTerms terms(s);
  terms.Write(c.c1, "\\dot q_1^2");
  terms.Write(c.c2, "\\dot q_2^2");
  terms.Write(c.c4, "\\dot q_1\\cos q_1");
  terms.Write(c.c5, "\\dot q_2\\cos q_2");
  toolkit::WriteLine(s, ".$");
  toolkit::AnsWrite(s, "$");
}

void WriteLinearTermLagrangian(SharedState& s, const Coefficients& c) {
  toolkit::WriteText(s, "$L=");
  LagrangianTerms terms(s);
  terms.Write(c.c1, "\\dot q_1^2");
  terms.Write(c.c2, "\\dot q_1\\dot q_2");
  terms.Write(c.c4, "\\dot q_1 q_1");
  terms.Write(c.c5, "\\dot q_2 q_2");
  toolkit::WriteLine(s, ".$");
  toolkit::AnsWrite(s, "$");
}

// The kinetic part of the kinds with both squared velocities and the product term.
void WriteInverseKinetic(SharedState& s, const Coefficients& c, int d) {
  toolkit::AnsWriteTextNumber(s, "(", c.c2, "p_1^2-p_1p_2");
  toolkit::AnsWriteText2Numbers(s, "+", c.c1, "p_2^2)/", d, "");
}

}  // namespace

void BeginHamiltonianProblem(SharedState& s) {
  s.ParboxWidth = 180;
  toolkit::WriteText(s,
                     " Найти функцию Гамильтона механической системы с двумя степенями свободы "
                     "по известной функции Лагранжа. ");
  toolkit::AnsBeginTable(s, 4);
  toolkit::WriteBookReference(s, 324);
  toolkit::AnsWriteLine(s, "  \\No & $H$ \\\\\\hline ");
}

void WriteHamiltonianVariant(SharedState& s, int kind, int a, int b, int d, int /*e*/, int f) {
  Coefficients c{2 * b, 2 * d, 1, a + 1, f + 1, 2 * s.P7};
  toolkit::AnsWriteLine(s, std::to_string(toolkit::PrintedVariantNumber(s)) + "\\ru & ");
  switch (kind) {
    case 1:
      c.c1 = 0;
      c.c6 = 0;
      WriteQuadraticLagrangian(s, c);
      toolkit::AnsWriteTextNumber(s, "-", c.c2, "p_1^2+p_1p_2");
      toolkit::AnsWriteTextNumber(s, "-", c.c4, "q_1^2");
      toolkit::AnsWriteTextNumber(s, "-", c.c5, "q_2^2");
      break;
    case 2:
      c.c2 = 0;
      c.c5 = 0;
      WriteQuadraticLagrangian(s, c);
      toolkit::AnsWriteTextNumber(s, "p_1p_2-", c.c1, "p_2^2");
      toolkit::AnsWriteTextNumber(s, "-", c.c4, "q_1^2");
      toolkit::AnsWriteTextNumber(s, "-", c.c6, "q_1q_2");
      break;
    case 3:
      c.c3 = 0;
      c.c4 = 0;
      WriteQuadraticLagrangian(s, c);
      toolkit::AnsWriteTextNumber(s, "(1/", 4 * c.c1, ")p_1^2");
      toolkit::AnsWriteTextNumber(s, "+(1/", 4 * c.c2, ")p_2^2");
      toolkit::AnsWriteTextNumber(s, "-", c.c5, "q_2^2");
      toolkit::AnsWriteTextNumber(s, "-", c.c6, "q_1q_2");
      break;
    case 4: {
      c.c4 = 0;
      c.c5 = 0;
      const int dd = WriteQuadraticLagrangian(s, c);
      WriteInverseKinetic(s, c, dd);
      toolkit::AnsWriteTextNumber(s, "-", c.c6, "q_1q_2");
      break;
    }
    case 5:
      c.c1 = 1;
      c.c2 = 2;
      c.c4 = 2;
      c.c5 = 0;
      WriteCosineLagrangian(s, c);
      toolkit::AnsWrite(s, "(p_1^2+p_2^2/2)/4-p_1\\cos q_1+\\cos^2 q_1");
      break;
    case 6:
      c.c1 = 0;
      c.c2 = 1;
      c.c4 = 2;
      c.c5 = 2;
      WriteLinearTermLagrangian(s, c);
      toolkit::AnsWrite(s, "p_1p_2-2p_1q_2-2p_2q_1+4q_1q_2");
      break;
    case 7:
      c.c1 = 1;
      c.c2 = 1;
      c.c4 = 0;
      c.c5 = 3;
      WriteLinearTermLagrangian(s, c);
      toolkit::AnsWrite(s, "p_1p_2-3p_1q_2-p_2^2+6q_2p_2-9q_2^2");
      break;
    case 8: {
      c.c5 = 0;
      c.c6 = 0;
      const int dd = WriteQuadraticLagrangian(s, c);
      WriteInverseKinetic(s, c, dd);
      toolkit::AnsWriteTextNumber(s, "-", c.c4, "q_1^2");
      break;
    }
    case 9:
      c.c1 = 1;
      c.c2 = 1;
      c.c4 = 0;
      c.c5 = 2;
      WriteCosineLagrangian(s, c);
      toolkit::AnsWrite(s, "(p_1^2+p_2^2)/4-p_2\\cos q_2+\\cos^2 q_2");
      break;
    case 10: {
      c.c4 = 0;
      c.c6 = 0;
      const int dd = WriteQuadraticLagrangian(s, c);
      WriteInverseKinetic(s, c, dd);
      toolkit::AnsWriteTextNumber(s, "-", c.c5, "q_2^2");
      break;
    }
    default:
      break;
  }
  toolkit::AnsWrite(s, "$");
  toolkit::WriteLine(s, "\\vskip2mm ");
}

}  // namespace dynamics
