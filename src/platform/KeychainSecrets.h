// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Services.h"

/// The keyring through QtKeychain: the Secret Service (or KWallet) of the desktop session. Each
/// call waits for the keyring's answer with an event loop of its own.
class KeychainSecrets final : public Secrets
{
public:
    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &secret) override;
};
