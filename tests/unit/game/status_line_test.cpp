#include "computer_game.h"
#include "game/status_line.h"

#include <gtest/gtest.h>

namespace kvint::test {
namespace {

using StatusLine = ComputerGameTest;

// The line after each event of a game against the computer: the person's
// rolls, the computer's entry and its pass, a full column and the end.
TEST_F(StatusLine, TellsWhatTheEventDidAndWhatComesNext) {
    EventTrace trace = traceBefore(game);
    EXPECT_EQ(statusLine(game, trace), "Выберите игру и нажмите «Вход».");

    pf.answers = {"Аня"};
    pf.faces({1, 1, 2, 2, 3, 4});
    game.click(Ctl::Command7);
    EXPECT_EQ(statusLine(game, trace),
              "Аня: бросок 1 из 3. Отметьте кубики для переброса или запишите комбинацию.");

    // The computer rolls the straight outright; while it plays, the line
    // tells its turn, then its entry.
    trace = traceBefore(game);
    trace.computerPlayed = true;
    std::vector<std::string> playing;
    pf.onCall = [&](const std::string& call) {
        if (call == "focus Command4" || call == "sound wow.wav 0") {
            playing.push_back(statusLine(game, trace));
        }
    };
    pf.answers = {"1"};
    pf.faces({6, 5, 4, 3, 2, 1});
    game.click(Ctl::Command2);
    pf.onCall = nullptr;
    EXPECT_EQ(playing,
              (std::vector<std::string>{"Ход компьютера.", "Компьютер записал strit: 21."}));
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
    EXPECT_EQ(statusLine(game, trace), "Игра окончена. Новая игра — F2.");
}

} // namespace
} // namespace kvint::test
