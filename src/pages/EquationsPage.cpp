#include "EquationsPage.h"

#include "ArithmeticFaults.h"
#include "uSLU.h"

PageAnswer EquationsPageAnswer(std::u16string_view input) {
    const Cp1251Text text = ToCp1251(input);
    std::string message;
    if (!CheckSystem(text.bytes, message)) {
        return CheckFailedAnswer(message, text);
    }
    ClearArithmeticFaults();
    bool isMessage = false;
    const std::string answer = SolveByCramer(text.bytes, isMessage);
    return CalculatedAnswer(answer, isMessage);
}
