#include "subjects/mechanisms/named_boxes.h"

#include "figures/supports.h"
#include "toolkit/cp1251.h"

namespace mechanisms {

void PutNamedBoxByKind(figures::Figure& f, int kind, int a, int b, std::string_view box1,
                       std::string_view box2) {
  if (kind == 1) {
    figures::PutBoxAtPoint(f, a, toolkit::CutToChars(box1, 35));
  } else if (kind == 2) {
    figures::PutBoxAtPoint(f, b, toolkit::CutToChars(box2, 35));
  }
}

}  // namespace mechanisms
