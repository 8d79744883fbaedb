#include "ui/window/form1.h"

#include "game/categories.h"
#include "ui/access/accessibility.h"
#include "ui/access/spoken_texts.h"
#include "ui/common/qstring_conv.h"
#include "ui/statistics/statistics_dialog.h"
#include "ui/window/caption_wrap.h"
#include "ui/window/die_box.h"
#include "ui/window/first_paint.h"
#include "ui/window/fonts.h"
#include "ui/window/layout.h"
#include "ui/window/palette.h"
#include "ui/window/sound_switch.h"
#include "ui/window/window_settings.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <filesystem>

namespace kvint::ui {
namespace {

constexpr Ctl kFirstWidget = Ctl::Label1;
constexpr Ctl kLastWidget = Ctl::Check3;
constexpr int kNeverMirrored = -2; // below every background the model can hold

std::size_t at(Ctl c) {
    return static_cast<std::size_t>(c);
}

// Buttons, frames and menus read '&' as a mnemonic mark; the game's texts
// mean the character itself.
QString literal(const std::string& s) {
    return toQString(s).replace('&', "&&");
}

std::filesystem::path localPath(const QString& folder) {
    return {QFile::encodeName(folder).toStdString()};
}

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

// The room beside the tick mark of an option button or check box.
int captionWidth(const QWidget* w, Kind kind) {
    const QStyle* style = w->style();
    const bool option = kind == Kind::option;
    return w->width() -
           style->pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth
                                     : QStyle::PM_IndicatorWidth,
                              nullptr, w) -
           style->pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing
                                     : QStyle::PM_CheckBoxLabelSpacing,
                              nullptr, w);
}

void setText(QWidget* w, Kind kind, const std::string& text) {
    switch (kind) {
    case Kind::textBox:
        if (auto* box = static_cast<QLineEdit*>(w); box->text() != toQString(text)) {
            box->setText(toQString(text));
        }
        return;
    case Kind::button:
        static_cast<QAbstractButton*>(w)->setText(literal(text));
        return;
    case Kind::option:
    case Kind::checkBox:
        static_cast<QAbstractButton*>(w)->setText(
            wrapCaption(literal(text), w->fontMetrics(), captionWidth(w, kind)));
        return;
    case Kind::frame:
        static_cast<QGroupBox*>(w)->setTitle(literal(text));
        return;
    default:
        static_cast<QLabel*>(w)->setText(toQString(text));
        return;
    }
}

// Labels, the frame, the options and the check boxes are opaque, in the
// system's face colour until the game gives them one of its own (-1 keeps
// the face colour). The dice and the buttons keep the style's look.
void setBackground(QWidget* w, Kind kind, int paletteIndex) {
    if (kind == Kind::textBox || kind == Kind::button) {
        if (paletteIndex < 0) {
            w->setPalette(QPalette());
            w->setAutoFillBackground(false);
            return;
        }
    }
    const QPalette::ColorRole role = kind == Kind::textBox ? QPalette::Base : QPalette::Window;
    QPalette palette = w->palette();
    palette.setColor(role, paletteIndex < 0 ? QGuiApplication::palette().color(role)
                                            : paletteColour(paletteIndex));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
}

// Only the weight is set: size and face still come from the stage's zoom.
void setBold(QWidget* w, bool bold) {
    if (w->font().bold() == bold) {
        return;
    }
    QFont font;
    if (bold) {
        font.setBold(true);
    }
    w->setFont(font);
}

struct MenuItem {
    Ctl id;
    QKeySequence key;
};

struct Menu {
    Ctl id;
    std::array<MenuItem, 4> items;
    std::size_t count;
};

} // namespace

Form1::Form1(const QString& assetsFolder, Language lang)
    : platform_(*this, QDir(assetsFolder), lang), game_(platform_, localPath(assetsFolder), lang),
      surface_(new ZoomStage(form1ClientSize(), formFont(), this)),
      cellClicks_([this](const QObject* cellLabel) { writeByDoubleClick(cellLabel); }) {
    shownBack_.fill(kNeverMirrored);
    installChoiceAccessibility();
    setFont(formFont());
    setCentralWidget(surface_);
    buildMenus();
    // The zoom comes first, so the controls are laid out once, at their size.
    restoreZoomAndPlace();
    buildControls();
    // Captions that wrap are wrapped again for their new width.
    connect(surface_, &ZoomStage::rescaled, this, [this] {
        if (!game_.ended()) {
            for (auto c = at(kFirstWidget); c <= at(kLastWidget); ++c) {
                mirrorControl(static_cast<Ctl>(c));
            }
        }
    });
    sync();
    widgets_[at(Ctl::Command7)]->setFocus(Qt::OtherFocusReason);
    // The audio libraries and the sounds load once the window is on screen.
    onFirstPaint(*this,
                 [this] { QTimer::singleShot(0, this, [this] { platform_.preloadSounds(); }); });
}

Form1::~Form1() = default;

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

