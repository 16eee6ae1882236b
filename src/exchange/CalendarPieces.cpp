// SPDX-License-Identifier: MIT
#include "exchange/CalendarPieces.h"

namespace exchange {
namespace {

bool startsWithName(QByteArrayView line, QByteArrayView name)
{
    return line.size() >= name.size() && line.first(name.size()).compare(name, Qt::CaseInsensitive) == 0;
}

/// The component a BEGIN or END line names, in capitals.
QByteArray componentOf(QByteArrayView line, qsizetype nameLength)
{
    return line.sliced(nameLength).trimmed().toByteArray().toUpper();
}

} // namespace

QList<QByteArray> calendarPieces(const QByteArray &text, int records)
{
    struct Span
    {
        qsizetype from, to;
    };
    QByteArray shared; // the calendar's own properties and its time zones
    QList<Span> components;
    int depth = 0, calendars = 0;
    qsizetype componentStart = 0;
    bool zone = false;
    for (qsizetype from = 0; from < text.size();) {
        // A logical line, with its folds and its line end.
        qsizetype to = from;
        do {
            const qsizetype end = text.indexOf('\n', to);
            to = end < 0 ? text.size() : end + 1;
        } while (to < text.size() && (text[to] == ' ' || text[to] == '\t'));
        const QByteArrayView line = QByteArrayView(text).sliced(from, to - from);
        const QByteArrayView content = line.trimmed();
        if (startsWithName(content, "BEGIN:")) {
            const QByteArray name = componentOf(content, 6);
            if (depth == 0 && (name != "VCALENDAR" || ++calendars > 1))
                return {text};
            if (depth == 1) {
                componentStart = from;
                zone = name == "VTIMEZONE";
            }
            ++depth;
        } else if (startsWithName(content, "END:")) {
            if (--depth < 0)
                return {text};
            if (depth == 1 && zone)
                shared += QByteArrayView(text).sliced(componentStart, to - componentStart);
            else if (depth == 1)
                components << Span{componentStart, to};
        } else if (depth == 1) {
            shared += line;
        } else if (depth == 0 && !content.isEmpty()) {
            return {text};
        }
        from = to;
    }
    if (depth != 0 || calendars != 1 || components.size() <= records)
        return {text};
    QList<QByteArray> pieces;
    for (qsizetype first = 0; first < components.size(); first += records) {
        const qsizetype last = std::min(first + records, components.size()) - 1;
        QByteArray piece = "BEGIN:VCALENDAR\r\n" + shared;
        for (qsizetype i = first; i <= last; ++i)
            piece += QByteArrayView(text).sliced(components[i].from, components[i].to - components[i].from);
        piece += "END:VCALENDAR\r\n";
        pieces << piece;
    }
    return pieces;
}

} // namespace exchange
