#pragma once

#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace kvint::ui {

// A line of text in the free end of a menu bar, right of its last menu on
// view. It covers no menu and nothing of the window below, and shortens
// itself with "…" to the room that is left, so a menu shown later is never
// pushed away; the whole text stays in its tooltip and accessible name.
class MenuBarNote final : public QLabel {
    Q_OBJECT
  public:
    explicit MenuBarNote(QMenuBar& bar);

    // Empty takes the note off view.
    void say(const QString& text);
    [[nodiscard]] const QString& wholeText() const { return whole_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void place();

    QMenuBar& bar_;
    QString whole_;
    QTimer placeLater_; // once the menu bar has laid its menus out
};

} // namespace kvint::ui
