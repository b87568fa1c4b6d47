#include <gtest/gtest.h>

#include "CheckCases.h"
#include "uSLU.h"

namespace {

const std::string kNoEquals = "Нету знака \"=\"";
const std::string kSeveralEquals = "Более одного знака \"=\"";
const std::string kNothingAfterEquals = "Нету выражения после знака \"=\"";
const std::string kFreeTermOnLeft = "Свободный член без должен записываться справа от знака \"=\"";
const std::string kMiswritten = "Ошибка в написании уравнения";

// The characters of the whole text first (the х of "х=1" is Cyrillic), then the lines in order;
// in a line each term of the left side in order, then the right side.
TEST(CheckSystem, NamesTheFirstFault) {
    ExpectChecks(CheckSystem,
                 {Rejected("2,5x=1", kInvalid + ","), Rejected("2x+3y=a", kInvalid + "a"),
                  Rejected("2x+3y=5 ", kInvalid + " "), Rejected("x=1\t", kInvalid + "\t"),
                  Rejected("х=1", kInvalid + "х"), Rejected("x=1\x7f", kInvalid + "\x7f"),
                  Rejected("x\r\n2x+y=1;", kInvalid + ";"), Rejected("", kNoEquals),
                  Rejected("x=1\r\n", kNoEquals), Rejected("x=1\r\n\r\ny=2", kNoEquals),
                  Rejected("x=1\ny=2", kSeveralEquals), Rejected("x=1=2", kSeveralEquals),
                  Rejected("x=", kNothingAfterEquals), Rejected("=", kNothingAfterEquals),
                  Rejected("=5", kFreeTermOnLeft)});
    ExpectChecks(
        CheckSystem,
        {Rejected("2x+3=5", kFreeTermOnLeft), Rejected("5=x", kFreeTermOnLeft),
         Rejected("-=1", kFreeTermOnLeft), Rejected("+-x=1", kFreeTermOnLeft),
         Rejected("x+-y=1", kSign), Rejected("x+=1", kMiswritten),
         Rejected("2x + 3y = 5", kMiswritten), Rejected("x.y=1", kMiswritten),
         Rejected(".5x=1", kPoint), Rejected("5.x=1", kPoint), Rejected("1.2.3x+-y=1", kPoint),
         Rejected("x+y+2=1\r\nx=", kFreeTermOnLeft), Rejected("2x+3=a", kFreeTermOnLeft),
         Rejected("x=.5", kPoint), Rejected("x=5.", kPoint), Rejected("x=1.5.2", kPoint),
         Rejected("x=--1", kSign), Rejected("x=5-", kSign), Rejected("x=+", kSign)});
}

}  // namespace
