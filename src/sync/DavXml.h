// SPDX-License-Identifier: MIT
// The XML of WebDAV answers and requests: multistatus bodies read into entries, hrefs written back.
#pragma once

#include "sync/DavClient.h"

namespace syncing {

/// The responses of a multistatus body, and its top-level sync-token when it has one. False, with
/// `error` in words, when the body is no multistatus.
bool readMultistatus(const QByteArray &body, QList<DavEntry> *entries, QString *syncToken, QString *error);

/// Whether an error body names the precondition (a DAV: element such as "valid-sync-token").
bool namesPrecondition(const QByteArray &body, QStringView name);

/// An href as a request body writes it: percent-encoded and XML-escaped.
QByteArray hrefElement(const QString &href);

/// Text made safe between XML tags.
QByteArray xmlText(const QString &text);

} // namespace syncing
