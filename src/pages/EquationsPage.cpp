#include "EquationsPage.h"

#include "uSLU.h"

PageAnswer EquationsPageAnswer(std::u16string_view input) {
    return OneBoxAnswer(input, CheckSystem, SolveByCramer);
}
