#pragma once

#include "game/messages.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace kvint {

// Every control of both windows, in the order a dump lists them. The menus
// "Игра" and "Счет" and the item "Новая" carry Cyrillic names in the window
// (see controlName); here they are spelled in Latin letters.
// clang-format off
enum class Ctl : unsigned char {
    Form1,
    Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
    Label11, Label12, Label13, Label14, Label15, Label16, Label17, Label18, Label19, Label20,
    Label21, Label22, Label23, Label24, Label25, Label26, Label27, Label28, Label29, Label30,
    Label31, Label32,
    may1, may2, may3, may4, may5, may6, may7, may8, may9, may10, may11,
    comp1, comp2, comp3, comp4, comp5, comp6, comp7, comp8, comp9, comp10, comp11,
    Text1, Text2, Text3, Text4, Text5, Text6,
    Command1, Command2, Command3, Command4, Command5, Command6, Command7,
    Frame1, Option1, Option2, Check1, Check2, Check3,
    igra, novaya, vihod,
    schet, hod, mayschet, schetcomp, ochko,
    pomosch, oprg, pravila,
    Form2, Form2_Text1, Form2_Command1,
};
// clang-format on

constexpr std::size_t kControlCount = static_cast<std::size_t>(Ctl::Form2_Command1) + 1;

constexpr Ctl offset(Ctl first, std::size_t n) {
    return static_cast<Ctl>(static_cast<std::size_t>(first) + n);
}
constexpr Ctl label(std::size_t n) {
    return offset(Ctl::Label1, n - 1);
}
constexpr Ctl may(std::size_t k) {
    return offset(Ctl::may1, k - 1);
}
constexpr Ctl comp(std::size_t k) {
    return offset(Ctl::comp1, k - 1);
}
// The labels naming category k beside may(k) and comp(k).
constexpr Ctl mayName(std::size_t k) {
    return offset(Ctl::Label10, k - 1);
}
constexpr Ctl compName(std::size_t k) {
    return offset(Ctl::Label21, k - 1);
}
constexpr Ctl textBox(std::size_t i) {
    return offset(Ctl::Text1, i - 1);
}

constexpr bool inRange(Ctl c, Ctl first, Ctl last) {
    return c >= first && c <= last;
}

// Position of c within its numbered family (Text3 -> 3), for c in that family.
constexpr std::size_t numberIn(Ctl first, Ctl c) {
    return static_cast<std::size_t>(c) - static_cast<std::size_t>(first) + 1;
}

// The character code a die reports for Enter and Return: it marks the die as
// a click does.
inline constexpr std::uint16_t kEnterKey = 13;

enum class Kind : unsigned char {
    window,
    label,
    textBox,
    button,
    frame,
    option,
    checkBox,
    menu,
    menuItem,
};

// What the window shows of one control. `back` is a palette index, or -1
// while the game has never set the background; `value` is the tick of a check
// box or option button, -1 for every other control.
struct Control {
    bool visible = true;
    std::string text;
    int back = -1;
    int value = -1;

    friend bool operator==(const Control&, const Control&) = default;
};

class Controls {
  public:
    // Every control as designed, before the load handler, captioned in lang.
    explicit Controls(Language lang = Language::ru);

    Control& operator[](Ctl c) { return items_[static_cast<std::size_t>(c)]; }
    const Control& operator[](Ctl c) const { return items_[static_cast<std::size_t>(c)]; }

    void show(Ctl c) { (*this)[c].visible = true; }
    void hide(Ctl c) { (*this)[c].visible = false; }
    void show(std::span<const Ctl> cs) {
        for (Ctl c : cs) {
            show(c);
        }
    }
    void hide(std::span<const Ctl> cs) {
        for (Ctl c : cs) {
            hide(c);
        }
    }
    void setText(Ctl c, std::string text) { (*this)[c].text = std::move(text); }
    void setBack(Ctl c, int paletteIndex) { (*this)[c].back = paletteIndex; }

    // A control takes clicks and keys only while it, its menu and its window
    // are all on view.
    [[nodiscard]] bool reachable(Ctl c) const;

    friend bool operator==(const Controls&, const Controls&) = default;

  private:
    std::array<Control, kControlCount> items_;
};

Kind kindOf(Ctl c);
Ctl windowOf(Ctl c);
std::optional<Ctl> menuOf(Ctl item);
std::string_view controlName(Ctl c);
std::optional<Ctl> controlByName(std::string_view name);

// An item of a game menu and the function key that triggers it: 1 for F1 and
// so on, 0 for none.
struct MenuItemDesign {
    Ctl item;
    int functionKey = 0;
};

// A menu of the game's menu bar and its items, top to bottom.
struct MenuDesign {
    Ctl menu;
    std::span<const MenuItemDesign> items;
};

// The game's menus, left to right.
std::span<const MenuDesign> gameMenus();

} // namespace kvint
