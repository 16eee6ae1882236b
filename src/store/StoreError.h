// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <stdexcept>

namespace store {

/// The error numbers the windows answer to.
enum ErrorCode : int {
    OtherError = 0,
    FileInUse = 70,
    DiskFull = 3026,           ///< no space left on the device
    ReadOnly = 3027,           ///< the file, or the folder its journal goes to, cannot be written
    Damaged = 3049,            ///< the file is no database or a page of it is damaged
    Locked = 3218,             ///< another program holds the database locked
    RecordDeleted = 3167,      ///< the row was deleted by another source
    ObjectInvalid = 3420,      ///< the database has been closed
    ConversionFailed = 3421,   ///< a text that is no date or time was written to such a column
};

/// A failed store operation; the windows turn its code into a message.
class Error : public std::runtime_error
{
public:
    Error(int code, const QString &detail)
        : std::runtime_error(detail.toStdString()), m_code(code) {}
    int code() const { return m_code; }

private:
    int m_code;
};

} // namespace store
