#include "ui/access/accessibility.h"
#include "ui/window/die_box.h"
#include "ui/window/fonts.h"
#include "ui/window/form1.h"
#include "ui/window/layout.h"
#include "ui/window/widget_slots.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kvint::ui {
namespace {

// The widget is owned by its parent, as every child widget of the windows.
QWidget* makeWidget(Ctl c, QWidget* parent) {
    switch (kindOf(c)) {
    case Kind::textBox:
        return new DieBox(parent);
    case Kind::button: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(true); // Enter and Return press it, as Space does
        return button;
    }
    case Kind::frame:
        return new QGroupBox(parent);
    case Kind::option: {
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false); // the game selects the options itself
        return option;
    }
    case Kind::checkBox:
        return new QCheckBox(parent);
    default: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText); // player names are shown as typed
        return label;
    }
    }
}

} // namespace

void Form1::buildControls() {
    // Creation order is stacking order: the score sheet and the dice captions
    // lie under the choice panel, and the frame under its own options.
    for (auto c = at(kFirstWidget); c <= at(kLastWidget); ++c) {
        const auto id = static_cast<Ctl>(c);
        QWidget* w = makeWidget(id, surface_);
        if (const auto place = placeOf(id); place && kindOf(id) == Kind::textBox) {
            surface_->place(w, *place, diceFont());
        } else if (place) {
            surface_->place(w, *place);
        }
        if (auto* die = qobject_cast<DieBox*>(w)) {
            connect(die, &DieBox::clicked, this, [this, id] { route(id); });
            connect(die, &DieBox::keyTyped, this,
                    [this, id](std::uint16_t code) { routeKey(id, code); });
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { route(id); });
        }
        if (kindOf(id) == Kind::option || kindOf(id) == Kind::checkBox) {
            markChoice(*static_cast<QAbstractButton*>(w));
        }
        if (cellOf(id)) {
            cellClicks_.watch(*w);
        }
        widgets_[c] = w;
    }
}

} // namespace kvint::ui
