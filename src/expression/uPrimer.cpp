#include "uPrimer.h"

#include <span>
#include <vector>

#include "ArithmeticFaults.h"

namespace {

bool IsDigitOrPoint(char c) {
    return IsDigit(c) || c == '.';
}
bool IsProductOperator(char c) {
    return c == '*' || c == '/';
}
bool IsOperator(char c) {
    return IsSign(c) || IsProductOperator(c);
}

bool Fail(std::string& message, ExpressionFault fault) {
    message = kExpressionMessages[fault];
    return false;
}

bool FailOnCharacter(std::string& message, char c) {
    message = InvalidCharacterMessage(c);
    return false;
}

// One item of a flat text: an operator, or a number (typed, or the value of a group).
struct Item {
    char op;  // '+', '-', '*' or '/'; 0 for a number
    Extended value;
};

Extended Apply(char op, Extended left, Extended right) {
    if (op == '*') {
        return left * right;
    }
    if (right == 0) {
        NoteDivisionByZero();
    }
    return left / right;
}

// The signed terms of a flat text. Products and quotients go from left to right, and a term's
// sign belongs to its first factor.
std::vector<Extended> ReduceProducts(std::span<const Item> flat) {
    std::vector<Extended> terms;
    size_t i = 0;
    while (i < flat.size()) {
        const bool negative = flat[i].op == '-';
        if (IsSign(flat[i].op)) {
            ++i;
        }
        Extended term = negative ? -flat[i].value : flat[i].value;
        for (++i; i < flat.size() && IsProductOperator(flat[i].op); i += 2) {
            term = Apply(flat[i].op, term, flat[i + 1].value);
        }
        terms.push_back(term);
    }
    return terms;
}

Extended SumTerms(const std::vector<Extended>& terms) {
    Extended total = 0;
    for (const Extended term : terms) {
        total += term;
    }
    return total;
}

Extended EvaluateFlat(std::span<const Item> flat) {
    return SumTerms(ReduceProducts(flat));
}

// The test of CheckExpression for a text without parentheses.
bool CheckFlatExpression(std::string_view text, std::string& message) {
    for (const char c : text) {
        if (!IsDigitOrPoint(c) && !IsOperator(c)) {
            return FailOnCharacter(message, c);
        }
    }
    const size_t length = text.size();
    size_t i = 0;
    while (i < length) {
        const bool operatorNear =
            (i > 0 && IsOperator(text[i - 1])) || (i + 1 < length && IsOperator(text[i + 1]));
        if (IsOperator(text[i]) && operatorNear) {
            return Fail(message, kOperatorFault);
        }
        if (i == 0 && IsProductOperator(text[0])) {
            return Fail(message, kLeadingProductFault);
        }
        // A number token: an optional sign and the run of digits and points after it. The run
        // ends at an operator, which is stepped over, or at the end.
        size_t end = IsSign(text[i]) ? i + 1 : i;
        while (end < length && IsDigitOrPoint(text[end])) {
            ++end;
        }
        if (!CheckNumber(text.substr(i, end - i), message)) {
            return false;
        }
        if (end + 1 == length) {
            return Fail(message, kOperatorFault);
        }
        i = end + 1;
    }
    return true;
}

}  // namespace

// Each group, taken in the order of its ")", is tested as a flat text and then stands as one "0"
// in the rest. `rewritten` holds the text read so far with its closed groups so replaced.
bool CheckExpression(std::string_view text, std::string& message) {
    int depth = 0;
    for (const char c : text) {
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (depth == 0) {
                return Fail(message, kCloseFault);
            }
            --depth;
        } else if (c != ' ' && !IsDigitOrPoint(c) && !IsOperator(c)) {
            return FailOnCharacter(message, c);
        }
    }
    if (depth != 0) {
        return Fail(message, kUnclosedFault);
    }
    std::string rewritten;
    rewritten.reserve(text.size());
    std::vector<size_t> openGroups;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ')') {
            if (text[i] == '(') {
                openGroups.push_back(rewritten.size());
            }
            rewritten += text[i];
            continue;
        }
        if (i + 1 < text.size() && IsDigitOrPoint(text[i + 1])) {
            return Fail(message, kCloseFault);
        }
        const size_t open = openGroups.back();
        openGroups.pop_back();
        if (!CheckFlatExpression(std::string_view(rewritten).substr(open + 1), message)) {
            return false;
        }
        if (open > 0 && IsDigitOrPoint(rewritten[open - 1])) {
            return Fail(message, kOpenFault);
        }
        rewritten.resize(open);
        rewritten += '0';
    }
    return CheckFlatExpression(rewritten, message);
}

// Each group, taken in the order of its ")", is evaluated as a flat text and then stands as its
// value in the rest. A negative value simply stays negative: the term it belongs to takes the same
// sign as if its minus had been moved to the operator before the group or the term's sign.
Extended EvaluateExpression(std::string_view text) {
    std::vector<Item> items;
    std::vector<size_t> openGroups;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '(') {
            openGroups.push_back(items.size());
            ++i;
        } else if (c == ')') {
            const size_t open = openGroups.back();
            openGroups.pop_back();
            const Extended value = EvaluateFlat(std::span<const Item>(items).subspan(open));
            items.resize(open);
            items.push_back({0, value});
            ++i;
        } else if (IsOperator(c)) {
            items.push_back({c, 0});
            ++i;
        } else {
            size_t end = i + 1;
            while (end < text.size() && IsDigitOrPoint(text[end])) {
                ++end;
            }
            items.push_back({0, TextToReal(text.substr(i, end - i))});
            i = end;
        }
    }
    return EvaluateFlat(items);
}
