// A test that runs against a freshly started nerolith.exe.
#pragma once

#include <gtest/gtest.h>

#include "ProgramDriver.h"

class NerolithTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.HasMainWindow()); }

    NerolithProcess program{ProgramUnderTest()};
};

template <typename Case>
class NerolithCaseTest : public NerolithTest, public testing::WithParamInterface<Case> {};
