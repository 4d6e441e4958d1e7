#include <filesystem>
#include <memory>
#include <system_error>

#include <QApplication>
#include <QString>

#include "shell/start.h"
#include "shell/start_up.h"
#include "shell/ui/main_window.h"
#include "shell/ui/qt_platform.h"
#include "subjects/shared_state.h"

namespace {

bool HoldsSupportFiles(const std::filesystem::path& dir) {
  std::error_code ec;
  return std::filesystem::exists(dir / "sav.txt", ec);
}

// The LaTeX support files: the source tree's tex/ (named at build time, or found beside the
// build tree), else none, and latex finds the copy that scripts/run installs into TEXMFHOME.
std::filesystem::path FindTexDirectory(const QString& application_dir) {
#ifdef TARBEL_SOURCE_DIR
  const std::filesystem::path source = std::filesystem::path(TARBEL_SOURCE_DIR) / "tex";
  if (HoldsSupportFiles(source)) return source;
#endif
  const std::filesystem::path beside =
      std::filesystem::path(application_dir.toStdString()) / ".." / ".." / ".." / "tex";
  if (HoldsSupportFiles(beside)) {
    std::error_code ec;
    const auto canonical = std::filesystem::canonical(beside, ec);
    return ec ? beside : canonical;
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  // A write past `ulimit -f` fails and is reported like a full disk.
  shell::IgnoreFileSizeLimitSignal();
  QApplication app(argc, argv);
  QApplication::setApplicationName("tarbel");
  QApplication::setApplicationDisplayName("Tarbel");

  // One state for the whole program, owned here and lent to the window.
  auto state = std::make_unique<SharedState>();
  shell::ShellSession session;
  session.StartDirectory = std::filesystem::current_path();
  session.TexDirectory = FindTexDirectory(QApplication::applicationDirPath());

  shell::ui::QtPlatform platform(session.StartDirectory);
  shell::ui::MainWindow window(*state, session, platform);
  platform.SetParentWindow(&window);
  window.show();
  return app.exec();
}
