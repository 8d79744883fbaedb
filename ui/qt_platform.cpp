#include "ui/qt_platform.h"

#include "ui/form1.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <chrono>

namespace kvint::ui {
namespace {

constexpr int kInputMaxLength = 255;

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QtPlatform::QtPlatform(Form1& window, const QDir& assets) : window_(window), sounds_(assets) {}

bool QtPlatform::messageBox(std::string_view text, Buttons buttons, std::string_view caption) {
    if (ended_) {
        return false;
    }
    window_.sync();
    QMessageBox box(window_.windowOnView());
    box.setWindowTitle(qs(caption));
    box.setTextFormat(Qt::PlainText); // names typed by the players are shown as typed
    box.setText(qs(text));
    box.setIcon(QMessageBox::NoIcon);
    if (buttons == Buttons::yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.button(QMessageBox::Yes)->setText("Да");
        box.button(QMessageBox::No)->setText("Нет");
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    return box.exec() == QMessageBox::Yes;
}

std::string QtPlatform::inputBox(std::string_view prompt, std::string_view caption) {
    if (ended_) {
        return {};
    }
    window_.sync();
    QInputDialog dialog(window_.windowOnView());
    dialog.setWindowTitle(qs(caption));
    dialog.setLabelText(qs(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue({});
    dialog.setOkButtonText("OK");
    dialog.setCancelButtonText("Отмена");
    if (auto* entry = dialog.findChild<QLineEdit*>()) {
        entry->setMaxLength(kInputMaxLength);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
}

void QtPlatform::playSound(std::string_view file, Wait wait) {
    if (ended_) {
        return;
    }
    if (wait != Wait::none) {
        window_.sync();
    }
    sounds_.play(file, wait);
}

void QtPlatform::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks));
}

float QtPlatform::random() {
    // 24 random bits scaled by 2^-24: exact in a float and at most 1 - 2^-24.
    return static_cast<float>(generator_() >> 8) * 0x1p-24F;
}

void QtPlatform::clearSurface() {
    if (!ended_) {
        window_.repaintSurface();
    }
}

void QtPlatform::focus(Ctl control) {
    if (!ended_) {
        window_.requestFocus(control);
    }
}

void QtPlatform::endProgram() {
    if (ended_) {
        return;
    }
    ended_ = true;
    sounds_.stop();
    window_.shutDown();
}

void QtPlatform::gameEnded(const GameResult& result) {
    statistics_.record(result, QDate::currentDate());
}

} // namespace kvint::ui
