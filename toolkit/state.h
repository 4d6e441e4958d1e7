#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/indexed_array.h"
#include "toolkit/random_source.h"
#include "toolkit/text_writer.h"

namespace toolkit {

/// 64 x 64 integers, both indices from 1: a[i][j].
using TIntMatrix = IndexedArray<IndexedArray<int, 1, 64>, 1, 64>;
/// Three integers, indices 1..3.
using TIntVector3 = IndexedArray<int, 1, 3>;
/// 3 x 3 integers, indices from 1 (row, column).
using TIntMatrix3 = IndexedArray<IndexedArray<int, 1, 3>, 1, 3>;
/// 4 x 4 reals, indices from 1.
using TRealMatrix4 = IndexedArray<IndexedArray<double, 1, 4>, 1, 4>;
/// 3 x 3 reals, indices from 1.
using TRealMatrix3 = IndexedArray<IndexedArray<double, 1, 3>, 1, 3>;
/// Coordinates of a figure's numbered points, indices 0..100 (points counted from 1).
using TPointArray = IndexedArray<double, 0, 100>;
/// One stored variant: bytes 1..7 are P1..P7, byte 8 the value derived by BuildVariantPermutation.
using TVariantRecord = IndexedArray<std::uint8_t, 1, 8>;
/// Upper bounds of P1..P7 for each of the 40 problem rows of one subject.
using TParameterRangeTable = IndexedArray<IndexedArray<std::uint8_t, 1, 7>, 1, 40>;

/// Answers of a problem whose items are too many for one table across the page, kept until
/// the document's last variant (see toolkit/answers_split.h).
struct TSplitAnswers {
  std::vector<std::string> Heads;  ///< the heading cells of each item
  int PerTable = 1;                ///< the most items a table takes
  std::string StudentHead;         ///< heading of the student column
  std::string Before;              ///< written ahead of every table
  std::vector<std::string> Rows;   ///< the rows kept, one text per table
};

/// The head row of an answers table while it is written, until it ends (see AnsBeginTable).
struct THeadStart {
  bool Open = false;       ///< the table's opening is written, its head row not yet ended
  std::string Row;         ///< the head row as written so far
  bool NameColumn = false; ///< students mode: the rows end with the student's name
  bool NamesOnly = false;  ///< a blank last head cell is the names', but none is added
};

/// The toolkit's part of the program-wide state: the run selection, modes, variant
/// parameters, output files, answers-table flags, students, tickets, colloquium, paths,
/// scratch values and the integer matrices. Names are those the documents' generators use.
struct Run {
  // Run selection and numbering.
  int SubjectIndex = 0;    ///< 1..9, the subject tab
  int ProblemNumber = 0;   ///< 1-based row in the subject's list; 0 when none is selected
  int Level = 0;           ///< 1..10
  int FirstNumber = 0;     ///< 1..1000, number printed on the first variant
  int VariantCount = 0;    ///< 1..40
  int VariantIndex = 0;    ///< 1-based index of the variant being written
  int SetNumber = 0;       ///< 1..10000
  std::int8_t P1 = 0, P2 = 0, P3 = 0, P4 = 0, P5 = 0, P6 = 0, P7 = 0;  ///< VariantParameters

  // Modes and options.
  int DocumentMode = 0;  ///< 0 problems, 1 examination tickets, 2 colloquium
  bool TicketMode = false;
  bool StudentsMode = false;
  bool AnswersOn = false;
  bool TicketProblemOn = false;
  bool WriteCramerRows = false;

  /// The program's generator while a Start writes its document (the shell hands it over and
  /// takes it back); none otherwise. Read it through toolkit::Random.
  RandomSource* RandomNumbers = nullptr;

  // Layout values that the begin entries set and the shell reads.
  int ParboxWidth = 0;  ///< pt
  int TextHeight = 0;   ///< pt

  // Output files and answers tables.
  TextWriter MainFile;
  TextWriter AnswersFile;
  TextWriter SecondAnswersFile;
  std::string OutputName;
  bool AnsTableOpen = false;
  bool Ans2TableOpen = false;
  TSplitAnswers SplitAnswers;  ///< the split answers of the document being written
  THeadStart AnsHeadStart;     ///< the answers file's table head being begun
  THeadStart Ans2HeadStart;    ///< the second answers file's

  // Stored parameters.
  TParameterRangeTable ParameterRanges{};
  IndexedArray<TVariantRecord, 1, 40> StoredVariants{};
  std::string ParameterFilePath;

  // Students, tickets and colloquium.
  std::string StudentsFileName;
  std::string GroupName;
  IndexedArray<std::string, 0, 40> StudentNames{};  ///< [1] the group line, [v+1] variant v
  int StudentLineCount = 0;
  IndexedArray<std::string, 1, 50> QuestionList1{};
  IndexedArray<std::string, 1, 50> QuestionList2{};
  int QuestionCount1 = 0;
  int QuestionCount2 = 0;
  IndexedArray<int, 1, 40> TicketQuestions1{};  ///< question numbers of tickets 1..40
  IndexedArray<int, 1, 40> TicketQuestions2{};
  std::string TicketDate;
  int QuestionSetNumber = 0;
  std::string TicketFileName;
  std::string UniversityName;
  std::string DepartmentName;
  int UniversityIndex = 0;
  int DepartmentIndex = 0;
  std::vector<std::vector<std::string>> ColloquiumQuestions;  ///< questions by group
  std::vector<int> ColloquiumGroupSizes;
  int ColloquiumGroupCount = 0;

  // Program paths and window state.
  std::string LatexPath;
  std::string GsviewPath;
  IndexedArray<int, 1, 9> SavedProblems{};

  // Scratch values; each user writes one before reading it.
  double SpareReal1 = 0, SpareReal2 = 0, SpareReal3 = 0, SpareReal4 = 0, SpareReal5 = 0,
         SpareReal6 = 0, SpareReal7 = 0;
  int SpareInt1 = 0, SpareInt2 = 0;

  // Integer matrices.
  bool DeterminantMode = false;  ///< true: determinant; false: permanent
  TRealMatrix3 InverseMatrix3{};
  IndexedArray<IndexedArray<int, 1, 5>, 1, 3> Points3D{};  ///< [coordinate][point]
  TIntMatrix GraphMatrix{};
  TIntMatrix WorkMatrix1{};
  TIntMatrix WorkMatrix2{};
  TIntMatrix WorkMatrix3{};
};

/// The number printed on the current variant: FirstNumber + VariantIndex - 1.
inline int PrintedVariantNumber(const Run& r) { return r.FirstNumber + r.VariantIndex - 1; }

}  // namespace toolkit
