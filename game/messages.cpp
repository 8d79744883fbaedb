#include "game/messages.h"

#include <array>

namespace kvint {
namespace {

struct Entry {
    Msg id;
    std::string_view ru;
    std::string_view en;
};

// The column of each language, in the order of the language table.
constexpr std::array kColumns = {&Entry::ru, &Entry::en};
static_assert(kColumns.size() == kLanguages.size(), "every language has its column of texts");

// The Russian texts are the game's own, quirks and all: missing and double
// blanks, misspellings, and the reports' pieces joined without a blank.
// clang-format off
constexpr std::array<Entry, kMsgCount> kCatalogue = {{
    {Msg::windowTitle, "Игра \"Покер\"", "Dice Poker"},
    {Msg::die1, "кубик 1", "die 1"},
    {Msg::die2, "кубик 2", "die 2"},
    {Msg::die3, "кубик 3", "die 3"},
    {Msg::die4, "кубик4", "die 4"},
    {Msg::die5, "кубик 5", "die 5"},
    {Msg::die6, "кубик6", "die 6"},
    {Msg::scoreLabel, "Счет ", "Score:"},
    {Msg::reroll, "перебросить", "Reroll"},
    {Msg::writeOne, "записать", "Write"},
    {Msg::passOne, "отмена", "Pass"},
    {Msg::roll, "бросай", "Roll"},
    {Msg::writeTwo, "Записать", "Write"},
    {Msg::passTwo, "Отмена", "Pass"},
    {Msg::enter, "Вход", "Start"},
    {Msg::gameChoice, "Выбор игры", "Choose a game"},
    {Msg::humanVsComputer, "Человек+ комп", "You vs computer"},
    {Msg::humanVsHuman, "Человек+ человек", "Two players"},
    {Msg::novice, "Новичок", "Novice"},
    {Msg::master, "Мастер", "Master"},
    {Msg::pro, "Профи", "Pro"},
    {Msg::gameMenu, "Игра", "Game"},
    {Msg::newGame, "Новая", "New"},
    {Msg::exitItem, "Выход alt+f4", "Exit Alt+F4"},
    {Msg::scoreMenu, "Счет", "Score"},
    {Msg::turnItem, "Ход", "Turn"},
    {Msg::yourScore, "Ваш счет", "Your score"},
    {Msg::totalsItem, "Сумма очков", "Totals"},
    {Msg::helpMenu, "Помощь", "Help"},
    {Msg::about, "О программе", "About"},
    {Msg::rules, "Правила игры", "Rules"},
    {Msg::close, "Закрыть", "Close"},

    {Msg::firstNamePrompt, "Введите имя первого игрока.", "Enter the first player's name."},
    {Msg::secondNamePrompt, "Введите имя второго игрока", "Enter the second player's name."},
    {Msg::yourNamePrompt, "Введите ваше имя", "Enter your name."},
    {Msg::computerLabel, " компьютера", "Computer"},
    {Msg::computerName, "компьютера", "Computer"},
    {Msg::computerScore, "Счет компьютера", "Computer's score"},
    {Msg::playerScore, "Счет {0}", "{0}'s score"},
    {Msg::turnOf, "Ход {0}", "Turn: {0}"},

    {Msg::messageCaption, "Сообщение", "Message"},
    {Msg::warningCaption, "Предупреждение", "Warning"},
    {Msg::rerollWarningCaption, "Предупреждение!", "Warning!"},
    {Msg::noDieMarked, "Вы не выбрали ни одного кубика!",
     "You have not marked any dice to reroll. Click the dice you want to roll again."},
    {Msg::entryPrompt,
     "Введите число от 1 до 6.  Или название комбинации. Например: 23, или 32, или strit, или "
     "care, или kvint.",
     "Type a face from 1 to 6, or a combination: 23 for 2/3, 32 for 3/2, strit, care or kvint."},
    {Msg::wrongCategory, "Вы не правильно ввели название комбинации. Будте внимательнее!",
     "There is no such combination, or the dice do not fit it. Please check and try again."},
    {Msg::alreadyWritten, "Вы уже записали эту позицию",
     "You have already written this combination."},

    {Msg::turnReport, "Сейчас ход {0}", "It is {0}'s turn."},
    {Msg::leftColumnReport,
     "У {0} в еденицах {1} в двойках {2} в тройках {3} в четверках {4} в пятерках {5} в "
     "шестерках {6} в два по три {7} в три по два {8} в стрите {9}в каре {10}в покере {11}",
     "{0}: ones {1}, twos {2}, threes {3}, fours {4}, fives {5}, sixes {6}, 2/3 {7}, 3/2 {8}, "
     "strit {9}, care {10}, kvint {11}."},
    {Msg::rightColumnReport,
     "У {0} в еденицах {1} в двойках {2} в тройках {3} в четверках {4} в пятерках {5} в "
     "шестерках {6} в два по три {7} в три по два {8} в стрите {9} в каре {10} в покере {11}",
     "{0}: ones {1}, twos {2}, threes {3}, fours {4}, fives {5}, sixes {6}, 2/3 {7}, 3/2 {8}, "
     "strit {9}, care {10}, kvint {11}."},
    {Msg::totalsReport, "У {0}{1} у {2}{3}", "Totals: {0} {1}, {2} {3}."},

    {Msg::namedWin, "{0}Поздравляю! Вы записали все позиции и выграли {1} очков",
     "Congratulations, {0}! You have filled every combination and won by a margin of {1}."},
    {Msg::namedLoss, "{0} Вы записали все позиции, но приэтом проиграли {1} очков",
     "{0}, you have filled every combination but lost by a margin of {1}."},
    {Msg::opponentDoneYouLose,
     "{0} записал все позиции. И по результатам подсчета очкков вы проиграли {1}",
     "{0} has filled every combination. On the count you lost by a margin of {1}."},
    {Msg::opponentDoneYouWin, "{0} записал все позиции, но проиграл вам {1} очков",
     "{0} has filled every combination but lost to you by a margin of {1}."},
    {Msg::win, "Поздравляю! Вы записали все позиции и выграли {0} очков",
     "Congratulations! You have filled every combination and won by a margin of {0}."},
    {Msg::loss, "Вы записали все позиции, но приэтом проиграли {0} очков",
     "You have filled every combination but lost by a margin of {0}."},
    {Msg::draw, "Мы набрали одинаковое количество очков", "It's a draw: both sides scored the same."},

    {Msg::aboutCaption, "О  программе", "About kvint"},
    {Msg::aboutText,
     "Игра в кости \"Покер\" на шести кубиках. Программу написали участники проекта kvint. "
     "Замечания и пожелания направляйте участникам проекта kvint.",
     "The dice game \"Poker\" with six dice. Written by the contributors to the kvint project. "
     "Please send remarks and wishes to the contributors to the kvint project."},
    {Msg::exitQuestion, "Вы действительно хотите выдти из игры?", "Do you really want to quit the game?"},
    {Msg::rulesUnreadable, "Не удалось прочитать файл правил \"{0}\".\n",
     "Could not read the rules file \"{0}\".\n"},
    {Msg::rulesCutShort, "Файл правил длиннее 1 МБ, поэтому показано только его начало.\n",
     "The rules file is longer than 1 MB, so only its beginning is shown.\n"},

    {Msg::yes, "Да", "Yes"},
    {Msg::no, "Нет", "No"},
    {Msg::cancel, "Отмена", "Cancel"},
    {Msg::viewMenu, "Вид", "View"},
    {Msg::statisticsItem, "Статистика…", "Statistics…"},
    {Msg::zoomInItem, "Крупнее", "Zoom In"},
    {Msg::zoomOutItem, "Мельче", "Zoom Out"},
    {Msg::zoomResetItem, "Обычный размер", "Actual Size"},
    {Msg::soundItem, "Звук", "Sound"},
    {Msg::statisticsTitle, "Статистика", "Statistics"},
    {Msg::twoPlayersRow, "Два игрока", "Two players"},
    {Msg::gamesColumn, "Игры", "Games"},
    {Msg::wonColumn, "Победы", "Won"},
    {Msg::lostColumn, "Поражения", "Lost"},
    {Msg::drawnColumn, "Ничьи", "Drawn"},
    {Msg::bestMarginColumn, "Лучший отрыв", "Best margin"},
    {Msg::averageMarginColumn, "Средний отрыв", "Average margin"},
    {Msg::lastGameColumn, "Последняя игра", "Last game"},
    {Msg::statisticsExplanation,
     "Победы, поражения и отрыв считаются для вас, а в игре двух человек — для первого игрока. "
     "Отрыв — ваши очки минус очки соперника.",
     "Wins, losses and margins count for you, and in a game of two players for player one. "
     "The margin is your points minus your opponent's."},
    {Msg::clearButton, "Очистить", "Clear"},
    {Msg::clearQuestion, "Очистить всю статистику?", "Clear all statistics?"},
    {Msg::statisticsUnreadable, "Файл статистики не читается, поэтому счёт начат заново. ",
     "The statistics file cannot be read, so the count starts afresh. "},
    {Msg::statisticsDamaged, "Файл статистики повреждён, поэтому счёт начат заново. ",
     "The statistics file is damaged, so the count starts afresh. "},
    {Msg::statisticsTooNew,
     "Файл статистики повреждён или записан более новой версией игры, поэтому счёт начат "
     "заново. ",
     "The statistics file is damaged or was written by a newer version of the game, so the "
     "count starts afresh. "},
    {Msg::statisticsKept, "Прежний файл сохранён как {0}.", "The old file was kept as {0}."},
    {Msg::statisticsReplaced, "Прежний файл {0} будет заменён.",
     "The old file {0} will be replaced."},
    {Msg::statisticsNotSaved,
     "Не удалось записать статистику в {0}. Она хранится в памяти и будет записана после "
     "следующей игры.",
     "The statistics could not be written to {0}. They are kept in memory and will be written "
     "after the next game."},
    {Msg::gameNotCounted, "Игра не сохранена в статистике: файл не записывается",
     "The game is not saved in the statistics: the file cannot be written"},
    {Msg::settingsKept,
     "Файл настроек не читается, поэтому взяты настройки по умолчанию. Прежний файл сохранён "
     "как {0}.",
     "The settings file cannot be read, so the defaults are used. The old file was kept as {0}."},
    {Msg::settingsLeft, "Файл настроек {0} не читается, поэтому в этот раз настройки не запоминаются.",
     "The settings file {0} cannot be read, so the settings are not remembered this time."},
    {Msg::versionItem, "О программе kvint", "Version and Licence"},
    {Msg::versionText,
     "kvint {0}\n\nИгра в кости на шести кубиках для двоих на одной таблице очков.\n\n"
     "Лицензия: GNU GPL версии 3 или более поздней ({1}).\n\n"
     "Замечания и пожелания присылайте на страницу проекта:\n{2}",
     "kvint {0}\n\nA dice game with six dice for two on one score sheet.\n\n"
     "Licence: the GNU GPL, version 3 or any later version ({1}).\n\n"
     "Please send remarks and wishes to the project's page:\n{2}"},

    {Msg::spokenYou, "Вы", "You"},
    {Msg::spokenComputer, "Компьютер", "Computer"},
    {Msg::spokenPlayerOne, "Первый игрок", "Player one"},
    {Msg::spokenPlayerTwo, "Второй игрок", "Player two"},
    {Msg::spokenCell, "{0}, {1}: {2}", "{0}, {1}: {2}"},
    {Msg::spokenFree, "свободно", "free"},
    {Msg::spokenDie, "Кубик {0}: {1}", "Die {0}: {1}"},
    {Msg::spokenDieMarked, "Кубик {0}: отмечен для переброса", "Die {0}: marked for a reroll"},
    {Msg::spokenDieAway, "Кубик {0}", "Die {0}"},
    {Msg::spokenModeChoice, "Режим игры, {0} из 2", "Game mode, {0} of 2"},
    {Msg::spokenStrengthChoice, "Сила компьютера, {0} из 3", "Computer strength, {0} of 3"},
    {Msg::previewPoints, "{0}: запишется {1}. Двойной щелчок — записать",
     "{0}: would score {1}. Double-click to write it"},
    {Msg::previewNotShown, "{0}: этой комбинации на кубиках нет",
     "{0}: the dice do not show this combination"},
    {Msg::previewWritten, "{0}: уже записано", "{0}: already written"},
    {Msg::previewDiceInAir, "{0}: отмеченные кубики ещё не брошены",
     "{0}: the marked dice are not rolled yet"},

    {Msg::resumeQuestion, "Продолжить прерванную игру?", "Continue the unfinished game?"},
    {Msg::resumeDamaged,
     "Прерванную игру не удалось прочитать: её файл повреждён. Он отложен, начинается новая "
     "игра.",
     "The unfinished game could not be read: its file is damaged. It was set aside, and a new "
     "game begins."},

    {Msg::hintItem, "Подсказка", "Hint"},
    {Msg::trainerItem, "Тренер", "Trainer"},
    {Msg::coachReroll, "перебросить кубики {0}", "reroll dice {0}"},
    {Msg::coachWrite, "записать {0}", "write {0}"},
    {Msg::coachPass, "отмена", "pass"},
    {Msg::hintNote, "Подсказка, шанс выиграть {1} %: {0}", "Hint, {1} % to win: {0}"},
    {Msg::trainerNote, "Тренер, шанс {1} % вместо {2} %: лучше было {0}",
     "Trainer, {1} % instead of {2} % to win: it was better to {0}"},
    {Msg::hintedRow, "{0}, с подсказками", "{0}, with hints"},
    {Msg::spokenDieHinted, "Подсказка: перебросить этот кубик", "Hint: reroll this die"},

    {Msg::rollOfThree, "Бросок {0} из 3", "Roll {0} of 3"},
    {Msg::categoryColumn, "Комбинация", "Category"},
    {Msg::totalRow, "Итого", "Total"},
    {Msg::spokenTotal, "{0}, итого: {1}", "{0}, total: {1}"},
    {Msg::meaningOnes, "Единицы: 1 очко за каждый кубик с единицей",
     "Ones: 1 point for each die showing 1"},
    {Msg::meaningTwos, "Двойки: 2 очка за каждый кубик с двойкой",
     "Twos: 2 points for each die showing 2"},
    {Msg::meaningThrees, "Тройки: 3 очка за каждый кубик с тройкой",
     "Threes: 3 points for each die showing 3"},
    {Msg::meaningFours, "Четвёрки: 4 очка за каждый кубик с четвёркой",
     "Fours: 4 points for each die showing 4"},
    {Msg::meaningFives, "Пятёрки: 5 очков за каждый кубик с пятёркой",
     "Fives: 5 points for each die showing 5"},
    {Msg::meaningSixes, "Шестёрки: 6 очков за каждый кубик с шестёркой",
     "Sixes: 6 points for each die showing 6"},
    {Msg::meaningTwoTriples, "2/3: две тройки одинаковых кубиков, сумма всех кубиков",
     "2/3: two triples of a kind, scores the sum of the dice"},
    {Msg::meaningThreePairs, "3/2: три пары одинаковых кубиков, сумма всех кубиков",
     "3/2: three pairs of a kind, scores the sum of the dice"},
    {Msg::meaningStrit, "strit: все кубики разные, от 1 до 6, 21 очко",
     "strit: all dice different, 1 to 6, scores 21"},
    {Msg::meaningCare, "care: не меньше четырёх шестёрок, 24 очка",
     "care: at least four sixes, scores 24"},
    {Msg::meaningKvint, "kvint: любые кубики, сумма всех кубиков",
     "kvint: any dice, scores the sum of the dice"},

    {Msg::modernViewItem, "Современный вид", "Modern view"},
    {Msg::classicViewItem, "Классический вид", "Classic view"},
    {Msg::computerRollsItem, "Показывать броски компьютера", "Show the computer's rolls"},
    {Msg::statusSetup, "Выберите игру и нажмите «Вход».", "Choose a game and press Start."},
    {Msg::statusRolled, "{0}: бросок {1} из 3. Отметьте кубики для переброса или запишите комбинацию.",
     "{0}: roll {1} of 3. Mark dice to reroll, or write a combination."},
    {Msg::statusLastRoll, "{0}: бросок 3 из 3. Запишите комбинацию или пропустите ход.",
     "{0}: roll 3 of 3. Write a combination, or pass."},
    {Msg::statusRollNext, "{0}: ваш ход. Нажмите «бросай».", "{0}: your turn. Press Roll."},
    {Msg::statusComputerTurn, "Ход компьютера.", "The computer's turn."},
    {Msg::statusComputerThrow, "Компьютер бросает кубики: бросок {0}.",
     "The computer rolls: throw {0}."},
    {Msg::statusComputerWrote, "Компьютер записал {0}: {1}.", "The computer wrote {0}: {1}."},
    {Msg::statusComputerPassed, "Компьютер пропустил ход, ничего не записав.",
     "The computer passed, writing nothing."},
    {Msg::statusColumnComplete, "{0}: все позиции записаны. Следующий бросок подведёт итог игры.",
     "{0}: every combination is written. The next roll decides the game."},
    {Msg::spokenStatusLine, "Строка состояния", "Status line"},
    {Msg::statusWon, "Игра окончена. Победа: {0}, {1} : {2}. Новая игра — F2.",
     "The game is over. {0} won, {1} : {2}. F2 starts a new one."},
    {Msg::statusDraw, "Игра окончена. Ничья, {0} : {1}. Новая игра — F2.",
     "The game is over. A draw, {0} : {1}. F2 starts a new one."},
}};
// clang-format on

constexpr bool inIdOrder() {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (static_cast<std::size_t>(kCatalogue[i].id) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inIdOrder(), "each entry sits at its id's place");

// The number of a placeholder "{n}" at the start of text, and its length.
struct Placeholder {
    std::size_t index = 0;
    std::size_t length = 0;
};

Placeholder placeholderAt(std::string_view text) {
    if (text.size() < 3 || text[0] != '{') {
        return {};
    }
    Placeholder p;
    std::size_t i = 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        p.index = p.index * 10 + static_cast<std::size_t>(text[i] - '0');
    }
    if (i == 1 || i == text.size() || text[i] != '}') {
        return {};
    }
    p.length = i + 1;
    return p;
}

} // namespace

std::string_view messageText(Language lang, Msg id) {
    const Entry& e = kCatalogue[static_cast<std::size_t>(id)];
    return e.*kColumns[static_cast<std::size_t>(lang)];
}

std::string format(Language lang, Msg id, std::initializer_list<std::string_view> args) {
    const std::string_view text = messageText(lang, id);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Placeholder p = placeholderAt(text.substr(i));
        if (p.length == 0 || p.index >= args.size()) {
            out += text[i++];
            continue;
        }
        out += *(args.begin() + p.index);
        i += p.length;
    }
    return out;
}

} // namespace kvint
