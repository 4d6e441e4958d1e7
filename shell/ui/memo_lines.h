#pragma once

#include <string>
#include <vector>

#include <QPlainTextEdit>

namespace shell::ui {

/// The lines of a memo as UTF-8: an empty memo has none, and a line end after the last line
/// does not make an empty line of its own.
std::vector<std::string> MemoLines(const QPlainTextEdit& memo);

/// Replaces the memo's text with the lines, one a line.
void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);

}  // namespace shell::ui
