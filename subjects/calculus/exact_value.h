#pragma once

#include "toolkit/fractions.h"
#include "toolkit/writers.h"

namespace calculus {

/// The exact value a/b (b > 0) in the answers file, reduced: "0" for a = 0 (the reduction
/// leaves 0/b as it stands), else as AnsWriteFraction.
inline void AnsWriteExactValue(toolkit::Run& r, int a, int b) {
  if (a == 0) {
    toolkit::AnsWrite(r, "0");
  } else {
    toolkit::AnsWriteFraction(r, a, b);
  }
}

}  // namespace calculus
