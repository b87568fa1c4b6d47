// Arbitrary input for every button of the matrix page. Byte 0 separates the boxes: A, B, the
// exponent and the factor, the last two cut to the 2 characters their boxes hold. Other bytes
// below 0x80 are ASCII; 0xFF takes the next two bytes as one UTF-16 unit (a character that
// Windows-1251 lacks, half a surrogate pair); any other byte is the Windows-1251 character.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "BoxText.h"
#include "MatrixPage.h"

namespace {

void Require(bool holds, const char* invariant) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", invariant);
        std::abort();
    }
}

std::u16string BoxOf(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && i + 2 < size) {
            text += static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]);
            i += 2;
        } else {
            text += FromCp1251(std::string(1, static_cast<char>(data[i])));
        }
    }
    return text;
}

// A value or a matrix: numbers, spaces and line breaks only; every matrix field begins with a
// space, and a message is one line.
void CheckAnswer(MatrixOperation operation, const PageAnswer& answer) {
    Require(!answer.text.empty(), "an answer is never empty");
    if (answer.isMessage) {
        Require(answer.text.find_first_of(u"\r\n") == std::u16string::npos,
                "a message is one line");
        return;
    }
    Require(answer.text.find_first_not_of(u"0123456789.-E \r\n") == std::u16string::npos,
            "a result holds numbers only, never INF or NAN");
    if (operation == MatrixOperation::Determinant) {
        Require(answer.text.find_first_of(u" \r\n") == std::u16string::npos,
                "a determinant is one number");
    } else {
        Require(answer.text.front() == u' ', "a matrix field begins with a space");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string boxes[4];
    size_t box = 0;
    size_t start = 0;
    for (size_t i = 0; i <= size && box < 4; ++i) {
        if (i == size || data[i] == 0) {
            boxes[box++] = BoxOf(data + start, i - start);
            start = i + 1;
        }
    }
    const std::u16string exponent = boxes[2].substr(0, 2);
    const std::u16string factor = boxes[3].substr(0, 2);
    const MatrixPageInput input = {boxes[0], boxes[1], exponent, factor};
    for (const MatrixOperation operation :
         {MatrixOperation::Determinant, MatrixOperation::Sum, MatrixOperation::Power,
          MatrixOperation::Difference, MatrixOperation::ByNumber, MatrixOperation::Product,
          MatrixOperation::Transpose}) {
        CheckAnswer(operation, MatrixPageAnswer(operation, input));
    }
    return 0;
}
