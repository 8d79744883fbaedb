#include "ui/common/user_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <string>

namespace kvint::ui {
namespace {

std::string local(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Closes the descriptor when it goes.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    [[nodiscard]] int get() const { return fd_; }
    // Closes now; false when the close reports a write that did not land.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, at, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads up to `limit` + 1 bytes, so a file that grew past the limit since it
// was looked at is still seen to be too large.
std::optional<QByteArray> readAtMost(int fd, qint64 limit) {
    QByteArray bytes;
    std::array<char, 16384> chunk{};
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        bytes.append(chunk.data(), n);
    }
    return bytes;
}

// Numbered names tried for files set aside within the same second.
constexpr int kAsideNames = 100;

// Fails with EEXIST when something lies at `to`.
bool moveWithoutReplacing(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system that cannot refuse to replace is looked at first.
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// The rename itself is made durable by flushing the folder that holds it.
bool syncFolder(const QString& folder) {
    Descriptor dir(::open(local(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}

} // namespace

UserFileBytes readUserFile(const QString& path, qint64 limit) {
    Descriptor fd(::open(local(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        // A file in the place of a folder on the way leaves nothing at the path.
        return errno == ENOENT || errno == ENOTDIR ? UnreadableFile::missing
                                                   : UnreadableFile::unreadable;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return UnreadableFile::unreadable;
    }
    if (!S_ISREG(info.st_mode)) {
        return UnreadableFile::notRegular;
    }
    if (info.st_size > limit) {
        return UnreadableFile::tooLarge;
    }
    const auto bytes = readAtMost(fd.get(), limit);
    if (!bytes) {
        return UnreadableFile::unreadable;
    }
    if (bytes->size() > limit) {
        return UnreadableFile::tooLarge;
    }
    return *bytes;
}

bool writeUserFile(const QString& path, const QByteArray& bytes) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return false;
    }
    std::string temporary = local(path) + ".XXXXXX";
    Descriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        return false;
    }
    const bool written = ::fchmod(fd.get(), 0644) == 0 && writeAll(fd.get(), bytes) &&
                         ::fsync(fd.get()) == 0 && fd.close();
    if (!written || ::rename(temporary.c_str(), local(path).c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return syncFolder(folder);
}

bool removeUserFile(const QString& path) {
    return ::unlink(local(path).c_str()) == 0 || errno == ENOENT;
}

// Two files set aside within a second get the same dated name; the later
// one takes a number rather than replace the earlier.
std::optional<QString> setAsideUserFile(const QString& path) {
    const QString dated = path + QStringLiteral(".damaged-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int n = 1; n <= kAsideNames; ++n) {
        const QString aside = n == 1 ? dated : dated + QStringLiteral("-%1").arg(n);
        if (moveWithoutReplacing(local(path), local(aside))) {
            return aside;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace kvint::ui
