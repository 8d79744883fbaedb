#include "game/game.h"
#include "game/rules_text.h"
#include "support/recording_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace kvint::test {
namespace {

namespace fs = std::filesystem;

class RulesWindowTest : public ::testing::Test {
  protected:
    static fs::path makeDir() {
        std::random_device rd;
        fs::path dir = fs::temp_directory_path() / ("kvint-window-" + std::to_string(rd()));
        fs::create_directories(dir);
        return dir;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    void writeRules(const std::string& bytes) const {
        std::ofstream(dir / "help.rls", std::ios::binary) << bytes;
    }
    void enterGame() {
        pf.answers.push_back("Игрок");
        pf.faces({6, 5, 4, 3, 2, 1});
        game.click(Ctl::Command7);
        pf.takeCalls();
    }
    bool visible(Ctl c) const { return game.controls()[c].visible; }
    const std::string& rulesBox() const { return game.controls()[Ctl::Form2_Text1].text; }

    fs::path dir = makeDir();
    RecordingPlatform pf;
    Game game{pf, dir};
};

TEST_F(RulesWindowTest, RulesTakeTheMainWindowsPlaceUntilClosed) {
    writeRules("Первая\r\nВторая\r\n");
    EXPECT_FALSE(visible(Ctl::Form2));
    game.click(Ctl::pravila);
    EXPECT_FALSE(visible(Ctl::Form1));
    EXPECT_TRUE(visible(Ctl::Form2));
    EXPECT_EQ(rulesBox(), "Первая\nВторая\n");

    // The main window's menu is out of reach meanwhile.
    game.click(Ctl::oprg);
    EXPECT_TRUE(pf.calls.empty());

    game.click(Ctl::Form2_Command1);
    EXPECT_TRUE(visible(Ctl::Form1));
    EXPECT_FALSE(visible(Ctl::Form2));
    EXPECT_TRUE(pf.calls.empty());
}

TEST_F(RulesWindowTest, TitleBarCloseDoesWhatCloseButtonDoes) {
    writeRules("x");
    game.click(Ctl::pravila);
    game.closeWindow(Ctl::Form2);
    EXPECT_TRUE(visible(Ctl::Form1));
    EXPECT_FALSE(visible(Ctl::Form2));
    EXPECT_FALSE(game.ended());
    EXPECT_TRUE(pf.calls.empty());
}

TEST_F(RulesWindowTest, EachOpeningReplacesTheTextWithTheFileAsItIsNow) {
    writeRules("Правила\r\n");
    game.click(Ctl::pravila);
    game.click(Ctl::Form2_Command1);
    game.click(Ctl::pravila);
    EXPECT_EQ(rulesBox(), "Правила\n");

    game.click(Ctl::Form2_Command1);
    writeRules("Новые правила");
    game.click(Ctl::pravila);
    EXPECT_EQ(rulesBox(), "Новые правила\n");
}

TEST_F(RulesWindowTest, MissingFileStillOpensAndCloses) {
    game.click(Ctl::pravila);
    EXPECT_TRUE(visible(Ctl::Form2));
    EXPECT_NE(rulesBox().find("help.rls"), std::string::npos);
    game.click(Ctl::Form2_Command1);
    EXPECT_TRUE(visible(Ctl::Form1));
}

TEST_F(RulesWindowTest, GameInProgressIsUntouchedByTheRules) {
    writeRules("r");
    enterGame();
    const State before = game.state();
    const Controls shown = game.controls();
    game.click(Ctl::pravila);
    game.click(Ctl::Text1); // the dice are out of reach now
    game.closeWindow(Ctl::Form2);
    EXPECT_TRUE(pf.calls.empty());
    EXPECT_EQ(faces(game.state()), faces(before));
    EXPECT_EQ(game.state().brosnum, before.brosnum);
    EXPECT_EQ(game.state().rerollcount, before.rerollcount);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<Ctl>(i);
        if (windowOf(c) == Ctl::Form1) {
            EXPECT_EQ(game.controls()[c], shown[c]) << controlName(c);
        }
    }
}

TEST_F(RulesWindowTest, AboutNoticeHasItsCaptionAndOneLine) {
    game.click(Ctl::oprg);
    ASSERT_EQ(pf.calls.size(), 1U);
    const std::string& call = pf.calls.front();
    EXPECT_TRUE(call.starts_with("msgbox О  программе | ")) << call;
    EXPECT_NE(call.find("kvint"), std::string::npos);
    EXPECT_EQ(call.find('\n'), std::string::npos);
    EXPECT_EQ(call.find('@'), std::string::npos);
    EXPECT_TRUE(pf.replies.empty());
    EXPECT_FALSE(game.ended());
}

TEST_F(RulesWindowTest, ExitAnsweredNoChangesNothing) {
    enterGame();
    const Controls shown = game.controls();
    pf.replies.push_back(false);
    game.click(Ctl::vihod);
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{
                  "msgbox Предупреждение | Вы действительно хотите выдти из игры?"}));
    EXPECT_TRUE(pf.replies.empty()) << "the question must offer Yes and No";
    EXPECT_FALSE(game.ended());
    EXPECT_EQ(game.controls(), shown);
}

TEST_F(RulesWindowTest, ExitAnsweredYesEndsAtOnce) {
    enterGame();
    pf.replies.push_back(true);
    game.click(Ctl::vihod);
    EXPECT_EQ(pf.takeCalls(),
              (std::vector<std::string>{
                  "msgbox Предупреждение | Вы действительно хотите выдти из игры?", "end"}));
    EXPECT_TRUE(game.ended());
    game.click(Ctl::oprg);
    game.closeWindow(Ctl::Form1);
    EXPECT_TRUE(pf.calls.empty());
}

TEST_F(RulesWindowTest, ClosingTheMainWindowAfterTheRulesStillEnds) {
    writeRules("r");
    game.click(Ctl::pravila);
    game.click(Ctl::Form2_Command1);
    game.closeWindow(Ctl::Form1);
    EXPECT_EQ(pf.takeCalls(), std::vector<std::string>{"end"});
    EXPECT_TRUE(game.ended());
    game.click(Ctl::pravila);
    EXPECT_TRUE(visible(Ctl::Form1));
    EXPECT_FALSE(visible(Ctl::Form2));
}

} // namespace
} // namespace kvint::test
