#include "ui/command_line.h"

#include "ui/app_info.h"
#include "ui/asset_dirs.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <iostream>

namespace kvint::ui {
namespace {

constexpr int kUsageError = 2;

// The options QGuiApplication takes for itself; accepted here so that they
// reach it instead of being refused as unknown.
void acceptQtOptions(QCommandLineParser& parser) {
    constexpr std::array withValue = {
        "platform",     "platformpluginpath", "platformtheme", "plugin",     "qwindowgeometry",
        "qwindowtitle", "qwindowicon",        "style",         "stylesheet", "display",
        "session"};
    constexpr std::array flags = {"reverse", "nograb", "dograb", "sync", "widgetcount"};
    for (const char* name : withValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : flags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

int checkInstall() {
    const QString folder = assetsFolder(QCoreApplication::applicationDirPath());
    std::cout << "Game files: " << folder.toStdString() << '\n';
    const QStringList missing = missingAssets(folder);
    for (const QString& file : missing) {
        std::cout << "missing: " << file.toStdString() << '\n';
    }
    return missing.isEmpty() ? 0 : 1;
}

} // namespace

std::optional<int> answerCommandLine(int& argc, char** argv) {
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvint"));
    QCoreApplication::setApplicationVersion(kAppVersion);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A dice game for two sides on one score "
                                                    "sheet, against the computer or a friend."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check-install"),
        QStringLiteral("Tell where the rules and sounds are found, list any that are missing, "
                       "and exit (status 1 when one is missing)."));
    parser.addOption(check);
    acceptQtOptions(parser);

    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "kvint: " << parser.errorText().toStdString()
                  << "\nTry 'kvint --help' for the options.\n";
        return kUsageError;
    }
    if (!parser.positionalArguments().isEmpty()) {
        std::cerr << "kvint: unexpected argument '"
                  << parser.positionalArguments().first().toStdString()
                  << "'\nTry 'kvint --help' for the options.\n";
        return kUsageError;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::cout << parser.helpText().toStdString();
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "kvint " << kAppVersion.toStdString() << '\n';
        return 0;
    }
    if (parser.isSet(check)) {
        return checkInstall();
    }
    return std::nullopt;
}

} // namespace kvint::ui
