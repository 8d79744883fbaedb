#include "tools/script/halt.h"
#include "tools/script/line_reader.h"
#include "tools/script/runner.h"
#include "tools/script/script_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace kvint::script {
namespace {

struct Outcome {
    int status;
    std::string transcript;
};

Outcome run(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    const int status = runScript(in, out, "/nonexistent");
    return {status, out.str()};
}

std::vector<std::string> lines(const std::string& script) {
    std::istringstream in(script);
    LineReader reader(in);
    std::vector<std::string> out;
    std::string line;
    while (reader.next(line) == LineReader::Status::line) {
        out.push_back(line);
    }
    return out;
}

std::string lastLine(const std::string& transcript) {
    if (transcript.empty()) {
        return "";
    }
    const auto start = transcript.rfind('\n', transcript.size() - 2);
    return transcript.substr(start == std::string::npos ? 0 : start + 1);
}

const std::string kEnter = "random 0.8 0.8 0.8 0.5 0.5 0.5\nanswer Игрок\nclick Command7\n";
const std::string kEntered =
    "inputbox\tkvint\tВведите ваше имя\nsound\tdice05.wav\t1\ncls\nreseed\ncls\n";

TEST(ScriptLines, CrLfEndsALineButALoneCrStays) {
    EXPECT_EQ(lines("a\r\nb\nc\rd\r\n\r\n"), (std::vector<std::string>{"a", "b", "c\rd", ""}));
    EXPECT_EQ(lines("last\r"), (std::vector<std::string>{"last\r"}));
    EXPECT_EQ(lines("no end"), (std::vector<std::string>{"no end"}));
    EXPECT_EQ(lines(""), (std::vector<std::string>{}));
}

TEST(ScriptLines, ByteOrderMarkOnlyAtTheVeryStart) {
    EXPECT_EQ(lines("\xEF\xBB\xBF"
                    "a\n\xEF\xBB\xBF"
                    "b\n"),
              (std::vector<std::string>{"a", "\xEF\xBB\xBF"
                                             "b"}));
    EXPECT_EQ(lines("\xEF\xBB"
                    "a"),
              (std::vector<std::string>{"\xEF\xBB"
                                        "a"}));
    EXPECT_EQ(lines("\xEF\xBB\xBF"), (std::vector<std::string>{""}));
}

TEST(ScriptLines, OverlongLineIsRefusedWithItsNumber) {
    std::istringstream in("ok\n" + std::string(LineReader::kMaxLine + 1, 'x') + "\nnever\n");
    LineReader reader(in);
    std::string line;
    EXPECT_EQ(reader.next(line), LineReader::Status::line);
    EXPECT_EQ(reader.next(line), LineReader::Status::tooLong);
    EXPECT_EQ(reader.lineNumber(), 2U);
}

TEST(ScriptRun, EmptyScriptPrintsNothing) {
    const Outcome r = run("");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.transcript, "");
    EXPECT_EQ(run("# only a comment\n\n   \n").transcript, "");
}

TEST(ScriptRun, ErrorStopsTheScriptAndIsTheLastRecord) {
    const Outcome r = run(kEnter + "click Command9\nclick Command1\n");
    EXPECT_EQ(r.status, kExitMalformed);
    EXPECT_EQ(r.transcript, kEntered + "error\tline 4: click: unknown name\n");
}

TEST(ScriptRun, EmptyQueueStopsInsideTheHandler) {
    // One value short: the die boxes never get their digits, nothing runs on.
    const Outcome r = run("random 0.8 0.8 0.8 0.5 0.5\nanswer x\nclick Command7\nanswer y\ndump\n");
    EXPECT_EQ(r.status, kExitQueueEmpty);
    EXPECT_EQ(r.transcript, "inputbox\tkvint\tВведите ваше имя\nsound\tdice05.wav\t1\ncls\nreseed\n"
                            "error\tline 3: no random value queued\n");
}

TEST(ScriptRun, ProgramEndStopsReadingWithSuccess) {
    const Outcome r = run("close Form1\ndump\nroll\n");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.transcript, "end\n");
}

TEST(ScriptRun, HostileBytesGiveAnErrorOrRun) {
    EXPECT_EQ(run(std::string("dump\0\n", 6)).status, kExitMalformed);
    EXPECT_EQ(run("\xff\xfe\xfd\n").status, kExitMalformed);
    EXPECT_EQ(run("dump\r").status, kExitMalformed); // a CR without its LF is part of the line
    EXPECT_EQ(run("random " + std::string(1 << 20, '0') + "\n").status, kExitOk);
    EXPECT_EQ(run("key Text1 " + std::string(1 << 20, '9') + "\n").status, kExitMalformed);
}

TEST(ScriptRun, NamesPassThroughAsBytesAndEscaped) {
    const std::string name("\xff\0\t\\", 4);
    const Outcome r =
        run("set mayscore 1 1 1 1 1 1 1 1 1 1 1\nanswer " + name + "\nclick Command7\n");
    EXPECT_EQ(r.status, kExitOk);
    const std::string shown = std::string("ok\t\xff") + '\0' + "\\t\\\\Поздравляю!";
    EXPECT_NE(r.transcript.find(shown), std::string::npos) << r.transcript;
}

