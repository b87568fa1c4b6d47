// The matrix text: tidying, checking, reading and writing.
#include <algorithm>

#include "Calculation.h"
#include "uMatrixes.h"

namespace {

// A "/" belongs to a number only where fractions are allowed; elsewhere the check refuses it
// before any token is read.
bool IsNumberCharacter(char c) {
    return IsDigit(c) || IsSign(c) || c == '.' || c == '/';
}

bool IsAllowed(char c, bool fractions) {
    return (IsNumberCharacter(c) && (c != '/' || fractions)) || c == ' ' || c == '\r' || c == '\n';
}

// Number tokens are the longest runs of number characters. LF either separates two tokens, as
// in the scans over the whole text, or is dropped and joins its neighbours, as in a line.
size_t CountTokens(std::string_view part, bool lfSeparates) {
    size_t count = 0;
    bool inToken = false;
    for (const char c : part) {
        if (c == '\n' && !lfSeparates) {
            continue;
        }
        if (IsNumberCharacter(c)) {
            count += inToken ? 0 : 1;
            inToken = true;
        } else {
            inToken = false;
        }
    }
    return count;
}

// Calls visit(token) for every number token, and newRow() at every CR, in text order.
template <typename Visit, typename NewRow>
void ScanTokens(std::string_view text, Visit visit, NewRow newRow) {
    size_t start = 0;
    bool inToken = false;
    for (size_t i = 0; i <= text.size(); ++i) {
        const bool number = i < text.size() && IsNumberCharacter(text[i]);
        if (number && !inToken) {
            start = i;
        } else if (!number && inToken && !visit(text.substr(start, i - start))) {
            return;
        }
        inToken = number;
        if (i < text.size() && text[i] == '\r') {
            newRow();
        }
    }
}

// Every row holds as many tokens as the first, counted with the line's LFs dropped and, so that
// the reader finds each row as wide as the first, with them separating tokens too.
bool RowsEven(std::string_view text) {
    const size_t firstRow = CountTokens(text.substr(0, text.find('\r')), true);
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\r', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        if (CountTokens(line, false) != firstRow || CountTokens(line, true) != firstRow) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// The matrix check, with typed fractions where numbers are exact.
bool CheckNumbers(const std::string& text, std::string& message, bool fractions) {
    std::string copy = text;
    CompactSpaces(copy);
    if (copy.empty()) {
        message = kMatrixMessages[kEmptyMatrix];
        return false;
    }
    const auto invalid = std::find_if_not(copy.begin(), copy.end(),
                                          [fractions](char c) { return IsAllowed(c, fractions); });
    if (invalid != copy.end()) {
        message = InvalidCharacterMessage(*invalid);
        return false;
    }
    // Line breaks and spaces alone hold no matrix.
    if (std::none_of(copy.begin(), copy.end(), IsNumberCharacter)) {
        message = kMatrixMessages[kEmptyMatrix];
        return false;
    }
    bool numbersValid = true;
    ScanTokens(
        copy,
        [&](std::string_view token) {
            numbersValid = fractions ? CheckFraction(token, message) : CheckNumber(token, message);
            return numbersValid;
        },
        [] {});
    if (!numbersValid) {
        return false;
    }
    if (copy.find('\r') != std::string::npos && !RowsEven(copy)) {
        message = kMatrixMessages[kUnevenRows];
        return false;
    }
    return true;
}

// The matrix of an accepted text, each token read by `read`.
template <typename Number, typename Read>
std::vector<std::vector<Number>> ReadMatrix(const std::string& text, Read read) {
    const size_t rows = static_cast<size_t>(std::count(text.begin(), text.end(), '\r')) + 1;
    const size_t columns = CountTokens(text, true) / rows;
    std::vector<std::vector<Number>> parsed(rows, std::vector<Number>(columns));
    size_t row = 0;
    size_t column = 0;
    ScanTokens(
        text,
        [&](std::string_view token) {
            parsed[row][column++] = read(token);
            return true;
        },
        [&] {
            ++row;
            column = 0;
        });
    return parsed;
}

}  // namespace

void CompactSpaces(std::string& text) {
    // One pass over the text gives what the walk of deletions gives: a run of spaces shrinks to
    // one, the spaces after an LF and the one before a CR go, and so does a final space.
    std::string compact;
    compact.reserve(text.size());
    for (const char c : text) {
        const char previous = compact.empty() ? '\0' : compact.back();
        if (c == ' ' && (previous == ' ' || previous == '\n')) {
            continue;
        }
        if (c == '\r' && previous == ' ') {
            compact.pop_back();
        }
        compact += c;
    }
    if (!compact.empty() && compact.back() == ' ') {
        compact.pop_back();
    }
    text = std::move(compact);
}

bool CheckMatrix(const std::string& text, std::string& message) {
    return CheckNumbers(text, message, false);
}

bool CheckExactMatrix(const std::string& text, std::string& message) {
    return CheckNumbers(text, message, true);
}

void ParseMatrix(const std::string& text, TwoDimDynA& matrix) {
    matrix = ReadMatrix<Extended>(text, TextToReal);
}

FractionMatrix ParseFractionMatrix(const std::string& text) {
    return ReadMatrix<Fraction>(text, TypedFraction);
}

void MatrixToText(const TwoDimDynA& matrix, std::string& text, int indent) {
    std::vector<std::vector<std::string>> texts;
    texts.reserve(matrix.size());
    const size_t numbers = matrix.size() * (matrix.empty() ? 0 : matrix[0].size());
    size_t done = 0;
    for (const ArrayOfExtended& row : matrix) {
        std::vector<std::string>& rowTexts = texts.emplace_back();
        rowTexts.reserve(row.size());
        for (const Extended value : row) {
            NoteProgress(done++, numbers);
            rowTexts.push_back(RealToText(value));
        }
    }
    const std::string lineBreak = "\r\n" + PadLeft("", indent - 1);
    std::string written;
    for (const std::string& row : AlignedRows(texts)) {
        if (!written.empty()) {
            written += lineBreak;
        }
        written += row;
    }
    text = std::move(written);
}
