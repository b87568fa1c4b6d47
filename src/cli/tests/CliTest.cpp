#include <gtest/gtest.h>

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

CliRun RunWith(const std::vector<std::string>& arguments) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(Cli, HelpListsEveryCommandInRussian) {
    const CliRun run = RunWith({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    for (const char* command :
         {"expr", "det", "add", "sub", "mul", "pow", "scale", "transpose", "solve"}) {
        EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos) << command;
    }
    EXPECT_NE(run.out.find(Utf8(u8"Использование: nerolith-cli")), std::string::npos);
    EXPECT_NE(run.out.find(Utf8(u8"\"Транспонировать A\"")), std::string::npos);
}

TEST(Cli, UsageErrorsPrintNothingOnStandardOutput) {
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"sum", "a"},
        {"expr"},
        {"expr", "1", "2"},
        {"det"},
        {"add", "-"},
        {"pow", "-", "100"},
        {"scale", "-", Utf8(u8"жжж")},
        {"det", "/nonexistent/matrix.txt"},
    };
    for (const auto& arguments : calls) {
        const CliRun run = RunWith(arguments);
        EXPECT_EQ(run.status, 2) << testing::PrintToString(arguments);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_NE(run.err.find("nerolith-cli --help"), std::string::npos) << run.err;
    }
    EXPECT_NE(RunWith({"frobnicate"}).err.find(Utf8(u8"Неизвестная команда: frobnicate")),
              std::string::npos);
}

TEST(Cli, ExprPrintsTheResultBoxWithOneLineFeed) {
    struct Case {
        std::string text;
        std::string out;
        int status;
    };
    const Case cases[] = {
        {"2*(3-1.5)/4", "0.75\n", 0},
        {"", "0\n", 0},
        {"1/3", "0.333333333333333\n", 0},
        {"1/0", Utf8(u8"Деление на ноль\n"), 1},
        {"1 + 2", Utf8(u8"Недопустимый символ:  \n"), 1},
        {Utf8(u8"2+中"), Utf8(u8"Недопустимый символ: 中\n"), 1},
        {Utf8(u8"2+ж"), Utf8(u8"Недопустимый символ: ж\n"), 1},
        {"2+\xFF", Utf8(u8"Недопустимый символ: \uFFFD\n"), 1},
        {"((1)", Utf8(u8"Ошибка \"()\"\n"), 1},
    };
    for (const Case& c : cases) {
        const CliRun run = RunWith({"expr", c.text});
        EXPECT_EQ(run.out, c.out) << c.text;
        EXPECT_EQ(run.status, c.status) << c.text;
        EXPECT_TRUE(run.err.empty());
    }
}

}  // namespace
