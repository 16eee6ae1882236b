// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// $XDG_RUNTIME_DIR, or else a private folder of the user's that Qt makes with mode 0700.
QString runtimeFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty())
        return runtime;
    const QString own = QDir::home().filePath(QStringLiteral(".orrisday-run"));
    ::mkdir(QFile::encodeName(own).constData(), S_IRWXU);
    return own;
}

bool sameFile(int fd, const QString &path)
{
    struct stat held {}, named {};
    return ::fstat(fd, &held) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

/// The locked file's descriptor, or -1 when another process holds the lock. The lock goes with
/// the process, however it ends.
int lockExclusively(const QString &path)
{
    for (;;) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return -1;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return -1;
        }
        // A primary that ended cleanly removes its file; a lock on the removed one counts for nothing.
        if (sameFile(fd, path))
            return fd;
        ::close(fd);
    }
}

QString socketFor(const QString &key)
{
    return QDir(runtimeFolder()).filePath(key + QStringLiteral(".socket"));
}

} // namespace

SingleInstance::SingleInstance(const QString &key, const InstanceRequest &request, QObject *parent)
    : QObject(parent), m_lockFile(lockFileFor(key))
{
    m_lock = lockExclusively(m_lockFile);
    if (m_lock < 0) {
        m_state = hand(request, socketFor(key)) ? State::Secondary : State::Unreachable;
        return;
    }
    m_state = State::Primary;
    listen(socketFor(key));
}

SingleInstance::~SingleInstance()
{
    if (m_lock < 0)
        return;
    if (m_server)
        m_server->close();
    ::unlink(QFile::encodeName(m_lockFile).constData());
    ::close(m_lock);
}

void SingleInstance::listen(const QString &name)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(name);
    m_server->listen(name);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine())
                    if (const auto request = decodeRequest(socket->readLine()))
                        emit requested(*request);
            });
        }
    });
}

QString SingleInstance::keyForFolder(const QString &folder)
{
    const QFileInfo info(folder);
    const QByteArray path = (info.exists() ? info.canonicalFilePath() : info.absoluteFilePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orrisday-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

QString SingleInstance::lockFileFor(const QString &key)
{
    return QDir(runtimeFolder()).filePath(key + QStringLiteral(".lock"));
}

bool SingleInstance::tell(const QString &key, const InstanceRequest &request)
{
    return hand(request, socketFor(key));
}

bool SingleInstance::hand(const InstanceRequest &request, const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(encodeRequest(request));
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}
