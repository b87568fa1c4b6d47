// Linear equations: the text of a system (checking and reading) and its solution by
// Cramer's rule with a step-by-step report.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "uMatrixes.h"

// The messages of the system check's own faults and of the solver, indexed by SystemFault; the
// number faults are the number test's. The too-many-unknowns message ends with the largest order
// solved.
enum SystemFault : size_t {
    kNoEquals,
    kSeveralEquals,
    kNothingAfterEquals,
    kFreeTermOnLeft,
    kMiswritten,
    kNoSolution,
    kNoUniqueSolution,
    kExtraEquation,
    kTooManyUnknowns,
    kDeterminantNearZero
};
inline constexpr std::string_view kSystemMessages[] = {
    "Нету знака \"=\"",
    "Более одного знака \"=\"",
    "Нету выражения после знака \"=\"",
    "Свободный член без должен записываться справа от знака \"=\"",
    "Ошибка в написании уравнения",
    "Не имеет решения",
    "Система не имеет единственного решения",
    "Дано лишнее уравнение. Уберите одно из равенств",
    "Слишком много неизвестных: не более ",
    "Определитель слишком близок к нулю"};

// True when every line is a well-formed equation; otherwise false with the first fault's message.
bool CheckSystem(const std::string& text, std::string& message);

// The report for a text that CheckSystem accepted, or one of the solver's one-line messages;
// isMessage tells which.
std::string SolveByCramer(const std::string& text, bool& isMessage);
