// The pages' work, box texts in and result text out, the texts' encodings, and the help file's
// table of messages.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ArithmeticFaults.h"
#include "BoxText.h"
#include "Calculation.h"
#include "EquationsPage.h"
#include "ExpressionPage.h"
#include "MatrixPage.h"
#include "TextFile.h"
#include "uMatrixes.h"
#include "uPrimer.h"
#include "uSLU.h"
#include "Utf8.h"

namespace {

std::string Bytes(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

TEST(BoxText, MapsEachCharacterAndKeepsTheFirstThatHasNoByte) {
    const std::string u(1, kUnmappedByte);
    const std::u16string loneHalf(1, char16_t{0xD800});
    // A box's text, its bytes, and the first character that has none.
    const std::tuple<std::u16string, std::string, std::u16string> cases[] = {
        {u"Матрица ЁёЯя № — «» €\r\n", "Матрица ЁёЯя № — «» €\r\n", u""},
        {u"x\U0001F600y中", "x" + u + "y" + u, u"\U0001F600"},  // a surrogate pair is one character
        {loneHalf + u"1", u + "1", loneHalf},
    };
    for (const auto& [text, bytes, firstUnmapped] : cases) {
        const Cp1251Text converted = ToCp1251(text);
        EXPECT_EQ(converted.bytes, bytes);
        EXPECT_EQ(converted.firstUnmapped, firstUnmapped);
    }
    EXPECT_EQ(FromCp1251("Матрица ЁёЯя № — «» €\r\n"), u"Матрица ЁёЯя № — «» €\r\n");
}

// Every plane both ways; a byte that belongs to no well-formed sequence, and a lone surrogate,
// as U+FFFD.
TEST(Utf8, ConvertsEveryPlaneAndReplacesWhatIsMalformed) {
    const std::u16string text = u"Матрица A\r\n\U0001F600 и \U00010348";
    EXPECT_EQ(Utf16ToUtf8(text), Bytes(u8"Матрица A\r\n\U0001F600 и \U00010348"));
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    const std::pair<std::string, std::u16string> malformed[] = {
        {"\xC3", u"\xFFFD"},              // cut short
        {"\xFFz", u"\xFFFDz"},            // never a lead byte
        {"\xC0\xAF", u"\xFFFD"},          // overlong
        {"\xED\xA0\x80", u"\xFFFD"},      // an encoded surrogate
        {"\xF4\x90\x80\x80", u"\xFFFD"},  // beyond U+10FFFF
        {"\xE4\xB8z", u"\xFFFDz"},        // a continuation byte missing
    };
    for (const auto& [bytes, read] : malformed) {
        EXPECT_EQ(Utf8ToUtf16(bytes), read);
    }
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xDC00})), Bytes(u8"\uFFFD"));
}

using Op = MatrixOperation;

PageAnswer Matrix(Op operation, std::u16string_view a, std::u16string_view b = u"",
                  std::u16string_view exponent = u"", std::u16string_view factor = u"") {
    return MatrixPageAnswer(operation, {a, b, exponent, factor});
}

// count copies of item, separator between them.
std::u16string Joined(std::u16string_view item, std::u16string_view separator, size_t count) {
    std::u16string text(item);
    for (size_t i = 1; i < count; ++i) {
        text.append(separator).append(item);
    }
    return text;
}

// The product of a column of 500 ones by a row of 500 ones, as the matrix unit writes it.
std::u16string OnesProduct() {
    std::string text;
    MatrixToText(TwoDimDynA(500, ArrayOfExtended(500, 1)), text, 0);
    return FromCp1251(text);
}

