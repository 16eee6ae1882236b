// SPDX-License-Identifier: MIT
#include "exchange/ContactCards.h"

#include "exchange/StoredRows.h"
#include "exchange/VCardText.h"
#include "store/DateTimeText.h"

#include <QDateTime>
#include <QUrl>
#include <optional>

using store::Record;
using store::Table;
using namespace exchange::vcard;

namespace exchange {
namespace {

constexpr qsizetype LongestText = 1 << 20;

/// The contact columns by what they hold.
enum Column {
    Number, First, Last, Address, City, State, Country, Phone, Mobile, Mail, Birthday, Company, JobTitle,
    CompanyAddress, CompanyCity, CompanyState, CompanyCountry, Website, CompanyMail, CompanyPhone, Fax,
    Picture, Note, Category, ColumnCount
};

const Column PhoneColumns[] = {Phone, Mobile, CompanyPhone, Fax};

class CardWriter
{
public:
    CardWriter(const Record &row, const store::Identity &identity) : m_row(row), m_identity(identity) {}

    QByteArray card()
    {
        line(QStringLiteral("BEGIN:VCARD"));
        line(QStringLiteral("VERSION:4.0"));
        line(QStringLiteral("UID:") + escaped(m_identity.uid.isEmpty() ? store::newUid() : m_identity.uid));
        if (!m_identity.changed.isEmpty())
            line(QStringLiteral("REV:") + m_identity.changed);
        const QString full = QStringList{text(First), text(Last)}.join(QLatin1Char(' ')).trimmed();
        line(QStringLiteral("FN:") + escaped(full));
        line(QStringLiteral("N:%1;%2;;;").arg(escaped(text(Last)), escaped(text(First))));
        address(QStringLiteral("home"), Address, City, State, Country);
        address(QStringLiteral("work"), CompanyAddress, CompanyCity, CompanyState, CompanyCountry);
        phone(QStringLiteral("home,voice"), Phone);
        phone(QStringLiteral("cell"), Mobile);
        phone(QStringLiteral("work,voice"), CompanyPhone);
        phone(QStringLiteral("work,fax"), Fax);
        plain(QStringLiteral("EMAIL;TYPE=home"), Mail);
        plain(QStringLiteral("EMAIL;TYPE=work"), CompanyMail);
        plain(QStringLiteral("ORG"), Company);
        plain(QStringLiteral("TITLE"), JobTitle);
        plain(QStringLiteral("URL"), Website);
        if (const QDate born = dayOf(m_row, Birthday); born.isValid())
            line(QStringLiteral("BDAY:") + born.toString(QStringLiteral("yyyyMMdd")));
        plain(QStringLiteral("NOTE"), Note);
        plain(QStringLiteral("CATEGORIES"), Category);
        if (!text(Picture).isEmpty())
            line(QStringLiteral("PHOTO:") + QString::fromUtf8(QUrl::fromLocalFile(text(Picture)).toEncoded()));
        line(QStringLiteral("END:VCARD"));
        return m_out;
    }

private:
    QString text(Column column) const { return m_row.values.value(column).toString(); }
    void line(const QString &content) { m_out += folded(content); }

    void plain(const QString &name, Column column)
    {
        if (!text(column).isEmpty())
            line(name + QLatin1Char(':') + escaped(text(column)));
    }

    void phone(const QString &types, Column column)
    {
        if (!text(column).isEmpty() && text(column) != NoPhone)
            line(QStringLiteral("TEL;TYPE=%1:%2").arg(types, escaped(text(column))));
    }

    void address(const QString &type, Column street, Column city, Column state, Column country)
    {
        if (text(street).isEmpty() && text(city).isEmpty() && text(state).isEmpty() && text(country).isEmpty())
            return;
        line(QStringLiteral("ADR;TYPE=%1:;;%2;%3;%4;;%5")
                 .arg(type, escaped(text(street)), escaped(text(city)), escaped(text(state)), escaped(text(country))));
    }

    const Record &m_row;
    const store::Identity &m_identity;
    QByteArray m_out;
};

/// A card as read: the contact's columns, and why it cannot be stored when it cannot.
struct Card
{
    QStringList columns = QStringList(ColumnCount);
    QDate born;
    QString fullName;
    QString uid;
    QString changed; ///< REV, in UTC as the identities keep it
    bool bornWithoutYear = false;
    QString unstorable;
    QStringList phonesAsWritten; ///< numbers with more than digits, for the note

    /// A phone number: its digits go into the column, which holds digits only; the number as
    /// written is kept for the note when it had more.
    void setPhone(Column column, const QString &number)
    {
        if (!columns[column].isEmpty())
            return;
        QString digits;
        for (QChar c : number)
            if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
                digits += c;
        set(column, digits);
        if (digits != number)
            phonesAsWritten << QStringLiteral("%1: %2").arg(phoneLabel(column), number);
    }

    static QString phoneLabel(Column column)
    {
        switch (column) {
        case Mobile:
            return QStringLiteral("Mobile");
        case CompanyPhone:
            return QStringLiteral("Work phone");
        case Fax:
            return QStringLiteral("Fax");
        default:
            return QStringLiteral("Phone");
        }
    }

