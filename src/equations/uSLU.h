// Linear equations: the text of a system (checking and reading) and its solution with a
// step-by-step report: by Cramer's rule on the binary numbers, by Gauss's method and by the
// matrix method on the exact numbers as typed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "uMatrixes.h"

// The messages of the system check's own faults and of the solver, indexed by SystemFault; the
// number faults are the number test's. The too-many messages end with the largest count solved.
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
    kDeterminantNearZero,
    kTooManyEquations,
    kNumbersTooLong
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
    "Определитель слишком близок к нулю",
    "Слишком много уравнений: не более ",
    "Слишком длинные числа для точного решения"};

// True when every line is a well-formed equation; otherwise false with the first fault's message.
bool CheckSystem(const std::string& text, std::string& message);
// The same for the exact methods: a number may also be a typed fraction ("1/2x+1/3y=1",
// "x-y=5/6").
bool CheckExactSystem(const std::string& text, std::string& message);

// The report for a text that CheckSystem accepted, or one of the solver's one-line messages;
// isMessage tells which.
std::string SolveByCramer(const std::string& text, bool& isMessage);

// The same for Gauss's method: the general solution of any system of up to 100 equations in up
// to 100 unknowns, with the steps up to 10 of each.
std::string SolveByGauss(const std::string& text, bool& isMessage);

// The same for the matrix method, X = A^(-1)*B: a square system whose determinant is not 0, the
// inverse shown up to the order 10; any other system gets Cramer's message.
std::string SolveByMatrixMethod(const std::string& text, bool& isMessage);
