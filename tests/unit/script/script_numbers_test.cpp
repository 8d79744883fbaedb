#include "tools/script/numbers.h"
#include "tools/script/transcript.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace kvint::script {
namespace {

TEST(ScriptRandom, AcceptsDigitsWithAnOptionalFraction) {
    EXPECT_EQ(parseRandom("0"), 0.0F);
    EXPECT_EQ(parseRandom("0.8"), 0.8F);
    EXPECT_EQ(parseRandom("0.125"), 0.125F);
    EXPECT_EQ(parseRandom("00.5"), 0.5F);
    EXPECT_EQ(parseRandom("0.000"), 0.0F);
}

TEST(ScriptRandom, RejectsEveryOtherSpelling) {
    for (const char* word :
         {"",    ".35", "0.",  "1",   "1.0",   "2.5",  "10",   "-0.5", "+0.5", "0.5e0", "1e-3",
          "0x0", "inf", "nan", "0,5", "0.5.5", " 0.5", "0.5 ", "٠.5",  "0.-5", "0..5"}) {
        EXPECT_FALSE(parseRandom(word)) << '"' << word << '"';
    }
}

TEST(ScriptRandom, TakesTheNearestSinglePrecisionValue) {
    // Exactly halfway between 0.5 and the next float up: ties go to the even one.
    EXPECT_EQ(parseRandom("0.500000029802322387695312500"), 0.5F);
    // Three half-steps up: halfway between an odd and an even neighbour.
    EXPECT_EQ(parseRandom("0.500000089406967163085937500"), 0.5F + 0x1p-23F);
    // A hair above the tie must round up. Going through double first would
    // land on the tie and round down to 0.5.
    EXPECT_EQ(parseRandom("0.500000029802322387695312500000000001"), 0.5F + 0x1p-24F);
}

TEST(ScriptRandom, HugeDigitStringsNeitherFailNorOverflow) {
    const std::string tiny = "0." + std::string(100000, '0') + "1";
    EXPECT_EQ(parseRandom(tiny), 0.0F);
    const std::string longOne = "0.3" + std::string(100000, '3');
    EXPECT_EQ(parseRandom(longOne), 1.0F / 3.0F);
    EXPECT_FALSE(parseRandom(std::string(100000, '0') + "1.5"));
    EXPECT_EQ(parseRandom(std::string(100000, '0') + ".25"), 0.25F);
}

TEST(ScriptRandom, ValueJustBelowOneMayRoundToOne) {
    // Written below 1, so the script is fine; the nearest float is 1, whose
    // draw (8) is simply thrown away by the game.
    EXPECT_EQ(parseRandom("0.99999999999"), 1.0F);
}

TEST(ScriptBounded, PlainDigitsUpToTheLimit) {
    EXPECT_EQ(parseBounded("0", 6), 0U);
    EXPECT_EQ(parseBounded("6", 6), 6U);
    EXPECT_EQ(parseBounded("0006", 6), 6U);
    EXPECT_EQ(parseBounded("255", 255), 255U);
    EXPECT_EQ(parseBounded("65535", 65535), 65535U);
    EXPECT_FALSE(parseBounded("7", 6));
    EXPECT_FALSE(parseBounded("256", 255));
    EXPECT_FALSE(parseBounded("65536", 65535));
}

TEST(ScriptBounded, NoWrapAroundForHugeValues) {
    EXPECT_FALSE(parseBounded("4294967296", 255)); // 2^32 would wrap to 0
    EXPECT_FALSE(parseBounded("4294967302", 6));   // 2^32 + 6 would wrap to 6
    EXPECT_FALSE(parseBounded(std::string(5000, '9'), 65535));
    EXPECT_EQ(parseBounded(std::string(5000, '0') + "13", 65535), 13U);
}

TEST(ScriptBounded, RejectsSignsBlanksAndOtherCharacters) {
    for (const char* word : {"", "-1", "+1", " 1", "1 ", "1.0", "0x1", "1e2", "١"}) {
        EXPECT_FALSE(parseBounded(word, 65535)) << '"' << word << '"';
    }
}

TEST(ScriptTranscript, EscapesTheFourControlCharactersOnly) {
    EXPECT_EQ(escapeText("a\\b\tc\nd\re"), "a\\\\b\\tc\\nd\\re");
    EXPECT_EQ(escapeText("\\n"), "\\\\n"); // a written backslash-n stays apart from a line feed
    const std::string raw("x\0y\xff\x01Ё", 7);
    EXPECT_EQ(escapeText(raw), raw);
}

TEST(ScriptTranscript, RecordIsTabSeparatedWithOneLineFeed) {
    std::ostringstream out;
    writeRecord(out, {"msgbox", "Сообщение", "ok", "a\tb"});
    writeRecord(out, {"cls"});
    writeRecord(out, {"inputbox", "kvint", ""});
    EXPECT_EQ(out.str(), "msgbox\tСообщение\tok\ta\\tb\ncls\ninputbox\tkvint\t\n");
}

} // namespace
} // namespace kvint::script
