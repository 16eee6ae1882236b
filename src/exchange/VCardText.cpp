// SPDX-License-Identifier: MIT
#include "exchange/VCardText.h"

#include <QStringDecoder>

namespace exchange::vcard {
namespace {

constexpr int LineOctets = 75;

/// The position of the first `wanted` outside double quotes, from `from`; -1 when there is none.
qsizetype unquoted(QStringView text, QChar wanted, qsizetype from = 0)
{
    bool quoted = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && text[i] == wanted)
            return i;
    }
    return -1;
}

QStringList parameters(QStringView text)
{
    QStringList result;
    qsizetype from = 0;
    for (qsizetype at; (at = unquoted(text, QLatin1Char(';'), from)) >= 0; from = at + 1)
        result << text.mid(from, at - from).toString();
    result << text.mid(from).toString();
    return result;
}

QStringList typesOf(const QStringList &params)
{
    QStringList types;
    for (const QString &param : params) {
        const qsizetype equals = param.indexOf(QLatin1Char('='));
        if (equals < 0) {
            types << param.toLower();
            continue;
        }
        if (param.left(equals).trimmed().compare(QLatin1String("TYPE"), Qt::CaseInsensitive) != 0)
            continue;
        for (QString type : param.mid(equals + 1).split(QLatin1Char(',')))
            types << type.remove(QLatin1Char('"')).trimmed().toLower();
    }
    return types;
}

/// The value of a parameter by its name, or a bare parameter of that name ("QUOTED-PRINTABLE"
/// stands alone in vCard 2.1); empty when the line has none.
QString parameterValue(const QStringList &params, QLatin1String name, QLatin1String bare = {})
{
    for (const QString &param : params) {
        const qsizetype equals = param.indexOf(QLatin1Char('='));
        if (equals < 0 && !bare.isEmpty() && param.trimmed().compare(bare, Qt::CaseInsensitive) == 0)
            return bare;
        if (equals >= 0 && param.left(equals).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return param.mid(equals + 1).remove(QLatin1Char('"')).trimmed();
    }
    return {};
}

bool isQuotedPrintable(const QStringList &params)
{
    return parameterValue(params, QLatin1String("ENCODING"), QLatin1String("QUOTED-PRINTABLE"))
               .compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive)
        == 0;
}

/// A quoted-printable value of vCard 2.1 decoded in its character set (UTF-8 unless named).
QString fromQuotedPrintable(const QString &value, const QString &charset)
{
    QByteArray bytes;
    const QByteArray encoded = value.toUtf8();
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        bool hex = false;
        const int code = i + 2 < encoded.size() && encoded[i] == '=' ? encoded.mid(i + 1, 2).toInt(&hex, 16) : 0;
        if (hex) {
            bytes += char(code);
            i += 2;
        } else {
            bytes += encoded[i];
        }
    }
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.toLatin1().constData());
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromUtf8(bytes);
}

} // namespace

QString escaped(const QString &value)
{
    QString out;
    out.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';'))
            out += QLatin1Char('\\') + c;
        else if (c == QLatin1Char('\r')) {
            out += QLatin1String("\\n");
            if (i + 1 < value.size() && value[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}

QString unescaped(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        out += next == QLatin1Char('n') || next == QLatin1Char('N') ? QChar(QLatin1Char('\n')) : next;
    }
    return out;
}

QStringList components(const QString &value, QChar separator)
{
    QStringList parts;
    qsizetype from = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('\\'))
            ++i;
        else if (value[i] == separator) {
            parts << unescaped(value.mid(from, i - from));
            from = i + 1;
        }
    }
    parts << unescaped(value.mid(from));
    return parts;
}

QByteArray folded(const QString &line)
{
    const QByteArray utf8 = line.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() + utf8.size() / 60 * 3 + 2);
    qsizetype at = 0;
    int room = LineOctets;
    while (utf8.size() - at > room) {
        qsizetype cut = at + room;
        // Never between the bytes of one character.
        while (cut > at && (uchar(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        out += utf8.mid(at, cut - at);
        out += "\r\n ";
        at = cut;
        room = LineOctets - 1;
    }
    out += utf8.mid(at);
    out += "\r\n";
    return out;
}

void forEachContentLine(const QString &text, const std::function<void(const ContentLine &)> &take)
{
    QString logical;
    const auto finish = [&] {
        const qsizetype colon = unquoted(logical, QLatin1Char(':'));
        if (colon > 0) {
            const QStringView head = QStringView(logical).left(colon);
            const qsizetype semicolon = unquoted(head, QLatin1Char(';'));
            const QStringList params = semicolon < 0 ? QStringList() : parameters(head.mid(semicolon + 1));
            QStringView name = head.left(semicolon < 0 ? colon : semicolon).trimmed();
            name = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
            QString value = logical.mid(colon + 1);
            if (isQuotedPrintable(params))
                value = fromQuotedPrintable(value, parameterValue(params, QLatin1String("CHARSET")));
            take(ContentLine{name.toString().toUpper(), typesOf(params), value});
        }
        logical.clear();
    };
    qsizetype from = 0;
    while (from <= text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(from, end - from);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        // A quoted-printable value that ends in "=" goes on in the next line as it stands.
        const bool softBreak = logical.endsWith(QLatin1Char('='))
            && isQuotedPrintable(parameters(QStringView(logical).left(std::max<qsizetype>(unquoted(logical, QLatin1Char(':')), 0))));
        if (softBreak)
            logical = logical.chopped(1) + line.toString();
        else if (!line.isEmpty() && (line[0] == QLatin1Char(' ') || line[0] == QLatin1Char('\t')))
            logical += line.mid(1);
        else {
            if (!logical.isEmpty())
                finish();
            logical = line.toString();
        }
        from = end + 1;
    }
    if (!logical.isEmpty())
        finish();
}

} // namespace exchange::vcard
