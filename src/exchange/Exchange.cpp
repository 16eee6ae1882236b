// SPDX-License-Identifier: MIT
#include "exchange/Exchange.h"

#include "exchange/CalendarExport.h"
#include "exchange/CalendarImport.h"
#include "exchange/CalendarFields.h"
#include "exchange/CalendarNames.h"
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

/// The text with each fold that splits a character joined again: some programs fold lines at a
/// byte count, between the bytes of one character.
QByteArray withCharactersWhole(QByteArray data)
{
    for (qsizetype at = data.indexOf('\n'); at >= 0 && at + 2 < data.size(); at = data.indexOf('\n', at + 1)) {
        const bool fold = data[at + 1] == ' ' || data[at + 1] == '\t';
        if (!fold || (uchar(data[at + 2]) & 0xC0) != 0x80)
            continue;
        const qsizetype start = at > 0 && data[at - 1] == '\r' ? at - 1 : at;
        data.remove(start, at + 2 - start);
        at = start;
    }
    return data;
}

/// How many records a file holds, as the readers count them.
int recordsIn(const QByteArray &data)
{
    int count = 0;
    for (const char *begin : { "BEGIN:VTODO", "BEGIN:VEVENT", "BEGIN:VJOURNAL", "BEGIN:VCARD" })
        count += int(data.count(begin));
    return count;
}

/// A file's text to import, or why it is refused.
struct ExchangeText
{
    QString file;
    QByteArray data;
    bool calendar = false;
    QString refusal;
    int records = 0; ///< as the readers count them, for the import's progress
};

ExchangeText refusedText(const QString &why)
{
    return { {}, {}, false, why };
}

ExchangeText readText(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return refusedText(QStringLiteral("%1 could not be read: %2.").arg(file, in.errorString()));
    if (in.size() > LargestFile)
        return refusedText(QStringLiteral("%1 is larger than 512 MB.").arg(file));
    const QByteArray data = withCharactersWhole(withoutByteOrderMark(in.readAll()));
    if (data.contains('\0'))
        return refusedText(QStringLiteral("%1 is no text file.").arg(file));
    if (const qsizetype bad = firstBadByte(data); bad >= 0)
        return refusedText(QStringLiteral("%1 is not UTF-8 text (a bad byte near byte %2).").arg(file).arg(bad));
    const QByteArray start = data.left(256).trimmed().toUpper();
    const bool calendar = start.startsWith("BEGIN:VCALENDAR");
    if (!calendar && !start.startsWith("BEGIN:VCARD"))
        return refusedText(QStringLiteral("%1 is neither an iCalendar nor a vCard file.").arg(file));
    return { file, data, calendar, {}, recordsIn(data) };
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

Report importFiles(store::Database &db, const QStringList &files, const ImportOptions &options)
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

    // The records read so far are counted across the files, against those of all of them.
    int total = 0;
    for (const ExchangeText &text : std::as_const(texts))
        total += text.records;
    int readBefore = 0;
    ImportOptions perFile = options;
    if (options.progress)
        perFile.progress = [&](int read, int) { return options.progress(readBefore + read, total); };

    Report report;
    QString reading;
    try {
        store::Transaction transaction(db);
        store::IdentitiesGiven identities(db);
        Matcher matcher(db);
        for (const ExchangeText &text : std::as_const(texts)) {
            reading = text.file;
            perFile.deadline = QDeadlineTimer(options.fixedTime + options.timePerMegabyte * text.data.size() / (1 << 20));
            if (text.calendar)
                importCalendar(db, text.data, report, perFile, matcher);
            else
                importCards(db, text.data, report, perFile, matcher);
            readBefore += text.records;
            if (!report.succeeded())
                return refused(report.failure);
        }
        identities.release();
        transaction.commit();
    } catch (const Cancelled &) {
        return refused(QStringLiteral("The import was cancelled."));
    } catch (const TooSlow &) {
        return refused(QStringLiteral("%1 takes far too long to read for its size; it may be damaged. "
                                      "Nothing was imported.")
                           .arg(reading));
    } catch (const store::Error &error) {
        if (error.code() == store::Locked)
            return refused(QStringLiteral("Another import, or another program, is writing to the records just now. "
                                          "Try again when it has finished."));
        return refused(QStringLiteral("The records could not be stored: %1.")
                           .arg(error.code() == store::DiskFull ? QStringLiteral("no space left on the device")
                                                                : QStringLiteral("the database refused them")));
    }
    return report;
}

Report importFile(store::Database &db, const QString &file, const ImportOptions &options)
{
    return importFiles(db, {file}, options);
}

QStringList programsIn(const QStringList &files)
{
    QStringList programs;
    for (const QString &file : files) {
        const ExchangeText text = readText(file);
        for (const QByteArray &line : text.data.split('\n')) {
            if (!line.startsWith(names::Program))
                continue;
            const qsizetype colon = line.indexOf(':');
            const QString program = unquoted(QString::fromUtf8(line.mid(colon + 1)).trimmed());
            if (colon > 0 && !program.isEmpty() && !programs.contains(program))
                programs << program;
        }
    }
    return programs;
}

} // namespace exchange
