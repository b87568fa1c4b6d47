// Exact matrices laid out as the matrix unit lays out its matrices.
#include "ExactText.h"

#include <vector>

#include "Parallel.h"
#include "TextColumns.h"

namespace {

struct MatrixLines {
    std::vector<std::string> lines;
    std::vector<char> approximate;  // not vector<bool>: the rows are written on several threads
};

// The lines of a matrix of rows x columns entries, entry (i, j) written by text(i, j,
// approximate); the rows' texts on all threads.
template <typename EntryText>
MatrixLines LayOut(size_t rows, size_t columns, size_t bar, EntryText text) {
    // An entry's text costs about 64 multiply-adds when short and 256 when rounded (matrix_bench's
    // exact inverses and equations_bench's matrix method).
    constexpr size_t kWorkPerEntry = 128;
    std::vector<std::vector<std::string>> left(rows);
    std::vector<std::vector<std::string>> right(rows);
    MatrixLines laid{{}, std::vector<char>(rows, 0)};
    ParallelFor(rows, rows * columns * kWorkPerEntry, [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            for (size_t j = 0; j < columns; ++j) {
                bool approximate = false;
                (j < bar ? left : right)[i].push_back(text(i, j, approximate));
                laid.approximate[i] = static_cast<char>(laid.approximate[i] != 0 || approximate);
            }
        }
    });
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
        text += Line(laid.lines[i], laid.approximate[i] != 0);
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
            laid.approximate[i] != 0);
    }
    return text + "\r\n";
}
