#include "file_bytes.h"
#include "modal_answers.h"
#include "ui/common/user_file.h"
#include "ui/statistics/statistics_store.h"
#include "ui/window/form1.h"
#include "ui/window/menu_bar_note.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using kvint::GameResult;
using kvint::ui::kMostGames;
using kvint::ui::largestMargin;
using kvint::ui::Opponent;
using kvint::ui::Statistics;
using kvint::ui::StatisticsStore;
using kvint::ui::Tally;
using kvint::ui::UnreadableFile;

using kvint::test::contents;
using kvint::test::write;

namespace {

const QDate kMonday(2026, 12, 7);
constexpr GameResult kWin{0, 1, 150, 138};  // Новичок, by 12
constexpr GameResult kLoss{0, 1, 120, 160}; // Новичок, by 40
constexpr GameResult kPro{0, 2, 99, 90};    // Профи, by 9

// A file of empty figures but for the novice row's fields given.
QByteArray withNovice(const QJsonObject& fields) {
    QJsonObject file = kvint::ui::toJson(Statistics{});
    QJsonObject rows = file["rows"].toObject();
    QJsonObject novice = rows["novice"].toObject();
    for (auto field = fields.begin(); field != fields.end(); ++field) {
        novice.insert(field.key(), field.value());
    }
    rows["novice"] = novice;
    file["rows"] = rows;
    return QJsonDocument(file).toJson();
}

QStringList setAside(const QString& file) {
    return QFileInfo(file).dir().entryList({"statistics.json.damaged-*"},
                                           QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
}

// While it lives, a write past `bytes` fails with EFBIG as a full disk would.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit small{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

  private:
    rlimit saved_{};
};

constexpr int kCannotMount = 77;

// Runs `body` in a child with a mount namespace of its own and a tiny tmpfs
// over `folder`, which goes with the child; the child's checks come back as
// its exit status.
int inTinyTmpfs(const QString& folder, const std::function<void()>& body) {
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child == 0) {
        const QByteArray at = QFile::encodeName(folder);
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", at.constData(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(kCannotMount);
        }
        body();
        std::fflush(stdout);
        ::_exit(QTest::currentTestFailed() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void remount(const QString& folder, unsigned long flags) {
    QCOMPARE(::mount(nullptr, QFile::encodeName(folder).constData(), nullptr, MS_REMOUNT | flags,
                     nullptr),
             0);
}

// Fills the tmpfs but for one page: room for the lock, none for the figures.
void fillUp(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder + "/filler");
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    QVERIFY(fd >= 0);
    const QByteArray page(4096, 'x');
    while (::write(fd, page.constData(), static_cast<std::size_t>(page.size())) > 0) {
    }
    const off_t end = ::lseek(fd, 0, SEEK_END);
    QCOMPARE(::ftruncate(fd, (end + page.size() - 1) / page.size() * page.size() - page.size()), 0);
    ::close(fd);
}

// A save that fails leaves the file byte for byte, keeps the games in memory,
// says so once, and the next save writes them all.
void failedSavesLoseNothing(const QString& file, const std::function<void()>& fail,
                            const std::function<void()>& mend) {
    StatisticsStore store(file);
    QVERIFY(store.record(kWin, kMonday));
    const QByteArray before = contents(file);
    fail();
    QVERIFY(!store.record(kLoss, kMonday));
    QVERIFY(!store.record(kWin, kMonday));
    QCOMPARE(contents(file), before);
    QCOMPARE(store.figures()[Opponent::novice].played, 3);
    QCOMPARE(store.takeNotice().count(file), 1);
    QVERIFY(store.takeNotice().isEmpty());
    mend();
    QVERIFY(store.record(kLoss, kMonday));
    QCOMPARE(StatisticsStore(file).figures()[Opponent::novice],
             (Tally{4, 2, 2, 0, 12, -56, kMonday}));
    QCOMPARE(QFileInfo(file).dir().entryList(QDir::Files), QStringList{"statistics.json"});
}

enum class Hostile { pipe, zeroLink, folder, huge };
enum class Failure { injected, fullDisk, readOnly };

} // namespace

class StatisticsFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        std::signal(SIGXFSZ, SIG_IGN); // a write past the size limit fails instead
    }
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        folder_ = dir_->filePath("data");
        QVERIFY(QDir().mkpath(folder_));
        file_ = folder_ + "/statistics.json";
    }

    void hostileFilesAreRefusedAndSetAside_data() {
        QTest::addColumn<Hostile>("kind");
        QTest::addColumn<UnreadableFile>("refusal");
        QTest::newRow("a pipe") << Hostile::pipe << UnreadableFile::notRegular;
        QTest::newRow("a link to /dev/zero") << Hostile::zeroLink << UnreadableFile::notRegular;
        QTest::newRow("a folder") << Hostile::folder << UnreadableFile::notRegular;
        QTest::newRow("a valid file past 256 KiB") << Hostile::huge << UnreadableFile::tooLarge;
    }
    void hostileFilesAreRefusedAndSetAside() {
        QFETCH(Hostile, kind);
        QFETCH(UnreadableFile, refusal);
        const QByteArray path = QFile::encodeName(file_);
        switch (kind) {
        case Hostile::pipe:
            QCOMPARE(::mkfifo(path.constData(), 0600), 0);
            break;
        case Hostile::zeroLink:
            QCOMPARE(::symlink("/dev/zero", path.constData()), 0);
            break;
        case Hostile::folder:
            QVERIFY(QDir().mkpath(file_));
            break;
        case Hostile::huge:
            QVERIFY(write(file_, withNovice({}) + QByteArray(300 * 1024, ' ')));
            break;
        }
        const auto read = kvint::ui::readUserFile(file_, 256 * 1024);
        QVERIFY(std::holds_alternative<UnreadableFile>(read));
        QCOMPARE(std::get<UnreadableFile>(read), refusal);

        StatisticsStore store(file_);
        QCOMPARE(store.figures(), Statistics{});
        const QStringList aside = setAside(file_);
        QCOMPARE(aside.size(), 1);
        const QString notice = store.takeNotice();
        QVERIFY(notice.startsWith("Файл статистики не читается"));
        QVERIFY(notice.contains(aside.first()));
        QVERIFY(store.record(kWin, kMonday));
        QCOMPARE(StatisticsStore(file_).figures()[Opponent::novice].played, 1);
    }

    void impossibleFiguresAreDamage_data() {
        const qint64 beyond = kMostGames + 1;
        const int widest = largestMargin();
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("a negative count")
            << withNovice({{"played", 0}, {"won", 1}, {"lost", -1}, {"last", "2026-12-07"}});
        QTest::newRow("2^31 - 1 games")
            << withNovice({{"played", 2147483647}, {"won", 2147483647}, {"last", "2026-12-07"}});
        QTest::newRow("counts whose sum wraps")
            << withNovice({{"played", -2147483647 - 1}, {"won", 2147483647}, {"lost", 1}});
        QTest::newRow("one game past the bound") << withNovice({{"played", beyond},
                                                                {"won", beyond},
                                                                {"best", 1},
                                                                {"marginSum", beyond},
                                                                {"last", "2026-12-07"}});
        QTest::newRow("a count as text") << withNovice({{"played", "0"}});
        QTest::newRow("a fraction") << withNovice({{"marginSum", 0.5}});
        QTest::newRow("a win wider than a game can give") << withNovice({{"played", 1},
                                                                         {"won", 1},
                                                                         {"best", widest + 1},
                                                                         {"marginSum", widest + 1},
                                                                         {"last", "2026-12-07"}});
        QTest::newRow("a loss wider than a game can give")
            << withNovice({{"played", 1},
                           {"lost", 1},
                           {"best", -widest - 1},
                           {"marginSum", -widest - 1},
                           {"last", "2026-12-07"}});
        QTest::newRow("margins above the best") << withNovice(
            {{"played", 2}, {"won", 2}, {"best", 5}, {"marginSum", 11}, {"last", "2026-12-07"}});
        QTest::newRow("a margin sum past 2^63") << withNovice({{"marginSum", 1e19}});
    }
    void impossibleFiguresAreDamage() {
        QFETCH(QByteArray, bytes);
        QVERIFY(write(file_, bytes));
        StatisticsStore store(file_);
        QCOMPARE(store.figures(), Statistics{});
        QCOMPARE(setAside(file_).size(), 1);
        QVERIFY(store.takeNotice().startsWith("Файл статистики повреждён"));

        // One damaged soon after another: both are kept.
        QVERIFY(write(file_, bytes));
        QCOMPARE(StatisticsStore(file_).figures(), Statistics{});
        const QStringList aside = setAside(file_);
        QCOMPARE(aside.size(), 2);
        for (const QString& name : aside) {
            QCOMPARE(contents(folder_ + "/" + name), bytes);
        }
    }

    // Six sixes score most in every category but "strit" (21) and "care" (24):
    // 126 for the faces and 36 for each of 2/3, 3/2 and kvint.
    void countsStopAtTheBound() {
        QCOMPARE(largestMargin(), 279);
        const qint64 most = kMostGames;
        QVERIFY(write(file_, withNovice({{"played", most},
                                         {"won", most},
                                         {"best", 12},
                                         {"marginSum", most * 12},
                                         {"last", "2026-12-01"}})));
        StatisticsStore store(file_);
        QVERIFY(store.record(kWin, kMonday));
        QVERIFY(store.record({0, 1, 2147483647, -2147483647 - 1}, kMonday));
        QVERIFY(store.takeNotice().isEmpty());
        const Tally expected{kMostGames, kMostGames, 0, 0, largestMargin(), most * 12, kMonday};
        QCOMPARE(StatisticsStore(file_).figures()[Opponent::novice], expected);

        Statistics figures;
        figures.add({1, 0, 0, 2147483647}, kMonday);
        QCOMPARE(figures[Opponent::twoPlayers], (Tally{1, 0, 1, 0, -279, -279, kMonday}));
    }

    void aFailedSaveLosesNothing_data() {
        QTest::addColumn<Failure>("failure");
        QTest::newRow("writes cut short") << Failure::injected;
        QTest::newRow("a full disk") << Failure::fullDisk;
        QTest::newRow("a read-only folder") << Failure::readOnly;
    }
    void aFailedSaveLosesNothing() {
        QFETCH(Failure, failure);
        if (failure == Failure::injected) {
            std::optional<FileSizeLimit> limit;
            failedSavesLoseNothing(
                file_, [&] { limit.emplace(static_cast<rlim_t>(contents(file_).size() / 2)); },
                [&] { limit.reset(); });
            return;
        }
        const int verdict = inTinyTmpfs(folder_, [&] {
            if (failure == Failure::fullDisk) {
                failedSavesLoseNothing(
                    file_, [&] { fillUp(folder_); },
                    [&] { QVERIFY(QFile::remove(folder_ + "/filler")); });
            } else {
                failedSavesLoseNothing(
                    file_, [&] { remount(folder_, MS_RDONLY); }, [&] { remount(folder_, 0); });
            }
        });
        if (verdict == kCannotMount) {
            QSKIP("no tmpfs can be mounted here");
        }
        QCOMPARE(verdict, 0);
    }

    // Each window reads the file before it writes, so neither writes its
    // old figures over the other's games.
    void twoWindowsCountEveryGame() {
        for (const bool firstStarts : {true, false}) {
            QVERIFY(kvint::ui::removeUserFile(file_));
            StatisticsStore a(file_);
            StatisticsStore b(file_);
            StatisticsStore& first = firstStarts ? a : b;
            StatisticsStore& second = firstStarts ? b : a;
            QCOMPARE(a.figures(), Statistics{}); // both read at their start
            QCOMPARE(b.figures(), Statistics{});
            QVERIFY(first.record(kWin, kMonday));
            QVERIFY(second.record(kLoss, kMonday));
            QVERIFY(first.record(kPro, kMonday));
            QCOMPARE(second.figures()[Opponent::novice], (Tally{2, 1, 1, 0, 12, -28, kMonday}));
            QCOMPARE(second.figures()[Opponent::pro].played, 1);
            QCOMPARE(StatisticsStore(file_).figures(), first.figures());
        }
        // A window closed with a game unwritten writes it as it goes.
        {
            StatisticsStore closing(file_);
            QLockFile busy(file_ + ".lock");
            QVERIFY(busy.tryLock());
            QVERIFY(!closing.record(kLoss, kMonday));
            busy.unlock();
        }
        QCOMPARE(StatisticsStore(file_).figures()[Opponent::novice].played, 3);
    }

    // A clear wipes what the file held when it was made, and no game written
    // after it.
    void aClearInOneWindowKeepsTheOthersLaterGames() {
        StatisticsStore a(file_);
        StatisticsStore b(file_);
        QVERIFY(a.record(kWin, kMonday));
        QVERIFY(b.record(kPro, kMonday));
        QVERIFY(a.clear());
        QVERIFY(b.record(kLoss, kMonday));
        QCOMPARE(StatisticsStore(file_).figures()[Opponent::novice],
                 (Tally{1, 0, 1, 0, -40, -40, kMonday}));
        QCOMPARE(b.figures()[Opponent::pro], Tally{});
        {
            QLockFile busy(file_ + ".lock");
            QVERIFY(busy.tryLock());
            QVERIFY(!a.clear());
            QCOMPARE(a.figures(), Statistics{});
        }
        QVERIFY(b.record(kWin, kMonday));
        QCOMPARE(a.figures()[Opponent::novice], (Tally{1, 1, 0, 0, 12, 12, kMonday}));
        QVERIFY(a.record(kPro, kMonday));
        const Statistics figures = StatisticsStore(file_).figures();
        QCOMPARE(figures[Opponent::novice], (Tally{1, 1, 0, 0, 12, 12, kMonday}));
        QCOMPARE(figures[Opponent::pro], (Tally{1, 1, 0, 0, 9, 9, kMonday}));
        QCOMPARE(b.figures(), figures);
    }

    // The note stands right of the menus, over neither a menu nor the sheet,
    // until a save works or a new game starts.
    void aGameThatCannotBeSavedLeavesANote() {
        kvint::ui::Form1 window(dir_->path());
        const auto note = [&window] {
            return window.menuBar()->findChild<kvint::ui::MenuBarNote*>();
        };
        const auto failedGame = [&window] {
            const FileSizeLimit limit(16);
            window.platform().gameEnded(kWin);
        };
        window.platform().gameEnded(kWin);
        QCOMPARE(note(), nullptr);
        failedGame();
        QVERIFY(note() != nullptr && note()->isVisible());
        QCOMPARE(note()->wholeText(), "Игра не сохранена в статистике: файл не записывается");
        const QRect onWindow(note()->mapTo(&window, QPoint()), note()->size());
        QVERIFY(!onWindow.intersects(window.centralWidget()->geometry()));
        for (QAction* menu : window.menuBar()->actions()) {
            QVERIFY(!window.menuBar()->actionGeometry(menu).intersects(note()->geometry()));
        }

        kvint::test::ModalAnswers answers;
        answers.type("Вася");
        QTest::mouseClick(window.widget(kvint::Ctl::Command7), Qt::LeftButton);
        QVERIFY(answers.allAnswered());
        QVERIFY(note()->isHidden());
        failedGame();
        QVERIFY(note()->isVisible());
        window.platform().gameEnded(kWin);
        QVERIFY(note()->isHidden());
    }

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString folder_;
    QString file_;
};

QTEST_MAIN(StatisticsFilesTest)
#include "statistics_files_test.moc"
