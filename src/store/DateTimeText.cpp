// SPDX-License-Identifier: MIT
#include "store/DateTimeText.h"

#include <QRegularExpression>

namespace store {
namespace {

struct Parsed
{
    QDate date;
    QTime time;
};

QDate readDate(const QString &text)
{
    static const QRegularExpression written(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression canonical(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    if (auto m = written.match(text); m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
    if (auto m = canonical.match(text); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

QTime readTime(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})\\s*:\\s*(\\d{1,2})(?:\\s*:\\s*(\\d{1,2}))?$"));
    auto m = pattern.match(text);
    if (!m.hasMatch())
        return {};
    return QTime(m.captured(1).toInt(), m.captured(2).toInt(),
                 m.captured(3).isEmpty() ? 0 : m.captured(3).toInt());
}

/// Writes `value` as `count` digits from `out` on.
void putDigits(char16_t *out, int value, int count)
{
    for (int i = count - 1; i >= 0; --i, value /= 10)
        out[i] = char16_t(u'0' + value % 10);
}

// The stored forms have fixed positions; reading them needs no pattern matching, which keeps
// re-reading thousands of rows cheap.
std::optional<Parsed> parseStored(const QString &text)
{
    const auto date = [&](int at) { return QDate(digitsAt(text, at, 4), digitsAt(text, at + 5, 2), digitsAt(text, at + 8, 2)); };
    const auto time = [&](int at) { return QTime(digitsAt(text, at, 2), digitsAt(text, at + 3, 2), digitsAt(text, at + 6, 2)); };
    const auto dateAt = [&](int at) { return text.at(at + 4) == u'-' && text.at(at + 7) == u'-'; };
    const auto timeAt = [&](int at) { return text.at(at + 2) == u':' && text.at(at + 5) == u':'; };
    Parsed parsed;
    if (text.size() == 10 && dateAt(0))
        parsed.date = date(0);
    else if (text.size() == 8 && timeAt(0))
        parsed.time = time(0);
    else if (text.size() == 19 && dateAt(0) && text.at(10) == u' ' && timeAt(11))
        parsed = Parsed{date(0), time(11)};
    else
        return std::nullopt;
    if ((text.size() != 8 && !parsed.date.isValid()) || (text.size() != 10 && !parsed.time.isValid()))
        return std::nullopt;
    return parsed;
}

std::optional<Parsed> parse(const QString &raw)
{
    if (auto stored = parseStored(raw))
        return stored;
    const QString text = raw.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (QDate d = readDate(text); d.isValid())
        return Parsed{d, {}};
    if (QTime t = readTime(text); t.isValid())
        return Parsed{{}, t};
    static const QRegularExpression both(QStringLiteral("^(\\S+)\\s+(.+)$"));
    if (auto m = both.match(text); m.hasMatch()) {
        QDate d = readDate(m.captured(1));
        QTime t = readTime(m.captured(2).trimmed());
        if (d.isValid() && t.isValid())
            return Parsed{d, t};
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> toStored(const QString &text, ValueKind kind)
{
    auto parsed = parse(text);
    if (!parsed)
        return std::nullopt;
    const bool hasDate = parsed->date.isValid();
    const bool hasTime = parsed->time.isValid();
    if (kind == ValueKind::Date && hasDate && !hasTime)
        return storedDateOf(parsed->date);
    if (kind == ValueKind::Time && hasTime && !hasDate)
        return storedTimeOf(parsed->time);
    // An undated reminder keeps the no-date value in its time column as well.
    if (kind == ValueKind::Time && !hasTime && parsed->date == parseDate(NoDate))
        return storedDateOf(parsed->date);
    return std::nullopt;
}

QString storedToText(const QString &stored)
{
    auto parsed = parse(stored);
    if (!parsed)
        return stored;
    if (parsed->date.isValid() && parsed->time.isValid())
        return dateText(parsed->date) + QLatin1Char(' ') + timeText(parsed->time);
    return parsed->date.isValid() ? dateText(parsed->date) : timeText(parsed->time);
}

QDate storedDate(const QString &stored)
{
    auto parsed = parse(stored);
    return parsed ? parsed->date : QDate();
}

QTime storedTime(const QString &stored)
{
    auto parsed = parse(stored);
    return parsed ? parsed->time : QTime();
}

QString dateText(QDate date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString timeText(QTime time)
{
    return QStringLiteral("%1:%2:%3")
        .arg(time.hour())
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

// Written by hand: the locale's formatting costs more than the rest of storing an imported record.
QString storedDateOf(QDate date)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    if (!date.isValid() || year < 0 || year > 9999)
        return date.toString(QStringLiteral("yyyy-MM-dd"));
    char16_t text[] = u"0000-00-00";
    putDigits(text, year, 4);
    putDigits(text + 5, month, 2);
    putDigits(text + 8, day, 2);
    return QString::fromUtf16(text, 10);
}

QString storedTimeOf(QTime time)
{
    if (!time.isValid())
        return {};
    char16_t text[] = u"00:00:00";
    putDigits(text, time.hour(), 2);
    putDigits(text + 3, time.minute(), 2);
    putDigits(text + 6, time.second(), 2);
    return QString::fromUtf16(text, 8);
}

int digitsAt(QStringView text, qsizetype from, qsizetype count)
{
    int value = 0;
    for (const QChar c : text.sliced(from, count)) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

QDate parseDate(const QString &text)
{
    auto parsed = parse(text);
    return parsed ? parsed->date : QDate();
}

} // namespace store
