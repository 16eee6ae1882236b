// SPDX-License-Identifier: MIT
#include "app/rules/InstanceRequest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray encodeRequest(const InstanceRequest &request)
{
    const QJsonObject object{ { QStringLiteral("kind"), request.kind },
        { QStringLiteral("arguments"), QJsonArray::fromStringList(request.arguments) } };
    // Compact JSON escapes every newline inside a string, so the request stays one line.
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<InstanceRequest> decodeRequest(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.trimmed(), &error);
    const QJsonValue kind = document.object().value(QStringLiteral("kind"));
    if (error.error != QJsonParseError::NoError || !kind.isString() || kind.toString().isEmpty())
        return std::nullopt;
    InstanceRequest request{ kind.toString(), {} };
    for (const QJsonValue argument : document.object().value(QStringLiteral("arguments")).toArray()) {
        if (!argument.isString())
            return std::nullopt;
        request.arguments << argument.toString();
    }
    return request;
}
