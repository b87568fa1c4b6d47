// The lines of the exact reports: exact matrices in MatrixToText's layout, and the mark of a line
// that holds a rounded number.
#pragma once

#include <cstddef>
#include <string>

#include "ExactNumbers.h"

// The text, then " (приближённо)" when it holds a rounded number, then CR LF.
std::string Line(const std::string& text, bool approximate);

// The matrix's lines one under another, the columns from `bar` on after " |"; each line that
// holds a rounded number marked.
std::string Plain(const FractionMatrix& m, size_t bar);

// The same for the matrix above / below, below positive.
std::string PlainQuotients(const WholeMatrix& above, const Integer& below);

// "label( first line", the later lines under it, the last closed with " )", then an empty line.
std::string Bracketed(const std::string& label, const FractionMatrix& m);
