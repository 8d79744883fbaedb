#include "tools/script/command.h"
#include "tools/script/halt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace kvint::script {
namespace {

template <typename T> T parsed(std::string_view line) {
    const auto command = parseLine(line);
    EXPECT_TRUE(command) << line;
    EXPECT_TRUE(command && std::holds_alternative<T>(*command)) << line;
    return command && std::holds_alternative<T>(*command) ? std::get<T>(*command) : T{};
}

void expectMalformed(std::string_view line) {
    try {
        parseLine(line);
        ADD_FAILURE() << "accepted: \"" << line << '"';
    } catch (const ScriptHalt& halt) {
        EXPECT_EQ(halt.status(), kExitMalformed) << line;
    }
}

TEST(ScriptParse, SkipsEmptyBlankAndCommentLines) {
    for (const char* line : {"", " ", "    ", "#", "# exit: 2", "#dump"}) {
        EXPECT_FALSE(parseLine(line)) << '"' << line << '"';
    }
    // Only a line that starts with '#' is a comment; a TAB is no blank.
    expectMalformed(" # indented");
    expectMalformed("\t");
    expectMalformed(" dump");
}

TEST(ScriptParse, CommandWordsAreExactAndSeparatedByOneBlank) {
    for (const char* line : {"DUMP", "Dump", "dump\t", "click\tCommand1", "roll", "end", "dumpx"}) {
        expectMalformed(line);
    }
    expectMalformed(std::string_view("dump\0", 5));
    expectMalformed("\xEF\xBB\xBF"
                    "dump"); // a mark past the start of the script is text
}

TEST(ScriptParse, AnswerTakesTheRestVerbatim) {
    EXPECT_EQ(parsed<AnswerCmd>("answer").text, "");
    EXPECT_EQ(parsed<AnswerCmd>("answer ").text, "");
    EXPECT_EQ(parsed<AnswerCmd>("answer  two  blanks ").text, " two  blanks ");
    EXPECT_EQ(parsed<AnswerCmd>("answer a\tb\\c\rd").text, "a\tb\\c\rd");
    EXPECT_EQ(parsed<AnswerCmd>(std::string_view("answer \0\xff", 9)).text,
              std::string("\0\xff", 2));
}

TEST(ScriptParse, RandomTakesOneOrMoreValues) {
    EXPECT_EQ(parsed<RandomCmd>("random 0.5 0.25 0").values, (std::vector<float>{0.5F, 0.25F, 0}));
    for (const char* line : {"random", "random ", "random 0.5 ", "random  0.5", "random 0.5  0.25",
                             "random 0.5 1", "random 0.5 x"}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, ReplyIsYesOrNo) {
    EXPECT_TRUE(parsed<ReplyCmd>("reply yes").yes);
    EXPECT_FALSE(parsed<ReplyCmd>("reply no").yes);
    for (const char* line :
         {"reply", "reply ", "reply Yes", "reply y", "reply yes no", "reply yes "}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, ClickTakesButtonsDiceChoicesAndMenuItemsOnly) {
    EXPECT_EQ(parsed<ClickCmd>("click Command7").control, Ctl::Command7);
    EXPECT_EQ(parsed<ClickCmd>("click Text6").control, Ctl::Text6);
    EXPECT_EQ(parsed<ClickCmd>("click Option2").control, Ctl::Option2);
    EXPECT_EQ(parsed<ClickCmd>("click Check3").control, Ctl::Check3);
    EXPECT_EQ(parsed<ClickCmd>("click новая").control, Ctl::novaya);
    EXPECT_EQ(parsed<ClickCmd>("click pravila").control, Ctl::pravila);
    EXPECT_EQ(parsed<ClickCmd>("click Form2.Command1").control, Ctl::Form2_Command1);
    for (const char* name :
         {"Command1", "Command2", "Command3", "Command4",  "Command5", "Command6", "Text1",
          "Text2",    "Text3",    "Text4",    "Text5",     "Option1",  "Check1",   "Check2",
          "vihod",    "hod",      "mayschet", "schetcomp", "ochko",    "oprg"}) {
        EXPECT_TRUE(parseLine(std::string("click ") + name)) << name;
    }
    for (const char* line :
         {"click", "click ", "click Label8", "click may1", "click comp11", "click Frame1",
          "click Form1", "click Form2", "click Form2.Text1", "click игра", "click счет",
          "click pomosch", "click command1", "click Command8", "click Command1 ",
          "click Command1 Command2", "click  Command1", "click novaya"}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, KeyTakesADieBoxAndACode) {
    const KeyCmd key = parsed<KeyCmd>("key Text3 13");
    EXPECT_EQ(key.die, Ctl::Text3);
    EXPECT_EQ(key.code, 13);
    EXPECT_EQ(parsed<KeyCmd>("key Text1 65535").code, 65535);
    EXPECT_EQ(parsed<KeyCmd>("key Text1 0").code, 0);
    for (const char* line :
         {"key", "key Text1", "key Text1 ", "key Text7 13", "key Command1 13", "key Form2.Text1 13",
          "key Text1 65536", "key Text1 -1", "key Text1 13 13", "key Text1  13", "key 13 Text1"}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, CloseTakesAWindow) {
    EXPECT_EQ(parsed<CloseCmd>("close Form1").window, Ctl::Form1);
    EXPECT_EQ(parsed<CloseCmd>("close Form2").window, Ctl::Form2);
    for (const char* line :
         {"close", "close form1", "close Form3", "close Form2.Command1", "close Form1 "}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, SetChecksFieldCountAndRange) {
    EXPECT_EQ(parsed<SetCmd>("set kubik 0 6 00 06 1 2").values,
              (std::vector<unsigned>{0, 6, 0, 6, 1, 2}));
    const SetCmd scores = parsed<SetCmd>("set compscore 255 0 1 2 3 4 5 6 7 8 9");
    EXPECT_EQ(scores.field, Field::compscore);
    EXPECT_EQ(scores.values.size(), 11U);
    EXPECT_EQ(parsed<SetCmd>("set mayscore 1 1 1 1 1 1 1 1 1 1 1").field, Field::mayscore);
    for (const char* field :
         {"turnowner", "brosnum", "level", "gamemode", "rerollcount", "dicelock"}) {
        EXPECT_EQ(parsed<SetCmd>(std::string("set ") + field + " 255").values.front(), 255U);
        expectMalformed(std::string("set ") + field + " 256");
        expectMalformed(std::string("set ") + field);
        expectMalformed(std::string("set ") + field + " 1 2");
    }
    for (const char* line :
         {"set", "set ", "set idx 1", "set Kubik 1 1 1 1 1 1", "set kubik 1 2 3 4 5",
          "set kubik 1 2 3 4 5 6 1", "set kubik 1 2 3 4 5 7", "set mayscore 1 1 1 1 1 1 1 1 1 1",
          "set  level 1", "set level  1", "set level 1 ", "set facesum 1 1 1 1 1 1"}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, SetNameTakesTheRestVerbatim) {
    const SetCmd empty = parsed<SetCmd>("set name1");
    EXPECT_EQ(empty.field, Field::name1);
    EXPECT_EQ(empty.text, "");
    EXPECT_EQ(parsed<SetCmd>("set name2 ").text, "");
    EXPECT_EQ(parsed<SetCmd>("set name2  Пётр  I ").text, " Пётр  I ");
    EXPECT_EQ(parsed<SetCmd>("set name2 a\tb").field, Field::name2);
}

TEST(ScriptParse, CallKnowsEveryProcedureOnce) {
    std::vector<Procedure> seen;
    for (const char* name :
         {"brosok", "broskom", "broskom1", "julik", "proverkastrit", "proverka", "proverka2_3",
          "PROVERKA3_2", "proverkacare", "proverka5", "proverka4", "proverka3", "proverka2",
          "proverka1", "proverka21", "proverka31", "proverka654"}) {
        const Procedure p = parsed<CallCmd>(std::string("call ") + name).procedure;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), p), 0) << name;
        seen.push_back(p);
    }
    EXPECT_EQ(parsed<CallCmd>("call brosok").procedure, Procedure{&Game::brosok});
    EXPECT_EQ(parsed<CallCmd>("call PROVERKA3_2").procedure, Procedure{&Computer::PROVERKA3_2});
    for (const char* line : {"call", "call ", "call proverka3_2", "call BROSOK", "call brosok ",
                             "call Form_Load", "call Command7_Click", "call novaya_Click"}) {
        expectMalformed(line);
    }
}

TEST(ScriptParse, DumpTakesNothing) {
    const auto dump = parseLine("dump");
    EXPECT_TRUE(dump && std::holds_alternative<DumpCmd>(*dump));
    expectMalformed("dump ");
    expectMalformed("dump all");
}

} // namespace
} // namespace kvint::script
