#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/dispatch.h"
#include "shell/platform.h"
#include "subjects/shared_state.h"

namespace shell {

/// A variant parameter file that cannot serve the Start: it holds no parameters for a
/// variant the Start needs, or a stored value outside 1..bound. The message names the file
/// and suggests "Update File".
class ParameterFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Number of variants a new parameter file holds (older files hold 34).
inline constexpr int kStoredVariantColumns = 40;

/// The set part of a parameter file's name: in students mode the first 4 characters of
/// GroupName, with path separators and control characters replaced by "_"; otherwise the
/// first 4 characters of the decimal SetNumber.
std::string ParameterSetText(const SharedState& s);

/// ParameterRanges := the range table of subject SubjectIndex; then loads the parameter file
/// start_dir/dat<SubjectIndex>/<ProblemNumber>/<set>.txt into StoredVariants (rows beyond the
/// file's columns become 0), creating its folders and the file (random draws through
/// platform) when it does not exist. For an empty subject row or a problem number outside
/// the subject's rows nothing is loaded and ParameterFilePath becomes empty.
/// Throws IoError when a folder or the file cannot be created or the file is damaged.
void LoadVariantParameters(SharedState& s, Platform& platform,
                           const std::filesystem::path& start_dir,
                           const SubjectTable& table = DefaultSubjectTable());

/// P1..P7 of the 40 variants of a parameter file, element v - 1 for variant v.
using ParameterDraws = std::vector<std::array<int, 7>>;

/// What variant v prints at a Level with parameters p (text compared, never shown); throws
/// what the row's routine throws.
using PrintedVariant =
    std::function<std::string(int level, int v, const std::array<int, 7>& p)>;

/// Tries per variant to find a problem that no earlier variant of the set prints.
inline constexpr int kRedrawTries = 200;

/// The Levels a parameter file serves: one file is read at every Level of its set.
inline constexpr int kLevelCount = 10;

/// ParameterRanges := the range table of subject SubjectIndex and ParameterFilePath := the
/// parameter file start_dir/dat<SubjectIndex>/<ProblemNumber>/<set>.txt, creating its
/// folders; returns false (ParameterFilePath empty) for an empty subject row or a problem
/// number outside the subject's rows. Throws IoError when a folder cannot be created.
bool LocateVariantParameterFile(SharedState& s, const std::filesystem::path& start_dir,
                                const SubjectTable& table = DefaultSubjectTable());

/// 40 uniform draws in 1..bound for each of P1..P7 of problem ProblemNumber, P1 for every
/// variant first, then P2, and so on.
ParameterDraws DrawVariantParameters(const SharedState& s, Platform& platform);

/// Makes the set of draws print a different problem for every variant at each of levels
/// (levels.front() being the Level of the Start that draws the set): the first draws are
/// printed at every Level and the Levels that print them alike are looked at once. Variants are
/// looked at in order 1..n; a variant that repeats an earlier problem at one of the Levels, or
/// cannot be printed at one, draws its whole record again (up to kRedrawTries times) until it
/// prints a new problem at every Level. A variant that finds none takes the draw that places
/// its repeat farthest from the same problem's last variant (copies of earlier variants are
/// tried as well), so a row of S < n problems repeats variant k as variant k + S. A first draw
/// that cannot be printed at levels.front() is kept, for the Start to report. The new draws come
/// from a sequence seeded by draws itself, so the same first draws always end the same and the
/// platform's random sequence is left as it was.
void RedrawRepeatedVariants(const SharedState& s, ParameterDraws& draws,
                            const PrintedVariant& printed, const std::vector<int>& levels);

/// Writes draws as the parameter file at ParameterFilePath with its trailer lines. Throws
/// IoError; a half-written file is removed.
void WriteVariantParameterFile(const SharedState& s, const ParameterDraws& draws);

/// What the selected row (SubjectIndex, ProblemNumber) prints as variant v with parameters
/// p at a Level and the run flags of s: its variant entry's text in the main file. The
/// printing runs on a state of its own for each Level, whose begin entry runs again whenever
/// the Level changes, so s is not changed (but the row's own begin-to-variant values are: use
/// it before the Start's begin entry).
PrintedVariant SelectedRowPrinter(const SharedState& s, const SubjectTable& table);

/// When the parameter file of the selected problem does not exist yet, draws it, draws again
/// the variants that repeat an earlier variant's problem at any Level 1..kLevelCount
/// (RedrawRepeatedVariants with SelectedRowPrinter, the Start's Level first) and writes it;
/// an existing file is read later as it stands, so a set handed out regenerates byte for byte. Leaves ParameterRanges and ParameterFilePath as
/// LoadVariantParameters does. Throws IoError.
void PrepareVariantParameterFile(SharedState& s, Platform& platform,
                                 const std::filesystem::path& start_dir,
                                 const SubjectTable& table = DefaultSubjectTable());

/// Writes a new parameter file at ParameterFilePath: 40 uniform draws in 1..bound for each
/// of P1..P7 of problem ProblemNumber, row by row, and the trailer lines. Throws IoError.
void CreateVariantParameterFile(SharedState& s, Platform& platform);

/// P1..P7 := bytes 1..7 of StoredVariants[v]. While a parameter file is loaded, throws
/// ParameterFileError when the file holds no parameters for v or a value outside 1..bound.
void SelectVariantParameters(SharedState& s, int v);

/// P1..P7 := bytes 1..7 of StoredVariants[v] as signed 8-bit values, unchecked.
void TakeStoredParameters(SharedState& s, int v);

/// The near-duplicate pass over records 1..34: a record equal to an earlier one in bytes
/// 1..4 has its P1 bumped (BumpParameter with the bound of P1), at most six times per
/// record before each further match costs one bump.
void MakeVariantParametersDistinct(SharedState& s);

/// p := p + 1, back to 1 when it exceeds bound - 1 (so a bumped value never takes bound).
void BumpParameter(std::uint8_t& p, int bound);

/// "Update File": deletes the file at ParameterFilePath so that the next Start draws new
/// parameters; a failed deletion is ignored.
void DeleteVariantParameterFile(const SharedState& s);

}  // namespace shell
