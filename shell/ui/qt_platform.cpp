#include "shell/ui/qt_platform.h"

#include <chrono>

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>

namespace shell::ui {

namespace {

QString ToQString(const std::string& s) { return QString::fromStdString(s); }

QString ToQString(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

// A program named without a folder is looked up on PATH; one with a folder must exist and be
// executable. Anything else is "not found", as the messages of the TeX menu tell it.
QString ResolveProgram(const std::string& program) {
  const QString name = ToQString(program);
  if (name.isEmpty()) return {};
  if (!name.contains('/')) return QStandardPaths::findExecutable(name);
  const QFileInfo info(name);
  return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
}

QStringList ToArguments(const std::vector<std::string>& args) {
  QStringList list;
  for (const auto& a : args) list << ToQString(a);
  return list;
}

QProcessEnvironment Environment(const std::vector<std::pair<std::string, std::string>>& extra) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const auto& [name, value] : extra) env.insert(ToQString(name), ToQString(value));
  return env;
}

QString WorkingDirectory(const std::filesystem::path& dir) {
  return dir.empty() ? QDir::currentPath() : ToQString(dir);
}

}  // namespace

QString QtFileFilter(const std::string& filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const qsizetype paren = description.indexOf('(');
    if (paren >= 0) description = description.left(paren);
    description = description.trimmed();
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == "*.*") p = "*";
    }
    filters << description + " (" + patterns.join(' ') + ")";
  }
  if (parts.size() % 2 == 1 && !parts.back().isEmpty()) filters << parts.back();
  return filters.join(";;");
}

QtPlatform::QtPlatform(std::filesystem::path dialog_dir)
    : dialog_dir_(std::move(dialog_dir)),
      generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

QtPlatform::~QtPlatform() {
  for (const QPointer<QProcess>& process : watched_) {
    if (process) QObject::disconnect(process, nullptr, nullptr, nullptr);
  }
}

void QtPlatform::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, QGuiApplication::applicationDisplayName(),
                  ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

bool QtPlatform::AskYesNo(const std::string& text) {
  QMessageBox box(QMessageBox::Question, QGuiApplication::applicationDisplayName(),
                  ToQString(text), QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

std::optional<std::filesystem::path> QtPlatform::OpenFileDialog(const std::string& filter) {
  const QString chosen =
      QFileDialog::getOpenFileName(parent_, QString(), ToQString(dialog_dir_), QtFileFilter(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return std::filesystem::path(chosen.toStdString());
}

StartResult QtPlatform::StartProgram(const std::string& program,
                                     const std::vector<std::string>& args,
                                     const std::vector<std::pair<std::string, std::string>>& extra_env,
                                     const std::filesystem::path& working_dir) {
  const QString resolved = ResolveProgram(program);
  if (resolved.isEmpty()) return StartResult::kNotFound;
  QProcess process;
  process.setProgram(resolved);
  process.setArguments(ToArguments(args));
  process.setProcessEnvironment(Environment(extra_env));
  process.setWorkingDirectory(WorkingDirectory(working_dir));
  return process.startDetached() ? StartResult::kStarted : StartResult::kNotFound;
}

std::optional<StartResult> QtPlatform::StartProgramAndNotify(
    const std::string& program, const std::vector<std::string>& args,
    const std::vector<std::pair<std::string, std::string>>& extra_env,
    const std::filesystem::path& working_dir, std::function<void(bool)> on_finished) {
  const QString resolved = ResolveProgram(program);
  if (resolved.isEmpty()) return StartResult::kNotFound;
  // Owned by the application, so that a program still running when the window goes is
  // not left without its watcher; deleted once it has been reported.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(resolved);
  process->setArguments(ToArguments(args));
  process->setProcessEnvironment(Environment(extra_env));
  process->setWorkingDirectory(WorkingDirectory(working_dir));
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(process, &QProcess::finished, process,
                   [process, on_finished](int exit_code, QProcess::ExitStatus status) {
                     process->deleteLater();
                     if (on_finished) on_finished(status == QProcess::NormalExit && exit_code == 0);
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, on_finished](QProcess::ProcessError error) {
                     // A crash is reported through finished as well.
                     if (error != QProcess::FailedToStart) return;
                     process->deleteLater();
                     if (on_finished) on_finished(false);
                   });
  std::erase_if(watched_, [](const QPointer<QProcess>& p) { return p.isNull(); });
  watched_.emplace_back(process);
  process->start();
  return StartResult::kStarted;
}

std::pair<int, int> QtPlatform::ScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {1280, 1024};
  const QSize size = screen->size();
  return {size.width(), size.height()};
}

std::string QtPlatform::ShortDate() {
  return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

int QtPlatform::RandomInt(int n) {
  if (n <= 1) return 0;
  std::uniform_int_distribution<int> draw(0, n - 1);
  return draw(generator_);
}

}  // namespace shell::ui
