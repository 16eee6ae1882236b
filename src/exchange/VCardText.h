// SPDX-License-Identifier: MIT
// The text layer of vCard (RFC 6350): value escaping, line folding and content lines.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace exchange::vcard {

/// A text value with backslash, comma, semicolon and line breaks escaped.
QString escaped(const QString &value);
/// A value with its escapes undone.
QString unescaped(const QString &value);
/// The parts of a structured value, split at unescaped separators and unescaped.
QStringList components(const QString &value, QChar separator = QLatin1Char(';'));

/// One content line in UTF-8, folded so that no line is longer than 75 octets, ending in CRLF.
QByteArray folded(const QString &line);

struct ContentLine
{
    QString name;      ///< upper case, without its group
    QStringList types; ///< lower case: the TYPE values, and bare parameters of older versions
    QString value;     ///< still escaped
};

/// Hands each content line of a text to `take`, after unfolding; lines without a colon are left out.
void forEachContentLine(const QString &text, const std::function<void(const ContentLine &)> &take);

} // namespace exchange::vcard
