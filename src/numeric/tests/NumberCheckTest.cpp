#include <gtest/gtest.h>

#include "CheckCases.h"
#include "NumberCheck.h"

namespace {

// Characters first, then the point count and ends, the sign count, and the walk in text order.
TEST(CheckNumber, NamesTheFirstFault) {
    ExpectChecks(CheckNumber,
                 {Accepted("5"), Accepted("+5"), Accepted("-12.75"), Rejected("1x", kInvalid + "x"),
                  Rejected("1..x", kInvalid + "x"), Rejected(".5", kPoint), Rejected("5.", kPoint),
                  Rejected("1.2.3", kPoint), Rejected("-.", kPoint), Rejected("+-1.", kPoint),
                  Rejected("--1", kSign), Rejected("1-2", kSign), Rejected("-", kSign),
                  Rejected("-.5", kSign), Rejected("1.-5", kPoint), Rejected("1-.5", kSign),
                  Rejected("1.5-", kSign), Rejected("1.-5-", kSign)});
}

}  // namespace
