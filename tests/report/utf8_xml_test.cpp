// The conversion of fragment texts to UTF-8 and the checksum of the XML export.
#include <gtest/gtest.h>

#include "report/crc32.h"
#include "report/utf8_xml.h"

TEST(Crc32, IsTheStandardChecksum) {
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32(""), 0u);
    // Fed in pieces it gives the same as all at once.
    Crc32 c;
    c.dodaj("1234");
    c.dodaj("56789");
    EXPECT_EQ(c.wynik(), 0xCBF43926u);
    EXPECT_EQ(crc32("\xFF\x80"), crc32(std::string("\xFF\x80")));
}

TEST(KodujUTF8, ConvertsEachTableAsTheLanguageFamilyNeeds) {
    struct Przypadek {
        TablicaUTF8 tablica;
        int strona;
        std::string zrodlo, oczekiwany;
    };
    const Przypadek przypadki[] = {
        // Latin: the 39 letters, anything else above 0x7F is "#".
        {TablicaUTF8::lacinska, 1250, "Strefa \xA3\xF3\xE6", "Strefa \xC5\x81\xC3\xB3\xC4\x87"},
        {TablicaUTF8::lacinska, 1250, "\xAE\xA7\xDF\x8C\xFC",
         "\xC2\xAE\xC2\xA7\xC3\x9F\xC5\x9A\xC3\xBC"},
        {TablicaUTF8::lacinska, 1250, "\x80\x8A\xA0\xFF", "####"},
        // Cyrillic: Windows-1251, with its punctuation as "#"; two characters take three bytes.
        {TablicaUTF8::cyrylica, 1251, "\xCF\xEE\xE6\xE0\xF0", "Пожар"},
        {TablicaUTF8::cyrylica, 1251, "\x85\x91\xAB\xBB\xB0", "#####"},
        {TablicaUTF8::cyrylica, 1251, "\x82\xB9\xA8\xA9", "\xE2\x80\x9A\xE2\x84\x96Ё©"},
        // Other languages: their whole code page; bytes it leaves undefined are "#".
        {TablicaUTF8::strona, 1250, "\xA3", "\xC5\x81"},
        {TablicaUTF8::strona, 1252, "\xA3\xE9\x80\x81", "£é€#"},
        // ASCII is copied; control characters XML cannot carry are not.
        {TablicaUTF8::lacinska, 1250, "<a>&amp;\t\r\n~\x7F", "<a>&amp;\t\r\n~\x7F"},
        {TablicaUTF8::cyrylica, 1251, std::string("a\0b\x01\x1F", 5), "a#b##"},
    };
    for (const auto& p : przypadki) {
        EXPECT_EQ(kodujUTF8(p.zrodlo, p.tablica, p.strona), p.oczekiwany) << p.oczekiwany;
    }
}

TEST(KodujUTF8, WithoutALanguageObjectUsesPolish) {
    EXPECT_EQ(kodujUTF8("\xA3\x80", nullptr), "\xC5\x81#");
}
