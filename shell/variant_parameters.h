#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

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

/// Writes a new parameter file at ParameterFilePath: 40 uniform draws in 1..bound for each
/// of P1..P7 of problem ProblemNumber, row by row, and the trailer lines. Throws IoError.
void CreateVariantParameterFile(SharedState& s, Platform& platform);

/// P1..P7 := bytes 1..7 of StoredVariants[v]. While a parameter file is loaded, throws
/// ParameterFileError when the file holds no parameters for v or a value outside 1..bound.
void SelectVariantParameters(SharedState& s, int v);

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
