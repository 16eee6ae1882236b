// SPDX-License-Identifier: MIT
#pragma once

#include "app/rules/InstanceRequest.h"

#include <QObject>

class QLocalServer;

/// One running program per key. The first becomes the primary and listens for later starts;
/// a later start hands the primary its request (come forward, import files). The primary holds a kernel lock on a file in
/// the user's runtime folder, so a crashed or killed primary never blocks the next start.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    enum class State { Primary, Secondary, Unreachable };

    /// Becomes the primary for the key, or hands the request to the primary.
    explicit SingleInstance(const QString &key, const InstanceRequest &request = { InstanceRequest::Activate, {} },
        QObject *parent = nullptr);
    ~SingleInstance() override;

    State state() const { return m_state; }

    /// The key of the program whose data lie in a folder, for the current user.
    static QString keyForFolder(const QString &folder);
    /// The file whose lock the primary for a key holds.
    static QString lockFileFor(const QString &key);
    /// Hands a request to the primary for a key, when one runs, without becoming one; whether it
    /// took the request.
    static bool tell(const QString &key, const InstanceRequest &request);

signals:
    /// Another start of the program asked something of this one.
    void requested(const InstanceRequest &request);

private:
    void listen(const QString &name);
    static bool hand(const InstanceRequest &request, const QString &name);

    State m_state = State::Unreachable;
    int m_lock = -1;
    QString m_lockFile;
    QLocalServer *m_server = nullptr;
};
