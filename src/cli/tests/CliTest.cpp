#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "Cli.h"

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// One row per command, exit status and usage error; files read as the window reads them.
TEST(Cli, PrintsTheAnswerOfEachCommand) {
    const std::string square =
        (std::filesystem::temp_directory_path() / "nerolith-cli.txt").string();
    std::ofstream(square, std::ios::binary) << "1 2\n3 4\n";
    // The arguments, standard input (for "-"), the output or for a usage error (status 2) a part
    // of the error text, and the exit status.
    const std::tuple<std::vector<std::string>, std::string, std::string, int> cases[] = {
        {{"expr", "2*(3-1.5)/4"}, "", "0.75\n", 0},
        {{"det", square}, "", "-2\n", 0},
        {{"add", "-", square}, "1 1\n1 1\n", " 2 3\n 4 5\n", 0},
        {{"sub", square, "-"}, "1 1\n1 1\n", " 0 1\n 2 3\n", 0},
        {{"mul", square, "-"}, "1\n1\n", " 3\n 7\n", 0},
        {{"pow", square, "2"}, "", "  7 10\n 15 22\n", 0},
        // Two characters fit the factor box, whatever their bytes.
        {{"scale", square, Utf8(u8"жж")}, "", " 0 0\n 0 0\n", 0},
        {{"transpose", "-"}, "1 2 3\n", " 1\n 2\n 3\n", 0},
        {{"transpose", "--exact", "-"}, "1/2 -4/6\n", "  1/2\n -2/3\n", 0},
        {{"inverse", square}, "", Utf8(u8"\nОтвет:\n  -2    1\n 3/2 -1/2\n"), 0},
        {{"rank", "-"}, "1/2", Utf8(u8"Недопустимый символ: /\n"), 1},
        {{"rank", "--exact", "-"}, "1/2 1\n1 2", Utf8(u8"\nОтвет:\nrank A = 1\n"), 0},
        {{"solve", "-"}, "x=1\n\n", Utf8(u8"Нету знака \"=\"\n"), 1},
        {{"solve", "--method", "gauss", "-"},
         "x+y=1\nx+y=2\n",
         Utf8(
             u8"Методом Гаусса:\n\nРасширенная матрица системы (столбцы x, y и свободные члены):\n"
             u8" 1 1 | 1\n 1 1 | 2\n\nПрямой ход: ниже ведущих элементов получаем нули.\n\nШаг 1. "
             u8"Столбец x, ведущий элемент 1 в строке 1.\nИз строки 2 вычитаем строку 1.\n 1 1 | "
             u8"1\n"
             u8" 0 0 | 1\n\nШаг 2. Столбец y: в строке 2 и ниже только нули, ведущего элемента нет."
             u8"\n\nСтрока 2 означает равенство 0 = 1, которое неверно: система несовместна.\n\n"
             u8"Ранг матрицы системы: rank A = 1.\nРанг расширенной матрицы: rank (A|B) = 2.\n"
             u8"Число неизвестных: n = 2.\nПо теореме Кронекера — Капелли система несовместна "
             u8"(rank A < rank (A|B)): решений нет.\n\nОтвет:\nНе имеет решения\n"),
         0},
        {{"solve", "--method", "matrix", "-"},
         "2x=1",
         Utf8(u8"Матричным методом:\n\nA = матрица системы, B = столбец свободных членов, X = "
              u8"A^(-1)*B.\n\nA = ( 2 )\n\nB = ( 1 )\n\nD = det A = 2\n\nA^(-1) = ( 1/2 )\n\n"
              u8"X = A^(-1)*B = ( 1/2 )\n\nОтвет:\nx = 1/2\n"),
         0},
        {{"solve", "--method", "matrix", "-"}, "x+y=1\nx+y=2", Utf8(u8"Не имеет решения\n"), 1},
        {{"solve", "--method", "cramer", "-"},
         "x+y=1",
         Utf8(u8"Система не имеет единственного решения\n"),
         1},
        {{}, "", Utf8(u8"Не указана команда."), 2},
        {{"sum", "a"}, "", Utf8(u8"Неизвестная команда: sum"), 2},
        {{"mul", square}, "", Utf8(u8"Неверное число аргументов команды: mul"), 2},
        {{"pow", square, "100"}, "", Utf8(u8"не более 2 символов: 100"), 2},
        {{"solve", "--method", "lu", "-"}, "", Utf8(u8"Неизвестный метод: lu"), 2},
        {{"solve", "--method", "gauss"}, "", Utf8(u8"Неверное число аргументов команды: solve"), 2},
        {{"det", "--method", "gauss", "-"},
         "",
         Utf8(u8"Неверное число аргументов команды: det"),
         2},
        {{"add", square, square + ".missing"},
         "",
         Utf8(u8"«") + square + Utf8(u8".missing»: файл не найден."),
         2},
        {{"det", "-"}, std::string("\xFF\xFE\x35\0\n\0", 6), "5\n", 0},
        {{"det", "-"}, "1 \xC6", Utf8(u8"Недопустимый символ: Ж\n"), 1},
        {{"det", "-"}, std::string(1024 * 1024 + 1, '1'), Utf8(u8"файл больше 1 МБ."), 2},
    };
    for (const auto& [arguments, input, shown, status] : cases) {
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCli(arguments, in, out, err), status) << testing::PrintToString(arguments);
        if (status == 2) {
            EXPECT_EQ(out.str(), "");
            EXPECT_NE(err.str().find(shown), std::string::npos) << err.str();
            EXPECT_NE(err.str().find("nerolith-cli --help"), std::string::npos) << err.str();
        } else if (shown.starts_with('\n')) {  // the end of a report
            EXPECT_TRUE(out.str().ends_with(shown)) << out.str();
        } else {
            EXPECT_EQ(out.str(), shown);
            EXPECT_EQ(err.str(), "");
        }
    }
    std::filesystem::remove(square);
}

TEST(Cli, HelpNamesTheCommands) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli({"--help"}, in, out, err), 0);
    EXPECT_NE(out.str().find(Utf8(u8"\n  transpose [--exact] ФАЙЛ_A — \"Транспонировать A\"\n")),
              std::string::npos);
    EXPECT_NE(out.str().find(Utf8(u8"\n  solve [--method cramer|gauss|matrix] ФАЙЛ — ")),
              std::string::npos);
    EXPECT_EQ(err.str(), "");
}

}  // namespace
