#include "game/rules_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <utility>

namespace kvint {
namespace {

namespace fs = std::filesystem;

// "Правила" in code page 1251.
constexpr std::string_view kPravila1251 = "\xCF\xF0\xE0\xE2\xE8\xEB\xE0";

TEST(RulesLines, EachLineEndsWithOneLineFeed) {
    EXPECT_EQ(joinLines("один\r\nдва\r\n"), "один\nдва\n");
    EXPECT_EQ(joinLines("один\rдва\r"), "один\nдва\n");
    EXPECT_EQ(joinLines("один\r\nдва\rтри"), "один\nдва\nтри\n");
    EXPECT_EQ(joinLines("последняя"), "последняя\n");
    EXPECT_EQ(joinLines(""), "");
}

TEST(RulesLines, EmptyLinesAndLoneLineFeeds) {
    EXPECT_EQ(joinLines("\r\n"), "\n");
    EXPECT_EQ(joinLines("a\r\n\r\nb\r\n"), "a\n\nb\n");
    EXPECT_EQ(joinLines("a\r\r\nb"), "a\n\nb\n");
    // A lone LF is no line end: it stays inside its line.
    EXPECT_EQ(joinLines("a\nb\r\n"), "a\nb\n");
    EXPECT_EQ(joinLines("a\n"), "a\n\n");
    EXPECT_EQ(joinLines("\n\r\n"), "\n\n");
}

TEST(RulesUtf8, AcceptsWellFormedText) {
    EXPECT_TRUE(isUtf8(""));
    EXPECT_TRUE(isUtf8("plain ascii\r\n"));
    EXPECT_TRUE(isUtf8("Правила игры ёЁ №"));
    EXPECT_TRUE(isUtf8("\xE2\x82\xAC"));     // euro sign
    EXPECT_TRUE(isUtf8("\xF0\x9F\x8E\xB2")); // a four-byte character
    EXPECT_TRUE(isUtf8("\xEF\xBB\xBF"));     // byte-order mark
}

TEST(RulesUtf8, RejectsMalformedSequences) {
    EXPECT_FALSE(isUtf8(kPravila1251));
    EXPECT_FALSE(isUtf8("\x80"));             // continuation without a lead
    EXPECT_FALSE(isUtf8("\xC0\x80"));         // overlong NUL
    EXPECT_FALSE(isUtf8("\xC1\xBF"));         // overlong
    EXPECT_FALSE(isUtf8("\xE0\x80\xAF"));     // overlong three-byte form
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));     // surrogate
    EXPECT_FALSE(isUtf8("\xF4\x90\x80\x80")); // past U+10FFFF
    EXPECT_FALSE(isUtf8("\xF5\x80\x80\x80"));
    EXPECT_FALSE(isUtf8("\xD0"));         // cut at the end
    EXPECT_FALSE(isUtf8("\xE2\x82"));     // cut at the end
    EXPECT_FALSE(isUtf8("\xD0\x41"));     // second byte not a continuation
    EXPECT_FALSE(isUtf8("\xE2\x82\x41")); // third byte not a continuation
    EXPECT_FALSE(isUtf8("ok\xFF"));
}

TEST(RulesCp1251, ConvertsEveryHighByte) {
    EXPECT_EQ(cp1251ToUtf8(kPravila1251), "Правила");
    EXPECT_EQ(cp1251ToUtf8("\xC0\xDF\xE0\xFF"), "АЯая");
    EXPECT_EQ(cp1251ToUtf8("\xA8\xB8\xB9"), "Ёё№");
    EXPECT_EQ(cp1251ToUtf8("\x80\x88\x96\x97\xAB\xBB"), "Ђ€–—«»");
    EXPECT_EQ(cp1251ToUtf8("\xA5\xB4\xAA\xBA\xAF\xBF\xB2\xB3"), "ҐґЄєЇїІі");
    EXPECT_EQ(cp1251ToUtf8("\xA0"), "\u00A0");
    EXPECT_EQ(cp1251ToUtf8("\x98"), "\uFFFD"); // no character in the code page
    EXPECT_EQ(cp1251ToUtf8("ascii\r\n\t"), "ascii\r\n\t");
    // Every byte gives well-formed UTF-8, whatever the input.
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_TRUE(isUtf8(cp1251ToUtf8(all)));
}

TEST(RulesUtf8, CutSequenceAtTheEnd) {
    EXPECT_EQ(withoutCutSequence(""), 0U);
    EXPECT_EQ(withoutCutSequence("ab"), 2U);
    EXPECT_EQ(withoutCutSequence("a\xD0\x9F"), 3U);
    EXPECT_EQ(withoutCutSequence("a\xD0"), 1U);
    EXPECT_EQ(withoutCutSequence("a\xE2\x82"), 1U);
    EXPECT_EQ(withoutCutSequence("a\xF0\x9F\x8E"), 1U);
    EXPECT_EQ(withoutCutSequence("a\xF0\x9F\x8E\xB2"), 5U);
    // Stray bytes are not a cut character; they are left for the check.
    EXPECT_EQ(withoutCutSequence("a\x80\x80\x80\x80"), 5U);
    EXPECT_EQ(withoutCutSequence("a\xFF"), 2U);
}

RulesFile readBytes(std::string bytes, bool truncated = false) {
    return RulesFile{true, truncated, std::move(bytes)};
}

TEST(RulesText, DecodesAndSplits) {
    EXPECT_EQ(rulesText(readBytes("Кости\r\nи кубики")), "Кости\nи кубики\n");
    EXPECT_EQ(rulesText(readBytes(std::string(kPravila1251) + "\r\n")), "Правила\n");
    EXPECT_EQ(rulesText(readBytes("")), "");
    EXPECT_EQ(rulesText(readBytes("\xEF\xBB\xBFПравила\r\n")), "Правила\n");
}

