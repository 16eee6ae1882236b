// SPDX-License-Identifier: MIT
#include "sync/MemberText.h"

#include "exchange/CalendarNames.h"
#include "store/Identity.h"

#include <QCryptographicHash>
#include <algorithm>

namespace syncing::text {
namespace {

/// One logical line: unfolded, without its line break, and where it stands in the text (its
/// folds and line break included).
struct Line
{
    QByteArray content;
    qsizetype begin = 0;
    qsizetype end = 0;
};

QList<Line> linesOf(const QByteArray &text)
{
    QList<Line> lines;
    qsizetype at = 0;
    while (at < text.size()) {
        Line line { {}, at, at };
        do {
            qsizetype next = text.indexOf('\n', line.end);
            next = next < 0 ? text.size() : next + 1;
            QByteArrayView piece = QByteArrayView(text).sliced(line.end, next - line.end);
            if (line.end > line.begin)
                piece = piece.sliced(1); // the fold's blank
            while (piece.endsWith('\n') || piece.endsWith('\r'))
                piece.chop(1);
            line.content += piece;
            line.end = next;
        } while (line.end < text.size() && (text[line.end] == ' ' || text[line.end] == '\t'));
        if (!line.content.isEmpty())
            lines << line;
        at = line.end;
    }
    return lines;
}

/// Where a line's name and parameters end: at its first colon outside quotes.
qsizetype valueStart(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype at = 0; at < line.size(); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else if (line[at] == ':' && !quoted)
            return at;
    }
    return line.size();
}

/// The line's name in upper case, without a vCard group.
QByteArray nameOf(QByteArrayView line)
{
    qsizetype end = 0;
    while (end < line.size() && line[end] != ';' && line[end] != ':')
        ++end;
    QByteArray name = line.first(end).toByteArray().toUpper();
    const qsizetype dot = name.indexOf('.');
    return dot < 0 ? name : name.mid(dot + 1);
}

QByteArray valueOf(QByteArrayView line)
{
    const qsizetype start = valueStart(line);
    return start < line.size() ? line.sliced(start + 1).toByteArray() : QByteArray();
}

QString unescaped(const QByteArray &value)
{
    QString out;
    const QString text = QString::fromUtf8(value).trimmed();
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('\\') && at + 1 < text.size()) {
            ++at;
            out += text[at] == QLatin1Char('n') || text[at] == QLatin1Char('N') ? QChar(QLatin1Char('\n')) : text[at];
        } else {
            out += text[at];
        }
    }
    return out;
}

/// The TZID parameter of a line; empty when it has none.
QByteArray zoneParameter(QByteArrayView line)
{
    const QByteArrayView head = line.first(valueStart(line));
    const qsizetype found = head.toByteArray().toUpper().indexOf(";TZID=");
    if (found < 0)
        return {};
    qsizetype start = found + 6, end = start;
    if (start < head.size() && head[start] == '"') {
        ++start;
        end = head.toByteArray().indexOf('"', start);
        end = end < 0 ? head.size() : end;
    } else {
        while (end < head.size() && head[end] != ';')
            ++end;
    }
    return head.sliced(start, end - start).toByteArray();
}

/// Splits a text into the components `depth` BEGIN lines deep (1 in a VCALENDAR, 0 for vCards);
/// the lines between them at that depth go into `header`.
QList<Component> componentsOf(const QByteArray &text, int componentDepth, QByteArray *header)
{
    QList<Component> components;
    int depth = 0;
    qsizetype begin = 0;
    for (const Line &line : linesOf(text)) {
        const QByteArray name = nameOf(line.content);
        if (name == "BEGIN") {
            if (depth == componentDepth) {
                components << Component {};
                components.last().kind = valueOf(line.content).trimmed().toUpper();
                begin = line.begin;
            }
            ++depth;
            continue;
        }
        if (name == "END") {
            --depth;
            if (depth == componentDepth && !components.isEmpty()) {
                components.last().text = text.mid(begin, line.end - begin);
                if (!components.last().text.endsWith('\n'))
                    components.last().text += "\r\n";
            }
            continue;
        }
        if (depth == componentDepth && header)
            *header += text.mid(line.begin, line.end - line.begin);
        if (depth <= componentDepth || components.isEmpty())
            continue;
        Component &component = components.last();
        if (const QByteArray zone = zoneParameter(line.content); !zone.isEmpty() && !component.zonesUsed.contains(zone))
            component.zonesUsed << zone;
        if (depth != componentDepth + 1)
            continue;
        if (name == "UID")
            component.uid = unescaped(valueOf(line.content));
        else if (name == "RECURRENCE-ID")
            component.recurrenceId = valueOf(line.content).trimmed();
        else if (name == "TZID")
            component.zoneId = valueOf(line.content).trimmed();
        else if (name == exchange::names::Birthday)
            component.birthday = true;
    }
    return components;
}

} // namespace

Calendar calendarOf(const QByteArray &text)
{
    Calendar calendar;
    calendar.components = componentsOf(text, 1, &calendar.header);
    return calendar;
}

QList<Component> cardsOf(const QByteArray &text)
{
    return componentsOf(text, 0, nullptr);
}

QByteArray calendarText(const QByteArray &header, const QList<const Component *> &components)
{
    QByteArray out = "BEGIN:VCALENDAR\r\n" + header;
    for (const Component *component : components)
        out += component->text;
    return out + "END:VCALENDAR\r\n";
}

QByteArray digest(const QByteArray &text)
{
    // The times of writing and of the last change, and the writing program.
    static const QList<QByteArray> passing { "DTSTAMP", "LAST-MODIFIED", "REV", "PRODID" };
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const Line &line : linesOf(text)) {
        if (passing.contains(nameOf(line.content)))
            continue;
        hash.addData(line.content);
        hash.addData("\n");
    }
    return hash.result().toHex();
}

QByteArray renamed(const QByteArray &text, const QString &suffix, QHash<QString, QString> &newUids)
{
    const QByteArray added = suffix.toUtf8();
    QByteArray out;
    int depth = 0;
    bool card = false;
    for (const Line &line : linesOf(text)) {
        const QByteArray name = nameOf(line.content);
        QByteArray content = line.content;
        if (name == "BEGIN") {
            if (depth == 0)
                card = valueOf(content).trimmed().toUpper() == "VCARD";
            ++depth;
        } else if (name == "END") {
            --depth;
        } else if (depth == (card ? 1 : 2)) {
            const qsizetype start = valueStart(content);
            if (name == "UID") {
                QString &uid = newUids[unescaped(valueOf(content))];
                if (uid.isEmpty())
                    uid = store::newUid();
                content = content.first(start + 1) + uid.toUtf8();
            } else if (name == "SUMMARY" || (card && name == "FN")) {
                content += added;
            } else if (card && name == "N") {
                // The family name is the first part, up to the first separator not escaped.
                qsizetype end = start + 1;
                while (end < content.size() && content[end] != ';')
                    end += content[end] == '\\' ? 2 : 1;
                content.insert(std::min(end, content.size()), added);
            }
        }
        out += content + "\r\n";
    }
    return out;
}

} // namespace syncing::text
