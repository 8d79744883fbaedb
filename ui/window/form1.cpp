#include "ui/window/form1.h"

#include "ui/access/accessibility.h"
#include "ui/window/first_paint.h"
#include "ui/window/fonts.h"
#include "ui/window/layout.h"
#include "ui/window/widget_slots.h"

#include <QCloseEvent>
#include <QFile>

#include <filesystem>

namespace kvint::ui {
namespace {

constexpr int kNeverMirrored = -2; // below every background the model can hold

std::filesystem::path localPath(const QString& folder) {
    return {QFile::encodeName(folder).toStdString()};
}

} // namespace

Form1::Form1(const QString& assetsFolder, Language lang)
    : platform_(*this, QDir(assetsFolder), lang), game_(platform_, localPath(assetsFolder), lang),
      computer_(game_.board()), surface_(new ZoomStage(form1ClientSize(), formFont(), this)),
      modern_(new ModernView(this)),
      cellClicks_([this](const QObject* cellLabel) { writeByDoubleClick(cellLabel); }),
      stored_(loadSettings()), settings_(stored_.settings) {
    game_.setOpponent(computer_);
    shownBack_.fill(kNeverMirrored);
    installChoiceAccessibility();
    setFont(formFont());
    modern_->hide();
    setCentralWidget(surface_);
    connect(modern_, &ModernView::controlClicked, this, [this](Ctl c) { route(c); });
    connect(modern_, &ModernView::categoryClicked, this, &Form1::writeFromTable);
    buildMenus();
    // The zoom comes first, so the controls are laid out once, at their size.
    restoreSettings();
    buildControls();
    if (settings_.modern) {
        showModernView(true);
    }
    // Captions that wrap are wrapped again for their new width.
    connect(surface_, &ZoomStage::rescaled, this, [this] {
        if (!game_.ended()) {
            for (auto c = at(kFirstWidget); c <= at(kLastWidget); ++c) {
                mirrorControl(static_cast<Ctl>(c));
            }
        }
    });
    Form1::sync(); // nothing derives from the window: no dispatch is lost
    widgets_[at(Ctl::Command7)]->setFocus(Qt::OtherFocusReason);
    // The audio libraries and the sounds load once the window is on screen.
    soundLoad_.setSingleShot(true);
    connect(&soundLoad_, &QTimer::timeout, this, [this] { platform_.preloadSounds(); });
    onFirstPaint(*this, [this] { soundLoad_.start(0); });
}

Form1::~Form1() = default;

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

// Every end of the run comes here, the close command's too: the one place
// the settings are written at quit.
void Form1::shutDown() {
    rememberSettings();
    if (form2_) {
        form2_->hide();
    }
    hide();
    emit programEnded();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closing the main window ends the run, even while the game has it hidden
    // behind the rules window. The game in progress stays kept as it was
    // after the last event, for the next run to take up.
    closing_ = true;
    if (!game_.ended()) {
        game_.Form1_Unload();
    }
}

} // namespace kvint::ui
