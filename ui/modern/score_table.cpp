#include "ui/modern/score_table.h"

#include "game/messages.h"
#include "ui/common/qstring_conv.h"
#include "ui/modern/colour_mix.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <string>

namespace kvint::ui {
namespace {

constexpr int kTotalRow = static_cast<int>(kCategories);
constexpr int kRows = kTotalRow + 1;
constexpr int kColumns = 3; // the categories, then one per side

// How much of the highlight tints the column of the side to move, the
// hinted row, and how much of the text darkens a written cell.
constexpr double kMoveTint = 0.12;
constexpr double kHintTint = 0.38;
constexpr double kWrittenTint = 0.14;

constexpr int columnOf(std::size_t side) {
    return static_cast<int>(side) + 1;
}

constexpr int rowOf(std::size_t k) {
    return static_cast<int>(k) - 1;
}

QTableWidgetItem& itemAt(QTableWidget& table, int row, int column) {
    if (QTableWidgetItem* item = table.item(row, column)) {
        return *item;
    }
    auto item = std::make_unique<QTableWidgetItem>();
    item->setFlags(Qt::ItemIsEnabled);
    table.setItem(row, column, item.get());
    return *item.release(); // the table owns its items
}

QFont styled(QFont font, bool bold, bool italic = false) {
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

int total(const ScoreSide& side) {
    int sum = 0;
    for (const ScoreEntry& e : side.entries) {
        sum += e.written ? e.points : 0;
    }
    return sum;
}

} // namespace

ScoreTable::ScoreTable(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    table_ = new QTableWidget(kRows, kColumns, this);
    layout->addWidget(table_);
    build();
    showModel();
}

void ScoreTable::build() {
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setMouseTracking(true);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    for (int c = 0; c < kColumns; ++c) {
        table_->setHorizontalHeaderItem(c, std::make_unique<QTableWidgetItem>().release());
    }
    table_->viewport()->installEventFilter(this);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::cellClicked, this, &ScoreTable::clicked);
    connect(table_, &QTableWidget::cellEntered, this, &ScoreTable::showHover);
}

void ScoreTable::setModel(const ScoreModel& model) {
    model_ = model;
    showModel();
    updateGeometry(); // a name may ask for a wider column
}

void ScoreTable::setZoom(int percent) {
    zoom_ = std::max(percent, 1);
    applyZoom();
}

// The categories as wide as their names, the two sides as wide as the
// wider header or a three-digit total, for they share the rest evenly;
// every row as high as its font asks. Read from the cells and headers
// themselves, so it holds at once after a new font, before the table has
// laid its rows out again.
QSize ScoreTable::sizeHint() const {
    const QAbstractItemView& cells = *table_; // where the cells' size hints are public
    const QHeaderView& header = *table_->horizontalHeader();
    const auto columnWidth = [&](int c) {
        return std::max(header.sectionSizeHint(c), cells.sizeHintForColumn(c));
    };
    const int points = table_->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    const int side = std::max({points, columnWidth(1), columnWidth(2)});
    const int width = 2 * table_->frameWidth() + columnWidth(0) + 2 * side;
    int height = 2 * table_->frameWidth() + header.sizeHint().height();
    // The rows' heights are the larger of their cells' and their hidden
    // header's, as the table sizes them to their contents.
    const QHeaderView& rows = *table_->verticalHeader();
    for (int r = 0; r < kRows; ++r) {
        height += std::max(rows.sectionSizeHint(r), cells.sizeHintForRow(r));
    }
    return {width, height};
}

QSize ScoreTable::minimumSizeHint() const {
    return sizeHint();
}

void ScoreTable::applyZoom() {
    QFont f = font();
    if (f.pointSizeF() > 0) {
        f.setPointSizeF(f.pointSizeF() * zoom_ / 100.0);
    } else {
        f.setPixelSize(std::max(1, f.pixelSize() * zoom_ / 100));
    }
    table_->setFont(f);
    showModel(); // the bold and italic cells carry fonts of their own
    updateGeometry();
}

void ScoreTable::showModel() {
    hovered_.reset();
    QStringList rowNames;
    for (std::size_t k = 1; k <= kCategories; ++k) {
        QTableWidgetItem& name = itemAt(*table_, rowOf(k), 0);
        const QString& meaning = model_.meanings.at(k - 1);
        name.setText(model_.categories.at(k - 1));
        name.setToolTip(meaning);
        name.setData(Qt::AccessibleDescriptionRole, meaning);
        const bool hinted = model_.hintedRow == k;
        name.setFont(styled(table_->font(), hinted));
        name.setBackground(hinted ? mix(palette().color(QPalette::Base),
                                        palette().color(QPalette::Highlight), kHintTint)
                                  : palette().color(QPalette::Base));
        rowNames << model_.categories.at(k - 1);
        for (std::size_t side = 0; side < model_.sides.size(); ++side) {
            showEntry(side, k);
        }
    }
    rowNames << textOf(model_.lang, Msg::totalRow);
    table_->setVerticalHeaderLabels(rowNames); // the rows' names for screen readers
    QTableWidgetItem& header = *table_->horizontalHeaderItem(0);
    header.setText(textOf(model_.lang, Msg::categoryColumn));
    for (std::size_t side = 0; side < model_.sides.size(); ++side) {
        showHeader(side);
    }
    showTotals();
    table_->resizeColumnToContents(0);
}

void ScoreTable::showHeader(std::size_t side) {
    QTableWidgetItem& header = *table_->horizontalHeaderItem(columnOf(side));
    const bool moving = model_.toMove == side;
    header.setText(model_.sides.at(side).name);
    header.setFont(styled(table_->font(), moving));
    header.setForeground(palette().color(moving ? QPalette::Highlight : QPalette::WindowText));
}

// A written cell shows its points on a darker ground; a free one is empty,
// also a face written with 0 points, which the rules leave free.
void ScoreTable::showEntry(std::size_t side, std::size_t k) {
    const ScoreEntry& entry = model_.sides.at(side).entries.at(k - 1);
    QTableWidgetItem& item = itemAt(*table_, rowOf(k), columnOf(side));
    const QPalette& p = palette();
    const bool moving = model_.toMove == side;
    QColor ground = p.color(QPalette::Base);
    if (entry.written) {
        ground = mix(ground, p.color(QPalette::Text), kWrittenTint);
    } else if (moving && model_.hintedRow == k) {
        ground = mix(ground, p.color(QPalette::Highlight), kHintTint);
    } else if (moving) {
        ground = mix(ground, p.color(QPalette::Highlight), kMoveTint);
    }
    item.setBackground(ground);
    item.setForeground(p.color(QPalette::Text));
    item.setFont(styled(table_->font(), false));
    item.setText(entry.written ? QString::number(entry.points) : QString());
    item.setTextAlignment(Qt::AlignCenter);
    item.setToolTip(entry.writable ? entry.preview : model_.meanings.at(k - 1));
    const std::string points = entry.written ? std::to_string(entry.points)
                                             : toStdString(textOf(model_.lang, Msg::spokenFree));
    item.setData(Qt::AccessibleTextRole,
                 textOf(model_.lang, Msg::spokenCell,
                        {toStdString(model_.sides.at(side).name),
                         toStdString(model_.categories.at(k - 1)), points}));
    item.setData(Qt::AccessibleDescriptionRole, entry.writable ? entry.preview : QString());
}

void ScoreTable::showTotals() {
    QTableWidgetItem& label = itemAt(*table_, kTotalRow, 0);
    label.setText(textOf(model_.lang, Msg::totalRow));
    label.setFont(styled(table_->font(), true));
    for (std::size_t side = 0; side < model_.sides.size(); ++side) {
        QTableWidgetItem& item = itemAt(*table_, kTotalRow, columnOf(side));
        const int sum = total(model_.sides.at(side));
        item.setText(QString::number(sum));
        item.setFont(styled(table_->font(), true));
        item.setTextAlignment(Qt::AlignCenter);
        item.setData(Qt::AccessibleTextRole,
                     textOf(model_.lang, Msg::spokenTotal,
                            {toStdString(model_.sides.at(side).name), std::to_string(sum)}));
    }
}

// A free cell of the side to move shows, while the pointer is on it, the
// points a write would score, faint and slanted so it never reads as written.
void ScoreTable::showHover(int row, int column) {
    if (hovered_) {
        const auto [oldRow, oldColumn] = *std::exchange(hovered_, std::nullopt);
        if (oldRow < kTotalRow && oldColumn > 0) {
            showEntry(static_cast<std::size_t>(oldColumn - 1),
                      static_cast<std::size_t>(oldRow) + 1);
        }
    }
    if (row < 0 || row >= kTotalRow || column < 1) {
        return;
    }
    const auto side = static_cast<std::size_t>(column - 1);
    const ScoreEntry& entry = model_.sides.at(side).entries.at(static_cast<std::size_t>(row));
    if (!entry.writable || !entry.previewPoints) {
        return;
    }
    QTableWidgetItem& item = itemAt(*table_, row, column);
    item.setText(QString::number(*entry.previewPoints));
    item.setForeground(palette().color(QPalette::PlaceholderText));
    item.setFont(styled(table_->font(), false, true));
    hovered_ = std::pair{row, column};
}

void ScoreTable::clicked(int row, int column) {
    if (row < 0 || row >= kTotalRow || column < 1) {
        return;
    }
    const auto side = static_cast<std::size_t>(column - 1);
    const auto k = static_cast<std::size_t>(row) + 1;
    if (model_.toMove != side || !model_.sides.at(side).entries.at(k - 1).writable) {
        return;
    }
    emit categoryClicked(k);
}

void ScoreTable::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyZoom();
    } else if (event->type() == QEvent::PaletteChange) {
        showModel();
    }
}

// Enter, Return and the space bar write the current cell as a click does;
// the pointer leaving the table takes its preview away.
bool ScoreTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() && event->type() == QEvent::Leave) {
        showHover(-1, -1);
    }
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            clicked(table_->currentRow(), table_->currentColumn());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kvint::ui
