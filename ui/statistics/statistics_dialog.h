#pragma once

#include "ui/statistics/statistics_store.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kvint::ui {

// "Статистика": the table of finished games, a note when the file had to be
// set aside or could not be written, and a button that clears the figures
// after asking. It takes its parent's font, so it grows with the window's
// zoom, and opens with the whole table on view.
class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    StatisticsDialog(StatisticsStore& store, QWidget* parent, Language lang = Language::ru);

    [[nodiscard]] const QTableWidget& table() const { return table_; }
    [[nodiscard]] const QLabel& notice() const { return notice_; }

  private:
    void fill();
    void fitScreen();
    void fitTable();
    void takeFont(const QFont& font);
    void askToClear();
    void showNotice();

    StatisticsStore& store_;
    Language lang_;
    QVBoxLayout layout_; // first, so the widgets leave it before it goes
    QLabel notice_;
    QTableWidget table_;
    QLabel explanation_;
    QDialogButtonBox buttons_;
};

} // namespace kvint::ui