// A calculation shows its own arithmetic fault, never INF or NAN, and none of the last one's; an
// invalid character is named as typed. At most 250,000 elements in a product. Only A+B, A-B and
// A*B check B, and before the shapes; A's fault wins over B's and the exponent's.
TEST(Pages, ShowTheResultTheCheckMessageOrTheFault) {
    const std::u16string square = u"1 2\r\n3 4";
    const std::u16string twoByThree = u"1 2 3\r\n4 5 6";
    const std::u16string row500 = Joined(u"1", u" ", 500);
    const std::u16string huge = u"1" + std::u16string(3000, u'0');  // D = 1E6000 - 1
    const std::u16string badB = u"1 2\r\n3 \U0001F600";
    const std::u16string faultOfB = u"Недопустимый символ: \U0001F600";
    // A page's answer, the text it shows and whether that is a message.
    const std::tuple<PageAnswer, std::u16string, bool> cases[] = {
        {ExpressionPageAnswer(u"ж+中"), u"Недопустимый символ: ж", true},
        {ExpressionPageAnswer(u"1/0"), u"Деление на ноль", true},
        {ExpressionPageAnswer(u"1/2"), u"0.5", false},
        {ExpressionPageAnswer(Joined(u"1", u"+", 16384)), u"16384", false},
        {EquationsPageAnswer(u"x=5"),
         u"Методом Крамера:\r\n\r\nD = ( 1 ) = 1\r\n\r\nx = ( 5 ) = 5\r\n\r\nОтвет:\r\nx = 5\r\n",
         false},
        {EquationsPageAnswer(u"x+y=1\r\nx+y=2"), u"Не имеет решения", true},
        {EquationsPageAnswer(u"x=1\r\ny=\U0001F600"), u"Недопустимый символ: \U0001F600", true},
        {EquationsPageAnswer(huge + u"x+y=1\r\nx+" + huge + u"y=2"), u"Переполнение", true},
        {Matrix(Op::Sum, square, u"10 20\r\n30 40"), u" 11 22\r\n 33 44", false},
        {Matrix(Op::Difference, square, u"1 1\r\n1 1"), u" 0 1\r\n 2 3", false},
        {Matrix(Op::Transpose, u"  1   2  \r\n 3 4  "), u" 1 3\r\n 2 4", false},
        {Matrix(Op::Power, square, u"", u"2"), u"  7 10\r\n 15 22", false},
        {Matrix(Op::Power, square), u" 1 2\r\n 3 4", false},
        {Matrix(Op::Power, square, u"", u"-1"), u"Показатель степени должен быть неотрицательным",
         true},
        {Matrix(Op::Power, twoByThree, u"", u"-1"), u"Матрица не квадратная", true},
        {Matrix(Op::Sum, square, twoByThree), u"Матрицы разного порядка", true},
        {Matrix(Op::Product, twoByThree, twoByThree), u"Матрицы не сопряжены", true},
        {Matrix(Op::Product, Joined(u"1", u"\r\n", 500), row500), OnesProduct(), false},
        {Matrix(Op::Product, Joined(u"1", u"\r\n", 501), row500),
         u"Матрица результата слишком велика", true},
        {Matrix(Op::Transpose, u"1" + std::u16string(5000, u'0')), u"Переполнение", true},
        {Matrix(Op::Sum, u"1", badB), faultOfB, true},
        {Matrix(Op::Difference, u"1", badB), faultOfB, true},
        {Matrix(Op::Product, u"1", badB), faultOfB, true},
        {Matrix(Op::Determinant, u"1", badB), u"1", false},
        {Matrix(Op::Power, u"1", badB), u" 1", false},
        {Matrix(Op::ByNumber, u"1", badB, u"", u"2"), u" 2", false},
        {Matrix(Op::Transpose, u"1", badB), u" 1", false},
        {Matrix(Op::Power, u"1 ∞ 2", badB, u"-1"), u"Недопустимый символ: ∞", true}};
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [answer, text, isMessage] = cases[i];
        EXPECT_EQ(answer.text, text) << "row " << i;
        EXPECT_EQ(answer.isMessage, isMessage) << "row " << i;
    }
}

PageAnswer Exact(Op operation, std::u16string_view a, std::u16string_view b = u"",
                 std::u16string_view exponent = u"", std::u16string_view factor = u"") {
    return MatrixPageAnswer(operation, {a, b, exponent, factor, true});
}

