// SPDX-License-Identifier: MIT
#include "sync/DavClient.h"

#include "sync/DavXml.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QSslError>
#include <QTimer>
#include <memory>

namespace syncing {

namespace {

constexpr int MostRedirects = 5;
const QByteArray XmlType = "application/xml; charset=utf-8";
const QByteArray XmlDeclaration = R"(<?xml version="1.0" encoding="utf-8"?>)";
const QByteArray Namespaces = R"(xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav" )"
                              R"(xmlns:card="urn:ietf:params:xml:ns:carddav" xmlns:cs="http://calendarserver.org/ns/")";

bool isSuccess(int status)
{
    return status >= 200 && status < 300;
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

QString withoutFinalStop(QString text)
{
    text = text.trimmed();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString secondsText(std::chrono::milliseconds time)
{
    const auto seconds = std::max<qint64>(1, (time.count() + 999) / 1000);
    return seconds == 1 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(seconds);
}

/// Runs an event loop until the reply finishes or the time is up (then aborts it); true when the
/// time ran out. The certificate problems of a secure connection are gathered on the way.
bool awaitReply(QNetworkReply &reply, std::chrono::milliseconds timeout, QStringList *certificateProblems)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&reply, &QNetworkReply::sslErrors, &loop, [certificateProblems](const QList<QSslError> &errors) {
        for (const QSslError &error : errors)
            *certificateProblems << withoutFinalStop(error.errorString());
    });
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply.abort();
    });
    timer.start(timeout);
    if (!reply.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return timedOut;
}

QString failureOf(const QNetworkReply &reply, int status, const QStringList &certificateProblems)
{
    if (!certificateProblems.isEmpty())
        return QStringLiteral("The server's certificate is not trusted: %1.").arg(certificateProblems.join(QStringLiteral("; ")));
    const bool connectionFailed = reply.error() != QNetworkReply::NoError && reply.error() < QNetworkReply::ContentAccessDenied;
    if (status == 0 || connectionFailed)
        return QStringLiteral("The server could not be reached: %1.").arg(withoutFinalStop(reply.errorString()));
    if (status == 401)
        return QStringLiteral("The server refused the user name or password.");
    if (isSuccess(status))
        return {};
    const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    return reason.isEmpty() ? QStringLiteral("The server answered %1.").arg(status)
                            : QStringLiteral("The server answered %1 %2.").arg(status).arg(reason);
}

/// Reads a successful answer's multistatus body; an unreadable one makes the answer a failure.
void readEntries(DavAnswer &answer, QList<DavEntry> *entries, QString *syncToken)
{
    if (!answer.succeeded())
        return;
    QString error;
    if (!readMultistatus(answer.body, entries, syncToken, &error))
        answer.failure = QStringLiteral("The server's answer could not be read: %1.").arg(withoutFinalStop(error));
}

bool isCollection(const DavEntry &entry)
{
    return entry.types.contains(QStringLiteral("collection"));
}

bool samePath(const QUrl &one, const QUrl &other)
{
    const auto folder = [](QString path) {
        while (path.endsWith(u'/'))
            path.chop(1);
        return path;
    };
    return folder(one.path()) == folder(other.path());
}

/// Whether a failed sync-collection says the token is no good, rather than the account or the
/// connection.
bool refusesToken(const DavAnswer &answer)
{
    if (namesPrecondition(answer.body, u"valid-sync-token"))
        return true;
    const int status = answer.status;
    return status >= 400 && status < 500 && status != 401 && status != 407 && status != 408 && status != 429;
}

} // namespace

DavClient::DavClient(DavAccount account, std::chrono::milliseconds timeout)
    : m_account(std::move(account))
    , m_timeout(timeout)
{
}

QUrl DavClient::urlOf(const QString &href) const
{
    QUrl reference;
    if (href.contains(u"://"))
        reference = QUrl(href);
    else
        reference.setPath(href, QUrl::DecodedMode);
    return m_account.server.resolved(reference);
}

DavAnswer DavClient::send(const QByteArray &verb, const QUrl &url, const QByteArray &body,
    const QList<std::pair<QByteArray, QByteArray>> &headers)
{
    DavAnswer answer;
    if (url.scheme() != u"http" && url.scheme() != u"https") {
        answer.failure = QStringLiteral("The server address must begin with http:// or https://.");
        return answer;
    }
    QUrl target = url;
    for (int hop = 0;; ++hop) {
        QNetworkRequest request(target);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        if (!m_account.user.isEmpty())
            request.setRawHeader("Authorization",
                "Basic " + QString(m_account.user + u':' + m_account.password).toUtf8().toBase64());
        for (const auto &[name, value] : headers)
            request.setRawHeader(name, value);
        std::unique_ptr<QNetworkReply> reply(m_network.sendCustomRequest(request, verb, body));
        QStringList certificateProblems;
        const bool timedOut = awaitReply(*reply, m_timeout, &certificateProblems);

        answer.status = timedOut ? 0 : reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QUrl location = target.resolved(QUrl(QString::fromUtf8(reply->rawHeader("Location"))));
        // Followed by hand, so that the verb, the body and the credentials go along, but never
        // from a secure connection to a plain one.
        if (isRedirect(answer.status) && hop < MostRedirects && location != target
            && !(target.scheme() == u"https" && location.scheme() != u"https")) {
            target = location;
            continue;
        }
        if (timedOut) {
            answer.failure = QStringLiteral("The server did not answer within %1.").arg(secondsText(m_timeout));
            return answer;
        }
        answer.body = reply->readAll();
        answer.etag = reply->rawHeader("ETag");
        answer.failure = failureOf(*reply, answer.status, certificateProblems);
        return answer;
    }
}

