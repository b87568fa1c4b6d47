#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Cli.h"

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// The matrix files of one case in a folder of their own, removed afterwards.
class MatrixFiles {
public:
    MatrixFiles() : folder_(std::filesystem::temp_directory_path() / "nerolith-cli-matrix") {
        std::filesystem::create_directories(folder_);
    }
    ~MatrixFiles() { std::filesystem::remove_all(folder_); }
    MatrixFiles(const MatrixFiles&) = delete;
    MatrixFiles& operator=(const MatrixFiles&) = delete;

    std::string Write(const std::string& name, const std::string& bytes) const {
        const std::filesystem::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    std::string Missing() const { return (folder_ / "missing.txt").string(); }

private:
    std::filesystem::path folder_;
};

struct CliCase {
    const char* name;
    std::vector<std::string> arguments;  // "=text" stands for a file holding that text
    std::string input;                   // standard input, for "-"
    std::string out;
    int status;
};

class CliMatrix : public testing::TestWithParam<CliCase> {};

TEST_P(CliMatrix, PrintsTheAnswer) {
    const MatrixFiles files;
    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam().arguments) {
        if (argument.starts_with("=")) {
            const std::string name = "file" + std::to_string(arguments.size()) + ".txt";
            arguments.push_back(files.Write(name, argument.substr(1)));
        } else {
            arguments.push_back(argument == "?" ? files.Missing() : argument);
        }
    }
    std::istringstream in(GetParam().input);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(arguments, in, out, err), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(err.str().empty(), GetParam().status != 2) << err.str();
}

const char* const kSquare = "=1 2\n3 4\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, CliMatrix,
    testing::Values(
        CliCase{"det", {"det", kSquare}, "", "-2\n", 0},
        CliCase{"detCrLf", {"det", "=1 2\r\n3 4\r\n"}, "", "-2\n", 0},
        CliCase{"detNoFinalBreak", {"det", "=1 2\n3 4"}, "", "-2\n", 0},
        CliCase{"detTwoFinalBreaks",
                {"det", "=1 2\n3 4\n\n"},
                "",
                Utf8(u8"Количество элементов в строках матрицы не одинаковое\n"),
                1},
        CliCase{"detStandardInput", {"det", "-"}, "2 0\n0 4.5\n", "9\n", 0},
        CliCase{"detNotSquare", {"det", "=1 2 3\n"}, "", Utf8(u8"Матрица не квадратная\n"), 1},
        CliCase{"add", {"add", kSquare, "=10 20\n30 40\n"}, "", " 11 22\n 33 44\n", 0},
        CliCase{"addFromStandardInput", {"add", "-", kSquare}, "1 1\n1 1\n", " 2 3\n 4 5\n", 0},
        CliCase{"addDifferentOrder",
                {"add", kSquare, "=1 2 3\n"},
                "",
                Utf8(u8"Матрицы разного порядка\n"),
                1},
        CliCase{"sub", {"sub", kSquare, "=1 1\n1 1\n"}, "", " 0 1\n 2 3\n", 0},
        CliCase{"mul", {"mul", "=1 2 3\n", "=1\n2\n3\n"}, "", " 14\n", 0},
        CliCase{"mulNotConformable",
                {"mul", "=1 2 3\n", kSquare},
                "",
                Utf8(u8"Матрицы не сопряжены\n"),
                1},
        CliCase{"pow", {"pow", kSquare, "2"}, "", "  7 10\n 15 22\n", 0},
        CliCase{"powEmpty", {"pow", kSquare, ""}, "", " 1 2\n 3 4\n", 0},
        CliCase{"powZero", {"pow", kSquare, "0"}, "", " 1 0\n 0 1\n", 0},
        CliCase{"powNegative",
                {"pow", kSquare, "-1"},
                "",
                Utf8(u8"Показатель степени должен быть неотрицательным\n"),
                1},
        CliCase{"powOverflow",
                {"pow", "=1000000000000000000000000000000000000000000000000000000000000 1\n1 1\n",
                 "99"},
                "",
                Utf8(u8"Переполнение\n"),
                1},
        CliCase{"powLongExponent", {"pow", kSquare, "100"}, "", "", 2},
        CliCase{"scale", {"scale", kSquare, "-3"}, "", " -3  -6\n -9 -12\n", 0},
        CliCase{"scaleLongFactor", {"scale", kSquare, "+10"}, "", "", 2},
        CliCase{"scaleCyrillicFactor", {"scale", kSquare, Utf8(u8"жжж")}, "", "", 2},
        CliCase{"scaleTwoCyrillicLetters", {"scale", kSquare, Utf8(u8"жж")}, "", " 0 0\n 0 0\n", 0},
        CliCase{"transpose", {"transpose", "-"}, "1 2 3\n", " 1\n 2\n 3\n", 0},
        CliCase{"transposeCyrillic",
                {"transpose", Utf8(u8"=1 ж\n")},
                "",
                Utf8(u8"Недопустимый символ: ж\n"),
                1},
        CliCase{"emptyFile", {"transpose", "="}, "", Utf8(u8"Введите матрицу\n"), 1},
        CliCase{"onlyLineBreaks", {"det", "=\n\n"}, "", Utf8(u8"Введите матрицу\n"), 1},
        CliCase{"missingFile", {"det", "?"}, "", "", 2},
        CliCase{"missingSecondFile", {"add", kSquare, "?"}, "", "", 2},
        CliCase{"tooFewArguments", {"mul", kSquare}, "", "", 2},
        CliCase{"tooManyArguments", {"transpose", kSquare, kSquare}, "", "", 2}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