    void set(Column column, const QString &value)
    {
        if (value.size() > LongestText)
            unstorable = QStringLiteral("a value longer than 1 MB");
        else if (columns[column].isEmpty())
            columns[column] = value;
    }
};

/// The day the first eight digits write as yyyyMMdd; invalid when they are not.
QDate dateOfDigits(QStringView digits)
{
    const int year = digits.size() >= 8 ? store::digitsAt(digits, 0, 4) : -1;
    return year > 0 ? QDate(year, store::digitsAt(digits, 4, 2), store::digitsAt(digits, 6, 2)) : QDate();
}

QDate birthDate(const QString &value)
{
    return dateOfDigits(QString(value).remove(QLatin1Char('-')).left(8));
}

/// A REV time as the identities keep it (20261209T174000Z); empty when it is no UTC time.
QString utcStamp(const QString &value)
{
    QString digits = value;
    digits.remove(QLatin1Char('-')).remove(QLatin1Char(':'));
    // Read as a day and a time of day: a date-time would look up the local zone for each card.
    const bool valid = digits.size() >= 16 && digits.at(8) == QLatin1Char('T') && digits.endsWith(QLatin1Char('Z'))
        && dateOfDigits(digits).isValid()
        && QTime(store::digitsAt(digits, 9, 2), store::digitsAt(digits, 11, 2), store::digitsAt(digits, 13, 2)).isValid();
    return valid ? digits.left(15) + QLatin1Char('Z') : QString();
}

void read(Card &card, const ContentLine &line)
{
    const auto has = [&](const char *type) { return line.types.contains(QLatin1String(type)); };
    const QString &name = line.name;
    if (name == QLatin1String("N")) {
        const QStringList parts = components(line.value);
        card.set(Last, parts.value(0).trimmed());
        card.set(First, parts.value(1).trimmed());
    } else if (name == QLatin1String("FN")) {
        card.fullName = unescaped(line.value).trimmed();
    } else if (name == QLatin1String("ADR")) {
        const QStringList parts = components(line.value);
        const bool work = has("work");
        card.set(work ? CompanyAddress : Address, parts.value(2));
        card.set(work ? CompanyCity : City, parts.value(3));
        card.set(work ? CompanyState : State, parts.value(4));
        card.set(work ? CompanyCountry : Country, parts.value(6));
    } else if (name == QLatin1String("TEL")) {
        QString number = unescaped(line.value).trimmed();
        if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
            number = number.mid(4);
        card.setPhone(has("fax") ? Fax : has("work") ? CompanyPhone : has("cell") || has("mobile") ? Mobile : Phone, number);
    } else if (name == QLatin1String("EMAIL")) {
        card.set(has("work") ? CompanyMail : Mail, unescaped(line.value).trimmed());
    } else if (name == QLatin1String("ORG")) {
        card.set(Company, components(line.value).value(0));
    } else if (name == QLatin1String("TITLE")) {
        card.set(JobTitle, unescaped(line.value));
    } else if (name == QLatin1String("URL")) {
        card.set(Website, unescaped(line.value).trimmed());
    } else if (name == QLatin1String("NOTE")) {
        card.set(Note, unescaped(line.value));
    } else if (name == QLatin1String("CATEGORIES")) {
        const bool business = components(line.value, QLatin1Char(',')).contains(QStringLiteral("Business"), Qt::CaseInsensitive);
        card.set(Category, business ? QStringLiteral("Business") : QStringLiteral("Personal"));
    } else if (name == QLatin1String("BDAY")) {
        // A birthday without a year, or given as text, cannot be kept; the contact is.
        card.born = birthDate(line.value.trimmed());
        card.bornWithoutYear = !card.born.isValid();
    } else if (name == QLatin1String("UID")) {
        card.uid = unescaped(line.value).trimmed();
    } else if (name == QLatin1String("REV")) {
        card.changed = utcStamp(line.value.trimmed());
    } else if (name == QLatin1String("PHOTO")) {
        const QUrl url(line.value.trimmed());
        if (url.isLocalFile())
            card.set(Picture, url.toLocalFile());
    }
}

class CardReader
{
public:
    CardReader(store::Database &db, Report &report, const ImportOptions &options, Matcher &matcher)
        : m_db(db), m_report(report), m_options(options), m_matcher(matcher) {}

    void read(const QString &text)
    {
        forEachContentLine(text, [this](const ContentLine &line) { take(line); });
        if (m_card)
            skip(*m_card, QStringLiteral("no END:VCARD (the file ends inside it)"));
    }

private:
    void take(const ContentLine &line)
    {
        if (line.name == QLatin1String("BEGIN") && line.value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
            if (m_card)
                skip(*m_card, QStringLiteral("no END:VCARD"));
            m_card.emplace();
            ++m_seen;
            m_options.checkpoint(m_seen);
        } else if (line.name == QLatin1String("END") && m_card) {
            store(*m_card);
            m_card.reset();
        } else if (m_card) {
            exchange::read(*m_card, line);
        }
    }