DavAnswer DavClient::propfind(const QUrl &url, int depth, const QByteArray &props, QList<DavEntry> *entries)
{
    const QByteArray body = XmlDeclaration + "<d:propfind " + Namespaces + "><d:prop>" + props + "</d:prop></d:propfind>";
    DavAnswer answer = send("PROPFIND", url, body, { { "Depth", QByteArray::number(depth) }, { "Content-Type", XmlType } });
    readEntries(answer, entries, nullptr);
    return answer;
}

DavAnswer DavClient::members(const QUrl &collection, QList<DavEntry> *entries)
{
    QList<DavEntry> found;
    const DavAnswer answer = propfind(collection, 1, "<d:resourcetype/><d:getetag/>", &found);
    for (const DavEntry &entry : std::as_const(found)) {
        if (!isCollection(entry) && isSuccess(entry.status) && !samePath(urlOf(entry.href), collection))
            entries->append(entry);
    }
    return answer;
}

DavAnswer DavClient::changesSince(const QUrl &collection, const QString &token, CollectionChanges *changes)
{
    *changes = {};
    const QByteArray body = XmlDeclaration + R"(<d:sync-collection xmlns:d="DAV:"><d:sync-token>)" + xmlText(token)
        + "</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>";
    DavAnswer answer = send("REPORT", collection, body, { { "Depth", "0" }, { "Content-Type", XmlType } });
    if (!answer.succeeded()) {
        changes->tokenRefused = !token.isEmpty() && answer.status != 0 && refusesToken(answer);
        return answer;
    }
    QList<DavEntry> entries;
    readEntries(answer, &entries, &changes->token);
    for (const DavEntry &entry : std::as_const(entries)) {
        if (entry.status == 404)
            changes->removed << entry.href;
        else if (isSuccess(entry.status) && !isCollection(entry) && !samePath(urlOf(entry.href), collection))
            changes->changed << entry;
    }
    return answer;
}

DavAnswer DavClient::multiget(const QUrl &collection, bool addressBook, const QStringList &hrefs, QList<DavEntry> *entries)
{
    if (hrefs.isEmpty())
        return {};
    const QByteArray root = addressBook ? "card:addressbook-multiget" : "c:calendar-multiget";
    QByteArray body = XmlDeclaration + '<' + root + ' ' + Namespaces + "><d:prop><d:getetag/>"
        + (addressBook ? "<card:address-data/>" : "<c:calendar-data/>") + "</d:prop>";
    for (const QString &href : hrefs)
        body += hrefElement(href);
    body += "</" + root + '>';
    DavAnswer answer = send("REPORT", collection, body, { { "Content-Type", XmlType } });
    readEntries(answer, entries, nullptr);
    return answer;
}

DavAnswer DavClient::get(const QUrl &url)
{
    return send("GET", url, {}, {});
}

DavAnswer DavClient::put(const QUrl &url, const QByteArray &data, const QByteArray &contentType, const QByteArray &ifMatch)
{
    const std::pair<QByteArray, QByteArray> condition = ifMatch.isEmpty()
        ? std::pair<QByteArray, QByteArray>("If-None-Match", "*")
        : std::pair<QByteArray, QByteArray>("If-Match", ifMatch);
    return send("PUT", url, data, { { "Content-Type", contentType }, condition });
}

DavAnswer DavClient::remove(const QUrl &url, const QByteArray &ifMatch)
{
    QList<std::pair<QByteArray, QByteArray>> headers;
    if (!ifMatch.isEmpty())
        headers.append({ "If-Match", ifMatch });
    return send("DELETE", url, {}, headers);
}

DavAnswer DavClient::makeCollection(const QUrl &url, bool addressBook, const QString &displayName)
{
    const QByteArray kind = addressBook
        ? QByteArray("<card:addressbook/>")
        : QByteArray("<c:calendar/>");
    const QByteArray components = addressBook
        ? QByteArray()
        : QByteArray(R"(<c:supported-calendar-component-set><c:comp name="VEVENT"/><c:comp name="VTODO"/>)"
                     "</c:supported-calendar-component-set>");
    const QByteArray body = XmlDeclaration + "<d:mkcol " + Namespaces + "><d:set><d:prop><d:resourcetype><d:collection/>"
        + kind + "</d:resourcetype><d:displayname>" + xmlText(displayName) + "</d:displayname>" + components
        + "</d:prop></d:set></d:mkcol>";
    return send("MKCOL", url, body, { { "Content-Type", XmlType } });
}

QUrl asFolder(QUrl collection)
{
    if (!collection.path().endsWith(u'/'))
        collection.setPath(collection.path() + u'/');
    return collection;
}

} // namespace syncing
