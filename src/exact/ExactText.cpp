// Exact matrices laid out as the matrix unit lays out its matrices.
#include "ExactText.h"

#include <vector>

#include "TextColumns.h"

namespace {

struct MatrixLines {
    std::vector<std::string> lines;
    std::vector<bool> approximate;
};

MatrixLines LayOut(const FractionMatrix& m, size_t bar) {
    std::vector<std::vector<std::string>> left(m.size());
    std::vector<std::vector<std::string>> right(m.size());
    MatrixLines laid{{}, std::vector<bool>(m.size(), false)};
    for (size_t i = 0; i < m.size(); ++i) {
        for (size_t j = 0; j < m[i].size(); ++j) {
            bool approximate = false;
            (j < bar ? left : right)[i].push_back(FractionText(m[i][j], approximate));
            laid.approximate[i] = laid.approximate[i] || approximate;
        }
    }
    laid.lines = AlignedRows(left);
    if (bar < m.front().size()) {
        const std::vector<std::string> rightLines = AlignedRows(right);
        for (size_t i = 0; i < m.size(); ++i) {
            laid.lines[i] += " |" + rightLines[i];
        }
    }
    return laid;
}

}  // namespace

std::string Line(const std::string& text, bool approximate) {
    return text + (approximate ? " (приближённо)" : "") + "\r\n";
}

std::string Plain(const FractionMatrix& m, size_t bar) {
    const MatrixLines laid = LayOut(m, bar);
    std::string text;
    for (size_t i = 0; i < laid.lines.size(); ++i) {
        text += Line(laid.lines[i], laid.approximate[i]);
    }
    return text;
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
