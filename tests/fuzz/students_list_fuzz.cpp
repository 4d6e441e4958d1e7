// A students list loaded as its window loads it, saved as the window saves it and read back
// unchanged, copied into the run, then a students-mode Start of a built row with answers: the
// names reach the document and the answers tables.
#include "shell/list_files.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/fuzz_target.h"

TARBEL_FUZZ_TARGET(students_list) {
  fuzz_support::Workplace w;
  SharedState& s = *w.s;
  w.Put("students.txt", fuzz_support::Bytes(data, size));
  s.StudentsFileName = "students.txt";
  const auto file = shell::LoadListFile(w.platform, shell::StudentsListPath(s, w.dir));
  if (!file) return 0;
  const auto* lines = &file->lines;
  shell::SaveListFile(w.platform, w.dir / "saved.txt", *lines, file->format);
  const auto saved = shell::LoadListFile(w.platform, w.dir / "saved.txt");
  if (!saved || saved->lines != *lines) fuzz_support::Finding("a saved list read back changed");
  shell::CopyStudentList(s, *lines);
  s.GroupName = shell::GroupLineOf(*lines);
  if (s.StudentLineCount < 0 || s.StudentLineCount > shell::kMaxStudentLines) {
    fuzz_support::Finding("the students list read past its bounds");
  }
  s.StudentsMode = true;
  s.DocumentMode = 0;
  s.AnswersOn = true;
  fuzz_support::SelectRow(s, w.session, size > 0 ? data[0] : 0, size > 1 ? data[1] : 0);
  w.Start();
  return 0;
}
