// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <memory>

class QLocalServer;
class QLockFile;

/// One running program per key. The first becomes the primary and listens for later starts;
/// a later start asks the primary to come forward.
class SingleInstance final : public QObject
{
    Q_OBJECT
public:
    enum class State { Primary, Secondary, Unreachable };

    explicit SingleInstance(const QString &key, QObject *parent = nullptr);
    ~SingleInstance() override;

    State state() const { return m_state; }

    /// The key of the program installed in a folder, for the current user.
    static QString keyForFolder(const QString &folder);

signals:
    /// Another start of the program asked this one to come forward.
    void activationRequested();

private:
    bool askPrimaryToActivate(const QString &name);

    State m_state = State::Unreachable;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
