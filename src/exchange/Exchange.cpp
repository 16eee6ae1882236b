// SPDX-License-Identifier: MIT
#include "exchange/Exchange.h"

#include "exchange/CalendarExport.h"
#include "exchange/CalendarImport.h"
#include "exchange/ContactCards.h"
#include "platform/rules/WholeFile.h"

#include <QFile>
#include <algorithm>

namespace exchange {
namespace {

constexpr qint64 LargestFile = qint64(512) << 20;

Report written(const QString &file, const QByteArray &content, Report report)
{
    if (report.succeeded())
        report.failure = files::writeWholeFile(file, content);
    return report;
}

Report refused(const QString &why)
{
    Report report;
    report.failure = why + QStringLiteral(" Nothing was imported.");
    return report;
}

/// Where the text stops being UTF-8, the byte at which it does; -1 when it all is.
qsizetype firstBadByte(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype size = data.size();
    for (qsizetype at = 0; at < size;) {
        const uchar lead = bytes[at];
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
        if (length == 0 || lead == 0xC0 || lead == 0xC1 || lead > 0xF4 || at + length > size)
            return at;
        for (int k = 1; k < length; ++k)
            if ((bytes[at + k] & 0xC0) != 0x80)
                return at;
        at += length;
    }
    return -1;
}

QByteArray withoutByteOrderMark(QByteArray data)
{
    return data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
}

/// A file's text to import, or why it is refused.
struct ExchangeText
{
    QByteArray data;
    bool calendar = false;
    QString refusal;
};

ExchangeText refusedText(const QString &why)
{
    return {{}, false, why};
}

ExchangeText readText(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return refusedText(QStringLiteral("%1 could not be read: %2.").arg(file, in.errorString()));
    if (in.size() > LargestFile)
        return refusedText(QStringLiteral("%1 is larger than 512 MB.").arg(file));
    const QByteArray data = withoutByteOrderMark(in.readAll());
    if (data.contains('\0'))
        return refusedText(QStringLiteral("%1 is no text file.").arg(file));
    if (const qsizetype bad = firstBadByte(data); bad >= 0)
        return refusedText(QStringLiteral("%1 is not UTF-8 text (a bad byte near byte %2).").arg(file).arg(bad));
    const QByteArray start = data.left(256).trimmed().toUpper();
    const bool calendar = start.startsWith("BEGIN:VCALENDAR");
    if (!calendar && !start.startsWith("BEGIN:VCARD"))
        return refusedText(QStringLiteral("%1 is neither an iCalendar nor a vCard file.").arg(file));
    return {data, calendar, {}};
}

} // namespace

Report exportCalendar(const store::Database &db, const QString &file)
{
    Report report;
    const QByteArray content = calendarOf(db, report);
    return written(file, content, report);
}

Report exportContacts(const store::Database &db, const QString &file)
{
    Report report;
    const QByteArray content = cardsOf(db, report);
    return written(file, content, report);
}

Report importFiles(store::Database &db, const QStringList &files)
{
    QList<ExchangeText> texts;
    for (const QString &file : files) {
        ExchangeText text = readText(file);
        if (!text.refusal.isEmpty())
            return refused(text.refusal);
        texts << text;
    }
    // A birthday in a calendar finds its contact by name, so the contacts are read first.
    std::stable_partition(texts.begin(), texts.end(), [](const ExchangeText &text) { return !text.calendar; });

    Report report;
    try {
        store::Transaction transaction(db);
        for (const ExchangeText &text : std::as_const(texts)) {
            if (text.calendar)
                importCalendar(db, text.data, report);
            else
                importCards(db, text.data, report);
            if (!report.succeeded())
                return refused(report.failure);
        }
        transaction.commit();
    } catch (const store::Error &error) {
        return refused(QStringLiteral("The store refused a record: %1.").arg(error.what()));
    }
    return report;
}

Report importFile(store::Database &db, const QString &file)
{
    return importFiles(db, {file});
}

} // namespace exchange
