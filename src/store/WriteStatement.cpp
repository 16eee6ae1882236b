// SPDX-License-Identifier: MIT
#include "store/WriteStatement.h"

#include <QDateTime>
#include <QScopeGuard>
#include <sqlite3.h>

namespace store {

Error sqliteError(int code, const QString &detail)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Error(Locked, detail);
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN: // the journal cannot be made beside the file
        return Error(ReadOnly, detail);
    case SQLITE_FULL:
        return Error(DiskFull, detail);
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Error(Damaged, detail);
    default:
        return Error(OtherError, detail);
    }
}

WriteStatement::WriteStatement(sqlite3 *db, const QString &sql)
    : m_db(db), m_sql(sql)
{
    const QByteArray text = sql.toUtf8();
    if (const int code = sqlite3_prepare_v3(m_db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
            &m_statement, nullptr);
        code != SQLITE_OK)
        fail(code);
}

WriteStatement::~WriteStatement()
{
    sqlite3_finalize(m_statement);
}

void WriteStatement::fail(int code)
{
    throw sqliteError(code, QString::fromUtf8(sqlite3_errmsg(m_db)) + QStringLiteral(" in ") + m_sql);
}

namespace {

// Values are written as Qt's SQLite driver writes them.

/// Whether a value is written as NULL: a null text or an invalid day or time is.
bool isNullValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return static_cast<const QString *>(value.constData())->isNull();
    case QMetaType::QByteArray:
        return static_cast<const QByteArray *>(value.constData())->isNull();
    case QMetaType::QDate:
        return !value.toDate().isValid();
    case QMetaType::QTime:
        return !value.toTime().isValid();
    case QMetaType::QDateTime:
        return !value.toDateTime().isValid();
    default:
        return value.isNull();
    }
}

QString textOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("hh:mm:ss.zzz"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(Qt::ISODateWithMs);
    default:
        return value.toString();
    }
}

} // namespace

WriteStatement::Written WriteStatement::run(const QVariantList &params)
{
    // Ready for the next run whatever happens: no value kept, no lock held.
    const auto ready = qScopeGuard([this] {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    });
    // Texts are bound without a copy: each lives in `params`, or in `converted`, until the
    // statement has run.
    QList<QString> converted;
    converted.reserve(params.size());
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &value = params.at(i);
        int code = SQLITE_OK;
        switch (isNullValue(value) ? QMetaType::UnknownType : value.typeId()) {
        case QMetaType::UnknownType:
            code = sqlite3_bind_null(m_statement, i + 1);
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            code = sqlite3_bind_int64(m_statement, i + 1, value.toLongLong());
            break;
        case QMetaType::Double:
            code = sqlite3_bind_double(m_statement, i + 1, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const auto *bytes = static_cast<const QByteArray *>(value.constData());
            code = sqlite3_bind_blob64(m_statement, i + 1, bytes->constData(), sqlite3_uint64(bytes->size()), SQLITE_STATIC);
            break;
        }
        default: {
            const QString &text = value.typeId() == QMetaType::QString
                ? *static_cast<const QString *>(value.constData())
                : converted.emplace_back(textOf(value));
            code = sqlite3_bind_text16(m_statement, i + 1, text.utf16(), int(text.size() * 2), SQLITE_STATIC);
        }
        }
        if (code != SQLITE_OK)
            fail(code);
    }
    if (const int code = sqlite3_step(m_statement); code != SQLITE_DONE && code != SQLITE_ROW)
        fail(code);
    return {sqlite3_last_insert_rowid(m_db), sqlite3_changes(m_db)};
}

} // namespace store
