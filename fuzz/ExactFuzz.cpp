// Gauss's method and the matrix method on arbitrary UTF-16 text, the exact numbers' texts, and
// the matrix page's exact operations. The first byte chooses: the page by Gauss's method, by the
// matrix method, a fraction made of two runs of digits, whose text must read back as itself or,
// rounded, lie within half a unit of its 15th digit, or the matrix page with «Точные дроби» on
// boxes A and B split at the first zero unit, the exponent and the factor from the first byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "EquationsPage.h"
#include "ExactNumbers.h"
#include "MatrixPage.h"

namespace {

void CheckAnswer(const PageAnswer& answer) {
    // A message is one line; a report ends with its answer block and its last line break.
    const bool isOneLine = answer.text.find_first_of(u"\r\n") == std::u16string::npos;
    const bool hasAnswer = answer.text.find(u"\r\n\r\n") != std::u16string::npos;
    if (answer.text.empty() ||
        (answer.isMessage ? !isOneLine : !hasAnswer || !answer.text.ends_with(u"\r\n"))) {
        std::abort();
    }
}

void CheckFraction(std::string_view digits) {
    const size_t split = digits.find('/');
    Integer top;
    Integer bottom;
    for (size_t i = 0; i < digits.size() && i < 400; ++i) {
        if (digits[i] >= '0' && digits[i] <= '9') {
            Integer& part = i < split ? top : bottom;
            part = part * 10 + (digits[i] - '0');
        }
    }
    if (bottom == 0) {
        return;
    }
    const Fraction value(digits.starts_with('-') ? Integer(-top) : top, bottom);
    bool approximate = false;
    const std::string text = FractionText(value, approximate);
    const size_t slash = text.find('/');
    if (!approximate) {
        const Fraction back(Integer(text.substr(0, slash)),
                            Integer(slash == std::string::npos ? "1" : text.substr(slash + 1)));
        if (back != value) {
            std::abort();
        }
        return;
    }
    // The rounded text as a fraction: its digits times a power of ten.
    const size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    const size_t point = mantissa.find('.');
    int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    std::string whole;
    for (const char c : mantissa) {
        if (c >= '0' && c <= '9' && (c != '0' || !whole.empty())) {
            whole += c;  // no leading zero, which would read as octal
        }
    }
    if (point != std::string::npos) {
        exponent -= static_cast<int>(mantissa.size() - point - 1);
    }
    const Integer ten = boost::multiprecision::pow(
        Integer(10), static_cast<unsigned>(exponent < 0 ? -exponent : exponent));
    const Integer digitsRead(text.starts_with('-') ? "-" + whole : whole);
    const Fraction read = exponent < 0 ? Fraction(digitsRead, ten) : Fraction(digitsRead * ten);
    // Half a unit of the 15th significant digit is at most |value| / 2E14.
    if (slash != std::string::npos || abs(read - value) * 200000000000000 > abs(value)) {
        std::abort();
    }
}

// Every button of the matrix page with «Точные дроби», and Обратная A and Ранг A without it: a
// one-line message, or rows or a report that end with a line break.
void CheckExactMatrixPage(const std::u16string& boxes, uint8_t choice) {
    const size_t split = std::min(boxes.find(u'\0'), boxes.size());
    const std::u16string a = boxes.substr(0, split);
    const std::u16string b = boxes.substr(std::min(split + 1, boxes.size()));
    const std::u16string number = std::u16string(1, static_cast<char16_t>(u'0' + choice % 10));
    for (const MatrixOperation operation :
         {MatrixOperation::Determinant, MatrixOperation::Sum, MatrixOperation::Power,
          MatrixOperation::Difference, MatrixOperation::ByNumber, MatrixOperation::Product,
          MatrixOperation::Transpose, MatrixOperation::Inverse, MatrixOperation::Rank}) {
        for (const bool exact : {true, false}) {
            const PageAnswer answer = MatrixPageAnswer(operation, {a, b, number, number, exact});
            const bool isOneLine = answer.text.find_first_of(u"\r\n") == std::u16string::npos;
            if (answer.text.empty() ||
                (answer.isMessage ? !isOneLine : exact && !answer.text.ends_with(u"\r\n"))) {
                std::abort();
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const uint8_t choice = data[0] % 4;
    const uint8_t number = data[0] / 4;
    ++data;
    --size;
    if (choice == 2) {
        CheckFraction(std::string_view(reinterpret_cast<const char*>(data), size));
        return 0;
    }
    std::u16string input(size / 2, u'\0');
    for (size_t i = 0; i < input.size(); ++i) {
        input[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    if (choice == 3) {
        CheckExactMatrixPage(input, number);
        return 0;
    }
    CheckAnswer(EquationsPageAnswer(input, choice == 0 ? SolveMethod::Gauss : SolveMethod::Matrix));
    return 0;
}
