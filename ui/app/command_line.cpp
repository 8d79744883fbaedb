#include "ui/app/command_line.h"

#include "game/languages.h"
#include "ui/app/asset_dirs.h"
#include "ui/common/app_info.h"
#include "ui/common/qstring_conv.h"
#include "ui/sound/sound_module.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <iostream>
#include <string>

namespace kvint::ui {
namespace {

constexpr int kUsageError = 2;

// The codes --lang takes, as its help and its refusal list them.
QString languageCodes() {
    QStringList codes;
    for (const LanguageInfo& language : kLanguages) {
        codes << toQString(language.code);
    }
    return codes.join(QStringLiteral(" or "));
}

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
    const QString module =
        soundModulePath(soundModuleFolders(QCoreApplication::applicationDirPath()));
    if (module.isEmpty()) {
        std::cout << "missing: " << soundModuleName().toStdString() << '\n';
    } else {
        std::cout << "Sound module: " << module.toStdString() << '\n';
    }
    return missing.isEmpty() && !module.isEmpty() ? 0 : 1;
}

CommandLine mistake(const std::string& what) {
    std::cerr << "kvint: " << what << "\nTry 'kvint --help' for the options.\n";
    return {kUsageError};
}

} // namespace

CommandLine answerCommandLine(int& argc, char** argv) {
    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kvint"));
    QCoreApplication::setApplicationVersion(kAppVersion);
    return answerArguments(QCoreApplication::arguments());
}

CommandLine answerArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A dice game for two sides on one score "
                                                    "sheet, against the computer or a friend."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption check(
        QStringLiteral("check-install"),
        QStringLiteral("Tell where the rules, sounds and sound module are found, list any "
                       "that are missing, and exit (status 1 when one is missing)."));
    parser.addOption(check);
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Play in this language, %1, instead of "
                                                 "the desktop's.")
                                      .arg(languageCodes()),
                                  QStringLiteral("code"));
    parser.addOption(lang);
    QCommandLineOption firstPaint(QStringLiteral("quit-after-first-paint"));
    firstPaint.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(firstPaint);
    acceptQtOptions(parser);

    if (!parser.parse(arguments)) {
        return mistake(parser.errorText().toStdString());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return mistake("unexpected argument '" +
                       parser.positionalArguments().first().toStdString() + "'");
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        std::cout << parser.helpText().toStdString();
        return {0};
    }
    if (parser.isSet(version)) {
        std::cout << "kvint " << kAppVersion.toStdString() << '\n';
        return {0};
    }
    if (parser.isSet(check)) {
        return {checkInstall()};
    }
    const bool quit = parser.isSet(firstPaint);
    if (!parser.isSet(lang)) {
        return {std::nullopt, std::nullopt, quit};
    }
    const QString code = parser.value(lang);
    const auto chosen = languageWithCode(toStdString(code));
    if (!chosen) {
        return mistake("unknown language '" + code.toStdString() + "' (" +
                       toStdString(languageCodes()) + ")");
    }
    return {std::nullopt, chosen, quit};
}

} // namespace kvint::ui
