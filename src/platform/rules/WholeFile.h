// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace files {

/// Writes a file whole: into a temporary file beside it, flushed to the disk and checked, then
/// renamed over the target in one step. A target that is no regular file (a device, a pipe) is
/// written in place. Gives what went wrong in plain words, empty when the file was written; a
/// failure leaves the target as it was and no temporary file behind.
QString writeWholeFile(const QString &path, const QByteArray &content);

/// The reason of a failed file operation in plain words ("no space left on the device").
QString plainReason(int error);

} // namespace files
