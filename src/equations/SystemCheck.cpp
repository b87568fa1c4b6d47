// Checking the text of a system: the characters, then each line's equation.
#include <algorithm>

#include "ExactNumbers.h"
#include "NumberCheck.h"
#include "Parallel.h"
#include "SystemText.h"
#include "uSLU.h"

namespace {

bool IsLatinLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
// "/" only where numbers are exact, in typed fractions.
bool IsAllowed(char c, bool fractions) {
    return c == '\n' || c == '\r' || c == ' ' || IsSign(c) || c == '.' || c == '=' || IsDigit(c) ||
           IsLatinLetter(c) || (c == '/' && fractions);
}

// Finds the first character outside the allowed set.
bool CheckCharacters(std::string_view text, std::string& message, bool fractions) {
    for (const char c : text) {
        if (!IsAllowed(c, fractions)) {
            message = InvalidCharacterMessage(c);
            return false;
        }
    }
    return true;
}

bool CheckTerm(std::string_view term, std::string& message) {
    const size_t coefficientLength = CoefficientLength(term);
    const std::string_view coefficient = term.substr(0, coefficientLength);
    if (!coefficient.empty() && coefficient != "+" && coefficient != "-" &&
        !CheckFraction(coefficient, message)) {
        return false;
    }
    const std::string_view name = term.substr(coefficientLength);
    for (const char c : name) {
        if (!IsLatinLetter(c) && !IsDigit(c)) {
            message = kSystemMessages[kMiswritten];
            return false;
        }
    }
    if (name.empty()) {
        message = kSystemMessages[kFreeTermOnLeft];
        return false;
    }
    return true;
}

// With fractions, "/" is allowed in typed fractions. A number is checked as exact numbers take it:
// a "/" reaches the check only where it is allowed.
bool CheckEquation(std::string_view line, std::string& message, bool fractions) {
    if (!CheckCharacters(line, message, fractions)) {
        return false;
    }
    size_t equalsCount = 0;
    size_t equalsPosition = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '=') {
            ++equalsCount;
            equalsPosition = i;
        }
    }
    if (equalsCount == 0) {
        message = kSystemMessages[kNoEquals];
        return false;
    }
    if (equalsCount > 1) {
        message = kSystemMessages[kSeveralEquals];
        return false;
    }
    if (equalsPosition + 1 == line.size()) {
        message = kSystemMessages[kNothingAfterEquals];
        return false;
    }
    if (equalsPosition == 0) {
        message = kSystemMessages[kFreeTermOnLeft];
        return false;
    }
    for (const std::string_view term : SplitTerms(line, equalsPosition)) {
        if (!CheckTerm(term, message)) {
            return false;
        }
    }
    return CheckFraction(line.substr(equalsPosition + 1), message);
}

bool CheckLines(const std::string& text, std::string& message, bool fractions) {
    if (!CheckCharacters(text, message, fractions)) {
        return false;
    }
    // Every line on its own, on all threads; the first faulty one gives the message.
    const std::vector<std::string> lines = SplitLines(text);
    std::vector<std::string> messages(lines.size());
    std::vector<char> checked(lines.size(), 0);
    ParallelFor(lines.size(), text.size() * kWorkPerLineCharacter, [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            checked[i] = static_cast<char>(CheckEquation(lines[i], messages[i], fractions));
        }
    });
    const auto faulty = std::ranges::find(checked, 0);
    if (faulty == checked.end()) {
        return true;
    }
    message = messages[static_cast<size_t>(faulty - checked.begin())];
    return false;
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    for (size_t start = 0;;) {
        const size_t end = text.find('\r', start);
        std::erase(lines.emplace_back(text, start, end == std::string::npos ? end : end - start),
                   '\n');
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 1;
    }
}

std::vector<std::string_view> SplitTerms(std::string_view line, size_t equalsPosition) {
    std::vector<std::string_view> terms;
    size_t start = 0;
    size_t i = 1;
    while (i < equalsPosition) {
        if (IsSign(line[i])) {
            terms.push_back(line.substr(start, i - start));
            start = i;
            i += 2;
        } else {
            ++i;
        }
    }
    terms.push_back(line.substr(start, std::max(i, equalsPosition) - start));
    return terms;
}

size_t CoefficientLength(std::string_view term) {
    size_t length = 0;
    while (length < term.size() && (IsSign(term[length]) || term[length] == '.' ||
                                    term[length] == '/' || IsDigit(term[length]))) {
        ++length;
    }
    return length;
}

bool CheckSystem(const std::string& text, std::string& message) {
    return CheckLines(text, message, false);
}

bool CheckExactSystem(const std::string& text, std::string& message) {
    return CheckLines(text, message, true);
}
