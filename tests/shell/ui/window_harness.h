#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QWidget>

#include "shell/start.h"
#include "shell/ui/main_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_dir.h"
#include "toolkit/cp1251.h"

namespace testing_support {

/// The Windows-1251 bytes of UTF-8 lines, each ended by CR LF (as the teacher's files are).
inline std::string Cp1251Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return toolkit::Utf8ToCp1251(text);
}

/// A main window on a fresh temporary start directory, with the recording platform.
struct WindowHarness {
  TempDir dir;
  std::unique_ptr<SharedState> s = std::make_unique<SharedState>();
  shell::ShellSession session;
  FakePlatform platform;
  std::unique_ptr<shell::ui::MainWindow> window;

  WindowHarness() {
    session.StartDirectory = dir.path();
    session.TexDirectory = "/src/tarbel/tex";
  }

  /// Writes the four start files (two departments, two universities, two questions each).
  void WriteStartFiles() {
    WriteFile("kaf.txt", {"Кафедра механики", "Кафедра математики"});
    WriteFile("vuz.txt", {"Университет", "Институт"});
    WriteFile("ma1.txt", {"Вопрос А", "Вопрос Б"});
    WriteFile("ma2.txt", {"Question C", "Question D"});
  }

  void WriteFile(const std::string& name, const std::vector<std::string>& lines) {
    WriteBytes(dir.path() / name, Cp1251Lines(lines));
  }

  std::string Read(const std::string& name) const { return ReadBytes(dir.path() / name); }

  /// Creates the window (the start-up sequence runs).
  shell::ui::MainWindow& Open() {
    window = std::make_unique<shell::ui::MainWindow>(*s, session, platform);
    return *window;
  }

  /// Shows the window and makes it the active one, so that keys and shortcuts reach it.
  bool ShowActive() {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window.get());
  }

  template <class T>
  T* Find(const char* name) const {
    return window->findChild<T*>(QString::fromLatin1(name));
  }

  QAction* Action(const char* name) const { return Find<QAction>(name); }

  /// Whether the control or menu item of this name is shown (explicitly, for widgets).
  bool Shown(const QString& name) const {
    if (auto* action = window->findChild<QAction*>(name)) return action->isVisible();
    if (auto* widget = window->findChild<QWidget*>(name)) return !widget->isHidden();
    qFatal("no control %s", qPrintable(name));
    return false;
  }
};

}  // namespace testing_support
