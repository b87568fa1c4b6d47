// nerolith-cli: the three pages on the command line.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit status: 0 a value, matrix or report printed; 1 a one-line message printed; 2 a usage error.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);
