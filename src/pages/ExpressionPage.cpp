#include "ExpressionPage.h"

#include "ArithmeticFaults.h"
#include "uPrimer.h"

PageAnswer ExpressionPageAnswer(std::u16string_view input) {
    const Cp1251Text text = ToCp1251(input);
    std::string message;
    if (!CheckExpression(text.bytes, message)) {
        return CheckFailedAnswer(message, text);
    }
    ClearArithmeticFaults();
    const Extended value = EvaluateExpression(text.bytes);
    return CalculatedAnswer(RealToText(value));
}
