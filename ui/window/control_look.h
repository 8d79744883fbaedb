#pragma once

#include "game/controls.h"

#include <QString>

#include <string>

class QWidget;

namespace kvint::ui {

// How one control of the model shows on its widget.

// Buttons, frames and menus read '&' as a mnemonic mark; the game's texts
// mean the character itself.
QString literal(const std::string& s);

// The caption of a label, button, frame or choice, or the text of a die.
void setText(QWidget* w, Kind kind, const std::string& text);

// Labels, the frame, the options and the check boxes are opaque, in the
// system's face colour until the game gives them one of its own (-1 keeps
// the face colour). The dice and the buttons keep the style's look.
void setBackground(QWidget* w, Kind kind, int paletteIndex);

// Only the weight is set: size and face still come from the stage's zoom.
void setBold(QWidget* w, bool bold);

} // namespace kvint::ui
