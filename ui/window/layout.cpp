#include "ui/window/layout.h"

#include <array>

namespace kvint::ui {
namespace {

constexpr std::array kRowTops = {227, 454, 680, 907, 1134, 1361};
constexpr std::array kComboTops = {225, 450, 675, 900, 1140};
constexpr std::array kLeftComboWidths = {283, 285, 405, 405, 405};
constexpr std::array kRightComboWidths = {285, 285, 405, 405, 405};
constexpr std::array kDiceLefts = {340, 1020, 1701, 2381, 3061, 3742};

struct Place {
    Ctl id;
    int left, top, width, height;
};

// Controls that do not belong to a column or a row of six.
constexpr std::array kSingles = {
    Place{Ctl::Label7, 0, 0, 1162, 227},
    Place{Ctl::Label8, 1162, 0, 1162, 227},
    Place{Ctl::Label9, 2381, 0, 1191, 227},
    Place{Ctl::Label32, 3572, 0, 1191, 227},
    Place{Ctl::Command1, 240, 2835, 1170, 227},
    Place{Ctl::Command2, 1560, 2835, 930, 227},
    Place{Ctl::Command3, 3720, 2835, 690, 227},
    Place{Ctl::Command4, 2760, 2835, 690, 227},
    Place{Ctl::Command5, 1560, 2835, 930, 227},
    Place{Ctl::Command6, 3720, 2835, 690, 227},
    // The frame is ours to place: it rings the options and the strength boxes,
    // its caption and top border clear above them, since they are opaque.
    Place{Ctl::Frame1, 1380, 640, 2920, 2100},
    Place{Ctl::Option1, 3061, 964, 1134, 567},
    Place{Ctl::Option2, 3061, 1531, 1134, 567},
    Place{Ctl::Check1, 1474, 964, 1134, 567},
    Place{Ctl::Check2, 1474, 1531, 1134, 567},
    Place{Ctl::Check3, 1474, 2098, 1134, 567},
    Place{Ctl::Command7, 454, 1417, 567, 567},
    Place{Ctl::Form2_Text1, 0, 0, 4649, 2551},
    Place{Ctl::Form2_Command1, 1757, 2665, 1134, 567},
};

bool within(Ctl c, Ctl first, std::size_t count) {
    return c >= first && numberIn(first, c) <= count;
}

std::optional<QRect> columnPlace(Ctl c) {
    if (within(c, Ctl::Label10, 6)) {
        return QRect(850, kRowTops[numberIn(Ctl::Label10, c) - 1], 283, 227);
    }
    if (within(c, Ctl::may1, 6)) {
        return QRect(1134, kRowTops[numberIn(Ctl::may1, c) - 1], 283, 227);
    }
    if (within(c, Ctl::Label16, 5)) {
        const std::size_t n = numberIn(Ctl::Label16, c) - 1;
        return QRect(1440, kComboTops[n], kLeftComboWidths[n], 225);
    }
    if (within(c, Ctl::may7, 5)) {
        return QRect(1723, kRowTops[numberIn(Ctl::may7, c) - 1], 283, 227);
    }
    if (within(c, Ctl::Label21, 6)) {
        return QRect(2381, kRowTops[numberIn(Ctl::Label21, c) - 1], 283, 227);
    }
    if (within(c, Ctl::comp1, 6)) {
        return QRect(2665, kRowTops[numberIn(Ctl::comp1, c) - 1], 283, 227);
    }
    if (within(c, Ctl::Label27, 5)) {
        const std::size_t n = numberIn(Ctl::Label27, c) - 1;
        return QRect(2948, kComboTops[n], kRightComboWidths[n], 225);
    }
    if (within(c, Ctl::comp7, 5)) {
        return QRect(3231, kRowTops[numberIn(Ctl::comp7, c) - 1], 283, 227);
    }
    return std::nullopt;
}

std::optional<QRect> diceRowPlace(Ctl c) {
    if (within(c, Ctl::Label1, 6)) {
        return QRect(kDiceLefts[numberIn(Ctl::Label1, c) - 1], 1757, 567, 227);
    }
    if (within(c, Ctl::Text1, 6)) {
        return QRect(kDiceLefts[numberIn(Ctl::Text1, c) - 1], 1984, 567, 567);
    }
    return std::nullopt;
}

} // namespace

QSize form1ClientSize() {
    return {4680, 3435};
}
// Just tall enough for the whole "Закрыть" button (top 2665, height 567).
QSize form2ClientSize() {
    return {4680, 2665 + 567};
}

std::optional<QRect> placeOf(Ctl c) {
    for (const Place& p : kSingles) {
        if (p.id == c) {
            return QRect(p.left, p.top, p.width, p.height);
        }
    }
    if (auto place = columnPlace(c)) {
        return place;
    }
    return diceRowPlace(c);
}

} // namespace kvint::ui