TEST(RulesText, OneStrayByteMakesTheWholeFileCodePage1251) {
    // "Пр" in UTF-8 is D0 9F D1 80; read as 1251 bytes those are Р џ С Ђ.
    EXPECT_EQ(rulesText(readBytes("\xD0\x9F\xD1\x80\r\n\xE9")), "РџСЂ\nй\n");
}

TEST(RulesText, UnreadableFileIsNamed) {
    const std::string text = rulesText(RulesFile{});
    EXPECT_NE(text.find("help.rls"), std::string::npos);
    EXPECT_NE(text.find("Не удалось прочитать"), std::string::npos);
    EXPECT_TRUE(isUtf8(text));
}

TEST(RulesText, CutShortTextSaysSoAtTheEnd) {
    // The limit fell between the two bytes of "б".
    const std::string text = rulesText(readBytes("аб\r\nв\r\nа\xD0", true));
    EXPECT_TRUE(text.starts_with("аб\nв\nа\n")) << text;
    EXPECT_NE(text.find("1 МБ", 6), std::string::npos);
    EXPECT_TRUE(text.ends_with("\n"));
    EXPECT_TRUE(isUtf8(text));
}

class RulesFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("kvint-rules-" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(file(), fs::perms::owner_all, ec);
        fs::remove_all(dir_, ec);
    }
    fs::path file() const { return dir_ / "help.rls"; }
    void write(const std::string& bytes) const { std::ofstream(file(), std::ios::binary) << bytes; }

    fs::path dir_;
};

TEST_F(RulesFileTest, ReadsTheBytesAsTheyAre) {
    write("a\r\nb\rc\n\xC0");
    const RulesFile f = readRulesFile(file());
    EXPECT_TRUE(f.readable);
    EXPECT_FALSE(f.truncated);
    EXPECT_EQ(f.bytes, "a\r\nb\rc\n\xC0");
}

TEST_F(RulesFileTest, EmptyFileIsReadableAndEmpty) {
    write("");
    const RulesFile f = readRulesFile(file());
    EXPECT_TRUE(f.readable);
    EXPECT_EQ(rulesText(f), "");
}

TEST_F(RulesFileTest, MissingFileOrFolderIsUnreadable) {
    EXPECT_FALSE(readRulesFile(file()).readable);
    fs::create_directory(file());
    EXPECT_FALSE(readRulesFile(file()).readable);
    EXPECT_NE(rulesText(readRulesFile(file())).find("help.rls"), std::string::npos);
}

TEST_F(RulesFileTest, FileWithoutReadPermissionIsUnreadable) {
    write("секрет");
    fs::permissions(file(), fs::perms::none);
    if (std::ifstream(file()).good()) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_FALSE(readRulesFile(file()).readable);
}

TEST_F(RulesFileTest, StopsAtTheLimit) {
    std::string line(99, 'x');
    line += "\r\n";
    std::string bytes;
    while (bytes.size() <= kRulesLimit) {
        bytes += line;
    }
    write(bytes);
    const RulesFile f = readRulesFile(file());
    EXPECT_TRUE(f.truncated);
    EXPECT_EQ(f.bytes.size(), kRulesLimit);
    EXPECT_EQ(f.bytes, bytes.substr(0, kRulesLimit));

    const std::string text = rulesText(f);
    const std::string lines = joinLines(f.bytes);
    ASSERT_TRUE(text.starts_with(lines));
    const std::string note = text.substr(lines.size());
    EXPECT_NE(note.find("1 МБ"), std::string::npos);
    EXPECT_TRUE(note.ends_with("\n"));
}

TEST_F(RulesFileTest, FileOfExactlyTheLimitIsWhole) {
    write(std::string(kRulesLimit, 'y'));
    const RulesFile f = readRulesFile(file());
    EXPECT_FALSE(f.truncated);
    EXPECT_EQ(f.bytes.size(), kRulesLimit);
    EXPECT_EQ(rulesText(f), std::string(kRulesLimit, 'y') + "\n");
}

// The rules shipped with the program, in each language: UTF-8 with CR LF
// line ends, lines that fit the narrow rules box, and every typed category
// name and button of a turn explained by the caption the button shows.
void expectShippedRulesFit(Language lang) {
    const auto file =
        std::filesystem::path(__FILE__).parent_path() / "../../../data" / rulesFile(lang);
    const RulesFile f = readRulesFile(file);
    ASSERT_TRUE(f.readable) << file;
    EXPECT_FALSE(f.truncated);
    EXPECT_TRUE(isUtf8(f.bytes));
    for (std::size_t lf = f.bytes.find('\n'); lf != std::string::npos;
         lf = f.bytes.find('\n', lf + 1)) {
        ASSERT_TRUE(lf > 0 && f.bytes[lf - 1] == '\r') << "a lone line feed at byte " << lf;
    }
    EXPECT_TRUE(f.bytes.ends_with("\r\n"));

    const std::string text = rulesText(f, lang);
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        const auto chars =
            std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_LE(chars, 40) << line;
        start = end + 1;
    }
    for (const std::string_view typed :
         {std::string_view("23"), std::string_view("32"), std::string_view("strit"),
          std::string_view("care"), std::string_view("kvint"), std::string_view("F6"),
          messageText(lang, Msg::reroll), messageText(lang, Msg::writeOne),
          messageText(lang, Msg::passOne), messageText(lang, Msg::roll)}) {
        EXPECT_NE(text.find(typed), std::string::npos) << typed;
    }
}

TEST(ShippedRules, ReadAsIntendedAndFitTheBox) {
    expectShippedRulesFit(Language::ru);
    expectShippedRulesFit(Language::en);
}

} // namespace
} // namespace kvint
