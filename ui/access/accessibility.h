#pragma once

#include <QString>

class QAbstractButton;
class QWidget;

namespace kvint::ui {

// Lets assistive technology see the game's exclusive choices for what they
// are. Call before the first window is built; calling again does nothing.
void installChoiceAccessibility();

// Marks a button as one of an exclusive set: it reports as a radio button
// whose description tells the set. Mark before anything asks the button's
// accessible interface, which Qt makes once.
void markChoice(QAbstractButton& button);

// What a screen reader says of a widget; unchanged texts raise no events.
void describe(QWidget& w, const QString& name, const QString& description);

} // namespace kvint::ui