TEST(ScriptRun, LongTextLinesAreTakenWhole) {
    const std::string name(200000, 'n');
    const Outcome r = run("set mayscore 1 1 1 1 1 1 1 1 1 1 1\nset name1 " + name + "\nanswer " +
                          name + "\ncall brosok\n");
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_NE(r.transcript.find("\t" + name + "Поздравляю!"), std::string::npos);
}

// Random scripts of real commands, some lines spoiled by an odd byte: every
// one must end with a status of the contract, with an error record exactly
// when it failed, and all three statuses must turn up.
TEST(ScriptRun, RandomScriptsAlwaysEndCleanly) {
    const std::vector<std::string> commands = {"random 0.81 0.31 0.55 0.99 0.05 0.7",
                                               "random 0.45",
                                               "answer Игрок",
                                               "answer",
                                               "reply yes",
                                               "reply no",
                                               "click Command1",
                                               "click Command2",
                                               "click Command3",
                                               "click Command4",
                                               "click Command5",
                                               "click Command6",
                                               "click Command7",
                                               "click Text1",
                                               "click Text4",
                                               "click Option2",
                                               "click Option1",
                                               "click Check3",
                                               "click новая",
                                               "click vihod",
                                               "click pravila",
                                               "click oprg",
                                               "click hod",
                                               "click ochko",
                                               "click Form2.Command1",
                                               "key Text2 13",
                                               "key Text5 32",
                                               "close Form2",
                                               "close Form1",
                                               "set kubik 6 6 6 1 1 1",
                                               "set mayscore 1 1 1 1 1 1 1 1 1 1 1",
                                               "set compscore 9 9 9 9 9 9 9 9 9 9 9",
                                               "set compscore 0 0 0 0 0 0 0 0 0 0 0",
                                               "set level 2",
                                               "set brosnum 3",
                                               "set dicelock 1",
                                               "call broskom",
                                               "call julik",
                                               "call brosok",
                                               "call proverka654",
                                               "dump",
                                               "# note",
                                               "   ",
                                               ""};
    const std::string odd = std::string("\0\t\r \xD0\xFF#1", 9);
    std::mt19937 gen(7);
    std::array<int, 4> seen{};
    for (int i = 0; i < 600; ++i) {
        std::string script;
        const int n = static_cast<int>(gen() % 30);
        for (int k = 0; k < n; ++k) {
            std::string line = commands[gen() % commands.size()];
            if (gen() % 25 == 0) {
                line.insert(gen() % (line.size() + 1), 1, odd[gen() % odd.size()]);
            }
            script += line + (gen() % 2 == 0 ? "\n" : "\r\n");
        }
        const Outcome r = run(script);
        ASSERT_TRUE(r.status == kExitOk || r.status == kExitMalformed ||
                    r.status == kExitQueueEmpty)
            << script;
        ++seen[static_cast<std::size_t>(r.status)];
        ASSERT_TRUE(r.transcript.empty() || r.transcript.back() == '\n');
        ASSERT_EQ(r.status != kExitOk, lastLine(r.transcript).starts_with("error\t"))
            << script << "\n---\n"
            << r.transcript;
    }
    EXPECT_GT(seen[kExitOk], 0);
    EXPECT_GT(seen[kExitMalformed], 0);
    EXPECT_GT(seen[kExitQueueEmpty], 0);
}

TEST(ScriptPlatformTest, BoxesShowTheTitleWithoutACaptionAndOkTakesNoReply) {
    std::ostringstream out;
    ScriptPlatform pf(out);
    pf.queueReply(true);
    EXPECT_FALSE(pf.messageBox("t", Buttons::ok, ""));
    EXPECT_TRUE(pf.messageBox("q", Buttons::yesNo, "Предупреждение"));
    EXPECT_EQ(out.str(), "msgbox\tkvint\tok\tt\nmsgbox\tПредупреждение\tyesno\tq\n");
    EXPECT_THROW(pf.messageBox("q", Buttons::yesNo, ""), ScriptHalt);
}

TEST(ScriptPlatformTest, QueuesAreFirstInFirstOut) {
    std::ostringstream out;
    ScriptPlatform pf(out);
    pf.queueRandom(0.25F);
    pf.queueRandom(0.5F);
    pf.queueAnswer("a");
    pf.queueAnswer("");
    EXPECT_EQ(pf.random(), 0.25F);
    EXPECT_EQ(pf.random(), 0.5F);
    EXPECT_EQ(pf.inputBox("p", "kvint"), "a");
    EXPECT_EQ(pf.inputBox("p", "kvint"), "");
    pf.queueAnswer(std::string(200000, 'a'));
    EXPECT_EQ(pf.inputBox("p", "kvint").size(), 200000U);
    try {
        pf.random();
        ADD_FAILURE() << "an empty queue gave a value";
    } catch (const ScriptHalt& halt) {
        EXPECT_EQ(halt.status(), kExitQueueEmpty);
    }
    pf.playSound("sv.wav", Wait::untilEndQuietly);
    pf.focus(Ctl::Command4);
    EXPECT_EQ(out.str(),
              "inputbox\tkvint\tp\ninputbox\tkvint\tp\ninputbox\tkvint\tp\nsound\tsv.wav\t2\n"
              "focus\tCommand4\n");
}

} // namespace
} // namespace kvint::script