void Form1::buildMenus() {
    const std::array<Menu, 3> menus = {{
        {Ctl::igra, {{{Ctl::novaya, Qt::Key_F2}, {Ctl::vihod, {}}}}, 2},
        {Ctl::schet,
         {{{Ctl::hod, Qt::Key_F6},
           {Ctl::mayschet, Qt::Key_F4},
           {Ctl::schetcomp, Qt::Key_F5},
           {Ctl::ochko, Qt::Key_F3}}},
         4},
        {Ctl::pomosch, {{{Ctl::oprg, {}}, {Ctl::pravila, Qt::Key_F1}}}, 2},
    }};
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(QString());
        actions_[at(m.id)] = menu->menuAction();
        for (std::size_t i = 0; i < m.count; ++i) {
            const MenuItem& item = m.items[i];
            QAction* action = menu->addAction(QString());
            action->setShortcut(item.key);
            const Ctl id = item.id;
            connect(action, &QAction::triggered, this, [this, id] { route(id); });
            actions_[at(id)] = action;
        }
        if (m.id == Ctl::schet) {
            buildViewMenu();
        }
    }
}

// "Вид" belongs to the window, not to the game: always on view, never in the
// control model.
void Form1::buildViewMenu() {
    QMenu* view = menuBar()->addMenu(textOf(game_.language(), Msg::viewMenu));
    addZoomItems(*view);
    connect(view->addAction(textOf(game_.language(), Msg::statisticsItem)), &QAction::triggered,
            this, &Form1::showStatistics);
    addSoundSwitch(*view, textOf(game_.language(), Msg::soundItem), platform_);
}

void Form1::addZoomItems(QMenu& view) {
    QAction* larger = view.addAction(textOf(game_.language(), Msg::zoomInItem));
    larger->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(larger, &QAction::triggered, this, [this] { setZoom(stepAbove(surface_->factor())); });
    QAction* smaller = view.addAction(textOf(game_.language(), Msg::zoomOutItem));
    smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(smaller, &QAction::triggered, this, [this] { setZoom(stepBelow(surface_->factor())); });
    QAction* normal = view.addAction(textOf(game_.language(), Msg::zoomResetItem));
    normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(normal, &QAction::triggered, this, [this] { setZoom(kZoomSteps.front()); });
}

void Form1::setZoom(int percent) {
    zoom_ = percent;
    const double factor = percent / 100.0;
    setFont(scaledFont(formFont(), factor)); // the menus and the boxes follow
    surface_->setPreferredFactor(factor);
    windowSettings().setValue(kZoomKey, percent);
    if (form2_) {
        form2_->setZoom(factor);
    }
    if (isMaximized() || isFullScreen()) {
        return; // the stage fits itself into the room it has
    }
    const QSize stage = scaledSize(form1ClientSize(), factor);
    resize(stage.width(), stage.height() + menuBar()->sizeHint().height());
}

// A first start takes the largest step at which the window keeps to about
// half of the screen's height.
void Form1::restoreZoomAndPlace() {
    QSettings saved = windowSettings();
    if (saved.contains(kZoomKey)) {
        setZoom(nearestStep(saved.value(kZoomKey).toInt()));
    } else {
        const int heightAt100 = form1ClientSize().height() / 15 + menuBar()->sizeHint().height();
        setZoom(firstStep(heightAt100, screen()->availableGeometry().height()));
    }
    restoreGeometry(saved.value(kPlaceKey).toByteArray());
}

void Form1::saveZoomAndPlace() {
    QSettings saved = windowSettings();
    saved.setValue(kZoomKey, zoom_);
    saved.setValue(kPlaceKey, saveGeometry());
}

void Form1::showStatistics() {
    StatisticsDialog dialog(platform_.statistics(), this, game_.language());
    dialog.exec();
}

void Form1::route(Ctl c) {
    if (kindOf(c) == Kind::window) {
        game_.closeWindow(c);
    } else {
        game_.click(c);
    }
    sync();
}

void Form1::routeKey(Ctl die, std::uint16_t code) {
    game_.keyPress(die, code);
    sync();
}

// A double click on a free category of the side that is writing presses
// its entry button with the category's selector as the typed answer: the
// game runs its own handler, with every sound, message and refusal.
void Form1::writeByDoubleClick(const QObject* cellLabel) {
    const auto* found = std::find(widgets_.begin(), widgets_.end(), cellLabel);
    const auto cell = cellOf(static_cast<Ctl>(found - widgets_.begin()));
    if (game_.ended() || !cell) {
        return;
    }
    if (const auto button = writeButtonFor(game_, *cell)) {
        platform_.answerFirstInput(std::string(selectorText(cell->k)),
                                   [this, button] { route(*button); });
    }
}

void Form1::sync() {
    if (game_.ended()) {
        return;
    }
    for (auto c = at(kFirstWidget); c <= at(kLastWidget); ++c) {
        mirrorControl(static_cast<Ctl>(c));
    }
    for (auto c = at(Ctl::igra); c <= at(Ctl::pravila); ++c) {
        mirrorAction(static_cast<Ctl>(c));
    }
    markWhoseTurn();
    mirrorWindows();
    applyFocus();
}

