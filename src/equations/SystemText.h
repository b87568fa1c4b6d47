// The pieces of a system's text shared by its check, its reading and the solver.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "uMatrixes.h"
#include "uSLU.h"

// The lines of a text: CR ends a line, LF is dropped wherever it stands.
std::vector<std::string> SplitLines(const std::string& text);

// What checking or splitting a character of a line costs, in multiply-adds (Parallel.h), as
// measured on equations_bench's exact solutions: the lines are checked and split on all threads.
inline constexpr size_t kWorkPerLineCharacter = 4;

// The terms of the left side of a line whose (last) "=" stands at equalsPosition. A sign after
// the first position starts a term and takes the next character with it unseen, so x+-y gives
// x and +-y, and x+=1 gives x and +=. The line must not begin with "=".
std::vector<std::string_view> SplitTerms(std::string_view line, size_t equalsPosition);

// The length of a term's coefficient part: its leading run of signs, points, digits and the "/"
// of a typed fraction.
size_t CoefficientLength(std::string_view term);

// An accepted system as read: each line's terms as (column of the name, coefficient text) in
// the order they stand, each line's right side as written, and the names in the order they
// first appear.
struct SystemTerms {
    std::vector<std::vector<std::pair<size_t, std::string>>> termsOfLine;
    std::vector<std::string> freeTerms;
    ArrayOfString names;
};

SystemTerms ReadSystemTerms(const std::string& text);

// One row per line and one column per name; the terms of a name in a line add up.
TwoDimDynA CoefficientMatrix(const SystemTerms& system);
ArrayOfExtended FreeTermValues(const SystemTerms& system);

// The exact ranks of the typed numbers' matrix, without and with the free terms as its last
// column (ExactSystem.h).
struct SystemRanks {
    size_t coefficients = 0;
    size_t withFreeTerms = 0;
};

// The largest count of unknowns, and of equations, solved. Cramer's report holds n + 1 matrices
// of n x n numbers; past this order it takes seconds to write and more than a box can show.
inline constexpr size_t kLargestSolvedOrder = 100;

std::string MessageText(SystemFault fault);

// The message of a system that is not square or is too large for one solution by determinants,
// or "".
std::string SquareSystemMessage(const SystemTerms& system);
