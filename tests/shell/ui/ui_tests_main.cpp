#include <QApplication>
#include <QTest>

#include "shell/ui/ui_tests.h"

int RunTestObject(QObject& tests, int argc, char** argv) { return QTest::qExec(&tests, argc, argv); }

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  failures += RunLayoutTests(argc, argv);
  failures += RunListWindowsTests(argc, argv);
  failures += RunMainWindowTests(argc, argv);
  failures += RunRealTexTests(argc, argv);
  failures += RunTeacherJobsTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
