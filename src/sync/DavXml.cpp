// SPDX-License-Identifier: MIT
#include "sync/DavXml.h"

#include <QXmlStreamReader>

namespace syncing {

namespace {

constexpr QStringView Dav = u"DAV:";
constexpr QStringView CalDav = u"urn:ietf:params:xml:ns:caldav";
constexpr QStringView CardDav = u"urn:ietf:params:xml:ns:carddav";
constexpr QStringView CalendarServer = u"http://calendarserver.org/ns/";

bool is(const QXmlStreamReader &xml, QStringView space, QStringView name)
{
    return xml.namespaceUri() == space && xml.name() == name;
}

QString text(QXmlStreamReader &xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements);
}

QString decodedHref(const QString &href)
{
    return QUrl::fromPercentEncoding(href.trimmed().toUtf8());
}

/// Member data with the line ends iCalendar and vCard want: XML reading turns them into plain
/// line feeds, and servers that indent their answers put blanks around the text.
QByteArray memberData(const QString &text)
{
    QByteArray data = text.trimmed().toUtf8();
    data.replace("\r\n", "\n");
    data.replace('\n', "\r\n");
    return data.isEmpty() ? data : data + "\r\n";
}

/// The code of a status line such as "HTTP/1.1 404 Not Found".
int statusCode(const QString &line)
{
    const QStringList words = line.simplified().split(u' ');
    return words.size() > 1 ? words.at(1).toInt() : 0;
}

bool isSuccess(int status)
{
    return status >= 200 && status < 300;
}

/// The href inside a property such as current-user-principal.
QString innerHref(QXmlStreamReader &xml)
{
    QString href;
    while (xml.readNextStartElement()) {
        if (is(xml, Dav, u"href") && href.isEmpty())
            href = decodedHref(text(xml));
        else
            xml.skipCurrentElement();
    }
    return href;
}

void readProp(QXmlStreamReader &xml, DavEntry &entry)
{
    while (xml.readNextStartElement()) {
        if (is(xml, Dav, u"getetag")) {
            entry.etag = text(xml).trimmed().toUtf8();
        } else if (is(xml, Dav, u"resourcetype")) {
            while (xml.readNextStartElement()) {
                entry.types << xml.name().toString();
                xml.skipCurrentElement();
            }
        } else if (is(xml, CalDav, u"supported-calendar-component-set")) {
            while (xml.readNextStartElement()) {
                if (is(xml, CalDav, u"comp"))
                    entry.components << xml.attributes().value(QStringLiteral("name")).toString().toUpper();
                xml.skipCurrentElement();
            }
        } else if (is(xml, Dav, u"current-user-principal")) {
            entry.principal = innerHref(xml);
        } else if (is(xml, CalDav, u"calendar-home-set")) {
            entry.calendarHome = innerHref(xml);
        } else if (is(xml, CardDav, u"addressbook-home-set")) {
            entry.addressBookHome = innerHref(xml);
        } else if (is(xml, Dav, u"sync-token")) {
            entry.syncToken = text(xml).trimmed();
        } else if (is(xml, CalendarServer, u"getctag")) {
            entry.ctag = text(xml).trimmed();
        } else if (is(xml, CalDav, u"calendar-data") || is(xml, CardDav, u"address-data")) {
            entry.data = memberData(text(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
}

/// Reads a propstat's properties into the entry (those not found are empty elements, which add
/// nothing) and gives its status.
int readPropstat(QXmlStreamReader &xml, DavEntry &entry)
{
    int status = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, Dav, u"prop"))
            readProp(xml, entry);
        else if (is(xml, Dav, u"status"))
            status = statusCode(text(xml));
        else
            xml.skipCurrentElement();
    }
    return status;
}

DavEntry readResponse(QXmlStreamReader &xml)
{
    DavEntry entry;
    int responseStatus = 0;
    int foundStatus = 0;
    int otherStatus = 0;
    while (xml.readNextStartElement()) {
        if (is(xml, Dav, u"href") && entry.href.isEmpty()) {
            entry.href = decodedHref(text(xml));
        } else if (is(xml, Dav, u"status")) {
            responseStatus = statusCode(text(xml));
        } else if (is(xml, Dav, u"propstat")) {
            const int status = readPropstat(xml, entry);
            int &kept = isSuccess(status) ? foundStatus : otherStatus;
            if (kept == 0)
                kept = status;
        } else {
            xml.skipCurrentElement();
        }
    }
    entry.status = responseStatus ? responseStatus : foundStatus ? foundStatus : otherStatus ? otherStatus : 200;
    return entry;
}

} // namespace

bool readMultistatus(const QByteArray &body, QList<DavEntry> *entries, QString *syncToken, QString *error)
{
    QXmlStreamReader xml(body);
    if (!xml.readNextStartElement() || !is(xml, Dav, u"multistatus")) {
        *error = xml.hasError() ? xml.errorString() : QStringLiteral("it is no multistatus");
        return false;
    }
    while (xml.readNextStartElement()) {
        if (is(xml, Dav, u"response"))
            entries->append(readResponse(xml));
        else if (is(xml, Dav, u"sync-token") && syncToken)
            *syncToken = text(xml).trimmed();
        else
            xml.skipCurrentElement();
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return false;
    }
    return true;
}

bool namesPrecondition(const QByteArray &body, QStringView name)
{
    QXmlStreamReader xml(body);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && is(xml, Dav, name))
            return true;
    }
    return false;
}

QByteArray hrefElement(const QString &href)
{
    QUrl url;
    if (href.contains(u"://"))
        url = QUrl(href);
    else
        url.setPath(href, QUrl::DecodedMode);
    return "<d:href>" + xmlText(url.toString(QUrl::FullyEncoded)) + "</d:href>";
}

QByteArray xmlText(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace syncing
