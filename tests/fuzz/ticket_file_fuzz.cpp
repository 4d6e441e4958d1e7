// The ticket question file of lists of 3 and 2 questions: loaded as at start-up, then a
// ticket Start of 40 tickets (with a problem when the first byte is odd).
#include <string>

#include "shell/tickets.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"

TARBEL_FUZZ_TARGET(ticket_file) {
  fuzz_support::Workplace w;
  SharedState& s = *w.s;
  s.QuestionCount1 = 3;
  s.QuestionCount2 = 2;
  for (int i = 1; i <= 3; ++i) {
    s.QuestionList1[i] = "Question " + std::to_string(i) + " $x^" + std::to_string(i) + "$";
    s.QuestionList2[i] = "Вопрос " + std::to_string(i);
  }
  w.Put("dat/b_3_2.0", fuzz_support::Bytes(data, size));
  shell::LoadTicketQuestions(s, w.platform, w.dir);
  if (!fuzz_support::IsUtf8(s.TicketDate)) fuzz_support::Finding("the ticket date is not UTF-8");
  s.DocumentMode = 1;
  s.VariantCount = 40;
  s.FirstNumber = 1;
  s.TicketProblemOn = size > 0 && (data[0] & 1) != 0;
  fuzz_support::SelectRow(s, w.session, 0, 0);
  w.Start();
  return 0;
}
