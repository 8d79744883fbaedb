#include "computer/computer.h"
#include "game/game.h"
#include "game/snapshot.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace kvint::test {
namespace {

namespace fs = std::filesystem;

// A game and its opponent on a platform of their own.
struct Table {
    RecordingPlatform pf;
    Game game;
    Computer computer{game.board()};

    Table(const fs::path& assets, Language lang) : game(pf, assets, lang) {
        game.setOpponent(computer);
        pf.endless = [n = 0]() mutable { return static_cast<float>((n++ * 7) % 6 + 3) / 10.0F; };
        pf.anyAnswer = "strit";
    }
};

class SnapshotTest : public ::testing::TestWithParam<Language> {
  protected:
    static fs::path makeDir() {
        std::random_device rd;
        fs::path dir = fs::temp_directory_path() / ("kvint-snapshot-" + std::to_string(rd()));
        fs::create_directories(dir);
        // Every byte the export escapes, and more than one line.
        std::ofstream(dir / rulesFile(Language::ru), std::ios::binary) << "a\tb\\n\r\nc\rd";
        std::ofstream(dir / rulesFile(Language::en), std::ios::binary) << "x\\\ty\r\n";
        return dir;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // The game read back from its export into a fresh one is the same game,
    // and both go on alike from there.
    void expectRoundTrip(const std::string& point) {
        SCOPED_TRACE(point);
        const std::string exported = exportGame(played.game);
        const auto parsed = parseSnapshot(exported);
        ASSERT_TRUE(parsed.has_value());
        Table fresh(dir, GetParam());
        ASSERT_TRUE(fresh.game.restore(*parsed));
        EXPECT_EQ(fresh.game.state(), played.game.state());
        EXPECT_EQ(fresh.game.controls(), played.game.controls());
        EXPECT_EQ(fresh.game.endReported(), played.game.endReported());
        EXPECT_EQ(fresh.game.phase(), played.game.phase());
        EXPECT_EQ(exportGame(fresh.game), exported);

        played.pf.takeCalls();
        for (Table* t : {&played, &fresh}) {
            t->game.click(Ctl::Command1);
            t->game.click(Ctl::Command2);
            t->game.click(Ctl::Command5);
        }
        EXPECT_EQ(fresh.pf.takeCalls(), played.pf.takeCalls());
        EXPECT_EQ(exportGame(fresh.game), exportGame(played.game));
        ASSERT_TRUE(played.game.restore(*parsed)); // back to the point for the next step
    }

    fs::path dir = makeDir();
    Table played{dir, GetParam()};
};

TEST_P(SnapshotTest, AgainstTheComputerEveryPointOfATurnComesBackWhole) {
    played.pf.answers = {"Имя\twith\\tab"};
    played.game.click(Ctl::Command7);
    expectRoundTrip("after entering");

    played.game.click(Ctl::Text2);
    played.game.click(Ctl::Command1);
    played.game.click(Ctl::Text4);
    ASSERT_TRUE(played.game.diceInAir());
    expectRoundTrip("after a re-roll, a die marked");

    played.pf.answers = {"1"};
    played.game.click(Ctl::Command2); // the entry, then the computer's whole turn
    ASSERT_TRUE(played.game.controls()[Ctl::Command4].visible);
    expectRoundTrip("an entry answered, after the computer's turn");

    played.game.click(Ctl::pravila);
    ASSERT_FALSE(played.game.controls()[Ctl::Form1].visible);
    expectRoundTrip("the rules window open");
}

TEST_P(SnapshotTest, TwoPlayersComeBackWholeOnEitherSide) {
    played.game.click(Ctl::Option2);
    played.pf.answers = {"Ann\r\n", "Bob \\t"};
    played.game.click(Ctl::Command7);
    expectRoundTrip("player one to roll");

    played.game.click(Ctl::Command3); // player one passes
    ASSERT_EQ(played.game.phase(), Phase::rightSide);
    expectRoundTrip("player two's turn");

    // A game whose end was told keeps it told: the next roll must not tell it again.
    for (std::size_t k = 1; k <= kCategories; ++k) {
        played.game.state().mayscore(k) = 5;
    }
    played.game.brosok();
    ASSERT_TRUE(played.game.endReported());
    expectRoundTrip("after the end was told");
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, SnapshotTest,
                         ::testing::Values(Language::ru, Language::en));

// A game made in one language is taken up only by a game in the same one.
TEST(Snapshot, AnotherLanguageOrAnEndedProgramTakesNothing) {
    RecordingPlatform pf;
    Game english(pf, ".", Language::en);
    Game russian(pf, ".", Language::ru);
    const auto saved = parseSnapshot(exportGame(russian));
    ASSERT_TRUE(saved.has_value());
    const std::string before = exportGame(english);
    EXPECT_FALSE(english.restore(*saved));
    EXPECT_EQ(exportGame(english), before);

    pf.replies = {true};
    russian.vihod_Click();
    EXPECT_FALSE(russian.restore(*saved));
}

// The text with field n of the line that begins with `start` set to `value`.
std::string withField(const std::string& text, const std::string& start, std::size_t n,
                      const std::string& value) {
    const std::size_t line = text.starts_with(start + "\t") ? 0 : text.find("\n" + start + "\t");
    EXPECT_NE(line, std::string::npos) << start;
    std::size_t from = line == 0 ? 0 : line + 1;
    for (std::size_t i = 0; i < n; ++i) {
        from = text.find('\t', from) + 1;
    }
    const std::size_t to = std::min(text.find('\t', from), text.find('\n', from));
    return std::string(text).replace(from, to - from, value);
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

// A full column ends the game only when the next roll judges it: until then
// the game is kept, so that its result is still counted.
TEST(Snapshot, AFullColumnIsStillToPlayUntilItsEndIsJudged) {
    RecordingPlatform pf;
    Game game(pf, ".");
    Computer computer(game.board());
    game.setOpponent(computer);
    pf.answers = {"Аня"};
    pf.faces({1, 1, 2, 2, 3, 4});
    game.click(Ctl::Command7);
    const std::string full =
        withField(exportGame(game), "compscore", 1, "4 8 9 16 20 30 30 26 21 24 32");
    const auto waiting = parseSnapshot(full);
    ASSERT_TRUE(waiting.has_value());
    EXPECT_TRUE(inProgress(*waiting));
    const auto judged = parseSnapshot(withField(full, "reported", 1, "1"));
    ASSERT_TRUE(judged.has_value());
    EXPECT_FALSE(inProgress(*judged));
    EXPECT_FALSE(inProgress(*parseSnapshot(exportGame(Game(pf, ".")))));
}

TEST(Snapshot, RefusesAnyDamage) {
    RecordingPlatform pf;
    pf.anyAnswer = "Игрок";
    pf.endless = [] { return 0.5F; };
    Game game(pf, ".");
    game.click(Ctl::Command7);
    const std::string good = exportGame(game);
    ASSERT_TRUE(parseSnapshot(good).has_value());
    std::string longest;
    for (std::size_t i = 0; i < kInputLimit; ++i) {
        longest += "я";
    }
    EXPECT_TRUE(parseSnapshot(withField(good, "name1", 1, longest)).has_value());

    // Cut anywhere: at every line end, and within the last line.
    for (std::size_t n = 0; n + 1 < good.size(); ++n) {
        if (good[n] == '\n' || n + 4 > good.size()) {
            EXPECT_FALSE(parseSnapshot(good.substr(0, n + 1)).has_value()) << n;
        }
    }
    const std::string label = "control\tLabel1";
    const std::vector<std::pair<std::string, std::string>> damaged = {
        {"another version", withField(good, "kvint unfinished game", 1, "2")},
        {"another format", "x" + good},
        {"unknown language", withField(good, "language", 1, "de")},
        {"face 7", withField(good, "kubik", 1, "3 3 3 3 3 7")},
        {"one face short", withField(good, "kubik", 1, "3 3 3 3 3")},
        {"a face too many", withField(good, "kubik", 1, "3 3 3 3 3 3 3")},
        {"two blanks", withField(good, "kubik", 1, "3 3 3 3 3  3")},
        {"roll 4", withField(good, "brosnum", 1, "4")},
        {"37 points", withField(good, "mayscore", 1, "37 0 0 0 0 0 0 0 0 0 0")},
        {"byte 256", withField(good, "sum23", 1, "256")},
        {"leading zero", withField(good, "pairs", 1, "00")},
        {"plus sign", withField(good, "pairs", 1, "+0")},
        {"minus zero", withField(good, label, 3, "-0")},
        {"name too long", withField(good, "name1", 1, longest + "я")},
        {"palette 16", withField(good, label, 3, "16")},
        {"palette -2", withField(good, label, 3, "-2")},
        {"tick 2", withField(good, "control\tCheck2", 4, "2")},
        {"visible 2", withField(good, label, 2, "2")},
        {"invalid UTF-8", withField(good, label, 5, "\xC0\x80")},
        {"lone backslash", withField(good, label, 5, "a\\")},
        {"unknown escape", withField(good, label, 5, "\\x")},
        {"raw CR", withField(good, label, 5, "\r")},
        {"caption too long", withField(good, label, 5, std::string(kControlTextLimit + 1, 'x'))},
        {"rules too long",
         withField(good, "control\tForm2.Text1", 5, std::string(kRulesTextLimit + 1, 'x'))},
        {"a field too many", withField(good, label, 5, "a\tb")},
        {"controls out of order", withField(good, label, 1, "Label2")},
        {"unknown field", replaced(good, "\ndicelock\t", "\nextra\t0\ndicelock\t")},
        {"repeated field", replaced(good, "\nsum32\t", "\nsum23\t0\nsum32\t")},
        {"missing field", replaced(good, "\nsum32\t0\n", "\n")},
        {"junk after the end", good + "x"},
        {"a second end", good + "end\n"},
        {"no last line end", good.substr(0, good.size() - 1)},
    };
    for (const auto& [what, text] : damaged) {
        EXPECT_NE(text, good) << what;
        EXPECT_FALSE(parseSnapshot(text).has_value()) << what;
    }
}

} // namespace
} // namespace kvint::test
