// SPDX-License-Identifier: MIT
#include "platform/rules/WholeFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

/// Writes every byte, or gives the error number of the write that failed.
int writeAll(int fd, const QByteArray &content)
{
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t written = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return written < 0 ? errno : ENOSPC;
        done += written;
    }
    return 0;
}

/// Writes and closes; a device that cannot be synced (it has no disk behind it) is not at fault.
int writeAndClose(int fd, const QByteArray &content)
{
    int error = writeAll(fd, content);
    if (!error && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        error = errno;
    if (::close(fd) != 0 && !error && errno != EINTR)
        error = errno;
    return error;
}

QString failure(const QString &path, int error)
{
    return QStringLiteral("%1 could not be written: %2").arg(path, plainReason(error));
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString plainReason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("no space left on the device");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EFBIG:
        return QStringLiteral("the file would be larger than the device allows");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case EROFS:
        return QStringLiteral("the device is read-only");
    case ENOENT:
        return QStringLiteral("the folder does not exist");
    case ENOTDIR:
        return QStringLiteral("a part of the path is no folder");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case EIO:
        return QStringLiteral("the device reported an input/output error");
    default: {
        QString reason = QString::fromLocal8Bit(std::strerror(error));
        if (!reason.isEmpty())
            reason[0] = reason[0].toLower();
        return reason;
    }
    }
}

QString writeWholeFile(const QString &path, const QByteArray &content)
{
    const QFileInfo target(path);
    // A link is followed, so that the file it names is replaced and the link kept.
    const QString file = target.isSymLink() && target.exists() ? target.canonicalFilePath() : path;
    struct stat existing {};
    const bool exists = ::stat(QFile::encodeName(file).constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return failure(path, EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) {
        const int fd = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return failure(path, errno);
        const int error = writeAndClose(fd, content);
        return error ? failure(path, error) : QString();
    }

    const QFileInfo info(file);
    QByteArray temporary = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") + info.fileName()) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return failure(path, errno);
    ::fchmod(fd, exists ? existing.st_mode & 07777 : newFileMode());
    int error = writeAndClose(fd, content);
    if (!error && ::rename(temporary.constData(), QFile::encodeName(file).constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temporary.constData());
        return failure(path, error);
    }
    return {};
}

} // namespace files