// While a game is under way the header name of the side that plays now is
// bold. Against the computer that side is the computer only while it plays,
// inside the click that hands it the dice.
void Form1::markWhoseTurn() {
    const State& st = game_.state();
    const bool underWay = !game_.controls()[Ctl::Frame1].visible;
    const bool rightSide = st.gamemode == 1 ? st.turnowner == 2 : game_.computer().playing();
    setBold(widgets_[at(Ctl::Label8)], underWay && !rightSide);
    setBold(widgets_[at(Ctl::Label32)], underWay && rightSide);
}

void Form1::mirrorControl(Ctl c) {
    const Control& model = game_.controls()[c];
    QWidget* w = widgets_[at(c)];
    const Kind kind = kindOf(c);
    setText(w, kind, model.text);
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && model.value >= 0) {
        button->setChecked(model.value == 1);
    }
    if (shownBack_[at(c)] != model.back) {
        setBackground(w, kind, model.back);
        shownBack_[at(c)] = model.back;
    }
    if (w->isHidden() == model.visible) {
        w->setVisible(model.visible);
    }
    describe(*w, spokenName(game_, c), spokenDescription(game_, c));
    if (const auto cell = cellOf(c)) {
        if (const QString preview = previewText(game_, *cell); w->toolTip() != preview) {
            w->setToolTip(preview);
        }
    }
}

void Form1::mirrorAction(Ctl c) {
    const Control& model = game_.controls()[c];
    QAction* action = actions_[at(c)];
    action->setText(literal(model.text));
    // A hidden menu's items go quiet with it: Qt takes no shortcut of an
    // action whose menu is off the menu bar.
    action->setVisible(model.visible);
}

void Form1::mirrorWindows() {
    const Controls& model = game_.controls();
    setWindowTitle(toQString(model[Ctl::Form1].text));
    if (shownBack_[at(Ctl::Form1)] != model[Ctl::Form1].back) {
        setBackground(surface_, Kind::window, model[Ctl::Form1].back);
        shownBack_[at(Ctl::Form1)] = model[Ctl::Form1].back;
    }
    if (model[Ctl::Form2].visible && !form2_) {
        form2_ = std::make_unique<Form2>([this](Ctl c) { route(c); });
    }
    if (form2_) {
        form2_->mirror(model);
        describe(form2_->textBox(), spokenName(game_, Ctl::Form2_Text1), {});
    }
    if (model[Ctl::Form2].visible && !form2_->isVisible()) {
        showRules();
    }
    // The rules window goes before the main window comes back, so the window
    // system puts nothing in the main window's way and it returns to its place.
    if (form2_ && !model[Ctl::Form2].visible) {
        form2_->hide();
    }
    if (model[Ctl::Form1].visible == isVisible()) {
        return;
    }
    if (!model[Ctl::Form1].visible) {
        placeBeforeRules_ = pos();
        hide();
        return;
    }
    show();
    if (placeBeforeRules_) {
        move(*placeBeforeRules_);
    }
}

// The rules window opens over the main window, centred on it.
void Form1::showRules() {
    form2_->setZoom(zoom_ / 100.0);
    QRect frame = form2_->frameGeometry();
    frame.moveCenter(frameGeometry().center());
    form2_->move(frame.topLeft());
    form2_->show();
}

void Form1::applyFocus() {
    if (!pendingFocus_) {
        return;
    }
    if (QWidget* w = widget(*pendingFocus_); w && w->isVisible()) {
        w->setFocus(Qt::OtherFocusReason);
    }
    pendingFocus_.reset();
}

QWidget* Form1::widget(Ctl c) {
    if (c == Ctl::Form1) {
        return this;
    }
    if (c >= kFirstWidget && c <= kLastWidget) {
        return widgets_[at(c)];
    }
    if (!form2_) {
        return nullptr;
    }
    switch (c) {
    case Ctl::Form2:
        return form2_.get();
    case Ctl::Form2_Text1:
        return &form2_->textBox();
    case Ctl::Form2_Command1:
        return &form2_->closeButton();
    default:
        return nullptr;
    }
}

QAction* Form1::action(Ctl c) const {
    return actions_[at(c)];
}

QWidget* Form1::dialogParent() {
    if (!isVisible() && form2_ && form2_->isVisible()) {
        return form2_.get();
    }
    return this;
}

void Form1::repaintSurface() {
    surface_->update();
}

void Form1::shutDown() {
    saveZoomAndPlace();
    if (form2_) {
        form2_->hide();
    }
    hide();
    emit programEnded();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    saveZoomAndPlace();
    // Closing the main window ends the run, even while the game has it hidden
    // behind the rules window.
    if (!game_.ended()) {
        game_.Form1_Unload();
    }
}

} // namespace kvint::ui
