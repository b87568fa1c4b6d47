// Texts laid out in right-aligned columns, as the matrices of every report are written.
#pragma once

#include <string>
#include <vector>

// The text preceded by (width - length + 1) spaces when its length is at most the width.
std::string PadLeft(const std::string& text, int width);

// The rows of the elements' texts, each element right-aligned, the first column as wide as its
// widest element, every other column as the widest of all, one space more before each; a space
// after each middle column.
std::vector<std::string> AlignedRows(const std::vector<std::vector<std::string>>& texts);
