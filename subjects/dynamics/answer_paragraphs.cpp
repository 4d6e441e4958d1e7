#include "subjects/dynamics/answer_paragraphs.h"

#include "toolkit/writers.h"

namespace dynamics {

void BreakAnswerParagraphs(SharedState& s, int per_box) {
  if (s.DocumentMode != 0 || s.TicketMode || per_box < 1) return;
  if (s.VariantIndex > 1 && (s.VariantIndex - 1) % per_box == 0) {
    toolkit::AnsWrite(s, "}\\par \\parbox{430pt}{");
  }
}

}  // namespace dynamics
