#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Cli.h"

namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

struct SolveRun {
    int status;
    std::string out;
    std::string err;
};

SolveRun Solve(const std::string& file, const std::string& standardInput = {}) {
    std::istringstream in(standardInput);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli({"solve", file}, in, out, err);
    return {status, out.str(), err.str()};
}

// A file of its own in the temporary folder, removed after the test.
class SolveFile {
public:
    SolveFile(const std::string& name, const std::string& bytes)
        : path_(std::filesystem::temp_directory_path() / ("nerolith-solve-" + name)) {
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~SolveFile() { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

const std::string kExampleReport = Utf8(
    u8"Методом Крамера:\n\nD = ( 2  1\n      1 -1 ) = -3\n\nx = ( 5  1\n      1 -1 ) = -6\n\n"
    u8"y = ( 2 5\n      1 1 ) = -3\n\nОтвет:\nx = 2\ny = 1\n");

struct SolveCase {
    std::string bytes;
    std::string out;
    int status;
};

const SolveCase kCases[] = {
    {"2x+y=5\nx-y=1", kExampleReport, 0},
    {"2x+y=5\nx-y=1\n", kExampleReport, 0},
    {"2x+y=5\r\nx-y=1\r\n", kExampleReport, 0},
    {"2x=4\n", Utf8(u8"Методом Крамера:\n\nD = ( 2 ) = 2\n\nx = ( 4 ) = 4\n\nОтвет:\nx = 2\n"), 0},
    {"x+y=1\n", Utf8(u8"Система не имеет единственного решения\n"), 1},
    {"x+y=1\nx+y=2\n", Utf8(u8"Не имеет решения\n"), 1},
    {"x=1\r\nx=2\r\n", Utf8(u8"Дано лишнее уравнение. Уберите одно из равенств\n"), 1},
    {"x=1\n\n", Utf8(u8"Нету знака \"=\"\n"), 1},  // only one final line break is dropped
    {"x=1\r\n\r\n", Utf8(u8"Нету знака \"=\"\n"), 1},
    {"2x+3y=5 \n", Utf8(u8"Недопустимый символ:  \n"), 1},
    {Utf8(u8"x+y=1\nx-y=中\n"), Utf8(u8"Недопустимый символ: 中\n"), 1},
    {"x=1" + std::string(5000, '0'), Utf8(u8"Переполнение\n"), 1},
};

TEST(CliSolve, PrintsTheReportOrMessageOfAFile) {
    for (const SolveCase& c : kCases) {
        const SolveFile file("system.txt", c.bytes);
        const SolveRun run = Solve(file.Path());
        EXPECT_EQ(run.out, c.out) << c.bytes.substr(0, 40);
        EXPECT_EQ(run.status, c.status) << c.bytes.substr(0, 40);
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

TEST(CliSolve, ReadsStandardInputForADash) {
    for (const SolveCase& c : kCases) {
        const SolveRun run = Solve("-", c.bytes);
        EXPECT_EQ(run.out, c.out) << c.bytes.substr(0, 40);
        EXPECT_EQ(run.status, c.status) << c.bytes.substr(0, 40);
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

TEST(CliSolve, AMissingFileIsAUsageError) {
    const SolveRun run = Solve(
        (std::filesystem::temp_directory_path() / "nerolith-solve-no-such-file.txt").string());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_NE(run.err.find("nerolith-solve-no-such-file.txt"), std::string::npos) << run.err;
}

}  // namespace
