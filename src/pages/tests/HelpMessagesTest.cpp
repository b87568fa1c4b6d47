// Help.htm's table of messages names every message a page can show, spelled as the program
// spells it: each message opens a cell of the table.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <string_view>

#include "ArithmeticFaults.h"
#include "BoxText.h"
#include "MatrixPage.h"
#include "uMatrixes.h"
#include "uPrimer.h"
#include "uSLU.h"
#include "Utf8.h"

namespace {

TEST(HelpFile, NamesEveryMessage) {
    std::ifstream file(NEROLITH_HELP_FILE, std::ios::binary);
    ASSERT_TRUE(file) << NEROLITH_HELP_FILE;
    const std::string help{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const size_t table = help.find("<h2 id=\"messages\">");
    ASSERT_NE(table, std::string::npos);
    const std::span<const std::string_view> tables[] = {
        kNumberMessages, kArithmeticFaultMessages, kExpressionMessages,
        kMatrixMessages, kMatrixPageMessages,      kSystemMessages};
    for (const std::span<const std::string_view> messages : tables) {
        for (const std::string_view message : messages) {
            const std::string utf8 = Utf16ToUtf8(FromCp1251(message));
            EXPECT_NE(help.find("<td>" + utf8, table), std::string::npos) << utf8;
        }
    }
}

}  // namespace
