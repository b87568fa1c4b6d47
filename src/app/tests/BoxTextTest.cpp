#include <gtest/gtest.h>

#include "BoxText.h"

namespace {

TEST(BoxText, EveryWindows1251ByteRoundTrips) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != static_cast<unsigned char>(kUnmappedByte)) {
            all += static_cast<char>(byte);
        }
    }
    const std::u16string text = FromCp1251(all);
    ASSERT_EQ(text.size(), all.size());
    const Cp1251Text back = ToCp1251(text);
    EXPECT_EQ(back.bytes, all);
    EXPECT_TRUE(back.firstUnmapped.empty());
}

TEST(BoxText, MapsTheCyrillicLettersAndSigns) {
    struct Case {
        std::u16string text;
        std::string bytes;
    };
    const Case cases[] = {{u"Матрица", "Матрица"},
                          {u"ЁёЯяАа", "ЁёЯяАа"},
                          {u"№ — «»", "№ — «»"},
                          {u"1 2\r\n3 4", "1 2\r\n3 4"},
                          {u"€", "€"}};
    for (const Case& c : cases) {
        EXPECT_EQ(ToCp1251(c.text).bytes, c.bytes);
        EXPECT_EQ(FromCp1251(c.bytes), c.text);
    }
}

TEST(BoxText, KeepsTheFirstCharacterThatHasNoByte) {
    struct Case {
        std::u16string text;
        std::string bytes;
        std::u16string firstUnmapped;
    };
    const std::string u(1, kUnmappedByte);
    const Case cases[] = {
        {u"2+中", "2+" + u, u"中"},
        {u"a中b字", "a" + u + "b" + u, u"中"},
        {u"x\U0001F600y中", "x" + u + "y" + u, u"\U0001F600"},  // a surrogate pair is one character
        {u"é", u, u"é"},
        {u"\xFFFD", u, u"\xFFFD"},
        {std::u16string(1, char16_t{0xD800}) + u"1", u + "1", std::u16string(1, char16_t{0xD800})},
    };
    for (const Case& c : cases) {
        const Cp1251Text text = ToCp1251(c.text);
        EXPECT_EQ(text.bytes, c.bytes);
        EXPECT_EQ(text.firstUnmapped, c.firstUnmapped);
    }
}

TEST(BoxText, NamesTheUnmappedCharacterInTheInvalidCharacterMessage) {
    const Cp1251Text source = ToCp1251(u"1+\U0001F600");
    struct Case {
        std::string message;
        std::u16string shown;
    };
    const Case cases[] = {
        {"Недопустимый символ: " + std::string(1, kUnmappedByte),
         u"Недопустимый символ: \U0001F600"},
        {"Недопустимый символ: ж", u"Недопустимый символ: ж"},
        {"Ошибка: \".\"", u"Ошибка: \".\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageFromCp1251(c.message, source), c.shown);
    }
}

}  // namespace
