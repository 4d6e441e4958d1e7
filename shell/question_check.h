#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "subjects/shared_state.h"

namespace shell {

/// What in a question text (LaTeX written into the document as it stands) would cut or break
/// the document, said with what to write instead: a % or # not preceded by a backslash, an &
/// outside an environment or command that aligns on it, unbalanced braces, $ or
/// \begin/\end, \begin{document} or \end{document}, and the file commands \input, \include,
/// \openin, \openout and \write18. Nothing when the question is safe; escaped forms (\%, \&,
/// \#, \{, \}) pass.
std::optional<std::string> FindQuestionHazard(std::string_view question);

/// The question lists a Start of mode (1 tickets, 2 colloquium) prints: checked before
/// anything is written. colloquium_lines are the colloquium window's lines (empty when the
/// window has given none: the parsed groups are checked then). Throws ListDataError naming
/// the list, the line (or group and question) and what to change.
void CheckQuestionLists(const toolkit::Run& s, int mode,
                        const std::vector<std::string>& colloquium_lines);

}  // namespace shell
