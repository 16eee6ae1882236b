// SPDX-License-Identifier: MIT
#include "platform/KeychainSecrets.h"

#include "platform/ApplicationId.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>

namespace {

/// Runs the job to its end; whether it succeeded.
bool ran(QKeychain::Job &job)
{
    QEventLoop waiting;
    QObject::connect(&job, &QKeychain::Job::finished, &waiting, &QEventLoop::quit);
    job.start();
    waiting.exec();
    return job.error() == QKeychain::NoError;
}

} // namespace

std::optional<QString> KeychainSecrets::read(const QString &key)
{
    QKeychain::ReadPasswordJob job(::ApplicationId);
    job.setAutoDelete(false);
    job.setKey(key);
    if (!ran(job))
        return std::nullopt;
    return job.textData();
}

bool KeychainSecrets::write(const QString &key, const QString &secret)
{
    QKeychain::WritePasswordJob job(::ApplicationId);
    job.setAutoDelete(false);
    job.setKey(key);
    job.setTextData(secret);
    return ran(job);
}
