// Linear equations: the text of a system (checking and reading) and its solution by
// Cramer's rule with a step-by-step report.
#pragma once

#include <string>

#include "uMatrixes.h"

// True when every line is a well-formed equation; otherwise false with the first fault's message.
bool CheckSystem(const std::string& text, std::string& message);

// Reads a text that CheckSystem accepted.
void ParseSystem(const std::string& text, TwoDimDynA& coefficients, ArrayOfExtended& freeTerms,
                 ArrayOfString& names);

// The report for a text that CheckSystem accepted, or one of the solver's one-line messages;
// isMessage tells which.
std::string SolveByCramer(const std::string& text, bool& isMessage);
