#include "computer_game.h"
#include "game/status_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kvint::test {
namespace {

using StatusLine = ComputerGameTest;

// The line after each event of a game against the computer: the person's
// rolls, the computer's entry and its pass, a full column and the end.
TEST_F(StatusLine, TellsWhatTheEventDidAndWhatComesNext) {
    EventTrace trace = traceBefore(game);
    EXPECT_EQ(statusLine(game, trace), "Выберите игру и нажмите «Вход».");

    // While the name is asked, before any dice, no roll is told.
    std::optional<std::string> asking;
    pf.onCall = [&](const std::string& call) {
        if (call.starts_with("inputbox")) {
            asking = statusLine(game, trace);
        }
    };
    pf.answers = {"Аня"};
    pf.faces({1, 1, 2, 2, 3, 4});
    game.click(Ctl::Command7);
    pf.onCall = nullptr;
    EXPECT_EQ(asking, std::optional<std::string>(""));
    EXPECT_EQ(statusLine(game, trace),
              "Аня: бросок 1 из 3. Отметьте кубики для переброса или запишите комбинацию.");

    // The computer rolls the straight outright; while it plays, from the
    // sound that starts its turn on, the line tells its turn, then its entry.
    trace = traceBefore(game);
    trace.computerPlayed = true;
    std::vector<std::string> playing;
    pf.onCall = [&](const std::string& call) {
        if (call == "sound dice05.wav 2" || call == "focus Command4" || call == "sound wow.wav 0") {
            playing.push_back(statusLine(game, trace));
        }
    };
    pf.answers = {"1"};
    pf.faces({6, 5, 4, 3, 2, 1});
    game.click(Ctl::Command2);
    pf.onCall = nullptr;
    EXPECT_EQ(playing, (std::vector<std::string>{"Ход компьютера.", "Ход компьютера.",
                                                 "Компьютер записал strit: 21."}));
    EXPECT_EQ(statusLine(game, trace),
              "Компьютер записал strit: 21. Аня: ваш ход. Нажмите «бросай».");

    pf.faces({1, 1, 2, 2, 3, 4});
    trace = traceBefore(game);
    game.click(Ctl::Command4);
    pf.faces({5});
    game.click(Ctl::Text1);
    game.click(Ctl::Command1);
    pf.faces({5});
    game.click(Ctl::Text1);
    game.click(Ctl::Command1);
    EXPECT_EQ(statusLine(game, trace),
              "Аня: бросок 3 из 3. Запишите комбинацию или пропустите ход.");

    // Only "strit" free again: 1 1 2 2 3 3 fits nothing and throws nothing.
    State& st = game.state();
    st.compscore = {{9, 9, 9, 9, 9, 9, 9, 9, 0, 9, 9}};
    trace = traceBefore(game);
    trace.computerPlayed = true;
    pf.faces({1, 1, 2, 2, 3, 3});
    game.click(Ctl::Command3);
    EXPECT_EQ(st.compscore(cat::strit), 0);
    EXPECT_EQ(statusLine(game, trace),
              "Компьютер пропустил ход, ничего не записав. Аня: ваш ход. Нажмите «бросай».");

    st.compscore(cat::strit) = 21;
    trace = traceBefore(game);
    EXPECT_EQ(statusLine(game, trace),
              "Компьютер: все позиции записаны. Следующий бросок подведёт итог игры.");
    game.click(Ctl::Command4);
    EXPECT_EQ(statusLine(game, trace),
              "Игра окончена. Победа: Компьютер, 111 : 2. Новая игра — F2.");

    // The judged end reads the totals as they stand, as the next judgement
    // would.
    st.mayscore(2) = 109;
    EXPECT_EQ(statusLine(game, trace), "Игра окончена. Ничья, 111 : 111. Новая игра — F2.");
    st.mayscore(3) = 9;
    EXPECT_EQ(statusLine(game, trace), "Игра окончена. Победа: Аня, 120 : 111. Новая игра — F2.");
}

// Once the person's last entry hands the dice over, the line no longer
// invites them to act: through the sound that starts the computer's turn,
// and through the box that judges the end there, with the winner named.
TEST_F(StatusLine, AfterTheLastEntryTellsTheComputersTurnAndThenWhoWon) {
    pf.answers = {"Аня"};
    pf.faces({6, 6, 6, 6, 6, 5});
    game.click(Ctl::Command7);
    State& st = game.state();
    st.mayscore = {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}};
    st.compscore = {{8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 0}};
    const EventTrace trace = traceBefore(game);
    std::vector<std::string> seen;
    pf.onCall = [&](const std::string& call) {
        if (call.starts_with("sound dice05.wav 2") || call.starts_with("msgbox")) {
            seen.push_back(statusLine(game, trace));
        }
    };
    pf.answers = {"kvint"};
    game.click(Ctl::Command2);
    pf.onCall = nullptr;
    EXPECT_EQ(st.mayscore(cat::kvint), 35);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "Ход компьютера.",
                        "Игра окончена. Победа: Аня, 90 : 80. Новая игра — F2.",
                    }));
}

} // namespace
} // namespace kvint::test
