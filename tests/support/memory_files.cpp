#include "tests/support/memory_files.h"


namespace testing_support {

void OpenMemoryFiles(toolkit::Run& r) {
  r.MainFile.OpenMemory();
  r.AnswersFile.OpenMemory();
  r.SecondAnswersFile.OpenMemory();
}

std::string MainText(const toolkit::Run& r) {
  return toolkit::Cp1251ToUtf8(r.MainFile.Contents());
}

std::string AnsText(const toolkit::Run& r) {
  return toolkit::Cp1251ToUtf8(r.AnswersFile.Contents());
}

std::string Ans2Text(const toolkit::Run& r) {
  return toolkit::Cp1251ToUtf8(r.SecondAnswersFile.Contents());
}

}  // namespace testing_support
