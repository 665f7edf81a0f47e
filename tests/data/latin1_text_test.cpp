#include "data/latin1_text.h"

#include <gtest/gtest.h>

// Every Latin-1 byte survives the way to UTF-8 and back; the two-byte forms are written
// out by hand for the edges of each lead byte.
TEST(Latin1Text, EveryByteRoundTrips) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string latin1(1, static_cast<char>(byte));
        EXPECT_EQ(Latin1FromUtf8(Utf8FromLatin1(latin1)), latin1) << byte;
    }
    EXPECT_EQ(Utf8FromLatin1("J\xF6rg \x80\xBF\xC0\xFF"),
              "J\xC3\xB6rg \xC2\x80\xC2\xBF\xC3\x80\xC3\xBF");
}

TEST(Latin1Text, RefusesWhatOneByteCannotHold) {
    const char* const refused[] = {
        "\xD0\x98\xD0\xB3\xD1\x80\xD0\xBE\xD0\xBA",  // Игрок
        "\xE2\x82\xAC",                              // the euro sign, U+20AC
        "\xC4\x80",                                  // U+0100, the first beyond Latin-1
        "a\xC3",                                     // a lead byte at the end
        "\xC3"
        "a",                 // no continuation byte
        "\x80",              // a continuation byte alone
        "\xC1\xBF",          // an overlong form of '?'
        "\xF0\x9F\x98\x80",  // outside the basic plane
    };
    for (const char* text : refused) {
        EXPECT_EQ(Latin1FromUtf8(text), std::nullopt) << text;
    }
    EXPECT_EQ(Latin1FromUtf8("plain"), "plain");
    EXPECT_EQ(Latin1FromUtf8(""), "");
}

// What Notepad saves is read as UTF-8; a file that is not UTF-8 within Latin-1, or that
// needs no reading as UTF-8 (plain ASCII), is left to be taken byte for byte.
TEST(Latin1Text, FilesInUtf8WithinLatin1AreConverted) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"\xEF\xBB\xBF", ""},
        {"\xEF\xBB\xBFplain\r\n", "plain\r\n"},
        {"Sp\xC3\xA9rrow\r\n", "Sp\xE9rrow\r\n"},
        {"\xEF\xBB\xBF\xC3\xA9\xC3\xBF", "\xE9\xFF"},
        {"", std::nullopt},
        {"plain\r\n", std::nullopt},
        {"Sp\xE9rrow", std::nullopt},                // Latin-1: no UTF-8
        {"\xEF\xBB\xBF\xE9", std::nullopt},          // a mark, then no UTF-8
        {"\xE2\x82\xAC", std::nullopt},              // the euro sign
        {"\xEF\xBB\xBF\xE2\x82\xAC", std::nullopt},  // a mark, then the euro sign
        {"a\xEF\xBB\xBF", std::nullopt},             // U+FEFF inside the text
        {"\xEF\xBB", std::nullopt},                  // half a mark
        {"\xC3\xA9\xEF\xBB\xBF", std::nullopt},      // a mark past the start
    };
    for (const auto& [bytes, latin1] : cases) {
        EXPECT_EQ(Latin1FromUtf8File(bytes), latin1) << bytes;
    }
}
