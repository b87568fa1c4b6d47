#include <gtest/gtest.h>

#include "BoxText.h"

namespace {

TEST(BoxText, EveryWindows1251ByteRoundTrips) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    std::erase(all, kUnmappedByte);
    const Cp1251Text back = ToCp1251(FromCp1251(all));
    EXPECT_EQ(back.bytes, all);
    EXPECT_TRUE(back.firstUnmapped.empty());
}

TEST(BoxText, MapsEachCharacterAndKeepsTheFirstThatHasNoByte) {
    const std::string u(1, kUnmappedByte);
    const std::u16string loneHalf(1, char16_t{0xD800});
    const struct {
        std::u16string text;
        std::string bytes;
        std::u16string firstUnmapped;
    } cases[] = {
        {u"Матрица ЁёЯя № — «» €\r\n", "Матрица ЁёЯя № — «» €\r\n", u""},
        {u"a中b字", "a" + u + "b" + u, u"中"},
        {u"x\U0001F600y中", "x" + u + "y" + u, u"\U0001F600"},  // a surrogate pair is one character
        {loneHalf + u"1", u + "1", loneHalf},
    };
    for (const auto& c : cases) {
        const Cp1251Text text = ToCp1251(c.text);
        EXPECT_EQ(text.bytes, c.bytes);
        EXPECT_EQ(text.firstUnmapped, c.firstUnmapped);
    }
}

TEST(BoxText, NamesTheUnmappedCharacterInTheInvalidCharacterMessage) {
    const Cp1251Text source = ToCp1251(u"1+\U0001F600");
    const std::pair<std::string, std::u16string> cases[] = {
        {"Недопустимый символ: " + std::string(1, kUnmappedByte),
         u"Недопустимый символ: \U0001F600"},
        {"Недопустимый символ: ж", u"Недопустимый символ: ж"},
        {"Ошибка: \".\"", u"Ошибка: \".\""},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(MessageFromCp1251(message, source), shown);
    }
}

}  // namespace
