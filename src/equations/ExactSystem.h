// A system's typed numbers as exact fractions, and the answer that ends the exact reports.
#pragma once

#include <cstddef>
#include <string>

#include "ExactNumbers.h"
#include "ModularEchelon.h"
#include "SystemText.h"

// One row per line: the coefficients by column, then the free term, as typed.
FractionMatrix AugmentedMatrix(const SystemTerms& system);

// The ranks of a system's augmented matrix, `unknowns` columns and the free terms'.
SystemRanks ExactRanks(const FractionMatrix& augmented, size_t unknowns);

// The message of a square system whose typed numbers' determinant is 0, or "": its augmented
// matrix.
std::string SingularSystemMessage(const FractionMatrix& augmented);

// The answer block that ends both exact reports: "Ответ:", then "Не имеет решения" without a
// form, or a line per unknown: a free one is any number, any other is its constant and the free
// unknowns' terms.
std::string AnswerBlock(const EchelonForm* form, const ArrayOfString& names);
