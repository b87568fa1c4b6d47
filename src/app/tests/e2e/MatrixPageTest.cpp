// The matrix page: boxes A, B, exponent and factor in, one of seven buttons, the result box out.
#include <string>

#include "NerolithTest.h"
#include "resource.h"

namespace {

struct MatrixCase {
    int buttonId;
    std::wstring a;
    std::wstring b;
    std::wstring exponent;
    std::wstring factor;
    std::wstring result;
};

class OnMatrixPage : public NerolithTest {
protected:
    void SetUp() override {
        NerolithTest::SetUp();
        program.Click(IDC_PAGE_MATRIX);
    }
};

class MatrixPageTest : public OnMatrixPage, public testing::WithParamInterface<MatrixCase> {};

TEST_P(MatrixPageTest, ShowsTheResultOfTheButtonsOperation) {
    const MatrixCase& input = GetParam();
    program.SetText(IDC_MATRIX_A, input.a);
    program.SetText(IDC_MATRIX_B, input.b);
    program.SetText(IDC_MATRIX_EXPONENT, input.exponent);
    program.SetText(IDC_MATRIX_FACTOR, input.factor);
    program.Click(input.buttonId);
    EXPECT_EQ(program.Text(IDC_MATRIX_RESULT), input.result);
    EXPECT_EQ(program.Text(IDC_MATRIX_A), input.a) << "the boxes stay as typed";
    EXPECT_EQ(program.Text(IDC_MATRIX_B), input.b);

    program.Click(input.buttonId);
    EXPECT_EQ(program.Text(IDC_MATRIX_RESULT), input.result) << "replaced, not appended";
}

const std::wstring kA = L"1 2\r\n3 4";
const std::wstring kOnes = L"1 1\r\n1 1";

INSTANTIATE_TEST_SUITE_P(
    Buttons, MatrixPageTest,
    testing::Values(
        MatrixCase{IDC_MATRIX_DETERMINANT, kA, L"мусор", L"", L"", L"-2"},
        MatrixCase{IDC_MATRIX_DETERMINANT, L"1 2 3", L"", L"", L"", L"Матрица не квадратная"},
        MatrixCase{IDC_MATRIX_SUM, kA, kOnes, L"", L"", L" 2 3\r\n 4 5"},
        MatrixCase{IDC_MATRIX_SUM, kA, L"1 2 3\r\n4 5 6", L"", L"", L"Матрицы разного порядка"},
        MatrixCase{IDC_MATRIX_POWER, kA, L"", L"2", L"", L"  7 10\r\n 15 22"},
        MatrixCase{IDC_MATRIX_POWER, kA, L"", L"", L"", L" 1 2\r\n 3 4"},
        MatrixCase{IDC_MATRIX_POWER, kA, L"", L"0", L"", L" 1 0\r\n 0 1"},
        MatrixCase{IDC_MATRIX_POWER, kA, L"", L"-1", L"",
                   L"Показатель степени должен быть неотрицательным"},
        // (1E60)^99 is past the largest Extended.
        MatrixCase{IDC_MATRIX_POWER, L"1" + std::wstring(60, L'0'), L"", L"99", L"",
                   L"Переполнение"},
        MatrixCase{IDC_MATRIX_DIFFERENCE, kA, kOnes, L"", L"", L" 0 1\r\n 2 3"},
        MatrixCase{IDC_MATRIX_BY_NUMBER, kA, L"", L"", L"3", L" 3  6\r\n 9 12"},
        MatrixCase{IDC_MATRIX_PRODUCT, kA, kOnes, L"", L"", L" 3 3\r\n 7 7"},
        MatrixCase{IDC_MATRIX_PRODUCT, L"1 2 3\r\n4 5 6", L"1 2 3\r\n4 5 6", L"", L"",
                   L"Матрицы не сопряжены"},
        MatrixCase{IDC_MATRIX_TRANSPOSE, kA, L"", L"", L"", L" 1 3\r\n 2 4"},
        MatrixCase{IDC_MATRIX_SUM, L"1 x", L"1 ы", L"", L"", L"Недопустимый символ: x"},
        MatrixCase{IDC_MATRIX_SUM, kA, L"1 ы", L"", L"", L"Недопустимый символ: ы"},
        MatrixCase{IDC_MATRIX_TRANSPOSE, L"1 中", L"", L"", L"", L"Недопустимый символ: 中"},
        MatrixCase{IDC_MATRIX_DETERMINANT, L"", L"", L"", L"", L"Введите матрицу"}));

// A text past 4,094 characters is read whole: a row of 1,300 numbers, 5,391 characters.
TEST_F(OnMatrixPage, LongMatrixIsTransposedWhole) {
    std::wstring row;
    for (int n = 1; n <= 1300; ++n) {
        row += (n > 1 ? L" " : L"") + std::to_wstring(n);
    }
    ASSERT_GT(row.size(), 5000u);
    program.SetText(IDC_MATRIX_A, row);
    program.Click(IDC_MATRIX_TRANSPOSE);
    const std::wstring result = program.Text(IDC_MATRIX_RESULT);
    size_t lines = 1;
    for (size_t at = result.find(L"\r\n"); at != std::wstring::npos;
         at = result.find(L"\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 1300u);
    EXPECT_TRUE(result.starts_with(L"    1\r\n    2\r\n")) << result.substr(0, 40);
    EXPECT_TRUE(result.ends_with(L"\r\n 1300"));
}

}  // namespace
