// SPDX-License-Identifier: MIT
#include "exchange/ContactCards.h"

#include "exchange/Numbering.h"
#include "exchange/StoredRows.h"
#include "exchange/VCardText.h"

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
    explicit CardWriter(const Record &row) : m_row(row) {}

    QByteArray card()
    {
        line(QStringLiteral("BEGIN:VCARD"));
        line(QStringLiteral("VERSION:4.0"));
        line(QStringLiteral("UID:urn:orrisday:contact:%1").arg(m_row.number(Number)));
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
    QByteArray m_out;
};

/// A card as read: the contact's columns, and why it cannot be stored when it cannot.
struct Card
{
    QStringList columns = QStringList(ColumnCount);
    QDate born;
    QString fullName;
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

QDate birthDate(const QString &value)
{
    const QString digits = QString(value).remove(QLatin1Char('-')).left(8);
    return digits.size() == 8 ? QDate::fromString(digits, QStringLiteral("yyyyMMdd")) : QDate();
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
        card.born = birthDate(line.value.trimmed());
        if (!card.born.isValid())
            card.unstorable = QStringLiteral("an unreadable BDAY");
    } else if (name == QLatin1String("PHOTO")) {
        const QUrl url(line.value.trimmed());
        if (url.isLocalFile())
            card.set(Picture, url.toLocalFile());
    }
}

class CardReader
{
public:
    CardReader(store::Database &db, Report &report)
        : m_db(db), m_report(report), m_contacts(db, Table::Contact) {}

    void read(const QList<ContentLine> &lines)
    {
        std::optional<Card> card;
        for (const ContentLine &line : lines) {
            if (line.name == QLatin1String("BEGIN") && line.value.trimmed().compare(QLatin1String("VCARD"), Qt::CaseInsensitive) == 0) {
                if (card)
                    skip(*card, QStringLiteral("no END:VCARD"));
                card.emplace();
                ++m_seen;
            } else if (line.name == QLatin1String("END") && card) {
                store(*card);
                card.reset();
            } else if (card) {
                exchange::read(*card, line);
            }
        }
        if (card)
            skip(*card, QStringLiteral("no END:VCARD (the file ends inside it)"));
    }

private:
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
        const qint64 number = m_contacts.next();
        card.columns[Birthday] = storedDay(card.born);
        store::Values row;
        for (int column = 0; column < ColumnCount; ++column)
            row.insert(column, card.columns[column]);
        row.insert(Number, number);
        m_db.insert(Table::Contact, row);
        m_db.insert(Table::Birthday, {{1, number}, {2, card.columns[Birthday]}, {3, 0}});
        ++m_report.contacts;
    }

    store::Database &m_db;
    Report &m_report;
    Numbering m_contacts;
    int m_seen = 0;
};

} // namespace

QByteArray cardsOf(const store::Database &db, Report &report)
{
    QByteArray out;
    for (const Record &row : db.records(Table::Contact)) {
        out += CardWriter(row).card();
        ++report.contacts;
    }
    return out;
}

void importCards(store::Database &db, const QByteArray &text, Report &report)
{
    CardReader(db, report).read(contentLines(QString::fromUtf8(text)));
}

} // namespace exchange
