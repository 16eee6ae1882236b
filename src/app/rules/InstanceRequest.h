// SPDX-License-Identifier: MIT
// What a later start of the program asks the running copy, sent over the single-instance socket
// as one line: a JSON object with the request's kind and its arguments.
#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

struct InstanceRequest
{
    /// Come forward.
    static inline const QString Activate = QStringLiteral("activate");
    /// Import the files (absolute paths) given as arguments, and come forward.
    static inline const QString Import = QStringLiteral("import");
    /// Read the store again: another process changed it.
    static inline const QString Reload = QStringLiteral("reload");

    QString kind;
    QStringList arguments;

    bool operator==(const InstanceRequest &) const = default;
};

/// The request as one line, ending with a newline.
QByteArray encodeRequest(const InstanceRequest &request);
/// The request a line (with or without its newline) carries; nothing when it carries none.
std::optional<InstanceRequest> decodeRequest(const QByteArray &line);
