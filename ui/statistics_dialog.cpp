#include "ui/statistics_dialog.h"

#include <QHeaderView>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <array>
#include <memory>

namespace kvint::ui {
namespace {

constexpr std::array kRowNames = {"Новичок", "Мастер", "Профи", "Два игрока"};
constexpr std::array kColumnNames = {"Игры",         "Победы",        "Поражения",     "Ничьи",
                                     "Лучший отрыв", "Средний отрыв", "Последняя игра"};

QStringList names(const auto& list) {
    QStringList out;
    for (const char* name : list) {
        out << QString::fromUtf8(name);
    }
    return out;
}

QStringList cells(const Tally& t) {
    if (t.played == 0) {
        return {QStringLiteral("0"), {}, {}, {}, {}, {}, {}};
    }
    const QLocale locale(QLocale::Russian);
    return {QString::number(t.played),
            QString::number(t.won),
            QString::number(t.lost),
            QString::number(t.drawn),
            QString::number(t.best),
            locale.toString(t.averageMargin(), 'f', 1),
            locale.toString(t.last, QLocale::ShortFormat)};
}

} // namespace

StatisticsDialog::StatisticsDialog(StatisticsStore& store, QWidget* parent)
    : QDialog(parent), store_(store), layout_(this), table_(kRowNames.size(), kColumnNames.size()),
      explanation_(QStringLiteral("Победы, поражения и отрыв считаются для вас, а в игре двух "
                                  "человек — для первого игрока. Отрыв — ваши очки минус очки "
                                  "соперника.")) {
    setWindowTitle(QStringLiteral("Статистика"));
    table_.setVerticalHeaderLabels(names(kRowNames));
    table_.setHorizontalHeaderLabels(names(kColumnNames));
    table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_.setSelectionMode(QAbstractItemView::NoSelection);
    fill(); // reads the file, which may leave a notice

    const QString text = store_.takeNotice();
    notice_.setText(text);
    notice_.setWordWrap(true);
    notice_.setVisible(!text.isEmpty());
    explanation_.setWordWrap(true);

    QPushButton* clear =
        buttons_.addButton(QStringLiteral("Очистить"), QDialogButtonBox::ResetRole);
    QPushButton* close =
        buttons_.addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
    connect(clear, &QPushButton::clicked, this, &StatisticsDialog::askToClear);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    layout_.addWidget(&notice_);
    layout_.addWidget(&table_);
    layout_.addWidget(&explanation_);
    layout_.addWidget(&buttons_);
    table_.resizeColumnsToContents();
}

void StatisticsDialog::fill() {
    const Statistics& figures = store_.figures();
    for (int row = 0; row < table_.rowCount(); ++row) {
        const QStringList values = cells(figures.rows.at(static_cast<std::size_t>(row)));
        for (int column = 0; column < values.size(); ++column) {
            auto item = std::make_unique<QTableWidgetItem>(values.at(column));
            item->setTextAlignment(Qt::AlignCenter);
            table_.setItem(row, column, item.release());
        }
    }
}

void StatisticsDialog::askToClear() {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Статистика"),
                    QStringLiteral("Очистить всю статистику?"), QMessageBox::Yes | QMessageBox::No,
                    this);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Да"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Нет"));
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        return;
    }
    store_.clear();
    fill();
}

} // namespace kvint::ui
