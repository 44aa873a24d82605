#include "platform/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, DecodesTheWholeHighRange)
{
    struct Case {
        unsigned char byte;
        char16_t unicode;
    };
    for (const Case& c : {Case{0x41, u'A'}, Case{0x80, u'€'}, Case{0x85, u'…'}, Case{0x8C, u'Œ'},
                          Case{0x91, u'‘'}, Case{0x95, u'•'}, Case{0x96, u'–'}, Case{0x97, u'—'},
                          Case{0x9F, u'Ÿ'}, Case{0xA1, u'¡'}, Case{0xBF, u'¿'}, Case{0xD1, u'Ñ'},
                          Case{0xE9, u'é'}, Case{0xFF, u'ÿ'}, Case{0x81, 0x81}, Case{0x9D, 0x9D}})
        EXPECT_EQ(cp1252::toUnicode(c.byte), c.unicode) << int(c.byte);
}

TEST(Cp1252, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
}

TEST(Cp1252, EncodesSpanishTextAndMarksWhatItCannot)
{
    EXPECT_EQ(cp1252::encode(u"¿Salir del programa?"), "\xBFSalir del programa?");
    EXPECT_EQ(cp1252::encode(u"• Año"), "\x95 A\xF1o");
    EXPECT_EQ(cp1252::encode(u"Ω→"), "??");
}