    void skip(const Card &card, const QString &why)
    {
        const QString name = card.fullName.isEmpty() ? QStringList{card.columns[First], card.columns[Last]}.join(QLatin1Char(' ')).trimmed()
                                                      : card.fullName;
        m_report.skipped << QStringLiteral("VCARD %1 (%2): %3")
                                .arg(m_seen)
                                .arg(name.isEmpty() ? QStringLiteral("no name") : QLatin1Char('"') + name.left(40) + QLatin1Char('"'), why);
    }

    void store(Card &card)
    {
        if (card.columns[First].isEmpty() && card.columns[Last].isEmpty() && !card.fullName.isEmpty()) {
            const qsizetype space = card.fullName.lastIndexOf(QLatin1Char(' '));
            card.set(First, space < 0 ? card.fullName : card.fullName.left(space));
            card.set(Last, space < 0 ? QString() : card.fullName.mid(space + 1));
        }
        if (card.columns[First].isEmpty() && card.columns[Last].isEmpty() && card.unstorable.isEmpty())
            card.unstorable = QStringLiteral("no name");
        if (!card.unstorable.isEmpty())
            return skip(card, card.unstorable);
        for (Column column : PhoneColumns)
            if (card.columns[column].isEmpty())
                card.columns[column] = NoPhone;
        if (!card.phonesAsWritten.isEmpty())
            card.columns[Note] = ((card.columns[Note].isEmpty() ? QStringList() : QStringList { card.columns[Note] })
                + card.phonesAsWritten)
                                     .join(QLatin1Char('\n'));
        if (card.columns[Category].isEmpty())
            card.columns[Category] = QStringLiteral("Personal");
        card.columns[Birthday] = storedDay(card.born);
        store::Values row;
        for (int column = 1; column < ColumnCount; ++column)
            row.insert(column, card.columns[column]);
        const Matcher::Match match = m_matcher.find(Table::Contact, card.uid, card.changed, m_options.replaceKnown);
        switch (match.fate) {
        case Matcher::Fate::OtherKind:
            return skip(card, QStringLiteral("its UID is that of another kind of record"));
        case Matcher::Fate::Unchanged:
            ++m_report.unchanged;
            return;
        case Matcher::Fate::Update:
            m_db.update(Table::Contact, match.rowid, row);
            followBirthday(match.rowid, card.columns[Birthday]);
            m_matcher.stored(Table::Contact, match.rowid, card.uid, card.changed, match.fate, m_report);
            break;
        case Matcher::Fate::Add: {
            const qint64 number = m_matcher.numbers(Table::Contact).next();
            row.insert(Number, number);
            m_matcher.stored(Table::Contact, m_db.insert(Table::Contact, row), card.uid, card.changed, match.fate,
                m_report);
            m_db.insert(Table::Birthday, {{1, number}, {2, card.columns[Birthday]}, {3, 0}});
            break;
        }
        }
        if (card.bornWithoutYear)
            ++m_report.birthdaysDropped;
        ++m_report.contacts;
    }

    /// The contact's birthday rows take its birth date. Where it changed, their reminders move to
    /// it, as the contact window moves them, or go when the birth date is no longer known.
    void followBirthday(qint64 contactRowid, const QString &day)
    {
        QSqlQuery rows = m_db.run(QStringLiteral("SELECT b.rowid, b.birthday_date, b.rem_no FROM BIRTHDAY_INFO b "
                                                 "JOIN CONTACT_INFO c ON c.contact_no = b.birthday_contact_no WHERE c.rowid = ?"),
            {contactRowid});
        QList<std::pair<qint64, qint64>> moved;
        while (rows.next())
            if (rows.value(1).toString() != day)
                moved << std::pair(rows.value(0).toLongLong(), rows.value(2).toLongLong());
        for (auto [birthday, remNo] : moved) {
            if (remNo != 0 && day == store::NoDate) {
                m_db.run(QStringLiteral("DELETE FROM REMINDER_INFO WHERE rem_no = ?"), {remNo});
                remNo = 0;
            } else if (remNo != 0) {
                m_db.run(QStringLiteral("UPDATE REMINDER_INFO SET rem_date = ? WHERE rem_no = ?"), {day, remNo});
            }
            m_db.update(Table::Birthday, birthday, {{2, day}, {3, remNo}});
        }
    }

    store::Database &m_db;
    Report &m_report;
    const ImportOptions &m_options;
    Matcher &m_matcher;
    std::optional<Card> m_card; ///< being read
    int m_seen = 0;
};

} // namespace

QByteArray cardsOf(const store::Database &db, Report &report)
{
    QByteArray out;
    const QHash<qint64, store::Identity> identities = store::identities(db, Table::Contact);
    for (const Record &row : db.records(Table::Contact)) {
        out += CardWriter(row, identities.value(row.rowid)).card();
        ++report.contacts;
    }
    return out;
}

void importCards(store::Database &db, const QByteArray &text, Report &report, const ImportOptions &options,
    Matcher &matcher)
{
    CardReader(db, report, options, matcher).read(QString::fromUtf8(text));
}

} // namespace exchange
