// The window's own About box: the version, the licence and where to send
// remarks. The game's notice under "О программе" stays as the game words it;
// this box stands beside it, under an item of its own in "Помощь".
#include "ui/common/app_info.h"
#include "ui/common/qstring_conv.h"
#include "ui/window/form1.h"

#include <QMessageBox>

#include <string>

namespace kvint::ui {
namespace {

// The text with the address as a link, every other character as it reads.
QString linked(const QString& text, const QString& address) {
    QString html = text.toHtmlEscaped();
    html.replace(address.toHtmlEscaped(), QStringLiteral("<a href=\"%1\">%1</a>").arg(address));
    return html.replace(u'\n', QStringLiteral("<br>"));
}

} // namespace

void Form1::buildVersionItem() {
    QMenu* help = action(Ctl::pomosch)->menu();
    help->addSeparator();
    QAction* item = help->addAction(textOf(game_.language(), Msg::versionItem));
    connect(item, &QAction::triggered, this, &Form1::showVersion);
}

void Form1::showVersion() {
    const Language lang = game_.language();
    const std::string version = toStdString(kAppVersion);
    const std::string licence = toStdString(kAppLicence);
    const std::string address = toStdString(kAppHomepage);
    const QString text = textOf(lang, Msg::versionText, {version, licence, address});
    QMessageBox box(QMessageBox::NoIcon, textOf(lang, Msg::versionItem), linked(text, kAppHomepage),
                    QMessageBox::Ok, this);
    box.setFont(font()); // a window of its own: it inherits no zoom
    box.setTextFormat(Qt::RichText);
    box.setIconPixmap(windowIcon().pixmap(box.fontMetrics().height() * 4));
    box.exec();
}

} // namespace kvint::ui
