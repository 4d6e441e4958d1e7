#include "shell/ui/memo_lines.h"

#include <QString>
#include <QStringList>

namespace shell::ui {

std::vector<std::string> MemoLines(const QPlainTextEdit& memo) {
  QString text = memo.toPlainText();
  if (text.endsWith('\n')) text.chop(1);
  std::vector<std::string> lines;
  if (text.isEmpty() && memo.toPlainText().isEmpty()) return lines;
  for (const QString& line : text.split('\n')) lines.push_back(line.toStdString());
  return lines;
}

void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& line : lines) list << QString::fromStdString(line);
  memo.setPlainText(list.join('\n'));
}

}  // namespace shell::ui
