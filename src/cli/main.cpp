#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "Utf8.h"

// Windows hands the arguments over in UTF-16; the tool reads and writes UTF-8 bytes.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        arguments.push_back(Utf16ToUtf8(std::u16string(wide.begin(), wide.end())));
    }
    return RunCli(arguments, std::cin, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
#endif
