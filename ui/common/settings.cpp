#include "ui/common/settings.h"

#include "ui/common/user_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <utility>
#include <variant>

namespace kvint::ui {
namespace {

constexpr auto kZoomKey = "window/zoom";
constexpr auto kPlaceKey = "window/geometry";
constexpr auto kSoundKey = "sound/on";
constexpr auto kTrainerKey = "coach/trainer";
constexpr auto kModernKey = "view/modern";
constexpr auto kComputerRollsKey = "view/computerRolls";

// A few hundred bytes in use; far more is no settings file of ours.
constexpr qint64 kSettingsLimit = qint64{256} << 10;

// The bytes at the settings path, empty when there are none; no bytes when
// what lies there can neither be read nor moved out of the way.
struct StoredBytes {
    std::optional<QByteArray> bytes;
    std::optional<QString> refused; // as StoredSettings::refused
};

StoredBytes storedBytes() {
    const QString path = settingsPath();
    UserFileBytes read = readUserFile(path, kSettingsLimit);
    if (auto* bytes = std::get_if<QByteArray>(&read)) {
        return {std::move(*bytes), std::nullopt};
    }
    switch (std::get<UnreadableFile>(read)) {
    case UnreadableFile::missing:
        return {QByteArray(), std::nullopt};
    case UnreadableFile::notRegular:
    case UnreadableFile::tooLarge:
        if (const auto aside = setAsideUserFile(path)) {
            return {QByteArray(), *aside};
        }
        return {std::nullopt, QString()};
    case UnreadableFile::unreadable:
        return {std::nullopt, QString()}; // may pass; left for the next run
    }
    return {std::nullopt, QString()};
}

// QSettings reads its file as it is made and again before it writes, and
// would wait on a pipe for good; so it is only ever given a private copy, in
// a folder of its own, of bytes already read safely.
class PrivateCopy {
  public:
    explicit PrivateCopy(const QByteArray& bytes)
        : path_(folder_.filePath(QStringLiteral("settings.conf"))) {
        QFile file(path_);
        ready_ = folder_.isValid() && file.open(QIODevice::WriteOnly) &&
                 file.write(bytes) == bytes.size() && file.flush();
    }
    [[nodiscard]] bool ready() const { return ready_; }
    [[nodiscard]] const QString& path() const { return path_; }

  private:
    QTemporaryDir folder_;
    QString path_;
    bool ready_ = false;
};

// The ini format keeps booleans as words; anything else is no answer.
std::optional<bool> flag(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    const QString word = value.toString();
    if (word == QLatin1String("true")) {
        return true;
    }
    if (word == QLatin1String("false")) {
        return false;
    }
    return std::nullopt;
}

Settings parsed(const QSettings& saved) {
    Settings settings;
    bool number = false;
    const int zoom = saved.value(kZoomKey).toInt(&number);
    if (number) {
        settings.zoom = zoom;
    }
    const QVariant place = saved.value(kPlaceKey);
    if (place.typeId() == QMetaType::QByteArray) {
        settings.place = place.toByteArray();
    }
    settings.sound = flag(saved.value(kSoundKey)).value_or(true);
    settings.trainer = flag(saved.value(kTrainerKey)).value_or(false);
    settings.modern = flag(saved.value(kModernKey)).value_or(false);
    settings.computerRolls = flag(saved.value(kComputerRollsKey)).value_or(true);
    return settings;
}

void put(QSettings& saved, const Settings& settings) {
    if (settings.zoom) {
        saved.setValue(kZoomKey, *settings.zoom);
    } else {
        saved.remove(kZoomKey);
    }
    if (settings.place.isEmpty()) {
        saved.remove(kPlaceKey);
    } else {
        saved.setValue(kPlaceKey, settings.place);
    }
    saved.setValue(kSoundKey, settings.sound);
    saved.setValue(kTrainerKey, settings.trainer);
    saved.setValue(kModernKey, settings.modern);
    saved.setValue(kComputerRollsKey, settings.computerRolls);
}

// A settings file kept elsewhere and linked to stays where it is.
QString writtenPath() {
    const QString path = settingsPath();
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

} // namespace

QString settingsPath() {
    const QString name = QCoreApplication::applicationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + name +
           u'/' + name + QStringLiteral(".conf");
}

StoredSettings loadSettings() {
    const StoredBytes stored = storedBytes();
    if (!stored.bytes || stored.bytes->isEmpty()) {
        return {Settings{}, stored.refused};
    }
    const PrivateCopy copy(*stored.bytes);
    if (!copy.ready()) {
        return {};
    }
    const QSettings saved(copy.path(), QSettings::IniFormat);
    return {saved.status() == QSettings::NoError ? parsed(saved) : Settings{}, std::nullopt};
}

Settings readSettings() {
    return loadSettings().settings;
}

void writeSettings(const Settings& settings) {
    const std::optional<QByteArray> bytes = storedBytes().bytes;
    if (!bytes) {
        return;
    }
    const PrivateCopy copy(*bytes);
    if (!copy.ready()) {
        return;
    }
    {
        QSettings saved(copy.path(), QSettings::IniFormat);
        put(saved, settings);
        saved.sync();
        if (saved.status() != QSettings::NoError) {
            return;
        }
    }
    const UserFileBytes made = readUserFile(copy.path(), kSettingsLimit);
    if (const auto* result = std::get_if<QByteArray>(&made)) {
        writeUserFile(writtenPath(), *result);
    }
}

} // namespace kvint::ui
