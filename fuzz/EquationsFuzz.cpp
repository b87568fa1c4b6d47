// Arbitrary UTF-16 text, characters outside Windows-1251 included, into the equations page.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "EquationsPage.h"

namespace {

bool IsInfinityOrNan(std::u16string_view token) {
    return token == u"INF" || token == u"-INF" || token == u"NAN";
}

// A report's numbers are the tokens between spaces and line breaks; a variable may be named INF
// or NAN, but its name is always followed by " = ".
bool HasInfinityOrNan(const std::u16string& text) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find_first_of(u" \r\n", start), text.size());
        const std::u16string_view token(text.data() + start, end - start);
        const bool isName = text.compare(end, 3, u" = ") == 0 && token != u"-INF";
        if (IsInfinityOrNan(token) && !isName) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string input(size / 2, u'\0');
    for (size_t i = 0; i < input.size(); ++i) {
        input[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    const PageAnswer answer = EquationsPageAnswer(input);
    if (answer.text.empty() || HasInfinityOrNan(answer.text)) {
        std::abort();
    }
    // A message is one line; a report ends its last line.
    const bool isOneLine = answer.text.find_first_of(u"\r\n") == std::u16string::npos;
    if (answer.isMessage ? !isOneLine : !answer.text.ends_with(u"\r\n")) {
        std::abort();
    }
    return 0;
}
