// Exact matrices laid out as the matrix unit lays out its matrices.
#include "ExactText.h"

#include <vector>

#include "TextColumns.h"

namespace {

struct MatrixLines {
    std::vector<std::string> lines;
    std::vector<bool> approximate;
};

// The lines of a matrix of rows x columns entries, entry (i, j) written by text(i, j,
// approximate).
template <typename EntryText>
MatrixLines LayOut(size_t rows, size_t columns, size_t bar, EntryText text) {
    std::vector<std::vector<std::string>> left(rows);
    std::vector<std::vector<std::string>> right(rows);
    MatrixLines laid{{}, std::vector<bool>(rows, false)};
    for (size_t i = 0; i < rows; ++i) {
        for (size_t j = 0; j < columns; ++j) {
            bool approximate = false;
            (j < bar ? left : right)[i].push_back(text(i, j, approximate));
            laid.approximate[i] = laid.approximate[i] || approximate;
        }
    }
    laid.lines = AlignedRows(left);
    if (bar < columns) {
        const std::vector<std::string> rightLines = AlignedRows(right);
        for (size_t i = 0; i < rows; ++i) {
            laid.lines[i] += " |" + rightLines[i];
        }
    }
    return laid;
}

MatrixLines LayOut(const FractionMatrix& m, size_t bar) {
    return LayOut(m.size(), m.front().size(), bar, [&m](size_t i, size_t j, bool& approximate) {
        return FractionText(m[i][j], approximate);
    });
}

std::string Lines(const MatrixLines& laid) {
    std::string text;
    for (size_t i = 0; i < laid.lines.size(); ++i) {
        text += Line(laid.lines[i], laid.approximate[i]);
    }
    return text;
}

}  // namespace

std::string Line(const std::string& text, bool approximate) {
    return text + (approximate ? " (приближённо)" : "") + "\r\n";
}

std::string Plain(const FractionMatrix& m, size_t bar) {
    return Lines(LayOut(m, bar));
}

std::string PlainQuotients(const WholeMatrix& above, const Integer& below) {
    return Lines(LayOut(above.size(), above.front().size(), above.front().size(),
                        [&](size_t i, size_t j, bool& approximate) {
                            return QuotientText(above[i][j], below, approximate);
                        }));
}

std::string Bracketed(const std::string& label, const FractionMatrix& m) {
    const MatrixLines laid = LayOut(m, m.front().size());
    std::string text;
    for (size_t i = 0; i < laid.lines.size(); ++i) {
        const bool last = i + 1 == laid.lines.size();
        text += Line(
            (i == 0 ? label : std::string(label.size(), ' ')) + laid.lines[i] + (last ? " )" : ""),
            laid.approximate[i]);
    }
    return text + "\r\n";
}
