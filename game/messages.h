#pragma once

#include "game/languages.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kvint {

// Every text the program shows, one whole sentence or caption per id. A text
// may hold placeholders {0}, {1}, ... that format() fills in, so a translator
// always sees the whole message, never pieces of one. Captions that are the
// game's own terms ("strit", "2/3", the face numbers) are not here: they read
// the same in every language.
enum class Msg : unsigned char {
    // Captions of the main window's controls as designed.
    windowTitle,
    die1,
    die2,
    die3,
    die4,
    die5,
    die6,
    scoreLabel,
    reroll,
    writeOne,
    passOne,
    roll,
    writeTwo,
    passTwo,
    enter,
    gameChoice,
    humanVsComputer,
    humanVsHuman,
    novice,
    master,
    pro,
    gameMenu,
    newGame,
    exitItem,
    scoreMenu,
    turnItem,
    yourScore,
    totalsItem,
    helpMenu,
    about,
    rules,
    close,
    // Setup and turns.
    firstNamePrompt,
    secondNamePrompt,
    yourNamePrompt,
    computerLabel,
    computerName,
    computerScore,
    playerScore,
    turnOf,
    // Box captions and the messages of play.
    messageCaption,
    warningCaption,
    rerollWarningCaption,
    noDieMarked,
    entryPrompt,
    wrongCategory,
    alreadyWritten,
    // Reports.
    turnReport,
    leftColumnReport,
    rightColumnReport,
    totalsReport,
    // End of the game.
    namedWin,
    namedLoss,
    opponentDoneYouLose,
    opponentDoneYouWin,
    win,
    loss,
    draw,
    // About, exit and rules.
    aboutCaption,
    aboutText,
    exitQuestion,
    rulesUnreadable,
    rulesCutShort,
    // The window's own boxes, menu and statistics.
    yes,
    no,
    cancel,
    viewMenu,
    statisticsItem,
    zoomInItem,
    zoomOutItem,
    zoomResetItem,
    soundItem,
    statisticsTitle,
    twoPlayersRow,
    gamesColumn,
    wonColumn,
    lostColumn,
    drawnColumn,
    bestMarginColumn,
    averageMarginColumn,
    lastGameColumn,
    statisticsExplanation,
    clearButton,
    clearQuestion,
    statisticsUnreadable,
    statisticsDamaged,
    statisticsTooNew,
    statisticsKept,
    statisticsReplaced,
    statisticsNotSaved,
    gameNotCounted,
    settingsKept,
    settingsLeft,
    versionItem,
    versionText,
    // What a screen reader says.
    spokenYou,
    spokenComputer,
    spokenPlayerOne,
    spokenPlayerTwo,
    spokenCell,
    spokenFree,
    spokenDie,
    spokenDieMarked,
    spokenDieAway,
    spokenModeChoice,
    spokenStrengthChoice,
    previewPoints,
    previewNotShown,
    previewWritten,
    previewDiceInAir,
    // A game left unfinished by the previous run.
    resumeQuestion,
    resumeDamaged,
    // The coach: the hint, the trainer and the games they helped.
    hintItem,
    trainerItem,
    coachReroll,
    coachWrite,
    coachPass,
    hintNote,
    trainerNote,
    hintedRow,
    spokenDieHinted,
    // The modern view's dice and score table.
    rollOfThree,
    categoryColumn,
    totalRow,
    spokenTotal,
    meaningOnes,
    meaningTwos,
    meaningThrees,
    meaningFours,
    meaningFives,
    meaningSixes,
    meaningTwoTriples,
    meaningThreePairs,
    meaningStrit,
    meaningCare,
    meaningKvint,
    // The modern view: its menu items and its status line.
    modernViewItem,
    classicViewItem,
    computerRollsItem,
    statusSetup,
    statusRolled,
    statusLastRoll,
    statusRollNext,
    statusComputerTurn,
    statusComputerThrow,
    statusComputerWrote,
    statusComputerPassed,
    statusColumnComplete,
    spokenStatusLine,
    // The status line once the end is judged: the winner and both totals,
    // the winner's first, or a draw.
    statusWon,
    statusDraw,
};

inline constexpr std::size_t kMsgCount = static_cast<std::size_t>(Msg::statusDraw) + 1;

// The text of id in lang, placeholders unfilled.
std::string_view messageText(Language lang, Msg id);

// The text of id in lang with {n} replaced by the n-th argument. A
// placeholder without an argument is left as it stands.
std::string format(Language lang, Msg id, std::initializer_list<std::string_view> args = {});

} // namespace kvint
