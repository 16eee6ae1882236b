// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <unistd.h>

namespace {
const QByteArray ActivateRequest = QByteArrayLiteral("activate\n");
}

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent), m_lock(std::make_unique<QLockFile>(QDir::temp().filePath(key + QStringLiteral(".lock"))))
{
    if (!m_lock->tryLock(0)) {
        m_state = askPrimaryToActivate(key) ? State::Secondary : State::Unreachable;
        return;
    }
    m_state = State::Primary;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(key);
    m_server->listen(key);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(ActivateRequest))
                    emit activationRequested();
            });
        }
    });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::keyForFolder(const QString &folder)
{
    const QByteArray path = QFileInfo(folder).canonicalFilePath().toUtf8();
    const QByteArray hash = QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("orrisday-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

bool SingleInstance::askPrimaryToActivate(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(ActivateRequest);
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}
