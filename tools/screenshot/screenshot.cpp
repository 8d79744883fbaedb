// kvint-screenshot: the main window at a set position, drawn into a PNG for
// the software centre's screenshots (scripts/screenshots.sh runs it).
//
//     kvint-screenshot --position SCRIPT --out FILE.png [--zoom PERCENT]
//                      [--view classic|modern] [--assets DIR]
//
// The position is a script of kvint-script (tools/screenshot/position.kvs),
// played by the same engine; the window takes the game it leaves up as it
// takes up an unfinished game. Settings, statistics and the game kept between
// runs live in a temporary folder for the run, never the user's.
#include "game/game.h"
#include "game/snapshot.h"
#include "tools/script/runner.h"
#include "ui/app/asset_dirs.h"
#include "ui/common/settings.h"
#include "ui/window/form1.h"
#include "ui/zoom/zoom.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>

namespace {

constexpr int kUsageError = 2;

struct Options {
    QString position;
    QString out;
    QString view;
    QString assets;
    int zoom = 0;
};

int fail(const std::string& what) {
    std::cerr << "kvint-screenshot: " << what << '\n';
    return 1;
}

// Sets the window's view for the run, before the window is made, through the
// setting the window remembers it by, in the run's own settings.
bool setView(const QString& view) {
    const bool modern = view == QLatin1String("modern");
    if (!modern && view != QLatin1String("classic")) {
        return false;
    }
    kvint::ui::Settings settings = kvint::ui::readSettings();
    settings.modern = modern;
    kvint::ui::writeSettings(settings);
    return true;
}

std::optional<Options> parse(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the window at a set position."));
    parser.addHelpOption();
    const QCommandLineOption position(QStringLiteral("position"),
                                      QStringLiteral("The kvint-script that sets the position."),
                                      QStringLiteral("script"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("The PNG to write."),
                                 QStringLiteral("file"));
    const QCommandLineOption zoom(QStringLiteral("zoom"), QStringLiteral("The zoom step."),
                                  QStringLiteral("percent"), QStringLiteral("200"));
    const QCommandLineOption view(QStringLiteral("view"),
                                  QStringLiteral("The view: classic or modern."),
                                  QStringLiteral("name"), QStringLiteral("classic"));
    const QCommandLineOption assets(QStringLiteral("assets"),
                                    QStringLiteral("The folder of the rules and sounds."),
                                    QStringLiteral("folder"));
    parser.addOptions({position, out, zoom, view, assets});
    parser.process(arguments);
    Options options{parser.value(position), parser.value(out), parser.value(view),
                    parser.value(assets), parser.value(zoom).toInt()};
    if (options.position.isEmpty() || options.out.isEmpty()) {
        std::cerr << "kvint-screenshot: --position and --out are needed\n";
        return std::nullopt;
    }
    if (std::find(kvint::ui::kZoomSteps.begin(), kvint::ui::kZoomSteps.end(), options.zoom) ==
        kvint::ui::kZoomSteps.end()) {
        std::cerr << "kvint-screenshot: --zoom takes a step of the \"Вид\" menu\n";
        return std::nullopt;
    }
    return options;
}

// The game as the script leaves it, as an unfinished game is kept.
std::optional<kvint::Snapshot> playedPosition(const Options& options) {
    std::ifstream script(QFile::encodeName(options.position).toStdString(), std::ios::binary);
    if (!script) {
        return std::nullopt;
    }
    std::ostringstream transcript;
    std::string kept;
    const int status = kvint::script::runScript(
        script, transcript, QFile::encodeName(options.assets).toStdString(),
        [&kept](const kvint::Game& game) { kept = kvint::exportGame(game); });
    if (status != 0) {
        std::cerr << transcript.str();
        return std::nullopt;
    }
    return kvint::parseSnapshot(kept);
}

int draw(const Options& options) {
    const std::optional<kvint::Snapshot> position = playedPosition(options);
    if (!position) {
        return fail("the position script did not play: " + options.position.toStdString());
    }
    if (!setView(options.view)) {
        return fail("no view '" + options.view.toStdString() + "' (classic or modern)");
    }
    kvint::ui::Form1 window(options.assets);
    window.setZoom(options.zoom);
    if (!window.game().restore(*position)) {
        return fail("the window did not take the position up");
    }
    window.sync();
    QApplication::processEvents(); // lays the window out at its size
    if (!window.grab().save(options.out, "PNG")) {
        return fail("cannot write " + options.out.toStdString());
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before anything asks where the user's files are.
    const QTemporaryDir home;
    if (!home.isValid()) {
        return fail("no temporary folder");
    }
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(name, QFile::encodeName(home.filePath(QString::fromLatin1(name))));
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvint"));
    std::optional<Options> options = parse(QApplication::arguments());
    if (!options) {
        return kUsageError;
    }
    if (options->assets.isEmpty()) {
        options->assets = kvint::ui::assetsFolder(QApplication::applicationDirPath());
    }
    return draw(*options);
}
