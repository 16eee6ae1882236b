// SPDX-License-Identifier: MIT
// A Radicale CalDAV/CardDAV server of the test's own on 127.0.0.1 and a free port, with its
// configuration, one user and its storage in a temporary folder; ended by its process id.
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

class RadicaleServer
{
public:
    RadicaleServer();
    ~RadicaleServer();
    Q_DISABLE_COPY_MOVE(RadicaleServer)

    /// Whether Radicale is installed (scripts/install-deps.sh installs it).
    static bool available();
    /// A port nothing listens on right now.
    static quint16 freePort();

    /// Starts the server (on the same port and storage when it ran before) and waits until it
    /// answers; false when it does not come up.
    bool start();
    void stop();

    QUrl url() const;
    QString user() const { return QStringLiteral("anna"); }
    QString password() const { return QStringLiteral("secret"); }
    /// The folder of the user's collections, one subfolder each.
    QString userFolder() const;

private:
    QTemporaryDir m_folder;
    QProcess m_process;
    quint16 m_port = 0;
};
