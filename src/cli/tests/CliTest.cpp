#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Cli.h"

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunWith(const std::vector<std::string>& arguments, const std::string& standardInput = {}) {
    std::istringstream in(standardInput);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

struct CliCase {
    std::vector<std::string> arguments;  // "=text": a file holding the text; "?": a missing file
    std::string input;                   // standard input, for "-"
    std::string out;
    int status;
    std::string err = {};  // what a usage error says
};

const char* const kSquare = "=1 2\n3 4\n";

TEST(Cli, PrintsTheAnswerOfEachCommand) {
    const CliCase cases[] = {
        {{"expr", "2*(3-1.5)/4"}, "", "0.75\n", 0},
        {{"expr", Utf8(u8"2+中")}, "", Utf8(u8"Недопустимый символ: 中\n"), 1},
        {{"det", kSquare}, "", "-2\n", 0},
        // Only one line break at the end is dropped.
        {{"det", "=1 2\n3 4\n\n"},
         "",
         Utf8(u8"Количество элементов в строках матрицы не одинаковое\n"),
         1},
        {{"add", "-", kSquare}, "1 1\n1 1\n", " 2 3\n 4 5\n", 0},
        {{"sub", kSquare, "=1 1\n1 1\n"}, "", " 0 1\n 2 3\n", 0},
        {{"mul", "=1 2 3\n", "=1\n2\n3\n"}, "", " 14\n", 0},
        {{"pow", kSquare, "2"}, "", "  7 10\n 15 22\n", 0},
        // Two characters fit the factor box, whatever their bytes.
        {{"scale", kSquare, Utf8(u8"жж")}, "", " 0 0\n 0 0\n", 0},
        {{"transpose", "-"}, "1 2 3\n", " 1\n 2\n 3\n", 0},
        {{"solve", "=x=5\r\n"},
         "",
         Utf8(u8"Методом Крамера:\n\nD = ( 1 ) = 1\n\nx = ( 5 ) = 5\n\nОтвет:\nx = 5\n"),
         0},
        {{"solve", "-"}, "x+y=1\nx+y=2\n", Utf8(u8"Не имеет решения\n"), 1},
        {{}, "", "", 2, Utf8(u8"Не указана команда.")},
        {{"sum", "a"}, "", "", 2, Utf8(u8"Неизвестная команда: sum")},
        {{"mul", kSquare}, "", "", 2, Utf8(u8"Неверное число аргументов команды: mul")},
        {{"pow", kSquare, "100"}, "", "", 2, Utf8(u8"не более 2 символов: 100")},
        {{"add", kSquare, "?"}, "", "", 2, "missing.txt"},
    };
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "nerolith-cli-test";
    std::filesystem::create_directories(folder);
    for (const CliCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.arguments));
        std::vector<std::string> arguments;
        for (const std::string& argument : c.arguments) {
            std::string given = argument;
            if (argument.starts_with("=")) {
                given = (folder / ("file" + std::to_string(arguments.size()))).string();
                std::ofstream(given, std::ios::binary) << argument.substr(1);
            } else if (argument == "?") {
                given = (folder / "missing.txt").string();
            }
            arguments.push_back(given);
        }
        const CliRun run = RunWith(arguments, c.input);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, c.out);
        if (c.status == 2) {
            EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
            EXPECT_NE(run.err.find("nerolith-cli --help"), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err, "");
        }
    }
    std::filesystem::remove_all(folder);
}

TEST(Cli, HelpListsEveryCommand) {
    const CliRun run = RunWith({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* command :
         {"expr", "det", "add", "sub", "mul", "pow", "scale", "transpose", "solve"}) {
        EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    }
    EXPECT_NE(run.out.find(Utf8(u8"\"Транспонировать A\"")), std::string::npos);
}

}  // namespace