// With «Точные дроби» every button computes on the numbers as typed, fractions among them, and
// writes rows as the exact reports do; unchecked, the same cases as ever and "/" refused.
// «Обратная A» and «Ранг A» always compute exactly. The exact methods of the equations page take
// fractions, Cramer's rule refuses them. A report is shown by its end.
TEST(Pages, ComputeOnTheExactNumbersWhenAsked) {
    const std::u16string square = u"1 2\r\n3 4";
    const std::u16string system = u"1/2x+1/3y=1\r\nx-y=5/6";
    const std::u16string refused = u"Недопустимый символ: /";
    const std::u16string tooLong = u"Слишком длинные числа для точного вычисления";
    // The answer, its text or the end of its report, and whether that is a message.
    const std::tuple<PageAnswer, std::u16string, bool> cases[] = {
        {Matrix(Op::Determinant, square), u"-2", false},
        {Exact(Op::Determinant, square), u"\r\nОтвет:\r\ndet A = -2\r\n", false},
        {Matrix(Op::Power, square, u"", u"2"), u"  7 10\r\n 15 22", false},
        {Exact(Op::Power, square, u"", u"2"), u"  7 10\r\n 15 22\r\n", false},
        {Exact(Op::Power, square, u"", u"0"), u" 1 0\r\n 0 1\r\n", false},
        {Exact(Op::Sum, u"1/2 1", u"1/3 -4/6"), u" 5/6 1/3\r\n", false},
        {Exact(Op::Difference, u"0.1", u"1/10"), u" 0\r\n", false},
        {Exact(Op::Product, u"1/2 1/3", u"6\r\n-3/2"), u" 5/2\r\n", false},
        {Exact(Op::ByNumber, u"1/3 0.5", u"", u"", u"3"), u" 1 3/2\r\n", false},
        {Exact(Op::Transpose, u"0.1 -4/6"), u" 1/10\r\n -2/3\r\n", false},
        {Exact(Op::Transpose, u"123456789012345678/7"), u" 1.76366841446208E16 (приближённо)\r\n",
         false},
        {Exact(Op::Power, u"1" + std::u16string(200, u'0'), u"", u"99"), tooLong, true},
        {Exact(Op::Power, square, u"", u"-1"), u"Показатель степени должен быть неотрицательным",
         true},
        {Exact(Op::Sum, square, u"1/0"), u"Знаменатель дроби равен нулю", true},
        {Matrix(Op::Determinant, u"1/2"), refused, true},
        {Matrix(Op::Inverse, u"1/2"), refused, true},
        {Matrix(Op::Inverse, u"0.5 1\r\n0 2"), u"\r\nОтвет:\r\n 2  -1\r\n 0 1/2\r\n", false},
        {Matrix(Op::Inverse, u"1 2 3"), u"Матрица не квадратная", true},
        {Exact(Op::Inverse, u"1/2 1\r\n1 2"),
         u"Матрица вырождена (det A = 0): обратной матрицы нет", true},
        {Matrix(Op::Rank, u"1 2 3\r\n2 4 6"), u"\r\nОтвет:\r\nrank A = 1\r\n", false},
        {EquationsPageAnswer(system, SolveMethod::Gauss), u"\r\nx = 23/15\r\ny = 7/10\r\n", false},
        {EquationsPageAnswer(system, SolveMethod::Matrix), u"\r\nx = 23/15\r\ny = 7/10\r\n", false},
        {EquationsPageAnswer(system), refused, true},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [answer, text, isMessage] = cases[i];
        EXPECT_TRUE(answer.isMessage ? answer.text == text : answer.text.ends_with(text))
            << "row " << i << ": " << Utf16ToUtf8(answer.text);
        EXPECT_EQ(answer.isMessage, isMessage) << "row " << i;
    }
}

// A file's bytes, and the box's text they give or why they are refused.
TEST(TextFile, DetectsTheEncodingMakesLineBreaksCrLfAndRefusesWhatIsNoText) {
    const std::string big(kMaxTextFileBytes, 'a');
    const std::tuple<std::string, std::u16string, FileFault> cases[] = {
        {"a\rb\r\nc\n\n", u"a\r\nb\r\nc\r\n", FileFault::None},  // one last line break dropped
        {Bytes(u8"Ответ: \uFFFD"), u"Ответ: \uFFFD", FileFault::None},
        {std::string("\xFF\xFE\x41\0\x16\x04\x3D\xD8\x00\xDE", 10), u"AЖ\U0001F600",
         FileFault::None},
        {std::string("\xFE\xFF\0\x41\x04\x16\x04", 7), u"AЖ\xFFFD", FileFault::None},
        {"\xD0\x9C\xC0", u"РњА", FileFault::None},  // not UTF-8: Windows-1251
        {big, std::u16string(big.begin(), big.end()), FileFault::None},
        {big + "a", u"", FileFault::TooLarge},
        {std::string("\xFF\xFE\x31\0\0\0", 6), u"", FileFault::ZeroByte},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [bytes, text, fault] = cases[i];
        const BoxTextOfFile read = ReadTextFile(bytes);
        EXPECT_EQ(read.text, text) << "row " << i;
        EXPECT_EQ(read.fault, fault) << "row " << i;
    }
    EXPECT_EQ(TextFileBytes(u"Ответ:\r\nx = 2\ny = 1\r"), Bytes(u8"Ответ:\r\nx = 2\r\ny = 1\r\n"));
}

