// A test that runs against a freshly started nerolith.exe.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ProgramDriver.h"

using TypedBoxes = std::vector<std::pair<int, std::wstring>>;

class NerolithTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.HasMainWindow()); }

    // Each of two presses puts `result` in place of the result box's text; the typed boxes
    // keep theirs.
    void ExpectPress(const TypedBoxes& boxes, int button, int resultBox,
                     const std::wstring& result) const {
        for (const auto& [id, text] : boxes) {
            program.SetText(id, text);
        }
        program.SetText(resultBox, L"старый текст");
        for (const int press : {1, 2}) {
            program.Click(button);
            EXPECT_EQ(program.Text(resultBox), result) << "press " << press;
        }
        for (const auto& [id, text] : boxes) {
            EXPECT_EQ(program.Text(id), text) << "box " << id;
        }
    }

    NerolithProcess program{ProgramUnderTest()};
};
