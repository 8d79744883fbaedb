#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <utility>

namespace kvint::test {

// Answers the modal dialogs the game opens, in order, from a queue. It polls
// from the event loop the dialog runs, so a test can press a button that
// opens a box and get control back. A dialog nobody expected is closed and
// noted, so a wrong box fails the test instead of hanging it.
class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QWidget&)>;

    ModalAnswers() {
        connect(&poll_, &QTimer::timeout, this, [this] { answerOne(); });
        poll_.start(0);
    }

    void then(Answer answer) { answers_.push_back(std::move(answer)); }

    // Types `text` into the next input box and presses OK.
    void type(const QString& text) {
        then([text](QWidget& w) {
            auto& dialog = dynamic_cast<QInputDialog&>(w);
            dialog.setTextValue(text);
            dialog.accept();
        });
    }
    // Presses `button` in the next message box.
    void press(QMessageBox::StandardButton button) {
        then([button](QWidget& w) { dynamic_cast<QMessageBox&>(w).button(button)->click(); });
    }

    // What each dialog showed: "caption | text", in order of appearance.
    QStringList seen;
    int unexpected = 0;
    [[nodiscard]] bool allAnswered() const { return answers_.empty(); }

  private:
    void answerOne() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr || !w->isVisible()) {
            return;
        }
        seen << describe(*w);
        if (answers_.empty()) {
            ++unexpected;
            w->close();
            return;
        }
        Answer answer = std::move(answers_.front());
        answers_.pop_front();
        answer(*w);
    }

    static QString describe(QWidget& w) {
        if (auto* box = qobject_cast<QMessageBox*>(&w)) {
            return box->windowTitle() + " | " + box->text();
        }
        if (auto* input = qobject_cast<QInputDialog*>(&w)) {
            return input->windowTitle() + " | " + input->labelText();
        }
        return w.windowTitle();
    }

    QTimer poll_;
    std::deque<Answer> answers_;
};

} // namespace kvint::test
