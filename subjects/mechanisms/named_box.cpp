#include "subjects/mechanisms/named_box.h"

#include "figures/supports.h"
#include "toolkit/cp1251.h"

namespace mechanisms {

namespace {

// Savebox names are stored as short strings of this length; a longer name is cut.
constexpr int kBoxNameLength = 35;

}  // namespace

void PutNamedBoxByKind(figures::Figure& f, int kind, int a, int b, std::string_view box1,
                       std::string_view box2) {
  if (kind == 1) {
    figures::PutBoxAtPoint(f, a, toolkit::CutToChars(box1, kBoxNameLength));
  } else if (kind == 2) {
    figures::PutBoxAtPoint(f, b, toolkit::CutToChars(box2, kBoxNameLength));
  }
}

}  // namespace mechanisms
