#pragma once

#include <QObject>

/// Runs one Qt Test class with the program's arguments; returns the number of failures.
int RunTestObject(QObject& tests, int argc, char** argv);

int RunLayoutTests(int argc, char** argv);
int RunMainWindowTests(int argc, char** argv);
int RunListWindowsTests(int argc, char** argv);
int RunRealTexTests(int argc, char** argv);
int RunTeacherJobsTests(int argc, char** argv);