// A refused character is found where it first stands in its box, as typed: a surrogate pair is
// two units, and the matrix box's spaces count though its check never sees them.
TEST(Pages, FindTheRefusedCharacterInItsBox) {
    const std::pair<PageAnswer, RefusedCharacter> cases[] = {
        {ExpressionPageAnswer(u"1+2 +3 "), {0, 3, 1}},
        {ExpressionPageAnswer(u"1+\U0001F600+\U0001F600"), {0, 2, 2}},
        {EquationsPageAnswer(u"x=1\r\n2х=2"), {0, 6, 1}},  // a Cyrillic "х"
        {Matrix(Op::Determinant, u"1   2\r\n3\t4"), {0, 8, 1}},
        {Matrix(Op::Sum, u"1", u"3\t4"), {1, 1, 1}},
        {Matrix(Op::Sum, u"1", u"1 2"), {0, 0, 0}},
    };
    for (const auto& [answer, refused] : cases) {
        EXPECT_EQ(answer.refused, refused) << Utf16ToUtf8(answer.text);
    }
}

// Each long calculation reports its steps, those of `total` in turn; asked to stop, it stops at
// its first step and shows nothing.
TEST(Pages, ReportTheStepsOfLongCalculationsAndStopWhenAsked) {
    std::u16string identity13;
    for (size_t i = 0; i < 13; ++i) {
        std::u16string row = Joined(u"0", u" ", 13);
        row[2 * i] = u'1';
        identity13 += (i > 0 ? u"\r\n" : u"") + row;
    }
    const struct {
        std::function<PageAnswer()> answer;
        size_t total;
        std::vector<size_t> steps;
    } rows[] = {
        {[] { return Matrix(Op::Power, u"1 2\r\n3 4", u"", u"3"); }, 2, {0, 1}},  // products
        {[&] { return Matrix(Op::Determinant, identity13); },
         13,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},  // columns
        {[] { return Matrix(Op::Transpose, u"1 2 3\r\n4 5 6"); },
         6,
         {0, 1, 2, 3, 4, 5}},                                                // numbers
        {[] { return EquationsPageAnswer(u"x+y=3\r\nx-y=1"); }, 3, {1, 2}},  // determinants
        {[] { return Matrix(Op::Rank, u"1 2 3\r\n4 5 6"); }, 3, {0, 1}},     // columns
        {[] { return EquationsPageAnswer(u"x+y=3\r\nx-y=1", SolveMethod::Gauss); },
         2,
         {0, 1}},  // columns
    };
    for (const auto& row : rows) {
        std::vector<size_t> steps;
        size_t reports = 0;
        CalculationWatch watch{[&](size_t done, size_t total) {
            ++reports;
            if (total == row.total) {
                steps.push_back(done);
            }
        }};
        WatchCalculations(&watch);
        EXPECT_FALSE(row.answer().stopped);
        EXPECT_EQ(steps, row.steps) << "of " << row.total;
        reports = 0;
        watch.stop = true;
        const PageAnswer stopped = row.answer();
        WatchCalculations(nullptr);
        EXPECT_TRUE(stopped.stopped && stopped.text.empty()) << "of " << row.total;
        EXPECT_EQ(reports, 1u) << "of " << row.total;
    }
}

// Help.htm's table of messages names every message a page can show, spelled as the program
// spells it: each message opens a cell of the table.
TEST(HelpFile, NamesEveryMessage) {
    std::ifstream file(NEROLITH_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(file) << NEROLITH_HELP_FILE;
    const std::string help{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const size_t table = help.find("<h2 id=\"messages\">");
    ASSERT_NE(table, std::string::npos);
    const std::span<const std::string_view> tables[] = {
        kNumberMessages,     kArithmeticFaultMessages, kExpressionMessages, kMatrixMessages,
        kMatrixPageMessages, kSystemMessages,          kExactMessages,      kFileMessages};
    for (const std::span<const std::string_view> messages : tables) {
        for (const std::string_view message : messages) {
            const std::string utf8 = Utf16ToUtf8(FromCp1251(message));
            EXPECT_NE(help.find("<td>" + utf8, table), std::string::npos) << utf8;
        }
    }
}

}  // namespace
