#include "ui/access/accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace kvint::ui {
namespace {

constexpr const char* kChoiceProperty = "kvintExclusiveChoice";

// The strength boxes look like check boxes but act as one choice of three;
// the option buttons are radio buttons the game ticks itself. Both report
// as radio buttons that a press selects.
class ChoiceAccessible : public QAccessibleWidget {
  public:
    explicit ChoiceAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    [[nodiscard]] QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            button()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

  private:
    [[nodiscard]] QAbstractButton* button() const {
        return static_cast<QAbstractButton*>(widget());
    }
};

// Qt keeps and deletes the interfaces its factories make.
QAccessibleInterface* choiceFactory(const QString& /*className*/, QObject* object) {
    auto* button = qobject_cast<QAbstractButton*>(object);
    if (button == nullptr || !button->property(kChoiceProperty).toBool()) {
        return nullptr;
    }
    return new ChoiceAccessible(button);
}

} // namespace

void installChoiceAccessibility() {
    QAccessible::installFactory(choiceFactory); // Qt ignores a second install
}

void markChoice(QAbstractButton& button) {
    button.setProperty(kChoiceProperty, true);
}

void describe(QWidget& w, const QString& name, const QString& description) {
    if (w.accessibleName() != name) {
        w.setAccessibleName(name);
    }
    if (w.accessibleDescription() != description) {
        w.setAccessibleDescription(description);
    }
}

} // namespace kvint::ui
