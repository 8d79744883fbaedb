#include "ui/statistics/statistics_dialog.h"

#include "ui/common/qstring_conv.h"
#include "ui/common/qt_locale.h"

#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <array>
#include <memory>

namespace kvint::ui {
namespace {

constexpr std::array kRowNames = {Msg::novice, Msg::master, Msg::pro, Msg::twoPlayersRow};
constexpr std::array kColumnNames = {
    Msg::gamesColumn,      Msg::wonColumn,           Msg::lostColumn,    Msg::drawnColumn,
    Msg::bestMarginColumn, Msg::averageMarginColumn, Msg::lastGameColumn};

QStringList names(Language lang, const auto& list) {
    QStringList out;
    for (const Msg name : list) {
        out << textOf(lang, name);
    }
    return out;
}

// The plain rows, then their hinted twins.
QStringList rowNames(Language lang) {
    QStringList out = names(lang, kRowNames);
    for (const Msg name : kRowNames) {
        out << textOf(lang, Msg::hintedRow, {messageText(lang, name)});
    }
    return out;
}

// Room the window system's frame takes around the dialog.
constexpr int kFrameRoom = 64;
// Each try shrinks the font to the share of the room the table wanted, which
// the rounding of the text may miss by a little.
constexpr int kShrinkTries = 4;

bool fits(QSize size, QSize room) {
    return size.width() <= room.width() && size.height() <= room.height();
}

QFont shrunk(QFont font, double share) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * share)));
    } else {
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * share));
    }
    return font;
}

const Tally& rowAt(const Statistics& figures, std::size_t row) {
    return row < kOpponents ? figures.rows.at(row) : figures.hinted.at(row - kOpponents);
}

QStringList cells(Language lang, const Tally& t) {
    if (t.played == 0) {
        return {QStringLiteral("0"), {}, {}, {}, {}, {}, {}};
    }
    const QLocale locale = qtLocale(lang);
    return {QString::number(t.played),
            QString::number(t.won),
            QString::number(t.lost),
            QString::number(t.drawn),
            QString::number(t.best),
            locale.toString(t.averageMargin(), 'f', 1),
            locale.toString(t.last, QLocale::ShortFormat)};
}

} // namespace

StatisticsDialog::StatisticsDialog(StatisticsStore& store, QWidget* parent, Language lang)
    : QDialog(parent), store_(store), lang_(lang), layout_(this),
      table_(2 * kRowNames.size(), kColumnNames.size()),
      explanation_(textOf(lang, Msg::statisticsExplanation)) {
    setWindowTitle(textOf(lang, Msg::statisticsTitle));
    table_.setVerticalHeaderLabels(rowNames(lang));
    table_.setHorizontalHeaderLabels(names(lang, kColumnNames));
    table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_.setSelectionMode(QAbstractItemView::NoSelection);
    fill(); // reads the file, which may leave a notice
    notice_.setWordWrap(true);
    explanation_.setWordWrap(true);

    QPushButton* clear =
        buttons_.addButton(textOf(lang, Msg::clearButton), QDialogButtonBox::ResetRole);
    QPushButton* close = buttons_.addButton(textOf(lang, Msg::close), QDialogButtonBox::RejectRole);
    // Enter closes the dialog; only a deliberate press clears the figures.
    clear->setAutoDefault(false);
    close->setDefault(true);
    connect(clear, &QPushButton::clicked, this, &StatisticsDialog::askToClear);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    layout_.addWidget(&notice_);
    layout_.addWidget(&table_);
    layout_.addWidget(&explanation_);
    layout_.addWidget(&buttons_);
    showNotice();
    if (parent != nullptr) {
        takeFont(parent->font()); // a window of its own: it inherits no zoom
    }
    fitScreen();
}

// Every column and row on view at once: the window's font where the table
// fits the screen at it, else a smaller one.
void StatisticsDialog::fitScreen() {
    // The table takes the size of its content, so it never scrolls; a scroll
    // bar it had before it knew that would still count in its size.
    table_.setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fitTable();
    const QSize room = screen()->availableGeometry().size() - QSize(kFrameRoom, kFrameRoom);
    for (int tries = 0; tries < kShrinkTries && !fits(sizeHint(), room); ++tries) {
        const QSize wanted = sizeHint();
        takeFont(shrunk(font(), std::min(1.0 * room.width() / wanted.width(),
                                         1.0 * room.height() / wanted.height())));
        fitTable();
    }
    // As tall as the wrapped texts need at that width, so the table keeps no
    // empty band.
    const int width = std::min(sizeHint().width(), room.width());
    resize(width, std::min(heightForWidth(width), room.height()));
}

// The table's headers miss the first font set on the dialog above them (Qt
// 6.4 hands it on to the table but not to them), so they are given it too.
void StatisticsDialog::takeFont(const QFont& font) {
    setFont(font);
    table_.horizontalHeader()->setFont(font);
    table_.verticalHeader()->setFont(font);
}

void StatisticsDialog::fitTable() {
    table_.resizeColumnsToContents();
    table_.resizeRowsToContents();
}

void StatisticsDialog::fill() {
    const Statistics& figures = store_.figures();
    for (int row = 0; row < table_.rowCount(); ++row) {
        const QStringList values = cells(lang_, rowAt(figures, static_cast<std::size_t>(row)));
        for (int column = 0; column < values.size(); ++column) {
            auto item = std::make_unique<QTableWidgetItem>(values.at(column));
            item->setTextAlignment(Qt::AlignCenter);
            table_.setItem(row, column, item.release());
        }
    }
}

void StatisticsDialog::askToClear() {
    QMessageBox box(QMessageBox::Question, textOf(lang_, Msg::statisticsTitle),
                    textOf(lang_, Msg::clearQuestion), QMessageBox::Yes | QMessageBox::No, this);
    box.button(QMessageBox::Yes)->setText(textOf(lang_, Msg::yes));
    box.button(QMessageBox::No)->setText(textOf(lang_, Msg::no));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        return;
    }
    store_.clear();
    fill();
    showNotice();
}

// A notice already on view stays until a new one takes its place.
void StatisticsDialog::showNotice() {
    if (const QString text = store_.takeNotice(); !text.isEmpty()) {
        notice_.setText(text);
    }
    notice_.setVisible(!notice_.text().isEmpty());
}

} // namespace kvint::ui
