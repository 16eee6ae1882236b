// SPDX-License-Identifier: MIT
#include "support/RadicaleServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace {

const QString Program = QStringLiteral("/usr/bin/radicale");
constexpr int StartTimeoutMs = 15000;

bool writeFile(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

} // namespace

RadicaleServer::RadicaleServer() = default;

RadicaleServer::~RadicaleServer()
{
    stop();
}

bool RadicaleServer::available()
{
    return QFile::exists(Program);
}

quint16 RadicaleServer::freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool RadicaleServer::start()
{
    if (!m_folder.isValid())
        return false;
    if (m_port == 0)
        m_port = freePort();
    // A configuration file given with --config replaces the system's and the user's.
    const QString config = m_folder.filePath(QStringLiteral("config"));
    const QString users = m_folder.filePath(QStringLiteral("users"));
    const QByteArray text = QStringLiteral(
        "[server]\nhosts = 127.0.0.1:%1\n"
        "[auth]\ntype = htpasswd\nhtpasswd_filename = %2\nhtpasswd_encryption = plain\ndelay = 0\n"
        "[rights]\ntype = owner_only\n"
        "[storage]\nfilesystem_folder = %3\n"
        "[web]\ntype = none\n"
        "[logging]\nlevel = error\n")
        .arg(m_port).arg(users, m_folder.filePath(QStringLiteral("collections"))).toUtf8();
    if (!writeFile(config, text) || !writeFile(users, (user() + u':' + password() + u'\n').toUtf8()))
        return false;

    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(Program, { QStringLiteral("--config"), config });
    if (!m_process.waitForStarted())
        return false;
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (m_process.state() == QProcess::Running && !deadline.hasExpired()) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(500))
            return true;
        QThread::msleep(50);
    }
    stop();
    return false;
}

void RadicaleServer::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}

QUrl RadicaleServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(m_port));
}

QString RadicaleServer::userFolder() const
{
    return m_folder.filePath(QStringLiteral("collections/collection-root/") + user());
}
