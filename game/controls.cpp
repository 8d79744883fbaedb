#include "game/controls.h"

#include <algorithm>
#include <variant>

namespace kvint {
namespace {

// clang-format off
constexpr std::array<std::string_view, kControlCount> kNames = {
    "Form1",
    "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9",
    "Label10", "Label11", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17",
    "Label18", "Label19", "Label20", "Label21", "Label22", "Label23", "Label24", "Label25",
    "Label26", "Label27", "Label28", "Label29", "Label30", "Label31", "Label32",
    "may1", "may2", "may3", "may4", "may5", "may6", "may7", "may8", "may9", "may10", "may11",
    "comp1", "comp2", "comp3", "comp4", "comp5", "comp6", "comp7", "comp8", "comp9", "comp10",
    "comp11",
    "Text1", "Text2", "Text3", "Text4", "Text5", "Text6",
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
    "Frame1", "Option1", "Option2", "Check1", "Check2", "Check3",
    "игра", "новая", "vihod",
    "счет", "hod", "mayschet", "schetcomp", "ochko",
    "pomosch", "oprg", "pravila",
    "Form2", "Form2.Text1", "Form2.Command1",
};
// clang-format on

// Captions and visibility as the window is designed; a control missing here
// starts visible with an empty caption. A caption is either the game's own
// term, the same in every language, or a catalogue text.
struct Design {
    Ctl id;
    std::variant<std::string_view, Msg> text;
    bool visible = true;
    int value = -1;
};

// clang-format off
constexpr std::array kDesign = {
    Design{Ctl::Form1, Msg::windowTitle},
    Design{Ctl::Label1, Msg::die1}, Design{Ctl::Label2, Msg::die2},
    Design{Ctl::Label3, Msg::die3}, Design{Ctl::Label4, Msg::die4},
    Design{Ctl::Label5, Msg::die5}, Design{Ctl::Label6, Msg::die6},
    Design{Ctl::Label7, Msg::scoreLabel}, Design{Ctl::Label9, Msg::scoreLabel},
    Design{Ctl::Label10, "1 "}, Design{Ctl::Label11, "2"}, Design{Ctl::Label12, "3"},
    Design{Ctl::Label13, "4"}, Design{Ctl::Label14, "5"}, Design{Ctl::Label15, "6"},
    Design{Ctl::Label16, "2/3"}, Design{Ctl::Label17, "3/2"}, Design{Ctl::Label18, "strit"},
    Design{Ctl::Label19, "care"}, Design{Ctl::Label20, "kvint"},
    Design{Ctl::Label21, "1"}, Design{Ctl::Label22, "2"}, Design{Ctl::Label23, "3"},
    Design{Ctl::Label24, "4"}, Design{Ctl::Label25, "5"}, Design{Ctl::Label26, "6"},
    Design{Ctl::Label27, "2/3"}, Design{Ctl::Label28, "3/2"}, Design{Ctl::Label29, "strit"},
    Design{Ctl::Label30, "care"}, Design{Ctl::Label31, "kvint"},
    Design{Ctl::Text1, "", false}, Design{Ctl::Text2, "", false},
    Design{Ctl::Text3, "", false}, Design{Ctl::Text4, "", false},
    Design{Ctl::Text5, "", false}, Design{Ctl::Text6, "", false},
    Design{Ctl::Command1, Msg::reroll, false}, Design{Ctl::Command2, Msg::writeOne, false},
    Design{Ctl::Command3, Msg::passOne, false}, Design{Ctl::Command4, Msg::roll, false},
    Design{Ctl::Command5, Msg::writeTwo, false}, Design{Ctl::Command6, Msg::passTwo, false},
    Design{Ctl::Command7, Msg::enter},
    Design{Ctl::Frame1, Msg::gameChoice},
    Design{Ctl::Option1, Msg::humanVsComputer, true, 1},
    Design{Ctl::Option2, Msg::humanVsHuman, true, 0},
    Design{Ctl::Check1, Msg::novice, true, 0},
    Design{Ctl::Check2, Msg::master, true, 1},
    Design{Ctl::Check3, Msg::pro, true, 0},
    Design{Ctl::igra, Msg::gameMenu, false}, Design{Ctl::novaya, Msg::newGame},
    Design{Ctl::vihod, Msg::exitItem},
    Design{Ctl::schet, Msg::scoreMenu, false}, Design{Ctl::hod, Msg::turnItem, false},
    Design{Ctl::mayschet, Msg::yourScore}, Design{Ctl::ochko, Msg::totalsItem},
    Design{Ctl::pomosch, Msg::helpMenu}, Design{Ctl::oprg, Msg::about},
    Design{Ctl::pravila, Msg::rules},
    Design{Ctl::Form2, Msg::rules, false},
    Design{Ctl::Form2_Text1, "Text1"},
    Design{Ctl::Form2_Command1, Msg::close},
};
// clang-format on

constexpr std::array kGameMenuItems = {MenuItemDesign{Ctl::novaya, 2}, MenuItemDesign{Ctl::vihod}};
constexpr std::array kScoreMenuItems = {
    MenuItemDesign{Ctl::hod, 6}, MenuItemDesign{Ctl::mayschet, 4},
    MenuItemDesign{Ctl::schetcomp, 5}, MenuItemDesign{Ctl::ochko, 3}};
constexpr std::array kHelpMenuItems = {MenuItemDesign{Ctl::oprg}, MenuItemDesign{Ctl::pravila, 1}};
constexpr std::array kMenus = {MenuDesign{Ctl::igra, kGameMenuItems},
                               MenuDesign{Ctl::schet, kScoreMenuItems},
                               MenuDesign{Ctl::pomosch, kHelpMenuItems}};

} // namespace

Controls::Controls(Language lang) {
    for (const Design& d : kDesign) {
        Control& c = (*this)[d.id];
        const auto* caption = std::get_if<Msg>(&d.text);
        c.text = caption ? messageText(lang, *caption) : std::get<std::string_view>(d.text);
        c.visible = d.visible;
        c.value = d.value;
    }
}

bool Controls::reachable(Ctl c) const {
    if (!(*this)[c].visible || !(*this)[windowOf(c)].visible) {
        return false;
    }
    const auto menu = menuOf(c);
    return !menu || (*this)[*menu].visible;
}

Kind kindOf(Ctl c) {
    if (c == Ctl::Form1 || c == Ctl::Form2) {
        return Kind::window;
    }
    if (inRange(c, Ctl::Text1, Ctl::Text6) || c == Ctl::Form2_Text1) {
        return Kind::textBox;
    }
    if (inRange(c, Ctl::Command1, Ctl::Command7) || c == Ctl::Form2_Command1) {
        return Kind::button;
    }
    if (c == Ctl::Option1 || c == Ctl::Option2) {
        return Kind::option;
    }
    if (inRange(c, Ctl::Check1, Ctl::Check3)) {
        return Kind::checkBox;
    }
    if (c == Ctl::Frame1) {
        return Kind::frame;
    }
    if (c == Ctl::igra || c == Ctl::schet || c == Ctl::pomosch) {
        return Kind::menu;
    }
    if (inRange(c, Ctl::igra, Ctl::pravila)) {
        return Kind::menuItem;
    }
    return Kind::label;
}

Ctl windowOf(Ctl c) {
    return inRange(c, Ctl::Form2, Ctl::Form2_Command1) ? Ctl::Form2 : Ctl::Form1;
}

std::optional<Ctl> menuOf(Ctl item) {
    for (const MenuDesign& m : kMenus) {
        if (std::ranges::any_of(m.items,
                                [item](const MenuItemDesign& i) { return i.item == item; })) {
            return m.menu;
        }
    }
    return std::nullopt;
}

std::span<const MenuDesign> gameMenus() {
    return kMenus;
}

std::string_view controlName(Ctl c) {
    return kNames[static_cast<std::size_t>(c)];
}

std::optional<Ctl> controlByName(std::string_view name) {
    const auto it = std::find(kNames.begin(), kNames.end(), name);
    if (it == kNames.end()) {
        return std::nullopt;
    }
    return static_cast<Ctl>(it - kNames.begin());
}

} // namespace kvint
